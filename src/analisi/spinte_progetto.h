// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The design calculation: for each combination of the job's parameters, the pressures of every
// layer and the thrust on the wall, from the same per-layer rules as the layer computation (angle
// conversion, water, tension zone, shares), so that with the default parameters its SLE row is
// the layer computation's result bit for bit.

#include "analisi/parametri.h"
#include "analisi/righe.h"
#include "model/modulo1.h"

#include <optional>
#include <string>
#include <vector>

namespace spintaro {

// The combinations chosen in p for layers 1..NumStrati of m (inputs only: Potenza, Gamma,
// Coesione, AttritoInterno, Falda; the surcharge in Strati(0).Sv). Changes nothing.
// The design value of every result: E_d = γQ·E(q) + (γG1 − γQ)·E(q = 0), which is
// γG1·E(0) + γQ·[E(q) − E(0)] with the earth and the water as permanent actions and the
// surcharge as a variable one, each E computed with the M-factored parameters. A passive
// resistance takes the actions with factor 1 and shows γR beside its A rows.
// With the seismic action asked for (p.sisma), the rows of each limit state follow, two per
// state (kv downwards, then upwards): see analisi/sisma.h.
RisultatoProgetto CalcolaSpinteProgetto(const Modulo1& m, const ParametriCalcolo& p);

// The first layer and combination where the slope β of p exceeds the design angle of shearing
// resistance φ′d, as an Italian reason; none when β fits every layer of every chosen combination.
// Needs only the layers' inputs, so a window can check it before it takes the parameters.
std::optional<std::string> ControllaInclinazione(const Modulo1& m, const ParametriCalcolo& p);

} // namespace spintaro
