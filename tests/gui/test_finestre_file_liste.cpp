// The four file chooser windows as a pattern: layout, tab order and design texts; the drive,
// directory and file lists; the working directory that they share; "Annulla"; and the image
// window's Salva, which hands the name to the image saver.

#include "ambiente_prova.h"
#include "files/apri_window.h"
#include "files/esporta_window.h"
#include "files/salva_window.h"
#include "files/salvaimmagine_window.h"
#include "finestre_file_prova.h"
#include "platform/twips.h"

#include <QAction>
#include <QImage>
#include <QComboBox>
#include <QLineEdit>
#include <QStorageInfo>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace spintaro {
namespace {

using prova::PrintTo;

using prova::AmbienteProva;
using prova::apriCartella;
using prova::CartellaDiLavoro;
using prova::clic;
using prova::clicFile;
using prova::eliminaScaricate;
using prova::scrivi;
using prova::scriviFile;

class FinestreScelta : public ::testing::Test {
protected:
    void SetUp() override {
        f = a.avvia();
        ASSERT_NE(f, nullptr);
    }
    template <typename T> T* apri(IdFinestra id) { return qobject_cast<T*>(a.registro().apri(id)); }

    CartellaDiLavoro cartella;
    AmbienteProva a;
    SpintaroWindow* f = nullptr;
};

// --- Layout -----------------------------------------------------------------------------------

struct Controllo {
    const char* nome;
    int sinistra, alto, larghezza, altezza;
};

struct CasoImpaginazione {
    std::string nome;
    IdFinestra id;
    const char* titolo;
    int larghezza, altezza;
    std::vector<Controllo> controlli; // in tab order
};

class Impaginazione : public FinestreScelta,
                      public ::testing::WithParamInterface<CasoImpaginazione> {};

// The control a focused widget belongs to (an editable list's own text box belongs to the list).
QString controlloDi(QWidget* w, QWidget* finestra) {
    while (w != nullptr && w->parentWidget() != finestra)
        w = w->parentWidget();
    return w == nullptr ? QStringLiteral("<nessuno>") : w->objectName();
}

TEST_P(Impaginazione, DimensioniPosizioniEOrdineDiTab) {
    const CasoImpaginazione& c = GetParam();
    FinestraBase* w = a.registro().apri(c.id);
    ASSERT_NE(w, nullptr);
    const Twips t = Twips::delloSchermo();
    EXPECT_EQ(w->windowTitle(), c.titolo);
    EXPECT_EQ(w->size(), t.dimensione(c.larghezza, c.altezza));
    EXPECT_NE(w->minimumSize(), w->maximumSize()) << "the default border can be resized";
    for (const Controllo& k : c.controlli) {
        auto* figlio = w->findChild<QWidget*>(QLatin1String(k.nome));
        ASSERT_NE(figlio, nullptr) << k.nome;
        EXPECT_EQ(figlio->parentWidget(), w) << k.nome;
        EXPECT_EQ(figlio->geometry(), t.rettangolo(k.sinistra, k.alto, k.larghezza, k.altezza))
            << k.nome;
    }
    // The tab order: the first control has the focus, Tab goes round the others and back.
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(controlloDi(QApplication::focusWidget(), w), c.controlli.front().nome);
    QStringList visti;
    QStringList attesi;
    for (std::size_t i = 1; i <= c.controlli.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visti.append(controlloDi(QApplication::focusWidget(), w));
        attesi.append(c.controlli[i % c.controlli.size()].nome);
    }
    EXPECT_EQ(visti, attesi);
}

INSTANTIATE_TEST_SUITE_P(Casi, Impaginazione,
                         ::testing::Values(CasoImpaginazione{"Salva",
                                                             IdFinestra::Salva,
                                                             "Salva",
                                                             6855,
                                                             4065,
                                                             {{"Drive1", 120, 120, 3015, 315},
                                                              {"Annulla", 4320, 3000, 1455, 375},
                                                              {"txt_formato", 360, 3240, 2055, 315},
                                                              {"txt_salva", 360, 2880, 2055, 285},
                                                              {"Salva", 2640, 3000, 1455, 375},
                                                              {"File1", 3240, 480, 3495, 2040},
                                                              {"Dir1", 120, 480, 3015, 2115}}},
                                           CasoImpaginazione{"Apri",
                                                             IdFinestra::Apri,
                                                             "Apri",
                                                             6660,
                                                             4050,
                                                             {{"Dir1", 0, 480, 3015, 3465},
                                                              {"File1", 3120, 240, 3495, 2235},
                                                              {"Apri", 5040, 3000, 1455, 375},
                                                              {"txt_apri", 3240, 3240, 1695, 285},
                                                              {"Annulla", 5040, 3600, 1455, 375},
                                                              {"Drive1", 0, 120, 3015, 315}}},
                                           CasoImpaginazione{"Esporta",
                                                             IdFinestra::Esporta,
                                                             "Esporta",
                                                             5745,
                                                             2325,
                                                             {{"Dir1", 0, 0, 2535, 1890},
                                                              {"File1", 2640, 0, 3135, 1845},
                                                              {"Annulla", 4440, 1920, 1095, 375},
                                                              {"Salva", 2880, 1920, 1095, 375},
                                                              {"txt_salva", 360, 1920, 1935, 285}}},
                                           CasoImpaginazione{"salvaimmagine",
                                                             IdFinestra::salvaimmagine,
                                                             "Salva Immagine",
                                                             7035,
                                                             4500,
                                                             {{"Dir1", 120, 840, 3015, 2115},
                                                              {"File1", 3240, 840, 3495, 2235},
                                                              {"Salva", 2760, 3480, 1455, 375},
                                                              {"txt_salva", 480, 3360, 2055, 285},
                                                              {"txt_formato", 480, 3720, 2055, 315},
                                                              {"Annulla", 4440, 3480, 1455, 375},
                                                              {"Drive1", 120, 480, 3015, 315}}}),
                         prova::NomeCaso{});

TEST_F(FinestreScelta, TestiDiProgettoESchemi) {
    auto* s = apri<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Salva->text(), "Salva");
    EXPECT_EQ(s->Annulla->text(), "Annulla");
    EXPECT_EQ(s->txt_salva->text(), "Nuovo");
    EXPECT_TRUE(s->txt_formato->isEditable());
    EXPECT_EQ(s->txt_formato->currentText(), "spt");
    EXPECT_EQ(s->txt_formato->count(), 2);
    EXPECT_EQ(s->txt_formato->itemText(0), "spt");
    EXPECT_EQ(s->txt_formato->itemText(1), "*.*");
    EXPECT_EQ(s->File1->schemi(), QStringList({"*.spt", "*.dat"}));

    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    ASSERT_NE(ap, nullptr);
    EXPECT_EQ(ap->Apri->text(), "Apri");
    EXPECT_EQ(ap->txt_apri->text(), "");
    EXPECT_EQ(ap->File1->schemi(), QStringList{"*.spt"});

