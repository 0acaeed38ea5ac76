// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_base.h"

class QLabel;
class QPushButton;

namespace spintaro {

// "Nuovo Lavoro?", asked after every save. "&Si" clears the job and the total thrust and puts
// the layer number back to 1; "&No" keeps the job. Both buttons hide the window.
class NuovolavoroWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit NuovolavoroWindow(Servizi& servizi);

    // The command handlers.
    void Command1_Click(); // &Si
    void Command2_Click(); // &No

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

} // namespace spintaro
