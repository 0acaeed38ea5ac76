// The two questions before a job is thrown away: "Salvare il Lavoro?" (Attenzione) and
// "Nuovo Lavoro?" (Nuovolavoro), their layouts, the discard, the new-job reset and the whole
// chain from "Nuovo Calcolo" through the save.

#include "ambiente_prova.h"
#include "files/attenzione_window.h"
#include "files/nuovolavoro_window.h"
#include "files/salva_window.h"
#include "finestre_file_prova.h"
#include "model/modulo1.h"
#include "platform/pulsante_immagine.h"
#include "platform/twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <vector>

namespace spintaro {
namespace {

using prova::PrintTo;

using prova::AmbienteProva;
using prova::CartellaDiLavoro;
using prova::clic;
using prova::eliminaScaricate;
using prova::leggi;
using prova::scrivi;

class Domande : public ::testing::Test {
protected:
    void SetUp() override {
        f = a.avvia();
        ASSERT_NE(f, nullptr);
    }

    void strato(const QString& h, const QString& g, const QString& c, const QString& fi,
                bool sottoFalda = false) {
        scrivi(f->txt_potenza, h);
        scrivi(f->txt_gamma, g);
        scrivi(f->txt_coesione, c);
        scrivi(f->txt_attrint, fi);
        QRadioButton* o = sottoFalda ? f->OptSi : f->OptNo;
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(5, o->height() / 2));
    }

    // Three layers, a surcharge of 10, the entry closed and the thrust computed. Layer 1 is
    // cohesive (h 4, γ 19, c 10, φ 20): its top is in tension, so z0 is shown with it.
    void treStrati() {
        scrivi(f->txt_sovraccarico, "10");
        strato("4", "19", "10", "20");
        clic(f->nuovo);
        strato("2", "18", "0", "30");
        clic(f->nuovo);
        strato("3", "20", "5", "25", true);
        clic(f->Fine);
        clic(f->Command2);
        ASSERT_EQ(a.m().NumStrati, 3);
        ASSERT_EQ(f->txt_strat->text(), "1");
        ASSERT_FALSE(f->txt_z0->text().isEmpty());
        ASSERT_FALSE(f->txt_spinta->text().isEmpty());
        ASSERT_EQ(a.m().IndiceStrato, 4);
    }

    AttenzioneWindow* attenzione() {
        return a.registro().istanzaDi<AttenzioneWindow>(IdFinestra::Attenzione);
    }
    NuovolavoroWindow* nuovolavoro() {
        return a.registro().istanzaDi<NuovolavoroWindow>(IdFinestra::Nuovolavoro);
    }

    QStringList visualizza() const {
        QStringList t;
        for (const QLineEdit* c :
             {f->txt_strat, f->txt_pot, f->txt_gam, f->txt_coes, f->txt_attritint, f->txt_ka,
              f->txt_Sv, f->txt_sa1, f->txt_sa2, f->txt_z0})
            t.append(c->text());
        return t;
    }
    QStringList caselleInserimento() const {
        return {f->txt_sovraccarico->text(), f->txt_potenza->text(), f->txt_gamma->text(),
                f->txt_coesione->text(), f->txt_attrint->text()};
    }

    // The job after a reset: inputs of layers 1..n zero, the computed fields and record 0 kept.
    static Modulo1 azzerato(Modulo1 m, int n) {
        for (int i = 1; i <= n; ++i) {
            Strato& s = m.Strati(i);
            s.Potenza = s.Gamma = s.Coesione = s.AttritoInterno = 0;
            s.Falda = 0;
        }
        m.NumStrati = 0;
        m.IndiceStrato = static_cast<Intero16>(n + 1);
        return m;
    }

