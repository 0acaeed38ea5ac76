// SPDX-License-Identifier: GPL-3.0-or-later
// The seismic entries of the parameters table (NTC 2018 §3.2 and §7.11.6, EN 1998-5 Annex E).
#include "analisi/voci_parametri.h"

namespace spintaro::voci {

namespace {

constexpr std::string_view StatiLimite[] = {"SLV", "SLD"};
constexpr std::string_view Suoli[] = {"A", "B", "C", "D", "E"};
constexpr std::string_view Topografie[] = {"T1", "T2", "T3", "T4"};
constexpr std::string_view Muri[] = {"libero", "vincolato"};
constexpr std::string_view Acque[] = {"impermeabile", "permeabile"};

} // namespace

std::vector<VoceParametro> vociSismaAzione() {
    return {
        VoceCoppia({.chiave = "kh",
                    .etichetta = "Coefficiente sismico orizzontale kh",
                    .clausola = "NTC 2018 §7.11.6.2.1 (dato direttamente)",
                    .aiuto = "coefficiente sismico orizzontale, uno per tutti gli stati limite di "
                             "--stati-limite o SLV=K,SLD=K",
                    .insiemi = {"SLV", "SLD"},
                    .intervallo = {0, 1, true, false},
                    .forma = "K|SLV=K,SLD=K",
                    .perStato = &ParametriSisma::kh,
                    .nota = "esclude --ag; predefinito: nessuna azione sismica",
                    .parte = "Sisma"}),
        VoceNumero({.chiave = "kv-kh",
                    .etichetta = "Rapporto kv/kh",
                    .clausola = "NTC 2018 §7.11.6.2.1: kv = ±0.5·kh",
                    .aiuto = "coefficiente sismico verticale come frazione di kh",
                    .forma = "R",
                    .intervallo = {0, 1, true, true},
                    .campo = [](ParametriCalcolo& p) -> double& { return p.sisma.kvKh; },
                    .parte = "Sisma"}),
        VoceCoppia({.chiave = "ag",
                    .etichetta = "Accelerazione orizzontale massima ag/g",
                    .clausola = "NTC 2018 §3.2, pericolosità sismica del sito",
                    .aiuto = "ag/g del sito per stato limite, SLV=G,SLD=G",
                    .insiemi = {"SLV", "SLD"},
                    .intervallo = {0, 1, true, false},
                    .forma = "SLV=G,SLD=G",
                    .perStato = &ParametriSisma::ag,
                    .nota = "esclude --kh",
                    .parte = "Sisma"}),
        VoceCoppia({.chiave = "f0",
                    .etichetta = "Fattore di amplificazione spettrale F0",
                    .clausola = "NTC 2018 §3.2, pericolosità sismica del sito",
                    .aiuto = "F0 del sito per stato limite, SLV=F,SLD=F",
                    .insiemi = {"SLV", "SLD"},
                    .intervallo = {0, 10, false, true},
                    .forma = "SLV=F,SLD=F",
                    .perStato = &ParametriSisma::f0,
                    .nota = "serve per le categorie di sottosuolo B-E",
                    .parte = "Sisma"}),
    };
}

std::vector<VoceParametro> vociSismaSito() {
    return {
        VoceScelta(
            {.chiave = "suolo",
             .etichetta = "Categoria di sottosuolo",
             .clausola = "NTC 2018 Tab. 3.2.II; Ss di Tab. 3.2.IV",
             .aiuto = "categoria di sottosuolo A, B, C, D o E (predefinita A)",
             .parole = Suoli,
             .cosa = "una categoria di sottosuolo",
             .leggi =
                 [](const ParametriCalcolo& p) { return static_cast<std::size_t>(p.sisma.suolo); },
             .scrivi = [](ParametriCalcolo& p,
                          std::size_t k) { p.sisma.suolo = static_cast<CategoriaSuolo>(k); },
             .parte = "Sisma"}),
        VoceScelta({.chiave = "topografia",
                    .etichetta = "Categoria topografica",
                    .clausola = "NTC 2018 Tab. 3.2.III; St di Tab. 3.2.V",
                    .aiuto = "categoria topografica T1, T2, T3 o T4 (predefinita T1)",
                    .parole = Topografie,
                    .cosa = "una categoria topografica",
                    .leggi =
                        [](const ParametriCalcolo& p) {
                            return static_cast<std::size_t>(p.sisma.topografia);
                        },
                    .scrivi =
                        [](ParametriCalcolo& p, std::size_t k) {
                            p.sisma.topografia = static_cast<CategoriaTopografica>(k);
                        },
                    .parte = "Sisma"}),
        VoceScelta(
            {.chiave = "muro",
             .etichetta = "Spostamenti del muro",
             .clausola = "NTC 2018 §7.11.6.2.1: βm di Tab. 7.11.II, oppure βm = 1",
             .aiuto = "muro libero di spostarsi rispetto al terreno (predefinito; βm 0.38 "
                      "SLV, 0.47 SLD) o vincolato (βm = 1, incremento a metà altezza)",
             .parole = Muri,
             .cosa = "un tipo di muro",
             .leggi = [](const ParametriCalcolo& p) -> std::size_t {
                 return p.sisma.vincolato ? 1 : 0;
             },
             .scrivi = [](ParametriCalcolo& p, std::size_t k) { p.sisma.vincolato = k == 1; },
             .parte = "Sisma"}),
    };
}

std::vector<VoceParametro> vociSismaCalcolo() {
    return {
        VoceElenco({.chiave = "stati-limite",
                    .etichetta = "Stati limite sismici",
                    .clausola = "NTC 2018 §3.2.1 e §7.11.6",
                    .aiuto = "stati limite da calcolare, separati da virgole: SLV, SLD "
                             "(predefinito SLV)",
                    .parole = StatiLimite,
                    .cosa = "uno stato limite sismico",
                    .campo = [](ParametriCalcolo& p) { return std::span<bool>(p.sisma.stati); },
                    .parte = "Sisma"}),
        VoceScelta(
            {.chiave = "acqua-sisma",
             .etichetta = "Acqua nel terreno sotto sisma",
             .clausola = "EN 1998-5 Annesso E, E.6 (impermeabile) o E.7 (permeabile)",
             .aiuto = "terreno sotto falda impermeabile (predefinito: l'acqua si muove con "
                      "il terreno) o permeabile (acqua libera, con la pressione "
                      "idrodinamica)",
             .parole = Acque,
             .cosa = "un comportamento dell'acqua",
             .leggi = [](const ParametriCalcolo& p) -> std::size_t {
                 return p.sisma.acquaPermeabile ? 1 : 0;
             },
             .scrivi = [](ParametriCalcolo& p, std::size_t k) { p.sisma.acquaPermeabile = k == 1; },
             .parte = "Sisma"}),
        VoceNumero({.chiave = "porosita",
                    .etichetta = "Porosità n del terreno sotto falda",
                    .clausola = "EN 1998-5 E.7: γd = γ − n·γw",
                    .aiuto = "porosita' del terreno sotto falda per il peso secco con "
                             "--acqua-sisma permeabile",
                    .intervallo = {0, 1, true, false},
                    .campo = [](ParametriCalcolo& p) -> double& { return p.sisma.porosita; },
                    .nota = "con 0 gamma secco = gamma, a favore di sicurezza",
                    .parte = "Sisma"}),
    };
}

} // namespace spintaro::voci
