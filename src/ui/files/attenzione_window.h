// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_base.h"

class QLabel;
class QPushButton;

namespace spintaro {

// "ATTENZIONE" — "Salvare il Lavoro?", asked before a new calculation. "&Si" opens the save
// window (the job is cleared only later, by "Nuovo Lavoro?"), "&No" discards the job at once,
// "&Annulla" leaves it. Every button hides the window.
class AttenzioneWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit AttenzioneWindow(Servizi& servizi);

    // The command handlers.
    void Command2_Click(); // &Si
    void Command1_Click(); // &No
    void Command3_Click(); // &Annulla

    QLabel* Label1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
};

} // namespace spintaro
