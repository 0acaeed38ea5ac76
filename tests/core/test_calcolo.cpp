// SPDX-License-Identifier: GPL-3.0-or-later
// The layer computation and the total thrust, against the worked numbers of the method
// (π taken as 3.14, γw = 10) checked by hand.
#include "codice_errore.h"
#include "model/calcolo.h"
#include "model/errore.h"
#include "profili.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace spintaro {
namespace {

using prova::codiceDi;
using prova::pressioni;
using prova::profilo;
using prova::strato;

struct CasoKa {
    double fi;
    double ka;
};

class KaEsatto : public testing::TestWithParam<CasoKa> {};

TEST_P(KaEsatto, MatchesToTheLastBit) {
    Strato s = strato(0, 0, 0, GetParam().fi);
    const Strato copia = CalcolaKa(s);
    EXPECT_EQ(s.Ka, GetParam().ka);
    EXPECT_EQ(copia, s);
}

INSTANTIATE_TEST_SUITE_P(
    Angoli, KaEsatto,
    testing::Values(CasoKa{30, 0.33292484606633277}, CasoKa{0, 0.9984086138418382},
                    CasoKa{20, 0.48964463402198494}, CasoKa{25, 0.4053436754189356}),
    [](const auto& caso) { return "fi" + std::to_string(static_cast<int>(caso.param.fi)); });

TEST(Ka, NinetyDegreesIsZeroWithinTheLastBits) {
    Strato s = strato(0, 0, 0, 90);
    CalcolaKa(s);
    EXPECT_LT(std::fabs(s.Ka), 1e-30);
}

TEST(Radianti, MultipliesBeforeDividing) {
    EXPECT_EQ(Radianti(30), 30 * 3.14 / 180);
    EXPECT_EQ(Radianti(180), 3.14);
}

TEST(CalcolaStrato, TwoLayersDrySandOverSubmergedCohesiveLayer) {
    const Modulo1 m = profilo(10, {strato(2, 18, 0, 30), strato(3, 20, 5, 25, 1)});
    const Strato& a = m.Strati(1);
    EXPECT_NEAR(a.Ka, 0.332925, 5e-7);
    EXPECT_EQ(a.Sv, 46);
    EXPECT_NEAR(a.Sa1, 3.329248, 5e-7);
    EXPECT_NEAR(a.Sa2, 15.314543, 5e-7);
    const Strato& b = m.Strati(2);
    EXPECT_NEAR(b.Ka, 0.405344, 5e-7);
    EXPECT_EQ(b.Sv, 106);
    EXPECT_EQ(b.Sa1, 46 * b.Ka); // cohesion ignored below the water table
    EXPECT_NEAR(b.Sa1, 18.645809, 5e-7);
    EXPECT_EQ(b.Sa2, (106 - 30) * b.Ka + 30);
    EXPECT_NEAR(b.Sa2, 60.806119, 5e-7);
    EXPECT_EQ(m.IndiceStrato, 3);
}

TEST(CalcolaStrato, CohesiveDryLayerHasTensionAtTheTop) {
    const Modulo1 m = profilo(0, {strato(4, 19, 10, 20)});
    const Strato& s = m.Strati(1);
    EXPECT_NEAR(s.Ka, 0.489645, 5e-7);
    EXPECT_EQ(s.Sv, 76);
    EXPECT_NEAR(s.Sa1, -13.994922, 5e-7);
    EXPECT_NEAR(s.Sa2, 23.218070, 5e-7);
    ASSERT_TRUE(ProfonditaTrazione(s).has_value());
    EXPECT_NEAR(*ProfonditaTrazione(s), 1.504305, 5e-7);
}

TEST(CalcolaStrato, CohesionlessLayerWithoutSurchargeHasExactlyZeroAtTheTop) {
    const Modulo1 m = profilo(0, {strato(5, 18, 0, 30)});
    EXPECT_EQ(m.Strati(1).Sa1, 0.0);
    EXPECT_FALSE(std::signbit(m.Strati(1).Sa1));
    EXPECT_NEAR(m.Strati(1).Sa2, 29.963236, 5e-7);
}

// The water head accumulates down a run of submerged layers: the second of two submerged layers
// (2 m and 3 m, γ 20) has u 20 kPa at its top and 50 at its base, not 0 and 30.
TEST(CalcolaStrato, SecondSubmergedLayerCarriesTheWaterHeadOfTheRun) {
    const Modulo1 m = profilo(0, {strato(2, 20, 0, 30, 1), strato(3, 20, 0, 30, 1)});
    const Strato& b = m.Strati(2);
    EXPECT_EQ(b.Sv, 100);
    EXPECT_EQ(b.Sa1, (40 - 20) * b.Ka + 20);
    EXPECT_NEAR(b.Sa1, 26.658497, 5e-7);
    EXPECT_EQ(b.Sa1, m.Strati(1).Sa2); // same Ka: no step at the interface
    EXPECT_EQ(b.Sa2, (100 - 50) * b.Ka + 50);
    EXPECT_NEAR(b.Sa2, 66.646242, 5e-7);
}

// Runs: 2 m and 3 m submerged, 1 m dry (ends the run), 1.5 m submerged (a new run from 0).
TEST(PressioneAcqua, AccumulatesOverARunAndRestartsAfterADryLayer) {
    Modulo1 m = profilo(10, {strato(2, 20, 0, 30, 1), strato(3, 20, 0, 30, 1), strato(1, 18, 0, 30),
                             strato(1.5, 20, 0, 30, 1)});
    const double attesi[][2] = {{0, 20}, {20, 50}, {0, 0}, {0, 15}};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(PressioneAcqua(m, i).u1, attesi[i - 1][0]) << i;
        EXPECT_EQ(PressioneAcqua(m, i).u2, attesi[i - 1][1]) << i;
        // A layer computed on its own agrees with the pass.
        const Strato calcolato = m.Strati(i);
        CalcolaStrato(m, i);
        EXPECT_EQ(m.Strati(i), calcolato) << i;
    }
    EXPECT_EQ(codiceDi([&] { PressioneAcqua(m, 0); }), ErroreIndice);
    EXPECT_EQ(codiceDi([&] { PressioneAcqua(m, 51); }), ErroreIndice);
}

