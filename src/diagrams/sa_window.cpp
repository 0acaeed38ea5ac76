#include "diagrams/sa_window.h"

namespace spintaro {

SaWindow::SaWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Sa, servizi, QStringLiteral("Sa")) {}

} // namespace spintaro
