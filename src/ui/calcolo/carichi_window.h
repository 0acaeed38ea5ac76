// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analisi/parametri.h"
#include "platform/finestra_base.h"

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace spintaro {

class DisegnoCarichi;

// "Carichi sul terrapieno": the job's loads on the backfill in a table, one row per load with the
// values of its kind, their factor f and γG2, and beside them a drawing to scale of the wall, its
// layers and the loads as typed. "Applica" checks the loads and gives them to the job; a value
// refused is named in the window by its load, and the job keeps its loads. Not modal.
class CarichiWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit CarichiWindow(Servizi& servizi);

    // The job's loads into the table, dropping what was typed and not applied.
    void mostraCarichi();
    // The table into the job; false (and the reason in the window) when a value is refused.
    bool applica();

    QTableWidget* Tabella = nullptr;
    QComboBox* Fattore = nullptr;
    std::array<QLineEdit*, 2> GammaG2{};
    DisegnoCarichi* Disegno = nullptr;
    QPushButton* Aggiungi = nullptr;
    QPushButton* Rimuovi = nullptr;
    QPushButton* Applica = nullptr;
    QPushButton* Chiudi = nullptr;
    QLabel* Esito = nullptr;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    // What a row of the table holds, as typed.
    struct TestiRiga {
        TipoCarico tipo = TipoCarico::Striscia;
        std::array<QString, 7> valori; // in the order of the table's value columns
        AzioneCarico azione = AzioneCarico::Variabile;
        QString psi2;
    };
    void costruisci();
    QWidget* costruisciFattori();
    void aggiungiRiga(const TestiRiga& t);
    void riempi(const std::vector<TestiRiga>& righe);
    [[nodiscard]] TestiRiga testiRiga(int riga) const;
    // The row's load in the text the parameter file writes; the reason when a box it needs is
    // empty.
    [[nodiscard]] static std::optional<std::string> testoCarico(const TestiRiga& t, int riga,
                                                                std::string& testo);
    // The box of a refused row that its reason is about, to take the focus.
    [[nodiscard]] QLineEdit* casellaRifiutata(int riga) const;
    void adattaRiga(int riga); // the boxes of the row's kind enabled, the others empty
    [[nodiscard]] std::vector<double> spessori() const; // of the job's layers, m
    void ridisegna();
    void aggiungi();
    void rimuovi();
    void segnala(const QString& testo, bool errore);
};

} // namespace spintaro
