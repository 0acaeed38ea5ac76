// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the parameters' values, what the parameters say together, and the text form of a
// number of a parameter.
#include "analisi/parametri.h"
#include "model/errore.h"
#include "text/testi_numerici.h"

#include <charconv>
#include <cmath>

namespace spintaro {

std::string_view ParolaTeoria(Teoria t) {
    switch (t) {
    case Teoria::Rankine:
        return "rankine";
    case Teoria::Coulomb:
        return "coulomb";
    case Teoria::AnnessoC:
        return "annesso-c";
    }
    return {};
}

std::string_view NomeTeoria(Teoria t) {
    switch (t) {
    case Teoria::Rankine:
        return "Rankine";
    case Teoria::Coulomb:
        return "Coulomb (Müller-Breslau)";
    case Teoria::AnnessoC:
        return "EN 1997-1 Annesso C";
    }
    return {};
}

std::string_view NomeCombinazione(Combinazione c) {
    constexpr std::string_view nomi[] = {"SLE", "A1+M1", "A2+M2"};
    return nomi[static_cast<std::size_t>(c)];
}

std::string_view NomeStatoLimite(StatoLimite s) {
    return s == StatoLimite::SLV ? "SLV" : "SLD";
}

bool SismaRichiesto(const ParametriSisma& s) {
    for (std::size_t k = 0; k < NumeroStatiLimite; ++k)
        if (s.kh[k] || s.ag[k])
            return true;
    return false;
}

namespace {

std::optional<std::string> controllaSisma(const ParametriCalcolo& p) {
    const ParametriSisma& s = p.sisma;
    if (!SismaRichiesto(s)) {
        if (s != ParametriSisma{})
            return "parametri sismici senza azione: dare kh (coefficienti sismici) oppure ag "
                   "(parametri del sito) per almeno uno stato limite";
        return std::nullopt;
    }
    const bool diretto = s.kh[0] || s.kh[1];
    if (diretto && (s.ag[0] || s.ag[1]))
        return "kh e ag si escludono: dare i coefficienti sismici (kh) oppure i parametri del "
               "sito (ag, F0), non entrambi";
    if (p.stato == StatoTerreno::Riposo)
        return "l'azione sismica (Mononobe-Okabe) si calcola per la spinta attiva o la "
               "resistenza passiva, non per lo stato a riposo";
    for (std::size_t k = 0; k < NumeroStatiLimite; ++k) {
        if (!s.stati[k])
            continue;
        const std::string stato(NomeStatoLimite(static_cast<StatoLimite>(k)));
        if (diretto && !s.kh[k])
            return "stato limite " + stato + ": manca kh (forma: " + stato + "=0.1)";
        if (!diretto && !s.ag[k])
            return "stato limite " + stato + ": manca ag/g del sito (forma: " + stato + "=0.25)";
        if (!diretto && !s.f0[k] && s.suolo != CategoriaSuolo::A)
            return "stato limite " + stato +
                   ": manca F0 del sito, che serve a Ss della "
                   "categoria di sottosuolo " +
                   std::string(1, static_cast<char>('A' + static_cast<int>(s.suolo))) +
                   " (forma: " + stato + "=2.5)";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ControllaParametri(const ParametriCalcolo& p) {
    bool una = false;
    for (bool c : p.combinazioni)
        una = una || c;
    if (!una)
        return "nessuna combinazione da calcolare: sceglierne almeno una (sle, a1m1, a2m2)";
    if (p.teoria == Teoria::Rankine && p.deltaPhi != 0)
        return "l'attrito terra-muro δ/φ′ = " + TestoParametro(p.deltaPhi) +
               " vale solo con la teoria di Coulomb o dell'Annesso C: con Rankine il muro è liscio";
    // The plane failure surface overestimates the passive resistance as δ grows (EN 1997-1
    // Annex C; Caquot and Kérisel): Coulomb is kept where it stays close to curved surfaces.
    if (p.stato == StatoTerreno::Passiva && p.teoria == Teoria::Coulomb && p.deltaPhi > 1.0 / 3.0)
        return "resistenza passiva con la teoria di Coulomb e δ/φ′ = " +
               TestoParametro(p.deltaPhi) +
               ": la superficie di rottura piana sovrastima Kp, a sfavore di sicurezza, quando "
               "δ/φ′ supera 1/3; usare δ/φ′ fino a 1/3 oppure la teoria annesso-c (EN 1997-1 "
               "Annesso C, superfici di rottura curve)";
    if (p.pressioneMinima != 0 && p.stato != StatoTerreno::Attiva)
        return "la pressione minima negli strati coesivi vale solo per la spinta attiva";
    if (auto e = ControllaCarichi(p.carichi, p.fattoreCarichi))
        return e;
    if (!p.carichi.empty() && p.stato == StatoTerreno::Passiva)
        return "Carico 1 (" + std::string(ParolaTipoCarico(p.carichi.front().tipo)) +
               "): un carico sul terrapieno non è ammesso con la resistenza passiva, che non è "
               "un'azione ma una resistenza";
    return controllaSisma(p);
}

std::string DescrizioneCalcolo(const ParametriCalcolo& p, std::string_view decimale, bool tutto) {
    auto n = [&](double v) {
        return TestoParametro(v, decimale);
    };
    const char* stati[] = {"spinta attiva", "spinta a riposo", "resistenza passiva"};
    std::string t = std::string(stati[static_cast<int>(p.stato)]) +
                    ", teoria: " + std::string(NomeTeoria(p.teoria));
    if (p.teoria != Teoria::Rankine)
        t += ", δ/φ′ = " + n(p.deltaPhi);
    if (p.beta != 0 || tutto)
        t += ", β = " + n(p.beta) + "°";
    if (p.stato == StatoTerreno::Riposo && p.ocr != 1)
        t += ", OCR = " + n(p.ocr);
    if (p.coesioneSottoFalda)
        t += ", coesione conservata sotto falda";
    if (p.pressioneMinima != 0)
        t += ", σa ≥ " + n(p.pressioneMinima) + "·σ′v";
    return t;
}

} // namespace spintaro
