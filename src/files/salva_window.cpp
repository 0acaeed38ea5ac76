#include "files/salva_window.h"

namespace spintaro {

SalvaWindow::SalvaWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Salva, servizi, QStringLiteral("Salva")) {}

} // namespace spintaro
