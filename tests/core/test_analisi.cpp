// SPDX-License-Identifier: GPL-3.0-or-later
// Where the thrust acts and how much of it is water: hand-checked profiles, and the property that
// the result does not depend on how the ground is split into layers.
#include "model/calcolo.h"
#include "profili.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <random>

namespace spintaro {
namespace {

using prova::profilo;
using prova::strato;

struct CasoAnalisi {
    const char* nome;
    double sovraccarico;
    std::vector<Strato> strati;
    double spinta;
    double acqua;
    double momento;
    std::optional<double> braccio;
};

void PrintTo(const CasoAnalisi& c, std::ostream* os) {
    *os << c.nome;
}

class Analisi : public testing::TestWithParam<CasoAnalisi> {};

TEST_P(Analisi, MomentArmAndWaterPartFromTheSameShares) {
    const CasoAnalisi& c = GetParam();
    Modulo1 m = profilo(c.sovraccarico, c.strati);
    const AnalisiSpinta a = AnalizzaSpinta(m);
    EXPECT_EQ(a.spinta, CalcolaSpinta(m));
    EXPECT_NEAR(a.spinta, c.spinta, 5e-7);
    EXPECT_NEAR(a.spintaAcqua, c.acqua, 1e-9);
    EXPECT_NEAR(a.momento, c.momento, 1e-4);
    EXPECT_EQ(a.braccio.has_value(), c.braccio.has_value());
    if (a.braccio && c.braccio) {
        EXPECT_NEAR(*a.braccio, *c.braccio, 5e-7);
    }
    ASSERT_EQ(a.strati.size(), c.strati.size());
    for (std::size_t i = 0; i < a.strati.size(); ++i) {
        const Acqua u = PressioneAcqua(m, static_cast<long long>(i) + 1);
        EXPECT_EQ(a.strati[i].u1, u.u1) << i;
        EXPECT_EQ(a.strati[i].u2, u.u2) << i;
    }
}

const Strato sabbiaAsciutta = strato(2, 18, 0, 30);

// 2 m of dry sand over 3 m of submerged sand (γ 20, φ 30) entered as n equal layers.
std::vector<Strato> sabbiaSommersa(int n) {
    std::vector<Strato> strati(static_cast<std::size_t>(n) + 1, strato(3.0 / n, 20, 0, 30, 1));
    strati[0] = sabbiaAsciutta;
    return strati;
}

INSTANTIATE_TEST_SUITE_P(
    Profili, Analisi,
    testing::Values(
        CasoAnalisi{"NoLayers", 10, {}, 0, 0, 0, std::nullopt},
        // One triangle, 74.908090 kN/m acting at a third of the height: 5/3 m.
        CasoAnalisi{"DrySand", 0, {strato(5, 18, 0, 30)}, 74.908090, 0, 74.908090 * 5 / 3, 5.0 / 3},
        // The triangle from z0 1.504305 to the base at 4 m: arm (4 − 1.504305) / 3 = 0.831898.
        CasoAnalisi{"CohesiveLayer", 0, {strato(4, 19, 10, 20)}, 28.972610, 0, 24.102266, 0.831898},
        // Layer 1: share 18.643791 (Sa1 10·Ka, Sa2 46·Ka), centroid 2·(2·10 + 46) / (3·56) =
        // 0.785714 above its base, which lies 3 m above the profile's base: arm 3.785714.
        // Layer 2: share 119.177893 (Sa1 18.645809, Sa2 60.806119), centroid
        // 3·(2·18.645809 + 60.806119) / (3·79.451928) = 1.234680.
        // M = 18.643791 × 3.785714 + 119.177893 × 1.234680 = 70.580061 + 147.146613 = 217.726674;
        // arm 217.726674 / 137.821684 = 1.579771. Water: u from 0 to 30 kPa over 3 m, 45 kN/m.
        CasoAnalisi{"TwoLayers",
                    10,
                    {sabbiaAsciutta, strato(3, 20, 5, 25, 1)},
                    137.821684,
                    45,
                    217.726674,
                    1.579771},
        // The same ground entered as one, two or three submerged layers, the same results.
        // Layer 2 as one: Sa1 46·Ka = 15.314543, Sa2 76·Ka + 30 = 55.302288, share 105.925247,
        // centroid 85.931374 / 70.616831 = 1.216868; M = 18.643791 × 3.785714 + 105.925247 ×
        // 1.216868 = 199.477129, arm 199.477129 / 124.569038 = 1.601338.
        CasoAnalisi{"SubmergedSandAsOne", 10, sabbiaSommersa(1), 124.569038, 45, 199.477129,
                    1.601338},
        CasoAnalisi{"SubmergedSandAsTwo", 10, sabbiaSommersa(2), 124.569038, 45, 199.477129,
                    1.601338},
        CasoAnalisi{"SubmergedSandAsThree", 10, sabbiaSommersa(3), 124.569038, 45, 199.477129,
                    1.601338}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// The two 1.5 m layers meet at 3.5 m with σv 76 and u 15: (76 − 15) × Ka + 15 = 35.308416 on both
// sides (before the water head was carried over, the lower layer started at 76 × Ka = 25.30).
TEST(Analisi, SubmergedLayersWithEqualKaMeetWithoutAStep) {
    const Modulo1 m = profilo(10, sabbiaSommersa(2));
    EXPECT_EQ(m.Strati(2).Sa2, m.Strati(3).Sa1);
    EXPECT_NEAR(m.Strati(3).Sa1, 35.308416, 5e-7);
}

// A moment that overflows is left as it comes out, and the arm is then undefined: 1e100 m of
// γ 3e100 gives a share of 4.99e299 kN/m, finite, times an arm of 3.3e99 m.
TEST(Analisi, AnOverflowingMomentLeavesTheArmUndefined) {
    const Modulo1 m = profilo(0, {strato(1e100, 3e100, 0, 30)});
    const AnalisiSpinta a = AnalizzaSpinta(m);
    EXPECT_TRUE(std::isfinite(a.spinta));
    EXPECT_FALSE(std::isfinite(a.momento));
    EXPECT_FALSE(a.braccio.has_value());
}

// Uniform in [da, a) from 53 random bits, the same on every platform.
double uniforme(std::mt19937_64& g, double da, double a) {
    return da + (a - da) * static_cast<double>(g() >> 11) * 0x1p-53;
}

bool vicini(double x, double y) {
    return std::fabs(x - y) <= 1e-9 * std::max({1.0, std::fabs(x), std::fabs(y)});
}

// Splitting a submerged layer, or a dry layer without cohesion, into two at any depth changes
// nothing: not the pressure at the layer's top, base and the split depth (where the straight line
// of the whole layer gives the value), not the pressures of the other layers, not the total
// thrust, the water part or the moment.
TEST(Analisi, SplittingALayerChangesNothing) {
    constexpr std::uint64_t seme = 20240610;
    std::mt19937_64 g(seme);
    for (int prova = 0; prova < 1000 && !HasFailure(); ++prova) {
        SCOPED_TRACE("seme " + std::to_string(seme) + ", profilo " + std::to_string(prova));
        const double q = g() % 4 == 0 ? 0.0 : uniforme(g, 0, 50);
        std::vector<Strato> strati(1 + g() % 8);
        for (Strato& s : strati) {
            const bool sommerso = g() % 2 == 0;
            s = strato(uniforme(g, 0.1, 5), uniforme(g, sommerso ? 10 : 14, 22),
                       g() % 2 == 0 ? 0.0 : uniforme(g, 0, 30), uniforme(g, 0, 45), sommerso);
        }
        const std::size_t k = g() % strati.size();
        if (strati[k].Falda == 0)
            strati[k].Coesione = 0;
        const double t = uniforme(g, 0.05, 0.95);
        std::vector<Strato> divisi = strati;
        divisi.insert(divisi.begin() + static_cast<std::ptrdiff_t>(k) + 1, strati[k]);
        divisi[k].Potenza = t * strati[k].Potenza;
        divisi[k + 1].Potenza = strati[k].Potenza - divisi[k].Potenza;

        const Modulo1 intero = profilo(q, strati);
        const Modulo1 diviso = profilo(q, divisi);
        // Layer j's top and base in the split profile: one record further down below the split.
        for (long long j = 1; j <= static_cast<long long>(strati.size()); ++j) {
            const long long kk = static_cast<long long>(k) + 1;
            const Strato& a = intero.Strati(j);
            EXPECT_PRED2(vicini, a.Sa1, diviso.Strati(j <= kk ? j : j + 1).Sa1) << j;
            EXPECT_PRED2(vicini, a.Sa2, diviso.Strati(j < kk ? j : j + 1).Sa2) << j;
        }
        const Strato& a = intero.Strati(static_cast<long long>(k) + 1);
        const double taglio = a.Sa1 + (a.Sa2 - a.Sa1) * divisi[k].Potenza / a.Potenza;
        EXPECT_PRED2(vicini, taglio, diviso.Strati(static_cast<long long>(k) + 1).Sa2);
        EXPECT_PRED2(vicini, taglio, diviso.Strati(static_cast<long long>(k) + 2).Sa1);

        const AnalisiSpinta ai = AnalizzaSpinta(intero);
        const AnalisiSpinta ad = AnalizzaSpinta(diviso);
        EXPECT_PRED2(vicini, ai.spinta, ad.spinta);
        EXPECT_PRED2(vicini, ai.spintaAcqua, ad.spintaAcqua);
        EXPECT_PRED2(vicini, ai.momento, ad.momento);
    }
}

} // namespace
} // namespace spintaro
