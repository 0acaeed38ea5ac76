// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_base.h"

class QFrame;
class QLabel;
class QPushButton;

namespace spintaro {

class ImmagineSvg;

// The about window: no title bar, a fixed frame, centred on the screen; "Chiudi" hides it.
class FrmSplashWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit FrmSplashWindow(Servizi& servizi);

    QFrame* fraMainFrame = nullptr;
    ImmagineSvg* Image1 = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* Nome_Programma = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Chiudi = nullptr;

protected:
    void showEvent(QShowEvent* evento) override;
};

} // namespace spintaro
