// The entry workflow of the main window, driven through its controls: "Nuovo", Ok, browsing,
// the error trap, "Spinta Totale", with a comma and with a period as decimal separator.

#include "ambiente_prova.h"
#include "model/modulo1.h"

#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <string>

namespace spintaro {
namespace {

using prova::PrintTo;

using prova::AmbienteProva;
using prova::scrivi;

const QString TestoControlla = QStringLiteral("Controlla che tutti i dati siano stati inseriti.");
const QString TestoDomanda = QStringLiteral(
    "Se l'errore e' stato corretto fai click su Ok.\r\naltrimenti dai click su Annulla.");
const QString TestoErrore9 =
    QStringLiteral("avvisate l'operatore che \r\nsi è verificato l'errore 9");

class Inserimento : public ::testing::Test {
protected:
    explicit Inserimento(Separatori sep = Separatori{",", "."}) : a(std::move(sep)) {}
    void SetUp() override {
        f = a.avvia();
        ASSERT_NE(f, nullptr);
    }

    // Types one layer into the entry boxes ("" leaves a box empty).
    void strato(const QString& h, const QString& g, const QString& c, const QString& fi,
                bool sottoFalda = false) {
        scrivi(f->txt_potenza, h);
        scrivi(f->txt_gamma, g);
        scrivi(f->txt_coesione, c);
        scrivi(f->txt_attrint, fi);
        QRadioButton* o = sottoFalda ? f->OptSi : f->OptNo;
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(5, o->height() / 2));
    }
    void clic(QPushButton* p) { QTest::mouseClick(p, Qt::LeftButton); }

    // txt_strat, txt_pot, txt_gam, txt_coes, txt_attritint, txt_ka, txt_Sv, txt_sa1, txt_sa2,
    // txt_z0.
    QStringList visualizza() const {
        QStringList t;
        for (const QLineEdit* c :
             {f->txt_strat, f->txt_pot, f->txt_gam, f->txt_coes, f->txt_attritint, f->txt_ka,
              f->txt_Sv, f->txt_sa1, f->txt_sa2, f->txt_z0})
            t.append(c->text());
        return t;
    }
    QStringList caselleInserimento() const {
        return {f->txt_potenza->text(), f->txt_gamma->text(), f->txt_coesione->text(),
                f->txt_attrint->text()};
    }

    // The two-layer example (surcharge 10): dry sand over a submerged cohesive layer, plus a
    // third dry sand layer when asked.
    void esempioDueStrati(bool terzo = false) {
        scrivi(f->txt_sovraccarico, "10");
        strato("2", "18", "", "30");
        clic(f->nuovo);
        strato("3", "20", "5", "25", true);
        if (terzo) {
            clic(f->nuovo);
            strato("1", "18", "0", "30");
        }
        clic(f->Fine);
    }

