// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The batch calculator's command line: its options, its help and their reading.

#include "analisi/parametri.h"

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace spintaro::calcola {

inline constexpr const char* Programma = "spintaro-calcola";

enum class Formato { Tabella, Csv, Json };

struct Opzioni {
    std::optional<double> sovraccarico; // --sovraccarico, over the project's own
    Formato formato = Formato::Tabella;
    std::optional<char> separatoreCsv; // as given; ',' when not given
    std::optional<std::string> esporta;
    std::optional<std::string> relazione;
    std::vector<std::string> progetti;
    // The design parameters given, in order, applied over each project's parameter file.
    std::vector<std::pair<const VoceParametro*, std::string>> parametri;
    bool progetto = false; // a calculation parameter was given: design results asked for
};

struct Analisi {
    bool ok = true;
    bool fine = false; // --help or --version answered
    Opzioni opzioni;
};

// Reads the arguments: --help and --version answered on out, a usage error said on err with the
// usage line (ok false then).
Analisi analizza(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);

} // namespace spintaro::calcola