    auto* e = apri<EsportaWindow>(IdFinestra::Esporta);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Salva->text(), "Salva");
    EXPECT_EQ(e->txt_salva->text(), "");
    EXPECT_EQ(e->File1->schemi(), QStringList{"*.dat"});
    EXPECT_EQ(e->findChild<ListaDischi*>(), nullptr) << "no drive choice in Esporta";

    auto* im = apri<SalvaimmagineWindow>(IdFinestra::salvaimmagine);
    ASSERT_NE(im, nullptr);
    EXPECT_EQ(im->txt_salva->text(), "Nuovo");
    EXPECT_TRUE(im->txt_formato->isEditable());
    EXPECT_EQ(im->txt_formato->currentText(), "bmp");
    QStringList voci;
    for (int i = 0; i < im->txt_formato->count(); ++i)
        voci.append(im->txt_formato->itemText(i));
    EXPECT_EQ(voci, QStringList({"bmp", "jpg", "gif", "tif"}));
    EXPECT_EQ(im->File1->schemi(), QStringList({"*.bmp", "*.jpg", "*.tif", "*.gif"}));
    EXPECT_EQ(im->diagramma(), IdFinestra::Sv);
}

TEST_F(FinestreScelta, SalvaSiApreAlSuoPostoDiProgetto) {
    auto* s = apri<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    const Twips t = Twips::delloSchermo();
    EXPECT_EQ(s->geometry().topLeft(), QPoint(t.px(180), t.px(1875)));
}

// --- Directory and file lists -----------------------------------------------------------------

