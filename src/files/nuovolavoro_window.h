#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// The "Nuovo Lavoro?" question (placeholder).
class NuovolavoroWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit NuovolavoroWindow(Servizi& servizi);
};

} // namespace spintaro
