// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/spinte_progetto.h"

#include "analisi/carichi_righe.h"
#include "analisi/sisma.h"
#include "model/calcolo.h"
#include "text/testi_numerici.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace spintaro {

namespace {

// The factors of one combination: the action set and the soil-parameter set it takes.
struct Fattori {
    double g1 = 1, q = 1, phi = 1, c = 1, gamma = 1;
    std::optional<double> r;
};

Fattori fattoriDi(Combinazione c, const ParametriCalcolo& p) {
    if (c == Combinazione::SLE)
        return {};
    const std::size_t j = c == Combinazione::A1M1 ? 0 : 1;
    Fattori f{p.gammaG1[j], p.gammaQ[j], p.gammaPhi[j], p.gammaC[j], p.gammaGamma[j], std::nullopt};
    if (p.stato == StatoTerreno::Passiva) {
        // A resistance: the actions are not factored, γR is shown beside the row.
        f.g1 = 1;
        f.q = 1;
        f.r = p.gammaR[j];
    }
    return f;
}

std::string nota(Combinazione c) {
    switch (c) {
    case Combinazione::SLE:
        return "valori caratteristici";
    case Combinazione::A1M1:
        return "Approccio 2 (NTC 2018 §6.5.3.1.1: verifiche dei muri di sostegno)";
    case Combinazione::A2M2:
        return "Approccio 1, combinazione 2: per le paratie (§6.5.3.1.2) e la stabilità "
               "globale; i muri si verificano con l'Approccio 2 (§6.5.3.1.1)";
    }
    return {};
}

// The design parameters of one layer in one combination, before any pressure.
struct Parametri {
    double phi = 0, c = 0, gamma = 0, delta = 0;
    bool coesioneUsata = false;
    Coefficiente k;
    double tanInclinazione = 0; // of the thrust to the horizontal
};

// What one pass (one value of the surcharge) gives for the whole profile.
struct Passo {
    std::vector<Pressioni> pressioni;         // per layer, horizontal, with u
    std::vector<std::optional<double>> inizi; // per layer in tension at its top: where its
                                              // triangle starts, m below the surface
    AnalisiSpinta analisi;
    double spintaVerticale = 0;
};

// The layers' pressures for the surcharge q, cut at the minimum pressure where it applies, and
// their shares of the thrust. Below the water table the soil cannot pull on the wall: the
// pressure that acts is u plus the effective part cut at zero, the minimum pressure with f = 0.
// A layer whose pressure crosses the minimum inside it is split at the crossing so that the
// shares follow the cut line exactly.
Passo passo(const Modulo1& m, const std::vector<Parametri>& par, const std::vector<Acqua>& acqua,
            double q, const ParametriCalcolo& p, Segmenti& buffer) {
    const double segno = p.stato == StatoTerreno::Attiva    ? -1.0
                         : p.stato == StatoTerreno::Passiva ? 1.0
                                                            : 0.0;
    Passo r;
    buffer.svuota(2 * par.size());
    r.pressioni.reserve(par.size());
    r.inizi.assign(par.size(), std::nullopt);
    double svSopra = q;
    double zBase = 0;
    for (std::size_t i = 0; i < par.size(); ++i) {
        const Strato& dato = m.Strati(static_cast<long long>(i) + 1);
        Strato s;
        s.Potenza = dato.Potenza;
        s.Falda = dato.Falda;
        s.AttritoInterno = par[i].phi;
        s.Gamma = par[i].gamma;
        s.Coesione = par[i].c;
        s.Ka = par[i].k.kh;
        s.Sv = s.Gamma * s.Potenza + svSopra;
        const Acqua u = acqua[i];
        Pressioni pr =
            PressioneLaterale(s, svSopra, u, par[i].k.kh, segno, p.coesioneSottoFalda, par[i].k.kc);
        const double f = p.pressioneMinima;
        zBase = zBase + s.Potenza;
        if (par[i].coesioneUsata && (f > 0 || s.Falda != 0)) {
            const Pressioni minimo{f * (svSopra - u.u1) + u.u1, f * (s.Sv - u.u2) + u.u2};
            const bool sottoAlto = pr.alto < minimo.alto, sottoBase = pr.base < minimo.base;
            if (sottoAlto != sottoBase) {
                // Where the two straight lines meet, as a fraction of the layer from its top.
                const double t =
                    (minimo.alto - pr.alto) / ((minimo.alto - pr.alto) - (minimo.base - pr.base));
                const double pz = pr.alto + t * (pr.base - pr.alto);
                Strato sopra = s, sotto = s;
                sopra.Potenza = s.Potenza * t;
                sotto.Potenza = s.Potenza - sopra.Potenza;
                sopra.Sa1 = sottoAlto ? minimo.alto : pr.alto;
                sopra.Sa2 = pz;
                sotto.Sa1 = pz;
                sotto.Sa2 = sottoBase ? minimo.base : pr.base;
                buffer.aggiungi(sopra, par[i].tanInclinazione);
                buffer.aggiungi(sotto, par[i].tanInclinazione);
            }
            const Pressioni taglio{std::max(pr.alto, minimo.alto), std::max(pr.base, minimo.base)};
            // The layer's own values keep the ends of its line where the cut is at u alone.
            if (f > 0)
                pr = taglio;
            if (sottoAlto == sottoBase) {
                s.Sa1 = taglio.alto;
                s.Sa2 = taglio.base;
                buffer.aggiungi(s, par[i].tanInclinazione);
            }
        } else {
            s.Sa1 = pr.alto;
            s.Sa2 = pr.base;
            buffer.aggiungi(s, par[i].tanInclinazione);
            if (pr.alto < 0 && pr.base > 0) // in tension at its top: where its triangle starts
                r.inizi[i] = InizioTrazione(s, zBase);
        }
        r.pressioni.push_back(pr);
        svSopra = s.Sv;
    }
    SommaSegmenti somma = SommaDiSegmenti(buffer);
    r.analisi = std::move(somma.analisi);
    r.spintaVerticale = somma.verticale;
    return r;
}

// E_d = γQ·E(q) + (γG1 − γQ)·E(0); γG1·E where the surcharge takes no part, E itself for factors 1.
double progetto(double conQ, double senzaQ, const Fattori& f) {
    if (f.g1 == f.q || conQ == senzaQ)
        return f.g1 * conQ; // x·1 is x, bit for bit
    return f.q * conQ + (f.g1 - f.q) * senzaQ;
}

std::string strato(std::size_t i, Combinazione c) {
    return "lo strato " + std::to_string(i + 1) + " nella combinazione " +
           std::string(NomeCombinazione(c));
}

// A slope steeper than the layer's design angle: no limit equilibrium gives a thrust.
std::optional<std::string> inclinazioneEccessiva(std::size_t i, Combinazione c, double beta,
                                                 double phi) {
    if (std::abs(beta) <= phi)
        return std::nullopt;
    return strato(i, c) + ": l'inclinazione del terrapieno β = " + TestoGradi(beta) +
           " supera l'angolo di attrito di progetto φ′d = " + TestoGradi(phi);
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
        if (auto e = inclinazioneEccessiva(i, c, p.beta, d.phi))
            return e;
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
                    const std::vector<Acqua>& acqua, const Passo& conQ, const Passo& senzaQ) {
    const auto valore = [&](auto prendi) {
        return progetto(prendi(conQ), prendi(senzaQ), f);
    };
    RigaProgetto r;
    r.nome = std::string(NomeCombinazione(c));
    r.combinazione = c;
    r.nota = nota(c);
    r.gammaG1 = f.g1;
    r.gammaQ = f.q;
    r.gammaPhi = f.phi;
    r.gammaC = f.c;
    r.gammaGamma = f.gamma;
    r.gammaR = f.r;
    r.spinta = valore([](const Passo& x) { return x.analisi.spinta; });
    r.spintaVerticale = valore([](const Passo& x) { return x.spintaVerticale; });
    r.spintaAcqua = valore([](const Passo& x) { return x.analisi.spintaAcqua; });
    r.momento = valore([](const Passo& x) { return x.analisi.momento; });
    if (r.spinta != 0.0 && std::isfinite(r.momento / r.spinta))
        r.braccio = r.momento / r.spinta;
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
            .sa1 = valore([i](const Passo& x) { return x.pressioni[i].alto; }),
            .sa2 = valore([i](const Passo& x) { return x.pressioni[i].base; }),
            .sv1 = valore(
                [&](const Passo& x) { return ComponenteVerticale(x.pressioni[i].alto, u.u1, t); }),
            .sv2 = valore(
                [&](const Passo& x) { return ComponenteVerticale(x.pressioni[i].base, u.u2, t); }),
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
        const Fattori f = fattoriDi(c, p);
        for (int i = 1; i <= n; ++i)
            if (auto e = inclinazioneEccessiva(
                    static_cast<std::size_t>(i - 1), c, p.beta,
                    AttritoDiProgetto(m.Strati(static_cast<long long>(i)).AttritoInterno, f.phi)))
                return e;
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
        std::optional<Passo> conQ, senzaQ;
    };
    std::optional<Comune> comune;
    Segmenti buffer;
    out.righe.reserve(NumeroCombinazioni + 2 * NumeroStatiLimite);
    for (std::size_t ci = 0; ci < NumeroCombinazioni; ++ci) {
        if (!p.combinazioni[ci])
            continue;
        const auto c = static_cast<Combinazione>(ci);
        const Fattori f = fattoriDi(c, p);
        if (!comune || comune->phi != f.phi || comune->c != f.c || comune->gamma != f.gamma) {
            comune = Comune{f.phi, f.c, f.gamma, std::vector<Parametri>(numero), {}, {}};
            if (auto e = parametriStrati(m, p, c, f, comune->par)) {
                out.messaggio = *e;
                return out;
            }
        }
        if (!comune->conQ)
            comune->conQ = passo(m, comune->par, acqua, q, p, buffer);
        // Without a surcharge S(q) is S(0): E_d = γG1·S.
        const bool unPasso = f.g1 == f.q || q == 0.0;
        if (!unPasso && !comune->senzaQ)
            comune->senzaQ = passo(m, comune->par, acqua, 0.0, p, buffer);
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
