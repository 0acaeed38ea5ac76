// SPDX-License-Identifier: GPL-3.0-or-later
// The design calculation: coefficients from published examples and hand calculations (π = 3.14 as
// the program converts angles), the NTC 2018 combinations worked by hand, the properties physics
// gives, and bad parameters. With the default parameters the SLE row is the layer computation.
#include "analisi/coefficienti.h"
#include "analisi/sisma.h"
#include "analisi/spinte_progetto.h"
#include "files/parametri_lavoro.h"
#include "profili.h"

#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::profilo;
using prova::strato;

RigaProgetto riga(const Modulo1& m, const ParametriCalcolo& p, Combinazione c) {
    const RisultatoProgetto r = CalcolaSpinteProgetto(m, p);
    EXPECT_TRUE(r.ok) << r.messaggio;
    for (const RigaProgetto& x : r.righe)
        if (x.combinazione == c)
            return x;
    ADD_FAILURE() << "combinazione mancante";
    return {};
}

// Sources: G.N. Smith & I.G.N. Smith, Elements of Soil Mechanics, 8th ed., Blackwell 2003,
// Example 6.7 (9th ed., I. Smith, Wiley-Blackwell 2014, Example 7.8): Coulomb, φ = 20°, δ = 10°,
// β = 0, vertical wall: Ka = 0.4467, horizontal 0.44. The others are worked by hand with π = 3.14:
// Coulomb φ 30° δ 20°: cos²φ / (cos δ·(1 + √(sin 50°·sin 30° / cos 20°))²) = 0.2975;
// K0 = (1 − sin φ′)·√OCR·(1 + sin β) (EN 1997-1 §9.5.2): φ 30°, OCR 4: 1.0005; φ 30°, β 10°:
// 0.5871; φ 30°, β 1°: 0.5090; Rankine Kp = tan²(3.14/4 + φ/2): φ 30°: 2.9927. K0 at φ 15°,
// OCR 10: (1 − sin 15°)·√10 = 2.3442 exceeds Kp = tan²(3.14/4 + 7.5°) = 1.6951, which it takes.
// EN 1997-1 Annex C through the design coefficient, passive, φ′ = δ = 30°, β 0 and 20°: 5.0209
// and 7.7507 (sources and working in test_annesso_c.cpp).
TEST(Coefficienti, EsempiPubblicatiECalcoliAMano) {
    struct Caso {
        StatoTerreno stato;
        Teoria teoria;
        double fi, delta, beta, ocr, k, kh, tolleranza;
    };
    const Caso casi[] = {
        {StatoTerreno::Attiva, Teoria::Coulomb, 20, 10, 0, 1, 0.4467, 0.44, 0.0005},
        {StatoTerreno::Attiva, Teoria::Coulomb, 30, 20, 0, 1, 0.2975, 0.2796, 0.0001},
        {StatoTerreno::Riposo, Teoria::Rankine, 30, 0, 0, 4, 1.0005, 1.0005, 0.0001},
        {StatoTerreno::Riposo, Teoria::Rankine, 30, 0, 10, 1, 0.5871, 0.5871, 0.0001},
        {StatoTerreno::Riposo, Teoria::Rankine, 30, 0, 1, 1, 0.5090, 0.5090, 0.0001},
        {StatoTerreno::Passiva, Teoria::Rankine, 30, 0, 0, 1, 2.9927, 2.9927, 0.0001},
        {StatoTerreno::Riposo, Teoria::Rankine, 15, 0, 0, 10, 1.6951, 1.6951, 0.0001},
        {StatoTerreno::Passiva, Teoria::AnnessoC, 30, 30, 0, 1, 5.0209, 5.0209, 0.0001},
        {StatoTerreno::Passiva, Teoria::AnnessoC, 30, 30, 20, 1, 7.7507, 7.7507, 0.0001},
    };
    for (const Caso& c : casi) {
        const auto k = CoefficienteSpinta(c.stato, c.teoria, c.fi, c.delta, c.beta, c.ocr);
        ASSERT_TRUE(k.has_value()) << c.fi;
        EXPECT_NEAR(k->k, c.k, c.tolleranza) << c.fi << " " << c.delta;
        EXPECT_NEAR(k->kh, c.kh, c.kh == 0.44 ? 0.005 : c.tolleranza) << c.fi << " " << c.delta;
    }
}

// K0 lies between Ka and Kp; Coulomb with δ = β = 0 is Rankine; dividing tan φ′ by 1.25 raises Ka
// and lowers Kp; M1 leaves φ′ as it is.
TEST(Coefficienti, ProprietaFisiche) {
    using enum StatoTerreno;
    for (double fi = 1; fi <= 45; fi += 1) {
        const auto ka = CoefficienteSpinta(Attiva, Teoria::Rankine, fi, 0, 0, 1);
        const auto k0 = CoefficienteSpinta(Riposo, Teoria::Rankine, fi, 0, 0, 1);
        const auto kp = CoefficienteSpinta(Passiva, Teoria::Rankine, fi, 0, 0, 1);
        ASSERT_TRUE(ka && k0 && kp) << fi;
        EXPECT_TRUE(ka->k < k0->k && k0->k < kp->k) << fi;
        // Coulomb's formula tends to Rankine as δ, β → 0, within the effect of π = 3.14 on the
        // 45° of tan²(45° ∓ φ/2) (at most 0.5 % up to φ′ = 45°).
        for (StatoTerreno s : {Attiva, Passiva}) {
            const double rankine = CoefficienteSpinta(s, Teoria::Rankine, fi, 0, 0, 1)->k;
            EXPECT_EQ(CoefficienteSpinta(s, Teoria::Coulomb, fi, 0, 0, 1)->k, rankine);
            EXPECT_NEAR(CoefficienteSpinta(s, Teoria::Coulomb, fi, 1e-9, 1e-9, 1)->k / rankine, 1,
                        0.005)
                << fi;
        }
        const double fiD = AttritoDiProgetto(fi, 1.25);
        EXPECT_GT(CoefficienteSpinta(Attiva, Teoria::Rankine, fiD, 0, 0, 1)->k, ka->k) << fi;
        EXPECT_LT(CoefficienteSpinta(Passiva, Teoria::Rankine, fiD, 0, 0, 1)->k, kp->k) << fi;
        EXPECT_EQ(AttritoDiProgetto(fi, 1.0), fi);
        // K0 never above the passive limit, whatever the OCR and the slope.
        for (const double ocr : {1.0, 4.0, 100.0})
            for (const double beta : {0.0, fi / 2, fi}) {
                const auto r = CoefficienteSpinta(Riposo, Teoria::Rankine, fi, 0, beta, ocr);
                const auto p = CoefficienteSpinta(Passiva, Teoria::Rankine, fi, 0, beta, ocr);
                EXPECT_LE(r->kh, p->kh) << fi << " " << ocr << " " << beta;
            }
    }
}

