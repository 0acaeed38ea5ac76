// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/testi_numerici.h"

namespace spintaro {

// Where the windows take the decimal and grouping separators from. The program asks the user's
// regional settings; tests fix a comma or a period.
class FonteSeparatori {
public:
    virtual ~FonteSeparatori() = default;
    virtual Separatori separatori() const = 0;
};

// The user's regional settings, read at each use.
class SeparatoriDelSistema final : public FonteSeparatori {
public:
    Separatori separatori() const override;
};

} // namespace spintaro
