// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts: the display patterns, the print form, the general conversion, and the readers of
// value boxes and of leading numbers.
#include "codice_errore.h"
#include "model/errore.h"
#include "profili.h"
#include "text/testi_numerici.h"
#include "text/testi_strato.h"
#include "text/zone_stampa.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace spintaro {
namespace {

using prova::codiceDi;

struct CasoTesto {
    double v;
    const char* atteso;
};

TEST(FormatoDisplay, ThreeDecimalsWithAComma) {
    const std::vector<CasoTesto> casi = {
        {46, "46,"},
        {0.332925, ",333"},
        {3.329248, "3,329"},
        {15.314543, "15,315"},
        {-13.994922, "-13,995"},
        {1.504305, "1,504"},
        {0, ","},
        {137.821684, "137,822"},
        {0.0005, ",001"},
        {-0.0005, "-,001"},
        {0.0004, ","},
        {-0.0004, ","},
        {999.9995, "1000,"},
        {2.5, "2,5"},
        {1e20, "100000000000000000000,"},
        {-0.0, ","},
        {28.972610, "28,973"},
        {0.1 + 0.2, ",3"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(FormatoDisplay(c.v, 3, ","), c.atteso) << c.v;
}

TEST(FormatoDisplay, TwoDecimalsWithAPeriod) {
    const std::vector<CasoTesto> casi = {
        {0.3333, ".33"},
        {45, "45."},
        {12.5, "12.5"},
        {0, "."},
        {-3.14159, "-3.14"},
        {1234.5678, "1234.57"},
        {0.004, "."},
        {90, "90."},
        {14.85, "14.85"},
        {29.7, "29.7"},
        {-12.3456, "-12.35"},
        // 2.675 is stored as 2.67499999999999982...; shown to 15 digits it is 2.675, and a
        // reader rounds that half up.
        {2.675, "2.68"},
        {0.995, "1."},
        {-0.995, "-1."},
    };
    for (const auto& c : casi)
        EXPECT_EQ(FormatoDisplay(c.v, 2, "."), c.atteso) << c.v;
}

TEST(FormaStampa, SignPositionMagnitudeAndTrailingSpace) {
    const std::vector<CasoTesto> casi = {
        {2.5, " 2.5 "},
        {18, " 18 "},
        {0, " 0 "},
        {-0.0, " 0 "},
        {0.75, " .75 "},
        {-1.25, "-1.25 "},
        {1.0 / 3.0, " .333333333333333 "},
        {2.0 / 3.0, " .666666666666667 "},
        {0.5, " .5 "},
        {-0.5, "-.5 "},
        {123456789012345, " 123456789012345 "},
        {1e15, " 1E+15 "},
        {1234567890123456, " 1.23456789012346E+15 "},
        {999999999999999.9, " 1E+15 "},
        {0.0001, " .0001 "},
        {0.00001, " 1E-05 "},
        {-1.5e-7, "-1.5E-07 "},
        {1e300, " 1E+300 "},
        // The largest double would round up past the largest double; it is cut instead.
        {1.7976931348623157e308, " 1.79769313486231E+308 "},
    };
    for (const auto& c : casi)
        EXPECT_EQ(FormaStampa(c.v, "."), c.atteso) << c.v;
    EXPECT_EQ(FormaStampa(2.5, ","), " 2,5 ");
    EXPECT_EQ(FormaStampa(-0.25, ","), "-,25 ");
}

TEST(TestoGenerale, FifteenDigitsLeadingZeroAndNoSeparatorForWholes) {
    const std::vector<CasoTesto> casi = {
        {2, "2"},         {0.5, "0,5"},        {0, "0"},
        {-0.5, "-0,5"},   {2.5, "2,5"},        {1.0 / 3.0, "0,333333333333333"},
        {1e15, "1E+15"},  {1.5e-5, "1,5E-05"}, {-42, "-42"},
        {0.001, "0,001"}, {100, "100"},        {12345.678, "12345,678"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(TestoGenerale(c.v, ","), c.atteso) << c.v;
}

TEST(FormaStampa, EveryWrittenValueReadsBackTo15Digits) {
    const std::vector<double> valori = {0.1,
                                        1.0 / 3,
                                        -2.0 / 3,
                                        1e15,
                                        1.234e-9,
                                        1e300,
                                        -1e-300,
                                        123.456,
                                        6.02e23,
                                        5e-324,
                                        1.7976931348623157e308};
    for (double v : valori) {
        const double letto = LeggiNumeroIniziale(FormaStampa(v, "."));
        EXPECT_NEAR(letto, v, std::fabs(v) * 5e-15) << v; // 15 significant digits
        // And writing what was read gives the same text again.
        EXPECT_EQ(FormaStampa(letto, "."), FormaStampa(v, ".")) << v;
    }
}

const Separatori italiano{",", "."};
const Separatori inglese{".", ","};

struct CasoLettura {
    const char* testo;
    double valore;
    int codice; // 0: reads as valore
};

void verifica(const std::vector<CasoLettura>& casi, const Separatori& sep) {
    for (const auto& c : casi) {
        double v = 0;
        EXPECT_EQ(codiceDi([&] { v = LeggiValoreCasella(c.testo, sep); }), c.codice)
            << '"' << c.testo << '"';
        if (c.codice == 0) {
            EXPECT_EQ(v, c.valore) << '"' << c.testo << '"';
        }
    }
}

TEST(LeggiValoreCasella, ItalianSeparators) {
    verifica(
        {
            {"", 0, 0},         {"2,5", 2.5, 0},
            {"2.5", 0, 13}, // never 25
            {"2.500", 2500, 0}, {"1.234.567,5", 1234567.5, 0},
            {" 7 ", 7, 0},      {"\t3", 3, 0},
            {"  ", 0, 13},      {"abc", 0, 13},
            {"1e3", 1000, 0},   {"-3", -3, 0},
            {"+4", 4, 0},       {"1E400", 0, 6},
            {"1E-400", 0, 0},   {",5", 0.5, 0},
            {"5,", 5, 0},       {"1.23", 0, 13},
            {"12.34,5", 0, 13}, {"1234.567", 0, 13},
            {".123", 0, 13},    {"1,2,3", 0, 13},
            {"--1", 0, 13},     {"1e", 0, 13},
            {"12a", 0, 13},     {"1 000", 0, 13},
            {",", 0, 13},       {"-", 0, 13},
            {"inf", 0, 13},     {"nan", 0, 13},
            {"0,1", 0.1, 0},    {"1e99999999999999999999", 0, 6},
        },
        italiano);
}

TEST(LeggiValoreCasella, PeriodSeparators) {
    verifica(
        {
            {"2.5", 2.5, 0},
            {"2,5", 0, 13},
            {"1,234.5", 1234.5, 0},
            {"0.1", 0.1, 0},
            {"18", 18, 0},
            {".75", 0.75, 0},
            {"1,23", 0, 13},
            {"-1.25E+2", -125, 0},
        },
        inglese);
}

TEST(LeggiIntero16, WholeNumberConversionOfAText) {
    EXPECT_EQ(LeggiIntero16("3", italiano), 3);
    EXPECT_EQ(LeggiIntero16("2,5", italiano), 2);
    EXPECT_EQ(LeggiIntero16("3,5", italiano), 4);
    EXPECT_EQ(LeggiIntero16("51", italiano), 51);
    for (const auto& caso :
         std::vector<std::pair<const char*, int>>{{"", 13}, {"x", 13}, {"40000", 6}, {" ", 13}})
        EXPECT_EQ(codiceDi([&] { LeggiIntero16(caso.first, italiano); }), caso.second)
            << '"' << caso.first << '"';
}

TEST(LeggiNumeroIniziale, ReadsTheLeadingNumberOnly) {
    const std::vector<CasoTesto> casi = {
        {0, ""},
        {12, "12abc"},
        {3, " 3"},
        {-1.25, "-1.25"},
        {0.75, ".75"},
        {1e15, "1E+15"},
        {2, "2,5"},
        {0, "abc"},
        {1, "1e"},
        {7, "+7"},
        {50, "50"},
        {0.333333333333333, ".333333333333333"},
        {1.5e-7, "1.5E-07"},
        {0, "-"},
        {100, "1D2"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(LeggiNumeroIniziale(c.atteso), c.v) << '"' << c.atteso << '"';
    EXPECT_EQ(codiceDi([] { LeggiNumeroIniziale("1e999"); }), ErroreOverflow);
}

TEST(ZoneStampa, PadsToTheNextZoneAndNeverCuts) {
    EXPECT_EQ(rigaAZone({"a", "b"}), "a             b");
    EXPECT_EQ(rigaAZone({"12345678901234", "x"}),
              std::string("12345678901234") + std::string(14, ' ') + "x");
    EXPECT_EQ(rigaAZone({"1234567890123", "x"}), "1234567890123 x");
    EXPECT_EQ(rigaAZone({"a"}), "a");
    // Columns count characters, not bytes.
    EXPECT_EQ(rigaAZone({"è", "x"}), "è             x");
}

// What the "Visualizza" frame shows for layer n of a profile computed without surcharge, as
// strat|pot|gam|coes|attritint|ka|Sv|sa1|sa2|z0. Cohesive (a worked example): Ka 0.489645, Sv 76,
// Sa1 -13.994922 shown as "0", Sa2 23.218070, z0 1.504305. Sand: Sa1 exactly 0 shows the
// separator alone and no z0. z0 is where the thrust starts the tension triangle: the layer's own
// 2c/(γ·√Ka) when it lies within the layer, else the depth where Sa1..Sa2 crosses zero; a layer in
// tension all through has no triangle and shows none.
TEST(TestiMostraStrato, OgniCasellaNelSuoFormato) {
    using prova::strato;
    struct Caso {
        std::vector<Strato> strati;
        long long n;
        const char* decimale;
        const char* atteso;
    };
    const Caso casi[] = {
        {{strato(4, 19, 10, 20)}, 1, ",", "1|4|19,|10,|20,|,49|76,|0|23,218|1,504"},
        {{strato(4, 19, 10, 20)}, 1, ".", "1|4|19.|10.|20.|.49|76.|0|23.218|1.504"},
        {{strato(5, 18, 0, 30)}, 1, ",", "1|5|18,|,|30,|,333|90,|,|29,963|"},
        {{strato(0.5, 18, 0, 30)}, 1, ",", "1|0,5|18,|,|30,|,333|9,|,|2,996|"},
        // γ = 0: no z0 can be computed, and both pressures are -13.994922.
        {{strato(2, 0, 10, 20)}, 1, ",", "1|2|,|10,|20,|,49|,|0|-13,995|"},
        // Tension all through: Sa2 = 19 × 0.489645 − 13.994922 = -4.691674; own z0 1.504 unused.
        {{strato(1, 19, 10, 20)}, 1, ",", "1|1|19,|10,|20,|,49|19,|0|-4,692|"},
        // Dry sand over dry clay: Sa1 -19.176241, Sa2 8.733503; z0 3.008610 lies in 1..4.
        {{strato(1, 18, 0, 30), strato(3, 19, 20, 20)},
         2,
         ",",
         "2|3|19,|20,|20,|,49|75,|0|8,734|3,009"},
        // Light sand over heavier clay: Sa1 = 20 × 0.489645 − 13.994922 = -4.202030, Sa2 =
        // 60 × 0.489645 − 13.994922 = 15.383755; own z0 20/(0.699746 × 20) = 1.429 lies above the
        // top at 2, so the zero crossing 2 + 2 × 4.202030 / 19.585786 = 2.429090 is shown.
        {{strato(2, 10, 0, 30), strato(2, 20, 10, 20)},
         2,
         ",",
         "2|2|20,|10,|20,|,49|60,|0|15,384|2,429"},
        {{strato(2, 18, 0, 30)}, 51, ",", "51|||||||||"},
        {{strato(2, 18, 0, 30)}, -1, ",", "-1|||||||||"},
    };
    for (const Caso& c : casi) {
        const Modulo1 m = prova::profilo(0, c.strati);
        const TestiStrato t = TestiMostraStrato(m, c.n, c.decimale);
        const std::string riga = t.strat + "|" + t.pot + "|" + t.gam + "|" + t.coes + "|" +
                                 t.attritint + "|" + t.ka + "|" + t.Sv + "|" + t.sa1 + "|" + t.sa2 +
                                 "|" + t.z0;
        EXPECT_EQ(riga, c.atteso);
    }
}

} // namespace
} // namespace spintaro
