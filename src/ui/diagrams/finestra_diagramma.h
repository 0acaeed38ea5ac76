// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagrams/geometria.h"
#include "platform/finestra_base.h"
#include "platform/twips.h"

#include <QImage>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace spintaro {

class Tela;

// What the two diagram windows share: a resizable window with a menu bar and a retained canvas
// filling the client area, drawn once by the load step from the job at that moment. The menu's
// three commands save the image (through the image dialog), print the window, and hide it.
class FinestraDiagramma : public FinestraBase {
    Q_OBJECT

public:
    using Costruzione = std::function<Disegno(const Modulo1&, const MisuraX&)>;

    // Load step: the drawing, from the layers as they stand, at the canvas's size.
    void caricamento() override;

    // The page: the retained drawing at its on-screen size, as vector output.
    void stampaSu(QPainter& pittore, QPagedPaintDevice& pagine) override;

    // The retained drawing at the client size, as the screen shows it.
    QImage immagine() const;

    Tela* tela() const { return m_tela; }
    QMenuBar* barraMenu() const { return m_barraMenu; }

    // The menu's commands.
    void salvaImmagine_Click();
    void stampaImmagine_Click();
    void chiudi_Click();

protected:
    // The client area is given in twips.
    FinestraDiagramma(IdFinestra id, Servizi& servizi, const QString& titolo, int larghezzaClient,
                      int altezzaClient, Costruzione costruzione);

    // The menu of the window and its three items, with their names and captions.
    struct VociMenu {
        QMenu* menu = nullptr;
        QAction* salva = nullptr;
        QAction* stampa = nullptr;
        QAction* chiudi = nullptr;
    };
    VociMenu costruisciMenu(const char* nomeMenu, const QString& testoMenu, const char* nomeSalva,
                            const QString& testoSalva, const char* nomeStampa,
                            const QString& testoStampa, const char* nomeChiudi,
                            const QString& testoChiudi);

    // What a screen reader says of the diagram: its figures, from the job at load time.
    virtual QString descrizione() const = 0;
    // "<cosa> di N strati, profondità totale … m, valore massimo … kPa[, spinta totale … kN/m]."
    QString testoSintesi(const QString& cosa, const SintesiDiagramma& s) const;

    Twips m_twips;

private:
    Costruzione m_costruzione;
    QMenuBar* m_barraMenu = nullptr;
    Tela* m_tela = nullptr;
};

} // namespace spintaro