// With the default parameters the SLE row is the layer computation, bit for bit: the pressures,
// the pore pressures, the thrust, its water part, the moment and the arm; on fixed profiles
// (tension zone, a layer wholly in tension, runs of submerged layers) and on seeded random ones.
TEST(SpinteProgetto, PredefinitiDannoIlCalcoloDegliStratiBitPerBit) {
    std::vector<Modulo1> profili = {
        profilo(10, {strato(3, 18, 0, 30), strato(4, 20, 0, 32, 1)}),
        profilo(0, {strato(4, 18, 20, 20)}),
        profilo(0, {strato(1, 18, 50, 20), strato(3, 19, 5, 28)}),
        profilo(20, {strato(2, 18, 10, 25, 1), strato(2, 19, 0, 30, 1), strato(1, 17, 0, 22)}),
    };
    std::mt19937 caso(20);
    const auto cifra = [&caso](int n) {
        return static_cast<int>(caso() % static_cast<unsigned>(n));
    };
    for (int n = 0; n < 20; ++n) {
        std::vector<Strato> strati;
        std::uniform_int_distribution<int> quanti(1, 50);
        for (int i = quanti(caso); i > 0; --i)
            strati.push_back(strato(0.1 + cifra(50) / 10.0, 14 + cifra(80) / 10.0,
                                    cifra(4) == 0 ? cifra(30) : 0, cifra(45), cifra(2) != 0));
        profili.push_back(profilo(cifra(30), strati));
    }
    ParametriCalcolo p;
    p.combinazioni = {true, false, false};
    for (const Modulo1& m : profili) {
        const RigaProgetto r = riga(m, p, Combinazione::SLE);
        const AnalisiSpinta a = AnalizzaSpinta(m);
        EXPECT_EQ(r.spinta, a.spinta);
        EXPECT_EQ(r.spintaAcqua, a.spintaAcqua);
        EXPECT_EQ(r.momento, a.momento);
        EXPECT_EQ(r.braccio, a.braccio);
        EXPECT_EQ(r.spintaVerticale, 0.0);
        ASSERT_EQ(r.strati.size(), static_cast<std::size_t>(m.NumStrati));
        for (std::size_t i = 0; i < r.strati.size(); ++i) {
            const Strato& s = m.Strati(static_cast<long long>(i) + 1);
            const StratoProgetto& d = r.strati[i];
            EXPECT_TRUE(d.k.k == s.Ka && d.sa1 == s.Sa1 && d.sa2 == s.Sa2) << i;
            EXPECT_TRUE(d.u1 == a.strati[i].u1 && d.u2 == a.strati[i].u2) << i;
        }
    }
}

// One dry layer H 5 m, γ 18, φ′ 30°, q 10 kPa, by hand (NTC 2018 Tab. 6.2.I and 6.2.II):
// A1+M1: Ka = 0.332925, S_d = 1.3·½·18·25·Ka + 1.5·10·5·Ka = 367.5·Ka = 122.350 kN/m;
// A2+M2: φ′d = arctan(tan 30°/1.25) = 24.7905° (π = 3.14 both ways), Ka = 0.408624,
// S_d = 1.0·225·Ka + 1.3·50·Ka = 290·Ka = 118.501 kN/m. A1+M1 governs.
// A cohesive layer H 8 m, γ 18, c′ 20, φ′ 20° with σa ≥ 0.2·σ′v: Ka = 0.489645, the line
// 18·Ka·z − 40·√Ka meets 3.6·z at z = 5.3686 m; S = ½·3.6·z² + the trapezoid below = 133.250.
TEST(SpinteProgetto, CombinazioniEPressioneMinimaACalcoloAMano) {
    const Modulo1 secco = profilo(10, {strato(5, 18, 0, 30)});
    const ParametriCalcolo p;
    const RisultatoProgetto r = CalcolaSpinteProgetto(secco, p);
    ASSERT_TRUE(r.ok && r.righe.size() == 3) << r.messaggio;
    EXPECT_NEAR(r.righe[1].spinta, 122.350, 0.0005);
    EXPECT_NEAR(r.righe[2].spinta, 118.501, 0.0005);
    EXPECT_NEAR(r.righe[2].strati[0].phiD, 24.7905, 0.00005);
    EXPECT_TRUE(!r.righe[0].governa && r.righe[1].governa && !r.righe[2].governa);
    EXPECT_NEAR(*r.righe[1].braccio, (1.3 * 225 * 5 / 3 + 1.5 * 50 * 2.5) / 367.5, 1e-12);

    ParametriCalcolo minimo;
    minimo.pressioneMinima = 0.2;
    const RigaProgetto c = riga(profilo(0, {strato(8, 18, 20, 20)}), minimo, Combinazione::SLE);
    EXPECT_NEAR(c.spinta, 133.250, 0.0005);
    EXPECT_DOUBLE_EQ(c.strati[0].sa1, 0.0);
    // γφ′ alone of M2 differs from M1 (γc′ and γγ 1 in both): A2+M2 still takes φ′d 24.7905°.
    ParametriCalcolo soloPhi;
    soloPhi.gammaC = {1, 1};
    EXPECT_NEAR(riga(secco, soloPhi, Combinazione::A2M2).strati[0].phiD, 24.7905, 0.00005);
    // Coulomb δ = 2/3·30° = 20°: the vertical part of each pressure is (σh − u)·tan δ, dry here.
    ParametriCalcolo coulomb;
    coulomb.teoria = Teoria::Coulomb;
    coulomb.deltaPhi = 2.0 / 3.0;
    const StratoProgetto s = riga(secco, coulomb, Combinazione::SLE).strati[0];
    EXPECT_NEAR(s.sv2, s.sa2 * std::tan(Radianti(20)), 1e-9);
    EXPECT_EQ(CalcolaSpinteProgetto(profilo(0, {}), {}).messaggio,
              "non ci sono strati da calcolare");
}

