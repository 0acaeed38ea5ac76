#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The chooser that saves the project (placeholder).
class SalvaWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit SalvaWindow(Servizi& servizi);
};

} // namespace spintaro