TEST_F(FinestreScelta, LElencoCartelleMostraIlPercorsoDallaRadiceEPoiLeSottocartelle) {
    const QString b = cartella.sottocartella("a/b");
    cartella.sottocartella("a/b/c");
    cartella.sottocartella("a/b/D");
    cartella.sottocartella("a/b/.nascosta");
    scriviFile(b + "/file.spt", "x");
    ASSERT_TRUE(QDir::setCurrent(b));

    auto* w = apri<ApriWindow>(IdFinestra::Apri);
    ASSERT_NE(w, nullptr);
    ListaCartelle* d = w->Dir1;
    EXPECT_EQ(d->cartella(), b);
    const int profondita = int(b.count(QLatin1Char('/')));
    ASSERT_EQ(d->count(), profondita + 1 + 2) << "the root, each level down to b, then c and D";
    EXPECT_EQ(d->item(0)->text(), QDir::rootPath());
    QStringList coda;
    for (int i = d->count() - 4; i < d->count(); ++i)
        coda.append(d->item(i)->text());
    EXPECT_EQ(coda, QStringList({"a", "b", "c", "D"})) << "sorted regardless of case";
    EXPECT_EQ(d->currentItem()->text(), "b");
    const int rigaB = d->rigaDi(b);
    EXPECT_EQ(d->item(rigaB + 1)->data(ListaCartelle::RuoloLivello).toInt(),
              d->item(rigaB)->data(ListaCartelle::RuoloLivello).toInt() + 1)
        << "subdirectories stand one level further in";
    EXPECT_EQ(w->File1->nomi(), QStringList{"file.spt"});

    // A double click opens a subdirectory: the file list follows and it becomes the working
    // directory.
    apriCartella(d, b + "/c");
    EXPECT_EQ(d->cartella(), b + "/c");
    EXPECT_EQ(d->currentItem()->text(), "c");
    EXPECT_EQ(d->count(), profondita + 2);
    EXPECT_EQ(w->File1->cartella(), b + "/c");
    EXPECT_TRUE(w->File1->nomi().isEmpty());
    EXPECT_EQ(QDir::currentPath(), b + "/c");

    // Enter on an ancestor goes back up.
    d->setFocus();
    d->setCurrentRow(d->rigaDi(cartella.file("a")));
    QTest::keyClick(d, Qt::Key_Return);
    EXPECT_EQ(d->cartella(), cartella.file("a"));
    EXPECT_EQ(QDir::currentPath(), cartella.file("a"));
    EXPECT_EQ(d->item(d->count() - 1)->text(), "b");
    EXPECT_TRUE(a.messaggi.messaggi().empty());
}

TEST_F(FinestreScelta, LElencoFileFiltraPerSchemiSenzaBadareAlleMaiuscole) {
    for (const char* nome :
         {"uno.spt", "Due.SPT", "tre.dat", "quattro.txt", ".nascosto.spt", "spt", "cinque.spt.bak"})
        scriviFile(cartella.file(nome), "x");
    cartella.sottocartella("cartella.spt");
    auto* s = apri<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->File1->nomi(), QStringList({"Due.SPT", "tre.dat", "uno.spt"}));
    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    ASSERT_NE(ap, nullptr);
    EXPECT_EQ(ap->File1->nomi(), QStringList({"Due.SPT", "uno.spt"}));

    // Moving the selection with the keys picks a name as a click does.
    ap->File1->setFocus();
    QTest::keyClick(ap->File1, Qt::Key_Down);
    QTest::keyClick(ap->File1, Qt::Key_Down);
    EXPECT_EQ(ap->txt_apri->text(), "uno.spt");
}

