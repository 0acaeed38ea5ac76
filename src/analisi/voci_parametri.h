// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the parts of the parameters table share: the reading of a number within its range, of a
// word among its table's, and the parts' entries themselves. For the table's own files only.

#include "analisi/parametri.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spintaro::voci {

using Esito = std::optional<std::string>;

// A text quoted for a message: «…».
std::string citato(std::string_view t);

// The range a number may take, and how the message says it.
struct Intervallo {
    double minimo, massimo;
    bool minimoIncluso, massimoIncluso;
    bool contiene(double v) const {
        return (minimoIncluso ? v >= minimo : v > minimo) &&
               (massimoIncluso ? v <= massimo : v < massimo);
    }
};

// A number of a parameter into campo when it lies in r; else the reason, naming the parameter.
Esito numero(std::string_view testo, std::string_view nome, Intervallo r, std::string_view regola,
             double& campo);

// A choice among the words of a table, stored as the index of the word.
template <typename E, std::size_t N>
Esito scelta(std::string_view testo, std::string_view nome, const std::string_view (&parole)[N],
             std::string_view cosa, E& campo) {
    for (std::size_t k = 0; k < N; ++k)
        if (testo == parole[k]) {
            campo = static_cast<E>(k);
            return std::nullopt;
        }
    std::string elenco;
    for (std::size_t k = 0; k < N; ++k)
        elenco += std::string(k == 0 ? "" : k + 1 == N ? " o " : ", ") + std::string(parole[k]);
    return std::string(nome) + ": " + citato(testo) + " non è " + std::string(cosa) + " (" +
           elenco + ")";
}

// The seismic entries, in the order of the table: the action, the site, the calculation.
std::vector<VoceParametro> vociSismaAzione();
std::vector<VoceParametro> vociSismaSito();
std::vector<VoceParametro> vociSismaCalcolo();

} // namespace spintaro::voci
