// The diagram windows Sv and Sa, the canvas they draw on, the saved images and the report
// window stampa1: single instances, hide and unload, pixels where the lines must be, the file
// formats, the report's texts and its scrolling.

#include "ambiente_prova.h"
#include "diagrammi_prova.h"
#include "diagrams/sa_window.h"
#include "diagrams/salva_immagine.h"
#include "diagrams/stampa1_window.h"
#include "diagrams/sv_window.h"
#include "files/salvaimmagine_window.h"
#include "platform/file_immagine.h"
#include "platform/registro_finestre.h"
#include "platform/tela.h"
#include "platform/testo_zone.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::AmbienteProva;
using prova::CartellaDiLavoro;
using prova::conta;
using prova::eliminaScaricate;
using prova::leggiTutto;
using prova::PrintTo;
using prova::rossoVicino;

FinestraDiagramma* diagramma(AmbienteProva& a, IdFinestra id) {
    return qobject_cast<FinestraDiagramma*>(a.registro().istanza(id));
}

// --- The diagram windows -------------------------------------------------------------------

struct CasoDiagramma {
    std::string nome;
    IdFinestra id;
    const char* titolo;
    QSize client; // at 96 dpi
    // Menu and items: name and caption.
    const char* menu;
    const char* voceSalva[2];
    const char* voceStampa[2];
    const char* voceChiudi[2];
};

const CasoDiagramma Diagrammi[] = {
    {"Sv",
     IdFinestra::Sv,
     "Sigma v",
     {688, 410}, // 10320 × 6150 twips
     "immagine",
     {"salva", "&Salva immagine"},
     {"stampa", "&Stampa immagine"},
     {"chiudi", "&Chiudi"}},
    {"Sa",
     IdFinestra::Sa,
     "Sa",
     {687, 423}, // 10305 × 6345 twips
     "image",
     {"save", "&Salva Immagine"},
     {"print", "S&tampa Immagine"},
     {"close", "&Chiudi"}},
};

class FinestraDiagrammaProva : public ::testing::TestWithParam<CasoDiagramma> {
protected:
    void SetUp() override {
        ASSERT_NE(a.avvia(), nullptr);
        prova::esempioVentiKpa(a.m());
    }
    QAction* voce(FinestraBase* f, const char* nome) { return f->findChild<QAction*>(nome); }
    AmbienteProva a;
};

TEST_P(FinestraDiagrammaProva, ClientMenuETitolo) {
    const CasoDiagramma& c = GetParam();
    auto* f = qobject_cast<FinestraDiagramma*>(a.registro().apri(c.id));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), c.titolo);
    EXPECT_EQ(f->tela()->size(), c.client);
    EXPECT_NE(f->minimumSize(), f->maximumSize()) << "the diagram windows are resizable";
    auto* menu = f->findChild<QMenu*>(c.menu);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&Immagine");
    const QList<QAction*> voci = menu->actions();
    ASSERT_EQ(voci.size(), 3);
    const char* const* attese[] = {c.voceSalva, c.voceStampa, c.voceChiudi};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(voci[i]->objectName(), attese[i][0]);
        EXPECT_EQ(voci[i]->text(), attese[i][1]);
    }
}

TEST_P(FinestraDiagrammaProva, ChiudiNascondeEConservaIlDisegno) {
    const CasoDiagramma& c = GetParam();
    auto* f = qobject_cast<FinestraDiagramma*>(a.registro().apri(c.id));
    ASSERT_NE(f, nullptr);
    const Disegno prima = f->tela()->disegno();
    ASSERT_FALSE(prima.empty());
    // Layers change after the drawing: the window keeps what it drew.
    a.m().Strati(0).Sv = 70;
    CalcolaStrati(a.m(), 1);
    voce(f, c.voceChiudi[0])->trigger();
    eliminaScaricate();
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(a.registro().istanza(c.id), f);
    EXPECT_EQ(a.registro().apri(c.id), f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->tela()->disegno(), prima);
    EXPECT_EQ(a.registro().caricamenti(c.id), 1);
}

TEST_P(FinestraDiagrammaProva, IlBordoScaricaELaProssimaAperturaRidisegna) {
    const CasoDiagramma& c = GetParam();
    auto* f = qobject_cast<FinestraDiagramma*>(a.registro().apri(c.id));
    ASSERT_NE(f, nullptr);
    const Disegno prima = f->tela()->disegno();
    a.m().Strati(0).Sv = 70;
    CalcolaStrati(a.m(), 1);
    static_cast<QWidget*>(f)->close(); // the frame's close box
    eliminaScaricate();
    EXPECT_EQ(a.registro().istanza(c.id), nullptr);
    auto* nuova = qobject_cast<FinestraDiagramma*>(a.registro().apri(c.id));
    ASSERT_NE(nuova, nullptr);
    EXPECT_NE(nuova->tela()->disegno(), prima) << "drawn anew from the changed layers";
    EXPECT_EQ(a.registro().caricamenti(c.id), 2);
}

