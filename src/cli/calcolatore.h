// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/testi_numerici.h"

#include <ostream>
#include <string>
#include <vector>

namespace spintaro {

// Exit codes of the batch calculator.
enum CodiceUscita : int { UscitaOk = 0, UscitaFile = 1, UscitaUso = 2 };

// The batch calculator: reads each project file as Open does, computes every layer from the
// given surcharge and the total thrust, and prints them as a table, CSV or JSON lines; with
// --esporta it also writes the export table of the one project. Messages go to err, in Italian.
// sep holds the user's regional separators (table output and the export file).
int eseguiCalcola(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
                  const Separatori& sep);

} // namespace spintaro
