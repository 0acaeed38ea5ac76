#include "files/esporta_window.h"

namespace spintaro {

EsportaWindow::EsportaWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Esporta, servizi, QStringLiteral("Esporta")) {}

} // namespace spintaro