    CartellaDiLavoro cartella;
    AmbienteProva a;
    SpintaroWindow* f = nullptr;
};

// --- Layout -----------------------------------------------------------------------------------

TEST_F(Domande, ImpaginazioneDiAttenzione) {
    f->new_->trigger();
    AttenzioneWindow* w = attenzione();
    ASSERT_NE(w, nullptr);
    const Twips t = Twips::delloSchermo();
    EXPECT_EQ(w->windowTitle(), "ATTENZIONE");
    EXPECT_EQ(w->size(), t.dimensione(3750, 1410));
    EXPECT_EQ(w->Label1->text(), "Salvare il Lavoro?");
    EXPECT_EQ(w->Label1->geometry(), t.rettangolo(1200, 360, 1455, 255));
    EXPECT_EQ(w->Command2->text(), "&Si");
    EXPECT_EQ(w->Command2->geometry(), t.rettangolo(120, 960, 1095, 315));
    EXPECT_EQ(w->Command1->text(), "&No");
    EXPECT_EQ(w->Command1->geometry(), t.rettangolo(1320, 960, 1095, 315));
    EXPECT_EQ(w->Command3->text(), "&Annulla");
    EXPECT_EQ(w->Command3->geometry(), t.rettangolo(2520, 960, 1095, 315));
    EXPECT_FALSE(w->isModal());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), w->Command2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->Command1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->Command3);
}

TEST_F(Domande, ImpaginazioneDiNuovolavoro) {
    NuovolavoroWindow* w =
        qobject_cast<NuovolavoroWindow*>(a.registro().apri(IdFinestra::Nuovolavoro));
    ASSERT_NE(w, nullptr);
    const Twips t = Twips::delloSchermo();
    EXPECT_EQ(w->windowTitle(), "");
    EXPECT_EQ(w->size(), t.dimensione(4680, 1380));
    EXPECT_EQ(w->Label1->text(), "Nuovo Lavoro?");
    EXPECT_EQ(w->Label1->geometry(), t.rettangolo(1440, 240, 2175, 375));
    EXPECT_EQ(w->Command1->text(), "&Si");
    EXPECT_EQ(w->Command1->geometry(), t.rettangolo(600, 840, 1335, 375));
    EXPECT_EQ(w->Command2->text(), "&No");
    EXPECT_EQ(w->Command2->geometry(), t.rettangolo(2280, 840, 1215, 375));
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), w->Command1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->Command2);
}

// --- Attenzione -------------------------------------------------------------------------------

TEST_F(Domande, NuovoCalcoloApreSoloLaDomanda) {
    treStrati();
    const Modulo1 prima = a.m();
    const QStringList mostrati = visualizza();
    clic(f->Picture1);
    AttenzioneWindow* w = attenzione();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(a.m(), prima) << "nothing is cleared before the answer";
    EXPECT_EQ(visualizza(), mostrati);
    w->hide();
    f->new_->trigger();
    EXPECT_EQ(attenzione(), w) << "one instance, shown again";
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(a.m(), prima);
}

TEST_F(Domande, NoScartaIlLavoroESvuotaLaVisualizzazione) {
    treStrati();
    const Modulo1 atteso = azzerato(a.m(), 3);
    const QString z0 = f->txt_z0->text();
    const QString spinta = f->txt_spinta->text();
    // Half-typed values in the entry boxes stay where they are.
    scrivi(f->txt_potenza, "7");
    scrivi(f->txt_gamma, "abc");
    const QStringList inserimento = caselleInserimento();

    f->new_->trigger();
    clic(attenzione()->Command1);
    eliminaScaricate();

    EXPECT_EQ(a.m(), atteso) << "inputs of 1..3 zero, computed fields, record 0 and the thrust "
                                "kept, IndiceStrato one past the walk";
    EXPECT_EQ(a.m().Strati(0).Sv, 10) << "the surcharge stays";
    EXPECT_NE(a.m().Strati(1).Ka, 0) << "computed fields stay until the next pass";
    EXPECT_EQ(f->txt_strato->text(), "1");
    EXPECT_EQ(visualizza(), QStringList({"", "", "", "", "", "", "", "", "", z0}))
        << "nine boxes emptied, z0 kept";
    EXPECT_EQ(caselleInserimento(), inserimento);
    EXPECT_EQ(f->txt_spinta->text(), spinta);
    ASSERT_NE(attenzione(), nullptr) << "hidden, not unloaded";
    EXPECT_FALSE(attenzione()->isVisible());
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    EXPECT_FALSE(a.registro().istanza(IdFinestra::Salva));
}

