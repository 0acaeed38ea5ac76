// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analisi/parametri.h"
#include "model/modulo1.h"
#include "platform/finestra_base.h"

#include <QString>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

namespace spintaro {

// "Spinte di progetto": the design results of the job as it was when the window was opened or
// "Aggiorna" was pressed: one row per combination and per seismic limit state and kv sign
// (thrust, its vertical component and water part, moment, arm, γR, the governing row marked; a
// seismic row's action and increment in its notes) and the layers of the selected row (K_AE and
// θ for a seismic row). While it
// is shown it watches the job and says when the layers, the surcharge or the parameters changed
// since. Not modal.
class SpinteProgettoWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit SpinteProgettoWindow(Servizi& servizi);
    // The header of the rows' table resizes its sections while the children are destroyed, when
    // this window is only a QWidget: its handler is let go first.
    ~SpinteProgettoWindow() override;
    SpinteProgettoWindow(const SpinteProgettoWindow&) = delete;
    SpinteProgettoWindow& operator=(const SpinteProgettoWindow&) = delete;

    // Computes the job as it stands now and shows it.
    void aggiorna();
    // A new job: the tables emptied, and the status line says why.
    void svuota();

    QLabel* Stato = nullptr;

    QLabel* Calcolo = nullptr; // the theory, δ/φ′, β and the site values behind kh
    QTableWidget* Combinazioni = nullptr;
    QLabel* TitoloStrati = nullptr;
    QTableWidget* StratiRiga = nullptr;
    QLabel* Avvisi = nullptr;
    QPushButton* Aggiorna = nullptr;
    QPushButton* Parametri = nullptr;
    QPushButton* Chiudi = nullptr;

protected:
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    // What the results were computed from: the layers' inputs, the surcharge, the parameters.
    struct Fotografia {
        std::vector<Strato> strati;
        double sovraccarico = 0;
        ParametriCalcolo parametri;
        bool operator==(const Fotografia&) const = default;
    };
    Fotografia fotografia() const;
    void controllaCambiamenti();
    void mostraStrati(int riga);
    // Each row of the combinations as high as its note wrapped, and all of them in view.
    void adattaRighe();

    Fotografia m_calcolato;
    QString m_statoCalcolo;
    bool m_cambiato = false;
    std::vector<std::vector<QStringList>> m_strati; // per row: the layer table's rows
    std::vector<QStringList> m_intestazioni;        // per row: the layer table's headings
    QTimer* m_controllo = nullptr;
};

} // namespace spintaro
