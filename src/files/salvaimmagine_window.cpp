#include "files/salvaimmagine_window.h"

namespace spintaro {

SalvaimmagineWindow::SalvaimmagineWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::salvaimmagine, servizi, QStringLiteral("Salva Immagine")) {}

} // namespace spintaro
