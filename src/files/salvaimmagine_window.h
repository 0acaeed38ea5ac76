#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The chooser that saves a diagram image (placeholder).
class SalvaimmagineWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit SalvaimmagineWindow(Servizi& servizi);
};

} // namespace spintaro
