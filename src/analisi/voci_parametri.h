// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the parts of the parameters table share: the range of a number and how a message says it,
// the comma lists, and the builders that make an entry of each kind from a short description, so
// that the window, the file, the options, --help and the messages take the range, the words and
// the default from one place. For the table's own files only.

#include "analisi/parametri.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace spintaro::voci {

using Esito = std::optional<std::string>;

// A text quoted for a message: «…».
std::string citato(std::string_view t);

// The range a number may take.
struct Intervallo {
    double minimo = 0, massimo = 0;
    bool minimoIncluso = true, massimoIncluso = true;
    [[nodiscard]] bool contiene(double v) const {
        return (minimoIncluso ? v >= minimo : v > minimo) &&
               (massimoIncluso ? v <= massimo : v < massimo);
    }
};

// The range in words, "almeno 0,5 e al massimo 5", "maggiore di -90° e minore di 90°", with the
// given decimal separator and the unit after each number.
std::string TestoIntervallo(const Intervallo& r, std::string_view unita,
                            std::string_view decimale = ",");

// Calls f on each part of a comma-separated list, in order; the first reason stops it.
Esito PerOgniParte(std::string_view testo, const std::function<Esito(std::string_view)>& f);

// A number into campo when it lies in r; else the reason, naming the parameter.
Esito numero(std::string_view testo, std::string_view nome, const Intervallo& r,
             std::string_view unita, double& campo);

// A choice among the words of a table: the index of the word; else the reason.
Esito scelta(std::string_view testo, std::string_view nome,
             std::span<const std::string_view> parole, std::string_view cosa, std::size_t& indice);

// A number of the calculation. The help line gets the range and the default.
struct DescrizioneNumero {
    std::string_view chiave{}, etichetta{}, unita{}, clausola{}, aiuto{};
    std::string_view nome{}; // in the messages, when not the key: "beta (β)"
    std::string_view forma = "N";
    Intervallo intervallo{};
    double& (*campo)(ParametriCalcolo&) = nullptr;
    std::string_view nota{}; // after the default in --help
    std::string_view parte{};
};
VoceParametro VoceNumero(const DescrizioneNumero& n);

// A choice among words, stored as an index by leggi and scrivi.
struct DescrizioneScelta {
    std::string_view chiave{}, etichetta{}, clausola{}, aiuto{};
    std::span<const std::string_view> parole{};
    std::string_view cosa{}; // "uno stato", in the message for a word not among them
    std::size_t (*leggi)(const ParametriCalcolo&) = nullptr;
    void (*scrivi)(ParametriCalcolo&, std::size_t) = nullptr;
    std::string_view parte{};
};
VoceParametro VoceScelta(const DescrizioneScelta& s);

// A comma list of words, each at most once: one flag per word.
struct DescrizioneElenco {
    std::string_view chiave{}, etichetta{}, clausola{}, aiuto{};
    std::span<const std::string_view> parole{};
    std::string_view cosa{}; // "una combinazione"
    std::span<bool> (*campo)(ParametriCalcolo&) = nullptr;
    std::string_view parte{};
};
VoceParametro VoceElenco(const DescrizioneElenco& e);

// A value per set (partial factors: A1, A2 or M1, M2) or per seismic limit state (SLV, SLD):
// "A1=1.3,A2=1.0", a set left out keeps its value. The help line gets the range and the default.
struct DescrizioneCoppia {
    std::string_view chiave{}, etichetta{}, clausola{}, aiuto{};
    std::array<std::string_view, 2> insiemi{};
    Intervallo intervallo{};
    std::string_view forma{}; // in --help, when not "A1=N,A2=N"
    // A factor: its member. A seismic value: its member of the seismic parameters, and one
    // number alone is taken for both states.
    Fattore ParametriCalcolo::*fattore = nullptr;
    PerStatoLimite ParametriSisma::*perStato = nullptr;
    std::string_view nota{}; // after the range in --help, instead of the default when given
    std::string_view parte{};
};
VoceParametro VoceCoppia(const DescrizioneCoppia& c);

// The seismic entries, in the order of the table: the action, the site, the calculation.
std::vector<VoceParametro> vociSismaAzione();
std::vector<VoceParametro> vociSismaSito();
std::vector<VoceParametro> vociSismaCalcolo();
// The loads on the backfill, their factor f and γG2.
std::vector<VoceParametro> vociCarichi();

} // namespace spintaro::voci