TEST_P(FinestraDiagrammaProva, LaVoceStampaStampaQuestaFinestra) {
    const CasoDiagramma& c = GetParam();
    FinestraBase* f = a.registro().apri(c.id);
    voce(f, c.voceStampa[0])->trigger();
    EXPECT_EQ(a.stampa.stampate(), QStringList({QString::fromStdString(c.nome)}));
    EXPECT_EQ(a.stampa.visibili(), QList<bool>({true}));
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

TEST_P(FinestraDiagrammaProva, LaVoceSalvaApreIlDialogoPerQuestoDiagramma) {
    const CasoDiagramma& c = GetParam();
    FinestraBase* f = a.registro().apri(c.id);
    voce(f, c.voceSalva[0])->trigger();
    auto* dialogo = a.registro().istanzaDi<SalvaimmagineWindow>(IdFinestra::salvaimmagine);
    ASSERT_NE(dialogo, nullptr);
    EXPECT_TRUE(dialogo->isVisible());
    EXPECT_TRUE(f->isVisible()) << "the diagram stays open";
    EXPECT_EQ(dialogo->diagramma(), c.id);
}

// The dialog's Salva, wired to the image saver as the application does, writes the image of the
// diagram whose save item opened the dialog last: after Sa's item, Sa's image (its own size).
TEST_P(FinestraDiagrammaProva, IlDialogoSalvaIlDiagrammaCheLoHaApertoPerUltimo) {
    const CasoDiagramma& c = GetParam();
    CartellaDiLavoro cartella;
    ASSERT_TRUE(cartella.valida());
    const IdFinestra altro = c.id == IdFinestra::Sv ? IdFinestra::Sa : IdFinestra::Sv;
    voce(a.registro().apri(altro), altro == IdFinestra::Sv ? "salva" : "save")->trigger();
    voce(a.registro().apri(c.id), c.voceSalva[0])->trigger();
    auto* dialogo = a.registro().istanzaDi<SalvaimmagineWindow>(IdFinestra::salvaimmagine);
    ASSERT_NE(dialogo, nullptr);
    Servizi& s = a.app.servizi();
    dialogo->impostaSalvataggio(
        [&s](IdFinestra d, const QString& nome) { salvaImmagineDiagramma(s, d, nome); });
    dialogo->txt_salva->setText(QStringLiteral("muro"));
    QTest::mouseClick(dialogo->Salva, Qt::LeftButton);
    const QImage salvata(cartella.percorso("muro.bmp"));
    ASSERT_FALSE(salvata.isNull());
    EXPECT_EQ(salvata.size(), c.client);
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

TEST_P(FinestraDiagrammaProva, SalvareSenzaFinestraLaCreaNascostaEDisegna) {
    const CasoDiagramma& c = GetParam();
    CartellaDiLavoro cartella;
    const EsitoFile esito = salvaImmagineDiagramma(a.app.servizi(), c.id, "nascosta.bmp");
    ASSERT_TRUE(esito.ok) << esito.messaggio.toStdString();
    FinestraDiagramma* f = diagramma(a, c.id);
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(a.registro().caricamenti(c.id), 1);
    const QImage img(cartella.percorso("nascosta.bmp"));
    EXPECT_EQ(img.size(), c.client);
    EXPECT_GT(conta(img, qRgb(255, 0, 0)), 100) << "the layer lines are in the file";
    // Opening it later shows that same instance, without drawing it again.
    EXPECT_EQ(a.registro().apri(c.id), f);
    EXPECT_EQ(a.registro().caricamenti(c.id), 1);
}

INSTANTIATE_TEST_SUITE_P(Finestre, FinestraDiagrammaProva, ::testing::ValuesIn(Diagrammi),
                         prova::NomeCaso());

TEST(Diagrammi, PosizioniIniziali) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    // Sa at 4590, 4800 twips; the report at 1815, 5025 twips (15 twips to the pixel).
    EXPECT_EQ(a.registro().apri(IdFinestra::Sa)->pos(), QPoint(306, 320));
    EXPECT_EQ(a.registro().apri(IdFinestra::stampa1)->pos(), QPoint(121, 335));
}

TEST(Diagrammi, PmaxESvnOltreIlLimiteDelleTaccheNonFermanoNulla) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    // Tick limits that do not fit 16 bits: the diagrams are drawn without those ticks.
    a.m().Strati(0).Sv = 1e6;
    a.m().Strati(1) = Strato{40000, 18, 0, 30, 0, 0, 0, 0, 0};
    a.m().NumStrati = 1;
    CalcolaStrati(a.m(), 1);
    for (IdFinestra id : {IdFinestra::Sv, IdFinestra::Sa}) {
        auto* f = qobject_cast<FinestraDiagramma*>(a.registro().apri(id));
        ASSERT_NE(f, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f));
        EXPECT_GT(conta(f->immagine(), qRgb(255, 0, 0)), 0);
    }
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

