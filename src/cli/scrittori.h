// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The batch calculator's writers: the table, CSV and JSON of a project, its layers and its design
// rows, and the warning of results left without a value.

#include "analisi/spinte_progetto.h"
#include "model/calcolo.h"
#include "model/modulo1.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace spintaro::calcola {

// How CSV is written: RFC 4180 with a period, or semicolons with a decimal comma (or the regional
// decimal separator) for spreadsheets set up for Italian.
struct FormaCsv {
    char campo = ',';
    std::string decimale = ".";

    std::string numero(double v) const;
    std::string numero(std::optional<double> v) const; // empty when absent
};

// Which groups of design columns the CSV carries: those that some project of the run has.
struct ColonneCsv {
    bool progetto = false, sisma = false, carichi = false;
};

// The CSV header: the layer columns, then the design, the seismic and the loads' ones when some
// project has them.
void scriviIntestazioneCsv(std::ostream& out, const FormaCsv& csv, const ColonneCsv& gruppi);
void scriviJson(std::ostream& out, const std::string& file, const Modulo1& m,
                const AnalisiSpinta& a, const RisultatoProgetto* progetto);
void scriviCsv(std::ostream& out, const std::string& file, const Modulo1& m, const AnalisiSpinta& a,
               const FormaCsv& f, const RisultatoProgetto* progetto, const ColonneCsv& gruppi);
void scriviTabella(std::ostream& out, const std::string& file, const Modulo1& m,
                   const AnalisiSpinta& a, std::string_view sep);
void scriviTabellaProgetto(std::ostream& out, const RisultatoProgetto& p,
                           const ParametriCalcolo& par, std::string_view sep);
void avvisaNonFiniti(std::ostream& err, const std::string& file, const AnalisiSpinta& a);

} // namespace spintaro::calcola
