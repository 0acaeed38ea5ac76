// The export of the results table through the "Esporta" window: the bytes with a comma and with
// a period, the name rules, a window that is only hidden, and writes that fail.

#include "ambiente_prova.h"
#include "files/apri_window.h"
#include "files/esporta_window.h"
#include "finestre_file_prova.h"
#include "model/modulo1.h"

#include <QAction>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::PrintTo;

using prova::AmbienteProva;
using prova::apriCartella;
using prova::CartellaDiLavoro;
using prova::clic;
using prova::clicFile;
using prova::eliminaScaricate;
using prova::leggi;
using prova::scrivi;
using prova::scriviFile;

// The lines as written out by hand, with "·" standing for a space.
std::string spazi(std::string s) {
    const std::string punto = "\xC2\xB7";
    for (std::size_t i = s.find(punto); i != std::string::npos; i = s.find(punto, i))
        s.replace(i, punto.size(), " ");
    return s;
}

const std::string Intestazione = spazi("Strato········Potenza·······Gamma·········Coesione······"
                                       "Attr.int.·····S.falda·······Ka············Sv············"
                                       "Sa1···········Sa2");
const std::string RigaPunto = spazi("·1·············2.5···········18············0·············"
                                    "30···········No············.33···········45.···········"
                                    ".·············15.");
const std::string RigaVirgola = spazi("·1·············2,5···········18············0·············"
                                      "30···········No············,33···········45,···········"
                                      ",·············15,");

// One layer: Potenza 2.5, Gamma 18, Coesione 0, AttritoInterno 30, dry, Ka 0.3333, Sv 45,
// Sa1 0, Sa2 15.
Modulo1 esempio() {
    Modulo1 m;
    Strato& s = m.Strati(1);
    s.Potenza = 2.5;
    s.Gamma = 18;
    s.Coesione = 0;
    s.AttritoInterno = 30;
    s.Falda = 0;
    s.Ka = 0.3333;
    s.Sv = 45;
    s.Sa1 = 0;
    s.Sa2 = 15;
    m.NumStrati = 1;
    return m;
}

class Esportazione : public ::testing::Test {
protected:
    explicit Esportazione(Separatori sep = Separatori{",", "."}) : a(std::move(sep)) {}
    void SetUp() override {
        f = a.avvia();
        ASSERT_NE(f, nullptr);
    }

    EsportaWindow* apriEsporta() {
        f->esportamenu->trigger();
        return a.registro().istanzaDi<EsportaWindow>(IdFinestra::Esporta);
    }
    void esporta(const QString& nome) {
        EsportaWindow* e = apriEsporta();
        ASSERT_NE(e, nullptr);
        scrivi(e->txt_salva, nome);
        clic(e->Salva);
        eliminaScaricate();
    }

    CartellaDiLavoro cartella;
    AmbienteProva a;
    SpintaroWindow* f = nullptr;
};

struct CasoSeparatore {
    std::string nome;
    Separatori separatori;
    std::string riga;
};

class EsportazioneEsempio : public Esportazione,
                            public ::testing::WithParamInterface<CasoSeparatore> {
protected:
    EsportazioneEsempio() : Esportazione(GetParam().separatori) {}
};

TEST_P(EsportazioneEsempio, ByteperByteConIlSeparatoreDellUtente) {
    ASSERT_EQ(Intestazione.size(), 129u);
    ASSERT_EQ(GetParam().riga.size(), 129u);
    a.m() = esempio();
    esporta("risultati");
    EXPECT_EQ(leggi(cartella.file("risultati.dat")),
              Intestazione + "\r\n" + GetParam().riga + "\r\n");
    EXPECT_EQ(cartella.contenuto(), QStringList{"risultati.dat"});
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    FinestraBase* e = a.registro().istanza(IdFinestra::Esporta);
    ASSERT_NE(e, nullptr) << "the export hides the window, it does not unload it";
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(a.m().IndiceStrato, 2) << "the walk ends one past the last layer";
    EXPECT_EQ(a.m().NumStrati, 1);
}

