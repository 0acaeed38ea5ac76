// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The report's chapter of the design calculation: the parameters with their clauses, the partial
// factors, the formulas, the results of every combination, the layers and the pressure diagram of
// the governing one.

#include "analisi/spinte_progetto.h"
#include "model/modulo1.h"
#include "report/impaginatore.h"

#include <string>

namespace spintaro {

void CapitoloProgetto(Impaginatore& p, const Modulo1& m, const ParametriCalcolo& parametri,
                      const RisultatoProgetto& r, const std::string& decimale);

} // namespace spintaro
