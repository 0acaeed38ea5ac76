// SPDX-License-Identifier: GPL-3.0-or-later
// The layer table, its integers and resets; the pressures, the thrust, where it acts and its
// water part on profiles worked by hand (π = 3.14, γw = 10); splitting a layer changes nothing.
#include "casi.h"
#include "codice_errore.h"
#include "model/azzeramento.h"
#include "profili.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>

namespace spintaro {
namespace {

using prova::codiceDi;
using prova::pressioni;
using prova::PrintTo;
using prova::profilo;
using prova::strato;
using prova::uniforme;

// An index outside 0..50 fails with code 9 and touches nothing. A walk keeps its index in
// IndiceStrato and leaves it one past the last index visited; a walk to record 51 stops there.
TEST(Tabella, IndiciFuoriDa0a50ECursoreDeiPercorsi) {
    Modulo1 m;
    EXPECT_TRUE(m.NumStrati == 0 && m.IndiceStrato == 0 && m.SpintaTotale == 0.0);
    for (int i = 0; i <= 50; ++i)
        EXPECT_EQ(m.Strati(i), Strato{}) << i;
    const Modulo1 prima = m;
    for (long long i : {-1LL, 51LL, 32767LL, -32768LL}) {
        EXPECT_EQ(codiceDi([&] { m.Strati(i).Potenza = 1; }), ErroreIndice) << i;
        EXPECT_EQ(codiceDi([&] { (void)std::as_const(m).Strati(i); }), ErroreIndice) << i;
    }
    EXPECT_EQ(m, prima);
    std::vector<int> visti;
    percorri(m, 0, 2, [&](int i) { visti.push_back(i + 10 * m.IndiceStrato); });
    EXPECT_EQ(visti, (std::vector<int>{0, 11, 22}));
    EXPECT_EQ(m.IndiceStrato, 3);
    percorri(m, 1, 0, [&](int) { ADD_FAILURE(); });
    EXPECT_EQ(m.IndiceStrato, 1);
    EXPECT_EQ(codiceDi([&] { percorri(m, 1, 51, [&](int i) { m.Strati(i).Potenza = 1; }); }),
              ErroreIndice);
    EXPECT_TRUE(m.IndiceStrato == 51 && m.Strati(50).Potenza == 1);
}

// Every message names its code, which the user can look up; an unknown code too.
TEST(Errore, OgniDescrizioneNominaIlSuoCodice) {
    for (const int codice : {int{ErroreOverflow}, int{ErroreIndice}, int{ErroreTipo}, 5})
        EXPECT_NE(descrizioneErrore(codice).find("errore " + std::to_string(codice)),
                  std::string::npos);
}

TEST(Intero16, ArrotondaAlPariESegnalaIlTraboccoCon6) {
    const std::pair<double, int> casi[] = {
        {2.5, 2}, {3.5, 4},    {-2.5, -2},  {-3.5, -4}, {4.5, 4},         {0.5, 0},
        {1.5, 2}, {2.4999, 2}, {2.5001, 3}, {-0.4, 0},  {32767.4, 32767}, {-32768.5, -32768}};
    for (const auto& [x, atteso] : casi)
        EXPECT_EQ(arrotondaIntero16(x), atteso) << x;
    for (double x : {32767.5, -32768.6, 1e300, std::nan("")})
        EXPECT_EQ(codiceDi([&] { arrotondaIntero16(x); }), ErroreOverflow) << x;
    EXPECT_EQ(somma16(32766, 1), 32767);
    EXPECT_EQ(codiceDi([] { somma16(32767, 1); }), ErroreOverflow);
    EXPECT_EQ(codiceDi([] { somma16(-32768, -1); }), ErroreOverflow);
    EXPECT_EQ(codiceDi([] { somma16(0, 1LL << 40); }), ErroreOverflow);
}

// Both resets clear the five inputs of layers 1..NumStrati (at most 50) and nothing else; the new
// job also zeroes the thrust. Record 0 keeps the surcharge, the computed fields stay stale.
TEST(Azzeramento, CancellaSoloGliIngressiDegliStrati) {
    // NumStrati, new job, IndiceStrato after the walk
    for (const auto& [numStrati, nuovo, cursore] :
         {std::tuple{3, false, 4}, {3, true, 4}, {0, true, 1}, {51, false, 51}, {50, true, 51}}) {
        SCOPED_TRACE(::testing::Message() << numStrati << (nuovo ? " nuovo" : " scarta"));
        Modulo1 m;
        for (int i = 0; i <= 50; ++i)
            m.Strati(i) = {1.0 + i, 18, 5, 30, 0.3, 40.0 + i, 2, 3, 1};
        m.NumStrati = static_cast<Intero16>(numStrati);
        m.SpintaTotale = 137.8;
        const Modulo1 prima = m;
        nuovo ? NuovoLavoro(m) : ScartaLavoro(m);
        EXPECT_TRUE(m.NumStrati == 0 && m.IndiceStrato == cursore);
        EXPECT_EQ(m.SpintaTotale, nuovo ? 0.0 : 137.8);
        for (int i = 0; i <= 50; ++i) {
            Strato atteso = prima.Strati(i);
            if (i >= 1 && i <= numStrati)
                atteso = {0, 0, 0, 0, atteso.Ka, atteso.Sv, atteso.Sa1, atteso.Sa2, 0};
            EXPECT_EQ(m.Strati(i), atteso) << i;
        }
    }
}

// tan²(π/4 − φ/2) with π = 3.14, to the last bit; about 0 at 90°.
TEST(Ka, ConPiGrecoA314FinoAllUltimoBit) {
    // clang-format off
    const std::pair<double, double> casi[] = {{30, 0.33292484606633277}, {0, 0.9984086138418382},
        {20, 0.48964463402198494}, {25, 0.4053436754189356}, {90, 0}};
    // clang-format on
    for (const auto& [fi, ka] : casi) {
        Strato s = strato(0, 0, 0, fi);
        CalcolaKa(s);
        EXPECT_NEAR(s.Ka, ka, ka == 0 ? 1e-30 : 0) << fi;
    }
}

// Runs: 2 m and 3 m submerged, 1 m dry (ends the run), 1.5 m submerged (a new run from 0).
TEST(PressioneAcqua, SiSommaLungoUnaSerieERiparteDopoUnoStratoAsciutto) {
    Modulo1 m = profilo(10, {strato(2, 20, 0, 30, 1), strato(3, 20, 0, 30, 1), strato(1, 18, 0, 30),
                             strato(1.5, 20, 0, 30, 1)});
    const double attesi[][2] = {{0, 20}, {20, 50}, {0, 0}, {0, 15}};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(PressioneAcqua(m, i).u1, attesi[i - 1][0]) << i;
        EXPECT_EQ(PressioneAcqua(m, i).u2, attesi[i - 1][1]) << i;
        const Strato calcolato = m.Strati(i); // a layer computed alone agrees with the pass
        CalcolaStrato(m, i);
        EXPECT_EQ(m.Strati(i), calcolato) << i;
    }
    EXPECT_EQ(codiceDi([&] { PressioneAcqua(m, 0); }), ErroreIndice);
    EXPECT_EQ(codiceDi([&] { PressioneAcqua(m, 51); }), ErroreIndice);
}

TEST(CalcolaStrato, RisultatiNonFinitiDannoErrore6ENonSalvanoNulla) {
    for (const Strato& s :
         {strato(1e200, 1e200, 0, 30), strato(1, 18, 1e308, 30), strato(1, 18, 0, 1e308)}) {
        Modulo1 m;
        m.Strati(1) = s;
        const Modulo1 prima = m;
        EXPECT_EQ(codiceDi([&] { CalcolaStrato(m, 1); }), ErroreOverflow) << s.Potenza;
        EXPECT_EQ(m, prima);
    }
}

// The triangle of a layer in tension at its top starts where its own line Sa1..Sa2 crosses zero,
// z_top + h·(−Sa1)/(Sa2 − Sa1), whatever the cohesion, the unit weight and the layers above:
// the thrust is the area of the diagram as drawn.
TEST(InizioTrazione, DoveLaRettaDellaPressioneSiAnnulla) {
    const std::tuple<Strato, double, double> casi[] = {
        // The clay (c 20, φ 20°, Ka 0.489645) under 1 m of sand: Sa1 18·Ka − 40·√Ka =
        // −19.176241, Sa2 75·Ka − 40·√Ka = 8.733503; 1 + 3 × 19.176241 / 27.909744 = 3.061242
        // (2c/(γ·√Ka) from the surface would be 3.008610).
        {profilo(0, {strato(1, 18, 0, 30), strato(3, 19, 20, 20)}).Strati(2), 4, 3.061242},
        // q 10 on clay 4 m thick: Sa1 −9.098476, Sa2 28.114516: 4 × 9.098476 / 37.212992 =
        // 0.977989 (2c/(γ·√Ka) = 1.504305 ignores the surcharge).
        {profilo(10, {strato(4, 19, 10, 20)}).Strati(1), 4, 0.977989},
        // From 2 to 4 m, Sa1 −10, Sa2 30: zero at 2.5 m, whatever c, γ and Ka say.
        {pressioni(2, 10, 25, 0.25, -10, 30), 4, 2.5},
        {pressioni(2, 10, 5, 0.25, -10, 30), 4, 2.5},
        {pressioni(2, 0, 10, 0, -10, 30), 4, 2.5},
        // Sa1 −30, Sa2 10 over 1 m from 0: zero at 0.75 m.
        {pressioni(1, 10, 5, 0.25, -30, 10), 1, 0.75}};
    for (const auto& [s, zBase, inizio] : casi) {
        EXPECT_NEAR(InizioTrazione(s, zBase), inizio, 5e-7) << s.Coesione;
        const double quota = QuotaSpinta(s, zBase).area;
        EXPECT_NEAR(quota, (zBase - inizio) * s.Sa2 / 2, 5e-6) << quota;
    }
}

struct CasoAnalisi {
    const char* nome;
    double sovraccarico;
    std::vector<Strato> strati;
    std::vector<std::pair<double, double>> sa; // Sa1, Sa2 of each layer; empty: not checked
    double spinta, acqua, momento;
    std::optional<double> braccio;
};

const Strato sabbiaAsciutta = strato(2, 18, 0, 30);

// A trapezoid adds (Sa1 + Sa2)·h/2 with its centroid h·(2·Sa1 + Sa2) / (3·(Sa1 + Sa2)) above its
// base; a layer in tension the triangle from where it starts (z_i) to its base, a third up.
// clang-format off
const CasoAnalisi CasiAnalisi[] = {
    {"Nessuno", 10, {}, {}, 0, 0, 0, std::nullopt},
    // 29.963236 × 5 / 2 = 74.908090 at 5/3 m.
    {"Sabbia", 0, {strato(5, 18, 0, 30)}, {{0, 29.963236}}, 74.908090, 0, 124.846817, 5.0 / 3},
    // A weightless layer on top: Sa1 = Sa2 = 0, it adds nothing.
    {"StratoSenzaPeso", 0, {strato(1, 0, 0, 30), strato(5, 18, 0, 30)},
     {{0, 0}, {0, 29.963236}}, 74.908090, 0, 124.846817, 5.0 / 3},
    // An empty layer carries the stress above: 46 × Ka(0°) = 46 × 0.998409; h 0, it adds nothing.
    // 18.643791 at 2·(2·10 + 46) / (3·56) = 0.785714.
    {"StratoVuoto", 10, {sabbiaAsciutta, strato(0, 0, 0, 0)},
     {{3.329248, 15.314543}, {45.926796, 45.926796}}, 18.643791, 0, 14.648693, 0.785714},
    // (4 − 1.504305) × 23.218070 / 2 = 28.972610 at 2.495695 / 3 = 0.831898.
    {"Coesivo", 0, {strato(4, 19, 10, 20)}, {{-13.994922, 23.218070}},
     28.972610, 0, 24.102266, 0.831898},
    // 2.996324 at 3 + 1/3, (4 − 3.061242) × 8.733503 / 2 = 4.099325 at 0.938758 / 3:
    // S = 7.095648, M = 9.987745 + 1.282759 = 11.270504, arm 11.270504 / 7.095648 = 1.588368.
    {"SabbiaSuArgilla", 0, {strato(1, 18, 0, 30), strato(3, 19, 20, 20)},
     {{0, 5.992647}, {-19.176241, 8.733503}}, 7.095648, 0, 11.270504, 1.588368},
    // q 10 on 4 m of clay: (4 − 0.977989) × 28.114516 / 2 = 42.481186 at 3.022011 / 3:
    // M = 42.792867, arm 1.007337.
    {"ArgillaCaricata", 10, {strato(4, 19, 10, 20)}, {{-9.098476, 28.114516}},
     42.481186, 0, 42.792867, 1.007337},
    // All in tension adds nothing; then (9.987745 + 15.980393) / 2 at (2·30 + 48) / (3·78).
    {"StratoInTrazione", 0, {strato(1, 30, 40, 20), strato(1, 18, 0, 30)},
     {{-55.979690, -41.290351}, {9.987745, 15.980393}}, 12.984069, 0, 5.992647, 0.461538},
    // (1.2 − 0.977989) × 2.065422 / 2 = 0.229273 at 0.222011 / 3 = 0.074004.
    {"CoesivoCaricato", 10, {strato(1.2, 19, 10, 20)}, {{-9.098476, 2.065422}},
     0.229273, 0, 0.016967, 0.074004},
    // Submerged: cohesion unused, 46 × Ka and (106 − 30) × Ka + 30; water 0..30 kPa over 3 m.
    // 18.643791 at 3 + 0.785714, 119.177893 at 3·(2·18.645809 + 60.806119) / (3·79.451928) =
    // 1.234680: M = 70.580061 + 147.146613 = 217.726674, arm 217.726674 / 137.821684.
    {"DueStrati", 10, {sabbiaAsciutta, strato(3, 20, 5, 25, 1)},
     {{3.329248, 15.314543}, {18.645809, 60.806119}}, 137.821684, 45, 217.726674, 1.579771},
    // Sand over the same sand submerged: 15.314543..55.302288 (76 × Ka + 30), 105.925247 at
    // 85.931374 / 70.616831 = 1.216868; M = 70.580061 + 128.897068 = 199.477129.
    {"SabbiaSuSabbiaSommersa", 10, {sabbiaAsciutta, strato(3, 20, 0, 30, 1)},
     {{3.329248, 15.314543}, {15.314543, 55.302288}}, 124.569038, 45, 199.477129, 1.601338},
    // The same in two submerged layers of 1.5 m, meeting at 3.5 m (σv 76, u 15) with
    // (76 − 15) × Ka + 15 = 35.308416 on both sides, not 76 × Ka = 25.30: no step.
    {"DueStratiSommersi", 10, {sabbiaAsciutta, strato(1.5, 20, 0, 30, 1), strato(1.5, 20, 0, 30, 1)},
     {{3.329248, 15.314543}, {15.314543, 35.308416}, {35.308416, 55.302288}},
     124.569038, 45, 199.477129, 1.601338}};
// clang-format on

class Analisi : public testing::TestWithParam<CasoAnalisi> {};

TEST_P(Analisi, PressioniSpintaAcquaMomentoEBraccio) {
    const CasoAnalisi& c = GetParam();
    Modulo1 m = profilo(c.sovraccarico, c.strati);
    EXPECT_EQ(m.IndiceStrato, m.NumStrati + 1);
    for (std::size_t i = 0; i < c.sa.size(); ++i) {
        const Strato& s = m.Strati(static_cast<long long>(i) + 1);
        EXPECT_NEAR(s.Sa1, c.sa[i].first, 5e-7) << i;
        EXPECT_NEAR(s.Sa2, c.sa[i].second, 5e-7) << i;
        EXPECT_TRUE(c.sa[i].first != 0 || !std::signbit(s.Sa1)) << i; // +0, not −0
    }
    const AnalisiSpinta a = AnalizzaSpinta(m);
    EXPECT_EQ(a.spinta, CalcolaSpinta(m));
    EXPECT_TRUE(m.SpintaTotale == a.spinta && m.IndiceStrato == m.NumStrati + 1);
    EXPECT_NEAR(a.spinta, c.spinta, 5e-7);
    EXPECT_NEAR(a.spintaAcqua, c.acqua, 1e-9);
    EXPECT_NEAR(a.momento, c.momento, 1e-4);
    ASSERT_EQ(a.braccio.has_value(), c.braccio.has_value());
    EXPECT_NEAR(a.braccio.value_or(0), c.braccio.value_or(0), 5e-7);
    ASSERT_EQ(a.strati.size(), c.strati.size());
    for (std::size_t i = 0; i < a.strati.size(); ++i) {
        const Acqua u = PressioneAcqua(m, static_cast<long long>(i) + 1);
        EXPECT_TRUE(a.strati[i].u1 == u.u1 && a.strati[i].u2 == u.u2) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Profili, Analisi, testing::ValuesIn(CasiAnalisi), prova::NomeCaso{});

// The thrust sums the pressures as they stand (h, Sa1, Sa2 given): (2 + 4) × 3 / 2 = 9; a bottom
// of exactly 0, or a top of 0 over a negative bottom, adds nothing; a layer from 2 to 4 m from
// −10 to 30 kPa adds its triangle from 2.5 m: 5 × 2 + (4 − 2.5) × 30 / 2 = 32.5. A sum that is not
// finite fails with code 6 and keeps the old total.
TEST(Spinta, SommaLePressioniComeStanno) {
    const double grande = std::numeric_limits<double>::max();
    const std::pair<std::vector<Strato>, double> casi[] = {
        {{pressioni(3, 0, 0, 0, 2, 4)}, 9},
        {{pressioni(3, 0, 0, 0, 4, 0), pressioni(3, 0, 0, 0, 0, -5)}, 0},
        {{pressioni(2, 10, 0, 0.25, 5, 5), pressioni(2, 10, 25, 0.25, -10, 30)}, 32.5},
        {{pressioni(grande, 1, 0, 1, grande, grande)}, -1}};
    for (const auto& [strati, totale] : casi) {
        Modulo1 m = profilo(0, {});
        m.SpintaTotale = -1;
        std::copy(strati.begin(), strati.end(), &m.Strati(1));
        m.NumStrati = static_cast<Intero16>(strati.size());
        EXPECT_EQ(codiceDi([&] { CalcolaSpinta(m); }), totale < 0 ? ErroreOverflow : 0);
        EXPECT_DOUBLE_EQ(m.SpintaTotale, totale);
    }
}

bool vicini(double x, double y) {
    return std::fabs(x - y) <= 1e-9 * std::max({1.0, std::fabs(x), std::fabs(y)});
}

// Splitting any layer (dry or submerged, cohesive or not, under a surcharge) at any depth changes
// no pressure (at the split, the whole layer's straight line), nor the thrust, its water part or
// the moment: a layer in tension at its top adds the area of its own diagram.
TEST(Analisi, DividereUnoStratoNonCambiaNulla) {
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
        const double t = uniforme(g, 0.05, 0.95);
        std::vector<Strato> divisi = strati;
        divisi.insert(divisi.begin() + static_cast<std::ptrdiff_t>(k) + 1, strati[k]);
        divisi[k].Potenza = t * strati[k].Potenza;
        divisi[k + 1].Potenza = strati[k].Potenza - divisi[k].Potenza;

        const Modulo1 intero = profilo(q, strati);
        const Modulo1 diviso = profilo(q, divisi);
        const long long kk = static_cast<long long>(k) + 1;
        for (long long j = 1; j <= static_cast<long long>(strati.size()); ++j) {
            const Strato& a = intero.Strati(j);
            EXPECT_PRED2(vicini, a.Sa1, diviso.Strati(j <= kk ? j : j + 1).Sa1) << j;
            EXPECT_PRED2(vicini, a.Sa2, diviso.Strati(j < kk ? j : j + 1).Sa2) << j;
        }
        const Strato& a = intero.Strati(kk);
        const double taglio = a.Sa1 + (a.Sa2 - a.Sa1) * divisi[k].Potenza / a.Potenza;
        EXPECT_PRED2(vicini, taglio, diviso.Strati(kk).Sa2);
        EXPECT_PRED2(vicini, taglio, diviso.Strati(kk + 1).Sa1);

        const AnalisiSpinta ai = AnalizzaSpinta(intero);
        const AnalisiSpinta ad = AnalizzaSpinta(diviso);
        EXPECT_PRED2(vicini, ai.spinta, ad.spinta);
        EXPECT_PRED2(vicini, ai.spintaAcqua, ad.spintaAcqua);
        EXPECT_PRED2(vicini, ai.momento, ad.momento);
    }
}

} // namespace
} // namespace spintaro
