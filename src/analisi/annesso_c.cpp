// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/annesso_c.h"

#include "model/calcolo.h"

#include <algorithm>
#include <cmath>

namespace spintaro {

namespace {

// arccos of a ratio the range checks already hold within [−1, 1]: only rounding can push it past
// an end, by an ulp, and that is all the clamp takes away.
double arccos(double rapporto) {
    return std::acos(std::clamp(rapporto, -1.0, 1.0));
}

} // namespace

// EN 1997-1:2004 Annex C.2, written for the passive case with the wall inclination θ:
//   m_t = ½·[arccos(−sin β / sin φ′) − φ′ − β]
//   m_w = ½·[arccos(sin δ / sin φ′) − φ′ − δ]
//   ν   = m_t + β − m_w − θ
//   Kn  = [1 + sin φ′·sin(2m_w + φ′)] / [1 − sin φ′·sin(2m_t + φ′)] · exp(2ν·tan φ′)
//   Kq  = Kn·cos²β,  Kγ = Kn·cos β·cos(β − θ),  Kc = (Kn − 1)·cot φ′
// and for the active case the same with the signs of φ′ and δ changed. With δ = β = 0 this gives
// (1 ± sin φ′)/(1 ∓ sin φ′) and Kc = 2√Kn, Rankine's values; with β = 0 the passive Kn is
// Lancellotta's closed form (Géotechnique 52(8), 2002). Kc = (Kn − 1)·cot φ′ is Caquot's theorem
// of corresponding states: c′ acts as an all-round pressure c′·cot φ′ (the wall adhesion taken
// as c′·tan δ / tan φ′); with the active sign change it is (1 − Kn)·cot φ′, subtracted.
std::optional<CoefficientiAnnessoC> CoefficientiAnnessoCDi(bool attiva, double fi, double delta,
                                                           double beta, ConversioneAngoli a) {
    if (!std::isfinite(fi) || !std::isfinite(delta) || !std::isfinite(beta))
        return std::nullopt;
    if (fi < 0 || fi >= 90 || delta < 0 || delta > fi || std::abs(beta) > fi)
        return std::nullopt;
    if (fi == 0) {
        // Here δ = β = 0 too. Kn = (1 ± sin φ′)/(1 ∓ sin φ′) → 1 and
        // Kc = (Kn − 1)·cot φ′ = ±2 sin φ′/(1 ∓ sin φ′) · cos φ′/(±sin φ′) = 2 cos φ′/(1 ∓ sin φ′)
        // → 2 as φ′ → 0: the undrained pressure σv ∓ 2c.
        return CoefficientiAnnessoC{1, 1, 2, 1};
    }
    const double theta = 0; // vertical wall
    const double segno = attiva ? -1.0 : 1.0;
    const double f = segno * RadiantiCon(fi, a);
    const double d = segno * RadiantiCon(delta, a);
    const double b = RadiantiCon(beta, a);
    const double sf = std::sin(f);
    // The ratios are exactly ±1 at the ends of the range (δ = φ′, β = ±φ′), not 1 ± an ulp.
    const double rw = delta == fi ? 1.0 : std::sin(d) / sf;
    const double rt = std::abs(beta) == fi ? (beta > 0 ? -segno : segno) : -std::sin(b) / sf;
    const double mt = 0.5 * (arccos(rt) - f - b);
    const double mw = 0.5 * (arccos(rw) - f - d);
    const double nu = mt + b - mw - theta;
    const double kn = (1 + sf * std::sin(2 * mw + f)) / (1 - sf * std::sin(2 * mt + f)) *
                      std::exp(2 * nu * std::tan(f));
    const CoefficientiAnnessoC c{kn * std::cos(b) * std::cos(b - theta),
                                 kn * std::cos(b) * std::cos(b), (kn - 1) / std::tan(f), kn};
    if (!std::isfinite(c.kGamma) || !std::isfinite(c.kq) || !std::isfinite(c.kc) ||
        !std::isfinite(c.kn))
        return std::nullopt;
    return c;
}

} // namespace spintaro
