// Saving and opening projects through the "Salva" and "Apri" windows: the name rules, the file's
// bytes, reading back, and every failure leaving both the job and the files on disk as they were.

#include "ambiente_prova.h"
#include "files/apri_window.h"
#include "files/nuovolavoro_window.h"
#include "files/salva_window.h"
#include "finestre_file_prova.h"
#include "model/modulo1.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::PrintTo;

using prova::AmbienteProva;
using prova::CartellaDiLavoro;
using prova::clic;
using prova::clicFile;
using prova::eliminaScaricate;
using prova::leggi;
using prova::scrivi;
using prova::scriviFile;

// The two-layer job written by hand: layer 1 h 2.5, γ 18, c 0, φ 30, dry; layer 2 h 3, γ 20,
// c 10, φ 28, submerged; record 0 all zero. 15 lines, 82 bytes.
const std::string FileEsempio = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                                " 2.5 \r\n 18 \r\n 0 \r\n 30 \r\n 0 \r\n"
                                " 3 \r\n 20 \r\n 10 \r\n 28 \r\n 1 \r\n";

// The two-layer example with known results: surcharge 10 gives layer 1 Sv 46, Sa1 3.329248,
// Sa2 15.314543 and layer 2 Sv 106, Sa1 18.645809, Sa2 60.806119.
const std::string FileDueStrati = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                                  " 2 \r\n 18 \r\n 0 \r\n 30 \r\n 0 \r\n"
                                  " 3 \r\n 20 \r\n 5 \r\n 25 \r\n 1 \r\n";

const QString InserisciNome = QStringLiteral("inserisci nome file");

class FileProgetto : public ::testing::Test {
protected:
    void SetUp() override {
        f = a.avvia();
        ASSERT_NE(f, nullptr);
    }

    // Types the example job into the main window and closes the entry with Ok.
    void inserisciEsempio() {
        auto strato = [this](const QString& h, const QString& g, const QString& c,
                             const QString& fi, bool sottoFalda) {
            scrivi(f->txt_potenza, h);
            scrivi(f->txt_gamma, g);
            scrivi(f->txt_coesione, c);
            scrivi(f->txt_attrint, fi);
            QRadioButton* o = sottoFalda ? f->OptSi : f->OptNo;
            QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(5, o->height() / 2));
        };
        strato("2,5", "18", "0", "30", false);
        clic(f->nuovo);
        strato("3", "20", "10", "28", true);
        clic(f->Fine);
        ASSERT_EQ(a.m().NumStrati, 2);
    }

    SalvaWindow* apriSalva() {
        f->Save->trigger();
        return a.registro().istanzaDi<SalvaWindow>(IdFinestra::Salva);
    }
    ApriWindow* apriApri() {
        f->Open->trigger();
        return a.registro().istanzaDi<ApriWindow>(IdFinestra::Apri);
    }

    // Saves the job under the name typed, through a fresh "Salva" window.
    void salvaCome(const QString& nome) {
        SalvaWindow* s = apriSalva();
        ASSERT_NE(s, nullptr);
        scrivi(s->txt_salva, nome);
        clic(s->Salva);
        eliminaScaricate();
    }
    // Opens the file named through a fresh "Apri" window.
    void apriFile(const QString& nome) {
        ApriWindow* w = apriApri();
        ASSERT_NE(w, nullptr);
        scrivi(w->txt_apri, nome);
        clic(w->Apri);
        eliminaScaricate();
    }

    bool caricata(IdFinestra id) { return a.registro().istanza(id) != nullptr; }
    bool visibile(IdFinestra id) {
        FinestraBase* w = a.registro().istanza(id);
        return w != nullptr && w->isVisible();
    }

    // Declared first: the folder is the working directory before any window exists, and the old
    // one comes back after every window has gone.
    CartellaDiLavoro cartella;
    AmbienteProva a;
    SpintaroWindow* f = nullptr;
};

// --- Names ------------------------------------------------------------------------------------

struct CasoNome {
    std::string nome;
    QString digitato;   // typed into txt_salva; null: the design text is kept
    QString dallaLista; // picked from the file list instead (the file is made first)
    QString scritto;    // the file that must appear
};

class NomiProgetto : public FileProgetto, public ::testing::WithParamInterface<CasoNome> {};

