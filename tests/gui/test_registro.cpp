// The window registry: single instances, open / hide / unload / print, the close box, the end of
// the program, and the commands of the main window that open the other windows.

#include "ambiente_prova.h"
#include "platform/pulsante_immagine.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::PrintTo;

using prova::AmbienteProva;
using prova::eliminaScaricate;

struct CasoFinestra {
    IdFinestra id;
    const char* nome;   // objectName
    const char* titolo; // caption
    const char* classe;
};

const CasoFinestra Secondarie[] = {
    {IdFinestra::Sv, "Sv", "Sigma v", "spintaro::SvWindow"},
    {IdFinestra::Sa, "Sa", "Sa", "spintaro::SaWindow"},
    {IdFinestra::stampa1, "stampa1", "stampa", "spintaro::Stampa1Window"},
    {IdFinestra::Apri, "Apri", "Apri", "spintaro::ApriWindow"},
    {IdFinestra::Salva, "Salva", "Salva", "spintaro::SalvaWindow"},
    {IdFinestra::Esporta, "Esporta", "Esporta", "spintaro::EsportaWindow"},
    {IdFinestra::salvaimmagine, "salvaimmagine", "Salva Immagine", "spintaro::SalvaimmagineWindow"},
    {IdFinestra::Attenzione, "Attenzione", "ATTENZIONE", "spintaro::AttenzioneWindow"},
    {IdFinestra::Nuovolavoro, "Nuovolavoro", "", "spintaro::NuovolavoroWindow"},
    {IdFinestra::frmSplash, "frmSplash", "", "spintaro::FrmSplashWindow"},
    {IdFinestra::grazie1, "grazie1", "E Grazie....", "spintaro::Grazie1Window"},
};

class FinestraSecondaria : public ::testing::TestWithParam<CasoFinestra> {
protected:
    void SetUp() override { ASSERT_NE(a.avvia(), nullptr); }
    AmbienteProva a;
};

TEST_P(FinestraSecondaria, AprireDueVolteMostraUnaSolaIstanza) {
    const CasoFinestra& c = GetParam();
    EXPECT_EQ(a.registro().istanza(c.id), nullptr) << "no window but the main one at start";
    FinestraBase* prima = a.registro().apri(c.id);
    ASSERT_NE(prima, nullptr);
    EXPECT_EQ(prima->objectName(), c.nome);
    EXPECT_EQ(prima->windowTitle(), c.titolo);
    EXPECT_STREQ(prima->metaObject()->className(), c.classe);
    EXPECT_TRUE(prima->isWindow());
    EXPECT_EQ(prima->parentWidget(), nullptr) << "windows have no owner";
    EXPECT_TRUE(prima->isVisible());
    EXPECT_FALSE(prima->isModal());
    FinestraBase* seconda = a.registro().apri(c.id);
    EXPECT_EQ(seconda, prima);
    EXPECT_EQ(a.registro().caricamenti(c.id), 1);
    // The main window stays usable.
    EXPECT_TRUE(a.finestra->isVisible());
    EXPECT_TRUE(a.finestra->isEnabled());
}

TEST_P(FinestraSecondaria, NascondereConservaLIstanza) {
    const CasoFinestra& c = GetParam();
    FinestraBase* f = a.registro().apri(c.id);
    f->setProperty("segno", 42); // stands for the window's contents
    a.registro().nascondi(c.id);
    eliminaScaricate();
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(a.registro().istanza(c.id), f);
    EXPECT_EQ(a.registro().apri(c.id), f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->property("segno").toInt(), 42);
    EXPECT_EQ(a.registro().caricamenti(c.id), 1) << "the load step runs once per instance";
}

TEST_P(FinestraSecondaria, ScaricareDistruggeLIstanza) {
    const CasoFinestra& c = GetParam();
    QPointer<FinestraBase> f = a.registro().apri(c.id);
    a.registro().scarica(c.id);
    EXPECT_EQ(a.registro().istanza(c.id), nullptr);
    eliminaScaricate();
    EXPECT_TRUE(f.isNull());
    FinestraBase* nuova = a.registro().apri(c.id);
    ASSERT_NE(nuova, nullptr);
    EXPECT_EQ(a.registro().caricamenti(c.id), 2) << "a new instance runs its load step again";
    EXPECT_EQ(a.fini, 0);
}

