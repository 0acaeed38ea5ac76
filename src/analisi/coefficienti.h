// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The earth-pressure coefficients of the design calculation, for a vertical wall. Every angle is
// in degrees and goes through the program's one conversion (Radianti, π = 3.14), unless the
// caller asks for the exact π (angoli.h: the report's independent check).

#include "analisi/angoli.h"
#include "analisi/parametri.h"
#include "model/modulo1.h"

#include <optional>
#include <string>

namespace spintaro {

// Radians to degrees by the same rule: radianti × 180 / 3.14.
double Gradi(double radianti);

// The design friction angle: arctan(tan φ′ / γφ′), φ′ itself when γφ′ is 1.
double AttritoDiProgetto(double fi, double gammaPhi,
                         ConversioneAngoli a = ConversioneAngoli::Programma);

// The coefficient of a layer: k of the theory's formula (for Coulomb and for a sloping backfill
// the coefficient of the inclined thrust), kh its horizontal part, and the inclination of the
// thrust to the horizontal (δ for Coulomb, β for Rankine on a slope, 0 otherwise).
struct Coefficiente {
    double k = 0;
    double kh = 0;
    double inclinazione = 0; // degrees
    bool limitato = false;   // at rest: K0 taken at the passive limit, which it exceeded
    // The coefficient of the cohesion, Kc of EN 1997-1 Annex C; empty where it is 2·√kh.
    std::optional<double> kc = std::nullopt;
};

// Active, at rest or passive for a layer of design friction angle fi (degrees), wall friction
// delta, slope beta and over-consolidation ratio ocr. Rankine with β = 0: tan²(π/4 ∓ φ/2) exactly
// as the layer computation gives Ka. EN 1997-1 Annex C (annesso_c.h): k = kh = Kγ, the pressure
// normal to the wall, inclined at δ, with its Kc. At rest, K0·(1 + sin β) is at most the horizontal
// Rankine passive coefficient of the same φ and β, the most the soil can sustain (limitato then
// says so). Empty when the formula has no finite value (the caller says which layer and why).
// With the exact π (a), Rankine with β = 0 is tan²(π/4 ∓ φ/2) of that π.
std::optional<Coefficiente> CoefficienteSpinta(StatoTerreno stato, Teoria teoria, double fi,
                                               double delta, double beta, double ocr,
                                               ConversioneAngoli a = ConversioneAngoli::Programma);

// Why a layer is physically impossible for the design rules, as an Italian clause to follow the
// layer's name: a friction angle of 90° or more, or below the water table a design unit weight
// gammaD not above the water's (a zero or negative effective weight). Empty for a sound layer.
std::optional<std::string> StratoImpossibile(const Strato& s, double gammaD);

// The avviso of the layer computation for the layers 1..NumStrati that StratoImpossibile refuses
// with their own unit weight: the layer computation computes them as they are. Empty when none.
std::optional<std::string> AvvisoStratiImpossibili(const Modulo1& m);

} // namespace spintaro
