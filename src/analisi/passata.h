// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one pass over the profile that every design row makes, static or seismic: each layer's
// horizontal pressures at its top and base from its coefficient, the running vertical stress and
// the pore pressures, cut at the minimum pressure where it applies, and their shares of the
// thrust, its water part, its moment, its arm and its vertical part.

#include "analisi/righe.h"
#include "model/calcolo.h"
#include "model/modulo1.h"

#include <optional>
#include <span>
#include <vector>

namespace spintaro {

// One layer as a pass takes it: its design values and its coefficient in this row.
struct StratoPassata {
    double phi = 0, gamma = 0, c = 0; // φ′d (degrees), γd (kN/m³), c′d (kPa)
    bool coesioneUsata = false;       // c′d > 0 and taken where the layer lies
    double k = 0;                     // on σ′v (a seismic row's includes 1 ± kv)
    std::optional<double> kc;         // on c′ when not 2·√k (Annex C)
    double tanInclinazione = 0;       // of the earth pressure to the horizontal
};

// What the pass asks of the row beyond its layers.
struct RegolePassata {
    double segno = 0;           // on the cohesion: −1 active, +1 passive, 0 at rest
    double pressioneMinima = 0; // f of the minimum pressure f·σ′v + u for a cohesive layer
    bool coesioneSottoFalda = false;
};

// What one pass (one value of the surcharge) gives for the whole profile.
struct Passata {
    std::vector<Pressioni> pressioni;         // per layer, horizontal, with u
    std::vector<std::optional<double>> inizi; // per layer in tension at its top: where its
                                              // triangle starts, m below the surface
    AnalisiSpinta analisi;
    double spintaVerticale = 0;
};

// Layers 1..strati.size() of m under the surcharge q. Below the water table the soil cannot pull
// on the wall: the pressure that acts is u plus the effective part cut at zero, the minimum
// pressure with f = 0. A layer whose pressure crosses the minimum inside it is split at the
// crossing so that the shares follow the cut line exactly. buffer serves every pass of a
// calculation; r is written whole, its vectors' room kept for the next pass.
void Passa(const Modulo1& m, std::span<const StratoPassata> strati, const std::vector<Acqua>& acqua,
           double q, const RegolePassata& regole, Segmenti& buffer, Passata& r);

} // namespace spintaro