TEST(Diagrammi, CinquantaStratiNelDiagrammaSa) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    for (int i = 1; i <= 50; ++i)
        a.m().Strati(i) = Strato{0.5, 18, 0, 30, 0, 0, 0, 0, 0};
    a.m().NumStrati = 50;
    CalcolaStrati(a.m(), 50);
    auto* f = qobject_cast<FinestraDiagramma*>(a.registro().apri(IdFinestra::Sa));
    ASSERT_NE(f, nullptr);
    const QImage img = f->immagine();
    EXPECT_GT(conta(img, qRgb(255, 0, 0)), 0);
    EXPECT_GT(conta(img, qRgb(128, 0, 0)), 0) << "the dark-red steps";
}

// --- Pixels of the saved Sv image ------------------------------------------------------------
//
// 20 kPa over 5 m of γ 18: the user rectangle (−1, 0.5)–(121, −5.5) fills 688 × 410 pixels, so
// x maps to (x + 1) · 688 / 122 and y to (0.5 − y) · 410 / 6:
//   (20, 0)   → (21 · 5.63934, 0.5 · 68.3333)  = (118.43, 34.17)
//   (110, −5) → (111 · 5.63934, 5.5 · 68.3333) = (625.97, 375.83)
//   (0, −5)   → (1 · 5.63934, 375.83)          = (5.64, 375.83)

struct PuntoAtteso {
    std::string nome;
    double x, y;
};

const PuntoAtteso SullaLineaDelleTensioni[] = {
    {"Inizio", 118.43, 34.17},     {"UnQuarto", 245.31, 119.58}, // t = 0.25
    {"Meta", 372.20, 205.00},                                    // t = 0.5
    {"TreQuarti", 499.08, 290.42}, {"Fine", 625.97, 375.83},
};
const PuntoAtteso SullaBase[] = {
    {"VicinoAllAsse", 12.0, 375.83},
    {"X100", 100.0, 375.83},
    {"X300", 300.0, 375.83},
    {"X600", 600.0, 375.83},
};
// Where no red may be: left of the stress line, right of its end, above the ground line.
const PuntoAtteso SenzaRosso[] = {
    {"SinistraDellaLinea", 100.0, 200.0}, // the line crosses y = 200 at x ≈ 364.8
    {"OltreLaFine", 650.0, 375.83},
    {"SopraIlSuolo", 300.0, 10.0},
    {"SottoLaBase", 300.0, 400.0},
};

class ImmagineSv : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(a.avvia(), nullptr);
        ASSERT_TRUE(cartella.valida());
        prova::esempioVentiKpa(a.m());
        ASSERT_DOUBLE_EQ(a.m().Strati(1).Sv, 110.0);
        const EsitoFile esito = salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sv, "sv.bmp");
        ASSERT_TRUE(esito.ok) << esito.messaggio.toStdString();
        img = QImage(cartella.percorso("sv.bmp"));
        ASSERT_FALSE(img.isNull());
    }
    AmbienteProva a;
    CartellaDiLavoro cartella;
    QImage img;
};

TEST_F(ImmagineSv, DimensioneDelClient) {
    EXPECT_EQ(img.size(), QSize(688, 410));
}

TEST_F(ImmagineSv, LineeRossePureDoveLaMappaLeMette) {
    for (const PuntoAtteso& p : SullaLineaDelleTensioni)
        EXPECT_TRUE(rossoVicino(img, p.x, p.y)) << p.nome;
    for (const PuntoAtteso& p : SullaBase)
        EXPECT_TRUE(rossoVicino(img, p.x, p.y)) << p.nome;
    for (const PuntoAtteso& p : SenzaRosso)
        EXPECT_FALSE(rossoVicino(img, p.x, p.y, 3)) << p.nome;
}

