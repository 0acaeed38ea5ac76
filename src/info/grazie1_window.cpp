#include "info/grazie1_window.h"

namespace spintaro {

Grazie1Window::Grazie1Window(Servizi& servizi)
    : FinestraBase(IdFinestra::grazie1, servizi, QStringLiteral("E Grazie....")) {}

} // namespace spintaro
