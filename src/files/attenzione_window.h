#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The "Salvare il Lavoro?" question (placeholder).
class AttenzioneWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit AttenzioneWindow(Servizi& servizi);
};

} // namespace spintaro