TEST_F(Domande, AnnullaNonTocca) {
    treStrati();
    const Modulo1 prima = a.m();
    const QStringList mostrati = visualizza();
    f->new_->trigger();
    clic(attenzione()->Command3);
    EXPECT_EQ(a.m(), prima);
    EXPECT_EQ(visualizza(), mostrati);
    EXPECT_EQ(f->txt_strato->text(), "3");
    EXPECT_FALSE(attenzione()->isVisible());
}

TEST_F(Domande, SiApreSalvaENonCancellaNiente) {
    treStrati();
    const Modulo1 prima = a.m();
    f->new_->trigger();
    clic(attenzione()->Command2);
    auto* s = a.registro().istanzaDi<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isVisible());
    EXPECT_FALSE(attenzione()->isVisible());
    EXPECT_EQ(a.m(), prima);
    // Annulla in the save window: nothing saved, nothing cleared.
    clic(s->Annulla);
    eliminaScaricate();
    EXPECT_EQ(a.m(), prima);
    EXPECT_TRUE(cartella.contenuto().isEmpty());
    EXPECT_EQ(a.registro().istanza(IdFinestra::Nuovolavoro), nullptr);
}

TEST_F(Domande, LaCatenaCompletaSalvaEPoiCancella) {
    treStrati();
    const Modulo1 atteso = [this] {
        Modulo1 m = azzerato(a.m(), 3);
        m.SpintaTotale = 0;
        return m;
    }();
    const QStringList mostrati = visualizza();
    const QString spinta = f->txt_spinta->text();

    clic(f->Picture1);
    clic(attenzione()->Command2);
    auto* s = a.registro().istanzaDi<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    scrivi(s->txt_salva, "lavoro");
    clic(s->Salva);
    eliminaScaricate();
    EXPECT_EQ(leggi(cartella.file("lavoro.spt")), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                                                  " 4 \r\n 19 \r\n 10 \r\n 20 \r\n 0 \r\n"
                                                  " 2 \r\n 18 \r\n 0 \r\n 30 \r\n 0 \r\n"
                                                  " 3 \r\n 20 \r\n 5 \r\n 25 \r\n 1 \r\n");
    NuovolavoroWindow* n = nuovolavoro();
    ASSERT_NE(n, nullptr);
    EXPECT_TRUE(n->isVisible());
    clic(n->Command1);

    EXPECT_EQ(a.m(), atteso);
    EXPECT_EQ(a.m().SpintaTotale, 0);
    EXPECT_EQ(f->txt_strato->text(), "1");
    EXPECT_EQ(visualizza(), mostrati) << "the new-job reset leaves the \"Visualizza\" frame";
    EXPECT_EQ(f->txt_spinta->text(), spinta);
    EXPECT_FALSE(n->isVisible());
    EXPECT_EQ(nuovolavoro(), n) << "hidden, not unloaded";

    // Entry starts again at layer 1.
    strato("1,5", "17", "", "");
    clic(f->nuovo);
    EXPECT_EQ(a.m().Strati(1).Potenza, 1.5);
    EXPECT_EQ(f->txt_strato->text(), "2");
}

TEST_F(Domande, NoANuovoLavoroTieneIlLavoro) {
    treStrati();
    clic(f->Picture1);
    clic(attenzione()->Command2);
    auto* s = a.registro().istanzaDi<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    clic(s->Salva);
    eliminaScaricate();
    const Modulo1 dopoSalvataggio = a.m();
    EXPECT_EQ(dopoSalvataggio.IndiceStrato, 4);
    ASSERT_NE(nuovolavoro(), nullptr);
    clic(nuovolavoro()->Command2);
    EXPECT_EQ(a.m(), dopoSalvataggio);
    EXPECT_EQ(a.m().NumStrati, 3);
    EXPECT_TRUE(QFileInfo::exists(cartella.file("Nuovo.spt")));
    EXPECT_FALSE(nuovolavoro()->isVisible());
    EXPECT_EQ(f->txt_strato->text(), "3");
}

