// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analisi/parametri.h"
#include "model/modulo1.h"
#include "platform/collegamenti.h"
#include "platform/file_system.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"

#include <QIcon>
#include <functional>

namespace spintaro {

class SpintaroWindow;

// The program as a whole: the one job in memory, the window registry with the sixteen windows,
// and the services every window receives. The services come from outside, so that tests pass
// their own (answered message boxes, fixed separators, recorded printing, answered file
// dialogs).
class Applicazione final : private Collegamenti {
public:
    Applicazione(ServizioMessaggi& messaggi, const FonteSeparatori& separatori,
                 ServizioStampa& stampa, ServizioDesktop& desktop,
                 std::function<void()> fineProgramma);
    Applicazione(const Applicazione&) = delete;
    Applicazione& operator=(const Applicazione&) = delete;

    // Start: opens the main window (whose load step sets IndiceStrato to 0), and no other.
    SpintaroWindow* avvia();

    // A project named on the command line (a file manager passes it so), opened after the start
    // as the Open command opens it; a file that cannot be opened is reported and the program
    // goes on with an empty job. The name is the argument's bytes as given. True when there was
    // nothing to open or it opened.
    bool apriAllAvvio(const PercorsoFile& progetto);

    Modulo1& modulo() { return m_modulo; }
    DatiLavoro& lavoro() { return m_lavoro; }
    RegistroFinestre& finestre() { return m_finestre; }
    Servizi& servizi() { return m_servizi; }

private:
    void lavoroScartato() override;
    void lavoroAzzerato();
    void lavoroNuovo() override;
    void progettoAperto() override;
    void apriSalvaImmagine(IdFinestra diagramma) override;
    void progettoNelFile(const QString& nome) override { m_fileProgetto = nome; }
    QString fileProgetto() const override { return m_fileProgetto; }
    void risultatiProgettoMostrati() override { m_risultatiMostrati = true; }
    bool risultatiProgettoRichiesti() const override { return m_risultatiMostrati; }

    Modulo1 m_modulo;
    DatiLavoro m_lavoro;
    QString m_fileProgetto;
    bool m_risultatiMostrati = false;
    RegistroFinestre m_finestre;
    Servizi m_servizi;
};

// The program's icon, drawn from its SVG at the usual sizes.
QIcon iconaProgramma();

} // namespace spintaro
