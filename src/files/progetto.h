// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

// The project file: the five input fields of records 0..NumStrati, one value per line in the
// print form with a period, every line ending in CR LF.

// The file's bytes. Walks with IndiceStrato as cursor (left at NumStrati + 1).
std::string ScriviProgetto(Modulo1& m);

// What a project file holds: the input fields of its records, in order.
struct LetturaProgetto {
    bool ok = false;
    std::vector<Strato> record; // only the input fields are set
    std::string messaggio;      // Italian, when !ok
    int riga = 0;               // line of the failure (1-based), 0 when it concerns no line
};

// Reads every record of a project file. Values end at a space, a comma or a line end; a value
// that is not a number reads as 0; the water-table flag is rounded to a whole number.
// Fails, with a message and the line, for an empty file, a file that ends inside a record, more
// than 51 records, or a value too large to hold.
LetturaProgetto LeggiProgetto(std::string_view testo);

// The outcome of opening a project.
struct EsitoApertura {
    bool ok = false;
    std::string messaggio;
    int riga = 0;
};

// Open: reads the file, then replaces the input fields of records 0..n, sets NumStrati = n,
// recomputes layers 1..n from the surcharge in effect, or from sovraccarico when given (the
// job's own, from its parameter file), and sets IndiceStrato = 0. On any failure the job in
// memory is left exactly as it was.
EsitoApertura ApriProgetto(Modulo1& m, std::string_view testo,
                           std::optional<double> sovraccarico = std::nullopt);

} // namespace spintaro
