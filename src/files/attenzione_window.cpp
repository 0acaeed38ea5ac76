#include "files/attenzione_window.h"

namespace spintaro {

AttenzioneWindow::AttenzioneWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Attenzione, servizi, QStringLiteral("ATTENZIONE")) {}

} // namespace spintaro
