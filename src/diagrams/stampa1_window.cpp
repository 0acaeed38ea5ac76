#include "diagrams/stampa1_window.h"

namespace spintaro {

Stampa1Window::Stampa1Window(Servizi& servizi)
    : FinestraBase(IdFinestra::stampa1, servizi, QStringLiteral("stampa")) {}

} // namespace spintaro
