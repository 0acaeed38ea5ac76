// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The loads on the backfill in the design rows: each load's pressure is worked once at every layer
// boundary and its thrust and moment once over the wall's height, then weighted in each row by the
// row's factor for its action.

#include "analisi/parametri.h"
#include "analisi/righe.h"
#include "model/modulo1.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

// The factor of a load in a row: 1 in SLE; γQ of the row for a variable load and γG2 of its set
// for a permanent one in A1+M1 and A2+M2 (NTC 2018 Tab. 6.2.I); in a seismic row ψ2 for a
// variable load and 1 for a permanent one (NTC 2018 §2.5.3, (2.5.5)).
double FattoreCarico(const RigaProgetto& r, const Carico& c, const ParametriCalcolo& p);

// Adds the loads of p to every row of out (their share to its thrust, moment and arm, and each
// layer's pc1, pc2) and their characteristic results to out.carichi. Nothing without loads; an
// Italian reason when a result is not finite.
std::optional<std::string> AggiungiCarichi(const Modulo1& m, const ParametriCalcolo& p,
                                           RisultatoProgetto& out);

// A load's cells in the tables of the outputs: its number, its description, its action, ψ2 (the
// mark manca for a permanent load), its characteristic thrust, moment and arm (manca without one).
std::vector<std::string> CelleCarico(const EsitoCarico& e, std::size_t numero,
                                     std::string_view decimale, std::string_view manca);

} // namespace spintaro