TEST_F(ImmagineSv, SfondoBiancoEAssiNeri) {
    EXPECT_EQ(img.pixel(30, 100) & 0xFFFFFF, 0xFFFFFFu);
    // The ground line at y = 34.17 and the depth axis at x = 5.64 are black.
    bool suolo = false;
    bool asse = false;
    for (int d = -1; d <= 1; ++d) {
        suolo = suolo || (img.pixel(300, 34 + d) & 0xFFFFFF) == 0;
        asse = asse || (img.pixel(5 + d, 200) & 0xFFFFFF) == 0;
    }
    EXPECT_TRUE(suolo);
    EXPECT_TRUE(asse);
}

// The window on screen, resized to half its client: the same drawing fills the new size.
TEST(Tela, RidimensionataRiempieIlNuovoClient) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    prova::esempioVentiKpa(a.m());
    auto* f = qobject_cast<FinestraDiagramma*>(a.registro().apri(IdFinestra::Sv));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    f->resize(f->width() - 344, f->height() - 205);
    QCoreApplication::processEvents();
    ASSERT_EQ(f->tela()->size(), QSize(344, 205));
    const QImage schermo = f->tela()->grab().toImage();
    // Halved from the 688 × 410 positions: (59.21, 17.08) to (312.98, 187.92), middle (186.10,
    // 102.50).
    EXPECT_TRUE(rossoVicino(schermo, 59.21, 17.08));
    EXPECT_TRUE(rossoVicino(schermo, 186.10, 102.50));
    EXPECT_TRUE(rossoVicino(schermo, 312.98, 187.92));
    EXPECT_FALSE(rossoVicino(schermo, 50.0, 100.0, 3));
}

// --- The canvas with scales that cannot map ---------------------------------------------------

Primitiva primitiva(Primitiva::Tipo t, float ax, float ay, float bx, float by,
                    Colore c = Colore::Rosso, std::string testo = {}) {
    Primitiva p;
    p.tipo = t;
    p.ax = ax;
    p.ay = ay;
    p.bx = bx;
    p.by = by;
    p.colore = c;
    p.testo = std::move(testo);
    return p;
}

QImage dipinto(const Disegno& d, QSize dimensione = {100, 100}) {
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    StileTela stile;
    dipingiDisegno(p, QRectF(QPointF(0, 0), QSizeF(dimensione)), d, stile);
    p.end();
    return img;
}

struct CasoScala {
    std::string nome;
    Disegno disegno;
    int rossiMinimi; // at least this many red pixels
    int rossiMassimi;
};

using T = Primitiva::Tipo;
const float Inf = std::numeric_limits<float>::infinity();
const float NaN = std::numeric_limits<float>::quiet_NaN();

const CasoScala CasiScala[] = {
    {"LarghezzaZero",
     {primitiva(T::Scala, 5, 1, 5, -1), primitiva(T::Linea, 0, 0, 10, 0),
      primitiva(T::Testo, 0, 0, 0, 0, Colore::PrimoPiano, "Sv")},
     0,
     0},
    {"AltezzaZero", {primitiva(T::Scala, -1, 0, 1, 0), primitiva(T::Linea, -1, 0, 1, 0)}, 0, 0},
    {"TuttoZero", {primitiva(T::Scala, 0, 0, 0, 0), primitiva(T::LineaA, 0, 0, 0, 0)}, 0, 0},
    {"SenzaScala", {primitiva(T::Linea, 0, 0, 50, 50)}, 0, 0},
    {"ScalaInfinita",
     {primitiva(T::Scala, -Inf, 1, Inf, -1), primitiva(T::Linea, 0, 0, 1, 0)},
     0,
     0},
    {"ScalaNaN", {primitiva(T::Scala, NaN, 1, 1, -1), primitiva(T::Linea, 0, 0, 1, 0)}, 0, 0},
    // A usable scale after a degenerate one draws again: the horizontal line y = 0 across.
    {"DegenereEPoiBuona",
     {primitiva(T::Scala, 0, 0, 0, 0), primitiva(T::Linea, 0, 0, 1, 0),
      primitiva(T::Scala, -1, 1, 1, -1), primitiva(T::Linea, -1, 0, 1, 0)},
     98,
     102},
    // Coordinates far beyond any device: clipped to the area, one row of red.
    {"CoordinateEnormi",
     {primitiva(T::Scala, -1, 1, 1, -1), primitiva(T::Linea, -1e30f, 0, 1e30f, 0)},
     98,
     102},
    {"CoordinateNonFinite",
     {primitiva(T::Scala, -1, 1, 1, -1), primitiva(T::Linea, NaN, 0, 1, 0),
      primitiva(T::Linea, 0, Inf, 0, 0), primitiva(T::Testo, NaN, NaN, 0, 0, Colore::Rosso, "X")},
     0,
     0},
};

class TelaScala : public ::testing::TestWithParam<CasoScala> {};

