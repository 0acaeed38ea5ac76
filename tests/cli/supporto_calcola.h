// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the batch calculator's tests share: running it in process, reading a file's bytes, a
// temporary folder and matching a text against a pattern.

#include "cli/calcolatore.h"
#include "platform/pittore_relazione.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace spintaro::prova_cli {
namespace fs = std::filesystem;
inline const Separatori virgola{",", "."};
inline const Separatori punto{".", ","};
inline const std::string esempio = SPINTARO_EXAMPLES "/due_strati.spt";
inline const std::string dati = SPINTARO_TEST_DATA;
inline constexpr auto npos = std::string::npos;

struct Risultato {
    int codice = -1;
    std::string out, err;
};

// In process the report goes straight to the painter; the cases that run spintaro-calcola load
// its module.
inline Risultato esegui(const std::vector<std::string>& argomenti, const Separatori& sep = punto) {
    std::ostringstream out, err;
    const int codice = eseguiCalcola(argomenti, out, err, sep, scriviRelazioneSenzaFinestre);
    return {codice, out.str(), err.str()};
}

// A file's bytes, its name given as bytes.
inline std::string leggiByte(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    return f ? std::string(std::istreambuf_iterator<char>(f), {}) : "<assente>";
}

// A fresh folder, removed with everything in it at the end (names that are not UTF-8 too).
struct Temporanea {
    std::string percorso = (fs::temp_directory_path() / "calcola-XXXXXX").string();
    Temporanea() { EXPECT_NE(mkdtemp(percorso.data()), nullptr) << percorso; }
    ~Temporanea() { fs::remove_all(percorso); }
    std::string operator/(const std::string& nome) const { return percorso + "/" + nome; }
};

// Whether the text matches the pattern, where '|' stands for the CSV field separator, '.' for the
// decimal one, '*' for more digits and '~' for any text.
inline bool combacia(const std::string& testo, std::string modello, const char* separatori = ",.") {
    std::replace(modello.begin(), modello.end(), '.', separatori[1]);
    std::replace(modello.begin(), modello.end(), '|', separatori[0]);
    std::string re;
    for (const char c : modello)
        re += c == '*'                                       ? std::string("[0-9]*")
              : c == '~'                                     ? std::string("[\\s\\S]*")
              : std::strchr("\\^$.|?*+()[]{}", c) == nullptr ? std::string{c}
                                                             : std::string{'\\', c};
    return std::regex_match(testo, std::regex(re));
}

} // namespace spintaro::prova_cli
