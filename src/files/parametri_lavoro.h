// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The job's parameter file: beside "lavoro.spt" stands "lavoro.parametri", UTF-8 text of
// "chiave = valore" lines, one per parameter that differs from its default, with the keys of the
// batch calculator's options ("teoria = coulomb", "gamma-phi = M1=1,M2=1.25"). Blank lines and
// lines starting with # are ignored. A job with default parameters and no heading data has no
// such file, so that the project file alone describes it as it always has.

#include "analisi/parametri.h"

#include <string>
#include <string_view>

namespace spintaro {

// The parameter file's name for a project file: its final ".spt" replaced by ".parametri", or
// ".parametri" appended when the name does not end in ".spt".
std::string NomeParametri(std::string_view progetto);

// The file's text, CRLF line ends; empty when every value is its default.
std::string TestoParametri(const DatiLavoro& d);

struct LetturaParametri {
    bool ok = false;
    std::string messaggio; // Italian, when !ok
    int riga = 0;          // the line it concerns, 0 for the file as a whole
    DatiLavoro dati;
};

// Reads the file's text (LF or CRLF, an optional UTF-8 BOM). An unknown or repeated key, a line
// without "=", or a value its parameter refuses makes the whole file refused.
LetturaParametri LeggiParametri(std::string_view testo);

// True when the calculation parameters differ from the defaults (the heading does not count).
bool ParametriDiProgetto(const DatiLavoro& d);

} // namespace spintaro
