// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The earth-pressure coefficients of the design calculation, for a vertical wall. Every angle is
// in degrees and goes through the program's one conversion (Radianti, π = 3.14).

#include "analisi/parametri.h"

#include <optional>
#include <string>

namespace spintaro {

// Radians to degrees by the same rule: radianti × 180 / 3.14.
double Gradi(double radianti);

// The design friction angle: arctan(tan φ′ / γφ′), φ′ itself when γφ′ is 1.
double AttritoDiProgetto(double fi, double gammaPhi);

// The coefficient of a layer: k of the theory's formula (for Coulomb and for a sloping backfill
// the coefficient of the inclined thrust), kh its horizontal part, and the inclination of the
// thrust to the horizontal (δ for Coulomb, β for Rankine on a slope, 0 otherwise).
struct Coefficiente {
    double k = 0;
    double kh = 0;
    double inclinazione = 0; // degrees
};

// Active, at rest or passive for a layer of design friction angle fi (degrees), wall friction
// delta, slope beta and over-consolidation ratio ocr. Rankine with β = 0: tan²(π/4 ∓ φ/2) exactly
// as the layer computation gives Ka. Empty when the formula has no finite value (the caller says
// which layer and why).
std::optional<Coefficiente> CoefficienteSpinta(StatoTerreno stato, Teoria teoria, double fi,
                                               double delta, double beta, double ocr);

} // namespace spintaro
