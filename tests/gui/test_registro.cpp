// SPDX-License-Identifier: GPL-3.0-or-later
// The window registry: single instances, open / hide / unload / print, the close box, the end of
// the program, the commands of the main window that open the other windows; and the small
// platform services: twips, the message service the tests answer, the system's separators.

#include "ambiente_prova.h"
#include "platform/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::AmbienteProva;
using prova::eliminaScaricate;
using prova::PrintTo;

struct CasoFinestra {
    const char* nome; // objectName
    IdFinestra id;
    const char* titolo;
};

class FinestraSecondaria : public ::testing::TestWithParam<CasoFinestra> {};

TEST_P(FinestraSecondaria, UnaSolaIstanzaNascondereConservaScaricareDistrugge) {
    const CasoFinestra& c = GetParam();
    AmbienteProva a;
    a.m().IndiceStrato = 7;
    ASSERT_NE(a.avvia(), nullptr);
    EXPECT_EQ(a.m().IndiceStrato, 0) << "the main window's load step";
    RegistroFinestre& r = a.registro();
    EXPECT_EQ(r.istanza(c.id), nullptr) << "no window but the main one at start";
    QPointer<FinestraBase> f = r.apri(c.id);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->objectName() + "|" + f->windowTitle(), QString(c.nome) + "|" + c.titolo);
    EXPECT_TRUE(f->isVisible() && !f->isModal() && f->parentWidget() == nullptr);
    EXPECT_EQ(r.apri(c.id), f);
    r.nascondi(c.id);
    eliminaScaricate();
    EXPECT_TRUE(!f->isVisible() && r.istanza(c.id) == f);
    EXPECT_TRUE(r.apri(c.id) == f && f->isVisible());
    EXPECT_EQ(r.caricamenti(c.id), 1) << "the load step runs once per instance";
    // The close box unloads it; a new instance loads again; the registry unloads it too.
    EXPECT_TRUE(f->close());
    EXPECT_EQ(r.istanza(c.id), nullptr);
    eliminaScaricate();
    EXPECT_TRUE(f.isNull());
    ASSERT_NE(f = r.apri(c.id), nullptr);
    EXPECT_EQ(r.caricamenti(c.id), 2);
    r.scarica(c.id);
    EXPECT_EQ(r.istanza(c.id), nullptr);
    eliminaScaricate();
    EXPECT_TRUE(f.isNull());
    EXPECT_EQ(a.fini, 0) << "closing a secondary window does not end the program";
    EXPECT_TRUE(a.finestra->isVisible() && a.finestra->isEnabled());
}

const CasoFinestra Secondarie[] = {
    {"Sv", IdFinestra::Sv, "Sigma v"},
    {"Sa", IdFinestra::Sa, "Sa"},
    {"stampa1", IdFinestra::stampa1, "stampa"},
    {"Apri", IdFinestra::Apri, "Apri"},
    {"Salva", IdFinestra::Salva, "Salva"},
    {"Esporta", IdFinestra::Esporta, "Esporta"},
    {"salvaimmagine", IdFinestra::salvaimmagine, "Salva Immagine"},
    {"Attenzione", IdFinestra::Attenzione, "ATTENZIONE"},
    {"Nuovolavoro", IdFinestra::Nuovolavoro, " "}, // an empty title bar
    {"frmSplash", IdFinestra::frmSplash, ""},
    {"grazie1", IdFinestra::grazie1, "E Grazie...."}};
INSTANTIATE_TEST_SUITE_P(Tutte, FinestraSecondaria, ::testing::ValuesIn(Secondarie),
                         prova::NomeCaso());

