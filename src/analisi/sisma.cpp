// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/sisma.h"

#include "analisi/combinazioni.h"
#include "analisi/passata.h"
#include "model/calcolo.h"
#include "text/testi_numerici.h"

#include <algorithm>
#include <cmath>

namespace spintaro {

double AmplificazioneStratigrafica(CategoriaSuolo suolo, double agG, double f0) {
    const double x = f0 * agG;
    switch (suolo) {
    case CategoriaSuolo::A:
        break;
    case CategoriaSuolo::B:
        return std::clamp(1.40 - 0.40 * x, 1.00, 1.20);
    case CategoriaSuolo::C:
        return std::clamp(1.70 - 0.60 * x, 1.00, 1.50);
    case CategoriaSuolo::D:
        return std::clamp(2.40 - 1.50 * x, 0.90, 1.80);
    case CategoriaSuolo::E:
        return std::clamp(2.00 - 1.10 * x, 1.00, 1.60);
    }
    return 1.0;
}

double AmplificazioneTopografica(CategoriaTopografica t) {
    constexpr double st[] = {1.0, 1.2, 1.2, 1.4};
    return st[static_cast<std::size_t>(t)];
}

double RiduzioneAccelerazione(StatoLimite s, bool vincolato) {
    if (vincolato)
        return 1.0;
    return s == StatoLimite::SLV ? 0.38 : 0.47;
}

AzioneSismica AzioneSismicaDi(const ParametriSisma& s, StatoLimite stato) {
    const auto k = static_cast<std::size_t>(stato);
    AzioneSismica a;
    if (s.kh[k]) {
        a.kh = *s.kh[k];
    } else {
        const double ag = s.ag[k].value_or(0.0);
        a.ss = AmplificazioneStratigrafica(s.suolo, ag, s.f0[k].value_or(0.0));
        a.st = AmplificazioneTopografica(s.topografia);
        a.amax = *a.ss * *a.st * ag;
        a.betaM = RiduzioneAccelerazione(stato, s.vincolato);
        a.kh = *a.betaM * *a.amax;
    }
    a.kv = s.kvKh * a.kh;
    return a;
}

namespace {

// The sines and cosines of a layer's angles, which do not change with θ: the rows of every limit
// state and kv sign take them once, and θ enters through tan θ alone.
struct Seni {
    double sf = 0, cf = 1, sd = 0, cd = 1, sb = 0, cb = 1;
};

Seni seni(double fi, double delta, double beta) {
    const double f = Radianti(fi), d = Radianti(delta), b = Radianti(beta);
    return {std::sin(f), std::cos(f), std::sin(d), std::cos(d), std::sin(b), std::cos(b)};
}

// E.2–E.4 for ψ = 90° written with sin θ and cos θ, the differences of angles expanded:
// cos(φ−θ) = cos φ·cos θ + sin φ·sin θ, cos(θ+δ) = cos θ·cos δ − sin θ·sin δ,
// sin(φ∓β−θ) = sin(φ∓β)·cos θ − cos(φ∓β)·sin θ. fi, beta and theta in degrees decide the branch.
std::optional<Coefficiente> mononobeOkabe(bool attiva, const Seni& a, double fi, double delta,
                                          double beta, double theta, double st, double ct) {
    const double cft = a.cf * ct + a.sf * st; // cos(φ − θ)
    const double num = cft * cft;
    double k = 0;
    if (attiva) {
        if (fi - theta < 0)
            return std::nullopt;
        const double ctd = ct * a.cd - st * a.sd; // cos(θ + δ)
        const double base = ct * ctd;
        if (beta <= fi - theta) {
            const double sfd = a.sf * a.cd + a.cf * a.sd; // sin(φ + δ)
            const double sfb = a.sf * a.cb - a.cf * a.sb; // sin(φ − β)
            const double cfb = a.cf * a.cb + a.sf * a.sb; // cos(φ − β)
            const double r = sfd * (sfb * ct - cfb * st) / (ctd * a.cb);
            const double den = 1 + std::sqrt(std::max(0.0, r));
            k = num / (base * den * den);
        } else {
            k = num / base;
        }
    } else {
        if (fi + beta - theta < 0)
            return std::nullopt;
        const double sfb = a.sf * a.cb + a.cf * a.sb; // sin(φ + β)
        const double cfb = a.cf * a.cb - a.sf * a.sb; // cos(φ + β)
        const double r = a.sf * (sfb * ct - cfb * st) / (a.cb * ct);
        const double radice = std::sqrt(std::max(0.0, r));
        if (radice >= 1)
            return std::nullopt;
        k = num / (ct * ct * (1 - radice) * (1 - radice));
    }
    const Coefficiente c{.k = k, .kh = attiva ? k * a.cd : k, .inclinazione = attiva ? delta : 0.0};
    if (!std::isfinite(c.k) || !std::isfinite(c.kh) || c.k < 0)
        return std::nullopt;
    return c;
}

} // namespace

std::optional<Coefficiente> CoefficienteMononobeOkabe(bool attiva, double fi, double delta,
                                                      double beta, double theta) {
    const double t = Radianti(theta);
    return mononobeOkabe(attiva, seni(fi, attiva ? delta : 0.0, beta), fi, delta, beta, theta,
                         std::sin(t), std::cos(t));
}

namespace {

// A layer's M1 parameters, the same in every seismic row.
struct Terreno {
    double phi = 0, gamma = 0, delta = 0;
    Seni seni;
    double tanDelta = 0;
};

// The segments handed to the shares, the layers as the pass takes them, the pass and the
// layers' tan θ: one buffer for every row.
struct Buffer {
    Segmenti segmenti;
    std::vector<StratoPassata> strati;
    Passata passata;
    std::vector<double> tangenti; // tan θ of each layer in the row being computed
};

// What one value of (kh, kv, s) gives for the whole profile.
struct Calcolo {
    std::vector<StratoProgetto> strati;
    double spinta = 0, acqua = 0, momento = 0, verticale = 0;
    double spintaIdro = 0, momentoIdro = 0; // hydrodynamic pressure of E.7 (in the sums above)
    std::optional<double> braccio;
    std::vector<std::size_t> e3; // the layers (from 1) whose K_AE comes from E.3
};

// The hydrodynamic pressure of free water over each run of submerged layers, Westergaard's
// p(z) = 7/8·kh·γw·√(H′·z), z from the run's top, H′ the run's height: its integral over the run
// is 7/12·kh·γw·H′² (EN 1998-5 E.7), 0.4·H′ above the run's base.
struct Westergaard {
    double hRun = 0, zRun = 0, baseRun = 0; // the run: height, depth inside it, depth of its base