// The tension zone in each of the two diagrams a row combines. One dry layer h 2.83, γ 20.3,
// c′ 6.4, φ′ 24.7°, q 10. A2+M2: φ′d 20.2011°, Ka 0.485999, c′d 5.12: S(0) from
// −2·5.12·√Ka = −7.1387 to 20.3·2.83·Ka − 7.1387 = 20.7812, zero at 2.83·7.1387/27.9199 =
// 0.7236 m, S(0) = (2.83 − 0.7236)·20.7812/2 = 21.887; S(q) from −2.2787 to 25.6412, S(q) =
// 33.322; S_d = 21.887 + 1.3·(33.322 − 21.887) = 36.752. A1+M1 (Ka 0.410048): S(0) 14.172,
// S(q) 22.749, S_d = 1.3·14.172 + 1.5·8.577 = 31.289.
// Cohesion kept below the water: q 10, 0.46 m dry (γ 18.1, φ 22.3°, Ka 0.449265) over 1.9 m
// submerged (γ 17.5, c′ 9.7, φ′ 19.6°, Ka 0.496963): the dry trapezoid 2.927; below, u from 0 to
// 19 (18.05 kN/m) plus the effective part from 18.326·Ka − 19.4·√Ka = −4.5688 to 2.5129 cut at
// zero: (1.9 − 1.9·4.5688/7.0817)·2.5129/2 = 0.847; S = 2.927 + 18.05 + 0.847 = 21.824.
TEST(SpinteProgetto, TrazioneEAcquaACalcoloAMano) {
    const RisultatoProgetto r =
        CalcolaSpinteProgetto(profilo(10, {strato(2.83, 20.3, 6.4, 24.7)}), {});
    ASSERT_TRUE(r.ok) << r.messaggio;
    EXPECT_NEAR(r.righe[1].spinta, 31.289, 0.0005);
    EXPECT_NEAR(r.righe[2].spinta, 36.752, 0.0005);
    // The diagram with the surcharge starts at 2.83·2.2787/27.9199 = 0.2310 m (A2+M2).
    EXPECT_NEAR(*r.righe[2].strati[0].inizioTrazione, 0.2310, 0.00005);
    ParametriCalcolo p;
    p.coesioneSottoFalda = true;
    const Modulo1 m = profilo(10, {strato(0.46, 18.1, 0, 22.3), strato(1.9, 17.5, 9.7, 19.6, 1)});
    const RigaProgetto sle = riga(m, p, Combinazione::SLE);
    EXPECT_NEAR(sle.spinta, 21.824, 0.0005);
    EXPECT_NEAR(sle.spintaAcqua, 18.05, 1e-9);
    EXPECT_NEAR(sle.strati[1].sa1, -4.5688, 0.00005); // the line's end, below u
}

// No row's thrust is ever below its water part, whatever the cohesion kept below the water, the
// surcharge, the theory or the state; and a layer the design rules cannot take is named in the
// layer computation's avviso.
TEST(SpinteProgetto, MaiSottoLaSpintaDellAcqua) {
    std::mt19937_64 g(20261208);
    const auto u = [&g](double da, double a) {
        return prova::uniforme(g, da, a);
    };
    for (int prova = 0; prova < 300 && !HasFailure(); ++prova) {
        std::vector<Strato> strati(1 + g() % 5);
        for (Strato& s : strati)
            s = strato(u(0.2, 4), u(12, 22), u(0, 40), u(0, 40), g() % 2 == 0);
        ParametriCalcolo p;
        p.coesioneSottoFalda = true;
        p.stato = g() % 3 == 0 ? StatoTerreno::Riposo : StatoTerreno::Attiva;
        p.teoria =
            p.stato == StatoTerreno::Attiva && g() % 2 == 0 ? Teoria::AnnessoC : Teoria::Rankine;
        const RisultatoProgetto r = CalcolaSpinteProgetto(profilo(u(0, 50), strati), p);
        ASSERT_TRUE(r.ok) << r.messaggio;
        for (const RigaProgetto& x : r.righe)
            EXPECT_GE(x.spinta, x.spintaAcqua - 1e-9) << prova << " " << x.nome;
    }
    EXPECT_FALSE(AvvisoStratiImpossibili(profilo(0, {strato(2, 18, 0, 30)})));
    const auto avviso =
        AvvisoStratiImpossibili(profilo(0, {strato(2, 18, 0, 30), strato(2, 9, 0, 30, 1)}));
    ASSERT_TRUE(avviso);
    EXPECT_EQ(avviso->rfind("Lo strato 2 è fisicamente impossibile", 0), 0U) << *avviso;
}

