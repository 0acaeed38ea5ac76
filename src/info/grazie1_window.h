#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The thanks window (placeholder).
class Grazie1Window final : public FinestraBase {
    Q_OBJECT

public:
    explicit Grazie1Window(Servizi& servizi);
};

} // namespace spintaro