TEST_P(NomiProgetto, ScriveIlFileColNomeGiustoEChiedeNuovoLavoro) {
    const CasoNome& c = GetParam();
    inserisciEsempio();
    if (!c.dallaLista.isEmpty())
        scriviFile(cartella.file(c.dallaLista), "altro");
    const QStringList prima = cartella.contenuto();

    SalvaWindow* s = apriSalva();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->txt_salva->text(), "Nuovo") << "the design text";
    if (!c.dallaLista.isEmpty()) {
        clicFile(s->File1, c.dallaLista);
        EXPECT_EQ(s->txt_salva->text(), c.dallaLista) << "the click copies the bare name";
    } else if (!c.digitato.isNull()) {
        scrivi(s->txt_salva, c.digitato);
    }
    clic(s->Salva);
    eliminaScaricate();

    QStringList atteso = prima;
    atteso.append(c.scritto);
    atteso.sort();
    EXPECT_EQ(cartella.contenuto(), atteso);
    EXPECT_EQ(leggi(cartella.file(c.scritto)), FileEsempio);
    if (!c.dallaLista.isEmpty()) {
        EXPECT_EQ(leggi(cartella.file(c.dallaLista)), "altro") << "the picked file is untouched";
    }
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    EXPECT_FALSE(caricata(IdFinestra::Salva)) << "a save unloads the window";
    EXPECT_TRUE(visibile(IdFinestra::Nuovolavoro)) << "then asks \"Nuovo Lavoro?\"";
    EXPECT_EQ(a.m().NumStrati, 2) << "the job stays in memory until the question is answered";
    EXPECT_EQ(a.m().IndiceStrato, 3) << "the writer's walk ends one past the last record";
}

INSTANTIATE_TEST_SUITE_P(
    Casi, NomiProgetto,
    ::testing::Values(CasoNome{"Nuovo", QString(), {}, "Nuovo.spt"},
                      CasoNome{"GiaConEstensione", "prova.spt", {}, "prova.spt"},
                      CasoNome{"EstensioneMaiuscola", "prova.SPT", {}, "prova.SPT.spt"},
                      CasoNome{"DatDallaLista", QString(), "dati.dat", "dati.dat.spt"},
                      CasoNome{"SoloEstensione", ".spt", {}, ".spt.spt"},
                      CasoNome{"DueCaratteri", "ab", {}, "ab.spt"},
                      CasoNome{"QuattroCaratteri", "abcd", {}, "abcd.spt"},
                      CasoNome{"CinqueCaratteriConEstensione", "a.spt", {}, "a.spt"}),
    prova::NomeCaso{});

TEST_F(FileProgetto, IlFileDiEsempioByteperByte) {
    inserisciEsempio();
    salvaCome("esempio");
    const std::string scritto = leggi(cartella.file("esempio.spt"));
    EXPECT_EQ(scritto, FileEsempio);
    EXPECT_EQ(scritto.size(), 82u);
    EXPECT_EQ(std::count(scritto.begin(), scritto.end(), '\n'), 15);
    // Line 6: 20 32 2E 35 20 0D 0A.
    EXPECT_EQ(scritto.substr(25, 7), std::string("\x20\x32\x2E\x35\x20\x0D\x0A"));
}

TEST_F(FileProgetto, SalvareDueVolteSostituisceIlFileConGliStessiByte) {
    inserisciEsempio();
    scriviFile(cartella.file("doppio.spt"), std::string(500, 'x'));
    salvaCome("doppio");
    const std::string primo = leggi(cartella.file("doppio.spt"));
    a.registro().nascondi(IdFinestra::Nuovolavoro);
    salvaCome("doppio.spt");
    EXPECT_EQ(leggi(cartella.file("doppio.spt")), primo);
    EXPECT_EQ(primo, FileEsempio) << "the longer old content is replaced whole";
    EXPECT_EQ(cartella.contenuto(), QStringList{"doppio.spt"});
}

TEST_F(FileProgetto, NomeVuotoChiedeIlNomeENonScriveNulla) {
    inserisciEsempio();
    SalvaWindow* s = apriSalva();
    ASSERT_NE(s, nullptr);
    scrivi(s->txt_salva, "");
    clic(s->Salva);
    eliminaScaricate();
    ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
    EXPECT_EQ(a.messaggi.messaggi()[0].testo, InserisciNome);
    EXPECT_EQ(a.messaggi.messaggi()[0].titolo, TitoloApplicazione);
    EXPECT_EQ(a.messaggi.messaggi()[0].pulsanti, Pulsanti::Ok);
    EXPECT_TRUE(cartella.contenuto().isEmpty());
    EXPECT_TRUE(visibile(IdFinestra::Salva)) << "the window stays open for the name";
    EXPECT_FALSE(caricata(IdFinestra::Nuovolavoro));
}

