#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The chooser that opens a project (placeholder).
class ApriWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit ApriWindow(Servizi& servizi);
};

} // namespace spintaro
