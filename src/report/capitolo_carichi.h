// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The report's section on the loads on the backfill: the method and its sources, the loads with
// their characteristic thrust, moment and arm, each row's factored share, and the loads' pressure
// over the wall's height.

#include "analisi/righe.h"
#include "model/modulo1.h"
#include "report/impaginatore.h"

#include <string>

namespace spintaro {

// The next section of the chapter open, "Carichi sul terrapieno", with the next figure; nothing
// for a job without loads.
void SezioneCarichi(Impaginatore& p, const Modulo1& m, const ParametriCalcolo& parametri,
                    const RisultatoProgetto& r, const std::string& decimale);

} // namespace spintaro