TEST_F(FinestreScelta, LaCartellaDiLavoroEComuneAlleQuattroFinestre) {
    const QString sotto = cartella.sottocartella("sotto");
    scriviFile(sotto + "/vecchio.spt", "x");
    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    ASSERT_NE(ap, nullptr);
    apriCartella(ap->Dir1, sotto);
    EXPECT_EQ(QDir::currentPath(), sotto);
    clic(ap->Annulla);
    eliminaScaricate();
    EXPECT_EQ(QDir::currentPath(), sotto) << "the working directory outlives the window";

    auto* s = apri<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Dir1->cartella(), sotto);
    EXPECT_EQ(s->File1->nomi(), QStringList{"vecchio.spt"});
    EXPECT_EQ(s->Drive1->disco(), ListaDischi::discoDi(sotto));
    auto* e = apri<EsportaWindow>(IdFinestra::Esporta);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Dir1->cartella(), sotto);
    auto* im = apri<SalvaimmagineWindow>(IdFinestra::salvaimmagine);
    ASSERT_NE(im, nullptr);
    EXPECT_EQ(im->Dir1->cartella(), sotto);

    clic(s->Salva);
    eliminaScaricate();
    EXPECT_EQ(cartella.contenuto("sotto"), QStringList({"Nuovo.spt", "vecchio.spt"}));
    EXPECT_TRUE(cartella.contenuto().isEmpty());
}

TEST_F(FinestreScelta, UnaCartellaSparitaLoDiceERestaDovEra) {
    const QString sotto = cartella.sottocartella("sparita");
    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    ASSERT_NE(ap, nullptr);
    ASSERT_TRUE(QDir(cartella.percorso()).rmdir("sparita"));
    apriCartella(ap->Dir1, sotto);
    EXPECT_EQ(ap->Dir1->cartella(), cartella.percorso());
    EXPECT_EQ(QDir::currentPath(), cartella.percorso());
    ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
    EXPECT_TRUE(a.messaggi.messaggi()[0].testo.contains(sotto));
    EXPECT_TRUE(a.messaggi.messaggi()[0].testo.contains("non esiste"));
}

// Root enters any folder: a child process that has given up root tries.
TEST_F(FinestreScelta, UnaCartellaSenzaPermessiLoDiceERestaDovEra) {
    const QString chiusa = cartella.sottocartella("chiusa");
    QFile::setPermissions(chiusa, QFileDevice::Permissions{});
    QFile::setPermissions(cartella.percorso(), prova::CartellaPubblica);
    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    ASSERT_NE(ap, nullptr);
    const int esito = prova::comeUtenteSenzaPrivilegi([&] {
        apriCartella(ap->Dir1, chiusa);
        if (ap->Dir1->cartella() != cartella.percorso() ||
            QDir::currentPath() != cartella.percorso())
            return 1;
        if (a.messaggi.messaggi().size() != 1 ||
            !a.messaggi.messaggi()[0].testo.contains("permessi"))
            return 2;
        return 0;
    });
    QFile::setPermissions(chiusa, prova::CartellaPubblica);
    EXPECT_EQ(esito, 0) << "1: moved, 2: no or wrong message, 99: no user to switch to";
}

TEST_F(FinestreScelta, LElencoUnitaMostraPrimaLaRadiceEQuellaCorrente) {
    auto* s = apri<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    const QStringList dischi = s->Drive1->dischi();
    ASSERT_FALSE(dischi.isEmpty());
    EXPECT_EQ(dischi.front(), QDir::rootPath());
    EXPECT_EQ(s->Drive1->disco(), QStorageInfo(cartella.percorso()).rootPath());
    for (const QString& d : dischi)
        EXPECT_TRUE(QFileInfo(d).isDir()) << d.toStdString();
}

TEST_F(FinestreScelta, ScegliereLUnitaCorrenteRestaNellaCartellaDiLavoro) {
    auto* s = apri<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    const QString corrente = s->Drive1->disco();
    const int indice = s->Drive1->findData(corrente);
    ASSERT_GE(indice, 0);
    // Choose it from the open list with the keys, as a user does.
    s->Drive1->setFocus();
    s->Drive1->showPopup();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(s->Drive1->disco(), corrente);
    EXPECT_EQ(s->Dir1->cartella(), cartella.percorso());
    EXPECT_EQ(QDir::currentPath(), cartella.percorso());
}