TEST_P(FinestraSecondaria, IlBordoChiudeEScarica) {
    const CasoFinestra& c = GetParam();
    QPointer<FinestraBase> f = a.registro().apri(c.id);
    EXPECT_TRUE(f->close());
    EXPECT_EQ(a.registro().istanza(c.id), nullptr);
    eliminaScaricate();
    EXPECT_TRUE(f.isNull());
    EXPECT_EQ(a.fini, 0) << "closing a secondary window does not end the program";
    EXPECT_TRUE(a.finestra->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Tutte, FinestraSecondaria, ::testing::ValuesIn(Secondarie),
                         prova::NomeCaso());

TEST(Registro, CaricamentoDellaPrincipaleAzzeraIndiceStrato) {
    AmbienteProva a;
    a.m().IndiceStrato = 7;
    a.avvia();
    EXPECT_EQ(a.m().IndiceStrato, 0);
    EXPECT_EQ(a.registro().caricamenti(IdFinestra::Spintaro), 1);
    // Only the main window exists at start.
    for (const CasoFinestra& c : Secondarie)
        EXPECT_EQ(a.registro().istanza(c.id), nullptr) << c.nome;
}

TEST(Registro, StampaCreaSenzaMostrareEPoiApriUsaLaStessaIstanza) {
    AmbienteProva a;
    a.avvia();
    ASSERT_TRUE(a.registro().stampa(IdFinestra::Sv));
    FinestraBase* sv = a.registro().istanza(IdFinestra::Sv);
    ASSERT_NE(sv, nullptr);
    EXPECT_FALSE(sv->isVisible());
    EXPECT_EQ(a.stampa.stampate(), QStringList({"Sv"}));
    EXPECT_EQ(a.stampa.visibili(), QList<bool>({false}));
    EXPECT_EQ(a.registro().apri(IdFinestra::Sv), sv);
    EXPECT_EQ(a.registro().caricamenti(IdFinestra::Sv), 1);
    EXPECT_TRUE(sv->isVisible());
    // Printing a shown window leaves it shown.
    a.registro().stampa(IdFinestra::Sv);
    EXPECT_TRUE(sv->isVisible());
    EXPECT_EQ(a.stampa.visibili(), QList<bool>({false, true}));
}

TEST(Registro, FinestraNonRegistrataSegnalaErrore) {
    MessaggiRegistrati messaggi;
    StampaRegistrata stampa;
    RegistroFinestre r(stampa, {});
    EXPECT_THROW(r.apri(IdFinestra::Sv), std::logic_error);
    EXPECT_EQ(r.istanza(IdFinestra::Sv), nullptr);
}

// "&Chiudi" and the main window's close box end the program: every window is unloaded, shown or
// hidden, and the end-of-program action runs once.
enum class ModoUscita { Chiudi, BordoPrincipale };

class Uscita : public ::testing::TestWithParam<ModoUscita> {};

TEST_P(Uscita, ScaricaTutteLeFinestreEFinisce) {
    AmbienteProva a;
    a.m().NumStrati = 3; // unsaved layers: nothing is asked
    a.avvia();
    QPointer<FinestraBase> principale = a.finestra;
    QPointer<FinestraBase> sv = a.registro().apri(IdFinestra::Sv);
    QPointer<FinestraBase> sa = a.registro().apri(IdFinestra::Sa);
    QPointer<FinestraBase> grazie = a.registro().apri(IdFinestra::grazie1);
    a.registro().nascondi(IdFinestra::Sa);
    a.registro().stampa(IdFinestra::stampa1); // loaded, never shown
    QPointer<FinestraBase> stampa1 = a.registro().istanza(IdFinestra::stampa1);

    if (GetParam() == ModoUscita::Chiudi)
        QTest::mouseClick(a.finestra->btn_Chiudi, Qt::LeftButton);
    else
        a.finestra->close();

    EXPECT_EQ(a.fini, 1);
    EXPECT_TRUE(a.registro().terminato());
    EXPECT_TRUE(a.messaggi.eventi().isEmpty()) << "the exit asks nothing";
    for (IdFinestra id : TutteLeFinestre)
        EXPECT_EQ(a.registro().istanza(id), nullptr) << nomeFinestra(id).toStdString();
    eliminaScaricate();
    for (const auto& f : {principale, sv, sa, grazie, stampa1})
        EXPECT_TRUE(f.isNull());
    EXPECT_EQ(a.registro().apri(IdFinestra::Sv), nullptr) << "nothing opens after the end";
}

INSTANTIATE_TEST_SUITE_P(Modi, Uscita,
                         ::testing::Values(ModoUscita::Chiudi, ModoUscita::BordoPrincipale),
                         [](const auto& caso) {
                             return caso.param == ModoUscita::Chiudi ? std::string("Chiudi")
                                                                     : std::string("Bordo");
                         });

// Every menu item and toolbar picture opens its window, and no other.
struct CasoComando {
    const char* nome; // objectName of the action or picture
    bool immagine;    // a toolbar picture (clicked) rather than a menu item (triggered)
    IdFinestra apre;
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
    const Modulo1 prima = a.m();
    if (c.immagine) {
        auto* p = a.finestra->findChild<PulsanteImmagine*>(c.nome);
        ASSERT_NE(p, nullptr);
        QTest::mouseClick(p, Qt::LeftButton);
    } else {
        auto* azione = a.finestra->findChild<QAction*>(c.nome);
        ASSERT_NE(azione, nullptr);
        azione->trigger();
    }
    for (IdFinestra id : TutteLeFinestre) {
        if (id == IdFinestra::Spintaro)
            continue;
        FinestraBase* f = a.registro().istanza(id);
        if (id == c.apre) {
            ASSERT_NE(f, nullptr);
            EXPECT_TRUE(f->isVisible());
        } else {
            EXPECT_EQ(f, nullptr) << nomeFinestra(id).toStdString();
        }
    }
    // Only the window's own load step touches the job: the report walks the two layers and
    // leaves its cursor at n + 1.
    Modulo1 atteso = prima;
    if (c.apre == IdFinestra::stampa1)
        atteso.IndiceStrato = 3;
    EXPECT_TRUE(a.m() == atteso) << "nothing is done before or after opening";
    EXPECT_TRUE(a.stampa.stampate().isEmpty());
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, ComandoApre,
    ::testing::Values(CasoComando{"Picture1", true, IdFinestra::Attenzione},
                      CasoComando{"new", false, IdFinestra::Attenzione},
                      CasoComando{"Picture4", true, IdFinestra::Apri},
                      CasoComando{"Open", false, IdFinestra::Apri},
                      CasoComando{"Picture2", true, IdFinestra::Salva},
                      CasoComando{"Save", false, IdFinestra::Salva},
                      CasoComando{"esportamenu", false, IdFinestra::Esporta},
                      CasoComando{"Picture7", true, IdFinestra::stampa1},
                      CasoComando{"stampa", false, IdFinestra::stampa1},
                      CasoComando{"Salva_Sv", false, IdFinestra::salvaimmagine},
                      CasoComando{"Salva_Sa", false, IdFinestra::salvaimmagine},
                      CasoComando{"info_programma", false, IdFinestra::frmSplash},
                      CasoComando{"grazie", false, IdFinestra::grazie1}),
    prova::NomeCaso());

struct CasoPulsanteDiagramma {
    const char* nome;
    IdFinestra apre;
};

class PulsanteDiagramma : public ::testing::TestWithParam<CasoPulsanteDiagramma> {};

TEST_P(PulsanteDiagramma, DueVolteUnaSolaFinestraPortataDavanti) {
    AmbienteProva a;
    a.avvia();
    auto* p = a.finestra->findChild<QPushButton*>(GetParam().nome);
    ASSERT_NE(p, nullptr);
    QTest::mouseClick(p, Qt::LeftButton);
    FinestraBase* f = a.registro().istanza(GetParam().apre);
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    a.finestra->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(a.finestra));
    QTest::mouseClick(p, Qt::LeftButton);
    EXPECT_EQ(a.registro().istanza(GetParam().apre), f);
    EXPECT_EQ(a.registro().caricamenti(GetParam().apre), 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(f)) << "the second time it is brought to the front";
}