// Bad values get an Italian reason that names the parameter and change nothing; a slope steeper
// than φ′d names the layer and the combination; a passive Coulomb δ > φ′/3 warns.
TEST(SpinteProgetto, ParametriErrati) {
    // clang-format off
    const std::pair<const char*, const char*> errati[] = {
        {"delta-phi", "-0.1"}, {"delta-phi", "1.5"}, {"ocr", "0.5"}, {"beta", "nan"},
        {"beta", "90"}, {"gamma-phi", "M1=0"}, {"gamma-q", "A3=1"}, {"gamma-c", "M1=1,M1=2"},
        {"stato", "attivo"}, {"combinazioni", "sle,slu"}, {"opera", "a\nb"}, {"delta-phi", "x/2"},
        {"ocr", "2/"}, {"gamma-phi", "M2=1e-300"}, {"gamma-q", "A1=0.4"}, {"gamma-g1", "A2=5.1"},
        {"gamma-r", "A2=0.9"}, {"gamma-gamma", "M1=0.99"}, {"teoria", "caquot"}};
    // clang-format on
    for (const auto& [chiave, testo] : errati) {
        DatiLavoro d;
        const auto motivo = CercaParametro(chiave)->imposta(d, testo);
        ASSERT_TRUE(motivo.has_value()) << chiave << " " << testo;
        EXPECT_EQ(motivo->rfind(chiave, 0), 0U) << *motivo;
        EXPECT_EQ(d, DatiLavoro{}) << chiave;
    }
    DatiLavoro d;
    EXPECT_NE(CercaParametro("suolo")->imposta(d, "F")->find("(A, B, C, D o E)"),
              std::string::npos);
    EXPECT_NE(CercaParametro("gamma-q")->imposta(d, "A1=0.4")->find("γQ azioni variabili"),
              std::string::npos);
    EXPECT_FALSE(CercaParametro("gamma-q")->imposta(d, "A1=0.5,A2=5"));
    EXPECT_FALSE(CercaParametro("gamma-phi")->imposta(d, "M1=1,M2=5"));
    // A friction angle of 90° or more, and a submerged layer not heavier than water, name the
    // layer and the combination.
    for (const Strato& impossibile : {strato(3, 18, 0, 90), strato(3, 10, 0, 30, 1)}) {
        const RisultatoProgetto x = CalcolaSpinteProgetto(profilo(0, {impossibile}), {});
        EXPECT_EQ(x.messaggio.rfind("lo strato 1 nella combinazione SLE: ", 0), 0U) << x.messaggio;
    }
    ParametriCalcolo p;
    p.beta = 27;
    const RisultatoProgetto r = CalcolaSpinteProgetto(profilo(0, {strato(3, 18, 0, 30)}), p);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.messaggio.find("lo strato 1 nella combinazione A2+M2"), std::string::npos);
    // Values that overflow are refused with the reason; large finite ones are results.
    for (const double gamma : {1e300, 1e308}) {
        Modulo1 grande;
        grande.Strati(1) = strato(3, gamma, 0, 30);
        grande.NumStrati = 1;
        const RisultatoProgetto g = CalcolaSpinteProgetto(grande, {});
        EXPECT_EQ(g.ok, gamma == 1e300) << g.messaggio;
        EXPECT_EQ(g.messaggio.find("un risultato non è un numero finito") != std::string::npos,
                  gamma == 1e308);
    }
    p = {};
    p.stato = StatoTerreno::Passiva; // Rankine's passive pressure has no warning
    EXPECT_TRUE(CalcolaSpinteProgetto(profilo(0, {strato(3, 18, 0, 30)}), p).avvisi.empty());
    p = {};
    p.deltaPhi = 0.5;
    EXPECT_FALSE(CalcolaSpinteProgetto(profilo(0, {strato(3, 18, 0, 30)}), p).ok);
    p.teoria = Teoria::Coulomb;
    p.stato = StatoTerreno::Passiva;
    // Coulomb's plane surface: passive only up to δ/φ′ = 1/3, then the curved surfaces.
    const RisultatoProgetto w = CalcolaSpinteProgetto(profilo(0, {strato(3, 18, 0, 30)}), p);
    EXPECT_TRUE(!w.ok && w.messaggio.find("teoria annesso-c") != std::string::npos);
    p.deltaPhi = 1.0 / 3.0;
    const RisultatoProgetto terzo = CalcolaSpinteProgetto(profilo(0, {strato(3, 18, 0, 30)}), p);
    EXPECT_TRUE(terzo.ok && terzo.avvisi.empty() && terzo.righe[1].gammaR == 1.4);
}

