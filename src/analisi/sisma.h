// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The seismic thrust of NTC 2018 §7.11.6 by the pseudo-static method: the seismic coefficients
// from the site (§3.2.3.2 and §7.11.6.2.1) or given directly, and the Mononobe–Okabe coefficients
// of EN 1998-5 Annex E for a vertical wall, layer by layer on the running vertical stress as the
// static calculation does. Every angle goes through the program's one conversion (π = 3.14).

#include "analisi/coefficienti.h"
#include "analisi/parametri.h"
#include "analisi/righe.h"
#include "model/modulo1.h"

#include <optional>
#include <string>
#include <vector>

namespace spintaro {

// Ss of NTC 2018 Tab. 3.2.IV for ag/g and F0: A 1; B 1.00 ≤ 1.40 − 0.40·F0·ag/g ≤ 1.20;
// C 1.00 ≤ 1.70 − 0.60·F0·ag/g ≤ 1.50; D 0.90 ≤ 2.40 − 1.50·F0·ag/g ≤ 1.80;
// E 1.00 ≤ 2.00 − 1.10·F0·ag/g ≤ 1.60.
double AmplificazioneStratigrafica(CategoriaSuolo suolo, double agG, double f0);

// St of NTC 2018 Tab. 3.2.V: T1 1.0, T2 1.2, T3 1.2, T4 1.4.
double AmplificazioneTopografica(CategoriaTopografica t);

// βm of NTC 2018 Tab. 7.11.II for a wall free to move relative to the ground (0.38 SLV, 0.47
// SLD); 1 for a wall that cannot (§7.11.6.2.1).
double RiduzioneAccelerazione(StatoLimite s, bool vincolato);

// The seismic coefficients of one limit state: kh given, or kh = βm·Ss·St·ag/g; kv = (kv/kh)·kh.
// The parameters must have passed ControllaParametri.
struct AzioneSismica {
    double kh = 0, kv = 0;
    std::optional<double> ss, st, amax, betaM; // from the site only
};
AzioneSismica AzioneSismicaDi(const ParametriSisma& s, StatoLimite stato);

// Mononobe–Okabe for a vertical wall (ψ = 90°), design friction angle fi, wall friction delta,
// slope beta and seismic angle theta, degrees (EN 1998-5 Annex E):
//   active, β ≤ φ − θ (E.2): K = cos²(φ−θ) / (cos θ·cos(θ+δ)·[1 + √(sin(φ+δ)·sin(φ−β−θ) /
//                                                               (cos(θ+δ)·cos β))]²)
//   active, β > φ − θ (E.3): K = cos²(φ−θ) / (cos θ·cos(θ+δ))
//   passive, no wall friction (E.4): K = cos²(φ−θ) / (cos²θ·[1 − √(sin φ·sin(φ+β−θ) /
//                                                                  (cos β·cos θ))]²)
// k is the coefficient of the thrust inclined at δ (0 for the passive form), kh = k·cos δ.
// Empty outside the method's range: θ > φ for the active state, φ + β − θ < 0 or a root ≥ 1 for
// the passive one, or a value that is not finite.
std::optional<Coefficiente> CoefficienteMononobeOkabe(bool attiva, double fi, double delta,
                                                      double beta, double theta);

// Appends to righe the seismic rows of p.sisma for layers 1..NumStrati of m: for each limit state
// switched on, kv downwards (s = +1) then upwards (s = −1), the factor (1 + s·kv) on the weight,
// the surcharge and in tan θ = kh/(1 + s·kv); M1 parameters and actions with factor 1
// (NTC 2018 §7.11.6.2.2); c′ is not used (Mononobe–Okabe is a frictional solution). The row of
// the larger thrust of each state (the smaller resistance, passive) governs it. An Italian reason
// naming the layer and the row when a layer lies outside the method's range.
std::optional<std::string> AggiungiRigheSismiche(const Modulo1& m, const ParametriCalcolo& p,
                                                 std::vector<RigaProgetto>& righe);

} // namespace spintaro
