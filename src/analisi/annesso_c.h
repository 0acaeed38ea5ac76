// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Earth-pressure coefficients by the numerical procedure of EN 1997-1:2004 Annex C.2: curved
// failure surfaces (two Rankine zones joined by a logarithmic-spiral fan), here for a vertical
// wall. Every angle is in degrees and goes through the program's one conversion (Radianti,
// π = 3.14), or the exact π when the caller asks (angoli.h); π itself appears only where an
// inverse cosine returns it.

#include "analisi/angoli.h"

#include <optional>

namespace spintaro {

// Coefficients of EN 1997-1 Annex C.2 for a vertical wall: the pressure normal to the wall is
// Kγ·σ′v(from the soil weight) + Kq·q ∓ Kc·c′ (− active, + passive). On a vertical wall Kγ = Kq.
// kn is the coefficient Kn the other three come from.
struct CoefficientiAnnessoC {
    double kGamma = 0, kq = 0, kc = 0, kn = 0;
};

// fi = φ′d, delta = δ (same sign convention as φ′, 0 ≤ δ ≤ φ′d), beta = slope of the backfill
// surface (positive when the ground rises away from the wall), all in degrees, converted with the
// program's one rule `Radianti` (model/calcolo.h: degrees × 3.14 / 180) or, with a, the exact
// π. Empty outside the
// procedure's range: φ′d = 0 with β ≠ 0, |β| > φ′d, δ < 0 or δ > φ′d, φ′d ≥ 90 or < 0, a
// non-finite argument or a non-finite result.
std::optional<CoefficientiAnnessoC>
CoefficientiAnnessoCDi(bool attiva, double fi, double delta, double beta,
                       ConversioneAngoli a = ConversioneAngoli::Programma);

} // namespace spintaro
