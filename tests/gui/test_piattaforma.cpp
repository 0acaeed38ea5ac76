// The small platform services: twips, the message service the tests answer, the separators.

#include "ambiente_prova.h"
#include "platform/fonte_separatori.h"
#include "platform/servizio_messaggi.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::PrintTo;

struct CasoTwips {
    const char* nome;
    double dpi;
    int twips;
    int pixel;
};

class TwipsInPixel : public ::testing::TestWithParam<CasoTwips> {};

TEST_P(TwipsInPixel, ArrotondaAlPixelPiuVicino) {
    const CasoTwips& c = GetParam();
    EXPECT_EQ(Twips(c.dpi).px(c.twips), c.pixel);
}

// 1440 twips make one inch: pixels = twips × dpi / 1440.
INSTANTIATE_TEST_SUITE_P(
    Tabella, TwipsInPixel,
    ::testing::Values(CasoTwips{"Quindici96", 96, 15, 1}, CasoTwips{"Client96", 96, 7875, 525},
                      CasoTwips{"AltezzaClient96", 96, 6015, 401},
                      CasoTwips{"SottoMezzo96", 96, 7, 0}, // 0.47 px
                      CasoTwips{"SopraMezzo96", 96, 8, 1}, // 0.53 px
                      CasoTwips{"Zero96", 96, 0, 0}, CasoTwips{"Pollice120", 120, 1440, 120},
                      CasoTwips{"Quindici120", 120, 15, 1}, // 1.25 px
                      CasoTwips{"Quindici144", 144, 15, 2}, // 1.5 px, half away from zero
                      CasoTwips{"Frame3Largo144", 144, 1455, 146},
                      CasoTwips{"Negativo96", 96, -30, -2}),
    prova::NomeCaso());

TEST(Twips, RettangoloConBordiArrotondatiUnoAUno) {
    // At 144 dpi: left 120 → 12 px, right edge 120 + 1455 = 1575 → 157.5 → 158 px, so 146 wide;
    // a neighbour starting at 1575 begins exactly at that edge.
    const Twips t(144);
    EXPECT_EQ(t.rettangolo(120, 0, 1455, 375), QRect(12, 0, 146, 38));
    EXPECT_EQ(t.rettangolo(1575, 0, 10, 10).left(), t.rettangolo(120, 0, 1455, 375).right() + 1);
}

TEST(Twips, DpiNonValidoValeNovantasei) {
    EXPECT_EQ(Twips(0).dpi(), 96.0);
    EXPECT_EQ(Twips(-5).px(150), 10);
}

TEST(Twips, SchermoOffscreenANovantaseiDpi) {
    EXPECT_EQ(Twips::delloSchermo().px(7875), 525);
}

TEST(MessaggiRegistrati, RisposteInCodaSoloPerLeDomande) {
    MessaggiRegistrati m;
    m.setNextAnswer(Risposta::Annulla);
    m.setNextAnswer(Risposta::Ok);
    // A box with OK alone does not use up the queued answers.
    EXPECT_EQ(m.mostra("T", "primo", Pulsanti::Ok), Risposta::Ok);
    EXPECT_EQ(m.mostra("T", "secondo", Pulsanti::OkAnnulla), Risposta::Annulla);
    EXPECT_EQ(m.mostra("T", "terzo", Pulsanti::OkAnnulla), Risposta::Ok);
    // Queue empty: OK.
    EXPECT_EQ(m.mostra("T", "quarto", Pulsanti::OkAnnulla), Risposta::Ok);
    EXPECT_EQ(m.testi(), QStringList({"primo", "secondo", "terzo", "quarto"}));
    EXPECT_EQ(m.risposteInAttesa(), 0u);
}

TEST(MessaggiRegistrati, RegistraTitoliBeepEOrdine) {
    MessaggiRegistrati m;
    m.beep();
    m.mostra("Spintaro", "a\r\nb", Pulsanti::Ok);
    m.beep();
    EXPECT_EQ(m.beeps(), 2);
    EXPECT_EQ(m.eventi(),
              QStringList({MessaggiRegistrati::Beep, "a\r\nb", MessaggiRegistrati::Beep}));
    ASSERT_EQ(m.messaggi().size(), 1u);
    EXPECT_EQ(m.messaggi()[0].titolo, "Spintaro");
    EXPECT_EQ(m.messaggi()[0].pulsanti, Pulsanti::Ok);
    m.azzera();
    EXPECT_TRUE(m.eventi().isEmpty());
    EXPECT_EQ(m.beeps(), 0);
}

TEST(Separatori, FissiEDelSistema) {
    EXPECT_EQ(SeparatoriFissi::italiani().separatori().decimale, ",");
    EXPECT_EQ(SeparatoriFissi::italiani().separatori().migliaia, ".");
    EXPECT_EQ(SeparatoriFissi::inglesi().separatori().decimale, ".");
    // The test programs run under LC_ALL=C: a period.
    EXPECT_EQ(SeparatoriDelSistema().separatori().decimale, ".");
}

} // namespace
} // namespace spintaro
