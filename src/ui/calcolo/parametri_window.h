// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analisi/parametri.h"
#include "platform/finestra_base.h"

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace spintaro {

// "Parametri di calcolo": every parameter of the design calculation, made from the parameters
// table (label, control, unit, clause), in three parts: the calculation, the partial factors and,
// for each part the table names, one more group. "Applica" checks every field and their
// combination and gives them to the job; a value refused is named in the window, and the job keeps
// its parameters. "Predefiniti" gives the job the default parameters. Not modal.
class ParametriWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit ParametriWindow(Servizi& servizi);

    // The job's parameters into the fields, dropping what was typed and not applied.
    void mostraParametri();
    // The fields into the job; false (and the reason in the window) when a value is refused.
    bool applica();

    QPushButton* Applica = nullptr;
    QPushButton* Predefiniti = nullptr;
    QPushButton* Risultati = nullptr;
    QPushButton* Chiudi = nullptr;
    QLabel* Esito = nullptr;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    struct Campo {
        const VoceParametro* voce = nullptr;
        QComboBox* scelta = nullptr;       // Scelta
        std::array<QLineEdit*, 2> testo{}; // Numero (one), PerInsieme (one per set)
        QCheckBox* interruttore = nullptr; // Interruttore
        std::vector<QCheckBox*> elenco;    // Elenco: one per word
    };
    void costruisci();
    void aggiungiCampo(const VoceParametro& v, QGridLayout* griglia);
    void mostra(const Campo& c, const DatiLavoro& d);
    // The field's value into d; the Italian reason when it is refused.
    std::optional<std::string> leggi(const Campo& c, DatiLavoro& d) const;
    QWidget* controlloDi(const Campo& c) const;
    void segnala(const QString& testo, bool errore);

    std::vector<Campo> m_campi;
};

} // namespace spintaro