TEST(Registro, StampaCreaSenzaMostrareEPoiApriUsaLaStessaIstanza) {
    AmbienteProva a;
    a.avvia();
    ASSERT_TRUE(a.registro().stampa(IdFinestra::Sv));
    FinestraBase* sv = a.registro().istanza(IdFinestra::Sv);
    ASSERT_NE(sv, nullptr);
    EXPECT_FALSE(sv->isVisible());
    EXPECT_EQ(a.registro().apri(IdFinestra::Sv), sv);
    a.registro().stampa(IdFinestra::Sv); // a shown window stays shown
    EXPECT_TRUE(sv->isVisible());
    EXPECT_EQ(a.registro().caricamenti(IdFinestra::Sv), 1);
    EXPECT_EQ(a.stampa.stampate(), QStringList({"Sv", "Sv"}));
    EXPECT_EQ(a.stampa.visibili(), QList<bool>({false, true}));
}

// "&Chiudi" and the main window's close box end the program: every window is unloaded, shown or
// hidden, and the end-of-program action runs once.
TEST(Registro, UscitaScaricaTutteLeFinestreEFinisce) {
    for (const bool bordo : {false, true}) {
        SCOPED_TRACE(bordo ? "bordo" : "Chiudi");
        AmbienteProva a;
        a.m().NumStrati = 3; // unsaved layers: nothing is asked
        a.avvia();
        QList<QPointer<FinestraBase>> finestre = {a.finestra, a.registro().apri(IdFinestra::Sv),
                                                  a.registro().apri(IdFinestra::Sa),
                                                  a.registro().apri(IdFinestra::grazie1)};
        a.registro().nascondi(IdFinestra::Sa);
        a.registro().stampa(IdFinestra::stampa1); // loaded, never shown
        finestre << a.registro().istanza(IdFinestra::stampa1);
        bordo ? (void)a.finestra->close() : prova::clic(a.finestra->btn_Chiudi);
        EXPECT_EQ(a.fini, 1);
        EXPECT_TRUE(a.registro().terminato());
        EXPECT_TRUE(a.messaggi.eventi().isEmpty()) << "the exit asks nothing";
        for (IdFinestra id : TutteLeFinestre)
            EXPECT_EQ(a.registro().istanza(id), nullptr) << nomeFinestra(id).toStdString();
        eliminaScaricate();
        for (const auto& f : finestre)
            EXPECT_TRUE(f.isNull());
        EXPECT_EQ(a.registro().apri(IdFinestra::Sv), nullptr) << "nothing opens after the end";
    }
}

// Every menu item, toolbar picture and diagram button opens its window and no other; the
// print items print it without showing it.
struct CasoComando {
    const char* nome; // objectName of the action, picture or button
    IdFinestra apre;
    const char* stampata = nullptr;
};

class ComandoApre : public ::testing::TestWithParam<CasoComando> {};

TEST_P(ComandoApre, LaFinestraGiusta) {
    const CasoComando& c = GetParam();
    AmbienteProva a;
    a.avvia();
    // A job in memory, which opening a window must leave alone.
    a.m().NumStrati = 2;
    a.m().Strati(1).Potenza = 3;
    a.m().IndiceStrato = 1;
    Modulo1 atteso = a.m();
    auto* azione = a.finestra->findChild<QAction*>(c.nome);
    auto* pulsante = a.finestra->findChild<QAbstractButton*>(c.nome);
    ASSERT_TRUE(azione || pulsante);
    azione ? azione->trigger() : prova::clic(pulsante);
    for (IdFinestra id : TutteLeFinestre) {
        FinestraBase* f = a.registro().istanza(id);
        if (id == c.apre) {
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->isVisible(), c.stampata == nullptr);
        } else if (id != IdFinestra::Spintaro) {
            EXPECT_EQ(f, nullptr) << nomeFinestra(id).toStdString();
        }
    }
    // Only the window's own load step touches the job: the report walks the two layers and
    // leaves its cursor at n + 1.
    if (c.apre == IdFinestra::stampa1)
        atteso.IndiceStrato = 3;
    EXPECT_TRUE(a.m() == atteso) << "nothing is done before or after opening";
    EXPECT_EQ(a.stampa.stampate(), c.stampata ? QStringList({c.stampata}) : QStringList());
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