TEST(CalcolaStrato, EmptyLayerCarriesTheStressOfTheLayerAbove) {
    const Modulo1 m = profilo(10, {strato(2, 18, 0, 30), strato(0, 0, 0, 0)});
    const Strato& b = m.Strati(2);
    EXPECT_EQ(b.Ka, 0.9984086138418382);
    EXPECT_EQ(b.Sv, 46);
    EXPECT_EQ(b.Sa1, 46 * 0.9984086138418382);
    EXPECT_EQ(b.Sa2, b.Sa1);
}

TEST(CalcolaStrato, RefusesRecordZeroAndRecordsPast50) {
    Modulo1 m;
    const Modulo1 prima = m;
    for (long long i : {0LL, 51LL, -1LL})
        EXPECT_EQ(codiceDi([&] { CalcolaStrato(m, i); }), ErroreIndice) << i;
    EXPECT_EQ(m, prima);
}

TEST(CalcolaStrato, NonFiniteResultsFailWithCode6AndStoreNothing) {
    for (const Strato& s :
         {strato(1e200, 1e200, 0, 30), strato(1, 18, 1e308, 30), strato(1, 18, 0, 1e308)}) {
        Modulo1 m;
        m.Strati(1) = s;
        const Modulo1 prima = m;
        EXPECT_EQ(codiceDi([&] { CalcolaStrato(m, 1); }), ErroreOverflow) << s.Potenza;
        EXPECT_EQ(m, prima);
    }
}

