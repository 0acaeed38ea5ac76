// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/coefficienti.h"

#include "analisi/annesso_c.h"
#include "model/calcolo.h"
#include "text/testi_numerici.h"

#include <cmath>
#include <numbers>

namespace spintaro {

namespace {

std::optional<Coefficiente> finito(Coefficiente c) {
    if (std::isfinite(c.k) && std::isfinite(c.kh) && c.k >= 0)
        return c;
    return std::nullopt;
}

// Rankine on a backfill sloping at β (Rankine 1857; e.g. Craig's Soil Mechanics, §11.2): the
// pressure is parallel to the surface. With β = 0 these are tan²(π/4 ∓ φ/2).
std::optional<Coefficiente> rankineInclinato(bool attiva, double fi, double beta,
                                             ConversioneAngoli a) {
    const double cb = std::cos(RadiantiCon(beta, a));
    const double cf = std::cos(RadiantiCon(fi, a));
    const double d = cb * cb - cf * cf;
    if (d < 0)
        return std::nullopt;
    const double r = std::sqrt(d);
    const double k = attiva ? cb * (cb - r) / (cb + r) : cb * (cb + r) / (cb - r);
    return finito({.k = k, .kh = k * cb, .inclinazione = beta});
}

// Coulomb (Müller-Breslau) for a vertical wall, wall friction δ, slope β:
//   Ka = cos²φ / (cos δ·[1 + √(sin(φ+δ)·sin(φ−β) / (cos δ·cos β))]²)
//   Kp = cos²φ / (cos δ·[1 − √(sin(φ+δ)·sin(φ+β) / (cos δ·cos β))]²)
// the coefficients of the thrust inclined at δ to the normal of the wall.
std::optional<Coefficiente> coulomb(bool attiva, double fi, double delta, double beta,
                                    ConversioneAngoli a) {
    const double f = RadiantiCon(fi, a), d = RadiantiCon(delta, a), b = RadiantiCon(beta, a);
    const double cf = std::cos(f), cd = std::cos(d);
    const double rapporto = std::sin(f + d) * std::sin(attiva ? f - b : f + b) / (cd * std::cos(b));
    if (rapporto < 0)
        return std::nullopt;
    const double radice = std::sqrt(rapporto);
    if (!attiva && radice >= 1)
        return std::nullopt;
    const double den = attiva ? 1 + radice : 1 - radice;
    const double k = cf * cf / (cd * den * den);
    return finito({.k = k, .kh = k * cd, .inclinazione = delta});
}

} // namespace

double Gradi(double radianti) {
    return radianti * 180.0 / PiGreco;
}

double AttritoDiProgetto(double fi, double gammaPhi, ConversioneAngoli a) {
    // Not a guard of arithmetic: arctan(tan φ′) in degrees is φ′ only to within its last bits.
    if (gammaPhi == 1.0)
        return fi;
    return GradiCon(std::atan(std::tan(RadiantiCon(fi, a)) / gammaPhi), a);
}

std::optional<Coefficiente> CoefficienteSpinta(StatoTerreno stato, Teoria teoria, double fi,
                                               double delta, double beta, double ocr,
                                               ConversioneAngoli a) {
    switch (stato) {
    case StatoTerreno::Riposo: {
        // EN 1997-1 §9.5.2 (9.1) and (9.2): K0 = (1 − sin φ′)·√OCR, times (1 + sin β) on a slope.
        const double k = (1 - std::sin(RadiantiCon(fi, a))) * std::sqrt(ocr) *
                         (beta == 0 ? 1.0 : 1 + std::sin(RadiantiCon(beta, a)));
        const auto kp =
            CoefficienteSpinta(StatoTerreno::Passiva, Teoria::Rankine, fi, 0, beta, 1, a);
        if (kp && k > kp->kh)
            return Coefficiente{.k = kp->kh, .kh = kp->kh, .limitato = true};
        return finito({.k = k, .kh = k});
    }
    case StatoTerreno::Attiva:
    case StatoTerreno::Passiva:
        break;
    }
    const bool attiva = stato == StatoTerreno::Attiva;
    if (teoria == Teoria::AnnessoC) {
        const auto c = CoefficientiAnnessoCDi(attiva, fi, delta, beta, a);
        if (!c)
            return std::nullopt;
        return finito({.k = c->kGamma, .kh = c->kGamma, .inclinazione = delta, .kc = c->kc});
    }
    // A smooth wall under a level backfill is Rankine's case in both theories. Coulomb's formula
    // reduces to tan²(45° ∓ φ/2) only with the exact π, so that case takes the layer rule below
    // and the two theories give the same number where physics says they agree.
    if (teoria == Teoria::Coulomb && (delta != 0 || beta != 0))
        return coulomb(attiva, fi, delta, beta, a);
    if (beta != 0)
        return rankineInclinato(attiva, fi, beta, a);
    if (a == ConversioneAngoli::PiEsatto) {
        const double t =
            std::tan(std::numbers::pi / 4 + (attiva ? -1 : 1) * RadiantiCon(fi, a) / 2);
        return finito({.k = t * t, .kh = t * t});
    }
    // The layer computation's own rule: tan²(3.14/4 ∓ φ/2).
    Strato s;
    s.AttritoInterno = fi;
    if (attiva) {
        const double ka = CalcolaKa(s).Ka;
        return finito({.k = ka, .kh = ka});
    }
    const double t = std::tan(PiGreco / 4.0 + Radianti(fi) / 2.0);
    return finito({.k = t * t, .kh = t * t});
}

std::optional<std::string> StratoImpossibile(const Strato& s, double gammaD) {
    if (!(s.AttritoInterno < 90))
        return "l'angolo di attrito φ′ = " + TestoParametro(s.AttritoInterno) +
               "° non è minore di 90°: nessun terreno ha un tale angolo e il coefficiente di "
               "spinta non è definito";
    if (s.Falda != 0 && !(gammaD > GammaAcqua))
        return "sotto falda il peso di volume di progetto γd = " + TestoParametro(gammaD) +
               " kN/m³ non supera quello dell'acqua, γw = 10 kN/m³: il peso immerso non è "
               "positivo e lo strato è fisicamente impossibile";
    return std::nullopt;
}

std::optional<std::string> AvvisoStratiImpossibili(const Modulo1& m) {
    std::vector<std::size_t> strati;
    for (int i = 1; i <= m.NumStrati && i <= UltimoRecord; ++i)
        if (StratoImpossibile(m.Strati(i), m.Strati(i).Gamma))
            strati.push_back(static_cast<std::size_t>(i));
    if (strati.empty())
        return std::nullopt;
    const std::string elenco = ElencoNumeri(strati);
    return (strati.size() == 1 ? "Lo strato " + elenco + " è fisicamente impossibile"
                               : "Gli strati " + elenco + " sono fisicamente impossibili") +
           " (sotto falda con γ non maggiore di γw = 10 kN/m³, o con φ′ di 90° o più): il "
           "calcolo degli strati li calcola come sono, le spinte di progetto li rifiutano.";
}

} // namespace spintaro
