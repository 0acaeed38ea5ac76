// SPDX-License-Identifier: GPL-3.0-or-later
// The coefficients of EN 1997-1 Annex C.2: closed forms, published chart values, the bounds and
// trends physics gives, and the range of the procedure.
#include "analisi/annesso_c.h"
#include "analisi/coefficienti.h"
#include "model/calcolo.h"

#include <cmath>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using enum StatoTerreno;

double k(bool attiva, double fi, double delta, double beta) {
    const auto c = CoefficientiAnnessoCDi(attiva, fi, delta, beta);
    EXPECT_TRUE(c.has_value()) << attiva << " " << fi << " " << delta << " " << beta;
    return c ? c->kGamma : NAN;
}

// Level ground. Passive: Lancellotta, R. (2002), Analytical solution of passive earth pressure,
// Géotechnique 52(8), 617–619: Kp = cos δ/(1 − sin φ)·[cos δ + √(sin²φ − sin²δ)]·e^(2θ·tan φ),
// 2θ = arcsin(sin δ / sin φ) + δ. Active, by hand from the same fan with φ, δ → −φ, −δ:
// Ka = cos δ/(1 + sin φ)·[cos δ − √(sin²φ − sin²δ)]·e^(−2θ·tan φ), 2θ = arcsin(sin δ/sin φ) − δ.
// δ = 0 gives (1 ± sin φ)/(1 ∓ sin φ) with Kc = 2√K, within (π − 3.14)/cos φ ≤ 0.23 % of the
// program's Rankine tan²(3.14/4 ± φ/2) up to φ = 45°.
TEST(AnnessoC, FormeChiuseERankine) {
    for (double fi = 1; fi <= 45; fi += 1)
        for (double rd : {0.0, 1 / 3.0, 0.5, 2 / 3.0, 1.0}) {
            const double s = std::sin(Radianti(fi)), t = std::tan(Radianti(fi));
            const double d = Radianti(fi * rd), cd = std::cos(d),
                         x = std::min(1.0, std::sin(d) / s);
            const double r = std::sqrt(std::max(0.0, s * s - std::sin(d) * std::sin(d)));
            const double kp = cd / (1 - s) * (cd + r) * std::exp((std::asin(x) + d) * t);
            const double ka = cd / (1 + s) * (cd - r) * std::exp(-(std::asin(x) - d) * t);
            EXPECT_NEAR(k(false, fi, fi * rd, 0) / kp, 1, 1e-4) << fi << " " << rd;
            EXPECT_NEAR(k(true, fi, fi * rd, 0) / ka, 1, 1e-4) << fi << " " << rd;
            for (bool a : {true, false}) {
                const auto c = CoefficientiAnnessoCDi(a, fi, 0, 0);
                const auto rk =
                    CoefficienteSpinta(a ? Attiva : Passiva, Teoria::Rankine, fi, 0, 0, 1);
                EXPECT_TRUE(std::abs(c->kc - 2 * std::sqrt(c->kn)) < 1e-9 &&
                            std::abs(c->kq / rk->k - 1) < 0.0025)
                    << fi;
            }
        }
}

// Caquot & Kérisel (1948) passive coefficients read from charts, as tabulated in B.G. Look,
// Handbook of Geotechnical Investigation and Design Tables, Taylor & Francis 2007, Table 19.13,
// vertical wall, 10 % (the precision of a chart reading). Kγ here against the table, level ground:
// φ 20°: +1.9 % (δ 0), +2.1 % (φ/3), −4.8 % (φ/2); φ 30°: −0.1, −2.9, −4.8 %;
// φ 40°: −0.1, −5.6, −7.1 %. Taking the table as the inclined thrust, its normal part Kp·cos δ
// differs by +2.8, −3.3 % (φ 20°), −1.4, −1.5 % (30°), −3.0, −1.1 % (40°). The slopes i = ∓15°
// fix the sign of β (ground rising away from the wall raises Kp): φ 30° −0.6 %, −4.8 %;
// φ 40° +3.6 %, +2.8 %. By hand with π = 3.14 (the angles act as 3.14/π of theirs: 30° → 29.985°,
// 20° → 19.990°): φ = δ = 30°, β = 0: Lancellotta cos²φ/(1 − sin φ)·e^((π/2 + φ)·tan φ) =
// 1.49977·e^(2.09413·0.57700) = 5.0209 (5.026 with the exact π). β = 20°, δ = φ = 30°:
// arccos(−sin β/sin φ) = 133.159°, m_t = 41.592°, m_w = −φ, ν = 91.567° = 1.59814 rad,
// Kn = 0.75023/(1 − 0.49977·sin 113.169°)·e^(2ν·tan φ) = 0.75023/0.54054·6.3233 = 8.7763,
// Kγ = Kn·cos²β = 8.7763·0.88314 = 7.7507.
TEST(AnnessoC, ValoriPubblicatiECalcoliAMano) {
    struct Caso {
        double fi, delta, beta, k, tolleranza;
    };
    const Caso casi[] = {
        {20, 0, 0, 2.0, 0.1},   {20, 20 / 3.0, 0, 2.3, 0.1}, {20, 10, 0, 2.6, 0.1},
        {30, 0, 0, 3.0, 0.1},   {30, 10, 0, 4.0, 0.1},       {30, 15, 0, 4.5, 0.1},
        {40, 0, 0, 4.6, 0.1},   {40, 40 / 3.0, 0, 7.5, 0.1}, {40, 20, 0, 9.0, 0.1},
        {30, 0, -15, 1.7, 0.1}, {30, 0, 15, 4.5, 0.1},       {40, 0, -15, 2.3, 0.1},
        {40, 0, 15, 7.2, 0.1},  {30, 30, 0, 5.0209, 1e-5},   {30, 30, 20, 7.7507, 1e-5},
    };
    for (const Caso& c : casi)
        EXPECT_NEAR(k(false, c.fi, c.delta, c.beta) / c.k, 1, c.tolleranza)
            << c.fi << " " << c.delta;
}