const CasoComando Comandi[] = {{"Picture1", IdFinestra::Attenzione, nullptr},
                               {"new", IdFinestra::Attenzione, nullptr},
                               {"Picture4", IdFinestra::Apri, nullptr},
                               {"Open", IdFinestra::Apri, nullptr},
                               {"Picture2", IdFinestra::Salva, nullptr},
                               {"Save", IdFinestra::Salva, nullptr},
                               {"esportamenu", IdFinestra::Esporta, nullptr},
                               {"Picture7", IdFinestra::stampa1, nullptr},
                               {"stampa", IdFinestra::stampa1, nullptr},
                               {"Salva_Sv", IdFinestra::salvaimmagine, nullptr},
                               {"Salva_Sa", IdFinestra::salvaimmagine, nullptr},
                               {"info_programma", IdFinestra::frmSplash, nullptr},
                               {"grazie", IdFinestra::grazie1, nullptr},
                               {"Grafico", IdFinestra::Sv, nullptr},
                               {"Command1", IdFinestra::Sa, nullptr},
                               {"stampasv", IdFinestra::Sv, "Sv"},
                               {"stampasa", IdFinestra::Sa, "Sa"}};
INSTANTIATE_TEST_SUITE_P(Tabella, ComandoApre, ::testing::ValuesIn(Comandi), prova::NomeCaso());

TEST(Twips, ArrotondaAlPixelPiuVicino) {
    // 1440 twips make one inch: pixels = twips × dpi / 1440, halves away from zero; without a
    // valid dpi, 96.
    const std::tuple<double, int, int> casi[] = {{96, 7875, 525}, {96, 6015, 401}, {96, 7, 0},
                                                 {96, 8, 1},      {96, -30, -2},   {120, 1440, 120},
                                                 {120, 15, 1},    {144, 15, 2},    {144, 1455, 146},
                                                 {0, 150, 10},    {-5, 150, 10}};
    for (const auto& [dpi, twips, pixel] : casi)
        EXPECT_EQ(Twips(dpi).px(twips), pixel) << dpi << " dpi, " << twips << " twips";
    EXPECT_EQ(Twips::delloSchermo().px(7875), 525) << "the offscreen screen is at 96 dpi";
    // At 144 dpi: left 120 → 12 px, right edge 1575 → 157.5 → 158 px, so 146 wide; a neighbour
    // starting at 1575 begins exactly at that edge.
    EXPECT_EQ(Twips(144).rettangolo(120, 0, 1455, 375), QRect(12, 0, 146, 38));
    EXPECT_EQ(Twips(144).rettangolo(1575, 0, 10, 10).left(), 158);
}

TEST(MessaggiRegistrati, RisposteInCodaSoloPerLeDomande) {
    MessaggiRegistrati m;
    m.setNextAnswer(Risposta::Annulla);
    m.setNextAnswer(Risposta::Ok);
    m.beep();
    // A box with OK alone does not use up the queued answers; an empty queue answers OK.
    EXPECT_EQ(m.mostra("Spintaro", "primo", Pulsanti::Ok), Risposta::Ok);
    EXPECT_EQ(m.mostra("T", "secondo", Pulsanti::OkAnnulla), Risposta::Annulla);
    EXPECT_EQ(m.mostra("T", "terzo", Pulsanti::OkAnnulla), Risposta::Ok);
    EXPECT_EQ(m.mostra("T", "quarto", Pulsanti::OkAnnulla), Risposta::Ok);
    EXPECT_EQ(m.eventi().join('|'), MessaggiRegistrati::Beep + "|primo|secondo|terzo|quarto");
    EXPECT_EQ(m.messaggi()[0].titolo, "Spintaro");
    EXPECT_EQ(m.messaggi()[1].pulsanti, Pulsanti::OkAnnulla);
    m.azzera();
    EXPECT_TRUE(m.eventi().isEmpty() && m.beeps() == 0);
}

TEST(Separatori, DelSistemaSottoLocaleC) {
    EXPECT_EQ(SeparatoriDelSistema().separatori().decimale, ".");
}

} // namespace
} // namespace spintaro
