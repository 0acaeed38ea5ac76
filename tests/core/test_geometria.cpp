// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the two diagrams: the canvas, the axes and labels, the ticks and the layer lines.
#include "diagrams/geometria.h"
#include "diagrams/schema_carichi.h"
#include "profili.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <tuple>
#include <vector>

namespace spintaro {
namespace {

using Tipo = Primitiva::Tipo;

// "X" 10 px wide and 20 px high on a 688 × 410 client area.
const MisuraX misura{10, 20, 688, 410};

Primitiva linea(double ax, double ay, double bx, double by, Colore c = Colore::PrimoPiano,
                Tipo tipo = Tipo::Linea, const char* testo = "") {
    using F = float;
    return {tipo, F(ax), F(ay), F(bx), F(by), c, testo};
}

Primitiva lineaA(double bx, double by, Colore c = Colore::PrimoPiano) {
    return linea(0, 0, bx, by, c, Tipo::LineaA);
}

using prova::pressioni;
using prova::profilo;
using prova::strato;

// The vertical ticks (lines from y 0.3 to −0.3), the horizontal ones (from x −0.5 to 0.5).
std::vector<float> taccheX(const Disegno& d) {
    std::vector<float> x;
    for (const auto& p : d)
        if (p.tipo == Tipo::Linea && p.ay == 0.3f && p.by == -0.3f && p.ax == p.bx)
            x.push_back(p.ax);
    return x;
}

std::vector<float> taccheY(const Disegno& d) {
    std::vector<float> y;
    for (const auto& p : d)
        if (p.tipo == Tipo::Linea && p.ax == -0.5f && p.bx == 0.5f)
            y.push_back(p.ay);
    return y;
}

Disegno colorate(Disegno d) {
    std::erase_if(d, [](const Primitiva& p) { return p.colore == Colore::PrimoPiano; });
    return d;
}

TEST(DisegnoSv, VentiKPaSuCinqueMetriPassoPerPasso) {
    const Modulo1 m = profilo(20, {strato(5, 18, 0, 30)});
    const Disegno d = DisegnoSv(m, misura);
    // Svn 110, Htot 5: right edge 121, bottom −5.5; X is 10 × 122 / 688 wide, 20 × 6 / 410 high.
    const double ex = 10.0 * 122 / 688, ey = 20.0 * 6 / 410;
    Disegno atteso = {linea(-1, 0.5, 121, -5.5, Colore::PrimoPiano, Tipo::Scala),
                      linea(0, 0.5, 0, -5.5),
                      lineaA(-1, -5.25),
                      linea(-1, 0, 121, 0),
                      lineaA(115.5, 0.5),
                      linea(107 + ex, ey, 0, 0, Colore::PrimoPiano, Tipo::Testo, "Sv"),
                      linea(ex, -5 + ey, 0, 0, Colore::PrimoPiano, Tipo::Testo, "h")};
    for (int k = 10; k <= 110; k += 10)
        atteso.push_back(linea(k, 0.3, k, -0.3));
    atteso.push_back(linea(20, 0, 110, -5, Colore::Rosso));
    atteso.push_back(linea(110, -5, 0, -5, Colore::Rosso));
    EXPECT_EQ(d, atteso);
}

// Ticks every 10 up to the first multiple of 10 not below the limit rounded half to even (10.5:
// one tick); none when the limit leaves the 16-bit range or the counter would pass 32767.
TEST(DisegnoSv, TaccheOgniDieciFinoAlLimite) {
    const std::tuple<double, std::size_t, float> casi[] = {
        {25, 3, 30},          {0, 0, 0},     {10.5, 1, 10}, {-40, 0, 0},
        {32755, 3276, 32760}, {32758, 0, 0}, {1e6, 0, 0}};
    for (const auto& [valore, quante, ultima] : casi) {
        Modulo1 m;
        m.Strati(0).Sv = valore; // no layers: Svn is the surcharge
        const auto x = taccheX(DisegnoSv(m, misura));
        ASSERT_EQ(x.size(), quante) << valore;
        EXPECT_TRUE(x.empty() || x.back() == ultima) << valore;
    }
}

TEST(DisegnoSa, UnoStratoDiSabbiaDisegnaIlLatoDelTriangoloEIlRitorno) {
    const Modulo1 m = profilo(0, {strato(5, 18, 0, 30)});
    const Disegno d = DisegnoSa(m, misura);
    const double sa2 = m.Strati(1).Sa2; // 29.963236
    // Pmax 29.96: canvas (−2, 0.5)–(31.96, −5.5), arrow barb to Pmax − 1.5.
    EXPECT_EQ(d[0], linea(-2, 0.5, sa2 + 2, -5.5, Colore::PrimoPiano, Tipo::Scala));
    EXPECT_EQ(d[3], linea(-2, 0, sa2 + 2, 0));
    EXPECT_EQ(d[4], lineaA(sa2 - 1.5, 0.5));
    const double ex = 10.0 * (sa2 + 4) / 688, ey = 20.0 * 6 / 410;
    EXPECT_NEAR(d[5].ax, sa2 - 3 + ex, 1e-4);
    EXPECT_TRUE(d[5].ay == static_cast<float>(ey) && d[5].testo == "Sa");
    EXPECT_EQ(taccheX(d), (std::vector<float>{10, 20, 30})); // limit round(27.96) = 28
    EXPECT_EQ(taccheY(d), (std::vector<float>{-5}));
    EXPECT_EQ(colorate(d), (std::vector<Primitiva>{linea(0, 0, sa2, -5, Colore::Rosso),
                                                   lineaA(0, -5, Colore::RossoScuro)}));
    // No layers: the axes and the labels on a canvas (−2, 0.5)–(2, 0), nothing else.
    const Disegno vuoto = DisegnoSa(Modulo1{}, misura);
    EXPECT_EQ(vuoto.size(), 7u);
    EXPECT_EQ(vuoto.front(), linea(-2, 0.5, 2, 0, Colore::PrimoPiano, Tipo::Scala));
}

// Pmax 25: limit 23, ticks at 10, 20, 30; Htot 12: depth ticks at 5, 10, 15; Htot 2.5 rounds to
// 2: one tick at 5; Pmax 2.5: limit 0, no tick.
TEST(DisegnoSa, TacchePerPmax25EProfondita12E2_5) {
    Modulo1 m;
    m.Strati(1) = pressioni(12, 0, 0, 0, 0, 25);
    m.NumStrati = 1;
    EXPECT_EQ(taccheX(DisegnoSa(m, misura)), (std::vector<float>{10, 20, 30}));
    EXPECT_EQ(taccheY(DisegnoSa(m, misura)), (std::vector<float>{-5, -10, -15}));
    m.Strati(1) = pressioni(2.5, 0, 0, 0, 0, 2.5);
    EXPECT_EQ(taccheY(DisegnoSa(m, misura)), (std::vector<float>{-5}));
    EXPECT_TRUE(taccheX(DisegnoSa(m, misura)).empty());
}

// A layer wholly in tension draws nothing of its own; the step after it runs from the origin to
// the next layer's top pressure, or down the depth axis when that pressure is not positive.
TEST(DisegnoSa, UnoStratoTuttoInTrazioneNonDisegnaNulla) {
    Modulo1 m;
    m.Strati(1) = pressioni(1, 30, 40, 0.49, -55.98, -41.29);
    m.Strati(2) = pressioni(1, 18, 0, 0.33, 9.99, 15.98);
    m.NumStrati = 2;
    EXPECT_EQ(colorate(DisegnoSa(m, misura)),
              (std::vector<Primitiva>{
                  linea(0, 0, 0, 0, Colore::Rosso), lineaA(9.99, -1, Colore::RossoScuro),
                  linea(9.99, -1, 15.98, -2, Colore::Rosso), lineaA(0, -2, Colore::RossoScuro)}));
    m.Strati(2).Sa1 = 0;
    EXPECT_EQ(colorate(DisegnoSa(m, misura))[1], lineaA(0, -1, Colore::RossoScuro));
}

// A layer in tension at its top starts on the wall where its thrust starts: the clay under 1 m of
// sand where its line crosses zero, 1 + 3 × 19.176241 / 27.909744 = 3.061242 m, after a step back
// to the axis; the surcharged cohesive layer 1.2 m thick at its crossing 0.977989 m.
TEST(DisegnoSa, UnoStratoInTrazioneIniziaDoveIniziaLaSpinta) {
    const auto righe =
        colorate(DisegnoSa(profilo(0, {strato(1, 18, 0, 30), strato(3, 19, 20, 20)}), misura));
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_EQ(righe[1], lineaA(0, -1, Colore::RossoScuro));
    EXPECT_TRUE(righe[2].ax == 0 && righe[2].by == -4);
    EXPECT_NEAR(righe[2].ay, -3.061242, 5e-6);
    EXPECT_NEAR(righe[2].bx, 8.733503, 5e-6);
    const auto caricato = colorate(DisegnoSa(profilo(10, {strato(1.2, 19, 10, 20)}), misura));
    EXPECT_NEAR(caricato[0].ay, -0.977989, 5e-6);
}

// A layer number of 51 (while the 51st is typed) draws the table's fifty layers; each step of Sa
// goes across to the next layer's top pressure and the last returns to the depth axis.
TEST(Diagrammi, CinquantaStratiEIlNumero51) {
    Modulo1 m = profilo(5, std::vector<Strato>(50, strato(0.5, 18, 0, 30)));
    m.NumStrati = 51;
    const Modulo1 prima = m;
    const auto sv = colorate(DisegnoSv(m, misura));
    ASSERT_EQ(sv.size(), 100u);
    EXPECT_EQ(sv[2], linea(14, -0.5, 23, -1, Colore::Rosso)); // 5 + 9, then + 9 a layer
    const auto righe = colorate(DisegnoSa(m, misura));
    ASSERT_EQ(righe.size(), 100u);
    EXPECT_EQ(righe[1], lineaA(m.Strati(2).Sa1, -0.5, Colore::RossoScuro));
    EXPECT_EQ(righe.back(), lineaA(0, -25, Colore::RossoScuro));
    EXPECT_EQ(m, prima);
}

// What a screen reader gives of the diagrams, on sand over clay (thrust 2.996324 + 4.099325
// = 7.095648).
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
    EXPECT_NEAR(*sa.spinta, 7.095648, 5e-7);
    EXPECT_EQ(m, prima);
    // Without layers the stress diagram shows the surcharge alone.
    EXPECT_EQ(SintesiSv(profilo(12, {})).massimo, 12);
}

// The drawing of the loads, to scale in any widget: a load twice as far from the wall is drawn
// twice as far; a depth and a distance of the same metres take the same pixels; the wall, the
// layers and the farthest edge of a load lie inside the widget, the loads' band above the ground
// line.
TEST(SchemaCarichi, InScalaEDentroIlRiquadro) {
    struct Caso {
        std::vector<double> spessori;
        double larghezza, altezza;
    };
    const Caso casi[] = {{{2, 3}, 300, 300}, {{2, 3}, 600, 200}, {{20}, 250, 700},
                         {{0.5}, 400, 400},  {{}, 300, 300},     {{1, 1, 1, 1}, 241, 997}};
    for (const Caso& k : casi) {
        SCOPED_TRACE(::testing::Message() << k.larghezza << "x" << k.altezza);
        const std::vector<Carico> carichi{
            {.tipo = TipoCarico::Linea, .a = 1, .Q = 10},
            {.tipo = TipoCarico::Punto, .a = 2, .P = 50},
            {.tipo = TipoCarico::Striscia, .a = 2, .b = 3, .q = 20},
            {.tipo = TipoCarico::Trapezio, .a = 0, .b = 6, .q1 = 0, .q2 = 30}};
        const MarginiSchema m{.sopra = 30};
        const SchemaCarichi s = DisponiCarichi(k.spessori, carichi, k.larghezza, k.altezza, m);
        ASSERT_EQ(s.figure.size(), 4U);
        const double uno = s.figure[0].x1 - s.xMuro, due = s.figure[1].x1 - s.xMuro;
        EXPECT_GT(uno, 0);
        EXPECT_NEAR(due, 2 * uno, 1e-9);
        // The strip's far edge 5 m away, the layers' base H below the ground line.
        EXPECT_NEAR(s.figure[2].x2 - s.xMuro, 5 * uno, 1e-9);
        const double h = std::accumulate(k.spessori.begin(), k.spessori.end(), 0.0);
        EXPECT_TRUE(k.spessori.empty() || std::abs(s.yStrati.back() - s.yTerreno - h * uno) < 1e-9);
        EXPECT_EQ(s.yStrati.size(), k.spessori.size());
        const double base = s.yTerreno + s.profondita * s.scala;
        EXPECT_LE(base, k.altezza - m.sotto + 1e-9);
        for (const FiguraCarico& f : s.figure) {
            EXPECT_LE(f.x2, k.larghezza - m.destra + 1e-9);
            EXPECT_GE(f.x1, s.xMuro);
            EXPECT_GE(s.yTerreno - std::max(f.h1, f.h2), m.sopra - 1e-9);
        }
        // The trapezoid rises from nothing at the wall to the tallest of the spread loads, where
        // the strip of 20 kPa stands at two thirds of it.
        EXPECT_EQ(s.figure[3].h1, 0);
        EXPECT_NEAR(s.figure[2].h1, s.figure[3].h2 * 20 / 30, 1e-9);
    }
}

} // namespace
} // namespace spintaro