TEST_F(FileProgetto, UnLavoroSenzaStratiScriveSoloIlRecordZero) {
    salvaCome("vuoto");
    EXPECT_EQ(leggi(cartella.file("vuoto.spt")), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    a.m().NumStrati = 7;
    apriFile("vuoto.spt");
    EXPECT_EQ(a.m().NumStrati, 0);
    EXPECT_EQ(a.m().IndiceStrato, 0);
}

// --- Reading back -----------------------------------------------------------------------------

Modulo1 cinquantaStrati() {
    Modulo1 m;
    m.Strati(0).Potenza = 0.75; // record 0 is written and read like the others
    for (int i = 1; i <= 50; ++i) {
        Strato& s = m.Strati(i);
        s.Potenza = i * 0.5;
        s.Gamma = 15 + i % 10;
        s.Coesione = (i % 4) * 2.5;
        s.AttritoInterno = 20 + i % 15;
        s.Falda = static_cast<Intero16>(i % 2);
    }
    m.NumStrati = 50;
    return m;
}

TEST_F(FileProgetto, CinquantaStratiDanno255RigheERitornanoInteri) {
    const Modulo1 originale = cinquantaStrati();
    a.m() = originale;
    salvaCome("cinquanta");
    const std::string scritto = leggi(cartella.file("cinquanta.spt"));
    EXPECT_EQ(std::count(scritto.begin(), scritto.end(), '\n'), 255);
    EXPECT_EQ(scritto.substr(0, 7), " .75 \r\n");

    // Another job in memory, with a surcharge of 10.
    a.m() = Modulo1{};
    a.m().Strati(0).Sv = 10;
    a.m().NumStrati = 3;
    a.m().IndiceStrato = 2;
    apriFile("cinquanta.spt");
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    EXPECT_FALSE(caricata(IdFinestra::Apri)) << "an open unloads the window";
    EXPECT_EQ(a.m().NumStrati, 50);
    EXPECT_EQ(a.m().IndiceStrato, 0);
    double sv = 10;
    for (int i = 0; i <= 50; ++i) {
        const Strato& letto = a.m().Strati(i);
        const Strato& atteso = originale.Strati(i);
        EXPECT_EQ(letto.Potenza, atteso.Potenza) << i;
        EXPECT_EQ(letto.Gamma, atteso.Gamma) << i;
        EXPECT_EQ(letto.Coesione, atteso.Coesione) << i;
        EXPECT_EQ(letto.AttritoInterno, atteso.AttritoInterno) << i;
        EXPECT_EQ(letto.Falda, atteso.Falda) << i;
        if (i > 0) {
            // Every layer recomputed: Sv accumulates γ·h from the surcharge down.
            sv += atteso.Gamma * atteso.Potenza;
            EXPECT_NEAR(letto.Sv, sv, 1e-9) << i;
        }
    }
    EXPECT_EQ(a.m().Strati(0).Sv, 10) << "the surcharge is not in the file";
}

TEST_F(FileProgetto, UnTerzoRitornaA15CifreEMezzoSenzaZero) {
    a.m().Strati(1).Potenza = 1.0 / 3.0;
    a.m().Strati(1).Gamma = 0.5;
    a.m().NumStrati = 1;
    salvaCome("terzo");
    const std::string scritto = leggi(cartella.file("terzo.spt"));
    EXPECT_EQ(scritto.substr(25), " .333333333333333 \r\n .5 \r\n 0 \r\n 0 \r\n 0 \r\n");
    a.m().Strati(1).Potenza = 9;
    apriFile("terzo.spt");
    EXPECT_EQ(a.m().Strati(1).Potenza, 0.333333333333333);
    EXPECT_NE(a.m().Strati(1).Potenza, 1.0 / 3.0);
    EXPECT_EQ(a.m().Strati(1).Gamma, 0.5);
}

TEST_F(FileProgetto, UnaVirgolaSpezzaIlValoreEFaScorrereIlResto) {
    scriviFile(cartella.file("virgola.spt"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                                             " 2,5 \r\n 18 \r\n 0 \r\n 30 \r\n");
    apriFile("virgola.spt");
    ASSERT_TRUE(a.messaggi.messaggi().empty()) << a.messaggi.testi().join("|").toStdString();
    EXPECT_EQ(a.m().NumStrati, 1);
    const Strato& s = a.m().Strati(1);
    EXPECT_EQ(s.Potenza, 2);
    EXPECT_EQ(s.Gamma, 5);
    EXPECT_EQ(s.Coesione, 18);
    EXPECT_EQ(s.AttritoInterno, 0);
    EXPECT_EQ(s.Falda, 30) << "any non-zero flag counts as below the water table";
}

TEST_F(FileProgetto, AprireTieneIlSovraccaricoInVigoreENonAggiornaLaFinestra) {
    scriviFile(cartella.file("due.spt"), FileDueStrati);
    // The surcharge in effect is 10; the file carries none.
    a.m().Strati(0).Sv = 10;
    f->txt_strat->setText("7");
    apriFile("due.spt");
    ASSERT_EQ(a.m().NumStrati, 2);
    const Strato& s1 = a.m().Strati(1);
    const Strato& s2 = a.m().Strati(2);
    EXPECT_NEAR(s1.Ka, 0.332925, 1e-6);
    EXPECT_NEAR(s1.Sv, 46, 1e-9);
    EXPECT_NEAR(s1.Sa1, 3.329248, 1e-6);
    EXPECT_NEAR(s1.Sa2, 15.314543, 1e-6);
    EXPECT_NEAR(s2.Ka, 0.405344, 1e-6);
    EXPECT_NEAR(s2.Sv, 106, 1e-9);
    EXPECT_NEAR(s2.Sa1, 18.645809, 1e-6);
    EXPECT_NEAR(s2.Sa2, 60.806119, 1e-6);
    EXPECT_EQ(a.m().Strati(0).Sv, 10);
    // The main window is not refreshed.
    EXPECT_EQ(f->txt_strato->text(), "1");
    EXPECT_EQ(f->txt_strat->text(), "7");

    // The same file with no surcharge: 18·2 = 36 and 36 + 20·3 = 96; a dry sand layer from the
    // surface has no pressure at its top.
    a.m().Strati(0).Sv = 0;
    apriFile("due.spt");
    EXPECT_NEAR(a.m().Strati(1).Sv, 36, 1e-9);
    EXPECT_EQ(a.m().Strati(1).Sa1, 0);
    EXPECT_NEAR(a.m().Strati(2).Sv, 96, 1e-9);
}

TEST_F(FileProgetto, UnClicNellElencoMetteIlNomeEApriUsaQuelNome) {
    scriviFile(cartella.file("prova.spt"), FileEsempio);
    scriviFile(cartella.file("altro.SPT"), FileDueStrati);
    scriviFile(cartella.file("tabella.dat"), "x");
    ApriWindow* w = apriApri();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->txt_apri->text(), "") << "the design text";
    EXPECT_EQ(w->File1->nomi(), QStringList({"altro.SPT", "prova.spt"}));
    clicFile(w->File1, "prova.spt");
    EXPECT_EQ(w->txt_apri->text(), "prova.spt");
    clic(w->Apri);
    eliminaScaricate();
    EXPECT_EQ(a.m().NumStrati, 2);
    EXPECT_EQ(a.m().Strati(1).Potenza, 2.5);
    EXPECT_EQ(a.m().Strati(2).Falda, 1);
    EXPECT_FALSE(caricata(IdFinestra::Apri));
}

// --- Failures of Open -------------------------------------------------------------------------

struct CasoApertura {
    std::string nome;
    QString digitato;      // the name typed into txt_apri
    const char* datiProva; // copied from the test data under the typed name, or null
    bool cartella;         // a folder under the typed name instead
    QStringList parole;    // the message must hold each of these
};

class AperturaFallita : public FileProgetto, public ::testing::WithParamInterface<CasoApertura> {};

TEST_P(AperturaFallita, DiceCosaNonVaELasciaIlLavoroComEra) {
    const CasoApertura& c = GetParam();
    if (c.datiProva != nullptr) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(SPINTARO_TEST_DATA "/") + c.datiProva,
                                cartella.file(c.digitato)));
    }
    if (c.cartella)
        cartella.sottocartella(c.digitato);
    inserisciEsempio();
    clic(f->successivo);
    const Modulo1 prima = a.m();

    ApriWindow* w = apriApri();
    ASSERT_NE(w, nullptr);
    scrivi(w->txt_apri, c.digitato);
    clic(w->Apri);
    eliminaScaricate();

    EXPECT_EQ(a.m(), prima) << "the job in memory is untouched";
    ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
    const auto& msg = a.messaggi.messaggi()[0];
    EXPECT_EQ(msg.titolo, TitoloApplicazione);
    EXPECT_EQ(msg.pulsanti, Pulsanti::Ok);
    for (const QString& parola : c.parole)
        EXPECT_TRUE(msg.testo.contains(parola))
            << msg.testo.toStdString() << " lacks " << parola.toStdString();
    if (!c.digitato.isEmpty()) {
        EXPECT_TRUE(msg.testo.contains(cartella.file(c.digitato))) << "names the file in full";
    }
    EXPECT_EQ(a.registro().istanza(IdFinestra::Apri), w) << "the window stays for another try";
    EXPECT_TRUE(w->isVisible());
    if (c.datiProva != nullptr) {
        QFile originale(QStringLiteral(SPINTARO_TEST_DATA "/") + c.datiProva);
        ASSERT_TRUE(originale.open(QIODevice::ReadOnly));
        EXPECT_EQ(leggi(cartella.file(c.digitato)), originale.readAll().toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, AperturaFallita,
    ::testing::Values(
        CasoApertura{
            "FileMancante", "manca.spt", nullptr, false, {"non esiste", "non è stato aperto"}},
        CasoApertura{"NomeVuoto", "", nullptr, false, {InserisciNome}},
        CasoApertura{"FileVuoto", "vuoto.spt", "vuoto.spt", false, {"vuoto"}},
        CasoApertura{"FileTroncato",
                     "troncato.spt",
                     "troncato.spt",
                     false,
                     {"riga 8", "termina a metà del record 1", "coesione"}},
        CasoApertura{"PiuDi51Record",
                     "troppi.spt",
                     "troppi_record.spt",
                     false,
                     {"riga 256", "più di 51 record"}},
        CasoApertura{
            "FaldaFuoriIntervallo", "falda.spt", "falda_enorme.spt", false, {"riga 10", "falda"}},
        CasoApertura{"UnaCartella", "cartella.spt", nullptr, true, {"cartella"}}),
    prova::NomeCaso{});

// Root reads any file, so the unreadable file is opened by a child process that has given up
// root; it reports through its exit status.
TEST_F(FileProgetto, UnFileIlleggibileLoDiceELasciaIlLavoro) {
    scriviFile(cartella.file("segreto.spt"), FileEsempio);
    QFile::setPermissions(cartella.file("segreto.spt"), QFileDevice::Permissions{});
    QFile::setPermissions(cartella.percorso(), prova::CartellaPubblica);
    a.m().Strati(0).Sv = 10;
    a.m().NumStrati = 4;
    const Modulo1 prima = a.m();
    ApriWindow* w = apriApri();
    ASSERT_NE(w, nullptr);
    scrivi(w->txt_apri, "segreto.spt");

    const int esito = prova::comeUtenteSenzaPrivilegi([&] {
        clic(w->Apri);
        if (a.m() != prima)
            return 1;
        if (a.messaggi.messaggi().size() != 1)
            return 2;
        const QString& testo = a.messaggi.messaggi()[0].testo;
        if (!testo.contains("permessi") || !testo.contains(cartella.file("segreto.spt")))
            return 3;
        if (a.registro().istanza(IdFinestra::Apri) != w)
            return 4;
        return 0;
    });
    EXPECT_EQ(esito, 0) << "1: job changed, 2: no message, 3: wrong message, 4: window gone, "
                           "99: no user to switch to";
    EXPECT_EQ(a.m(), prima);
}

TEST_F(FileProgetto, AnnullaScaricaSalvaEApri) {
    SalvaWindow* s = apriSalva();
    ASSERT_NE(s, nullptr);
    scrivi(s->txt_salva, "altro");
    clic(s->Annulla);
    eliminaScaricate();
    EXPECT_FALSE(caricata(IdFinestra::Salva));
    EXPECT_TRUE(cartella.contenuto().isEmpty());
    EXPECT_FALSE(caricata(IdFinestra::Nuovolavoro));
    s = apriSalva();
    EXPECT_EQ(s->txt_salva->text(), "Nuovo") << "each opening starts afresh";

    ApriWindow* w = apriApri();
    ASSERT_NE(w, nullptr);
    scrivi(w->txt_apri, "x.spt");
    clic(w->Annulla);
    eliminaScaricate();
    EXPECT_FALSE(caricata(IdFinestra::Apri));
    EXPECT_TRUE(a.messaggi.messaggi().empty());
}

// --- Failures of Save -------------------------------------------------------------------------

class SalvataggioFallito : public FileProgetto {
protected:
    // Saves under the name; the save must fail, say why and keep everything as it was.
    void salvaEVerificaFallimento(const QString& nome, const QString& file, const QString& parola) {
        const Modulo1 prima = a.m();
        SalvaWindow* s = apriSalva();
        ASSERT_NE(s, nullptr);
        scrivi(s->txt_salva, nome);
        clic(s->Salva);
        eliminaScaricate();
        EXPECT_EQ(a.m(), prima) << "not even the cursor moves";
        ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
        const QString& testo = a.messaggi.messaggi()[0].testo;
        EXPECT_TRUE(testo.contains(file)) << testo.toStdString();
        EXPECT_TRUE(testo.contains(parola)) << testo.toStdString();
        EXPECT_EQ(a.registro().istanza(IdFinestra::Salva), s) << "stays open for another place";
        EXPECT_TRUE(s->isVisible());
        EXPECT_EQ(s->txt_salva->text(), nome);
        EXPECT_FALSE(caricata(IdFinestra::Nuovolavoro)) << "no \"Nuovo Lavoro?\" after a failure";
    }
};

TEST_F(SalvataggioFallito, CartellaMancante) {
    inserisciEsempio();
    salvaEVerificaFallimento("manca/prova", cartella.file("manca/prova.spt"), "non esiste");
    EXPECT_TRUE(cartella.contenuto().isEmpty());
}

TEST_F(SalvataggioFallito, UnaCartellaAlPostoDelFile) {
    inserisciEsempio();
    cartella.sottocartella("occupato.spt");
    salvaEVerificaFallimento("occupato", cartella.file("occupato.spt"), "cartella");
    EXPECT_TRUE(QFileInfo(cartella.file("occupato.spt")).isDir());
}

TEST_F(SalvataggioFallito, DiscoPieno) {
    if (!QFileInfo(QStringLiteral("/dev/full")).exists())
        GTEST_SKIP() << "no /dev/full";
    inserisciEsempio();
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), cartella.file("pieno.spt")));
    salvaEVerificaFallimento("pieno", cartella.file("pieno.spt"), "disco pieno");
    const QFileInfo dopo(cartella.file("pieno.spt"));
    EXPECT_TRUE(dopo.isSymLink()) << "the link was not replaced by a file";
    EXPECT_EQ(dopo.symLinkTarget(), "/dev/full");
}

