// SPDX-License-Identifier: GPL-3.0-or-later
// The file windows: saving, opening and exporting (names, bytes, reading back, every failure
// leaving the job and the files as they were); the questions before a new job and the resets; the
// four choosers' lists, their shared working directory, hidden windows and the image's Salva.

#include "files/apri_window.h"
#include "files/attenzione_window.h"
#include "files/esporta_window.h"
#include "files/nuovolavoro_window.h"
#include "files/salva_window.h"
#include "files/salvaimmagine_window.h"
#include "finestre_file_prova.h"
#include "platform/pulsante_immagine.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QWindow>
#include <algorithm>
#include <fstream>
#include <sys/stat.h>
#include <tuple>
#include <vector>

namespace spintaro {
namespace {

using namespace prova;
using prova::PrintTo;

// The two-layer job written by hand: layer 1 h 2.5, γ 18, c 0, φ 30, dry; layer 2 h 3, γ 20,
// c 10, φ 28, submerged; record 0 all zero. 15 lines, 82 bytes.
const std::string FileEsempio = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                                " 2.5 \r\n 18 \r\n 0 \r\n 30 \r\n 0 \r\n"
                                " 3 \r\n 20 \r\n 10 \r\n 28 \r\n 1 \r\n";
const std::string Vecchio(500, 'x'); // an old file, longer than the new ones

// Those layers, layer 1 with the results Ka 0.3333, Sv 45, Sa1 0, Sa2 15; n of them in use.
Modulo1 esempio(int n) {
    Modulo1 m;
    m.Strati(1) = Strato{2.5, 18, 0, 30, 0.3333, 45, 0, 15, 0};
    m.Strati(2) = Strato{3, 20, 10, 28, 0, 0, 0, 0, 1};
    m.NumStrati = static_cast<Intero16>(n);
    return m;
}

// --- Saving and reading back ------------------------------------------------------------------

struct CasoNome {
    std::string nome;
    QString digitato;  // typed into txt_salva; null: the design text "Nuovo" is kept
    QString esistente; // a file made first
    bool dallaLista;   // the name is picked by clicking that file
    QString scritto;   // the file that must appear
};

class NomiProgetto : public ProvaFile, public ::testing::WithParamInterface<CasoNome> {};

TEST_P(NomiProgetto, ScriveIlFileColNomeGiustoEChiedeNuovoLavoro) {
    const CasoNome& c = GetParam();
    a.m() = esempio(2);
    if (!c.esistente.isEmpty())
        scriviFile(cartella.file(c.esistente), Vecchio);
    QStringList atteso = cartella.contenuto() << c.scritto;
    atteso.removeDuplicates();
    atteso.sort();
    f->Save->trigger();
    auto* s = istanza<SalvaWindow>(IdFinestra::Salva);
    if (c.dallaLista)
        clicFile(s->File1, c.esistente);
    else if (!c.digitato.isNull())
        scrivi(s->txt_salva, c.digitato);
    clic(s->Salva);
    eliminaScaricate();

    EXPECT_EQ(cartella.contenuto(), atteso);
    ASSERT_EQ(FileEsempio.size(), 82u);
    EXPECT_EQ(leggi(cartella.file(c.scritto)), FileEsempio) << "an old file is replaced whole";
    EXPECT_TRUE(!c.dallaLista || leggi(cartella.file(c.esistente)) == Vecchio) << "picked, kept";
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    EXPECT_EQ(istanza(IdFinestra::Salva), nullptr) << "a save unloads the window";
    EXPECT_TRUE(istanza(IdFinestra::Nuovolavoro)->isVisible()) << "then asks \"Nuovo Lavoro?\"";
    EXPECT_EQ(std::tuple(a.m().NumStrati, a.m().IndiceStrato), std::tuple(2, 3))
        << "the job stays until the question is answered; the walk ends one past the last record";
}

INSTANTIATE_TEST_SUITE_P(
    Casi, NomiProgetto,
    ::testing::Values(CasoNome{"Nuovo", {}, {}, false, "Nuovo.spt"},
                      CasoNome{"GiaConEstensione", "prova.spt", "prova.spt", false, "prova.spt"},
                      CasoNome{"EstensioneMaiuscola", "prova.SPT", {}, false, "prova.SPT.spt"},
                      CasoNome{"DatDallaLista", {}, "dati.dat", true, "dati.dat.spt"},
                      CasoNome{"SoloEstensione", ".spt", {}, false, ".spt.spt"},
                      CasoNome{"DueCaratteri", "ab", {}, false, "ab.spt"},
                      CasoNome{"CinqueCaratteriConEstensione", "a.spt", {}, false, "a.spt"}),
    NomeCaso{});

// Fifty layers, 1/3 and 0.5 among them, saved and read back under a surcharge of 10.
TEST_F(ProvaFile, CinquantaStratiDanno255RigheERitornanoInteri) {
    Modulo1 originale;
    originale.Strati(0).Potenza = 0.75; // record 0 is written and read like the others
    for (int i = 1; i <= 50; ++i)
        originale.Strati(i) = Strato{i * 0.5, 15.0 + i % 10,  (i % 4) * 2.5, 20.0 + i % 15, 0, 0, 0,
                                     0,       Intero16(i % 2)};
    originale.Strati(1).Potenza = 1.0 / 3.0;
    originale.Strati(1).Gamma = 0.5;
    originale.NumStrati = 50;
    a.m() = originale;
    clic(apri<SalvaWindow>(IdFinestra::Salva)->Salva);
    const std::string scritto = leggi(cartella.file("Nuovo.spt"));
    EXPECT_EQ(std::count(scritto.begin(), scritto.end(), '\n'), 255);
    EXPECT_EQ(scritto.substr(0, 53),
              " .75 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n .333333333333333 \r\n .5 \r\n");

    // Another job in memory, with a surcharge of 10; the main window shows something else.
    a.m() = Modulo1{};
    a.m().Strati(0).Sv = 10;
    a.m().IndiceStrato = 2;
    f->txt_strat->setText("7");
    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    clicFile(ap->File1, "Nuovo.spt"); // the name picked from the list
    clic(ap->Apri);
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    EXPECT_EQ(istanza(IdFinestra::Apri), nullptr) << "an open unloads the window";
    EXPECT_EQ(std::tuple(a.m().NumStrati, a.m().IndiceStrato), std::tuple(50, 0));
    EXPECT_EQ(a.m().Strati(1).Potenza, 0.333333333333333) << "15 significant digits";
    originale.Strati(1).Potenza = 0.333333333333333;
    double sv = 10; // every layer recomputed: Sv accumulates γ·h from the surcharge down
    for (int i = 0; i <= 50; ++i) {
        const Strato& l = a.m().Strati(i);
        const Strato& o = originale.Strati(i);
        EXPECT_EQ(std::tie(l.Potenza, l.Gamma, l.Coesione, l.AttritoInterno, l.Falda),
                  std::tie(o.Potenza, o.Gamma, o.Coesione, o.AttritoInterno, o.Falda))
            << i;
        sv += i > 0 ? o.Gamma * o.Potenza : 0;
        EXPECT_NEAR(l.Sv, sv, 1e-9) << i << ": record 0 keeps the surcharge, not in the file";
    }
    EXPECT_EQ(std::tuple(f->txt_strato->text(), f->txt_strat->text()),
              std::tuple(QStringLiteral("50"), QStringLiteral("7")))
        << "txt_strato numbers the layers read; the layer shown stays until browsing";
    // Ok, the natural next click, keeps the fifty layers as they were read (recomputed from the
    // surcharge in its box, the same 10).
    const Modulo1 aperto = a.m();
    scrivi(f->txt_sovraccarico, "10");
    clic(f->Fine);
    EXPECT_EQ(a.m().NumStrati, 50);
    for (int i = 0; i <= 50; ++i)
        EXPECT_EQ(a.m().Strati(i), aperto.Strati(i)) << i;
    EXPECT_TRUE(a.messaggi.messaggi().empty());
}

TEST_F(ProvaFile, UnaVirgolaSpezzaIlValoreEFaScorrereIlResto) {
    scriviFile(cartella.file("virgola.spt"),
               " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 2,5 \r\n 18 \r\n 0 \r\n 30 \r\n");
    scrivi(apri<ApriWindow>(IdFinestra::Apri)->txt_apri, "virgola.spt");
    clic(istanza<ApriWindow>(IdFinestra::Apri)->Apri);
    const Strato& s = a.m().Strati(1);
    EXPECT_EQ(std::tie(a.m().NumStrati, s.Potenza, s.Gamma, s.Coesione, s.AttritoInterno, s.Falda),
              std::tuple(1, 2.0, 5.0, 18.0, 0.0, 30))
        << "any non-zero flag counts as below the water table";
    EXPECT_TRUE(a.messaggi.messaggi().empty());
}

// The lines as written out by hand, with "·" standing for a space.
std::string spazi(std::string s) {
    for (std::size_t i = s.find("\xC2\xB7"); i != std::string::npos; i = s.find("\xC2\xB7", i))
        s.replace(i, 2, " ");
    return s;
}

TEST_F(ProvaFile, EsportazioneByteperByteConIlSeparatoreDellUtente) {
    const std::string intestazione =
        spazi("Strato········Potenza·······Gamma·········Coesione······Attr.int.·····S.falda·······"
              "Ka············Sv············Sa1···········Sa2\r\n");
    const std::string virgola =
        spazi("·1·············2,5···········18············0·············30···········No··········"
              "··,33···········45,···········,·············15,\r\n");
    const std::string punto =
        spazi("·1·············2.5···········18············0·············30···········No··········"
              "··.33···········45.···········.·············15.\r\n");
    a.m() = esempio(1);
    auto* e = apri<EsportaWindow>(IdFinestra::Esporta);
    scrivi(e->txt_salva, "risultati");
    clic(e->Salva);
    eliminaScaricate();
    EXPECT_EQ(leggi(cartella.file("risultati.dat")), intestazione + virgola);
    EXPECT_EQ(istanza(IdFinestra::Esporta), e) << "the export hides the window, not unloads it";
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(std::tuple(a.m().IndiceStrato, a.m().NumStrati), std::tuple(2, 1))
        << "the walk ends one past the last layer";

    // With a period, to the name picked from the list: ".dat" comes once more.
    a.separatori.imposta(Separatori{".", ","});
    f->esportamenu->trigger();
    clicFile(e->File1, "risultati.dat");
    clic(e->Salva);
    EXPECT_EQ(leggi(cartella.file("risultati.dat.dat")), intestazione + punto);
    EXPECT_EQ(cartella.contenuto(), QStringList({"risultati.dat", "risultati.dat.dat"}));
    EXPECT_TRUE(a.messaggi.messaggi().empty());
}

enum class Ostacolo {
    Niente,
    DatiProva,
    Cartella,
    Pipa,
    DiscoPieno,
    SolaLettura,
    Illeggibile,
    Enorme,
    NomeNonUtf8
};
using enum Ostacolo;

struct CasoFallimento {
    std::string nome;
    std::vector<IdFinestra> finestre;
    QString digitato; // in the name box (Salva and Esporta add ".spt" and ".dat"); test data
    Ostacolo ostacolo;
    QString parole; // "|"-separated; the message holds them and the file's name
};

// What stands under a name: a plain file's bytes, else its kind. A pipe is never opened.
std::string sottoIlNome(const std::string& byte) {
    struct stat st {};
    if (lstat(byte.c_str(), &st) != 0)
        return "<assente>";
    if (!S_ISREG(st.st_mode))
        return "<tipo " + std::to_string(st.st_mode & S_IFMT) + ">";
    std::ifstream f(byte, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class Fallimento : public ProvaFile, public ::testing::WithParamInterface<CasoFallimento> {};

TEST_P(Fallimento, DiceCosaNonVaELasciaTuttoComEra) {
    const CasoFallimento& c = GetParam();
    alarm(120); // should a pipe make the program wait, the test program ends instead of the suite
    a.m() = esempio(1);
    a.m().IndiceStrato = 7;
    for (const IdFinestra id : c.finestre) {
        const bool apre = id == IdFinestra::Apri;
        const QString estensione = apre ? "" : id == IdFinestra::Salva ? ".spt" : ".dat";
        const QString file =
            c.digitato.isEmpty() ? QString() : cartella.file(c.digitato + estensione);
        // The name on the disk: the "\uFFFD" shown in place of a byte that is not UTF-8 is 0xFF.
        const std::string byte =
            QFile::encodeName(file).replace("\xEF\xBF\xBD", "\xFF").toStdString();
        SCOPED_TRACE(file.toStdString());
        a.messaggi.azzera();
        ASSERT_TRUE(c.ostacolo != DatiProva ||
                    QFile::copy(QStringLiteral(SPINTARO_TEST_DATA "/") + c.digitato, file));
        if (c.ostacolo == DiscoPieno || c.ostacolo == SolaLettura || c.ostacolo == Illeggibile)
            scriviFile(file, c.ostacolo == Illeggibile ? FileEsempio : Vecchio);
        if (c.ostacolo == Illeggibile)
            QFile::setPermissions(file, QFileDevice::Permissions{});
        if (c.ostacolo == Cartella)
            QDir().mkpath(file);
        if (c.ostacolo == Pipa) {
            ASSERT_EQ(mkfifo(byte.c_str(), 0644), 0);
        }
        if (c.ostacolo == Enorme) // one line of 15 MiB: a number too large for any field
            scriviFile(file, std::string(15u << 20, '9') + "\r\n");
        if (c.ostacolo == NomeNonUtf8)
            std::ofstream(byte, std::ios::binary) << (apre ? FileEsempio : Vecchio);
        // The folder's files, and what stands under the name.
        auto stato = [&, file = file, byte = byte] {
            return std::tuple(cartella.contenuto(), QFileInfo(file).isDir(), sottoIlNome(byte));
        };
        const auto intatto = stato();
        const Modulo1 prima = a.m();
        FinestraBase* w = apri(id);
        QLineEdit* nome = in(w, apre ? "txt_apri" : "txt_salva");
        if (std::all_of(c.digitato.begin(), c.digitato.end(),
                        [](QChar q) { return q.unicode() < 256; }))
            scrivi(nome, c.digitato);
        else // the test's typing knows Latin-1 only: the rest is pasted
            nome->setText(c.digitato);
        auto prova = [&, id = id, file = file]() -> std::string {
            clic(in<QPushButton>(w, apre ? "Apri" : "Salva"));
            if (a.m() != prima)
                return "the job changed, or the cursor";
            if (istanza(id) != w || !w->isVisible() || nome->text() != c.digitato)
                return "the window did not stay as it was, for another try";
            if (istanza(IdFinestra::Nuovolavoro) != nullptr)
                return "\"Nuovo Lavoro?\" after a failed save";
            return unMessaggio(a.messaggi, c.parole.split('|') << QFileInfo(file).fileName());
        };
        // Root reads and writes anything: those cases run in a child that has given up root.
        QFile::setPermissions(cartella.percorso(), c.ostacolo == SolaLettura
                                                       ? CartellaPubblica & ~QFileDevice::WriteOwner
                                                       : CartellaPubblica);
        EXPECT_EQ(c.ostacolo == SolaLettura || c.ostacolo == Illeggibile
                      ? comeUtenteSenzaPrivilegi(prova)
                  : c.ostacolo == DiscoPieno ? conLimiteDimensione(32, prova)
                                             : prova(),
                  "");
        QFile::setPermissions(cartella.percorso(), CartellaPubblica);
        EXPECT_EQ(stato(), intatto) << "the old file intact, nothing half-written behind";
        EXPECT_TRUE(!c.digitato.isEmpty() || a.messaggi.testi() == QStringList{c.parole});
        if (c.ostacolo == NomeNonUtf8)
            std::remove(byte.c_str()); // Qt neither lists nor removes it
    }
    alarm(0);
}

const std::vector<IdFinestra> Scritture = {IdFinestra::Salva, IdFinestra::Esporta};
const std::vector<IdFinestra> Apertura = {IdFinestra::Apri};
const std::vector<IdFinestra> Tutte = {IdFinestra::Salva, IdFinestra::Esporta, IdFinestra::Apri};

INSTANTIATE_TEST_SUITE_P(
    Casi, Fallimento,
    ::testing::Values(
        CasoFallimento{"NomeVuoto", Tutte, "", Niente, "inserisci nome file"},
        CasoFallimento{"CartellaMancante", Scritture, "manca/prova", Niente,
                       "la cartella non esiste"},
        CasoFallimento{"FileMancante", Apertura, "manca.spt", Niente,
                       "il file non esiste|non è stato aperto"},
        CasoFallimento{"UnaCartellaAlPostoDelFile", Tutte, "occupato", Cartella, "cartella"},
        // "Nuovo" is the name the save window offers: a pipe there, with nobody at its other end.
        CasoFallimento{"PipaColNomeProposto", Tutte, "Nuovo", Pipa,
                       "non è un file normale (è una pipe con nome)"},
        CasoFallimento{"IlDiscoSiRiempieAMeta", Scritture, "grande", DiscoPieno,
                       "il file supera la dimensione massima consentita"},
        CasoFallimento{"CartellaProtetta", Scritture, "protetto", SolaLettura,
                       "non si hanno i permessi per scrivere"},
        CasoFallimento{"FileIlleggibile", Apertura, "segreto.spt", Illeggibile,
                       "non si hanno i permessi per leggere"},
        CasoFallimento{"NomeNonUtf8", Tutte, QStringLiteral("a\uFFFD"), NomeNonUtf8,
                       "caratteri non validi"},
        CasoFallimento{"FileVuoto", Apertura, "vuoto.spt", DatiProva, "vuoto"},
        CasoFallimento{"FileTroncato", Apertura, "troncato.spt", DatiProva,
                       "riga 8|termina a metà del record 1|coesione"},
        CasoFallimento{"PiuDi51Record", Apertura, "troppi_record.spt", DatiProva,
                       "riga 256|più di 51 record"},
        CasoFallimento{"FaldaFuoriIntervallo", Apertura, "falda_enorme.spt", DatiProva,
                       "riga 10|falda"},
        CasoFallimento{"RigaDi15MiB", Apertura, "enorme.spt", Enorme,
                       "riga 1: valore fuori intervallo per la potenza: «999999999"},
        CasoFallimento{"CaratteriDiControllo", Apertura, "controllo.spt", DatiProva,
                       QStringLiteral("riga 5|«1e99999\uFFFD[2J\uFFFD]0;titolo\uFFFD\uFFFD»")}),
    NomeCaso{});

// --- The questions before a job is thrown away ------------------------------------------------

enum class Tasto { Nessuno, Si, No, Annulla, Bordo };
using enum Tasto;

struct CasoDomanda {
    std::string nome;
    Tasto attenzione;  // the answer to "Salvare il Lavoro?"
    Tasto nuovolavoro; // after "&Si": Nessuno is Annulla in Salva, else the save and this answer
};

class Domande : public ProvaFile, public ::testing::WithParamInterface<CasoDomanda> {
protected:
    // Three layers, a surcharge of 10, the entry closed and the thrust computed; layer 1 is
    // cohesive (h 4, γ 19, c 10, φ 20), so z0 is shown. Then half-typed values in two boxes.
    void SetUp() override {
        ProvaFile::SetUp();
        scrivi(f->txt_sovraccarico, "10");
        strato("4", "19", "10", "20");
        clic(f->nuovo);
        strato("2", "18", "0", "30");
        clic(f->nuovo);
        strato("3", "20", "5", "25", true);
        clic(f->Fine);
        clic(f->Command2);
        ASSERT_FALSE(f->txt_z0->text().isEmpty() || f->txt_spinta->text().isEmpty());
        scrivi(f->txt_potenza, "7");
        scrivi(f->txt_gamma, "abc");
        prima = a.m();
        mostrate = caselle();
    }
    // The "Visualizza" boxes with z0 last, then those that no answer touches.
    QStringList caselle() const {
        QStringList t;
        for (const QLineEdit* c :
             {f->txt_strat, f->txt_pot, f->txt_gam, f->txt_coes, f->txt_attritint, f->txt_ka,
              f->txt_Sv, f->txt_sa1, f->txt_sa2, f->txt_z0, f->txt_sovraccarico, f->txt_potenza,
              f->txt_gamma, f->txt_coesione, f->txt_attrint, f->txt_spinta})
            t.append(c->text());
        return t;
    }
    void rispondi(FinestraBase* w, Tasto t, const char* si, const char* no) {
        if (t == Bordo)
            w->close();
        else
            clic(in<QPushButton>(w, t == Si ? si : t == No ? no : "Command3"));
    }

    Modulo1 prima;
    QStringList mostrate;
};

// The job after a reset: inputs of layers 1..n zero, the computed fields and record 0 kept.
Modulo1 azzerato(Modulo1 m, int n) {
    for (int i = 1; i <= n; ++i) {
        Strato& s = m.Strati(i);
        s.Potenza = s.Gamma = s.Coesione = s.AttritoInterno = 0;
        s.Falda = 0;
    }
    m.NumStrati = 0;
    m.IndiceStrato = static_cast<Intero16>(n + 1);
    return m;
}

TEST_P(Domande, SoloNoEIlSiDopoIlSalvataggioCancellano) {
    const CasoDomanda& c = GetParam();
    const bool scarta = c.attenzione == No, nuovo = c.nuovolavoro == Si;
    clic(f->Picture1);
    IdFinestra id = IdFinestra::Attenzione;
    FinestraBase* w = istanza(id);
    ASSERT_TRUE(w != nullptr && w->isVisible());
    EXPECT_EQ(a.m(), prima) << "nothing is cleared before the answer";
    rispondi(w, c.attenzione, "Command2", "Command1");
    if (c.attenzione == Si) {
        auto* s = istanza<SalvaWindow>(IdFinestra::Salva);
        ASSERT_TRUE(s != nullptr && s->isVisible());
        if (c.nuovolavoro == Nessuno) {
            clic(s->Annulla);
        } else {
            scrivi(s->txt_salva, "lavoro");
            clic(s->Salva);
            EXPECT_EQ(leggi(cartella.file("lavoro.spt")), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                                                          " 4 \r\n 19 \r\n 10 \r\n 20 \r\n 0 \r\n"
                                                          " 2 \r\n 18 \r\n 0 \r\n 30 \r\n 0 \r\n"
                                                          " 3 \r\n 20 \r\n 5 \r\n 25 \r\n 1 \r\n");
            w = istanza(id = IdFinestra::Nuovolavoro);
            ASSERT_TRUE(w != nullptr && w->isVisible());
            EXPECT_EQ(a.m(), prima) << "the save's walk ends one past the last record, as before";
            rispondi(w, c.nuovolavoro, "Command1", "Command2");
        }
    }
    eliminaScaricate();

    Modulo1 atteso = scarta || nuovo ? azzerato(prima, 3) : prima;
    if (nuovo)
        atteso.SpintaTotale = 0;
    EXPECT_EQ(a.m(), atteso) << "inputs of 1..3 zero; computed fields and the surcharge kept";
    EXPECT_EQ(caselle(), scarta ? QStringList(9) + mostrate.mid(9) : mostrate)
        << "the discard empties nine boxes (not z0), the new job none";
    EXPECT_EQ(f->txt_strato->text(), scarta || nuovo ? "1" : "3");
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    EXPECT_EQ(istanza(IdFinestra::Salva), nullptr);
    EXPECT_EQ(cartella.contenuto().size(), c.nuovolavoro == Nessuno ? 0 : 1);
    const bool bordo = c.attenzione == Bordo || c.nuovolavoro == Bordo;
    EXPECT_EQ(istanza(id), bordo ? nullptr : w) << "the buttons hide, the close box unloads";
    EXPECT_FALSE(!bordo && w->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Casi, Domande,
                         ::testing::Values(CasoDomanda{"No", No, Nessuno},
                                           CasoDomanda{"Annulla", Annulla, Nessuno},
                                           CasoDomanda{"Bordo", Bordo, Nessuno},
                                           CasoDomanda{"SiEAnnullaInSalva", Si, Nessuno},
                                           CasoDomanda{"SiSalvaESi", Si, Si},
                                           CasoDomanda{"SiSalvaENo", Si, No},
                                           CasoDomanda{"SiSalvaEBordo", Si, Bordo}),
                         NomeCaso{});

// "&No" of "Salvare il Lavoro?" and "&Si" of "Nuovo Lavoro?" with no layers and with the 51st
// being typed in (one past the table): nothing beyond the table is touched.
TEST_F(ProvaFile, GliAzzeramentiAgliEstremi) {
    for (const IdFinestra id : {IdFinestra::Attenzione, IdFinestra::Nuovolavoro}) {
        SCOPED_TRACE(id == IdFinestra::Attenzione ? "Scarta" : "NuovoLavoro");
        a.m() = Modulo1{};
        a.m().Strati(1).Potenza = 5; // above NumStrati: kept
        a.m().IndiceStrato = 9;
        clic(in<QPushButton>(apri(id), "Command1"));
        EXPECT_EQ(std::tuple(a.m().Strati(1).Potenza, a.m().NumStrati, a.m().IndiceStrato),
                  std::tuple(5.0, 0, 1));
        for (int i = 1; i <= 50; ++i)
            a.m().Strati(i) = Strato{double(i), 18, 5, 30, 0, 0, 0, 0, 1};
        a.m().NumStrati = 51;
        f->txt_strato->setText("51");
        clic(in<QPushButton>(apri(id), "Command1"));
        for (int i = 1; i <= 50; ++i)
            EXPECT_EQ(a.m().Strati(i), Strato{}) << i;
        EXPECT_EQ(std::tuple(a.m().NumStrati, a.m().IndiceStrato, f->txt_strato->text()),
                  std::tuple(0, 51, QStringLiteral("1")));
        EXPECT_TRUE(a.messaggi.messaggi().empty() && a.fini == 0);
    }
}

// --- The chooser windows ------------------------------------------------------------------------

// Files matching the ";" patterns in any case, hidden ones left out; a click, or the keys, copies
// the bare name, except in salvaimmagine.
TEST_F(ProvaFile, GliElenchiFiltranoEUnClicCopiaIlNome) {
    for (const char* nome : {"uno.spt", "Due.SPT", "tre.dat", "quattro.txt", ".nascosto.spt", "spt",
                             "cinque.spt.bak", "foto.JPG", "c.tif", "d.gif", "e.bmp", "f.png"})
        scriviFile(cartella.file(nome), "x");
    cartella.sottocartella("cartella.spt");
    const std::tuple<IdFinestra, QStringList, bool> casi[] = {
        {IdFinestra::Salva, {"Due.SPT", "tre.dat", "uno.spt"}, true},
        {IdFinestra::Apri, {"Due.SPT", "uno.spt"}, true},
        {IdFinestra::Esporta, {"tre.dat"}, true},
        {IdFinestra::salvaimmagine, {"c.tif", "d.gif", "e.bmp", "foto.JPG"}, false}};
    for (const auto& [id, nomi, copia] : casi) {
        FinestraBase* w = apri(id);
        SCOPED_TRACE(w->objectName().toStdString());
        auto* lista = w->findChild<ListaFile*>();
        QLineEdit* casella = in(w, id == IdFinestra::Apri ? "txt_apri" : "txt_salva");
        EXPECT_EQ(lista->nomi(), nomi);
        const QString progetto = casella->text();
        for (const QString& nome : nomi) {
            clicFile(lista, nome);
            EXPECT_EQ(casella->text(), copia ? nome : progetto);
        }
        QTest::keyClick(lista, Qt::Key_Home);
        EXPECT_EQ(casella->text(), copia ? nomi.front() : progetto);
    }
}

TEST_F(ProvaFile, LElencoCartelleMostraIlPercorsoDallaRadiceEPoiLeSottocartelle) {
    const QString b = cartella.sottocartella("a/b");
    for (const char* sotto : {"a/b/c", "a/b/D", "a/b/.nascosta", "a/e"})
        cartella.sottocartella(sotto);
    scriviFile(b + "/file.spt", "x");
    ASSERT_TRUE(QDir::setCurrent(b));
    ListaCartelle* d = apri<ApriWindow>(IdFinestra::Apri)->Dir1;
    QStringList voci;
    for (int i = 0; i < d->count(); ++i)
        voci.append(d->item(i)->text());
    EXPECT_EQ(voci, QStringList{QDir::rootPath()} + b.split('/', Qt::SkipEmptyParts) +
                        QStringList({"c", "D"}))
        << "the root, each level down to b, then its subdirectories sorted regardless of case";
    EXPECT_EQ(d->currentItem()->text(), "b");
    const int rigaB = d->rigaDi(b);

    // A double click opens a subdirectory: the file list follows, it is the working directory.
    apriCartella(d, b + "/c");
    EXPECT_EQ(std::tuple(d->currentItem()->text(), d->count(), d->rigaDi(b)),
              std::tuple(QStringLiteral("c"), rigaB + 2, rigaB));
    EXPECT_EQ(
        std::tuple(istanza<ApriWindow>(IdFinestra::Apri)->File1->cartella(), QDir::currentPath()),
        std::tuple(b + "/c", b + "/c"));
    // Enter on an ancestor goes back up.
    d->setCurrentRow(d->rigaDi(cartella.file("a")));
    QTest::keyClick(d, Qt::Key_Return);
    EXPECT_EQ(std::tuple(d->cartella(), QDir::currentPath(), d->item(d->count() - 1)->text()),
              std::tuple(cartella.file("a"), cartella.file("a"), QStringLiteral("e")));
    // A directory that has gone since it was listed: said, and the list stays.
    ASSERT_TRUE(QDir(cartella.file("a")).rmdir("e"));
    apriCartella(d, cartella.file("a/e"));
    EXPECT_EQ(std::tuple(d->cartella(), QDir::currentPath()),
              std::tuple(cartella.file("a"), cartella.file("a")));
    EXPECT_EQ(unMessaggio(a.messaggi, {"/a/e»", "non esiste"}), "");
}

// A directory chosen in one window is where the others start, and where Salva writes; the format
// box of Salva changes neither its list nor the name.
TEST_F(ProvaFile, LaCartellaDiLavoroEComuneAlleQuattroFinestre) {
    const QString sotto = cartella.sottocartella("sotto");
    scriviFile(sotto + "/vecchio.spt", "x");
    scriviFile(sotto + "/b.txt", "x");
    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    apriCartella(ap->Dir1, sotto);
    clic(ap->Annulla);
    eliminaScaricate();
    EXPECT_EQ(istanza(IdFinestra::Apri), nullptr) << "Annulla unloads Apri";
    EXPECT_EQ(QDir::currentPath(), sotto) << "the working directory outlives the window";
    for (const IdFinestra id : {IdFinestra::Esporta, IdFinestra::salvaimmagine, IdFinestra::Salva})
        EXPECT_EQ(apri(id)->findChild<ListaCartelle*>()->cartella(), sotto);
    auto* s = istanza<SalvaWindow>(IdFinestra::Salva);
    const QString disco = s->Drive1->disco();
    const QStringList dischi = s->Drive1->dischi();
    EXPECT_TRUE(dischi.contains(disco) && !QDir(disco).relativeFilePath(sotto).startsWith(".."));
    EXPECT_EQ(dischi.mid(0, 2).join(' ').toStdString(), "/ " + QDir::homePath().toStdString())
        << "the root, then the home folder";
    for (const QString& d : dischi) {
        EXPECT_TRUE(QFileInfo(d).isDir()) << d.toStdString();
        const QString c = d + '/';
        EXPECT_FALSE(c.startsWith("/proc/") || c.startsWith("/sys/") || c.startsWith("/dev/") ||
                     (c.startsWith("/run/") && !c.startsWith("/run/media/")))
            << d.toStdString();
    }
    // Choosing the current drive from the open list with the keys stays in the working directory.
    s->Drive1->setFocus();
    s->Drive1->showPopup();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(std::tuple(s->Drive1->disco(), s->Dir1->cartella(), QDir::currentPath()),
              std::tuple(disco, sotto, sotto));
    scrivi(s->txt_formato->lineEdit(), "*.*");
    EXPECT_EQ(s->File1->nomi(), QStringList{"vecchio.spt"});
    clic(s->Salva);
    EXPECT_EQ(cartella.contenuto("sotto"), QStringList({"Nuovo.spt", "b.txt", "vecchio.spt"}));
    EXPECT_TRUE(cartella.contenuto().isEmpty());

    // Annulla unloads Salva: the next opening starts afresh.
    scrivi(apri<SalvaWindow>(IdFinestra::Salva)->txt_salva, "altro");
    clic(istanza<SalvaWindow>(IdFinestra::Salva)->Annulla);
    eliminaScaricate();
    EXPECT_EQ(istanza(IdFinestra::Salva), nullptr);
    EXPECT_EQ(apri<SalvaWindow>(IdFinestra::Salva)->txt_salva->text(), "Nuovo");
    EXPECT_EQ(cartella.contenuto("sotto").size(), 3);
}

// Esporta and salvaimmagine hidden by Annulla keep their texts and folder; shown again after
// another window moved the working directory, they write into the folder they show. The close
// box unloads them.
TEST_F(ProvaFile, NascosteConservanoTestiECartella) {
    const QString sotto = cartella.sottocartella("sotto");
    const QString via = cartella.sottocartella("sotto/via");
    for (const auto& [id, scritto] : {std::pair{IdFinestra::Esporta, "muro.dat"},
                                      std::pair{IdFinestra::salvaimmagine, "muro.gif"}}) {
        SCOPED_TRACE(scritto);
        FinestraBase* w = apri(id);
        auto* formato = w->findChild<QComboBox*>(QStringLiteral("txt_formato"));
        const QString progetto = in(w, "txt_salva")->text();
        apriCartella(w->findChild<ListaCartelle*>(), sotto);
        scrivi(in(w, "txt_salva"), "muro");
        if (formato != nullptr)
            scrivi(formato->lineEdit(), "gif");
        clic(in<QPushButton>(w, "Annulla"));
        eliminaScaricate();
        EXPECT_FALSE(w->isVisible());

        ASSERT_TRUE(QDir::setCurrent(cartella.percorso())); // as another window would
        EXPECT_EQ(apri(id), w);
        EXPECT_EQ(in(w, "txt_salva")->text(), "muro");
        EXPECT_TRUE(formato == nullptr || formato->currentText() == "gif");
        EXPECT_EQ(w->findChild<ListaCartelle*>()->cartella(), sotto);
        EXPECT_EQ(w->findChild<ListaFile*>()->cartella(), sotto);
        EXPECT_EQ(QDir::currentPath(), sotto) << "the folder shown is where the file goes";
        clic(in<QPushButton>(w, "Salva"));
        w->close();
        eliminaScaricate();
        EXPECT_EQ(istanza(id), nullptr);
        EXPECT_EQ(in(apri(id), "txt_salva")->text(), progetto) << "the design text again";
    }
    EXPECT_EQ(cartella.contenuto("sotto"), QStringList({"muro.dat", "muro.gif"}));

    // A folder removed while the window was hidden gives way to the working directory.
    auto* e = istanza<EsportaWindow>(IdFinestra::Esporta);
    apriCartella(e->Dir1, via);
    clic(e->Annulla);
    ASSERT_TRUE(QDir::setCurrent(sotto));
    ASSERT_TRUE(QDir(sotto).rmdir("via"));
    apri(IdFinestra::Esporta);
    EXPECT_EQ(std::tuple(e->Dir1->cartella(), e->File1->cartella(), QDir::currentPath()),
              std::tuple(sotto, sotto, sotto));
    EXPECT_TRUE(a.messaggi.messaggi().empty());
}

// Salva writes the diagram that opened the dialog last, in the working directory; the dialog
// stays open and keeps its texts.
TEST_F(ProvaFile, SalvaScriveIlDiagrammaScelto) {
    auto* im = apri<SalvaimmagineWindow>(IdFinestra::salvaimmagine);
    QStringList voci;
    for (int i = 0; i < im->txt_formato->count(); ++i)
        voci.append(im->txt_formato->itemText(i));
    EXPECT_EQ(voci, QStringList({"bmp", "jpg", "gif", "tif", "svg", "pdf"}));
    EXPECT_EQ(im->diagramma(), IdFinestra::Sv);
    clic(im->Salva);
    EXPECT_EQ(cartella.contenuto(), QStringList{"Nuovo.bmp"});
    EXPECT_EQ(im->File1->nomi(), QStringList{"Nuovo.bmp"}) << "listed at once";
    EXPECT_EQ(QImage(cartella.file("Nuovo.bmp")).size(), QSize(688, 410)); // 10320 × 6150 twips

    // "Salva S&a" of the main window: the same dialog now saves the Sa diagram.
    f->Salva_Sa->trigger();
    EXPECT_EQ(im->diagramma(), IdFinestra::Sa);
    scrivi(im->txt_salva, "pressioni");
    clic(im->Salva);
    EXPECT_EQ(QImage(cartella.file("pressioni.bmp")).size(), QSize(687, 423)); // 10305 × 6345
    EXPECT_TRUE(im->isVisible());
    EXPECT_EQ(std::tuple(im->txt_salva->text(), im->txt_formato->currentText()),
              std::tuple(QStringLiteral("pressioni"), QStringLiteral("bmp")));
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    f->Salva_Sv->trigger();
    EXPECT_EQ(im->diagramma(), IdFinestra::Sv);
}

// The six windows as laid out: caption, client size, every control at its twips (15 to a pixel
// at 96 dpi) in tab order, the design texts.
struct Disposizione {
    IdFinestra id;
    const char* titolo;
    int larghezza, altezza;
    std::vector<std::pair<const char*, QRect>> controlli; // in tab order, twips
};

TEST_F(ProvaFile, DisposizioneEOrdineDiTabulazione) {
    const auto r = [](int l, int t, int w, int h) {
        return QRect(l, t, w, h);
    };
    const std::vector<Disposizione> finestre = {
        {IdFinestra::Salva,
         "Salva",
         6855,
         4065,
         {{"Drive1", r(120, 120, 3015, 315)},
          {"Annulla", r(4320, 3000, 1455, 375)},
          {"txt_formato", r(360, 3240, 2055, 315)},
          {"txt_salva", r(360, 2880, 2055, 285)},
          {"Salva", r(2640, 3000, 1455, 375)},
          {"File1", r(3240, 480, 3495, 2040)},
          {"Dir1", r(120, 480, 3015, 2115)}}},
        {IdFinestra::Apri,
         "Apri",
         6660,
         4050,
         {{"Dir1", r(0, 480, 3015, 3465)},
          {"File1", r(3120, 240, 3495, 2235)},
          {"Apri", r(5040, 3000, 1455, 375)},
          {"txt_apri", r(3240, 3240, 1695, 285)},
          {"Annulla", r(5040, 3600, 1455, 375)},
          {"Drive1", r(0, 120, 3015, 315)}}},
        {IdFinestra::Esporta,
         "Esporta",
         5745,
         2325,
         {{"Dir1", r(0, 0, 2535, 1890)},
          {"File1", r(2640, 0, 3135, 1845)},
          {"Annulla", r(4440, 1920, 1095, 375)},
          {"Salva", r(2880, 1920, 1095, 375)},
          {"txt_salva", r(360, 1920, 1935, 285)}}},
        {IdFinestra::salvaimmagine,
         "Salva Immagine",
         7035,
         4500,
         {{"Dir1", r(120, 840, 3015, 2115)},
          {"File1", r(3240, 840, 3495, 2235)},
          {"Salva", r(2760, 3480, 1455, 375)},
          {"txt_salva", r(480, 3360, 2055, 285)},
          {"txt_formato", r(480, 3720, 2055, 315)},
          {"Annulla", r(4440, 3480, 1455, 375)},
          {"Drive1", r(120, 480, 3015, 315)}}},
        {IdFinestra::Attenzione,
         "ATTENZIONE",
         3750,
         1410,
         {{"Command2", r(120, 960, 1095, 315)},
          {"Command1", r(1320, 960, 1095, 315)},
          {"Command3", r(2520, 960, 1095, 315)},
          {"Label1", r(1200, 360, 1455, 255)}}},
        {IdFinestra::Nuovolavoro,
         " ", // an empty title bar
         4680,
         1380,
         {{"Command1", r(600, 840, 1335, 375)},
          {"Command2", r(2280, 840, 1215, 375)},
          {"Label1", r(1440, 240, 2175, 375)}}},
    };
    for (const Disposizione& d : finestre) {
        QWidget* w = apri(d.id);
        ASSERT_NE(w, nullptr);
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->windowTitle(), d.titolo);
        // The title the window system is told is never empty: under X an empty one is shown as
        // the program's name.
        EXPECT_FALSE(w->windowHandle()->title().isEmpty());
        EXPECT_EQ(w->size(), QSize(d.larghezza / 15, d.altezza / 15));
        QWidget* precedente = nullptr;
        for (const auto& [nome, twips] : d.controlli) {
            auto* c = w->findChild<QWidget*>(QLatin1String(nome));
            ASSERT_NE(c, nullptr) << nome;
            const QRect atteso(twips.x() / 15, twips.y() / 15, twips.width() / 15,
                               twips.height() / 15);
            EXPECT_EQ(QRect(c->mapTo(w, QPoint(0, 0)), c->size()), atteso) << nome;
            // Tab moves from each control to the next one of the row (labels take no stop).
            if (precedente != nullptr && c->focusPolicy() != Qt::NoFocus) {
                precedente->setFocus();
                QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
                QWidget* fuoco = w->focusWidget();
                EXPECT_TRUE(fuoco == c || c->isAncestorOf(fuoco)) << "Tab to " << nome;
            }
            if (c->focusPolicy() != Qt::NoFocus)
                precedente = c;
        }
    }
    auto* salva = istanza(IdFinestra::Salva);
    EXPECT_EQ(in(salva, "txt_salva")->text(), "Nuovo");
    EXPECT_EQ(in<QComboBox>(salva, "txt_formato")->currentText(), "spt");
    EXPECT_EQ(in(istanza(IdFinestra::Apri), "txt_apri")->text(), "");
    EXPECT_EQ(in(istanza(IdFinestra::Esporta), "txt_salva")->text(), "");
    auto* immagine = istanza(IdFinestra::salvaimmagine);
    EXPECT_EQ(in(immagine, "txt_salva")->text(), "Nuovo");
    EXPECT_EQ(in<QLabel>(istanza(IdFinestra::Attenzione), "Label1")->text(), "Salvare il Lavoro?");
    EXPECT_EQ(in<QLabel>(istanza(IdFinestra::Nuovolavoro), "Label1")->text(), "Nuovo Lavoro?");
}

} // namespace
} // namespace spintaro
