// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analisi/parametri.h"
#include "platform/finestra_base.h"

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace spintaro {

// "Intestazione del progetto": the heading data of the job (Committente, Opera, Località,
// Progettista, Data), one field per heading entry of the parameters table, entered once per job;
// the calculation report prints the filled ones and Save writes them beside the project.
// "Applica" gives every field to the job, or none: a text refused is named in the window and the
// job keeps its heading. Not modal.
class IntestazioneWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit IntestazioneWindow(Servizi& servizi);

    // The job's heading into the fields, dropping what was typed and not applied.
    void mostraIntestazione();
    // The fields into the job; false (and the reason in the window) when a text is refused.
    bool applica();

    QPushButton* Applica = nullptr;
    QPushButton* Chiudi = nullptr;
    QLabel* Esito = nullptr;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void segnala(const QString& testo, bool errore);

    std::vector<std::pair<const VoceParametro*, QLineEdit*>> m_campi;
};

} // namespace spintaro
