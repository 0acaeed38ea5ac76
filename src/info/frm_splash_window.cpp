#include "info/frm_splash_window.h"

namespace spintaro {

FrmSplashWindow::FrmSplashWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::frmSplash, servizi, QStringLiteral("")) {}

} // namespace spintaro