TEST_F(Domande, UnSalvataggioDalMenuChiedeAncheLuiNuovoLavoro) {
    treStrati();
    f->Save->trigger();
    clic(a.registro().istanzaDi<SalvaWindow>(IdFinestra::Salva)->Salva);
    eliminaScaricate();
    ASSERT_NE(nuovolavoro(), nullptr);
    EXPECT_TRUE(nuovolavoro()->isVisible());
    EXPECT_EQ(attenzione(), nullptr) << "no save-first question on this path";
}

// --- Edge cases of the resets -----------------------------------------------------------------

struct CasoAzzeramento {
    std::string nome;
    bool nuovoLavoro; // true: "Nuovo Lavoro?" "&Si"; false: "Salvare il Lavoro?" "&No"
};

class Azzeramento : public Domande, public ::testing::WithParamInterface<CasoAzzeramento> {
protected:
    void azzera() {
        if (GetParam().nuovoLavoro) {
            auto* n = qobject_cast<NuovolavoroWindow*>(a.registro().apri(IdFinestra::Nuovolavoro));
            ASSERT_NE(n, nullptr);
            clic(n->Command1);
        } else {
            f->new_->trigger();
            clic(attenzione()->Command1);
        }
    }
};

TEST_P(Azzeramento, SenzaStratiNonCambiaNessunRecord) {
    // Records above NumStrati keep what they hold: an old layer 1 stays.
    a.m().Strati(1).Potenza = 5;
    a.m().Strati(1).Gamma = 18;
    a.m().NumStrati = 0;
    a.m().IndiceStrato = 9;
    azzera();
    EXPECT_EQ(a.m().Strati(1).Potenza, 5);
    EXPECT_EQ(a.m().Strati(1).Gamma, 18);
    EXPECT_EQ(a.m().NumStrati, 0);
    EXPECT_EQ(a.m().IndiceStrato, 1);
    EXPECT_EQ(f->txt_strato->text(), "1");
}

// After the fiftieth "Nuovo" the number being typed is 51, one past the table: the reset clears
// the fifty layers and touches nothing beyond the table.
TEST_P(Azzeramento, DopoIlCinquantunesimoStratoPulisceLaTabella) {
    for (int i = 1; i <= 50; ++i) {
        a.m().Strati(i).Potenza = i;
        a.m().Strati(i).Falda = 1;
    }
    a.m().NumStrati = 51;
    f->txt_strato->setText("51");
    azzera();
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(a.m().Strati(i).Potenza, 0) << i;
        EXPECT_EQ(a.m().Strati(i).Falda, 0) << i;
    }
    EXPECT_EQ(a.m().NumStrati, 0);
    EXPECT_EQ(a.m().IndiceStrato, 51);
    EXPECT_EQ(f->txt_strato->text(), "1");
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    EXPECT_EQ(a.fini, 0);
}

INSTANTIATE_TEST_SUITE_P(Casi, Azzeramento,
                         ::testing::Values(CasoAzzeramento{"Scarta", false},
                                           CasoAzzeramento{"NuovoLavoro", true}),
                         prova::NomeCaso{});

TEST_F(Domande, LaChiusuraDalBordoNonFaNulla) {
    treStrati();
    const Modulo1 prima = a.m();
    f->new_->trigger();
    AttenzioneWindow* w = attenzione();
    ASSERT_NE(w, nullptr);
    w->close();
    auto* n = qobject_cast<NuovolavoroWindow*>(a.registro().apri(IdFinestra::Nuovolavoro));
    ASSERT_NE(n, nullptr);
    n->close();
    eliminaScaricate();
    EXPECT_EQ(attenzione(), nullptr);
    EXPECT_EQ(nuovolavoro(), nullptr);
    EXPECT_EQ(a.m(), prima);
    EXPECT_EQ(f->txt_strato->text(), "3");
    f->new_->trigger();
    EXPECT_NE(attenzione(), nullptr) << "the next call creates it again";
}

} // namespace
} // namespace spintaro