TEST_P(TelaScala, NessunaDivisionePerZeroNeLineeFuoriPosto) {
    const CasoScala& c = GetParam();
    const QImage img = dipinto(c.disegno);
    const int rossi = conta(img, qRgb(255, 0, 0));
    EXPECT_GE(rossi, c.rossiMinimi);
    EXPECT_LE(rossi, c.rossiMassimi);
}

INSTANTIATE_TEST_SUITE_P(Tabella, TelaScala, ::testing::ValuesIn(CasiScala), prova::NomeCaso());

TEST(Tela, ScalaRovesciataSpecchiaIlDisegno) {
    // x from 10 at the left edge to 0 at the right: user x 8..6 maps to 20..40 px; y from −1 at
    // the top to 1 at the bottom: user y 0.5 maps to 75 px.
    const QImage img = dipinto(
        {primitiva(T::Scala, 10, -1, 0, 1), primitiva(T::Linea, 8, 0.5f, 6, 0.5f, Colore::Rosso)});
    EXPECT_TRUE(rossoVicino(img, 30, 75));
    EXPECT_FALSE(rossoVicino(img, 70, 75, 3)) << "not on the unmirrored side";
    EXPECT_FALSE(rossoVicino(img, 30, 25, 3));
}

TEST(Tela, ColoriDelDisegno) {
    const QImage img = dipinto({primitiva(T::Scala, 0, 0, 100, 100),
                                primitiva(T::Linea, 0, 20, 100, 20, Colore::Rosso),
                                primitiva(T::Linea, 0, 50, 100, 50, Colore::RossoScuro),
                                primitiva(T::Linea, 0, 80, 100, 80, Colore::PrimoPiano)});
    EXPECT_GE(conta(img, qRgb(255, 0, 0)), 98);
    EXPECT_GE(conta(img, qRgb(128, 0, 0)), 98);
    EXPECT_GE(conta(img, qRgb(0, 0, 0)), 98);
}

// --- Image files: the content is the format the name says ------------------------------------

struct CasoFormato {
    std::string nome;
    QString file;
    QByteArray formatoAtteso; // what QImageReader must recognise
    bool rileggibile;         // Qt reads it back (all but a few)
};

// The magic bytes that open a file of each format.
bool intestazioneDi(const QByteArray& dati, const QByteArray& formato) {
    if (formato == "bmp")
        return dati.startsWith("BM");
    if (formato == "jpeg")
        return dati.startsWith(QByteArray("\xFF\xD8\xFF", 3));
    if (formato == "gif")
        return dati.startsWith("GIF89a") || dati.startsWith("GIF87a");
    if (formato == "tiff")
        return dati.startsWith(QByteArray("II*\0", 4)) || dati.startsWith(QByteArray("MM\0*", 4));
    if (formato == "png")
        return dati.startsWith("\x89PNG\r\n\x1A\n");
    return false;
}

const CasoFormato Formati[] = {
    {"Bmp", "muro.bmp", "bmp", true},
    {"Jpg", "muro.jpg", "jpeg", true},
    {"Gif", "muro.gif", "gif", true},
    {"Tif", "muro.tif", "tiff", true},
    {"Png", "muro.png", "png", true},
    {"JpgMaiuscolo", "muro.JPG", "jpeg", true},
    {"ParolaSconosciuta", "muro.xyz", "bmp", true},
    {"NomeVuoto", ".bmp", "bmp", true},
    {"PuntoNelNome", "muro.v2.gif", "gif", true},
};

class FormatoImmagine : public ::testing::TestWithParam<CasoFormato> {
protected:
    void SetUp() override {
        ASSERT_NE(a.avvia(), nullptr);
        ASSERT_TRUE(cartella.valida());
        prova::esempioVentiKpa(a.m());
    }
    AmbienteProva a;
    CartellaDiLavoro cartella;
};

TEST_P(FormatoImmagine, ContenutoNelFormatoDelNome) {
    const CasoFormato& c = GetParam();
    const EsitoFile esito = salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sv, c.file);
    ASSERT_TRUE(esito.ok) << esito.messaggio.toStdString();
    EXPECT_TRUE(a.messaggi.eventi().isEmpty()) << "saving says nothing";
    const QByteArray dati = leggiTutto(cartella.percorso(c.file));
    ASSERT_FALSE(dati.isEmpty());
    EXPECT_TRUE(intestazioneDi(dati, c.formatoAtteso)) << dati.left(8).toHex().toStdString();
    if (c.rileggibile) {
        const QImage letta(cartella.percorso(c.file), c.formatoAtteso.constData());
        ASSERT_FALSE(letta.isNull());
        EXPECT_EQ(letta.size(), QSize(688, 410));
    }
}