INSTANTIATE_TEST_SUITE_P(Casi, EsportazioneEsempio,
                         ::testing::Values(CasoSeparatore{"Virgola", {",", "."}, RigaVirgola},
                                           CasoSeparatore{"Punto", {".", ","}, RigaPunto}),
                         prova::NomeCaso{});

TEST_F(Esportazione, SenzaStratiSoloLIntestazione) {
    esporta("vuota");
    EXPECT_EQ(leggi(cartella.file("vuota.dat")), Intestazione + "\r\n");
}

TEST_F(Esportazione, UnNomeDallElencoPrendeUnAltroPuntoDat) {
    a.m() = esempio();
    scriviFile(cartella.file("dati.dat"), "vecchio");
    scriviFile(cartella.file("progetto.spt"), "x");
    EsportaWindow* e = apriEsporta();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->txt_salva->text(), "") << "the design text";
    EXPECT_EQ(e->File1->nomi(), QStringList{"dati.dat"}) << "only \"*.dat\"";
    clicFile(e->File1, "dati.dat");
    EXPECT_EQ(e->txt_salva->text(), "dati.dat");
    clic(e->Salva);
    EXPECT_EQ(leggi(cartella.file("dati.dat.dat")), Intestazione + "\r\n" + RigaVirgola + "\r\n");
    EXPECT_EQ(leggi(cartella.file("dati.dat")), "vecchio");
}

TEST_F(Esportazione, UnaSecondaEsportazioneSostituisceIlFile) {
    a.m() = esempio();
    scriviFile(cartella.file("doppia.dat"), std::string(1000, 'x'));
    esporta("doppia");
    a.m().NumStrati = 0;
    esporta("doppia");
    EXPECT_EQ(leggi(cartella.file("doppia.dat")), Intestazione + "\r\n");
}

TEST_F(Esportazione, NomeVuotoChiedeIlNomeInveceDiScriverePuntoDat) {
    a.m() = esempio();
    esporta("");
    ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
    EXPECT_EQ(a.messaggi.messaggi()[0].testo, "inserisci nome file");
    EXPECT_EQ(a.messaggi.messaggi()[0].titolo, TitoloApplicazione);
    EXPECT_TRUE(cartella.contenuto().isEmpty()) << "no hidden \".dat\"";
    FinestraBase* e = a.registro().istanza(IdFinestra::Esporta);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->isVisible()) << "the window stays for the name";
    EXPECT_EQ(a.m().IndiceStrato, 0);
}

TEST_F(Esportazione, AnnullaNascondeEConservaNomeECartella) {
    const QString sotto = cartella.sottocartella("sotto");
    const QString altrove = cartella.sottocartella("altrove");
    a.m() = esempio();
    EsportaWindow* e = apriEsporta();
    ASSERT_NE(e, nullptr);
    apriCartella(e->Dir1, sotto);
    EXPECT_EQ(QDir::currentPath(), sotto);
    scrivi(e->txt_salva, "tabella");
    clic(e->Annulla);
    eliminaScaricate();
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(a.registro().istanza(IdFinestra::Esporta), e);

    // Another window moves the working directory meanwhile.
    f->Open->trigger();
    auto* apri = a.registro().istanzaDi<ApriWindow>(IdFinestra::Apri);
    ASSERT_NE(apri, nullptr);
    EXPECT_EQ(apri->Dir1->cartella(), sotto) << "Apri starts at the working directory";
    apriCartella(apri->Dir1, cartella.percorso());
    apriCartella(apri->Dir1, altrove);
    clic(apri->Annulla);
    eliminaScaricate();
    ASSERT_EQ(QDir::currentPath(), altrove);

    // Reopened, Esporta shows what it showed, and writes into the working directory of the
    // moment, which is not the one it shows.
    EXPECT_EQ(apriEsporta(), e);
    EXPECT_EQ(e->txt_salva->text(), "tabella");
    EXPECT_EQ(e->Dir1->cartella(), sotto);
    EXPECT_EQ(e->File1->cartella(), sotto);
    clic(e->Salva);
    EXPECT_TRUE(QFileInfo::exists(altrove + "/tabella.dat"));
    EXPECT_FALSE(QFileInfo::exists(sotto + "/tabella.dat"));
}

