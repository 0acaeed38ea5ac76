#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The active-pressure diagram window (placeholder until the diagram is drawn).
class SaWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit SaWindow(Servizi& servizi);
};

} // namespace spintaro