INSTANTIATE_TEST_SUITE_P(Tabella, FormatoImmagine, ::testing::ValuesIn(Formati), prova::NomeCaso());

// GIF keeps an exact palette: the red of the lines survives as pure red.
TEST(FileGif, RossoPuroConservato) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    CartellaDiLavoro cartella;
    prova::esempioVentiKpa(a.m());
    ASSERT_TRUE(salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sv, "muro.gif").ok);
    const QImage letta =
        QImage(cartella.percorso("muro.gif")).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(rossoVicino(letta, 372.20, 205.00));
}

TEST(FileImmagine, ParolaDelFormato) {
    EXPECT_EQ(parolaFormato("muro.jpg"), "jpg");
    EXPECT_EQ(parolaFormato("muro.TIF"), "tif");
    EXPECT_EQ(parolaFormato("a.b/muro"), "") << "a period in a folder's name is not the format";
    EXPECT_EQ(parolaFormato("muro."), "");
    EXPECT_EQ(formatoPerParola(""), "bmp");
    EXPECT_EQ(formatoPerParola("jpg"), "jpeg");
    EXPECT_EQ(formatoPerParola("tif"), "tiff");
    EXPECT_EQ(formatoPerParola("zzz"), "bmp");
}

TEST(FileImmagine, SalvareDueVolteSovrascriveInSilenzio) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    CartellaDiLavoro cartella;
    prova::esempioVentiKpa(a.m());
    ASSERT_TRUE(salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sv, "muro.bmp").ok);
    const QByteArray primo = leggiTutto(cartella.percorso("muro.bmp"));
    // The Sa diagram under the same name replaces the file.
    ASSERT_TRUE(salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sa, "muro.bmp").ok);
    const QImage secondo(cartella.percorso("muro.bmp"));
    EXPECT_EQ(secondo.size(), QSize(687, 423));
    EXPECT_NE(leggiTutto(cartella.percorso("muro.bmp")), primo);
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
    EXPECT_EQ(QDir(cartella.percorso(".")).entryList(QDir::Files), QStringList({"muro.bmp"}))
        << "no temporary file left behind";
}

struct CasoFallimento {
    std::string nome;
    QString file;
    const char* motivo; // part of the message
};

const CasoFallimento Fallimenti[] = {
    {"CartellaMancante", "manca/muro.bmp", "non esiste"},
    {"NomeDiUnaCartella", "cartella.gif", "cartella"},
};

class ImmagineNonScrivibile : public ::testing::TestWithParam<CasoFallimento> {};

TEST_P(ImmagineNonScrivibile, MessaggioConNomeEMotivo) {
    const CasoFallimento& c = GetParam();
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    CartellaDiLavoro cartella;
    ASSERT_TRUE(QDir(cartella.percorso(".")).mkdir("cartella.gif"));
    prova::esempioVentiKpa(a.m());
    const EsitoFile esito = salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sv, c.file);
    EXPECT_FALSE(esito.ok);
    ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
    const QString testo = a.messaggi.messaggi()[0].testo;
    EXPECT_TRUE(testo.startsWith("Impossibile salvare l'immagine")) << testo.toStdString();
    EXPECT_TRUE(testo.contains(QFileInfo(c.file).fileName())) << testo.toStdString();
    EXPECT_TRUE(testo.contains(c.motivo)) << testo.toStdString();
    EXPECT_EQ(a.messaggi.messaggi()[0].pulsanti, Pulsanti::Ok);
    EXPECT_TRUE(QFileInfo(cartella.percorso("cartella.gif")).isDir()) << "nothing replaced";
}

INSTANTIATE_TEST_SUITE_P(Tabella, ImmagineNonScrivibile, ::testing::ValuesIn(Fallimenti),
                         prova::NomeCaso());

// --- The report window -----------------------------------------------------------------------

void treStrati(Modulo1& m) {
    m.Strati(1) = Strato{2, 18, 0, 30, 0.3333, 90, -12.3456, 14.85, 0};
    m.Strati(2) = Strato{2.5, 19.5, 5, 25, 0.4, 29.7, 0.07, 7.5, 1};
    m.Strati(3) = Strato{0.5, 20, 0, 0, 1, 100, -0.5, 1234.567, 0};
    m.NumStrati = 3;
}

struct CasoRapporto {
    std::string nome;
    Separatori separatori;
    QList<QStringList> righe;
};

const QStringList Intestazione = {"Strato ",     "Potenza", "Gamma", "Coesione", "Attrito interno",
                                  "Sotto falda", "Ka",      "Sv",    "Sa1",      "Sa2"};

