// SPDX-License-Identifier: GPL-3.0-or-later
// The layer table and the 16-bit integers: range checks and the cursor of the walks.
#include "codice_errore.h"
#include "model/azzeramento.h"
#include "model/errore.h"
#include "model/intero16.h"
#include "model/modulo1.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace spintaro {
namespace {

using prova::codiceDi;

TEST(Tabella, StartsAllZero) {
    const Modulo1 m;
    EXPECT_EQ(m.NumStrati, 0);
    EXPECT_EQ(m.IndiceStrato, 0);
    EXPECT_EQ(m.SpintaTotale, 0.0);
    for (int i = 0; i <= 50; ++i)
        EXPECT_EQ(m.Strati(i), Strato{}) << i;
}

TEST(Tabella, IndexOutside0To50FailsWithCode9AndTouchesNothing) {
    Modulo1 m;
    m.Strati(50).Potenza = 7;
    const Modulo1 prima = m;
    for (long long i : {-1LL, 51LL, 32767LL, -32768LL}) {
        EXPECT_EQ(codiceDi([&] { m.Strati(i).Potenza = 1; }), ErroreIndice) << i;
        EXPECT_EQ(codiceDi([&] { (void)std::as_const(m).Strati(i); }), ErroreIndice) << i;
    }
    EXPECT_EQ(m, prima);
}

struct CasoArrotonda {
    double x;
    int atteso; // 0 with codice 6 means overflow
    int codice;
};

TEST(Intero16, RoundsHalvesToEvenAndDetectsOverflow) {
    const std::vector<CasoArrotonda> casi = {
        {2.5, 2, 0},           {3.5, 4, 0},      {-2.5, -2, 0},       {-3.5, -4, 0},
        {4.5, 4, 0},           {0.5, 0, 0},      {1.5, 2, 0},         {2.4999, 2, 0},
        {2.5001, 3, 0},        {-0.4, 0, 0},     {32767.4, 32767, 0}, {32767.5, 0, 6},
        {-32768.5, -32768, 0}, {-32768.6, 0, 6}, {1e300, 0, 6},       {std::nan(""), 0, 6},
    };
    for (const auto& c : casi) {
        if (c.codice == 0)
            EXPECT_EQ(arrotondaIntero16(c.x), c.atteso) << c.x;
        else
            EXPECT_EQ(codiceDi([&] { arrotondaIntero16(c.x); }), c.codice) << c.x;
    }
}

TEST(Intero16, SumsOutsideTheRangeFailWithCode6) {
    EXPECT_EQ(somma16(32766, 1), 32767);
    EXPECT_EQ(codiceDi([] { somma16(32767, 1); }), ErroreOverflow);
    EXPECT_EQ(codiceDi([] { somma16(-32768, -1); }), ErroreOverflow);
    EXPECT_EQ(codiceDi([] { aIntero16(40000); }), ErroreOverflow);
    EXPECT_EQ(codiceDi([] { somma16(0, 1LL << 40); }), ErroreOverflow);
}

TEST(Percorso, LeavesTheCursorOnePastTheLastIndexVisited) {
    Modulo1 m;
    std::vector<int> visti;
    percorri(m, 1, 3, [&](int i) { visti.push_back(i); });
    EXPECT_EQ(visti, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(m.IndiceStrato, 4);

    visti.clear();
    percorri(m, 1, 0, [&](int i) { visti.push_back(i); });
    EXPECT_TRUE(visti.empty());
    EXPECT_EQ(m.IndiceStrato, 1);

    // The cursor is the shared one: the body sees it equal to the index.
    percorri(m, 0, 2, [&](int i) { EXPECT_EQ(m.IndiceStrato, i); });
    EXPECT_EQ(m.IndiceStrato, 3);
}

TEST(Percorso, AWalkToRecord51StopsWithCode9AtThatRecord) {
    Modulo1 m;
    int visitati = 0;
    EXPECT_EQ(codiceDi([&] {
                  percorri(m, 1, 51, [&](int i) {
                      m.Strati(i).Potenza = 1;
                      ++visitati;
                  });
              }),
              ErroreIndice);
    EXPECT_EQ(visitati, 50);
    EXPECT_EQ(m.IndiceStrato, 51);
}

// Both resets clear the five inputs of layers 1..NumStrati (at most 50) and nothing else; the new
// job also zeroes the thrust. Record 0 keeps the surcharge, the computed fields stay stale.
TEST(Azzeramento, ClearsTheInputsOfTheLayersOnly) {
    struct Caso {
        int numStrati;
        bool nuovo;
        int cursore; // IndiceStrato after the walk
    };
    for (const Caso c : {Caso{3, false, 4}, Caso{3, true, 4}, Caso{0, true, 1}, Caso{51, false, 51},
                         Caso{50, true, 51}}) {
        SCOPED_TRACE(::testing::Message() << c.numStrati << (c.nuovo ? " nuovo" : " scarta"));
        Modulo1 m;
        for (int i = 0; i <= 50; ++i)
            m.Strati(i) = {1.0 + i, 18, 5, 30, 0.3, 40.0 + i, 2, 3, 1};
        m.NumStrati = static_cast<Intero16>(c.numStrati);
        m.SpintaTotale = 137.8;
        const Modulo1 prima = m;
        c.nuovo ? NuovoLavoro(m) : ScartaLavoro(m);
        EXPECT_EQ(m.NumStrati, 0);
        EXPECT_EQ(m.IndiceStrato, c.cursore);
        EXPECT_EQ(m.SpintaTotale, c.nuovo ? 0.0 : 137.8);
        for (int i = 0; i <= 50; ++i) {
            Strato atteso = prima.Strati(i);
            if (i >= 1 && i <= c.numStrati) {
                atteso.Potenza = atteso.Gamma = atteso.Coesione = atteso.AttritoInterno = 0;
                atteso.Falda = 0;
            }
            EXPECT_EQ(m.Strati(i), atteso) << i;
        }
    }
}

} // namespace
} // namespace spintaro
