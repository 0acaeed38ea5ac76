// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a report is made from besides the job: its heading data, the program and the design
// results, as the callers hand them to the composer.

#include "analisi/parametri.h"
#include "analisi/spinte_progetto.h"

#include <string>

namespace spintaro {

// Where the validation document is, for the report's "Codice di calcolo".
struct CodiceCalcolo {
    // The folder of the installed validazione.md and validazione.pdf; empty: the program runs
    // from its build, and the document is docs/ of the source.
    std::string cartella;
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

} // namespace spintaro
