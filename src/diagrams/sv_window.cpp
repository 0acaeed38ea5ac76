#include "diagrams/sv_window.h"

namespace spintaro {

SvWindow::SvWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Sv, servizi, QStringLiteral("Sigma v")) {}

} // namespace spintaro
