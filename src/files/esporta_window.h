#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The chooser that exports the results table (placeholder).
class EsportaWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit EsportaWindow(Servizi& servizi);
};

} // namespace spintaro