// The parameter file: defaults write nothing; every value written reads back equal, CRLF or LF;
// its name replaces a final ".spt" only.
TEST(FileParametri, ScrittoRiletto) {
    EXPECT_EQ(TestoParametri(DatiLavoro{}), "");
    DatiLavoro d;
    d.parametri.stato = StatoTerreno::Passiva;
    d.parametri.teoria = Teoria::Coulomb;
    d.parametri.deltaPhi = 1.0 / 3.0;
    d.parametri.beta = -7.25;
    d.parametri.coesioneSottoFalda = true;
    d.parametri.combinazioni = {false, true, true};
    d.parametri.gammaPhi = {1.1, 1.4};
    d.intestazione.opera = "Muro di via Garibaldi, «lotto 2»";
    d.parametri.sisma.ag = {std::nullopt, 0.25};
    d.parametri.sisma.stati = {false, true};
    d.parametri.sisma.topografia = CategoriaTopografica::T3;
    d.parametri.sisma.f0 = {2.5, 2.5};        // one value for both limit states
    d.parametri.stato = StatoTerreno::Attiva; // loads: not with a passive resistance
    for (const char* carico : {"trapezio:q1=0,q2=30,a=1,b=4", "punto:P=100,a=2,psi2=1/3"})
        ASSERT_EQ(CercaParametro("carico")->imposta(d, carico), std::nullopt);
    d.parametri.fattoreCarichi = 1;
    d.parametri.gammaG2 = {1.35, 1.2};
    const std::string testo = TestoParametri(d);
    EXPECT_NE(testo.find("f0 = 2.5\r\n"), std::string::npos) << testo;
    EXPECT_NE(testo.find("carico = trapezio:q1=0,q2=30,a=1,b=4\r\ncarico = punto:P=100,a=2,"),
              std::string::npos);
    EXPECT_EQ(TestoParametro(2.0 / 3.0) + " " + TestoParametro(1.0 / 3.0), "2/3 1/3");
    const LetturaParametri crlf = LeggiParametri(testo);
    ASSERT_TRUE(crlf.ok) << crlf.messaggio;
    EXPECT_EQ(crlf.dati, d);
    std::string lf = testo;
    std::erase(lf, '\r');
    EXPECT_EQ(LeggiParametri(lf).dati, d);
    // The job's surcharge: written only when not 0, read back equal; a bad one names its line.
    EXPECT_EQ(TestoParametri(DatiLavoro{}, 12.5),
              "# Spintaro: sovraccarico, parametri di calcolo e intestazione del lavoro\r\n"
              "sovraccarico = 12.5\r\n");
    const LetturaParametri q = LeggiParametri(TestoParametri(d, -0.1));
    EXPECT_TRUE(q.ok && q.dati == d && q.sovraccarico == -0.1);
    EXPECT_EQ(LeggiParametri(testo).sovraccarico, 0.0);
    for (const char* rotto : {"sovraccarico = 1000001\n", "sovraccarico = dieci\n",
                              "sovraccarico = 1\nsovraccarico = 2\n",
                              "# carichi\ncarico = linea:Q=1,a=1\ncarico = linea:Q=-1,a=1\n"}) {
        const LetturaParametri r = LeggiParametri(rotto);
        EXPECT_TRUE(!r.ok && r.riga >= 1 &&
                    (r.messaggio.find("sovraccarico") != std::string::npos ||
                     (r.riga == 3 && r.messaggio.find("Carico 2 (linea)") != std::string::npos)))
            << rotto << r.messaggio;
    }
    EXPECT_TRUE(LeggiParametri("sovraccarico = -1000000\n").ok);
    DatiLavoro zero; // a value of one limit state alone, even 0, stays of that state alone
    zero.parametri.sisma.kh = {std::nullopt, 0.0};
    EXPECT_EQ(LeggiParametri(TestoParametri(zero)).dati, zero);
    EXPECT_EQ(NomeParametri("a/muro.spt"), "a/muro.parametri");
    EXPECT_EQ(NomeParametri("muro.SPT"), "muro.SPT.parametri");
    EXPECT_EQ(NomeParametri(".spt"), ".spt.parametri");
}

// ---- The seismic action (NTC 2018 §7.11.6) ----

std::vector<RigaProgetto> sismiche(const Modulo1& m, const ParametriCalcolo& p) {
    const RisultatoProgetto r = CalcolaSpinteProgetto(m, p);
    EXPECT_TRUE(r.ok) << r.messaggio;
    std::vector<RigaProgetto> s;
    for (const RigaProgetto& x : r.righe)
        if (x.sisma)
            s.push_back(x);
    return s;
}

ParametriCalcolo conKh(double kh, double kvKh = 0.5) {
    ParametriCalcolo p;
    p.combinazioni = {true, false, false};
    p.sisma.kh = {kh, kh};
    p.sisma.kvKh = kvKh;
    return p;
}

// NTC 2018 Tab. 3.2.IV at every category, on the formula and at both of its bounds (the upper
// bounds are 1.20 / 1.50 / 1.80 / 1.60, not the formula's constants 1.40 / 1.70 / 2.40 / 2.00;
// the lower bound of D is 0.90); Tab. 3.2.V; Tab. 7.11.II and βm = 1 for a wall that cannot move.
TEST(Sisma, AmplificazioneEBetaM) {
    using enum CategoriaSuolo;
    struct Caso {
        CategoriaSuolo suolo;
        double ag, f0, ss;
    };
    const Caso casi[] = {
        {A, 0.3, 2.5, 1.00}, {B, 0.0, 2.5, 1.20},  {B, 0.2, 2.5, 1.20}, {B, 0.3, 2.5, 1.10},
        {B, 0.4, 2.5, 1.00}, {B, 0.6, 2.5, 1.00},  {C, 0.0, 2.5, 1.50}, {C, 0.2, 2.5, 1.40},
        {C, 0.4, 2.5, 1.10}, {C, 0.6, 2.5, 1.00},  {D, 0.0, 2.5, 1.80}, {D, 0.2, 2.5, 1.65},
        {D, 0.4, 2.5, 0.90}, {D, 0.48, 2.5, 0.90}, {E, 0.0, 2.5, 1.60}, {E, 0.2, 2.5, 1.45},
        {E, 0.4, 2.5, 1.00}, {E, 0.36, 2.5, 1.01},
    };
    for (const Caso& c : casi)
        EXPECT_NEAR(AmplificazioneStratigrafica(c.suolo, c.ag, c.f0), c.ss, 1e-12)
            << static_cast<int>(c.suolo) << " " << c.ag;
    using enum CategoriaTopografica;
    for (const auto& [t, st] : {std::pair{T1, 1.0}, {T2, 1.2}, {T3, 1.2}, {T4, 1.4}})
        EXPECT_EQ(AmplificazioneTopografica(t), st);
    EXPECT_EQ(RiduzioneAccelerazione(StatoLimite::SLV, false), 0.38);
    EXPECT_EQ(RiduzioneAccelerazione(StatoLimite::SLD, false), 0.47);
    EXPECT_EQ(RiduzioneAccelerazione(StatoLimite::SLD, true), 1.0);
}

