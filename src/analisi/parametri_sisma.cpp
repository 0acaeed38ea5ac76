// SPDX-License-Identifier: GPL-3.0-or-later
// The seismic entries of the parameters table (NTC 2018 §3.2 and §7.11.6, EN 1998-5 Annex E).
#include "analisi/voci_parametri.h"

#include <array>

namespace spintaro::voci {

namespace {

// The seismic values per limit state: "SLV=0.25,SLD=0.10", or one number for both. A state left
// out keeps its value.
constexpr std::string_view StatiLimite[] = {"SLV", "SLD"};

Esito perStato(std::string_view testo, std::string_view nome, Intervallo r, std::string_view regola,
               PerStatoLimite& campo) {
    PerStatoLimite nuovo = campo;
    const std::string forma = " (forma: SLV=N,SLD=N oppure un numero per entrambi)";
    if (testo.empty())
        return std::string(nome) + ": valore vuoto" + forma;
    if (testo.find('=') == std::string_view::npos) {
        double v = 0;
        if (auto e = numero(testo, nome, r, regola, v))
            return e;
        campo = {v, v};
        return std::nullopt;
    }
    std::array<bool, NumeroStatiLimite> visto{};
    std::string_view resto = testo;
    while (true) {
        const auto virgola = resto.find(',');
        const std::string_view voce = resto.substr(0, virgola);
        const auto uguale = voce.find('=');
        if (uguale == std::string_view::npos)
            return std::string(nome) + ": " + citato(voce) + " non indica lo stato limite" + forma;
        const std::string_view chiave = voce.substr(0, uguale);
        const std::size_t k = chiave == StatiLimite[0] ? 0 : chiave == StatiLimite[1] ? 1 : 2;
        if (k == 2)
            return std::string(nome) + ": lo stato limite " + citato(chiave) +
                   " non esiste (SLV oppure SLD)";
        if (visto[k])
            return std::string(nome) + ": lo stato limite " + std::string(chiave) +
                   " è dato due volte";
        visto[k] = true;
        double v = 0;
        if (auto e = numero(voce.substr(uguale + 1), std::string(nome) + " " + std::string(chiave),
                            r, regola, v))
            return e;
        nuovo[k] = v;
        if (virgola == std::string_view::npos)
            break;
        resto.remove_prefix(virgola + 1);
    }
    campo = nuovo;
    return std::nullopt;
}

std::string testoPerStato(const PerStatoLimite& v) {
    if (v[0] && v[1] && *v[0] == *v[1])
        return TestoParametro(*v[0]);
    std::string t;
    for (std::size_t k = 0; k < NumeroStatiLimite; ++k)
        if (v[k])
            t += (t.empty() ? "" : ",") + std::string(StatiLimite[k]) + "=" + TestoParametro(*v[k]);
    return t;
}

constexpr std::string_view Suoli[] = {"A", "B", "C", "D", "E"};
constexpr std::string_view Topografie[] = {"T1", "T2", "T3", "T4"};
constexpr std::string_view Muri[] = {"libero", "vincolato"};
constexpr std::string_view Acque[] = {"impermeabile", "permeabile"};

} // namespace

std::vector<VoceParametro> vociSismaAzione() {
    using T = TipoParametro;
    return {
        {"kh",
         "Coefficiente sismico orizzontale kh",
         "",
         "NTC 2018 §7.11.6.2.1 (dato direttamente)",
         "coefficiente sismico orizzontale, uno per tutti gli stati limite di --stati-limite o "
         "SLV=K,SLD=K (0 <= kh < 1; esclude --ag; predefinito: nessuna azione sismica)",
         "K|SLV=K,SLD=K",
         T::PerInsieme,
         {"SLV", "SLD"},
         true,
         [](const DatiLavoro& d) { return testoPerStato(d.parametri.sisma.kh); },
         [](DatiLavoro& d, std::string_view t) {
             return perStato(t, "kh", {0, 1, true, false}, "deve essere almeno 0 e minore di 1",
                             d.parametri.sisma.kh);
         },
         "Sisma"},
        {"kv-kh",
         "Rapporto kv/kh",
         "",
         "NTC 2018 §7.11.6.2.1: kv = ±0.5·kh",
         "coefficiente sismico verticale come frazione di kh (0..1, predefinito 0.5)",
         "R",
         T::Numero,
         {},
         true,
         [](const DatiLavoro& d) { return TestoParametro(d.parametri.sisma.kvKh); },
         [](DatiLavoro& d, std::string_view t) {
             return numero(t, "kv-kh", {0, 1, true, true}, "deve essere compreso tra 0 e 1",
                           d.parametri.sisma.kvKh);
         },
         "Sisma"},
        {"ag",
         "Accelerazione orizzontale massima ag/g",
         "", // a ratio: no unit
         "NTC 2018 §3.2, pericolosità sismica del sito",
         "ag/g del sito per stato limite, SLV=G,SLD=G (0 <= ag/g < 1; esclude --kh)",
         "SLV=G,SLD=G",
         T::PerInsieme,
         {"SLV", "SLD"},
         true,
         [](const DatiLavoro& d) { return testoPerStato(d.parametri.sisma.ag); },
         [](DatiLavoro& d, std::string_view t) {
             return perStato(t, "ag", {0, 1, true, false},
                             "ag/g deve essere almeno 0 e minore di 1", d.parametri.sisma.ag);
         },
         "Sisma"},
        {"f0",
         "Fattore di amplificazione spettrale F0",
         "",
         "NTC 2018 §3.2, pericolosità sismica del sito",
         "F0 del sito per stato limite, SLV=F,SLD=F (maggiore di 0, al massimo 10; serve per le "
         "categorie di sottosuolo B-E)",
         "SLV=F,SLD=F",
         T::PerInsieme,
         {"SLV", "SLD"},
         true,
         [](const DatiLavoro& d) { return testoPerStato(d.parametri.sisma.f0); },
         [](DatiLavoro& d, std::string_view t) {
             return perStato(t, "f0", {0, 10, false, true},
                             "deve essere maggiore di 0 e al massimo 10", d.parametri.sisma.f0);
         },
         "Sisma"},
    };
}

std::vector<VoceParametro> vociSismaSito() {
    using T = TipoParametro;
    return {
        {"suolo",
         "Categoria di sottosuolo",
         "",
         "NTC 2018 Tab. 3.2.II; Ss di Tab. 3.2.IV",
         "categoria di sottosuolo A, B, C, D o E (predefinita A)",
         "A..E",
         T::Scelta,
         {"A", "B", "C", "D", "E"},
         true,
         [](const DatiLavoro& d) {
             return std::string(Suoli[static_cast<std::size_t>(d.parametri.sisma.suolo)]);
         },
         [](DatiLavoro& d, std::string_view t) {
             return scelta(t, "suolo", Suoli, "una categoria di sottosuolo",
                           d.parametri.sisma.suolo);
         },
         "Sisma"},
        {"topografia",
         "Categoria topografica",
         "",
         "NTC 2018 Tab. 3.2.III; St di Tab. 3.2.V",
         "categoria topografica T1, T2, T3 o T4 (predefinita T1)",
         "T1..T4",
         T::Scelta,
         {"T1", "T2", "T3", "T4"},
         true,
         [](const DatiLavoro& d) {
             return std::string(Topografie[static_cast<std::size_t>(d.parametri.sisma.topografia)]);
         },
         [](DatiLavoro& d, std::string_view t) {
             return scelta(t, "topografia", Topografie, "una categoria topografica",
                           d.parametri.sisma.topografia);
         },
         "Sisma"},
        {"muro",
         "Spostamenti del muro",
         "",
         "NTC 2018 §7.11.6.2.1: βm di Tab. 7.11.II, oppure βm = 1",
         "muro libero di spostarsi rispetto al terreno (predefinito; βm 0.38 SLV, 0.47 SLD) o "
         "vincolato (βm = 1, incremento a metà altezza)",
         "libero|vincolato",
         T::Scelta,
         {"libero", "vincolato"},
         true,
         [](const DatiLavoro& d) { return std::string(Muri[d.parametri.sisma.vincolato ? 1 : 0]); },
         [](DatiLavoro& d, std::string_view t) {
             std::size_t k = 0;
             if (auto e = scelta(t, "muro", Muri, "un tipo di muro", k))
                 return e;
             d.parametri.sisma.vincolato = k == 1;
             return Esito{};
         },
         "Sisma"},
    };
}

std::vector<VoceParametro> vociSismaCalcolo() {
    using T = TipoParametro;
    return {
        {"stati-limite",
         "Stati limite sismici",
         "",
         "NTC 2018 §3.2.1 e §7.11.6",
         "stati limite da calcolare, separati da virgole: SLV, SLD (predefinito SLV)",
         "LISTA",
         T::Elenco,
         {"SLV", "SLD"},
         true,
         [](const DatiLavoro& d) {
             std::string s;
             for (std::size_t k = 0; k < NumeroStatiLimite; ++k)
                 if (d.parametri.sisma.stati[k])
                     s += (s.empty() ? "" : ",") + std::string(StatiLimite[k]);
             return s;
         },
         [](DatiLavoro& d, std::string_view t) -> Esito {
             std::array<bool, NumeroStatiLimite> scelti{};
             std::string_view resto = t;
             while (true) {
                 const auto virgola = resto.find(',');
                 const std::string_view parola = resto.substr(0, virgola);
                 std::size_t k = 0;
                 if (scelta(parola, "", StatiLimite, "", k))
                     return "stati-limite: " + citato(parola) +
                            " non è uno stato limite sismico (SLV, SLD)";
                 scelti[k] = true;
                 if (virgola == std::string_view::npos)
                     break;
                 resto.remove_prefix(virgola + 1);
             }
             d.parametri.sisma.stati = scelti;
             return std::nullopt;
         },
         "Sisma"},
        {"acqua-sisma",
         "Acqua nel terreno sotto sisma",
         "",
         "EN 1998-5 Annesso E, E.6 (impermeabile) o E.7 (permeabile)",
         "terreno sotto falda impermeabile (predefinito: l'acqua si muove con il terreno) o "
         "permeabile (acqua libera, con la pressione idrodinamica)",
         "impermeabile|permeabile",
         T::Scelta,
         {"impermeabile", "permeabile"},
         true,
         [](const DatiLavoro& d) {
             return std::string(Acque[d.parametri.sisma.acquaPermeabile ? 1 : 0]);
         },
         [](DatiLavoro& d, std::string_view t) {
             std::size_t k = 0;
             if (auto e = scelta(t, "acqua-sisma", Acque, "un comportamento dell'acqua", k))
                 return e;
             d.parametri.sisma.acquaPermeabile = k == 1;
             return Esito{};
         },
         "Sisma"},
        {"porosita",
         "Porosità n del terreno sotto falda",
         "",
         "EN 1998-5 E.7: γd = γ − n·γw",
         "porosita' del terreno sotto falda per il peso secco con --acqua-sisma permeabile "
         "(0 <= n < 1, predefinito 0: gamma secco = gamma, a favore di sicurezza)",
         "N",
         T::Numero,
         {},
         true,
         [](const DatiLavoro& d) { return TestoParametro(d.parametri.sisma.porosita); },
         [](DatiLavoro& d, std::string_view t) {
             return numero(t, "porosita", {0, 1, true, false}, "deve essere almeno 0 e minore di 1",
                           d.parametri.sisma.porosita);
         },
         "Sisma"},
    };
}
} // namespace spintaro::voci