const CasoRapporto Rapporti[] = {
    {"Punto",
     Separatori{".", ","},
     {Intestazione,
      {" 1 ", " 2 ", " 18 ", " 0 ", " 30 ", "No", ".33", "90.", "-12.35", "14.85"},
      {" 2 ", " 2.5 ", " 19.5 ", " 5 ", " 25 ", "Si", ".4", "29.7", ".07", "7.5"},
      {" 3 ", " .5 ", " 20 ", " 0 ", " 0 ", "No", "1.", "100.", "-.5", "1234.57"}}},
    {"Virgola",
     Separatori{",", "."},
     {Intestazione,
      {" 1 ", " 2 ", " 18 ", " 0 ", " 30 ", "No", ",33", "90,", "-12,35", "14,85"},
      {" 2 ", " 2,5 ", " 19,5 ", " 5 ", " 25 ", "Si", ",4", "29,7", ",07", "7,5"},
      {" 3 ", " ,5 ", " 20 ", " 0 ", " 0 ", "No", "1,", "100,", "-,5", "1234,57"}}},
};

class Rapporto : public ::testing::TestWithParam<CasoRapporto> {};

TEST_P(Rapporto, TestiDelleRighe) {
    const CasoRapporto& c = GetParam();
    AmbienteProva a(c.separatori);
    ASSERT_NE(a.avvia(), nullptr);
    treStrati(a.m());
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->testo()->righe(), c.righe);
    EXPECT_EQ(a.m().IndiceStrato, 4) << "the walk leaves its cursor at n + 1";
}

INSTANTIATE_TEST_SUITE_P(Separatori, Rapporto, ::testing::ValuesIn(Rapporti), prova::NomeCaso());

TEST(Rapporto, SenzaStratiSoloLIntestazione) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->testo()->righe(), QList<QStringList>({Intestazione}));
    EXPECT_EQ(a.m().IndiceStrato, 1);
}

TEST(Rapporto, FinestraFissaSenzaRiduciEIngrandisci) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_EQ(f->windowTitle(), "stampa");
    EXPECT_EQ(f->area()->size(), QSize(707, 352)); // 10605 × 5280 twips
    EXPECT_EQ(f->minimumSize(), f->maximumSize()) << "fixed border";
    EXPECT_FALSE(f->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f->windowFlags() & Qt::WindowCloseButtonHint);
    // Background: the highlight-text colour.
    const QColor sfondo = f->palette().color(QPalette::HighlightedText);
    EXPECT_EQ(f->area()->viewport()->palette().color(QPalette::Window), sfondo);
    const QImage schermo = f->area()->grab().toImage();
    EXPECT_EQ(QColor(schermo.pixel(700, 340)), sfondo);
}

TEST(Rapporto, LeVociStannoNelleZoneDiQuattordiciColonne) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    treStrati(a.m());
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_NE(f, nullptr);
    const QFontMetricsF fm(f->testo()->font(), f->testo());
    // Arial 8.25 pt at 96 dpi (11 px): 5 px of average character width, as the system reports
    // for it, so a zone is 70 px and the ten zones fit the window's 707 px.
    EXPECT_EQ(TestoAZone::larghezzaMediaCarattere(fm), 5.0);
    const double zona = 70;
    // The header's items are all narrower than a zone: item k starts at k zones.
    const QList<double> x = TestoAZone::posizioniVoci(Intestazione, fm);
    ASSERT_EQ(x.size(), 10);
    for (int k = 0; k < 10; ++k)
        EXPECT_NEAR(x[k], k * zona, 1e-6) << k;
    // An item wider than its zone pushes the next one to the zone after.
    const QString lungo(20, QLatin1Char('M'));
    const QList<double> y = TestoAZone::posizioniVoci({lungo, "b"}, fm);
    EXPECT_NEAR(y[1], zona * (std::floor(fm.horizontalAdvance(lungo) / zona) + 1), 1e-6);
    EXPECT_GE(y[1], 2 * zona);
    // The ten zones fit the window's width, as the table was laid out for.
    EXPECT_LE(TestoAZone::larghezzaTesto(f->testo()->righe(), fm), f->area()->width());
}

// In a fixed-pitch font every weighted character has the same advance: the average is that
// advance, rounded to a whole pixel.
TEST(TestoAZone, MediaDiUnCarattereAPassoFisso) {
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(20);
    const QFontMetricsF fm(mono);
    ASSERT_EQ(fm.horizontalAdvance(QChar(u'm')), fm.horizontalAdvance(QChar(u'i')))
        << "DejaVu Sans Mono missing";
    EXPECT_EQ(TestoAZone::larghezzaMediaCarattere(fm),
              std::round(fm.horizontalAdvance(QChar(u'a'))));
    EXPECT_EQ(TestoAZone::larghezzaZona(fm), 14 * std::round(fm.horizontalAdvance(QChar(u'a'))));
}