// EN 1998-5 Annex E, E.2–E.4, worked by hand for ψ = 90° (sin(90° + x) = cos x) with the other
// angles converted as the program does (π = 3.14) and θ = arctan(kh/(1 + s·kv)):
// kh 0.2: θ = 11.3157°, K = cos²(18.684°)/(cos²θ·(1 + √(sin 30°·sin 18.684°/cos θ))²) = 0.473519;
// kh 0.15, kv 0.075 down, δ 20°, β 15°: θ = 7.9475°, E.2 since β ≤ φ − θ = 22.05° although
// β > θ: K = 0.553559; kh 0.15, β 25° > φ − θ = 21.46°: E.3, K = cos²(φ−θ)/cos²θ = 0.885714;
// passive kh 0.1 (θ 5.7135°), E.4 without wall friction even when δ is given: 2.819520; the
// slope in E.4 (sin(φ + β − θ), cos β): passive β 10°, θ 5.7135°: 3.896442; passive φ′ 35°,
// β −5°, kh 0.2, kv 0.1 up (θ 12.5352°): 2.669321; active with the ground falling away, δ 20°,
// β −10°, θ 7.9475°: K = 0.346543, K·cos δ = 0.325664.
TEST(Sisma, MononobeOkabeACalcoloAMano) {
    struct Caso {
        bool attiva;
        double fi, delta, beta, theta, k, kh;
    };
    const Caso casi[] = {
        {true, 30, 0, 0, 11.315669036, 0.473519158, 0.473519158},
        {true, 30, 20, 15, 7.947500855, 0.553559142, 0.520208937},
        {true, 30, 0, 25, 8.535092538, 0.885713649, 0.885713649},
        {false, 30, 0, 0, 5.713489633, 2.819520376, 2.819520376},
        {false, 30, 20, 0, 5.713489633, 2.819520376, 2.819520376},
        {false, 30, 0, 10, 5.713489633, 3.896441617, 3.896441617},
        {false, 35, 0, -5, 12.535162502, 2.669320985, 2.669320985},
        {true, 30, 20, -10, 7.947500855, 0.346542556, 0.325664452},
    };
    for (const Caso& c : casi) {
        const auto k = CoefficienteMononobeOkabe(c.attiva, c.fi, c.delta, c.beta, c.theta);
        ASSERT_TRUE(k.has_value()) << c.fi << " " << c.beta;
        EXPECT_NEAR(k->k, c.k, 1e-8) << c.beta;
        EXPECT_NEAR(k->kh, c.kh, 1e-8) << c.beta;
    }
    // θ = 0 is Coulomb's static coefficient; out of range there is no value.
    for (double fi = 5; fi <= 45; fi += 5)
        for (double beta : {-10.0, 0.0, 4.0})
            for (double r : {0.0, 0.5, 1.0}) {
                if (beta == 0 && r == 0)
                    continue; // Rankine's rule (π = 3.14 on the 45°), checked on the rows below
                const auto s =
                    CoefficienteSpinta(StatoTerreno::Attiva, Teoria::Coulomb, fi, r * fi, beta, 1);
                EXPECT_NEAR(CoefficienteMononobeOkabe(true, fi, r * fi, beta, 0)->k, s->k, 1e-12);
            }
    EXPECT_FALSE(CoefficienteMononobeOkabe(true, 30, 0, 0, 31));
    EXPECT_FALSE(CoefficienteMononobeOkabe(false, 30, 0, -10, 21));
}

// kh = kv = 0 gives the static characteristic values exactly (Rankine, Coulomb with δ and β,
// water and a surcharge); the increment is zero. The thrust grows with kh.
TEST(Sisma, KhZeroDaIValoriStaticiELaSpintaCresceConKh) {
    const Modulo1 m = profilo(10, {strato(2, 18, 0, 30), strato(3, 20, 0, 25, 1)});
    for (Teoria t : {Teoria::Rankine, Teoria::Coulomb}) {
        ParametriCalcolo p = conKh(0);
        p.teoria = t;
        p.deltaPhi = t == Teoria::Coulomb ? 2.0 / 3.0 : 0;
        p.beta = t == Teoria::Coulomb ? 10 : 0;
        const RigaProgetto sle = riga(m, p, Combinazione::SLE);
        const auto s = sismiche(m, p);
        ASSERT_EQ(s.size(), 2U);
        for (const RigaProgetto& x : s) {
            EXPECT_EQ(x.spinta, sle.spinta);
            EXPECT_EQ(x.momento, sle.momento);
            EXPECT_EQ(x.spintaVerticale, sle.spintaVerticale);
            EXPECT_EQ(x.sisma->incremento, 0.0);
            for (std::size_t i = 0; i < 2; ++i)
                EXPECT_TRUE(
                    x.strati[i].sa1 == sle.strati[i].sa1 && x.strati[i].sa2 == sle.strati[i].sa2 &&
                    x.strati[i].sv1 == sle.strati[i].sv1 && x.strati[i].sv2 == sle.strati[i].sv2);
        }
    }
    // Rankine on a slope: the seismic rows stay Coulomb with δ = 0, whose static thrust
    // ½·18·25·cos²30°/(1 + √(sin 30°·sin 20°/cos 10°))² = 84.1273 is not the SLE row's; an
    // avviso says so.
    ParametriCalcolo pendio = conKh(0);
    pendio.beta = 10;
    const Modulo1 dritto = profilo(0, {strato(5, 18, 0, 30)});
    const RisultatoProgetto r = CalcolaSpinteProgetto(dritto, pendio);
    ASSERT_TRUE(r.ok) << r.messaggio;
    EXPECT_NEAR(r.righe.back().sisma->spintaStatica, 84.1273, 1e-4);
    ASSERT_EQ(r.avvisi.size(), 1U);
    EXPECT_NE(r.avvisi[0].find("Mononobe-Okabe"), std::string::npos);
    for (bool permeabile : {false, true}) {
        double prima = 0;
        for (double kh = 0; kh <= 0.18; kh += 0.02) {
            ParametriCalcolo p = conKh(kh);
            p.sisma.acquaPermeabile = permeabile;
            const auto s = sismiche(m, p);
            for (const RigaProgetto& x : s)
                EXPECT_GT(x.spinta, prima) << kh;
            prima = std::min(s[0].spinta, s[1].spinta);
        }
    }
}