    AmbienteProva a;
    SpintaroWindow* f = nullptr;
};

TEST_F(Inserimento, NuovoConCaselleVuoteMemorizzaZeri) {
    a.m().Strati(1).Potenza = 9; // left from an earlier job
    a.m().Strati(1).Falda = 1;
    clic(f->nuovo);
    EXPECT_TRUE(a.m().Strati(1) == Strato{});
    EXPECT_EQ(f->txt_strato->text(), "2");
    EXPECT_EQ(a.m().NumStrati, 2);
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
    // Nothing is computed and the display frame is untouched.
    EXPECT_EQ(visualizza(), QStringList(10, QString()));
}

TEST_F(Inserimento, NuovoMemorizzaESvuotaLeCaselle) {
    strato("2,5", "18", "4", "30", true);
    clic(f->nuovo);
    const Strato& s = a.m().Strati(1);
    EXPECT_EQ(s.Potenza, 2.5);
    EXPECT_EQ(s.Gamma, 18);
    EXPECT_EQ(s.Coesione, 4);
    EXPECT_EQ(s.AttritoInterno, 30);
    EXPECT_EQ(s.Falda, 1);
    EXPECT_EQ(s.Ka, 0) << "nothing computed yet";
    EXPECT_EQ(caselleInserimento(), QStringList(4, QString()));
    EXPECT_TRUE(f->OptNo->isChecked());
}

TEST_F(Inserimento, TreStratiESfoglia) {
    esempioDueStrati(true);
    EXPECT_EQ(a.m().NumStrati, 3);
    EXPECT_EQ(a.m().IndiceStrato, 1);
    EXPECT_EQ(a.m().Strati(0).Sv, 10);
    EXPECT_EQ(a.m().Strati(2).Falda, 1);
    EXPECT_EQ(f->txt_strato->text(), "3");
    EXPECT_EQ(f->txt_sovraccarico->text(), "10") << "the surcharge box is not cleared";
    EXPECT_EQ(caselleInserimento(), QStringList(4, QString()));
    // Layer 1: Ka 0.332925, Sv 46, Sa1 3.329248, Sa2 15.314543.
    EXPECT_EQ(visualizza(),
              QStringList({"1", "2", "18,", ",", "30,", ",333", "46,", "3,329", "15,315", ""}));
    clic(f->successivo);
    // Layer 2: Ka 0.405344, Sv 106, Sa1 18.645809, Sa2 60.806119.
    EXPECT_EQ(visualizza(),
              QStringList({"2", "3", "20,", "5,", "25,", ",405", "106,", "18,646", "60,806", ""}));
    clic(f->successivo);
    // Layer 3: Sv 106 + 18; Sa1 = 106 × 0.332925 = 35.290034, Sa2 = 124 × 0.332925 = 41.282681.
    const QStringList terzo = {"3", "1", "18,", ",", "30,", ",333", "124,", "35,29", "41,283", ""};
    EXPECT_EQ(visualizza(), terzo);
    clic(f->successivo);
    EXPECT_EQ(visualizza(), terzo);
    EXPECT_EQ(a.m().IndiceStrato, 3);
    clic(f->precedente);
    clic(f->precedente);
    EXPECT_EQ(visualizza().first(), "1");
    clic(f->precedente);
    EXPECT_EQ(visualizza().first(), "1");
    EXPECT_EQ(a.m().IndiceStrato, 1);
    EXPECT_EQ(f->txt_strato->text(), "3");
}

TEST_F(Inserimento, StratoCoesivoMostraZeroEZ0) {
    strato("4", "19", "10", "20");
    clic(f->Fine);
    // Ka 0.489645, Sv 76, Sa1 -13.994922 shown as "0", Sa2 23.218070, z0 1.504305.
    EXPECT_EQ(visualizza(),
              QStringList({"1", "4", "19,", "10,", "20,", ",49", "76,", "0", "23,218", "1,504"}));
}

TEST_F(Inserimento, Sa1EsattamenteZeroMostraIlSeparatore) {
    strato("5", "18", "", "30");
    clic(f->Fine);
    EXPECT_EQ(a.m().Strati(1).Sa1, 0.0);
    EXPECT_EQ(f->txt_sa1->text(), ",");
    EXPECT_EQ(f->txt_z0->text(), "");
    EXPECT_EQ(f->txt_sa2->text(), "29,963");
}

TEST_F(Inserimento, Z0ConDivisoreNulloLasciaLaCasellaVuota) {
    // γ empty (0) and c > 0: Sa1 < 0 and z0 = 2c / (0 · √Ka) has no value.
    a.messaggi.azzera();
    strato("2", "", "10", "20");
    clic(f->Fine);
    EXPECT_LT(a.m().Strati(1).Sa1, 0);
    EXPECT_EQ(f->txt_sa1->text(), "0");
    EXPECT_EQ(f->txt_z0->text(), "");
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

TEST_F(Inserimento, LettereNelPesoDiVolume) {
    a.m().Strati(1).Gamma = 7;
    strato("2", "abc", "5", "30");
    a.messaggi.setNextAnswer(Risposta::Annulla);
    clic(f->nuovo);
    EXPECT_EQ(a.messaggi.eventi(),
              QStringList({MessaggiRegistrati::Beep, TestoControlla, TestoDomanda}));
    ASSERT_EQ(a.messaggi.messaggi().size(), 2u);
    for (const auto& m : a.messaggi.messaggi())
        EXPECT_EQ(m.titolo, "Spintaro");
    EXPECT_EQ(a.messaggi.messaggi()[0].pulsanti, Pulsanti::Ok);
    EXPECT_EQ(a.messaggi.messaggi()[1].pulsanti, Pulsanti::OkAnnulla);
    // The thickness was stored before the failing step; the rest was not, boxes keep their text.
    EXPECT_EQ(a.m().Strati(1).Potenza, 2);
    EXPECT_EQ(a.m().Strati(1).Gamma, 7);
    EXPECT_EQ(caselleInserimento(), QStringList({"2", "abc", "5", "30"}));
    EXPECT_EQ(f->txt_strato->text(), "1");
    // "Annulla" keeps the program and the job.
    EXPECT_EQ(a.fini, 0);
    EXPECT_TRUE(f->isVisible());
    // The user corrects the box and presses "Nuovo" again.
    scrivi(f->txt_gamma, "18");
    clic(f->nuovo);
    EXPECT_EQ(a.m().Strati(1).Gamma, 18);
    EXPECT_EQ(a.m().Strati(1).Coesione, 5);
    EXPECT_EQ(f->txt_strato->text(), "2");
    EXPECT_EQ(a.messaggi.messaggi().size(), 2u) << "no further message";
}

TEST_F(Inserimento, OkNellaDomandaTornaAllaFinestra) {
    strato("2", "x", "", "");
    a.messaggi.setNextAnswer(Risposta::Ok);
    clic(f->nuovo);
    EXPECT_EQ(a.messaggi.messaggi().size(), 2u) << "the failed step is not run again";
    EXPECT_EQ(a.fini, 0);
    EXPECT_EQ(f->txt_strato->text(), "1");
    EXPECT_EQ(f->txt_gamma->text(), "x");
}

struct CasoSeparatoreCasella {
    const char* nome;
    Separatori separatori;
    const char* testo;
    bool valido;
    double valore;
};

class SeparatoreNelleCaselle : public ::testing::TestWithParam<CasoSeparatoreCasella> {};

TEST_P(SeparatoreNelleCaselle, NuovoLeggeConIlSeparatoreDellUtente) {
    const CasoSeparatoreCasella& c = GetParam();
    AmbienteProva a(c.separatori);
    SpintaroWindow* f = a.avvia();
    scrivi(f->txt_potenza, c.testo);
    QTest::mouseClick(f->nuovo, Qt::LeftButton);
    if (c.valido) {
        EXPECT_TRUE(a.messaggi.eventi().isEmpty());
        EXPECT_EQ(a.m().Strati(1).Potenza, c.valore);
    } else {
        EXPECT_EQ(a.messaggi.eventi(),
                  QStringList({MessaggiRegistrati::Beep, TestoControlla, TestoDomanda}));
        EXPECT_EQ(a.m().Strati(1).Potenza, 0) << "2.5 must never become 25";
        EXPECT_EQ(f->txt_potenza->text(), c.testo);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, SeparatoreNelleCaselle,
    ::testing::Values(
        CasoSeparatoreCasella{"VirgolaDecimale", {",", "."}, "2,5", true, 2.5},
        CasoSeparatoreCasella{"PuntoConSeparatoriItaliani", {",", "."}, "2.5", false, 0},
        CasoSeparatoreCasella{"MigliaiaItaliane", {",", "."}, "2.500", true, 2500},
        CasoSeparatoreCasella{"PuntoDecimale", {".", ","}, "2.5", true, 2.5},
        CasoSeparatoreCasella{"VirgolaConSeparatoriInglesi", {".", ","}, "2,5", false, 0},
        CasoSeparatoreCasella{"SoloSpazi", {",", "."}, "  ", false, 0},
        CasoSeparatoreCasella{"SpaziAttorno", {",", "."}, " 3,25 ", true, 3.25}),
    prova::NomeCaso());

TEST_F(Inserimento, CinquantaStratiEPoiIlCinquantunesimoRifiutato) {
    for (int i = 1; i < 50; ++i)
        clic(f->nuovo);
    ASSERT_EQ(f->txt_strato->text(), "50");
    strato("1", "17", "", "");
    clic(f->nuovo);
    EXPECT_EQ(a.m().Strati(50).Gamma, 17);
    EXPECT_EQ(f->txt_strato->text(), "51");
    EXPECT_EQ(a.m().NumStrati, 51);
    ASSERT_TRUE(a.messaggi.eventi().isEmpty());

    strato("2", "18", "", "30");
    const Modulo1 prima = a.m();
    clic(f->nuovo);
    EXPECT_EQ(a.messaggi.eventi(), QStringList({MessaggiRegistrati::Beep, TestoErrore9}));
    EXPECT_EQ(a.messaggi.messaggi().at(0).titolo, "Spintaro");
    EXPECT_EQ(a.fini, 0) << "the job in memory is kept and the program goes on";
    EXPECT_TRUE(a.m() == prima) << "no record was touched";
    EXPECT_EQ(f->txt_strato->text(), "51");
    EXPECT_EQ(caselleInserimento(), QStringList({"2", "18", "", "30"}));

    // "Successivo" up to the 51st layer shows an empty box, and nothing breaks.
    a.m().IndiceStrato = 50;
    clic(f->successivo);
    EXPECT_EQ(a.m().IndiceStrato, 51);
    EXPECT_EQ(visualizza(), QStringList({"51", "", "", "", "", "", "", "", "", ""}));

    // Ok with 51 layers fails too, reports it and puts everything back.
    a.messaggi.azzera();
    const Modulo1 primaOk = a.m();
    clic(f->Fine);
    ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
    EXPECT_TRUE(a.messaggi.messaggi()[0].testo.contains("errore 9"));
    EXPECT_TRUE(a.m() == primaOk);
    EXPECT_EQ(f->txt_strato->text(), "51");
    EXPECT_EQ(caselleInserimento(), QStringList({"2", "18", "", "30"}));
    EXPECT_EQ(a.fini, 0);

    // "Spinta Totale" walks up to record 51: refused, reported, nothing changed.
    a.messaggi.azzera();
    clic(f->Command2);
    EXPECT_EQ(a.messaggi.messaggi().size(), 1u);
    EXPECT_TRUE(a.m() == primaOk);
    EXPECT_EQ(f->txt_spinta->text(), "");
}

struct CasoOkFallito {
    const char* nome;
    const char* sovraccarico;
    const char* potenza;
    const char* gamma;
    const char* codice;
};

class OkFallito : public Inserimento, public ::testing::WithParamInterface<CasoOkFallito> {};

TEST_P(OkFallito, SegnalaERipristina) {
    const CasoOkFallito& c = GetParam();
    // A computed job of two layers, then the user types a third layer and presses Ok.
    esempioDueStrati();
    clic(f->nuovo); // continues at layer 3
    const QString numero = f->txt_strato->text();
    ASSERT_EQ(numero, "3");
    scrivi(f->txt_sovraccarico, c.sovraccarico);
    strato(c.potenza, c.gamma, "", "30", true);
    const Modulo1 prima = a.m();
    const QStringList caselle = caselleInserimento();
    const QStringList mostrati = visualizza();
    a.messaggi.azzera();
    clic(f->Fine);
    ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
    const auto& m = a.messaggi.messaggi()[0];
    EXPECT_EQ(m.titolo, "Spintaro");
    EXPECT_TRUE(m.testo.contains(c.codice)) << m.testo.toStdString();
    EXPECT_TRUE(m.testo.startsWith("Immissione dei dati non completata")) << m.testo.toStdString();
    EXPECT_TRUE(a.m() == prima) << "table, NumStrati and IndiceStrato put back";
    EXPECT_EQ(f->txt_strato->text(), numero);
    EXPECT_EQ(caselleInserimento(), caselle);
    EXPECT_TRUE(f->OptSi->isChecked());
    EXPECT_EQ(visualizza(), mostrati);
    EXPECT_EQ(f->txt_sovraccarico->text(), c.sovraccarico);
    EXPECT_EQ(a.fini, 0);
}

const std::string Enorme = "1" + std::string(200, '0'); // 1E+200: its square overflows

INSTANTIATE_TEST_SUITE_P(
    Tabella, OkFallito,
    ::testing::Values(CasoOkFallito{"LettereNelSovraccarico", "dieci", "2", "18", "errore 13"},
                      CasoOkFallito{"LettereNelloStrato", "10", "2", "diciotto", "errore 13"},
                      CasoOkFallito{"RisultatoNonFinito", "10", Enorme.c_str(), Enorme.c_str(),
                                    "errore 6"}),
    prova::NomeCaso());

TEST_F(Inserimento, OkDueVolte) {
    esempioDueStrati(true);
    clic(f->Fine);
    // Layer 3 (shown in txt_strato) overwritten with zeros and everything recomputed.
    const Strato& s = a.m().Strati(3);
    EXPECT_EQ(s.Potenza, 0);
    EXPECT_EQ(s.Gamma, 0);
    EXPECT_EQ(s.AttritoInterno, 0);
    EXPECT_NEAR(s.Ka, 0.9984086138418382, 1e-15);
    EXPECT_EQ(s.Sv, 106);
    EXPECT_EQ(a.m().NumStrati, 3);
    EXPECT_EQ(f->txt_strato->text(), "3");
    EXPECT_EQ(visualizza().first(), "1");
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

TEST_F(Inserimento, OkConSovraccaricoVuotoLoPoneAZero) {
    a.m().Strati(0).Sv = 99;
    strato("2", "18", "", "30");
    clic(f->Fine);
    EXPECT_EQ(a.m().Strati(0).Sv, 0.0);
    EXPECT_EQ(f->txt_sovraccarico->text(), "");
    EXPECT_EQ(f->txt_Sv->text(), "36,");
}

TEST_F(Inserimento, NuovoDopoOkContinuaDalNumeroMostrato) {
    esempioDueStrati();
    strato("7", "", "", "");
    clic(f->nuovo);
    EXPECT_EQ(a.m().Strati(2).Potenza, 7) << "the last layer is overwritten";
    EXPECT_EQ(f->txt_strato->text(), "3");
}

TEST_F(Inserimento, SfogliarePrimaDiOgniStratoNonMostraNulla) {
    clic(f->successivo);
    EXPECT_EQ(a.m().IndiceStrato, 0);
    EXPECT_EQ(visualizza(), QStringList(10, QString()));
    clic(f->precedente);
    EXPECT_EQ(a.m().IndiceStrato, 1);
    EXPECT_EQ(visualizza(), QStringList(10, QString()));
    EXPECT_EQ(f->txt_strato->text(), "1");
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

TEST_F(Inserimento, SuccessivoDuranteLImmissioneMostraGliStratiGiaMemorizzati) {
    strato("2", "18", "", "30");
    clic(f->nuovo);
    clic(f->successivo);
    // Layer 1 stored but not computed: zeros in its results.
    EXPECT_EQ(visualizza(), QStringList({"1", "2", "18,", ",", "30,", ",", ",", ",", ",", ""}));
    EXPECT_EQ(f->txt_strato->text(), "2");
}

TEST_F(Inserimento, DopoUnaPercorrenzaCompletaDellaTabella) {
    esempioDueStrati(true);
    // "Spinta Totale" walks the table and leaves IndiceStrato at NumStrati + 1, as a save does.
    clic(f->Command2);
    ASSERT_EQ(a.m().IndiceStrato, 4);
    clic(f->precedente);
    EXPECT_EQ(visualizza().first(), "3");
    EXPECT_EQ(a.m().IndiceStrato, 3);

    clic(f->Command2);
    ASSERT_EQ(a.m().IndiceStrato, 4);
    clic(f->successivo);
    EXPECT_EQ(a.m().IndiceStrato, 3);
    EXPECT_EQ(visualizza().first(), "3") << "nothing new shown";
}

// The total thrust as shown, with a comma and with a period.
struct CasoSpinta {
    const char* nome;
    const char* decimale;
    int esempio; // 0: no layers, 1: two layers with surcharge, 2: cohesive, 3: sand over clay
    const char* atteso;
};

class SpintaTotale : public ::testing::TestWithParam<CasoSpinta> {};

TEST_P(SpintaTotale, TestoMostrato) {
    const CasoSpinta& c = GetParam();
    const bool virgola = std::string(c.decimale) == ",";
    AmbienteProva a(virgola ? Separatori{",", "."} : Separatori{".", ","});
    SpintaroWindow* f = a.avvia();
    auto num = [&](const char* t) {
        return virgola ? QString(t) : QString(t).replace(',', '.');
    };
    auto strato = [&](const char* h, const char* g, const char* co, const char* fi, bool falda) {
        scrivi(f->txt_potenza, num(h));
        scrivi(f->txt_gamma, num(g));
        scrivi(f->txt_coesione, num(co));
        scrivi(f->txt_attrint, num(fi));
        (falda ? f->OptSi : f->OptNo)->setChecked(true);
    };
    switch (c.esempio) {
    case 1:
        scrivi(f->txt_sovraccarico, "10");
        strato("2", "18", "0", "30", false);
        QTest::mouseClick(f->nuovo, Qt::LeftButton);
        strato("3", "20", "5", "25", true);
        QTest::mouseClick(f->Fine, Qt::LeftButton);
        break;
    case 2:
        strato("4", "19", "10", "20", false);
        QTest::mouseClick(f->Fine, Qt::LeftButton);
        break;
    case 3:
        strato("1", "18", "0", "30", false);
        QTest::mouseClick(f->nuovo, Qt::LeftButton);
        strato("3", "19", "20", "20", false);
        QTest::mouseClick(f->Fine, Qt::LeftButton);
        break;
    default:
        break;
    }
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    EXPECT_EQ(f->txt_spinta->text(), c.atteso);
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

// Totals: 0; 137.821684; 28.972610; 7.325477.
INSTANTIATE_TEST_SUITE_P(Tabella, SpintaTotale,
                         ::testing::Values(CasoSpinta{"NessunoStratoVirgola", ",", 0, ","},
                                           CasoSpinta{"NessunoStratoPunto", ".", 0, "."},
                                           CasoSpinta{"DueStratiVirgola", ",", 1, "137,822"},
                                           CasoSpinta{"DueStratiPunto", ".", 1, "137.822"},
                                           CasoSpinta{"CoesivoVirgola", ",", 2, "28,973"},
                                           CasoSpinta{"CoesivoPunto", ".", 2, "28.973"},
                                           CasoSpinta{"SabbiaSuArgillaVirgola", ",", 3, "7,325"},
                                           CasoSpinta{"SabbiaSuArgillaPunto", ".", 3, "7.325"}),
                         prova::NomeCaso());

TEST_F(Inserimento, SpintaConSommaNonFinitaSegnalaENonCambiaNulla) {
    a.m().NumStrati = 2;
    for (int i : {1, 2}) {
        a.m().Strati(i).Potenza = 1e308;
        a.m().Strati(i).Sa1 = 1e308;
        a.m().Strati(i).Sa2 = 1e308;
    }
    a.m().SpintaTotale = 5;
    a.m().IndiceStrato = 2;
    scrivi(f->txt_spinta, "vecchio");
    const Modulo1 prima = a.m();
    clic(f->Command2);
    ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
    EXPECT_TRUE(a.messaggi.messaggi()[0].testo.contains("errore 6"));
    EXPECT_TRUE(a.m() == prima);
    EXPECT_EQ(f->txt_spinta->text(), "");
}

TEST_F(Inserimento, SpintaPrimaDiOkSommaCioCheCe) {
    clic(f->nuovo);
    clic(f->Command2);
    EXPECT_EQ(f->txt_spinta->text(), ",");
    EXPECT_EQ(a.m().IndiceStrato, 3) << "walked 1..NumStrati (2)";
}

TEST_F(Inserimento, TastiDiAccesso) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    esempioDueStrati(true);
    // A button's access key presses it visibly: the click comes a moment later.
    QTest::keyClick(f, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return visualizza().first() == "2"; }));
    QTest::keyClick(f, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return visualizza().first() == "1"; }));
    QTest::keyClick(f, Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.registro().istanza(IdFinestra::Sv) != nullptr; }));
    EXPECT_EQ(a.registro().istanza(IdFinestra::Sa), nullptr);
}

} // namespace
} // namespace spintaro