TEST_F(Esportazione, CambiareCartellaEEsportareScriveNellaCartellaMostrata) {
    const QString sotto = cartella.sottocartella("risultati");
    a.m() = esempio();
    EsportaWindow* e = apriEsporta();
    ASSERT_NE(e, nullptr);
    apriCartella(e->Dir1, sotto);
    scrivi(e->txt_salva, "muro");
    clic(e->Salva);
    EXPECT_EQ(cartella.contenuto("risultati"), QStringList{"muro.dat"});
    EXPECT_TRUE(cartella.contenuto().isEmpty());
}

TEST_F(Esportazione, LaChiusuraDalBordoScaricaELaProssimaRiparteDaCapo) {
    EsportaWindow* e = apriEsporta();
    ASSERT_NE(e, nullptr);
    scrivi(e->txt_salva, "tabella");
    e->close();
    eliminaScaricate();
    EXPECT_EQ(a.registro().istanza(IdFinestra::Esporta), nullptr);
    e = apriEsporta();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->txt_salva->text(), "");
    EXPECT_TRUE(cartella.contenuto().isEmpty());
}

// --- Failures ---------------------------------------------------------------------------------

class EsportazioneFallita : public Esportazione {
protected:
    void esportaEVerificaFallimento(const QString& nome, const QString& file,
                                    const QString& parola) {
        const Modulo1 prima = a.m();
        EsportaWindow* e = apriEsporta();
        ASSERT_NE(e, nullptr);
        scrivi(e->txt_salva, nome);
        clic(e->Salva);
        eliminaScaricate();
        EXPECT_EQ(a.m(), prima) << "not even the cursor moves";
        ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
        const QString& testo = a.messaggi.messaggi()[0].testo;
        EXPECT_TRUE(testo.contains(file)) << testo.toStdString();
        EXPECT_TRUE(testo.contains(parola)) << testo.toStdString();
        EXPECT_TRUE(e->isVisible()) << "the window stays for another place";
        EXPECT_EQ(e->txt_salva->text(), nome);
    }
};

TEST_F(EsportazioneFallita, CartellaMancante) {
    a.m() = esempio();
    esportaEVerificaFallimento("manca/tabella", cartella.file("manca/tabella.dat"), "non esiste");
}

TEST_F(EsportazioneFallita, DiscoPieno) {
    if (!QFileInfo(QStringLiteral("/dev/full")).exists())
        GTEST_SKIP() << "no /dev/full";
    a.m() = esempio();
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), cartella.file("pieno.dat")));
    esportaEVerificaFallimento("pieno", cartella.file("pieno.dat"), "disco pieno");
    EXPECT_TRUE(QFileInfo(cartella.file("pieno.dat")).isSymLink());
}

TEST_F(EsportazioneFallita, IlDiscoSiRiempieAMetaELaVersionePrecedenteResta) {
    a.m() = esempio();
    scriviFile(cartella.file("tabella.dat"), "vecchio");
    {
        const prova::LimiteDimensioneFile limite(100);
        esportaEVerificaFallimento("tabella", cartella.file("tabella.dat"), "disco pieno");
    }
    EXPECT_EQ(leggi(cartella.file("tabella.dat")), "vecchio");
    EXPECT_EQ(cartella.contenuto(), QStringList{"tabella.dat"});
}

} // namespace
} // namespace spintaro