// Whole rows worked by hand (the K of each layer as in the test above):
// - the two-layer example with ag/g 0.25, F0 2.5, C, T1, free wall: Ss 1.325, kh 0.125875,
//   kv 0.0629375. kv down: θ1 6.7570°, K1 0.409773; submerged (impervious, E.6)
//   tan θ2 = 20/10·kh/(1 + kv), θ2 13.3314°, K2 0.602860; σ = 1.0629375·K·σ′v + u:
//   S = ½·15.6803·2 + (23.0687 + 72.2928)/2·3 = 158.7231; static (c′ not used) 119.0029, arm
//   1.45250 m; M = 172.8522 + 39.7202·1.45250 = 230.5460. kv up: 150.9654, so kv down governs.
//   The same kh on a wall that cannot move: the increment at 2.5 m, M = 272.1527.
// - dry H 5, γ 18, φ′ 30°, kh 0.2, kv 0.1: down θ 10.3101°, K 0.458347, S = ½·18·25·1.1·K =
//   113.4408; up θ 12.5352°, K 0.492919, S = ½·18·25·0.9·K = 99.8161; q 10 on top, down:
//   1.1·K·(225 + 50) = 138.6498 (the surcharge takes the same factor).
// - submerged H 4, γ 20, φ′ 30°, kh 0.1, kv 0: impervious θ = arctan(0.2), K 0.473519,
//   S = ½·10·K·16 + ½·10·16 = 117.8815; pervious with n 0 adds 7/12·0.1·10·16 = 9.3333 (E.7):
//   127.2149; with n 0.4, tan θ = 16/10·0.1, K 0.440907, S 124.6059, M about the base
//   ½·10·K·16·4/3 + 80·4/3 + 9.3333·0.4·4 = 168.6301.
TEST(Sisma, RigheACalcoloAMano) {
    const Modulo1 due = profilo(0, {strato(2, 18, 0, 30), strato(3, 20, 5, 25, 1)});
    ParametriCalcolo p;
    p.combinazioni = {true, false, false};
    p.sisma.ag = {0.25, std::nullopt};
    p.sisma.f0 = {2.5, std::nullopt};
    p.sisma.suolo = CategoriaSuolo::C;
    auto s = sismiche(due, p);
    ASSERT_EQ(s.size(), 2U);
    EXPECT_NEAR(*s[0].sisma->ss, 1.325, 1e-12);
    EXPECT_NEAR(s[0].sisma->kh, 0.125875, 1e-12);
    EXPECT_EQ(s[0].sisma->kvSegno, 1);
    EXPECT_NEAR(*s[0].strati[1].theta, 13.3314, 5e-5);
    EXPECT_NEAR(s[0].spinta, 158.7231, 5e-5);
    EXPECT_NEAR(s[0].sisma->spintaStatica, 119.0029, 5e-5);
    EXPECT_NEAR(s[0].momento, 230.5460, 5e-5);
    EXPECT_NEAR(s[1].spinta, 150.9654, 5e-5);
    EXPECT_TRUE(s[0].governa && !s[1].governa);
    ParametriCalcolo v = conKh(0.125875);
    v.sisma.vincolato = true;
    s = sismiche(due, v);
    EXPECT_NEAR(s[0].momento, 272.1527, 5e-5);
    EXPECT_DOUBLE_EQ(*s[0].sisma->braccioIncremento, 2.5);

    struct Caso {
        Modulo1 m;
        bool permeabile;
        double porosita, kh, kvKh, giu, su, momento;
    };
    const Caso casi[] = {
        {profilo(0, {strato(5, 18, 0, 30)}), false, 0, 0.2, 0.5, 113.4408, 99.8161, 0},
        {profilo(10, {strato(5, 18, 0, 30)}), false, 0, 0.2, 0.5, 138.6498, 0, 0},
        {profilo(0, {strato(4, 20, 0, 30, 1)}), false, 0, 0.1, 0, 117.8815, 117.8815, 0},
        {profilo(0, {strato(4, 20, 0, 30, 1)}), true, 0, 0.1, 0, 127.2149, 127.2149, 0},
        {profilo(0, {strato(4, 20, 0, 30, 1)}), true, 0.4, 0.1, 0, 124.6059, 0, 168.6301},
    };
    for (const Caso& c : casi) {
        ParametriCalcolo q = conKh(c.kh, c.kvKh);
        q.sisma.acquaPermeabile = c.permeabile;
        q.sisma.porosita = c.porosita;
        s = sismiche(c.m, q);
        ASSERT_EQ(s.size(), 2U);
        EXPECT_NEAR(s[0].spinta, c.giu, 5e-5) << c.giu;
        EXPECT_NEAR(s[1].spinta, c.su == 0 ? s[1].spinta : c.su, 5e-5) << c.giu;
        EXPECT_NEAR(s[0].momento, c.momento == 0 ? s[0].momento : c.momento, 5e-5) << c.giu;
    }
}

// Splitting a layer changes no design result: with Coulomb, a slope, the minimum pressure and
// cohesion kept below the water table; and in the seismic rows, with free water and its
// hydrodynamic pressure, Coulomb, a slope and a surcharge. SLD (βm 0.47, smaller ag) comes after
// SLV with a smaller kh and thrust.
TEST(SpinteProgetto, DividereUnoStratoNonCambiaNullaESldDopoSlv) {
    ParametriCalcolo p, s;
    p.teoria = s.teoria = Teoria::Coulomb;
    p.deltaPhi = s.deltaPhi = 2.0 / 3.0;
    p.beta = 10;
    p.pressioneMinima = 0.2;
    p.coesioneSottoFalda = true;
    s.beta = 8;
    s.sisma.ag = {0.25, 0.10};
    s.sisma.f0 = {2.5, 2.4};
    s.sisma.suolo = CategoriaSuolo::B;
    s.sisma.topografia = CategoriaTopografica::T2;
    s.sisma.stati = {true, true};
    s.sisma.acquaPermeabile = true;
    s.sisma.porosita = 0.3;
    for (const auto& [q, sopra, c] :
         {std::tuple(p, strato(2, 18, 10, 28), 8.0), std::tuple(s, strato(2, 18, 0, 32), 0.0)}) {
        const RisultatoProgetto a =
            CalcolaSpinteProgetto(profilo(15, {sopra, strato(6, 20, c, 30, 1)}), q);
        const RisultatoProgetto b = CalcolaSpinteProgetto(
            profilo(15, {sopra, strato(2.5, 20, c, 30, 1), strato(3.5, 20, c, 30, 1)}), q);
        ASSERT_TRUE(a.ok && b.ok && a.righe.size() == b.righe.size());
        for (std::size_t k = 0; k < a.righe.size(); ++k) {
            const RigaProgetto &x = a.righe[k], &y = b.righe[k];
            EXPECT_NEAR(x.spinta, y.spinta, 1e-9) << x.nome;
            EXPECT_NEAR(x.spintaVerticale, y.spintaVerticale, 1e-9);
            EXPECT_NEAR(x.spintaAcqua, y.spintaAcqua, 1e-9);
            EXPECT_NEAR(x.momento, y.momento, 1e-9);
            EXPECT_EQ(x.sisma.has_value(), y.sisma.has_value());
            if (x.sisma && y.sisma) {
                EXPECT_NEAR(*x.sisma->braccioIncremento, *y.sisma->braccioIncremento, 1e-9);
            }
        }
    }
    const auto a = sismiche(profilo(15, {strato(2, 18, 0, 32), strato(6, 20, 0, 30, 1)}), s);
    ASSERT_EQ(a.size(), 4U);
    EXPECT_TRUE(a[0].nome == "SLV" && a[2].nome == "SLD");
    EXPECT_LT(a[2].sisma->kh, a[0].sisma->kh);
    EXPECT_LT(std::max(a[2].spinta, a[3].spinta), std::min(a[0].spinta, a[1].spinta));
    EXPECT_GT(std::min(a[2].spinta, a[3].spinta), a[0].sisma->spintaStatica);
}

