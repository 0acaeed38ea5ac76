// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"
#include "report/documento_relazione.h"

namespace spintaro {

// The batch calculator paints its report in a module of its own, spintaro_relazione.so, loaded
// only when a report is asked for: the painter needs Qt Gui, and linking it into the calculator
// would make every call load it, a report or not. The module lies beside the program in the
// build tree and, once installed, in ../lib/spintaro/moduli from the program's folder (the
// build's SPINTARO_MODULI_RELATIVI).
inline constexpr const char* FileModuloRelazione = "spintaro_relazione.so";
inline constexpr const char* SimboloModuloRelazione = "spintaro_scrivi_relazione";

// What the module exports under SimboloModuloRelazione: scriviRelazioneSenzaFinestre.
using FunzioneModuloRelazione = void (*)(const PercorsoFile& percorso,
                                         const DocumentoRelazione& documento, EsitoFile& esito);

// Loads the module (once per process) and writes the report through it. A module that cannot
// be found or loaded is a failed write, whose message says which file was looked for and why.
EsitoFile scriviRelazioneDalModulo(const PercorsoFile& percorso,
                                   const DocumentoRelazione& documento);

} // namespace spintaro