TEST_F(FinestreScelta, ScegliereUnAltraUnitaVaAllaSuaRadice) {
    auto* s = apri<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    const QString corrente = s->Drive1->disco();
    int altra = -1;
    for (int i = 0; i < s->Drive1->count(); ++i)
        if (s->Drive1->itemData(i).toString() != corrente)
            altra = i;
    if (altra < 0)
        GTEST_SKIP() << "this machine shows a single volume: nothing else to choose";
    const QString radice = s->Drive1->itemData(altra).toString();
    s->Drive1->setFocus();
    s->Drive1->setCurrentIndex(altra - 1 >= 0 ? altra - 1 : altra + 1);
    QTest::keyClick(s->Drive1, altra - 1 >= 0 ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(s->Drive1->disco(), radice);
    if (!ListaCartelle::motivoNonApribile(radice).isEmpty()) {
        EXPECT_EQ(a.messaggi.messaggi().size(), 1u);
        EXPECT_EQ(QDir::currentPath(), cartella.percorso());
        return;
    }
    EXPECT_EQ(s->Dir1->cartella(), radice);
    EXPECT_EQ(s->File1->cartella(), radice);
    EXPECT_EQ(QDir::currentPath(), radice);
}

// --- Annulla ----------------------------------------------------------------------------------

struct CasoAnnulla {
    std::string nome;
    IdFinestra id;
    bool scarica; // true: unloaded; false: hidden
};

class Annulla : public FinestreScelta, public ::testing::WithParamInterface<CasoAnnulla> {};

TEST_P(Annulla, ScaricaONascondeSenzaScrivere) {
    const CasoAnnulla& c = GetParam();
    FinestraBase* w = a.registro().apri(c.id);
    ASSERT_NE(w, nullptr);
    auto* annulla = w->findChild<QPushButton*>(QStringLiteral("Annulla"));
    ASSERT_NE(annulla, nullptr);
    EXPECT_EQ(annulla->text(), "Annulla");
    const Modulo1 prima = a.m();
    clic(annulla);
    eliminaScaricate();
    if (c.scarica) {
        EXPECT_EQ(a.registro().istanza(c.id), nullptr);
    } else {
        EXPECT_EQ(a.registro().istanza(c.id), w);
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_EQ(a.m(), prima);
    EXPECT_TRUE(cartella.contenuto().isEmpty());
    EXPECT_TRUE(a.messaggi.messaggi().empty());
}

INSTANTIATE_TEST_SUITE_P(Casi, Annulla,
                         ::testing::Values(CasoAnnulla{"Salva", IdFinestra::Salva, true},
                                           CasoAnnulla{"Apri", IdFinestra::Apri, true},
                                           CasoAnnulla{"Esporta", IdFinestra::Esporta, false},
                                           CasoAnnulla{"salvaimmagine", IdFinestra::salvaimmagine,
                                                       false}),
                         prova::NomeCaso{});

TEST_F(FinestreScelta, IlFormatoDiSalvaNonCambiaNeElencoNeNome) {
    scriviFile(cartella.file("a.spt"), "x");
    scriviFile(cartella.file("b.txt"), "x");
    auto* s = apri<SalvaWindow>(IdFinestra::Salva);
    ASSERT_NE(s, nullptr);
    scrivi(s->txt_formato->lineEdit(), "*.*");
    EXPECT_EQ(s->File1->nomi(), QStringList{"a.spt"});
    clic(s->Salva);
    eliminaScaricate();
    EXPECT_EQ(cartella.contenuto(), QStringList({"Nuovo.spt", "a.spt", "b.txt"}));
}

// --- The image window -------------------------------------------------------------------------

class FinestraImmagine : public FinestreScelta {
protected:
    void SetUp() override {
        FinestreScelta::SetUp();
        im = apri<SalvaimmagineWindow>(IdFinestra::salvaimmagine);
        ASSERT_NE(im, nullptr);
    }
    void registraSalvataggi() {
        im->impostaSalvataggio(
            [this](IdFinestra d, const QString& nome) { salvataggi.emplace_back(d, nome); });
    }

    SalvaimmagineWindow* im = nullptr;
    std::vector<std::pair<IdFinestra, QString>> salvataggi;
};

TEST_F(FinestraImmagine, SalvaPassaNomeEFormatoAlDiagrammaELaFinestraResta) {
    registraSalvataggi();
    clic(im->Salva);
    scrivi(im->txt_salva, "muro");
    scrivi(im->txt_formato->lineEdit(), "jpg");
    clic(im->Salva);
    im->impostaDiagramma(IdFinestra::Sa);
    clic(im->Salva);
    scrivi(im->txt_salva, "");
    clic(im->Salva);
    scrivi(im->txt_salva, "muro");
    scrivi(im->txt_formato->lineEdit(), "png");
    clic(im->Salva);
    const std::vector<std::pair<IdFinestra, QString>> attesi = {
        {IdFinestra::Sv, "Nuovo.bmp"}, {IdFinestra::Sv, "muro.jpg"}, {IdFinestra::Sa, "muro.jpg"},
        {IdFinestra::Sa, ".jpg"},      {IdFinestra::Sa, "muro.png"},
    };
    EXPECT_EQ(salvataggi, attesi);
    EXPECT_TRUE(im->isVisible()) << "the dialog stays open";
    EXPECT_EQ(im->txt_salva->text(), "muro") << "and is not cleared";
    EXPECT_EQ(im->txt_formato->currentText(), "png");
    EXPECT_TRUE(a.messaggi.messaggi().empty());
}

// The program's own wiring: Salva writes the diagram that opened the dialog last, in the
// working directory, and the dialog stays open.
TEST_F(FinestraImmagine, SalvaScriveIlDiagrammaScelto) {
    clic(im->Salva);
    EXPECT_EQ(cartella.contenuto(), QStringList{"Nuovo.bmp"});
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    EXPECT_TRUE(im->isVisible());
    const QImage sv(cartella.file("Nuovo.bmp"));
    EXPECT_EQ(sv.size(), QSize(688, 410)); // the Sv window's client area: 10320 × 6150 twips

    // "Salva S&a" of the main window: the same dialog now saves the Sa diagram.
    a.finestra->findChild<QAction*>("Salva_Sa")->trigger();
    EXPECT_EQ(im->diagramma(), IdFinestra::Sa);
    scrivi(im->txt_salva, "pressioni");
    clic(im->Salva);
    EXPECT_EQ(QImage(cartella.file("pressioni.bmp")).size(), QSize(687, 423)); // 10305 × 6345
    a.finestra->findChild<QAction*>("Salva_Sv")->trigger();
    EXPECT_EQ(im->diagramma(), IdFinestra::Sv);
}

TEST_F(FinestraImmagine, UnClicNellElencoNonCambiaIlNome) {
    scriviFile(cartella.file("vecchia.bmp"), "x");
    scriviFile(cartella.file("foto.JPG"), "x");
    scriviFile(cartella.file("disegno.png"), "x");
    scriviFile(cartella.file("c.tif"), "x");
    scriviFile(cartella.file("d.gif"), "x");
    im->File1->aggiorna();
    EXPECT_EQ(im->File1->nomi(), QStringList({"c.tif", "d.gif", "foto.JPG", "vecchia.bmp"}));
    clicFile(im->File1, "vecchia.bmp");
    EXPECT_EQ(im->txt_salva->text(), "Nuovo");
}

TEST_F(FinestraImmagine, NascostaConservaTestiECartella) {
    const QString sotto = cartella.sottocartella("immagini");
    im->Dir1->aggiorna(); // made after the window opened
    apriCartella(im->Dir1, sotto);
    scrivi(im->txt_salva, "muro");
    scrivi(im->txt_formato->lineEdit(), "gif");
    clic(im->Annulla);
    eliminaScaricate();
    ASSERT_TRUE(QDir::setCurrent(cartella.percorso()));
    f->Salva_Sa->trigger();
    EXPECT_EQ(a.registro().istanza(IdFinestra::salvaimmagine), im);
    EXPECT_TRUE(im->isVisible());
    EXPECT_EQ(im->txt_salva->text(), "muro");
    EXPECT_EQ(im->txt_formato->currentText(), "gif");
    EXPECT_EQ(im->Dir1->cartella(), sotto);
}

TEST_F(FinestraImmagine, LaChiusuraDalBordoRipartiraDaiTestiDiProgetto) {
    scrivi(im->txt_salva, "muro");
    im->close();
    eliminaScaricate();
    EXPECT_EQ(a.registro().istanza(IdFinestra::salvaimmagine), nullptr);
    f->Salva_Sv->trigger();
    auto* nuova = a.registro().istanzaDi<SalvaimmagineWindow>(IdFinestra::salvaimmagine);
    ASSERT_NE(nuova, nullptr);
    EXPECT_EQ(nuova->txt_salva->text(), "Nuovo");
    EXPECT_EQ(nuova->txt_formato->currentText(), "bmp");
}

} // namespace
} // namespace spintaro