INSTANTIATE_TEST_SUITE_P(Tabella, PulsanteDiagramma,
                         ::testing::Values(CasoPulsanteDiagramma{"Grafico", IdFinestra::Sv},
                                           CasoPulsanteDiagramma{"Command1", IdFinestra::Sa}),
                         prova::NomeCaso());

struct CasoStampaMenu {
    const char* voce;
    IdFinestra finestra;
    const char* nome;
};

class StampaDalMenu : public ::testing::TestWithParam<CasoStampaMenu> {};

TEST_P(StampaDalMenu, StampaSenzaMostrare) {
    AmbienteProva a;
    a.avvia();
    a.finestra->findChild<QAction*>(GetParam().voce)->trigger();
    EXPECT_EQ(a.stampa.stampate(), QStringList({GetParam().nome}));
    ASSERT_NE(a.registro().istanza(GetParam().finestra), nullptr);
    EXPECT_FALSE(a.registro().istanza(GetParam().finestra)->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Tabella, StampaDalMenu,
                         ::testing::Values(CasoStampaMenu{"stampasv", IdFinestra::Sv, "Sv"},
                                           CasoStampaMenu{"stampasa", IdFinestra::Sa, "Sa"}),
                         [](const auto& caso) { return std::string(caso.param.voce); });

TEST(Registro, DiagrammaChiusoDalBordoSiRicaricaNascostoNo) {
    AmbienteProva a;
    a.avvia();
    QTest::mouseClick(a.finestra->Grafico, Qt::LeftButton);
    a.registro().nascondi(IdFinestra::Sv);
    QTest::mouseClick(a.finestra->Grafico, Qt::LeftButton);
    EXPECT_EQ(a.registro().caricamenti(IdFinestra::Sv), 1);
    a.registro().istanza(IdFinestra::Sv)->close();
    QTest::mouseClick(a.finestra->Grafico, Qt::LeftButton);
    EXPECT_EQ(a.registro().caricamenti(IdFinestra::Sv), 2);
}

} // namespace
} // namespace spintaro
