// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the two diagrams: the canvas, the axes and labels, the ticks and the layer lines.
#include "diagrams/geometria.h"
#include "model/calcolo.h"
#include "profili.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace spintaro {
namespace {

using Tipo = Primitiva::Tipo;

// "X" 10 px wide and 20 px high on a 688 × 410 client area.
const MisuraX misura{10, 20, 688, 410};

Primitiva linea(double ax, double ay, double bx, double by, Colore c = Colore::PrimoPiano) {
    Primitiva p;
    p.tipo = Tipo::Linea;
    p.ax = static_cast<float>(ax);
    p.ay = static_cast<float>(ay);
    p.bx = static_cast<float>(bx);
    p.by = static_cast<float>(by);
    p.colore = c;
    return p;
}

Primitiva lineaA(double bx, double by, Colore c = Colore::PrimoPiano) {
    Primitiva p = linea(0, 0, bx, by, c);
    p.tipo = Tipo::LineaA;
    p.ax = p.ay = 0;
    return p;
}

Primitiva testo(double x, double y, const char* t) {
    Primitiva p = linea(x, y, 0, 0);
    p.tipo = Tipo::Testo;
    p.testo = t;
    return p;
}

Primitiva scala(double x1, double y1, double x2, double y2) {
    Primitiva p = linea(x1, y1, x2, y2);
    p.tipo = Tipo::Scala;
    return p;
}

using prova::profilo;
using prova::strato;

// The x positions of the vertical ticks (lines from y 0.3 to −0.3).
std::vector<float> taccheX(const Disegno& d) {
    std::vector<float> x;
    for (const auto& p : d)
        if (p.tipo == Tipo::Linea && p.ay == 0.3f && p.by == -0.3f && p.ax == p.bx)
            x.push_back(p.ax);
    return x;
}

// The depths of the horizontal ticks (lines from x −0.5 to 0.5).
std::vector<float> taccheY(const Disegno& d) {
    std::vector<float> y;
    for (const auto& p : d)
        if (p.tipo == Tipo::Linea && p.ax == -0.5f && p.bx == 0.5f)
            y.push_back(p.ay);
    return y;
}

std::vector<Primitiva> colorate(const Disegno& d) {
    std::vector<Primitiva> r;
    for (const auto& p : d)
        if (p.colore != Colore::PrimoPiano)
            r.push_back(p);
    return r;
}

TEST(DisegnoSv, TwentyKPaOverFiveMetresStepByStep) {
    const Modulo1 m = profilo(20, {strato(5, 18, 0, 30)});
    const Disegno d = DisegnoSv(m, misura);
    // Svn 110, Htot 5: right edge 121, bottom −5.5; X is 10 × 122 / 688 wide, 20 × 6 / 410 high.
    const double ex = 10.0 * 122 / 688, ey = 20.0 * 6 / 410;
    Disegno atteso = {
        scala(-1, 0.5, 121, -5.5), linea(0, 0.5, 0, -5.5), lineaA(-1, -5.25),
        linea(-1, 0, 121, 0),      lineaA(115.5, 0.5),     testo(107 + ex, ey, "Sv"),
        testo(ex, -5 + ey, "h"),
    };
    for (int k = 10; k <= 110; k += 10)
        atteso.push_back(linea(k, 0.3, k, -0.3));
    atteso.push_back(linea(20, 0, 110, -5, Colore::Rosso));
    atteso.push_back(linea(110, -5, 0, -5, Colore::Rosso));
    EXPECT_EQ(d, atteso);
}

struct CasoTacche {
    const char* nome;
    double valore;
    std::vector<float> tacche;
};

class TaccheSv : public testing::TestWithParam<CasoTacche> {};

TEST_P(TaccheSv, FallOnMultiplesOfTenUpToTheLimit) {
    Modulo1 m;
    m.Strati(0).Sv = GetParam().valore; // no layers: Svn is the surcharge
    EXPECT_EQ(taccheX(DisegnoSv(m, misura)), GetParam().tacche);
}

INSTANTIATE_TEST_SUITE_P(Casi, TaccheSv,
                         testing::Values(CasoTacche{"Svn25", 25, {10, 20, 30}},
                                         CasoTacche{"Svn0", 0, {}},
                                         CasoTacche{"Svn4_5RoundsToEven4", 4.5, {10}},
                                         CasoTacche{"Svn5_5RoundsTo6", 5.5, {10}},
                                         CasoTacche{"LimitPastTheCounter", 32758, {}},
                                         CasoTacche{"OutsideThe16BitRange", 1e6, {}},
                                         CasoTacche{"Negative", -40, {}}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST(DisegnoSv, TicksJustBelowTheCounterLimitStopAt32760) {
    Modulo1 m;
    m.Strati(0).Sv = 32755;
    const auto x = taccheX(DisegnoSv(m, misura));
    ASSERT_EQ(x.size(), 3276u);
    EXPECT_EQ(x.back(), 32760.0f);
}

TEST(DisegnoSv, NoLayersDrawsTheFrameOnly) {
    Modulo1 m;
    m.Strati(0).Sv = 20;
    const Disegno d = DisegnoSv(m, misura);
    EXPECT_EQ(d.front(), scala(-1, 0.5, 22, 0));
    EXPECT_TRUE(colorate(d).empty());
}

TEST(DisegnoSv, WithoutSurchargeTheFirstLineStartsAtTheOriginAndLayersStack) {
    const Modulo1 m = profilo(0, {strato(2, 18, 0, 30), strato(3, 20, 0, 30)});
    EXPECT_EQ(colorate(DisegnoSv(m, misura)),
              (std::vector<Primitiva>{
                  linea(0, 0, 36, -2, Colore::Rosso), linea(36, -2, 0, -2, Colore::Rosso),
                  linea(36, -2, 96, -5, Colore::Rosso), linea(96, -5, 0, -5, Colore::Rosso)}));
}

TEST(DisegnoSa, SingleSandLayerDrawsTheTriangleSideAndTheStepBack) {
    const Modulo1 m = profilo(0, {strato(5, 18, 0, 30)});
    const Disegno d = DisegnoSa(m, misura);
    const float sa2 = static_cast<float>(m.Strati(1).Sa2); // 29.963236
    // Pmax 29.96: canvas (−2, 0.5)–(31.96, −5.5), arrow barb to Pmax − 1.5.
    EXPECT_EQ(d[0], scala(-2, 0.5, m.Strati(1).Sa2 + 2, -5.5));
    EXPECT_EQ(d[3], linea(-2, 0, m.Strati(1).Sa2 + 2, 0));
    EXPECT_EQ(d[4], lineaA(m.Strati(1).Sa2 - 1.5, 0.5));
    const double ex = 10.0 * (sa2 + 4) / 688, ey = 20.0 * 6 / 410;
    EXPECT_NEAR(d[5].ax, m.Strati(1).Sa2 - 3 + ex, 1e-4);
    EXPECT_NEAR(d[5].ay, ey, 1e-6);
    EXPECT_EQ(d[5].testo, "Sa");
    EXPECT_EQ(taccheX(d), (std::vector<float>{10, 20, 30})); // limit round(27.96) = 28
    EXPECT_EQ(taccheY(d), (std::vector<float>{-5}));
    EXPECT_EQ(colorate(d), (std::vector<Primitiva>{linea(0, 0, sa2, -5, Colore::Rosso),
                                                   lineaA(0, -5, Colore::RossoScuro)}));
}

TEST(DisegnoSa, TicksForPmax25AndDepths12And2_5) {
    Modulo1 m;
    m.Strati(1) = {12, 0, 0, 0, 0, 0, 0, 25, 0};
    m.NumStrati = 1;
    Disegno d = DisegnoSa(m, misura);
    EXPECT_EQ(taccheX(d), (std::vector<float>{10, 20, 30})); // limit 23
    EXPECT_EQ(taccheY(d), (std::vector<float>{-5, -10, -15}));
    m.Strati(1).Potenza = 2.5; // rounds to 2: one tick at 5 m, below the bottom edge
    EXPECT_EQ(taccheY(DisegnoSa(m, misura)), (std::vector<float>{-5}));
    m.Strati(1).Sa2 = 2.5; // Pmax 2.5: limit 0, no tick
    EXPECT_TRUE(taccheX(DisegnoSa(m, misura)).empty());
}

TEST(DisegnoSa, ALayerWhollyInTensionDrawsNothingAndTheStepStartsAtTheOrigin) {
    Modulo1 m;
    m.Strati(1) = {1, 30, 40, 20, 0.49, 30, -55.98, -41.29, 0};
    m.Strati(2) = {1, 18, 0, 30, 0.33, 48, 9.99, 15.98, 0};
    m.NumStrati = 2;
    EXPECT_EQ(colorate(DisegnoSa(m, misura)),
              (std::vector<Primitiva>{linea(0, 0, 0, 0, Colore::Rosso),
                                      lineaA(9.99, -1, Colore::RossoScuro),
                                      linea(9.99, 0 - 2 + 1, 15.98, -2, Colore::Rosso),
                                      lineaA(0, -2, Colore::RossoScuro)}));
    // When the next layer's top pressure is not positive the step runs down the depth axis.
    m.Strati(2).Sa1 = 0;
    EXPECT_EQ(colorate(DisegnoSa(m, misura))[1], lineaA(0, -1, Colore::RossoScuro));
}

TEST(DisegnoSa, ALowerLayerInTensionStartsAtItsTensionDepthFromTheSurface) {
    // Sand 1 m over clay 3 m (γ 19, c 20, φ 20): z0 = 3.008610 below the ground surface.
    const Modulo1 m = profilo(0, {strato(1, 18, 0, 30), strato(3, 19, 20, 20)});
    const auto righe = colorate(DisegnoSa(m, misura));
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_NEAR(righe[2].ay, -3.008610, 5e-6);
    EXPECT_EQ(righe[2].ax, 0);
    EXPECT_NEAR(righe[2].bx, 8.733503, 5e-6);
    EXPECT_EQ(righe[2].by, -4);
    // The step between them: layer 2's top pressure is negative, so back to the axis.
    EXPECT_EQ(righe[1], lineaA(0, -1, Colore::RossoScuro));
}

TEST(DisegnoSa, TheSegmentStartsWhereTheThrustStartsAndStaysInItsLayer) {
    // z0 = 1.504 lies below the base at 1.2 m; the pressure changes sign at 0.977989 m.
    const Modulo1 m = profilo(10, {strato(1.2, 19, 10, 20)});
    const auto righe = colorate(DisegnoSa(m, misura));
    EXPECT_NEAR(righe[0].ay, -0.977989, 5e-6);
    EXPECT_GE(righe[0].ay, -1.2f);
    EXPECT_LE(righe[0].ay, 0.0f);
}

TEST(DisegnoSa, FiftyLayersEndOnTheDepthAxis) {
    Modulo1 m;
    m.Strati(0).Sv = 5;
    for (int i = 1; i <= 50; ++i)
        m.Strati(i) = strato(0.5, 18, 0, 30);
    m.NumStrati = 50;
    CalcolaStrati(m, 50);
    const auto righe = colorate(DisegnoSa(m, misura));
    ASSERT_EQ(righe.size(), 100u);
    EXPECT_EQ(righe.back(), lineaA(0, -25, Colore::RossoScuro));
    // Each step goes across to the next layer's top pressure at the shared depth.
    EXPECT_EQ(righe[1], lineaA(m.Strati(2).Sa1, -0.5, Colore::RossoScuro));
}

TEST(DisegnoSa, NoLayersDrawsTheAxesAndLabelsOnly) {
    const Modulo1 m;
    const Disegno d = DisegnoSa(m, misura);
    EXPECT_EQ(d.front(), scala(-2, 0.5, 2, 0));
    EXPECT_TRUE(taccheX(d).empty());
    EXPECT_TRUE(taccheY(d).empty());
    EXPECT_TRUE(colorate(d).empty());
    EXPECT_EQ(d.size(), 7u);
}

TEST(Diagrammi, ALayerNumberOf51DrawsTheFiftyLayersOfTheTable) {
    Modulo1 m;
    for (int i = 1; i <= 50; ++i)
        m.Strati(i) = strato(1, 18, 0, 30);
    m.NumStrati = 51;
    CalcolaStrati(m, 50);
    const Modulo1 prima = m;
    EXPECT_EQ(colorate(DisegnoSv(m, misura)).size(), 100u);
    EXPECT_EQ(colorate(DisegnoSa(m, misura)).size(), 100u);
    EXPECT_EQ(m, prima);
}

// The figures a screen reader gives of the two diagrams, on the sand-over-clay profile whose
// thrust was worked by hand (shares 2.996324 and 4.329154); the job is left as it was.
TEST(Sintesi, StratiProfonditaMassimoESpintaSenzaToccareIlLavoro) {
    Modulo1 m = profilo(0, {strato(1, 18, 0, 30), strato(3, 19, 20, 20)});
    m.IndiceStrato = 2;
    const Modulo1 prima = m;
    const SintesiDiagramma sv = SintesiSv(m);
    EXPECT_EQ(std::tuple(sv.strati, sv.profondita, sv.massimo, sv.spinta.has_value()),
              std::tuple(2, 4.0, 18.0 + 3 * 19.0, false));
    const SintesiDiagramma sa = SintesiSa(m);
    EXPECT_EQ(std::tuple(sa.strati, sa.profondita), std::tuple(2, 4.0));
    EXPECT_NEAR(sa.massimo, 8.733503, 5e-7);
    ASSERT_TRUE(sa.spinta.has_value());
    EXPECT_NEAR(*sa.spinta, 7.325477, 5e-7);
    EXPECT_EQ(m, prima);
    // Without layers the stress diagram shows the surcharge alone.
    EXPECT_EQ(SintesiSv(profilo(12, {})).massimo, 12);
}

} // namespace
} // namespace spintaro
