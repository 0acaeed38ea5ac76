// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analisi/parametri.h"
#include "analisi/spinte_progetto.h"
#include "model/modulo1.h"
#include "report/documento_relazione.h"

#include <string>
#include <string_view>

namespace spintaro {

// Where the program's source and its validation document are, for the report's "Codice di calcolo".
struct CodiceCalcolo {
    std::string sorgente;    // the address of the source; empty: not given
    std::string validazione; // the version line of docs/validazione.md; empty: not given
};

// What the report says of itself besides the job.
struct DatiRelazione {
    std::string progetto;  // the project file's name; empty for a job never saved or opened
    std::string dataOra;   // when it was written, as the caller words it
    std::string programma; // program name and version
    std::string decimale = ",";
    // The design results with their parameters: a chapter "Spinte di progetto (NTC 2018)"
    // follows the diagrams when given.
    const ParametriCalcolo* parametri = nullptr;
    const RisultatoProgetto* risultati = nullptr;
    // The project's heading (Committente, Opera, ...): its filled fields stand under the title.
    const Intestazione* intestazione = nullptr;
    CodiceCalcolo codice{};
};

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

// A number with a fixed count of decimals and a leading zero ("0,333", "46,000"), rounded as the
// main window rounds (halves away from zero); from 10⁷ up, four significant digits with an
// exponent ("1,235E+12"); "—" for a value that is not a finite number.
std::string TestoValore(double v, int decimali, std::string_view decimale);

} // namespace spintaro
