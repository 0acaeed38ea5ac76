// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/modulo_relazione.h"
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
// sep holds the user's regional separators (table output and the export file). With
// --relazione the report, composed here, is painted and written by scriviRelazione: by default
// through the report module, which alone links Qt Gui.
using ScrittoreRelazione = EsitoFile (*)(const PercorsoFile& percorso,
                                         const DocumentoRelazione& documento);
int eseguiCalcola(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
                  const Separatori& sep,
                  ScrittoreRelazione scriviRelazione = scriviRelazioneDalModulo);

} // namespace spintaro
