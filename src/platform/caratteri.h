// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace spintaro {

// The fonts the windows name. Arial resolves to Liberation Sans (same metrics) and MS Sans Serif
// to DejaVu Sans Condensed or another sans-serif face. Every attribute is set explicitly, so a
// control's font never inherits the bold caption of the frame it sits in.
QFont fontArial(double punti, bool grassetto = false);
QFont fontMsSansSerif(double punti, bool grassetto = false);

} // namespace spintaro