TEST(ProfonditaTrazione, UndefinedWhenTheDivisorIsZero) {
    EXPECT_FALSE(ProfonditaTrazione(strato(1, 0, 10, 20)).has_value()); // no unit weight
    Strato s = strato(1, 18, 10, 0);
    s.Ka = 0; // φ of 90°
    EXPECT_FALSE(ProfonditaTrazione(s).has_value());
}

struct CasoSpinta {
    const char* nome;
    double sovraccarico;
    std::vector<Strato> strati;
    double totale;
};

class Spinta : public testing::TestWithParam<CasoSpinta> {};

TEST_P(Spinta, AddsTheShareOfEveryLayer) {
    Modulo1 m = profilo(GetParam().sovraccarico, GetParam().strati);
    EXPECT_NEAR(CalcolaSpinta(m), GetParam().totale, 5e-7);
    EXPECT_EQ(m.SpintaTotale, CalcolaSpinta(m));
    EXPECT_EQ(m.IndiceStrato, m.NumStrati + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Profili, Spinta,
    testing::Values(
        CasoSpinta{"NoLayers", 10, {}, 0},
        // 18.643791 + 119.177893
        CasoSpinta{"TwoLayers", 10, {strato(2, 18, 0, 30), strato(3, 20, 5, 25, 1)}, 137.821684},
        // (4 − 1.504305) × 23.218070 / 2
        CasoSpinta{"CohesiveLayer", 0, {strato(4, 19, 10, 20)}, 28.972610},
        // 2.996324 + (4 − 3.008610) × 8.733503 / 2
        CasoSpinta{"SandOverClay", 0, {strato(1, 18, 0, 30), strato(3, 19, 20, 20)}, 7.325477},
        // (0 + 29.963236) × 5 / 2
        CasoSpinta{"DrySand", 0, {strato(5, 18, 0, 30)}, 74.908090},
        // A layer wholly in tension (Sa1 −55.98, Sa2 −41.29) adds nothing; the sand below adds
        // its trapezoid: Sa1 = 30 × Ka30 = 9.987745, Sa2 = 48 × Ka30 = 15.980393, h 1.
        CasoSpinta{"TensionLayerAddsNothing",
                   0,
                   {strato(1, 30, 40, 20), strato(1, 18, 0, 30)},
                   (9.987745381989983 + 15.980392611183973) / 2}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(Spinta, SumsStoredPressuresOfLayersNotYetComputed) {
    Modulo1 m;
    m.Strati(1).Sa1 = 2;
    m.Strati(1).Sa2 = 4;
    m.Strati(1).Potenza = 3;
    m.NumStrati = 1;
    EXPECT_EQ(CalcolaSpinta(m), 9.0);
}

// The start of the pressure triangle of a layer in tension at its top.
TEST(InizioTrazione, IsZ0WhenZ0LiesInsideTheLayer) {
    // z0 = 3.008610 inside the second layer (1..4 m) of the sand-over-clay profile.
    const Modulo1 m = profilo(0, {strato(1, 18, 0, 30), strato(3, 19, 20, 20)});
    EXPECT_NEAR(InizioTrazione(m.Strati(2), 4), 3.008610, 5e-7);
    // 1 m of γ 80 over 2 m of clay (γ 40, c 40, φ 20): Sa1 −16.808, Sa2 22.363,
    // z0 = 80 / (0.699746 × 40) = 2.8582, inside 1..3 m.
    const Modulo1 r = profilo(0, {strato(1, 80, 0, 30), strato(2, 40, 40, 20)});
    ASSERT_LT(r.Strati(2).Sa1, 0);
    ASSERT_GT(r.Strati(2).Sa2, 0);
    EXPECT_NEAR(InizioTrazione(r.Strati(2), 3), 2.8582, 5e-5);
}

// A surcharge on a cohesive top layer moves the zero of its pressure line up by q/γ while z0
// stays put: with q 10, γ 19, c 10, φ 20 and h 1.2, z0 = 1.504305 lies below the base, and the
// pressure changes sign at z0 − q/γ = 0.977989. The thrust takes the triangle from there, not the
// negative share (1.2 − 1.504305) × Sa2 / 2.
TEST(InizioTrazione, SurchargedCohesiveLayerWithZ0BelowItsBaseStartsAtTheZeroCrossing) {
    const Modulo1 m = profilo(10, {strato(1.2, 19, 10, 20)});
    const Strato& s = m.Strati(1);
    ASSERT_LT(s.Sa1, 0);
    ASSERT_GT(s.Sa2, 0);
    ASSERT_GT(*ProfonditaTrazione(s), 1.2);
    const double attraversamento = *ProfonditaTrazione(s) - 10.0 / 19.0;
    EXPECT_NEAR(attraversamento, 0.977989, 5e-7);
    EXPECT_NEAR(InizioTrazione(s, 1.2), attraversamento, 1e-12);
    Modulo1 copia = m;
    EXPECT_NEAR(CalcolaSpinta(copia), (1.2 - attraversamento) * s.Sa2 / 2, 1e-12);
    EXPECT_GT(copia.SpintaTotale, 0);
}

struct CasoInizio {
    const char* nome;
    Strato s;
    double zBase;
    double inizio;
};

class InizioFuori : public testing::TestWithParam<CasoInizio> {};

TEST_P(InizioFuori, StartsAtTheZeroCrossing) {
    EXPECT_NEAR(InizioTrazione(GetParam().s, GetParam().zBase), GetParam().inizio, 1e-12);
    const double quota = QuotaSpinta(GetParam().s, GetParam().zBase).area;
    EXPECT_GE(quota, 0.0);
    EXPECT_LE(quota, GetParam().s.Potenza * GetParam().s.Sa2 / 2);
}

// Layer from 2 to 4 m with Sa1 −10 and Sa2 30: the line crosses zero a quarter of the way down,
// at 2.5 m. z0 = 2c / (γ·√Ka) with Ka 0.25 (√Ka 0.5) is placed below, above, or undefined.
INSTANTIATE_TEST_SUITE_P(
    Casi, InizioFuori,
    testing::Values(CasoInizio{"Z0BelowTheBase", pressioni(2, 10, 25, 0.25, -10, 30), 4, 2.5},
                    CasoInizio{"Z0AboveTheTop", pressioni(2, 10, 2.5, 0.25, -10, 30), 4, 2.5},
                    CasoInizio{"Z0Undefined", pressioni(2, 0, 10, 0.25, -10, 30), 4, 2.5},
                    CasoInizio{"KaZero", pressioni(2, 10, 10, 0, -10, 30), 4, 2.5}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(Spinta, TensionShareWithZ0BelowTheBaseIsTheTriangleBelowTheZeroCrossing) {
    Modulo1 m;
    m.Strati(1) = pressioni(2, 10, 0, 0.25, 5, 5);
    m.Strati(2) = pressioni(2, 10, 25, 0.25, -10, 30); // z0 = 10 m, base at 4 m
    m.NumStrati = 2;
    // 5 × 2 / 2 × 2 = 10, then (4 − 2.5) × 30 / 2 = 22.5.
    EXPECT_DOUBLE_EQ(CalcolaSpinta(m), 32.5);
}

TEST(Spinta, ANonFiniteSumFailsWithCode6AndKeepsTheOldTotal) {
    Modulo1 m;
    m.SpintaTotale = 12;
    const double grande = std::numeric_limits<double>::max();
    m.Strati(1) = pressioni(grande, 1, 0, 1, grande, grande);
    m.NumStrati = 1;
    EXPECT_EQ(codiceDi([&] { CalcolaSpinta(m); }), ErroreOverflow);
    EXPECT_EQ(m.SpintaTotale, 12);
}

TEST(Spinta, ALayerCountPast50FailsWithCode9) {
    Modulo1 m;
    m.NumStrati = 51;
    EXPECT_EQ(codiceDi([&] { CalcolaSpinta(m); }), ErroreIndice);
}

} // namespace
} // namespace spintaro
