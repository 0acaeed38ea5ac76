// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/spinte_progetto.h"

#include "analisi/carichi_righe.h"
#include "analisi/combinazioni.h"
#include "analisi/passata.h"
#include "analisi/sisma.h"
#include "model/calcolo.h"
#include "text/testi_numerici.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace spintaro {

namespace {

// The design parameters of one layer in one combination, before any pressure.
struct Parametri {
    double phi = 0, c = 0, gamma = 0, delta = 0;
    bool coesioneUsata = false;
    Coefficiente k;
    double tanInclinazione = 0; // of the thrust to the horizontal
};

// The layers as the pass takes them, from their design parameters.
std::vector<StratoPassata> stratiPassata(const std::vector<Parametri>& par) {
    std::vector<StratoPassata> v;
    v.reserve(par.size());
    for (const Parametri& d : par)
        v.push_back({.phi = d.phi,
                     .gamma = d.gamma,
                     .c = d.c,
                     .coesioneUsata = d.coesioneUsata,
                     .k = d.k.kh,
                     .kc = d.k.kc,
                     .tanInclinazione = d.tanInclinazione});
    return v;
}

RegolePassata regoleDi(const ParametriCalcolo& p) {
    return {.segno = p.stato == StatoTerreno::Attiva    ? -1.0
                     : p.stato == StatoTerreno::Passiva ? 1.0
                                                        : 0.0,
            .pressioneMinima = p.pressioneMinima,
            .coesioneSottoFalda = p.coesioneSottoFalda};
}

std::string strato(std::size_t i, Combinazione c) {
    return "lo strato " + std::to_string(i + 1) + " nella combinazione " +
           std::string(NomeCombinazione(c));
}

// The design parameters of layers 1..par.size() for the factors f of combination c: an Italian
// reason naming the layer and the combination when one cannot be used.
std::optional<std::string> parametriStrati(const Modulo1& m, const ParametriCalcolo& p,
                                           Combinazione c, const Fattori& f,
                                           std::vector<Parametri>& par) {
    for (std::size_t i = 0; i < par.size(); ++i) {
        const Strato& s = m.Strati(static_cast<long long>(i) + 1);
        Parametri& d = par[i];
        d.c = s.Coesione / f.c;
        d.gamma = s.Gamma / f.gamma;
        if (auto e = StratoImpossibile(s, d.gamma))
            return strato(i, c) + ": " + *e;
        d.coesioneUsata = d.c > 0 && (s.Falda == 0 || p.coesioneSottoFalda);
        // A soil met just above (profiles repeat their soils) has its angle's results already:
        // the same inputs give the same numbers.
        const std::size_t prima = i < 4 ? 0 : i - 4;
        bool noto = false;
        for (std::size_t j = i; j-- > prima && !noto;)
            if (m.Strati(static_cast<long long>(j) + 1).AttritoInterno == s.AttritoInterno) {
                d.phi = par[j].phi;
                d.delta = par[j].delta;
                d.k = par[j].k;
                d.tanInclinazione = par[j].tanInclinazione;
                noto = true;
            }
        if (noto)
            continue;
        d.phi = AttritoDiProgetto(s.AttritoInterno, f.phi);
        d.delta = p.teoria == Teoria::Rankine ? 0.0 : p.deltaPhi * d.phi;
        if (auto e = InclinazioneEccessiva(p.beta, d.phi))
            return strato(i, c) + *e;
        const auto k = CoefficienteSpinta(p.stato, p.teoria, d.phi, d.delta, p.beta, p.ocr);
        if (!k)
            return strato(i, c) + ": il coefficiente di spinta non ha un valore finito con φ′d = " +
                   TestoGradi(d.phi) + ", δ = " + TestoGradi(d.delta) +
                   " e β = " + TestoGradi(p.beta);
        d.k = *k;
        d.tanInclinazione = k->inclinazione == 0 ? 0.0 : std::tan(Radianti(k->inclinazione));
    }
    return std::nullopt;
}

// The row of combination c from its two passes, with and without the surcharge.
RigaProgetto rigaDi(Combinazione c, const Fattori& f, const std::vector<Parametri>& par,
                    const std::vector<Acqua>& acqua, const Passata& conQ, const Passata& senzaQ) {
    const auto valore = [&](auto prendi) {
        return ValoreDiProgetto(prendi(conQ), prendi(senzaQ), f);
    };
    RigaProgetto r;
    r.nome = std::string(NomeCombinazione(c));
    r.combinazione = c;
    r.nota = NotaCombinazione(c);
    r.gammaG1 = f.g1;
    r.gammaQ = f.q;
    r.gammaPhi = f.phi;
    r.gammaC = f.c;
    r.gammaGamma = f.gamma;
    r.gammaR = f.r;
    r.spinta = valore([](const Passata& x) { return x.analisi.spinta; });
    r.spintaVerticale = valore([](const Passata& x) { return x.spintaVerticale; });
    r.spintaAcqua = valore([](const Passata& x) { return x.analisi.spintaAcqua; });
    r.momento = valore([](const Passata& x) { return x.analisi.momento; });
    r.braccio = Braccio(r.momento, r.spinta);
    r.strati.reserve(par.size());
    for (std::size_t i = 0; i < par.size(); ++i) {
        const double t = par[i].tanInclinazione;
        const Acqua& u = acqua[i];
        // Every field given: the layer is written once, not zeroed first.
        r.strati.push_back({
            .phiD = par[i].phi,
            .cD = par[i].coesioneUsata ? par[i].c : 0.0,
            .gammaD = par[i].gamma,
            .delta = par[i].delta,
            .k = par[i].k,
            .sa1 = valore([i](const Passata& x) { return x.pressioni[i].alto; }),
            .sa2 = valore([i](const Passata& x) { return x.pressioni[i].base; }),
            .sv1 = valore([&](const Passata& x) {
                return ComponenteVerticale(x.pressioni[i].alto, u.u1, t);
            }),
            .sv2 = valore([&](const Passata& x) {
                return ComponenteVerticale(x.pressioni[i].base, u.u2, t);
            }),
            .u1 = f.g1 * u.u1,
            .u2 = f.g1 * u.u2,
            .theta = std::nullopt,
            .inizioTrazione = conQ.inizi[i],
            .pc1 = std::nullopt,
            .pc2 = std::nullopt,
        });
    }
    return r;
}

// What the rows should be read with: the layers whose K0 was cut at the passive limit, and the
// seismic rows whose static part is not the SLE row's theory.
void avvisi(const ParametriCalcolo& p, RisultatoProgetto& out) {
    std::set<std::size_t> limitati;
    for (const RigaProgetto& r : out.righe)
        for (std::size_t i = 0; i < r.strati.size(); ++i)
            if (r.strati[i].k.limitato)
                limitati.insert(i + 1);
    if (!limitati.empty()) {
        out.avvisi.push_back(
            std::string(limitati.size() == 1 ? "Nello strato " : "Negli strati ") +
            ElencoNumeri({limitati.begin(), limitati.end()}) +
            " il coefficiente a riposo K0·(1 + sin β) = (1 − sin φ′d)·√OCR·(1 + sin β) supera il "
            "coefficiente passivo di Rankine Kp·cos β dello stesso φ′d e β, la pressione massima "
            "che il terreno può sostenere: è preso pari a questo limite.");
    }
    if (SismaRichiesto(p.sisma) && p.teoria == Teoria::Rankine && p.beta != 0)
        out.avvisi.emplace_back(
            "Le righe sismiche usano Mononobe-Okabe, che estende Coulomb con δ = 0: con il "
            "terrapieno inclinato la loro spinta statica (θ = 0) è quella di Coulomb e non "
            "coincide con la riga SLE, calcolata con la formula di Rankine per il pendio.");
    if (SismaRichiesto(p.sisma) && p.teoria == Teoria::AnnessoC)
        out.avvisi.emplace_back(
            "Le righe sismiche usano Mononobe-Okabe (EN 1998-5 Annesso E), che estende Coulomb: "
            "la loro spinta statica (θ = 0) è quella di Coulomb e non coincide con la riga SLE, "
            "calcolata con le superfici di rottura curve dell'Annesso C di EN 1997-1.");
}

} // namespace

