// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The job's parameter file: beside "lavoro.spt" stands "lavoro.parametri", UTF-8 text of
// "chiave = valore" lines, one per parameter that differs from its default, with the keys of the
// batch calculator's options ("teoria = coulomb", "gamma-phi = M1=1,M2=1.25"). Blank lines and
// lines starting with # are ignored. The job's surcharge stands there too ("sovraccarico = 10",
// kPa), since the project file has no place for it. A job with default parameters, no heading
// data and no surcharge has no such file, so that the project file alone describes it as it
// always has.

#include "analisi/parametri.h"

#include <string>
#include <string_view>

namespace spintaro {

// The parameter file's name for a project file: its final ".spt" replaced by ".parametri", or
// ".parametri" appended when the name does not end in ".spt".
std::string NomeParametri(std::string_view progetto);

// The largest surcharge a job takes, kPa, either sign: far beyond any ground.
inline constexpr double SovraccaricoMassimo = 1e6;

// The file's text, CRLF line ends, with the surcharge q (kPa) when it is not 0; empty when every
// value is its default and q is 0.
std::string TestoParametri(const DatiLavoro& d, double sovraccarico = 0);

struct LetturaParametri {
    bool ok = false;
    std::string messaggio; // Italian, when !ok
    int riga = 0;          // the line it concerns, 0 for the file as a whole
    DatiLavoro dati;
    double sovraccarico = 0; // kPa; 0 when the file does not give it
};

// Reads the file's text (LF or CRLF, an optional UTF-8 BOM). An unknown or repeated key, a line
// without "=", or a value its parameter refuses makes the whole file refused.
LetturaParametri LeggiParametri(std::string_view testo);

// True when the calculation parameters differ from the defaults (the heading does not count).
bool ParametriDiProgetto(const DatiLavoro& d);

} // namespace spintaro