    // Layer i (0-based), submerged, its top at zTetto in a profile altezza high: its share of the
    // pressure into the sums of out and into its pressures d.
    void strato(const Modulo1& m, std::size_t i, double kh, double zTetto, double altezza,
                StratoProgetto& d, Calcolo& out) {
        const auto n = static_cast<std::size_t>(m.NumStrati);
        if (i == 0 || m.Strati(static_cast<long long>(i)).Falda == 0) {
            hRun = 0;
            for (std::size_t j = i; j < n && m.Strati(static_cast<long long>(j) + 1).Falda != 0;
                 ++j)
                hRun += m.Strati(static_cast<long long>(j) + 1).Potenza;
            baseRun = zTetto + hRun;
        }
        const double a = zRun, b = zRun + m.Strati(static_cast<long long>(i) + 1).Potenza;
        const double c = 7.0 / 8.0 * kh * GammaAcqua * std::sqrt(hRun);
        const double ra = std::sqrt(a), rb = std::sqrt(b);
        const double a15 = a * ra, b15 = b * rb; // z^1.5
        const double area = c * 2.0 / 3.0 * (b15 - a15);
        const double sopraBase =
            c * (hRun * 2.0 / 3.0 * (b15 - a15) - 2.0 / 5.0 * (b * b15 - a * a15));
        out.spintaIdro += area;
        out.momentoIdro += sopraBase + area * (altezza - baseRun);
        d.sa1 += c * ra; // p(z) = 7/8·kh·γw·√(H′·z)
        d.sa2 += c * rb;
        zRun = b;
    }
};

// θ and the coefficient of layer i (0-based) in the row of kh and (1 + s·kv) = fattore: from a
// soil met just above with the same tan θ, or computed. The reason, to follow the layer's name,
// when the layer lies outside the method's range.
std::optional<std::string> coefficienteStrato(const Modulo1& m, const ParametriCalcolo& p,
                                              const std::vector<Terreno>& terreni, std::size_t i,
                                              double kh, double fattore, Buffer& buffer,
                                              const Calcolo& out, double& theta, Coefficiente& k) {
    const ParametriSisma& ps = p.sisma;
    const bool attiva = p.stato == StatoTerreno::Attiva;
    const Terreno& t = terreni[i];
    const bool sommerso = m.Strati(static_cast<long long>(i) + 1).Falda != 0;
    double rapporto = 1.0; // of tan θ to kh/(1 + s·kv)
    if (sommerso && kh > 0) {
        // γ > γw here: a layer without a positive effective weight is refused before.
        const double immerso = t.gamma - GammaAcqua;
        rapporto = (ps.acquaPermeabile ? t.gamma - ps.porosita * GammaAcqua : t.gamma) / immerso;
    }
    const double tanTheta = rapporto * kh / fattore;
    // A soil met just above (profiles repeat their soils) with the same tan θ has its θ and
    // coefficient already: the same inputs give the same numbers.
    const std::size_t prima = i < 4 ? 0 : i - 4;
    std::size_t noto = i;
    for (std::size_t j = i; j-- > prima && noto == i;)
        if (terreni[j].phi == t.phi && terreni[j].delta == t.delta &&
            buffer.tangenti[j] == tanTheta &&
            (m.Strati(static_cast<long long>(j) + 1).Falda != 0) == sommerso)
            noto = j;
    buffer.tangenti[i] = tanTheta;
    std::optional<Coefficiente> c;
    if (noto != i) {
        theta = *out.strati[noto].theta;
        c = out.strati[noto].k;
    } else {
        theta = kh == 0 ? 0.0 : Gradi(std::atan(tanTheta));
        if (sommerso && theta > 45)
            return ": sotto falda θ = " + TestoGradi(theta) +
                   " supera 45°, fuori dal campo di Mononobe-Okabe (EN 1998-5 E.6, E.7)";
        if (theta == 0) {
            c = CoefficienteSpinta(p.stato, Teoria::Coulomb, t.phi, attiva ? t.delta : 0.0, p.beta,
                                   1);
        } else {
            const double ct = 1 / std::sqrt(1 + tanTheta * tanTheta);
            c = mononobeOkabe(attiva, t.seni, t.phi, t.delta, p.beta, theta, tanTheta * ct, ct);
        }
    }
    if (!c) {
        if (attiva && t.phi - theta < 0)
            return ": φ′d − β − θ = " + TestoGradi(t.phi - p.beta - theta) +
                   " è fuori dal campo di Mononobe-Okabe: θ = " + TestoGradi(theta) +
                   " supera φ′d = " + TestoGradi(t.phi) +
                   " e il terrapieno non è stabile sotto l'azione sismica";
        return ": il coefficiente di Mononobe-Okabe non ha un valore finito con φ′d = " +
               TestoGradi(t.phi) + ", β = " + TestoGradi(p.beta) + " e θ = " + TestoGradi(theta);
    }
    k = *c;
    return std::nullopt;
}

std::optional<std::string> calcola(const Modulo1& m, const ParametriCalcolo& p,
                                   const std::vector<Terreno>& terreni,
                                   const std::vector<Acqua>& acqua, double kh, double kv, int segno,
                                   const std::string& riga, Buffer& buffer, Calcolo& out) {
    const ParametriSisma& ps = p.sisma;
    const bool attiva = p.stato == StatoTerreno::Attiva;
    const double fattore = 1.0 + segno * kv; // on the weight, the surcharge and in tan θ
    const std::size_t n = terreni.size();
    std::vector<StratoPassata>& strati = buffer.strati;
    strati.assign(n, {});
    buffer.tangenti.resize(n);
    out.strati.assign(n, {});
    for (std::size_t i = 0; i < n; ++i) {
        const Terreno& t = terreni[i];
        double theta = 0;
        Coefficiente k;
        if (auto e = coefficienteStrato(m, p, terreni, i, kh, fattore, buffer, out, theta, k))
            return "lo strato " + std::to_string(i + 1) + " " + riga + *e;
        // Active, the slope beyond φ′d − θ: the root of E.2 is left out (E.3).
        if (attiva && theta > 0 && p.beta > t.phi - theta)
            out.e3.push_back(i + 1);
        const double inclinazione = k.inclinazione == 0 ? 0.0
                                    : attiva            ? t.tanDelta
                                                        : std::tan(Radianti(k.inclinazione));
        strati[i].phi = t.phi;
        strati[i].gamma = t.gamma;
        strati[i].k = k.kh * fattore;
        strati[i].tanInclinazione = inclinazione;
        StratoProgetto& d = out.strati[i];
        d.phiD = t.phi;
        d.gammaD = t.gamma;
        d.delta = k.inclinazione;
        d.k = k;
        d.theta = theta;
    }
    // c′ is not used: the sign on it only keeps the sign of a zero as the layers' pressures had it.
    const Passata& passata = buffer.passata;
    Passa(m, strati, acqua, m.Strati(0).Sv, {.segno = attiva ? -1.0 : 1.0}, buffer.segmenti,
          buffer.passata);
    const double altezza = AltezzaProfilo(m, n);
    double zTetto = 0; // depth of the layer's top
    Westergaard idro;
    for (std::size_t i = 0; i < n; ++i) {
        StratoProgetto& d = out.strati[i];
        const Pressioni& pr = passata.pressioni[i];
        d.sa1 = pr.alto;
        d.sa2 = pr.base;
        d.sv1 = ComponenteVerticale(pr.alto, acqua[i].u1, strati[i].tanInclinazione);
        d.sv2 = ComponenteVerticale(pr.base, acqua[i].u2, strati[i].tanInclinazione);
        d.u1 = acqua[i].u1;
        d.u2 = acqua[i].u2;
        if (m.Strati(static_cast<long long>(i) + 1).Falda != 0 && ps.acquaPermeabile && kh > 0)
            idro.strato(m, i, kh, zTetto, altezza, d, out);
        else
            idro.zRun = 0;
        zTetto += m.Strati(static_cast<long long>(i) + 1).Potenza;
    }
    const AnalisiSpinta& a = passata.analisi;
    out.verticale = passata.spintaVerticale;
    out.spinta = a.spinta + out.spintaIdro;
    out.acqua = a.spintaAcqua + out.spintaIdro;
    out.momento = a.momento + out.momentoIdro;
    out.braccio = a.braccio;
    return std::nullopt;
}

// The avviso of a row whose layers take E.3: a jump of K_AE against a θ just smaller.
std::string avvisoE3(const std::string& nome, int segno, const std::vector<std::size_t>& strati) {
    const bool uno = strati.size() == 1;
    return "Nella riga " + nome + " (" + std::string(VersoKv(segno)) + ") " +
           (uno ? "lo strato " : "gli strati ") + ElencoNumeri(strati) + (uno ? " ha" : " hanno") +
           " β > φ′d − θ: K_AE segue EN 1998-5 (E.3) invece di (E.2), con un salto rispetto a "
           "un θ appena minore.";
}

} // namespace

std::optional<std::string> AggiungiRigheSismiche(const Modulo1& m, const ParametriCalcolo& p,
                                                 std::vector<RigaProgetto>& righe) {
    if (!SismaRichiesto(p.sisma))
        return std::nullopt;
    const int n = m.NumStrati;
    const auto numero = static_cast<std::size_t>(n);
    const bool attiva = p.stato == StatoTerreno::Attiva;
    // M1 parameters (NTC 2018 §7.11.6.2.2), wall friction as the static calculation takes it.
    std::vector<Terreno> terreni(numero);
    const std::vector<Acqua> acqua = PressioniAcqua(m, n);
    for (std::size_t i = 0; i < numero; ++i) {
        const Strato& s = m.Strati(static_cast<long long>(i) + 1);
        Terreno& t = terreni[i];
        t.phi = AttritoDiProgetto(s.AttritoInterno, p.gammaPhi[0]);
        t.gamma = s.Gamma / p.gammaGamma[0];
        if (auto e = StratoImpossibile(s, t.gamma))
            return "lo strato " + std::to_string(i + 1) + " nella combinazione sismica: " + *e;
        t.delta = p.teoria == Teoria::Rankine ? 0.0 : p.deltaPhi * t.phi;
        t.seni = seni(t.phi, attiva ? t.delta : 0.0, p.beta);
        t.tanDelta = t.seni.sd / t.seni.cd;
        if (auto e = InclinazioneEccessiva(p.beta, t.phi))
            return "lo strato " + std::to_string(i + 1) + " nella combinazione sismica" + *e;
    }
    const double altezza = AltezzaProfilo(m, numero);
    Buffer buffer;
    Calcolo statico;
    if (auto e = calcola(m, p, terreni, acqua, 0, 0, 1, "senza sisma", buffer, statico))
        return e;
    for (std::size_t k = 0; k < NumeroStatiLimite; ++k) {
        if (!p.sisma.stati[k])
            continue;
        const auto stato = static_cast<StatoLimite>(k);
        const std::string nome(NomeStatoLimite(stato));
        const AzioneSismica az = AzioneSismicaDi(p.sisma, stato);
        if (!(az.kh < 1))
            return "allo " + nome + " kh = " + TestoParametro(std::round(az.kh * 1e4) / 1e4) +
                   " non è minore di 1: fuori dal campo del metodo pseudostatico";
        for (const int segno : {1, -1}) {
            const std::string riga =
                "allo " + nome + " con kv verso " + (segno > 0 ? "il basso" : "l'alto");
            Calcolo c;
            if (auto e = calcola(m, p, terreni, acqua, az.kh, az.kv, segno, riga, buffer, c))
                return e;
            RigaProgetto r;
            r.nome = nome;
            r.combinazione = Combinazione::SLE;
            r.nota = "azione sismica " + nome + " (NTC 2018 §7.11.6), kv verso " +
                     (segno > 0 ? "il basso" : "l'alto") +
                     "; azioni con coefficiente 1, parametri M1 (§7.11.6.2.2)";
            r.gammaPhi = p.gammaPhi[0];
            r.gammaC = p.gammaC[0];
            r.gammaGamma = p.gammaGamma[0];
            DatiSismici d;
            d.stato = stato;
            d.kvSegno = segno;
            d.kh = az.kh;
            d.kv = az.kv;
            d.ss = az.ss;
            d.st = az.st;
            d.amax = az.amax;
            d.betaM = az.betaM;
            d.spintaStatica = statico.spinta;
            d.incremento = c.spinta - statico.spinta;
            // The increment of the earth pressure acts where the static thrust does for a wall
            // free to translate or rotate about its toe, at mid-height otherwise (NTC 2018
            // §7.11.6.2.1); the hydrodynamic pressure at its own centroid.
            const double incrementoTerra = (c.spinta - c.spintaIdro) - statico.spinta;
            const double braccioTerra =
                p.sisma.vincolato || !statico.braccio ? altezza / 2 : *statico.braccio;
            const double momentoIncremento = incrementoTerra * braccioTerra + c.momentoIdro;
            d.braccioIncremento = Braccio(momentoIncremento, d.incremento);
            r.spinta = c.spinta;
            r.spintaVerticale = c.verticale;
            r.spintaAcqua = c.acqua;
            r.momento = statico.momento + momentoIncremento;
            r.braccio = Braccio(r.momento, r.spinta);
            r.strati = std::move(c.strati);
            r.sisma = d;
            if (!c.e3.empty())
                r.avvisi.push_back(avvisoE3(nome, segno, c.e3));
            if (!RigaFinita(r))
                return "allo " + nome +
                       " un risultato non è un numero finito: i valori degli strati sono troppo "
                       "grandi";
            righe.push_back(std::move(r));
        }
    }
    return std::nullopt;
}

} // namespace spintaro
