#include "files/nuovolavoro_window.h"

namespace spintaro {

NuovolavoroWindow::NuovolavoroWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Nuovolavoro, servizi, QStringLiteral("")) {}

} // namespace spintaro
