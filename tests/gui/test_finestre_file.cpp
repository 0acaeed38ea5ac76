// SPDX-License-Identifier: GPL-3.0-or-later
// The file windows: writes and reads, failures that change nothing, the questions before a new
// job, the choosers' lists and shared working directory, sizes, places and tab order.

#include "finestre_file_prova.h"
#include "model/azzeramento.h"
#include "platform/pulsante_immagine.h"
#include "ui/files/apri_window.h"
#include "ui/files/esporta_window.h"
#include "ui/files/salva_window.h"
#include "ui/files/salvaimmagine_window.h"

#include <QPushButton>
#include <fstream>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace spintaro {
namespace {

using namespace prova;
using prova::PrintTo;

// h 2.5, γ 18, c 0, φ 30, dry (Ka 0.3333, Sv 45, Sa1 0, Sa2 15); h 3, γ 20, c 10, φ 28, submerged.
Modulo1 esempio(int n) {
    Modulo1 m;
    m.Strati(1) = Strato{2.5, 18, 0, 30, 0.3333, 45, 0, 15, 0};
    m.Strati(2) = Strato{3, 20, 10, 28, 0, 0, 0, 0, 1};
    m.NumStrati = static_cast<Intero16>(n);
    return m;
}

// Fifty layers saved as "Nuovo", opened from the list into another job: the layer count goes
// into txt_strato, so that Ok keeps the fifty layers as they were read.
TEST_F(ProvaFile, CinquantaStratiSalvatiERiapertiEOkLiTiene) {
    for (int i = 1; i <= 50; ++i)
        a.m().Strati(i) = Strato{i * 0.5, 15.0 + i % 10,  (i % 4) * 2.5, 20.0 + i % 15, 0, 0, 0,
                                 0,       Intero16(i % 2)};
    a.m().NumStrati = 50;
    a.m().Strati(0).Sv = 10; // the job's surcharge, saved in its parameter file
    clic(apri<SalvaWindow>(IdFinestra::Salva)->Salva);
    f->relazione->trigger(); // the report is offered under the project's name (and cancelled)
    EXPECT_EQ(QFileInfo(a.desktop.proposti().value(0)).fileName(), "Nuovo.pdf");
    a.m() = Modulo1{};
    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    clicFile(ap->File1, "Nuovo.spt");
    clic(ap->Apri);
    eliminaScaricate();
    EXPECT_EQ(istanza(IdFinestra::Apri), nullptr) << "an open unloads the window";
    EXPECT_EQ(std::tuple(a.m().NumStrati, a.m().Strati(50).Potenza, f->txt_strato->text()),
              std::tuple(50, 25.0, QStringLiteral("50")));
    const Modulo1 aperto = a.m();
    // The job's surcharge back in its box: Ok recomputes the same values.
    EXPECT_EQ(f->txt_sovraccarico->text(), "10");
    clic(f->Fine);
    EXPECT_TRUE(a.m().NumStrati == 50 && a.messaggi.messaggi().empty());
    for (int i = 0; i <= 50; ++i)
        EXPECT_EQ(a.m().Strati(i), aperto.Strati(i)) << i;
}

// What stands under a name: a plain file's bytes, else its kind. A pipe is never opened.
std::string sottoIlNome(const std::string& byte) {
    struct stat st {};
    if (lstat(byte.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return "<tipo " + std::to_string(st.st_mode & S_IFMT) + ">";
    std::ifstream f(byte, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

enum class Ostacolo { Niente, Pipa, DatiProva, NomeNonUtf8 };
using enum Ostacolo;

struct CasoFallimento {
    std::string nome;
    std::vector<IdFinestra> finestre;
    QString digitato; // in the name box (Salva and Esporta add ".spt" and ".dat"); test data
    Ostacolo ostacolo;
    QString parole; // "|"-separated; the message holds them and the file's name
};

class Fallimento : public ProvaFile, public ::testing::WithParamInterface<CasoFallimento> {};

TEST_P(Fallimento, DiceCosaNonVaELasciaTuttoComEra) {
    const CasoFallimento& c = GetParam();
    alarm(120); // should a pipe make the program wait, the test program ends instead of the suite
    a.m() = esempio(1);
    a.m().IndiceStrato = 7;
    for (const IdFinestra id : c.finestre) {
        const bool apre = id == IdFinestra::Apri;
        const QString est = apre ? "" : id == IdFinestra::Salva ? ".spt" : ".dat";
        const QString file = c.digitato.isEmpty() ? QString() : cartella.file(c.digitato + est);
        // The name on the disk: the "\uFFFD" shown in place of a byte that is not UTF-8 is 0xFF.
        const std::string byte =
            QFile::encodeName(file).replace("\xEF\xBF\xBD", "\xFF").toStdString();
        SCOPED_TRACE(file.toStdString());
        a.messaggi.azzera();
        ASSERT_TRUE(c.ostacolo != DatiProva ||
                    QFile::copy(QStringLiteral(SPINTARO_TEST_DATA "/") + c.digitato, file));
        ASSERT_TRUE(c.ostacolo != Pipa || mkfifo(byte.c_str(), 0644) == 0);
        if (c.ostacolo == NomeNonUtf8) // a valid project, which must not be read nor replaced
            std::ofstream(byte, std::ios::binary) << " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n";
        const auto stato = [&, byte = byte] {
            return std::pair(cartella.contenuto(), sottoIlNome(byte));
        };
        const auto intatto = stato();
        const Modulo1 prima = a.m();
        FinestraBase* w = apri(id);
        QLineEdit* nome = in(w, apre ? "txt_apri" : "txt_salva");
        nome->setText(c.digitato);
        clic(in<QPushButton>(w, apre ? "Apri" : "Salva"));
        EXPECT_EQ(a.m(), prima) << "the job and its cursor as they were";
        EXPECT_TRUE(istanza(id) == w && w->isVisible() && nome->text() == c.digitato)
            << "the window stays as it was, for another try";
        EXPECT_EQ(istanza(IdFinestra::Nuovolavoro), nullptr);
        EXPECT_EQ(unMessaggio(a.messaggi, c.parole.split('|') << QFileInfo(file).fileName()), "");
        EXPECT_EQ(stato(), intatto) << "the old file intact, nothing half-written behind";
        if (c.ostacolo == NomeNonUtf8)
            std::remove(byte.c_str()); // Qt neither lists nor removes it
    }
    alarm(0);
}

const std::vector<IdFinestra> Tutte = {IdFinestra::Salva, IdFinestra::Esporta, IdFinestra::Apri};
const std::vector<IdFinestra> Apertura = {IdFinestra::Apri};

INSTANTIATE_TEST_SUITE_P(
    Casi, Fallimento,
    ::testing::Values(
        CasoFallimento{"NomeVuoto", Tutte, "", Niente, "inserisci nome file"},
        // "Nuovo" is the name the save window offers: a pipe there, with nobody at its other end.
        CasoFallimento{"PipaColNomeProposto", Tutte, "Nuovo", Pipa,
                       "non è un file normale (è una pipe con nome)"},
        CasoFallimento{"NomeNonUtf8", Tutte, QStringLiteral("a\uFFFD"), NomeNonUtf8,
                       "caratteri non validi"},
        CasoFallimento{"CaratteriDiControllo", Apertura, "controllo.spt", DatiProva,
                       QStringLiteral("riga 5|«1e99999\uFFFD[2J\uFFFD]0;titolo\uFFFD\uFFFD»")}),
    NomeCaso{});

enum class Tasto { Nessuno, Si, No, Annulla, Bordo };
using enum Tasto;

struct CasoDomanda {
    std::string nome;
    Tasto attenzione;  // the answer to "Salvare il Lavoro?"
    Tasto nuovolavoro; // after "&Si": Nessuno is Annulla in Salva, else the save and this answer
};

class Domande : public ProvaFile, public ::testing::WithParamInterface<CasoDomanda> {};

// Two layers and a thrust, every box of the main window showing "7". "&No" clears the job and
// nine "Visualizza" boxes (not z0); "&Si" of "Nuovo Lavoro?" after the save clears the job and the
// thrust, no box; both number the layers from 1 again. The buttons hide, the close box unloads.
TEST_P(Domande, SoloNoEIlSiDopoIlSalvataggioCancellano) {
    const CasoDomanda& c = GetParam();
    const bool scarta = c.attenzione == No, nuovo = c.nuovolavoro == Si;
    a.m() = esempio(2);
    a.m().IndiceStrato = 3; // where the save's walk ends
    a.m().SpintaTotale = 137.8;
    const Modulo1 prima = a.m();
    const QList<QLineEdit*> caselle = f->areaClient()->findChildren<QLineEdit*>();
    for (QLineEdit* casella : caselle)
        casella->setText("7");
    const auto rispondi = [&](IdFinestra id, Tasto t, const char* si, const char* no) {
        FinestraBase* w = istanza(id);
        EXPECT_TRUE(w != nullptr && w->isVisible());
        t == Bordo ? (void)w->close()
                   : clic(in<QPushButton>(w, t == Si   ? si
                                             : t == No ? no
                                                       : "Command3"));
        return w;
    };
    clic(f->Picture1);
    FinestraBase* w = rispondi(IdFinestra::Attenzione, c.attenzione, "Command2", "Command1");
    IdFinestra id = IdFinestra::Attenzione;
    if (c.attenzione == Si) {
        auto* s = istanza<SalvaWindow>(IdFinestra::Salva);
        ASSERT_TRUE(s != nullptr && s->isVisible());
        clic(c.nuovolavoro == Nessuno ? s->Annulla : s->Salva);
        if (c.nuovolavoro != Nessuno)
            w = rispondi(id = IdFinestra::Nuovolavoro, c.nuovolavoro, "Command1", "Command2");
    }
    eliminaScaricate();

    Modulo1 atteso = prima;
    scarta ? ScartaLavoro(atteso) : nuovo ? NuovoLavoro(atteso) : void();
    EXPECT_EQ(a.m(), atteso);
    const QList<QLineEdit*> nove = {f->txt_strat, f->txt_pot,       f->txt_gam,
                                    f->txt_coes,  f->txt_attritint, f->txt_ka,
                                    f->txt_Sv,    f->txt_sa1,       f->txt_sa2};
    for (const QLineEdit* casella : caselle)
        EXPECT_EQ(casella->text(), casella == f->txt_strato && (scarta || nuovo) ? "1"
                                   : scarta && nove.contains(casella)            ? ""
                                                                                 : "7")
            << casella->objectName().toStdString();
    EXPECT_TRUE(a.messaggi.messaggi().empty() && istanza(IdFinestra::Salva) == nullptr);
    EXPECT_EQ(cartella.contenuto(),
              c.nuovolavoro == Nessuno ? QStringList{} : QStringList{"Nuovo.spt"});
    const bool bordo = c.attenzione == Bordo || c.nuovolavoro == Bordo;
    EXPECT_EQ(istanza(id), bordo ? nullptr : w);
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

// Files matching the ";" patterns in any case, hidden ones left out; a click, or the keys, copies
// the bare name, except in salvaimmagine.
TEST_F(ProvaFile, GliElenchiFiltranoEUnClicCopiaIlNome) {
    for (const char* nome :
         {"uno.spt", "Due.SPT", "tre.dat", "quattro.txt", ".nascosto.spt", "spt", "cinque.spt.bak",
          "foto.JPG", "c.tif", "d.gif", "e.bmp", "f.png", "g.SVG", "h.pdf", "i.svgz", "j.pdf.txt"})
        scriviFile(cartella.file(nome), "x");
    cartella.sottocartella("cartella.spt");
    const std::tuple<IdFinestra, QStringList, bool> casi[] = {
        {IdFinestra::Salva, {"Due.SPT", "tre.dat", "uno.spt"}, true},
        {IdFinestra::Apri, {"Due.SPT", "uno.spt"}, true},
        {IdFinestra::Esporta, {"tre.dat"}, true},
        {IdFinestra::salvaimmagine,
         {"c.tif", "d.gif", "e.bmp", "foto.JPG", "g.SVG", "h.pdf"},
         false}};
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

// The root, each level down to the working directory b, then its subdirectories sorted regardless
// of case; a double click, or Enter, opens an entry and moves the file list and the working
// directory there; a directory gone since it was listed is said, and the list stays.
TEST_F(ProvaFile, LElencoCartelleDallaRadiceEPoiLeSottocartelle) {
    const QString b = cartella.sottocartella("a/b"), sopra = cartella.file("a");
    for (const char* sotto : {"a/b/c", "a/b/D", "a/b/.nascosta", "a/e"})
        cartella.sottocartella(sotto);
    ASSERT_TRUE(QDir::setCurrent(b));
    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    ListaCartelle* d = ap->Dir1;
    QStringList voci;
    for (int i = 0; i < d->count(); ++i)
        voci.append(d->item(i)->text());
    EXPECT_EQ(voci, QStringList{QDir::rootPath()} + b.split('/', Qt::SkipEmptyParts) +
                        QStringList({"c", "D"}));
    EXPECT_EQ(d->currentItem()->text(), "b");
    // Drawn as a tree: each folder of the path further right than the one above it, the
    // subfolders of "b" one step further, side by side.
    d->resize(d->width(), 40 * d->sizeHintForRow(0)); // every entry in view
    const QImage schermo = d->viewport()->grab().toImage();
    std::vector<int> sinistre;
    for (int i = 0; i < d->count(); ++i) {
        const QRect r = d->visualItemRect(d->item(i));
        const QRgb fondo = schermo.pixel(r.left(), r.center().y());
        int x = r.left();
        while (x < r.right() && schermo.pixel(x, r.center().y()) == fondo)
            ++x;
        sinistre.push_back(x);
    }
    for (int i = 1; i + 2 < d->count(); ++i)
        EXPECT_GT(sinistre[std::size_t(i)], sinistre[std::size_t(i) - 1]) << i;
    EXPECT_EQ(sinistre[sinistre.size() - 1], sinistre[sinistre.size() - 2]);
    EXPECT_GT(sinistre[sinistre.size() - 2], sinistre[sinistre.size() - 3]);

    apriCartella(d, b + "/c");
    EXPECT_EQ(std::tuple(d->currentItem()->text(), d->count(), ap->File1->cartella(),
                         QDir::currentPath()),
              std::tuple(QStringLiteral("c"), voci.size() - 1, b + "/c", b + "/c"));
    d->setCurrentRow(d->rigaDi(sopra));
    QTest::keyClick(d, Qt::Key_Return);
    EXPECT_EQ(std::tuple(d->cartella(), QDir::currentPath(), d->item(d->count() - 1)->text()),
              std::tuple(sopra, sopra, QStringLiteral("e")));
    ASSERT_TRUE(QDir(sopra).rmdir("e"));
    apriCartella(d, sopra + "/e");
    EXPECT_EQ(std::tuple(d->cartella(), QDir::currentPath()), std::tuple(sopra, sopra));
    EXPECT_EQ(unMessaggio(a.messaggi, {"/a/e»", "non esiste"}), "");
}

// A directory chosen in Apri outlives the window (Annulla unloads it): the other three start there
// and Salva writes there, whatever its format box says. The drive list starts with the root and
// the home folder; choosing the current drive with the keys stays in the working directory.
TEST_F(ProvaFile, LaCartellaDiLavoroEComuneAlleQuattroFinestre) {
    const QString sotto = cartella.sottocartella("sotto");
    scriviFile(sotto + "/vecchio.spt", "x");
    scriviFile(sotto + "/b.txt", "x");
    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    apriCartella(ap->Dir1, sotto);
    clic(ap->Annulla);
    eliminaScaricate();
    EXPECT_EQ(istanza(IdFinestra::Apri), nullptr);
    for (const IdFinestra id : {IdFinestra::Esporta, IdFinestra::salvaimmagine, IdFinestra::Salva})
        EXPECT_EQ(apri(id)->findChild<ListaCartelle*>()->cartella(), sotto);
    auto* s = istanza<SalvaWindow>(IdFinestra::Salva);
    const QString disco = s->Drive1->disco();
    EXPECT_EQ(s->Drive1->dischi().mid(0, 2), QStringList({"/", QDir::homePath()}));
    EXPECT_TRUE(s->Drive1->dischi().contains(disco) &&
                !QDir(disco).relativeFilePath(sotto).startsWith(".."));
    s->Drive1->setFocus();
    s->Drive1->showPopup();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(std::tuple(s->Drive1->disco(), s->Dir1->cartella(), QDir::currentPath()),
              std::tuple(disco, sotto, sotto));
    scrivi(s->txt_formato->lineEdit(), "*.*");
    EXPECT_EQ(s->File1->nomi(), QStringList{"vecchio.spt"});
    clic(s->Salva);
    EXPECT_EQ(cartella.contenuto("sotto"), QStringList({"Nuovo.spt", "b.txt", "vecchio.spt"}));
}

// Esporta and salvaimmagine, hidden and shown again after the working directory moved, write
// where they show (Esporta then hides, salvaimmagine stays), the export in the user's separator;
// the new image is listed at once. A folder removed meanwhile gives way to the working directory.
TEST_F(ProvaFile, NascosteScrivonoNellaCartellaCheMostrano) {
    a.m() = esempio(1);
    const QString sotto = cartella.sottocartella("sotto");
    const QString via = cartella.sottocartella("sotto/via");
    for (const IdFinestra id : {IdFinestra::Esporta, IdFinestra::salvaimmagine}) {
        FinestraBase* w = apri(id);
        SCOPED_TRACE(w->objectName().toStdString());
        apriCartella(w->findChild<ListaCartelle*>(), sotto);
        if (id == IdFinestra::Esporta) // salvaimmagine keeps its design name "Nuovo"
            scrivi(in(w, "txt_salva"), "muro");
        clic(in<QPushButton>(w, "Annulla"));
        EXPECT_FALSE(w->isVisible());
        ASSERT_TRUE(QDir::setCurrent(cartella.percorso())); // as another window would
        EXPECT_EQ(apri(id), w);
        EXPECT_EQ(std::tuple(w->findChild<ListaFile*>()->cartella(), QDir::currentPath()),
                  std::tuple(sotto, sotto));
        clic(in<QPushButton>(w, "Salva"));
        EXPECT_NE(w->isVisible(), id == IdFinestra::Esporta) << "only Esporta hides";
    }
    EXPECT_EQ(cartella.contenuto("sotto"), QStringList({"Nuovo.bmp", "muro.dat"}));
    EXPECT_EQ(leggi(sotto + "/muro.dat").substr(131),
              " 1             2,5           18            0             30           No            "
              ",33           45,           ,             15,\r\n");
    EXPECT_EQ(istanza<SalvaimmagineWindow>(IdFinestra::salvaimmagine)->File1->nomi(),
              QStringList{"Nuovo.bmp"});

    auto* e = apri<EsportaWindow>(IdFinestra::Esporta);
    apriCartella(e->Dir1, via);
    clic(e->Annulla);
    ASSERT_TRUE(QDir::setCurrent(sotto));
    ASSERT_TRUE(QDir(sotto).rmdir("via"));
    apri(IdFinestra::Esporta);
    EXPECT_EQ(std::tuple(e->Dir1->cartella(), e->File1->cartella(), QDir::currentPath()),
              std::tuple(sotto, sotto, sotto));
    EXPECT_TRUE(a.messaggi.messaggi().empty());
}

// Each window's size, then every control at its place, all in twips by hand (15 to a pixel at
// 96 dpi), in tab order: Tab from the first control visits the others (labels take no stop).
TEST_F(ProvaFile, DisposizioneEOrdineDiTabulazione) {
    const std::pair<IdFinestra, const char*> finestre[] = {
        {IdFinestra::Salva, "6855x4065 Drive1@120,120,3015,315 Annulla@4320,3000,1455,375 "
                            "txt_formato@360,3240,2055,315 txt_salva@360,2880,2055,285 "
                            "Salva@2640,3000,1455,375 File1@3240,480,3495,2040 "
                            "Dir1@120,480,3015,2115"},
        {IdFinestra::Apri, "6660x4050 Dir1@0,480,3015,3465 File1@3120,240,3495,2235 "
                           "Apri@5040,3000,1455,375 txt_apri@3240,3240,1695,285 "
                           "Annulla@5040,3600,1455,375 Drive1@0,120,3015,315"},
        {IdFinestra::Esporta, "5745x2325 Dir1@0,0,2535,1890 File1@2640,0,3135,1845 "
                              "Annulla@4440,1920,1095,375 Salva@2880,1920,1095,375 "
                              "txt_salva@360,1920,1935,285"},
        {IdFinestra::salvaimmagine, "7035x4500 Dir1@120,840,3015,2115 File1@3240,840,3495,2235 "
                                    "Salva@2760,3480,1455,375 txt_salva@480,3360,2055,285 "
                                    "txt_formato@480,3720,2055,315 Annulla@4440,3480,1455,375 "
                                    "Drive1@120,480,3015,315"},
        {IdFinestra::Attenzione, "3750x1410 Command2@120,960,1095,315 Command1@1320,960,1095,315 "
                                 "Command3@2520,960,1095,315 Label1@1200,360,1455,255"},
        {IdFinestra::Nuovolavoro, "4680x1380 Command1@600,840,1335,375 "
                                  "Command2@2280,840,1215,375 Label1@1440,240,2175,375"}};
    for (const auto& [id, riga] : finestre) {
        QWidget* w = apri(id);
        SCOPED_TRACE(w->objectName().toStdString());
        const QStringList attesi = QString(riga).split(' ');
        QStringList costruita = {QString::asprintf("%dx%d", w->width() * 15, w->height() * 15)};
        QStringList fermate;
        for (const QString& voce : attesi.mid(1)) {
            const QString nome = voce.section('@', 0, 0);
            const QWidget* c = w->findChild<QWidget*>(nome);
            ASSERT_NE(c, nullptr) << voce.toStdString();
            const QRect r(c->mapTo(w, QPoint(0, 0)) * 15, c->size() * 15);
            costruita << QString::asprintf("%s@%d,%d,%d,%d", qPrintable(nome), r.x(), r.y(),
                                           r.width(), r.height());
            if (c->focusPolicy() != Qt::NoFocus)
                fermate << nome;
        }
        EXPECT_EQ(costruita, attesi);
        w->findChild<QWidget*>(fermate.front())->setFocus();
        for (const QString& nome : fermate) { // the focus may be on the line edit of a combo box
            const QWidget* c = w->findChild<QWidget*>(nome);
            EXPECT_TRUE(c == w->focusWidget() || c->isAncestorOf(w->focusWidget()))
                << qPrintable(nome);
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        }
    }
}

} // namespace
} // namespace spintaro
