// SPDX-License-Identifier: GPL-3.0-or-later
// The project file: the writer's bytes, the reader's rules, and a failed read that leaves the job
// in memory as it was.
#include "files/progetto.h"
#include "model/calcolo.h"

#include <gtest/gtest.h>
#include <string>

namespace spintaro {
namespace {

Modulo1 esempioDueStrati() {
    Modulo1 m;
    m.Strati(1) = {2.5, 18, 0, 30, 0, 0, 0, 0, 0};
    m.Strati(2) = {3, 20, 10, 28, 0, 0, 0, 0, 1};
    m.NumStrati = 2;
    return m;
}

// The two-layer example, 15 lines of 82 bytes; "·" marks a space.
std::string conSpazi(std::string s) {
    for (auto& c : s)
        if (c == '~')
            c = ' ';
    return s;
}
const std::string fileEsempio = conSpazi("~0~\r\n~0~\r\n~0~\r\n~0~\r\n~0~\r\n"
                                         "~2.5~\r\n~18~\r\n~0~\r\n~30~\r\n~0~\r\n"
                                         "~3~\r\n~20~\r\n~10~\r\n~28~\r\n~1~\r\n");

TEST(ScriviProgetto, TwoLayerExampleByteForByte) {
    Modulo1 m = esempioDueStrati();
    const std::string byte = ScriviProgetto(m);
    EXPECT_EQ(byte.size(), 82u);
    EXPECT_EQ(byte, fileEsempio);
    EXPECT_EQ(byte.substr(25, 7), std::string("\x20\x32\x2E\x35\x20\x0D\x0A")); // line 6
    EXPECT_EQ(m.IndiceStrato, 3);
}

TEST(ScriviProgetto, NoLayersWritesRecordZeroOnly) {
    Modulo1 m;
    EXPECT_EQ(ScriviProgetto(m), conSpazi("~0~\r\n~0~\r\n~0~\r\n~0~\r\n~0~\r\n"));
    EXPECT_EQ(m.IndiceStrato, 1);
}

TEST(ScriviProgetto, FiftyLayersWrite255LinesThatReadBackWhole) {
    Modulo1 m;
    for (int i = 1; i <= 50; ++i)
        m.Strati(i) = {i / 3.0,
                       18.0 + i,
                       i % 7 * 1.0,
                       20.0 + i % 15,
                       0,
                       0,
                       0,
                       0,
                       static_cast<Intero16>(i % 2)};
    m.NumStrati = 50;
    const std::string byte = ScriviProgetto(m);
    EXPECT_EQ(std::count(byte.begin(), byte.end(), '\n'), 255);

    Modulo1 letto;
    ASSERT_TRUE(ApriProgetto(letto, byte).ok);
    EXPECT_EQ(letto.NumStrati, 50);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_NEAR(letto.Strati(i).Potenza, i / 3.0, i / 3.0 * 5e-15) << i; // 15 digits
        EXPECT_EQ(letto.Strati(i).Falda, i % 2) << i;
    }
    // Writing again gives the same bytes.
    EXPECT_EQ(ScriviProgetto(letto), byte);
}

TEST(ApriProgetto, TwoLayerExampleRecomputesFromTheSurchargeInEffect) {
    for (double q : {0.0, 20.0}) {
        Modulo1 m;
        m.Strati(0).Sv = q;
        m.Strati(5).Potenza = 9; // records above the new count keep their contents
        m.IndiceStrato = 7;
        const auto esito = ApriProgetto(m, fileEsempio);
        ASSERT_TRUE(esito.ok) << esito.messaggio;
        EXPECT_EQ(m.NumStrati, 2);
        EXPECT_EQ(m.IndiceStrato, 0);
        EXPECT_EQ(m.Strati(0).Sv, q);
        EXPECT_EQ(m.Strati(1).Potenza, 2.5);
        EXPECT_EQ(m.Strati(1).Sv, 2.5 * 18 + q);
        EXPECT_EQ(m.Strati(2).Sv, 2.5 * 18 + q + 60);
        EXPECT_EQ(m.Strati(2).Falda, 1);
        EXPECT_EQ(m.Strati(5).Potenza, 9);
    }
}

TEST(ApriProgetto, OneThirdComesBackRoundedTo15Digits) {
    Modulo1 m;
    m.Strati(1).Potenza = 1.0 / 3.0;
    m.NumStrati = 1;
    const std::string byte = ScriviProgetto(m);
    EXPECT_NE(byte.find(" .333333333333333 \r\n"), std::string::npos);
    Modulo1 letto;
    ASSERT_TRUE(ApriProgetto(letto, byte).ok);
    EXPECT_EQ(letto.Strati(1).Potenza, 0.333333333333333);
}

struct CasoLettura {
    const char* nome;
    std::string testo;
    std::vector<std::vector<double>> record; // five values each
};

class LetturaValida : public testing::TestWithParam<CasoLettura> {};

TEST_P(LetturaValida, ReadsTheValues) {
    const LetturaProgetto r = LeggiProgetto(GetParam().testo);
    ASSERT_TRUE(r.ok) << r.messaggio;
    ASSERT_EQ(r.record.size(), GetParam().record.size());
    for (std::size_t i = 0; i < r.record.size(); ++i) {
        const auto& s = r.record[i];
        const auto& v = GetParam().record[i];
        EXPECT_EQ(s.Potenza, v[0]) << i;
        EXPECT_EQ(s.Gamma, v[1]) << i;
        EXPECT_EQ(s.Coesione, v[2]) << i;
        EXPECT_EQ(s.AttritoInterno, v[3]) << i;
        EXPECT_EQ(s.Falda, v[4]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, LetturaValida,
    testing::Values(
        CasoLettura{"PointFiveWrittenWithoutZero",
                    " .5 \r\n 1 \r\n 2 \r\n 3 \r\n 0 \r\n",
                    {{0.5, 1, 2, 3, 0}}},
        // "2,5" is two values: everything after it moves up one field.
        CasoLettura{"CommaSplitsAValue",
                    " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n2,5\r\n 18 \r\n 0 \r\n 30 \r\n",
                    {{0, 0, 0, 0, 0}, {2, 5, 18, 0, 30}}},
        CasoLettura{"ExponentsAndSigns",
                    "1E+15\n-1.25\n.75\n1.5E-07\n-1\n",
                    {{1e15, -1.25, 0.75, 1.5e-7, -1}}},
        CasoLettura{"NotANumberReadsAsZero", "abc\n18\nx\n30\nsi\n", {{0, 18, 0, 30, 0}}},
        CasoLettura{"ValuesOnOneLine", "1 2 3 4 1", {{1, 2, 3, 4, 1}}},
        CasoLettura{
            "BareLineFeedsAndTrailingBlankLines", "1\n2\n3\n4\n0\n\n\n  \r\n", {{1, 2, 3, 4, 0}}},
        CasoLettura{"FlagRoundsHalfToEven",
                    "0\n0\n0\n0\n2.5\n0\n0\n0\n0\n0.4\n",
                    {{0, 0, 0, 0, 2}, {0, 0, 0, 0, 0}}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

struct CasoRotto {
    const char* nome;
    std::string testo;
    int riga;
    const char* parola; // a word the message must contain
};

class LetturaRotta : public testing::TestWithParam<CasoRotto> {};

std::string record(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += " 1 \r\n 18 \r\n 0 \r\n 30 \r\n 0 \r\n";
    return s;
}

TEST_P(LetturaRotta, FailsWithAMessageAndLeavesTheJobAsItWas) {
    const LetturaProgetto r = LeggiProgetto(GetParam().testo);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.riga, GetParam().riga);
    EXPECT_NE(r.messaggio.find(GetParam().parola), std::string::npos) << r.messaggio;

    Modulo1 m = esempioDueStrati();
    m.Strati(0).Sv = 10;
    CalcolaStrati(m, 2);
    m.IndiceStrato = 2;
    const Modulo1 prima = m;
    const EsitoApertura esito = ApriProgetto(m, GetParam().testo);
    EXPECT_FALSE(esito.ok);
    EXPECT_EQ(esito.messaggio, r.messaggio);
    EXPECT_EQ(m, prima);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, LetturaRotta,
    testing::Values(
        CasoRotto{"Empty", "", 0, "vuoto"}, CasoRotto{"OnlyBlanks", " \r\n\r\n", 0, "vuoto"},
        CasoRotto{"EndsInsideARecord", record(1) + " 1 \r\n 18 \r\n", 8, "coesione"},
        CasoRotto{"EndsInsideTheFirstRecord", " 0 \r\n", 2, "peso di volume"},
        CasoRotto{"FiftyTwoRecords", record(52), 256, "51"},
        CasoRotto{"FlagOutOfRange", " 1 \r\n 2 \r\n 3 \r\n 4 \r\n 99999 \r\n", 5, "falda"},
        CasoRotto{"ValueTooLarge", " 1E+999 \r\n 2 \r\n 3 \r\n 4 \r\n 0 \r\n", 1, "potenza"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(ApriProgetto, AResultThatIsNotFiniteFailsAndLeavesTheJobAsItWas) {
    Modulo1 m = esempioDueStrati();
    const Modulo1 prima = m;
    const auto esito =
        ApriProgetto(m, record(1) + " 1E+300 \r\n 1E+300 \r\n 0 \r\n 30 \r\n 0 \r\n");
    EXPECT_FALSE(esito.ok);
    EXPECT_NE(esito.messaggio.find("strato 1"), std::string::npos) << esito.messaggio;
    EXPECT_EQ(m, prima);
}

TEST(ApriProgetto, FiftyOneRecordsFillTheWholeTable) {
    Modulo1 m;
    ASSERT_TRUE(ApriProgetto(m, record(51)).ok);
    EXPECT_EQ(m.NumStrati, 50);
    EXPECT_EQ(m.Strati(50).Sv, 50 * 18);
}

TEST(ApriProgetto, RecordZeroOnlyGivesNoLayers) {
    Modulo1 m = esempioDueStrati();
    ASSERT_TRUE(ApriProgetto(m, record(1)).ok);
    EXPECT_EQ(m.NumStrati, 0);
    EXPECT_EQ(m.Strati(0).Potenza, 1);
    EXPECT_EQ(m.Strati(1).Potenza, 2.5); // not read, not cleared
}

} // namespace
} // namespace spintaro