// The passage from E.2 to E.3 said in an avviso of its row. The two-layer example (q 10, Coulomb
// δ/φ′ 2/3, β 10°, kh 0.125875 and kv 0.0629375 of the guide's site): layer 2 (φ′ 25°, γ 20,
// submerged) with kv upwards has tan θ = 20/10·0.125875/0.9370625 = 0.26866, θ = 15.05°, and
// φ′d − θ = 9.95° < β: E.3; with kv downwards θ = arctan(2·0.125875/1.0629375) = 13.33°,
// φ′d − θ = 11.67° ≥ β: E.2, no avviso; layer 1 (dry, φ′ 30°) E.2 in both rows.
TEST(Sisma, PassaggioDaE2aE3NellAvvisoDellaRiga) {
    ParametriCalcolo p = conKh(0.125875);
    p.teoria = Teoria::Coulomb;
    p.deltaPhi = 2.0 / 3.0;
    p.beta = 10;
    const RisultatoProgetto r =
        CalcolaSpinteProgetto(profilo(10, {strato(2, 18, 0, 30), strato(3, 20, 5, 25, 1)}), p);
    ASSERT_TRUE(r.ok) << r.messaggio;
    std::vector<std::string> sismici;
    for (const RigaProgetto& x : r.righe)
        if (x.sisma)
            sismici.push_back(x.avvisi.empty() ? "" : x.avvisi.front());
    ASSERT_EQ(sismici.size(), 2U);
    EXPECT_EQ(sismici[0], "");
    EXPECT_EQ(sismici[1].rfind("Nella riga SLV (kv verso l'alto) lo strato 2 ha β > φ′d − θ", 0),
              0U)
        << sismici[1];
    EXPECT_NE(std::find(r.avvisi.begin(), r.avvisi.end(), sismici[1]), r.avvisi.end());
}
// Outside the method's range, or parameters that do not go together: an Italian reason that names
// the layer and the row, never a number (bad single values: the usage errors of tests/cli).
TEST(Sisma, FuoriCampoEParametriErrati) {
    struct Caso {
        Modulo1 m;
        ParametriCalcolo p;
        const char* messaggio;
    };
    ParametriCalcolo sito;
    sito.sisma.ag = {0.9, std::nullopt};
    sito.sisma.f0 = {1, std::nullopt};
    sito.sisma.suolo = CategoriaSuolo::D;
    sito.sisma.topografia = CategoriaTopografica::T4;
    sito.sisma.vincolato = true;
    ParametriCalcolo riposo = conKh(0.1);
    riposo.stato = StatoTerreno::Riposo;
    ParametriCalcolo entrambi = conKh(0.1);
    entrambi.sisma.ag = {0.2, std::nullopt};
    ParametriCalcolo entrambiSld = conKh(0.1);
    entrambiSld.sisma.ag = {std::nullopt, 0.2};
    ParametriCalcolo senzaF0 = sito;
    senzaF0.sisma.f0 = {};
    ParametriCalcolo soloSuolo;
    soloSuolo.sisma.suolo = CategoriaSuolo::C;
    const Modulo1 secco = profilo(0, {strato(3, 18, 0, 30)});
    const Caso casi[] = {
        {profilo(0, {strato(2, 18, 0, 30), strato(3, 18, 0, 20)}), conKh(0.5, 0),
         "lo strato 2 allo SLV con kv verso il basso: φ′d − β − θ = -6.58°"},
        {profilo(0, {strato(3, 18, 0, 50, 1)}), conKh(0.45, 0),
         "sotto falda θ = 45.38° supera 45°"},
        {profilo(0, {strato(3, 9, 0, 30, 1)}), conKh(0.1),
         "lo strato 1 nella combinazione SLE: sotto falda il peso di volume di progetto γd = 9 "
         "kN/m³ non supera quello dell'acqua"},
        {secco, sito, "allo SLV kh = 1.323 non è minore di 1"},
        {secco, riposo, "non per lo stato a riposo"},
        {secco, entrambi, "kh e ag si escludono"},
        {secco, entrambiSld, "kh e ag si escludono"},
        {secco, senzaF0, "stato limite SLV: manca F0 del sito"},
        {secco, soloSuolo, "parametri sismici senza azione"},
    };
    for (const Caso& c : casi) {
        const RisultatoProgetto r = CalcolaSpinteProgetto(c.m, c.p);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.righe.empty());
        EXPECT_NE(r.messaggio.find(c.messaggio), std::string::npos) << r.messaggio;
    }
}

} // namespace
} // namespace spintaro
