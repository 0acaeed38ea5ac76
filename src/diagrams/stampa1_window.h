#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The report window (placeholder until the report is written).
class Stampa1Window final : public FinestraBase {
    Q_OBJECT

public:
    explicit Stampa1Window(Servizi& servizi);
};

} // namespace spintaro
