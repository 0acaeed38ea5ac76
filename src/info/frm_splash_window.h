#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The about window (placeholder).
class FrmSplashWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit FrmSplashWindow(Servizi& servizi);
};

} // namespace spintaro
