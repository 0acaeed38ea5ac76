// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"
#include "report/dati_relazione.h"
#include "report/documento_relazione.h"
#include "text/testi_numerici.h"

#include <string>
#include <string_view>

namespace spintaro {

// The calculation report of the job as it stands ("Relazione di calcolo della spinta attiva"),
// laid out on A4 pages: heading (with the project's heading data), the kind of analysis and the
// code used (NTC 2018 §10.2), data (surcharge, layer table), the model in a few lines, the
// results per layer and for the wall, the two diagrams drawn for paper, the design chapter when
// given, the judgement of the results against an independent simplified check, "pagina N di M"
// under every page. Reads layers 1..NumStrati (at most the table's 50) and changes nothing. Numbers
// use the given decimal separator; a value that is not a finite number shows as "—" with a note.
DocumentoRelazione ComponiRelazione(const Modulo1& m, const DatiRelazione& dati);

// The name a report gives a project file: the last part of its path, made fit to show.
std::string NomeProgettoRelazione(std::string_view percorso);

} // namespace spintaro