// The disk fills up while the new content is written (a file size limit makes the write fail
// the same way): the old file is kept and nothing half-written stays behind.
TEST_F(SalvataggioFallito, IlDiscoSiRiempieAMetaELaVersionePrecedenteResta) {
    a.m() = cinquantaStrati();
    scriviFile(cartella.file("grande.spt"), "vecchio");
    {
        const prova::LimiteDimensioneFile limite(64);
        salvaEVerificaFallimento("grande", cartella.file("grande.spt"), "disco pieno");
    }
    EXPECT_EQ(leggi(cartella.file("grande.spt")), "vecchio");
    EXPECT_EQ(cartella.contenuto(), QStringList{"grande.spt"});
}

// Root writes into any folder: the save is made by a child process that has given up root.
TEST_F(SalvataggioFallito, CartellaProtettaLasciaIlFileEsistente) {
    inserisciEsempio();
    scriviFile(cartella.file("protetto.spt"), "vecchio");
    const Modulo1 prima = a.m();
    SalvaWindow* s = apriSalva();
    ASSERT_NE(s, nullptr);
    scrivi(s->txt_salva, "protetto");
    QFile::setPermissions(cartella.percorso(), prova::CartellaSolaLettura);

    const int esito = prova::comeUtenteSenzaPrivilegi([&] {
        clic(s->Salva);
        if (a.messaggi.messaggi().size() != 1)
            return 2;
        const QString& testo = a.messaggi.messaggi()[0].testo;
        if (!testo.contains("permessi") || !testo.contains(cartella.file("protetto.spt")))
            return 3;
        if (a.registro().istanza(IdFinestra::Salva) != s ||
            a.registro().istanza(IdFinestra::Nuovolavoro) != nullptr)
            return 4;
        if (a.m() != prima)
            return 5;
        return 0;
    });
    QFile::setPermissions(cartella.percorso(), prova::CartellaPubblica);
    EXPECT_EQ(esito, 0) << "2: no message, 3: wrong message, 4: wrong windows, 5: job changed, "
                           "99: no user to switch to";
    EXPECT_EQ(leggi(cartella.file("protetto.spt")), "vecchio");
    EXPECT_EQ(cartella.contenuto(), QStringList{"protetto.spt"});
}

} // namespace
} // namespace spintaro
