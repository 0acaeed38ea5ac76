// SPDX-License-Identifier: GPL-3.0-or-later
// The loads behind the wall: published examples, workings by hand, properties, bad load texts.
#include "analisi/carichi.h"
#include "analisi/carichi_righe.h"
#include "analisi/spinte_progetto.h"
#include "profili.h"

#include <gtest/gtest.h>

namespace spintaro {
namespace {

Carico leggi(std::string_view testo) {
    Carico c;
    EXPECT_EQ(LeggiCarico(testo, 1, c), std::nullopt) << testo;
    return c;
}

// ∫ pressure over [z1, z2] and ∫ pressure·(H − z), by Simpson's rule on 2000 intervals.
std::pair<double, double> simpson(const Carico& c, double z1, double z2, double H) {
    const double h = (z2 - z1) / 2000;
    double s = 0, m = 0;
    for (int k = 0; k <= 2000; ++k) {
        const double z = z1 + k * h, w = (k % 2 ? 4 : 2) - (k == 0 || k == 2000);
        s += w * PressioneCarico(c, z, H) * h / 3;
        m += w * PressioneCarico(c, z, H) * (H - z) * h / 3;
    }
    return {s, m};
}

// Das & Sobhan, Principles of Geotechnical Engineering, 9th ed., Problem 13.6: H = 5 m, a line
// load of 44 kN/m 1 m behind the wall (m = 0.2, taken at 0.4·H). The solution prints the pressure
// from (Q/H)·0.203·n/(0.16 + n²)², its last decimal cut off; the exact coefficient 4·0.16/π is
// 0.2037, 0.34 % higher, so each value lies in [v, (v + 0.01)·1.005].
// Problems 13.7-13.8: q = 105 kPa, b = 1.5 m, a = 0.75 m, H = 5 m. θ1 = arctan(0.75/5) = 8.5308°,
// θ2 = arctan(2.25/5) = 24.2277°; Jarquio (1981) P = q/90·H·(θ2 − θ1) = 1.16667·5·15.6970 =
// 91.566 kN/m (91.525 with the printed 8.53°, 24.22°). Das's arm z̄ = [H²(θ2 − θ1) − (R − Q′) +
// 57.30·b·H]/(2H(θ2 − θ1)), R = (a + b)²(90 − θ2) = 332.97 (333.01 printed), Q′ = a²(90 − θ1) =
// 45.826: (392.42 − 287.15 + 429.72)/156.97 = 3.408 m.
// Das, Principles of Foundation Engineering, ch. 7: his a′ = 2 m is the width, b′ = 1 m the
// distance; q = 40 kPa, H = 6 m. θ1 = arctan(1/6) = 9.4623°, θ2 = arctan(3/6) = 26.5651°:
// P = 40/90·6·17.1027 = 45.607 kN/m; R = 9·63.435 = 570.91, Q′ = 80.538, 57.30·2·6 = 687.5:
// z̄ = (615.70 − 490.38 + 687.5)/205.23 = 3.961 m (the book: 45.63 kN/m, 3.96 m).
TEST(Carichi, EsempiPubblicati) {
    const Carico linea = leggi("linea:Q=44,a=1");
    const double stampati[] = {8.93, 6.97, 3.96, 2.23, 1.32};
    for (int z = 1; z <= 5; ++z) {
        const double v = stampati[z - 1], p = PressioneCarico(linea, z, 5);
        EXPECT_TRUE(p >= v && p <= (v + 0.01) * 1.005) << z << ": " << p;
    }
    const std::tuple<const char*, double, double, double, double> casi[] = {
        {"striscia:q=105,a=0.75,b=1.5", 5, 91.566, 0.0001, 3.408},
        {"striscia:q=105,a=0.75,b=1.5", 5, 91.525, 0.0005, 3.408},
        {"striscia:q=40,a=1,b=2", 6, 45.607, 0.0001, 3.961},
        {"striscia:q=40,a=1,b=2", 6, 45.63, 0.001, 3.96}};
    for (const auto& [testo, H, spinta, tolleranza, braccio] : casi) {
        const SpintaCarico s = SpintaCaricoTotale(leggi(testo), H);
        EXPECT_NEAR(s.spinta / spinta, 1, tolleranza) << testo;
        EXPECT_NEAR(s.braccio.value_or(0), braccio, 0.0015) << testo;
    }
}

// Trapezoid q1 = 0 at the wall (a = 0), q2 = 30 kPa at b = 4 m, H = 5 m, f = 2: q(x) = 7.5·x;
// ∫ 2x³z/(x² + z²)² dx = z·ln(x² + z²) + z³/(x² + z²) (u = x², ∫ z·u/(u + z²)² du). At z = 2 m:
// σ = (2/π)·7.5·[2·ln(20/4) + 8·(1/20 − 1/4)] = 4.7746·(3.21888 − 1.6) = 7.7296 kPa. The bracket
// over 0..H: H²/2·ln((b² + H²)/H²) = 12.5·ln(41/25) = 6.18370, P = 4.7746·6.1837 = 29.525 kN/m.
// Point P = 100 kN, a = 3 m, H = 5 m (m = 0.6), n = 0.5: σ = 1.77·4·0.36·0.25/0.61³ = 2.8073 kPa;
// n = 0.6·tan t: ∫0^1 n²/(0.36 + n²)³ dn = (t − sin 4t/4)/(8·0.6³), tan t = 5/3, t = 1.030377,
// sin 4t = 2·(15/17)·(−8/17) = −240/289: P = 20·1.77·0.36·(1.030377 + 0.207612)/1.728 = 9.1302
// kN/m. At a = 1 m (m ≤ 0.4), z = 2 m: σ = 0.28·4·0.16/(0.16 + 0.16)³ = 5.4688 kPa.
TEST(Carichi, CalcoliAMano) {
    const Carico trapezio = leggi("trapezio:q1=0,q2=30,a=0,b=4");
    EXPECT_NEAR(PressioneCarico(trapezio, 2, 5), 7.7296, 0.0001);
    EXPECT_NEAR(SpintaCaricoTotale(trapezio, 5).spinta, 29.525, 0.001);
    const Carico punto = leggi("punto:P=100,a=3");
    EXPECT_NEAR(PressioneCarico(punto, 2.5, 5), 2.8073, 0.0001);
    EXPECT_NEAR(SpintaCaricoTotale(punto, 5).spinta, 9.1302, 0.0001);
    EXPECT_NEAR(PressioneCarico(leggi("punto:P=100,a=1"), 2, 5), 5.4688, 0.0001);
    // At the top a load reaching the wall gives f·q/2, one further away nothing.
    EXPECT_NEAR(PressioneCarico(leggi("striscia:q=20,a=0,b=3"), 0, 5), 20, 1e-12);
    EXPECT_NEAR(PressioneCarico(leggi("trapezio:q1=12,q2=3,a=0,b=3"), 0, 5, 1), 6, 1e-12);
    EXPECT_EQ(PressioneCarico(leggi("striscia:q=20,a=0.1,b=3"), 0, 5), 0);
}

// What elasticity gives: the closed forms agree with each other and with quadrature, per layer.
TEST(Carichi, ProprietaFisiche) {
    const double H = 6;
    auto p = [H](const char* t, double z) {
        return PressioneCarico(leggi(t), z, H);
    };
    for (double z = 0.25; z <= H; z += 0.25) {
        const double intera = p("striscia:q=25,a=1.2,b=2", z);
        EXPECT_NEAR(p("trapezio:q1=25,q2=25,a=1.2,b=2", z), intera, 1e-12 * intera) << z;
        EXPECT_NEAR(p("striscia:q=25,a=1.2,b=1", z) + p("striscia:q=25,a=2.2,b=1", z), intera,
                    1e-12 * intera);
        // A strip 1 mm wide about x = 3.0005 m tends to a line there, within (b/x)² ≈ 1e-7.
        EXPECT_NEAR(p("striscia:q=4000,a=3,b=0.001", z) / p("linea:Q=4,a=3.0005", z), 1, 1e-6);
    }
    for (const char* t : {"striscia:q=25,a=0,b=2", "striscia:q=25,a=1.2,b=2", "linea:Q=30,a=0.5",
                          "trapezio:q1=0,q2=30,a=0,b=4", "trapezio:q1=40,q2=5,a=2,b=1.5",
                          "punto:P=80,a=1.5", "punto:P=80,a=4"}) {
        const Carico c = leggi(t);
        const SpintaCarico tutto = SpintaCaricoTotale(c, H);
        EXPECT_NEAR(SpintaCaricoTotale(c, H, 1).spinta * 2, tutto.spinta, 1e-12 * tutto.spinta);
        EXPECT_NEAR(PressioneCarico(c, 2.5, H, 1) * 2, PressioneCarico(c, 2.5, H), 1e-12) << t;
        // Nothing off the wall's height, nor on a wall of no height.
        EXPECT_EQ(PressioneCarico(c, -0.1, H) + PressioneCarico(c, H + 0.1, H), 0) << t;
        EXPECT_EQ(SpintaCaricoTotale(c, 0).spinta, 0) << t;
        double somma = 0, momento = 0;
        for (auto [z1, z2] : {std::pair{0.0, 0.7}, {0.7, 2.9}, {2.9, H}}) {
            const SpintaCarico s = SpintaCaricoTratto(c, z1, z2, H);
            const auto [numerica, numerico] = simpson(c, z1, z2, H);
            EXPECT_NEAR(s.spinta, numerica, 1e-6 * tutto.spinta) << t << " " << z1;
            EXPECT_NEAR(s.momento, numerico, 1e-6 * tutto.momento) << t << " " << z1;
            somma += s.spinta;
            momento += s.momento;
        }
        EXPECT_NEAR(somma, tutto.spinta, 1e-12 * tutto.spinta) << t;
        EXPECT_NEAR(momento, tutto.momento, 1e-12 * tutto.momento) << t;
        EXPECT_EQ(leggi(TestoCarico(c)), c) << t;
    }
}

// Each bad text is refused with a message naming the load and the value.
TEST(Carichi, TestiErrati) {
    const std::pair<const char*, const char*> casi[] = {
        {"striscia:q=0,a=1,b=3", "Carico 2 (striscia): il carico q «0» non è ammesso"},
        {"striscia:q=20,a=1,b=0", "Carico 2 (striscia): la larghezza b «0» non è ammessa, deve"},
        {"linea:Q=44,a=-1", "Carico 2 (linea): la distanza a «-1» non è ammessa"},
        {"trapezio:q1=1,q2=3,a=1,b=0", "Carico 2 (trapezio): la larghezza b «0» non è ammessa"},
        {"trapezio:q1=-1,q2=30,a=1,b=4", "Carico 2 (trapezio): il carico q1 «-1» non è"},
        {"trapezio:q1=0,q2=0.0,a=1,b=4", "Carico 2 (trapezio): i carichi q1 e q2 sono entrambi"},
        {"fascia:q=20,a=1,b=3", "Carico 2: il tipo «fascia» non esiste"},
        {"linea:q=44,a=1", "Carico 2 (linea): la chiave «q» non esiste"},
        {"striscia:q=20,b=3", "Carico 2 (striscia): manca a (forma: striscia:q=N,a=N,b=N)"},
        {"punto:P=1,P=2,a=1", "Carico 2 (punto): P è dato due volte"},
        {"striscia:q=20,a,b=3", "Carico 2 (striscia): «a» non è della forma chiave=valore"},
        {"linea:Q=4x,a=1", "Carico 2 (linea): il carico Q «4x» non è un numero"},
        {"linea:Q=44,a=1,psi2=1.5", "Carico 2 (linea): ψ2 «1.5» non è ammesso"},
        {"linea:Q=44,a=1,azione=permanente,psi2=0", "Carico 2 (linea): ψ2 «0» vale solo"},
        {"linea:Q=44,a=1,azione=fissa", "Carico 2 (linea): l'azione «fissa» non esiste"},
        {"linea", "Carico 2: «linea» non è un carico"}};
    std::vector<Carico> carichi;
    for (const auto& [testo, messaggio] : casi) {
        const auto e = LeggiCarichi(std::vector<std::string>{"punto:P=100,a=2", testo}, carichi);
        EXPECT_TRUE(e.value_or("").starts_with(messaggio)) << testo << ": " << e.value_or("");
        EXPECT_TRUE(carichi.empty()) << testo;
    }
    std::vector<std::string> ventuno(20, "striscia:q=20,a=1,b=3");
    EXPECT_FALSE(LeggiCarichi(ventuno, carichi).has_value());
    ventuno.emplace_back("punto:P=1,a=0");
    EXPECT_EQ(LeggiCarichi(ventuno, carichi), "Carico 21 (punto): troppi carichi, al massimo 20");
    EXPECT_TRUE(ControllaCarichi(carichi, 3).value_or("").starts_with("il fattore f dei carichi"));
    carichi[3].b = -2;
    EXPECT_TRUE(ControllaCarichi(carichi, 1).value_or("").starts_with("Carico 4 (striscia): la"));
}

// The loads in the design rows, worked by hand on a dry layer 5 m deep with γQ A1 = 1.4 and
// γG2 A1 = 1.6 (not the defaults 1.5 and 1.5), kh = 0.1 and a variable load's ψ2 = 0.3:
// - line Q = 44 kN/m, a = 1 m, permanent: x = max(1, 0.4·5) = 2 m; S = f·Q/π·H²/(x² + H²)
//   = 2·44/π·25/29 = 24.147647 kN/m; M = f·(2Q/π)·[H³/(2(x² + H²)) − x²·(atan(H/x)/(2x)
//   − H/(2(x² + H²)))] = 56.022540·(2.155172 − 4·(0.297572 − 0.086207)) = 73.37328 kN·m/m;
// - strip q = 20 kPa, a = 2 m, b = 3 m, variable: Jarquio, θ1 = atan(2/5) = 21.8014°,
//   θ2 = atan(5/5) = 45°, S = 20/90·5·23.198591 = 25.776212 kN/m.
// A1+M1: 1.4·25.776212 + 1.6·24.147647 = 74.722932 kN/m; A2+M2 (defaults 1.3, 1.3): 64.901017;
// SLE: 49.923859; seismic rows: 0.3·25.776212 + 24.147647 = 31.880511. A row's thrust is its earth
// thrust (the same row without loads) plus that share; the loads depend neither on the layers nor
// on the theory (two layers with Coulomb's δ = 2/3·φ′).
TEST(Carichi, NelleCombinazioni) {
    ParametriCalcolo p;
    p.gammaQ = {1.4, 1.3};
    p.gammaG2 = {1.6, 1.3};
    p.sisma.kh = {0.1, std::nullopt};
    ParametriCalcolo senza = p;
    p.carichi = {leggi("linea:Q=44,a=1,azione=permanente"),
                 leggi("striscia:q=20,a=2,b=3,psi2=0.3")};
    for (const auto& [strati, teoria] :
         {std::pair{std::vector{prova::strato(2, 18, 0, 30), prova::strato(3, 18, 0, 30)},
                    Teoria::Coulomb},
          std::pair{std::vector{prova::strato(5, 18, 0, 30)}, Teoria::Rankine}}) {
        p.teoria = senza.teoria = teoria;
        p.deltaPhi = senza.deltaPhi = teoria == Teoria::Coulomb ? 2.0 / 3.0 : 0;
        const Modulo1 m = prova::profilo(0, strati);
        const RisultatoProgetto r = CalcolaSpinteProgetto(m, p),
                                t = CalcolaSpinteProgetto(m, senza);
        ASSERT_TRUE(r.ok) << r.messaggio;
        ASSERT_EQ(r.carichi.size(), 2U);
        EXPECT_NEAR(r.carichi[0].caratteristica.spinta, 24.147647, 1e-5);
        EXPECT_NEAR(r.carichi[0].caratteristica.momento, 73.37328, 1e-5);
        EXPECT_NEAR(r.carichi[1].caratteristica.spinta, 25.776212, 1e-5);
        const double quote[] = {49.923859, 74.722932, 64.901017, 31.880511, 31.880511};
        ASSERT_EQ(r.righe.size(), std::size(quote));
        for (std::size_t k = 0; k < r.righe.size(); ++k) {
            EXPECT_NEAR(*r.righe[k].spintaCarichi, quote[k], 1e-5) << r.righe[k].nome;
            EXPECT_NEAR(r.righe[k].spinta, t.righe[k].spinta + *r.righe[k].spintaCarichi, 1e-9);
            EXPECT_EQ(t.righe[k].spintaCarichi, std::nullopt);
            // The pressure at the base of the last layer: the two loads' at z = H, weighted.
            EXPECT_NEAR(*r.righe[k].strati.back().pc2,
                        FattoreCarico(r.righe[k], p.carichi[0], p) *
                                PressioneCarico(p.carichi[0], 5, 5) +
                            FattoreCarico(r.righe[k], p.carichi[1], p) *
                                PressioneCarico(p.carichi[1], 5, 5),
                        1e-9);
        }
    }
    // A strip at the wall gives along it, at the top, its limit f·q/2 = 2·10/2 = 10 kPa (SLE).
    p.carichi = {leggi("striscia:q=10,a=0,b=1")};
    const RisultatoProgetto muro =
        CalcolaSpinteProgetto(prova::profilo(0, {prova::strato(5, 18, 0, 30)}), p);
    ASSERT_TRUE(muro.ok);
    EXPECT_NEAR(*muro.righe.front().strati.front().pc1, 10, 1e-9);
    p.stato = StatoTerreno::Passiva;
    EXPECT_NE(ControllaParametri(p).value_or("").find("Carico 1 (striscia)"), std::string::npos);
}

} // namespace
} // namespace spintaro
