#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The vertical-stress diagram window (placeholder until the diagram is drawn).
class SvWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit SvWindow(Servizi& servizi);
};

} // namespace spintaro
