// SPDX-License-Identifier: GPL-3.0-or-later
// The export table and the report rows: print zones of 14 columns, the print form and "#.##".
#include "diagrams/rapporto.h"
#include "files/esportazione.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace spintaro {
namespace {

const std::string intestazione = "Strato        Potenza       Gamma         Coesione      "
                                 "Attr.int.     S.falda       Ka            Sv            "
                                 "Sa1           Sa2";

Modulo1 esempio() {
    Modulo1 m;
    m.Strati(1) = {2.5, 18, 0, 30, 0.3333, 45, 0, 15, 0};
    m.NumStrati = 1;
    return m;
}

std::string conVirgola(std::string s) {
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

TEST(Esportazione, ExampleByteForByteWithAPeriodAndWithAComma) {
    const std::string riga = " 1             2.5           18            0             30         "
                             "  No            .33           45.           .             15.";
    ASSERT_EQ(intestazione.size(), 129u);
    ASSERT_EQ(riga.size(), 129u);

    Modulo1 m = esempio();
    EXPECT_EQ(TestoEsportazione(m, "."), intestazione + "\r\n" + riga + "\r\n");
    EXPECT_EQ(m.IndiceStrato, 2);

    // With a comma only the numbers change; the header keeps "Attr.int." and "S.falda".
    Modulo1 n = esempio();
    EXPECT_EQ(TestoEsportazione(n, ","), intestazione + "\r\n" + conVirgola(riga) + "\r\n");
}

TEST(Esportazione, NoLayersWritesTheHeaderOnly) {
    Modulo1 m;
    EXPECT_EQ(TestoEsportazione(m, "."), intestazione + "\r\n");
    EXPECT_EQ(m.IndiceStrato, 1);
}

TEST(Esportazione, ALongNumberPushesTheRestOfItsLineOneZoneRight) {
    Modulo1 m = esempio();
    m.Strati(1).Potenza = 1.0 / 3.0;
    m.Strati(1).Falda = -3; // any non-zero flag is "Si"
    const std::string testo = TestoEsportazione(m, ".");
    const std::string riga = testo.substr(intestazione.size() + 2);
    EXPECT_EQ(riga.substr(0, 14), " 1            ");
    EXPECT_EQ(riga.substr(14, 18), " .333333333333333 "); // 18 columns: two zones
    EXPECT_EQ(riga.substr(32, 10), "          ");
    EXPECT_EQ(riga.substr(42, 4), " 18 "); // the next zone after 28 is at 42
    EXPECT_NE(riga.find("Si"), std::string::npos);
    EXPECT_EQ(riga.size(), 129u + 14u + 2u);
}

TEST(Esportazione, ALayerCountPast50Fails) {
    Modulo1 m;
    m.NumStrati = 51;
    EXPECT_ANY_THROW(TestoEsportazione(m, "."));
}

TEST(Rapporto, HeaderAndRowItemsWithBothSeparators) {
    Modulo1 m;
    m.Strati(1) = {2.5, 18, 0, 30, 0.3333, 90, -12.3456, 14.85, 1};
    m.Strati(2) = {3, 20, 10, 28, 0.5, 150, 29.7, 0.004, 0};
    m.Strati(3) = {1, 1, 1, 1, 1, 1, 1, 1, 0};
    m.NumStrati = 3;
    const auto righe = RigheRapporto(m, ",");
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_EQ(righe[0], (std::vector<std::string>{"Strato ", "Potenza", "Gamma", "Coesione",
                                                  "Attrito interno", "Sotto falda", "Ka", "Sv",
                                                  "Sa1", "Sa2"}));
    EXPECT_EQ(righe[1], (std::vector<std::string>{" 1 ", " 2,5 ", " 18 ", " 0 ", " 30 ", "Si",
                                                  ",33", "90,", "-12,35", "14,85"}));
    EXPECT_EQ(righe[2], (std::vector<std::string>{" 2 ", " 3 ", " 20 ", " 10 ", " 28 ", "No", ",5",
                                                  "150,", "29,7", ","}));
    EXPECT_EQ(righe[3][0], " 3 ");
    EXPECT_EQ(m.IndiceStrato, 4);

    const auto punto = RigheRapporto(m, ".");
    EXPECT_EQ(punto[1][1], " 2.5 ");
    EXPECT_EQ(punto[1][6], ".33");
    EXPECT_EQ(punto[1][7], "90.");
}

TEST(Rapporto, NoLayersGivesTheHeaderAndLeavesTheCursorAt1) {
    Modulo1 m;
    m.IndiceStrato = 9;
    EXPECT_EQ(RigheRapporto(m, ".").size(), 1u);
    EXPECT_EQ(m.IndiceStrato, 1);
}

} // namespace
} // namespace spintaro
