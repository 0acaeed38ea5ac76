// SPDX-License-Identifier: GPL-3.0-or-later
// The design calculation: coefficients from published examples and hand calculations (π = 3.14 as
// the program converts angles), the NTC 2018 combinations worked by hand, the properties physics
// gives, and bad parameters. With the default parameters the SLE row is the layer computation.
#include "analisi/coefficienti.h"
#include "analisi/spinte_progetto.h"
#include "files/parametri_lavoro.h"
#include "profili.h"

#include <gtest/gtest.h>
#include <random>

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
// 0.5871; Rankine Kp = tan²(3.14/4 + φ/2): φ 30°: 2.9927.
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
        {StatoTerreno::Passiva, Teoria::Rankine, 30, 0, 0, 1, 2.9927, 2.9927, 0.0001},
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
}

// Splitting a layer changes no design result, with Coulomb, a slope, the minimum pressure and
// cohesion kept below the water table.
TEST(SpinteProgetto, DividereUnoStratoNonCambiaNulla) {
    ParametriCalcolo p;
    p.teoria = Teoria::Coulomb;
    p.deltaPhi = 2.0 / 3.0;
    p.beta = 10;
    p.pressioneMinima = 0.2;
    p.coesioneSottoFalda = true;
    const Modulo1 intero = profilo(15, {strato(2, 18, 10, 28), strato(6, 20, 8, 30, 1)});
    const Modulo1 diviso =
        profilo(15, {strato(2, 18, 10, 28), strato(2.5, 20, 8, 30, 1), strato(3.5, 20, 8, 30, 1)});
    const RisultatoProgetto a = CalcolaSpinteProgetto(intero, p),
                            b = CalcolaSpinteProgetto(diviso, p);
    ASSERT_TRUE(a.ok && b.ok && a.righe.size() == b.righe.size());
    for (std::size_t k = 0; k < a.righe.size(); ++k) {
        EXPECT_NEAR(a.righe[k].spinta, b.righe[k].spinta, 1e-9) << a.righe[k].nome;
        EXPECT_NEAR(a.righe[k].spintaVerticale, b.righe[k].spintaVerticale, 1e-9);
        EXPECT_NEAR(a.righe[k].spintaAcqua, b.righe[k].spintaAcqua, 1e-9);
        EXPECT_NEAR(a.righe[k].momento, b.righe[k].momento, 1e-9);
    }
}

// Bad values get an Italian reason that names the parameter and change nothing; a slope steeper
// than φ′d names the layer and the combination; a passive Coulomb δ > φ′/3 warns.
TEST(SpinteProgetto, ParametriErrati) {
    const std::pair<const char*, const char*> errati[] = {
        {"delta-phi", "-0.1"}, {"delta-phi", "1.5"},
        {"ocr", "0.5"},        {"beta", "nan"},
        {"beta", "90"},        {"gamma-phi", "M1=0"},
        {"gamma-q", "A3=1"},   {"gamma-c", "M1=1,M1=2"},
        {"stato", "attivo"},   {"combinazioni", "sle,slu"},
        {"opera", "a\nb"},
    };
    for (const auto& [chiave, testo] : errati) {
        DatiLavoro d;
        const auto motivo = CercaParametro(chiave)->imposta(d, testo);
        ASSERT_TRUE(motivo.has_value()) << chiave << " " << testo;
        EXPECT_EQ(motivo->rfind(chiave, 0), 0U) << *motivo;
        EXPECT_EQ(d, DatiLavoro{}) << chiave;
    }
    ParametriCalcolo p;
    p.beta = 27;
    const RisultatoProgetto r = CalcolaSpinteProgetto(profilo(0, {strato(3, 18, 0, 30)}), p);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.messaggio.find("lo strato 1 nella combinazione A2+M2"), std::string::npos);
    p = {};
    p.deltaPhi = 0.5;
    EXPECT_FALSE(CalcolaSpinteProgetto(profilo(0, {strato(3, 18, 0, 30)}), p).ok);
    p.teoria = Teoria::Coulomb;
    p.stato = StatoTerreno::Passiva;
    const RisultatoProgetto w = CalcolaSpinteProgetto(profilo(0, {strato(3, 18, 0, 30)}), p);
    EXPECT_TRUE(w.ok && w.avvisi.size() == 1 && w.righe[1].gammaR == 1.4);
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
    const std::string testo = TestoParametri(d);
    const LetturaParametri crlf = LeggiParametri(testo);
    ASSERT_TRUE(crlf.ok) << crlf.messaggio;
    EXPECT_EQ(crlf.dati, d);
    std::string lf = testo;
    std::erase(lf, '\r');
    EXPECT_EQ(LeggiParametri(lf).dati, d);
    EXPECT_EQ(NomeParametri("a/muro.spt"), "a/muro.parametri");
    EXPECT_EQ(NomeParametri("muro.SPT"), "muro.SPT.parametri");
    EXPECT_EQ(NomeParametri(".spt"), ".spt.parametri");
}

} // namespace
} // namespace spintaro