TEST(Rapporto, CinquantaStratiScorrono) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    for (int i = 1; i <= 50; ++i)
        a.m().Strati(i) = Strato{1, 18, 0, 30, 0.33, 18.0 * i, 6.0 * i - 6, 6.0 * i, 0};
    a.m().NumStrati = 50;
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_EQ(f->testo()->righe().size(), 51);
    EXPECT_EQ(f->testo()->righe().back().front(), " 50 ");
    EXPECT_EQ(a.m().IndiceStrato, 51);
    QScrollBar* barra = f->area()->verticalScrollBar();
    EXPECT_TRUE(barra->isVisible());
    EXPECT_GT(barra->maximum(), 0);
    // Every line can be scrolled into view: the text is as tall as 51 lines.
    const QFontMetricsF fm(f->testo()->font(), f->testo());
    EXPECT_GE(f->testo()->height(), static_cast<int>(51 * TestoAZone::altezzaRiga(fm)));
    barra->setValue(barra->maximum());
    QCoreApplication::processEvents();
    const QPoint ultima = f->testo()->mapTo(
        f->area()->viewport(), QPoint(0, static_cast<int>(50 * TestoAZone::altezzaRiga(fm))));
    EXPECT_GE(ultima.y(), 0);
    EXPECT_LT(ultima.y(), f->area()->viewport()->height());
}

TEST(Rapporto, PocheRigheNessunaBarra) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    treStrati(a.m());
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_FALSE(f->area()->verticalScrollBar()->isVisible());
    EXPECT_FALSE(f->area()->horizontalScrollBar()->isVisible());
}

TEST(Rapporto, EsciNascondeEConservaIlTesto) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    treStrati(a.m());
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_NE(f, nullptr);
    const auto righe = f->testo()->righe();
    a.m().Strati(1).Potenza = 9;
    a.m().IndiceStrato = 2;
    f->Esci->trigger();
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(a.registro().apri(IdFinestra::stampa1), f);
    EXPECT_EQ(f->testo()->righe(), righe);
    EXPECT_EQ(a.m().IndiceStrato, 2) << "showing again does not write the table again";
    EXPECT_EQ(a.registro().caricamenti(IdFinestra::stampa1), 1);
}

TEST(Rapporto, IlBordoScaricaELaProssimaAperturaRiscrive) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    treStrati(a.m());
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_NE(f, nullptr);
    a.m().Strati(1).Potenza = 9;
    f->close();
    eliminaScaricate();
    EXPECT_EQ(a.registro().istanza(IdFinestra::stampa1), nullptr);
    auto* nuova = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_NE(nuova, nullptr);
    EXPECT_EQ(nuova->testo()->righe()[1][1], " 9 ");
    EXPECT_EQ(a.registro().caricamenti(IdFinestra::stampa1), 2);
}

TEST(Rapporto, MenuEComandi) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_NE(f, nullptr);
    // "&File" with "E&sporta" and "&Esci"; "&Stampa" on the bar itself.
    const QList<QAction*> barra = f->barraMenu()->actions();
    ASSERT_EQ(barra.size(), 2);
    EXPECT_EQ(barra[0]->menu(), f->filw);
    EXPECT_EQ(f->filw->objectName(), "filw");
    EXPECT_EQ(f->filw->title(), "&File");
    EXPECT_EQ(f->filw->actions(), QList<QAction*>({f->exporta, f->Esci}));
    EXPECT_EQ(f->exporta->objectName(), "exporta");
    EXPECT_EQ(f->exporta->text(), "E&sporta");
    EXPECT_EQ(f->Esci->objectName(), "Esci");
    EXPECT_EQ(f->Esci->text(), "&Esci");
    EXPECT_EQ(barra[1], f->Stampa);
    EXPECT_EQ(f->Stampa->objectName(), "Stampa");
    EXPECT_EQ(f->Stampa->text(), "&Stampa");

    f->Stampa->trigger();
    EXPECT_EQ(a.stampa.stampate(), QStringList({"stampa1"}));
    f->exporta->trigger();
    FinestraBase* esporta = a.registro().istanza(IdFinestra::Esporta);
    ASSERT_NE(esporta, nullptr);
    EXPECT_TRUE(esporta->isVisible());
    EXPECT_TRUE(f->isVisible()) << "the report stays open";
}

} // namespace
} // namespace spintaro