std::optional<std::string> ControllaInclinazione(const Modulo1& m, const ParametriCalcolo& p) {
    const int n = std::clamp(static_cast<int>(m.NumStrati), 0, static_cast<int>(UltimoRecord));
    for (std::size_t ci = 0; ci < NumeroCombinazioni; ++ci) {
        if (!p.combinazioni[ci])
            continue;
        const auto c = static_cast<Combinazione>(ci);
        const Fattori f = FattoriDi(c, p);
        for (int i = 1; i <= n; ++i)
            if (auto e = InclinazioneEccessiva(
                    p.beta,
                    AttritoDiProgetto(m.Strati(static_cast<long long>(i)).AttritoInterno, f.phi)))
                return strato(static_cast<std::size_t>(i - 1), c) + *e;
    }
    return std::nullopt;
}

RisultatoProgetto CalcolaSpinteProgetto(const Modulo1& m, const ParametriCalcolo& p) {
    RisultatoProgetto out;
    if (auto e = ControllaParametri(p)) {
        out.messaggio = *e;
        return out;
    }
    const int n = m.NumStrati;
    if (n < 1 || n > UltimoRecord) {
        out.messaggio = "non ci sono strati da calcolare";
        return out;
    }
    const auto numero = static_cast<std::size_t>(n);
    const std::vector<Acqua> acqua = PressioniAcqua(m, n);
    const double q = m.Strati(0).Sv;

    // Combinations with the same soil factors (SLE and A1+M1 with M1) share the layers' design
    // parameters and the passes already made: only the action factors differ.
    struct Comune {
        double phi = 0, c = 0, gamma = 0;
        std::vector<Parametri> par;
        std::vector<StratoPassata> strati;
        std::optional<Passata> conQ, senzaQ;
    };
    std::optional<Comune> comune;
    Segmenti buffer;
    out.righe.reserve(NumeroCombinazioni + 2 * NumeroStatiLimite);
    for (std::size_t ci = 0; ci < NumeroCombinazioni; ++ci) {
        if (!p.combinazioni[ci])
            continue;
        const auto c = static_cast<Combinazione>(ci);
        const Fattori f = FattoriDi(c, p);
        if (!comune || comune->phi != f.phi || comune->c != f.c || comune->gamma != f.gamma) {
            comune = Comune{f.phi, f.c, f.gamma, std::vector<Parametri>(numero), {}, {}, {}};
            if (auto e = parametriStrati(m, p, c, f, comune->par)) {
                out.messaggio = *e;
                return out;
            }
            comune->strati = stratiPassata(comune->par);
        }
        if (!comune->conQ)
            Passa(m, comune->strati, acqua, q, regoleDi(p), buffer, comune->conQ.emplace());
        // Without a surcharge S(q) is S(0): E_d = γG1·S.
        const bool unPasso = f.g1 == f.q || q == 0.0;
        if (!unPasso && !comune->senzaQ)
            Passa(m, comune->strati, acqua, 0.0, regoleDi(p), buffer, comune->senzaQ.emplace());
        RigaProgetto r = rigaDi(c, f, comune->par, acqua, *comune->conQ,
                                unPasso ? *comune->conQ : *comune->senzaQ);
        if (!RigaFinita(r)) {
            out.messaggio = "nella combinazione " + r.nome +
                            " un risultato non è un numero finito: i valori degli strati "
                            "sono troppo grandi";
            return out;
        }
        out.righe.push_back(std::move(r));
    }
    avvisi(p, out);
    if (auto e = AggiungiRigheSismiche(m, p, out.righe)) {
        out.messaggio = *e;
        out.righe.clear();
        return out;
    }
    if (auto e = AggiungiCarichi(m, p, out)) {
        out.messaggio = *e;
        out.righe.clear();
        return out;
    }
    SegnaGovernanti(out.righe, p.stato);
    for (const RigaProgetto& r : out.righe)
        out.avvisi.insert(out.avvisi.end(), r.avvisi.begin(), r.avvisi.end());
    out.ok = true;
    return out;
}

} // namespace spintaro
