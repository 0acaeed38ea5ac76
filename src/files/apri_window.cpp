#include "files/apri_window.h"

namespace spintaro {

ApriWindow::ApriWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Apri, servizi, QStringLiteral("Apri")) {}

} // namespace spintaro