// Coulomb's plane surface is a kinematic bound: Annex C's Kp ≤ Coulomb's passive kh and its
// Ka ≥ Coulomb's active kh, on level ground by a few percent only (worked here: at most 6.8 %, at
// δ = φ = 45°). Kp grows and Ka falls with δ; both grow with β.
TEST(AnnessoC, ProprietaFisiche) {
    for (double fi = 15; fi <= 45; fi += 5)
        for (double beta = -fi; beta <= fi; beta += 5)
            for (double d = 0; d <= fi; d += fi / 4) {
                const double kp = k(false, fi, d, beta), ka = k(true, fi, d, beta);
                const auto cp = CoefficienteSpinta(Passiva, Teoria::Coulomb, fi, d, beta, 1);
                const auto ca = CoefficienteSpinta(Attiva, Teoria::Coulomb, fi, d, beta, 1);
                // With δ = β = 0 Coulomb is the program's tan²(3.14/4 ± φ/2), tested above.
                if (d != 0 || beta != 0) {
                    EXPECT_TRUE(!cp || kp <= cp->kh * (1 + 1e-12)) << fi << " " << d << " " << beta;
                    EXPECT_TRUE(!ca ||
                                (ka >= ca->kh * (1 - 1e-12) && (beta != 0 || ka <= 1.08 * ca->kh)))
                        << fi << " " << d << " " << beta;
                }
                EXPECT_TRUE(d == 0 || (kp > k(false, fi, d - fi / 4, beta) &&
                                       ka < k(true, fi, d - fi / 4, beta)));
                EXPECT_TRUE(beta == -fi ||
                            (kp > k(false, fi, d, beta - 5) && ka > k(true, fi, d, beta - 5)));
            }
}

// Outside the range: empty. φ′ = 0 is the undrained limit Kn = 1, Kc = 2, approached smoothly.
TEST(AnnessoC, CampoDiValidita) {
    const double fuori[][3] = {{0, 0, 5},   {30, 0, 31}, {30, 0, -31}, {30, 31, 0},
                               {30, -1, 0}, {90, 0, 0},  {-1, 0, 0},   {NAN, 0, 0}};
    for (const auto& f : fuori)
        for (bool a : {true, false})
            EXPECT_FALSE(CoefficientiAnnessoCDi(a, f[0], f[1], f[2])) << f[0] << " " << f[2];
    for (bool a : {true, false}) {
        const auto zero = CoefficientiAnnessoCDi(a, 0, 0, 0);
        const auto piccolo = CoefficientiAnnessoCDi(a, 1e-6, 0, 0);
        ASSERT_TRUE(zero && piccolo && CoefficientiAnnessoCDi(a, 30, 30, 30));
        EXPECT_TRUE(zero->kn == 1 && zero->kGamma == 1 && zero->kq == 1 && zero->kc == 2);
        EXPECT_NEAR(piccolo->kn, 1, 1e-6);
        EXPECT_NEAR(piccolo->kc, 2, 1e-6);
        // At the ends of the slope's range, β = ±φ′ (the ratio taken as exactly ∓1), the
        // coefficient is the limit of the inside: continuous, also for φ′ below 1°.
        for (const double fi : {0.5, 20.0, 35.0})
            for (const double s : {1.0, -1.0}) {
                const auto fine = CoefficientiAnnessoCDi(a, fi, 0, s * fi);
                const auto dentro = CoefficientiAnnessoCDi(a, fi, 0, s * fi * (1 - 1e-9));
                ASSERT_TRUE(fine && dentro) << fi;
                EXPECT_NEAR(fine->kGamma / dentro->kGamma, 1, 1e-3) << fi << " " << s;
            }
    }
}

} // namespace
} // namespace spintaro
