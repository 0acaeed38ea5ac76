// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

namespace spintaro {

// The numbered ticks of a diagram axis: a step of 1, 2 or 5 × 10ⁿ, and the axis running from the
// last multiple of the step not above the data to the first multiple not below them, so the ticks
// are round numbers and cover the data.
struct ScalaAsse {
    double passo = 1;
    double inizio = 0; // the first tick
    double fine = 1;   // the last tick
    std::vector<double> tacche;
};

// The smallest such step that gives at most massimoIntervalli intervals over minimo..massimo.
// Equal ends are widened to a unit of their own size (0..1 for 0). Empty when the ends or the
// ticks are not finite numbers.
std::optional<ScalaAsse> scalaAsse(double minimo, double massimo, int massimoIntervalli = 8);

// How many decimals the tick labels of a step need (0 for 1, 2, 5, 10...; 1 for 0.5; 2 for 0.02).
int decimaliPasso(double passo);

} // namespace spintaro
