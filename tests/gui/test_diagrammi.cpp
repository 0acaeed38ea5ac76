// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram windows Sv and Sa, their canvas and images, the report window stampa1, printing
// (no printer, every layer on paper, a real CUPS queue) and the pictures for the documentation.

#include "ambiente_prova.h"
#include "diagrams/salva_immagine.h"
#include "diagrams/stampa1_window.h"
#include "files/salvaimmagine_window.h"
#include "model/calcolo.h"
#include "platform/caratteri.h"
#include "platform/registro_finestre.h"
#include "platform/tela.h"
#include "platform/testo_zone.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

namespace spintaro {
namespace {

using namespace prova;

// 20 kPa of surcharge over one dry layer of 5 m, γ 18, φ 30: Sv at the base is 20 + 5·18 = 110.
inline void esempioVentiKpa(Modulo1& m) {
    m.Strati(0).Sv = 20;
    m.Strati(1) = Strato{5, 18, 0, 30, 0, 0, 0, 0, 0};
    m.NumStrati = 1;
    CalcolaStrati(m, 1);
}

// 10 kPa; layer 1 h 2, γ 18, c 0, φ 30, dry; layer 2 h 3, γ 20, c 5, φ 25, below the water table.
inline void esempioDueStrati(Modulo1& m) {
    m.Strati(0).Sv = 10;
    m.Strati(1) = Strato{2, 18, 0, 30, 0, 0, 0, 0, 0};
    m.Strati(2) = Strato{3, 20, 5, 25, 0, 0, 0, 0, 1};
    m.NumStrati = 2;
    CalcolaStrati(m, 2);
}

// Makes a fresh temporary folder the working directory for the test's life.
struct CartellaDiLavoro {
    CartellaDiLavoro() { QDir::setCurrent(m_cartella.path()); }
    ~CartellaDiLavoro() { QDir::setCurrent(m_precedente); }
    QString percorso(const QString& nome) const { return m_cartella.filePath(nome); }
    QString m_precedente = QDir::currentPath();
    QTemporaryDir m_cartella;
};
// The program started on the 20 kPa example, in a working directory of its own.
template <typename Base = ::testing::Test> class ConEsempio : public Base {
protected:
    void SetUp() override {
        ASSERT_NE(a.avvia(), nullptr);
        esempioVentiKpa(a.m());
    }
    CartellaDiLavoro cartella;
    AmbienteProva a;
};

using Diagrammi = ConEsempio<>;

inline QByteArray leggiTutto(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const auto rosso = [](QRgb c) {
    return (c & 0xFFFFFF) == 0xFF0000u;
};
// A pure red pixel within raggio pixels of the point; how many pixels pass a test.
bool rossoVicino(const QImage& img, double x, double y, int raggio = 1) {
    const QPoint c(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
    for (int dy = -raggio; dy <= raggio; ++dy)
        for (int dx = -raggio; dx <= raggio; ++dx)
            if (img.valid(c + QPoint(dx, dy)) && rosso(img.pixel(c + QPoint(dx, dy))))
                return true;
    return false;
}

int conta(const QImage& img, bool (*scelta)(QRgb) = rosso) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += scelta(img.pixel(x, y)) ? 1 : 0;
    return n;
}
struct CasoFinestra {
    std::string nome;
    IdFinestra id;
    const char *stampa, *chiudi; // the window's print and close items
};

class UnaSolaIstanza : public ConEsempio<::testing::TestWithParam<CasoFinestra>> {};

TEST_P(UnaSolaIstanza, NascondereConservaIlDisegnoIlBordoScarica) {
    const CasoFinestra& c = GetParam();
    FinestraBase* f = a.registro().apri(c.id);
    ASSERT_NE(f, nullptr);
    const QImage prima = f->grab().toImage();
    f->findChild<QAction*>(c.stampa)->trigger();
    EXPECT_EQ(a.stampa.stampate(), QStringList({QString::fromStdString(c.nome)}));
    EXPECT_EQ(a.stampa.visibili(), QList<bool>({true}));
    // The layers change after the drawing: the hidden window comes back with what it drew.
    a.m().Strati(0).Sv = 70;
    CalcolaStrati(a.m(), 1);
    f->findChild<QAction*>(c.chiudi)->trigger();
    prova::eliminaScaricate();
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(a.registro().apri(c.id), f);
    EXPECT_EQ(f->grab().toImage(), prima);
    f->close(); // the frame's close box
    prova::eliminaScaricate();
    EXPECT_EQ(a.registro().istanza(c.id), nullptr);
    EXPECT_NE(a.registro().apri(c.id)->grab().toImage(), prima)
        << "drawn anew from the changed layers";
    EXPECT_EQ(a.registro().caricamenti(c.id), 2);
}

const CasoFinestra Finestre[] = {{"Sv", IdFinestra::Sv, "stampa", "chiudi"},
                                 {"Sa", IdFinestra::Sa, "print", "close"},
                                 {"stampa1", IdFinestra::stampa1, "Stampa", "Esci"}};
INSTANTIATE_TEST_SUITE_P(Finestre, UnaSolaIstanza, ::testing::ValuesIn(Finestre),
                         prova::NomeCaso());

// The image dialog saves the diagram whose save command opened it last, and the diagram stays
// open; the same name is overwritten without a word and without leftovers.
TEST_F(Diagrammi, IlDialogoSalvaIlDiagrammaCheLoHaApertoPerUltimo) {
    // Sa's client is 10305 × 6345 twips, Sv's 10320 × 6150.
    const std::tuple<IdFinestra, const char*, QSize> passi[] = {
        {IdFinestra::Sa, "save", {687, 423}},
        {IdFinestra::Sv, "salva", {688, 410}},
        {IdFinestra::Spintaro, "Salva_Sa", {687, 423}}};
    for (const auto& [finestra, voce, client] : passi) {
        FinestraBase* f = a.registro().apri(finestra);
        f->findChild<QAction*>(voce)->trigger();
        auto* dialogo = a.registro().istanzaDi<SalvaimmagineWindow>(IdFinestra::salvaimmagine);
        ASSERT_TRUE(dialogo != nullptr && dialogo->isVisible() && f->isVisible()) << voce;
        dialogo->impostaSalvataggio([this](IdFinestra d, const QString& nome) {
            salvaImmagineDiagramma(a.app.servizi(), d, nome);
        });
        dialogo->txt_salva->setText(QStringLiteral("muro"));
        QTest::mouseClick(dialogo->Salva, Qt::LeftButton);
        EXPECT_EQ(QImage(cartella.percorso("muro.bmp")).size(), client) << voce;
    }
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList({"muro.bmp"}));
}

// --- Pixels of the saved Sv image. 20 kPa over 5 m of γ 18: the user rectangle (−1, 0.5)–(121,
// −5.5) fills 688 × 410 pixels, so x maps to (x + 1) · 688 / 122 and y to (0.5 − y) · 410 / 6:
//   (20, 0)   → (21 · 5.63934, 0.5 · 68.3333)  = (118.43, 34.17)
//   (110, −5) → (111 · 5.63934, 5.5 · 68.3333) = (625.97, 375.83)
//   (0, −5)   → (1 · 5.63934, 375.83)          = (5.64, 375.83)
TEST_F(Diagrammi, LineeRossePureDoveLaMappaLeMette) {
    ASSERT_DOUBLE_EQ(a.m().Strati(1).Sv, 110.0);
    ASSERT_TRUE(salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sv, "sv.bmp").ok);

    const QImage img(cartella.percorso("sv.bmp"));
    ASSERT_EQ(img.size(), QSize(688, 410));
    // Red along the stress line (t = 0, ¼, ½, ¾, 1) and the base line; none left of the line,
    // past its end, above the ground or below the base.
    const double rossi[][2] = {{118.43, 34.17},  {245.31, 119.58}, {372.20, 205.00},
                               {499.08, 290.42}, {625.97, 375.83}, {12.0, 375.83},
                               {100.0, 375.83},  {300.0, 375.83},  {600.0, 375.83}};
    for (const auto& p : rossi)
        EXPECT_TRUE(rossoVicino(img, p[0], p[1])) << p[0] << ", " << p[1];
    for (const auto& p : {QPointF(100, 200), {650, 375.83}, {300, 10}, {300, 400}})
        EXPECT_FALSE(rossoVicino(img, p.x(), p.y(), 3)) << p.x() << ", " << p.y();
}

const float Inf = std::numeric_limits<float>::infinity(), NaN = std::nanf("");
constexpr auto S = Primitiva::Tipo::Scala, L = Primitiva::Tipo::Linea, X = Primitiva::Tipo::Testo;

Primitiva P(Primitiva::Tipo t, float ax, float ay, float bx = 0, float by = 0, std::string s = {}) {
    return Primitiva{t, ax, ay, bx, by, Colore::Rosso, std::move(s)};
}

QImage dipinto(const Disegno& d) {
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    dipingiDisegno(p, QRectF(0, 0, 100, 100), d, StileTela{});
    p.end();
    return img;
}

struct CasoScala {
    std::string nome;
    Disegno disegno;
    int righe; // rows of red across the 100 × 100 area: 0 or 1
};

// Nothing is drawn until a usable scale comes; far or non-finite points are clipped or skipped.
const CasoScala CasiScala[] = {
    {"LarghezzaZero", {P(S, 5, 1, 5, -1), P(L, 0, 0, 10, 0), P(X, 0, 0, 0, 0, "Sv")}, 0},
    {"AltezzaZero", {P(S, -1, 0, 1, 0), P(L, -1, 0, 1, 0)}, 0},
    {"TuttoZero", {P(S, 0, 0, 0, 0), P(Primitiva::Tipo::LineaA, 0, 0, 0, 0)}, 0},
    {"SenzaScala", {P(L, 0, 0, 50, 50)}, 0},
    {"ScalaInfinita", {P(S, -Inf, 1, Inf, -1), P(L, 0, 0, 1, 0)}, 0},
    {"ScalaNaN", {P(S, NaN, 1, 1, -1), P(L, 0, 0, 1, 0)}, 0},
    {"PoiBuona", {P(S, 0, 0, 0, 0), P(L, 0, 0, 1, 0), P(S, -1, 1, 1, -1), P(L, -1, 0, 1, 0)}, 1},
    {"CoordinateEnormi", {P(S, -1, 1, 1, -1), P(L, -1e30f, 0, 1e30f, 0)}, 1},
    {"NonFinite",
     {P(S, -1, 1, 1, -1), P(L, NaN, 0, 1, 0), P(L, 0, Inf), P(X, NaN, NaN, 0, 0, "X")},
     0},
};

class TelaScala : public ::testing::TestWithParam<CasoScala> {};

TEST_P(TelaScala, NessunaDivisionePerZeroNeLineeFuoriPosto) {
    const int n = conta(dipinto(GetParam().disegno));
    EXPECT_TRUE(n >= 98 * GetParam().righe && n <= 102 * GetParam().righe) << n;
}

INSTANTIATE_TEST_SUITE_P(Tabella, TelaScala, ::testing::ValuesIn(CasiScala), prova::NomeCaso());

// x from 10 (left) to 0 (right), y from −1 (top) to 1 (bottom): user (8..6, 0.5) is px (20..40,
// 75).
TEST(Tela, ScalaRovesciataSpecchiaIlDisegno) {
    const QImage img = dipinto({P(S, 10, -1, 0, 1), P(L, 8, 0.5f, 6, 0.5f)});
    EXPECT_TRUE(rossoVicino(img, 30, 75));
    EXPECT_FALSE(rossoVicino(img, 70, 75, 3) || rossoVicino(img, 30, 25, 3));
}

// Image files: the content is the format the name says; a failure says why and replaces nothing.

struct CasoFormato {
    std::string nome;
    QString file;
    QByteArray formato, inizio;   // its reader and the bytes that open the file
    const char* motivo = nullptr; // the write fails, for this reason
};

const CasoFormato Formati[] = {{"Bmp", "muro.bmp", "bmp", "BM"},
                               {"Jpg", "muro.jpg", "jpeg", "\xFF\xD8\xFF"},
                               {"Gif", "muro.gif", "gif", "GIF8"},
                               {"Tif", "muro.tif", "tiff", QByteArray("II*\0", 4)},
                               {"Png", "muro.png", "png", "\x89PNG\r\n\x1A\n"},
                               {"JpgMaiuscolo", "muro.JPG", "jpeg", "\xFF\xD8\xFF"},
                               {"ParolaSconosciuta", "muro.xyz", "bmp", "BM"},
                               {"NomeVuoto", ".bmp", "bmp", "BM"},
                               {"PuntoNelNome", "muro.v2.gif", "gif", "GIF8"},
                               {"PuntoNellaCartella", "a.gif/muro", "bmp", "BM"},
                               {"CartellaMancante", "manca/muro.bmp", "", "", "non esiste"},
                               {"NomeDiUnaCartella", "a.gif", "", "", "cartella"}};

class FormatoImmagine : public ConEsempio<::testing::TestWithParam<CasoFormato>> {};

TEST_P(FormatoImmagine, ContenutoNelFormatoDelNome) {
    const CasoFormato& c = GetParam();
    ASSERT_TRUE(QDir().mkdir("a.gif"));
    const EsitoFile esito = salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sv, c.file);
    if (c.motivo != nullptr) {
        EXPECT_FALSE(esito.ok);
        ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
        const QString testo = a.messaggi.messaggi()[0].testo;
        EXPECT_TRUE(testo.startsWith("Impossibile salvare l'immagine") &&
                    testo.contains(QFileInfo(c.file).fileName()) && testo.contains(c.motivo))
            << testo.toStdString();

        EXPECT_TRUE(QFileInfo("a.gif").isDir()) << "nothing replaced";
        return;
    }
    ASSERT_TRUE(esito.ok) << esito.messaggio.toStdString();

    const QByteArray testa = leggiTutto(c.file).left(8);
    EXPECT_TRUE(testa.startsWith(c.inizio) ||
                (c.formato == "tiff" && testa.startsWith(QByteArray("MM\0*", 4))))
        << testa.toHex().toStdString();
    const QImage letta(c.file, c.formato.constData());
    EXPECT_EQ(letta.size(), QSize(688, 410));
    // GIF keeps an exact palette: the red of the lines stays pure.
    EXPECT_TRUE(c.formato != "gif" ||
                rossoVicino(letta.convertToFormat(QImage::Format_RGB32), 372.20, 205.00));
}

INSTANTIATE_TEST_SUITE_P(Tabella, FormatoImmagine, ::testing::ValuesIn(Formati), prova::NomeCaso());

struct CasoRapporto {
    std::string nome;
    Separatori separatori;
    Intero16 strati;
    const char* righe; // after the header: one line per layer, its items joined by "|"
};

const CasoRapporto Rapporti[] = {
    {"Punto",
     {".", ","},
     3,
     "\n 1 | 2 | 18 | 0 | 30 |No|.33|90.|-12.35|14.85\n 2 | 2.5 | 19.5 | 5 | 25 |Si|.4|29.7|.07|7.5"
     "\n 3 | .5 | 20 | 0 | 0 |No|1.|100.|-.5|1234.57"},
    {"Virgola",
     {",", "."},
     3,
     "\n 1 | 2 | 18 | 0 | 30 |No|,33|90,|-12,35|14,85\n 2 | 2,5 | 19,5 | 5 | 25 |Si|,4|29,7|,07|7,5"
     "\n 3 | ,5 | 20 | 0 | 0 |No|1,|100,|-,5|1234,57"},
    {"SenzaStrati", {",", "."}, 0, ""},
};

class Rapporto : public ::testing::TestWithParam<CasoRapporto> {};

// The walk leaves its cursor at n + 1.
TEST_P(Rapporto, TestiDelleRighe) {
    const CasoRapporto& c = GetParam();
    AmbienteProva a(c.separatori);
    ASSERT_NE(a.avvia(), nullptr);
    a.m().Strati(1) = Strato{2, 18, 0, 30, 0.3333, 90, -12.3456, 14.85, 0};
    a.m().Strati(2) = Strato{2.5, 19.5, 5, 25, 0.4, 29.7, 0.07, 7.5, 1};
    a.m().Strati(3) = Strato{0.5, 20, 0, 0, 1, 100, -0.5, 1234.567, 0};
    a.m().NumStrati = c.strati;
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_TRUE(f != nullptr && QTest::qWaitForWindowExposed(f));
    QStringList righe;
    for (const QStringList& riga : f->testo()->righe())
        righe.append(riga.join('|'));
    EXPECT_EQ(righe.join('\n'),
              "Strato |Potenza|Gamma|Coesione|Attrito interno|Sotto falda|Ka|Sv|Sa1|Sa2" +
                  QString(c.righe));
    EXPECT_EQ(a.m().IndiceStrato, c.strati + 1);
}

INSTANTIATE_TEST_SUITE_P(Separatori, Rapporto, ::testing::ValuesIn(Rapporti), prova::NomeCaso());

// The program on the two-layer example with the real print service; the default printer comes
// from fonte (by default none), in a working directory of its own.
struct AmbienteStampa {
    explicit AmbienteStampa(StampaPredefinita::FontePredefinita fonte =
                                [] { return QPrinterInfo(); })
        : stampa(messaggi, std::move(fonte)) {
        EXPECT_NE(app.avvia(), nullptr);
        esempioDueStrati(app.modulo());
    }

    CartellaDiLavoro cartella;
    MessaggiRegistrati messaggi;
    SeparatoriFissi separatori{Separatori{".", ","}};
    StampaPredefinita stampa;
    DesktopRegistrato desktop;
    Applicazione app{messaggi, separatori, stampa, desktop, [] {
                     }};
};

int pagine(const QByteArray& pdf) {
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(pagina));
}

// Runs a tool and returns its standard output; empty when it cannot run.
QString esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    const bool ok = p.waitForFinished(60000) && p.exitCode() == 0;
    return ok ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

struct CasoSenzaStampante {
    std::string nome;
    IdFinestra id;
    QString pdf;
};

class StampaSenzaStampante : public ::testing::TestWithParam<CasoSenzaStampante> {};

// Annulla writes nothing; OK writes the page and says where; the window is made unseen.
TEST_P(StampaSenzaStampante, AnnullaNonScriveOkScriveLaPaginaInPdf) {
    const CasoSenzaStampante& c = GetParam();
    AmbienteStampa a;
    const QString percorso = a.cartella.percorso(c.pdf);
    for (const Risposta r : {Risposta::Annulla, Risposta::Ok}) {
        a.messaggi.setNextAnswer(r);
        a.app.finestre().stampa(c.id);
        EXPECT_EQ(QFileInfo::exists(percorso), r == Risposta::Ok);
    }
    const auto& m = a.messaggi.messaggi();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].pulsanti, Pulsanti::OkAnnulla);
    EXPECT_TRUE(m[0].testo.contains("Nessuna stampante") && m[0].testo.contains(c.pdf))
        << m[0].testo.toStdString();
    EXPECT_TRUE(m[2].testo.contains("/" + c.pdf + "»")) << m[2].testo.toStdString();
    EXPECT_EQ(pagine(leggiTutto(percorso)), 1);
    EXPECT_FALSE(a.app.finestre().istanza(c.id)->isVisible()) << "printing does not show it";
}

const CasoSenzaStampante SenzaStampante[] = {{"StampaSv", IdFinestra::Sv, "Sv.pdf"},
                                             {"StampaSa", IdFinestra::Sa, "Sa.pdf"},
                                             {"Rapporto", IdFinestra::stampa1, "stampa1.pdf"}};
INSTANTIATE_TEST_SUITE_P(Tabella, StampaSenzaStampante, ::testing::ValuesIn(SenzaStampante),
                         prova::NomeCaso());

// Fifty layers: the report scrolls to its last line and prints every layer: 51 lines fit an A4
// page; a page 60 mm high (about 17 lines) takes more pages, each starting with the header.
TEST(StampaPdf, CinquantaStratiScorronoESonoTuttiStampati) {
    AmbienteStampa a;
    for (int i = 1; i <= 50; ++i)
        a.app.modulo().Strati(i) = Strato{1, 18, 0, 30, 0.33, 1000.0 + i, 1.0, 2.0, 0};
    a.app.modulo().NumStrati = 50;
    auto* f = qobject_cast<Stampa1Window*>(a.app.finestre().apri(IdFinestra::stampa1));
    ASSERT_TRUE(f != nullptr && QTest::qWaitForWindowExposed(f));

    EXPECT_EQ(f->testo()->righe().back().front(), " 50 ");
    QScrollBar* barra = f->area()->verticalScrollBar();
    EXPECT_TRUE(barra->isVisible());
    const double riga = TestoAZone::altezzaRiga(QFontMetricsF(f->testo()->font(), f->testo()));
    barra->setValue(barra->maximum());
    QCoreApplication::processEvents();
    const int ultima =
        f->testo()->mapTo(f->area()->viewport(), QPoint(0, static_cast<int>(50 * riga))).y();
    EXPECT_TRUE(ultima >= 0 && ultima < f->area()->viewport()->height()) << ultima;

    a.messaggi.setNextAnswer(Risposta::Ok);
    f->Stampa->trigger();
    {
        QPdfWriter corta("corta.pdf");
        corta.setPageSize(QPageSize(QSizeF(210, 60), QPageSize::Millimeter));
        corta.setPageMargins(QMarginsF(0, 0, 0, 0));
        corta.setResolution(300);
        QPainter pittore(&corta);
        f->stampaSu(pittore, corta);
    }
    EXPECT_EQ(pagine(leggiTutto("stampa1.pdf")), 1);
    const int pagineCorte = pagine(leggiTutto("corta.pdf"));
    EXPECT_GE(pagineCorte, 2);
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) {
        if (qEnvironmentVariableIsSet("CI"))
            FAIL() << "pdftotext (poppler-utils) non installato: testo del PDF non verificato";
        GTEST_SKIP() << "pdftotext (poppler-utils) non installato: testo del PDF non verificato";
    }
    for (const char* file : {"stampa1.pdf", "corta.pdf"}) {
        const QString testo = esegui(pdftotext, {a.cartella.percorso(file), "-"});
        for (int i = 1; i <= 50; ++i)
            EXPECT_TRUE(testo.contains(QStringLiteral("%1.").arg(1000 + i))) << file << i;
        EXPECT_EQ(testo.count("Sotto falda"), file[0] == 'c' ? pagineCorte : 1) << file;
    }
}

// --- A real printer: tests/gui/cups_pdf.sh makes a cups-pdf queue the default printer and runs
// these cases with SPINTARO_CUPS_PDF naming the folder where the queue writes its PDF files.

class StampanteCups : public ::testing::Test {
protected:
    void SetUp() override {
        if (cartella.isEmpty())
            GTEST_SKIP() << "SPINTARO_CUPS_PDF non impostata: stampa su CUPS non provata "
                            "(tests/gui/cups_pdf.sh avvia CUPS con una coda PDF)";
        // The script that names the folder has made the queue the default printer: without it
        // the printing path is not tested, which is a failure, not a skip.
        if (QPrinterInfo::defaultPrinter().isNull())
            FAIL() << "nessuna stampante predefinita: CUPS non è in esecuzione";

        prima = pdfPresenti();
    }
    QStringList pdfPresenti() const {
        QStringList pdf;
        for (QDirIterator i(cartella, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
             i.hasNext();)
            pdf.append(i.next());
        return pdf;
    }
    // Waits for the queue to empty and the new PDF to appear (two minutes at most): one page.
    QString attendiPdf() const {
        EXPECT_TRUE(a.messaggi.eventi().isEmpty()) << a.messaggi.eventi().join(" | ").toStdString();
        QElapsedTimer tempo;
        for (tempo.start(); tempo.elapsed() < 120000; QTest::qWait(200)) {
            if (!esegui("lpstat", {"-o"}).trimmed().isEmpty())
                continue;
            for (const QString& f : pdfPresenti())
                if (const QString i = esegui("pdfinfo", {f}); !prima.contains(f) && !i.isEmpty()) {
                    EXPECT_TRUE(i.contains(QRegularExpression("Pages:\\s+1\\n")))
                        << i.toStdString();
                    return f;
                }
        }
        return {};
    }

    QString cartella = qEnvironmentVariable("SPINTARO_CUPS_PDF");
    AmbienteStampa a{&QPrinterInfo::defaultPrinter};
    QStringList prima;
};

TEST_F(StampanteCups, IlRapportoEsceInUnaPaginaConLeSueParole) {
    qobject_cast<Stampa1Window*>(a.app.finestre().apri(IdFinestra::stampa1))->Stampa->trigger();
    const QString pdf = attendiPdf();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue";
    const QString testo = esegui("pdftotext", {"-layout", pdf, "-"});
    for (const char* parola : {"Strato", "Potenza", "Gamma", "Coesione", "Attrito interno",
                               "Sotto falda", "Ka", "Sa1", "Si"}) // layer 2 is below the water
        EXPECT_TRUE(testo.contains(parola)) << parola << "\n" << testo.toStdString();
}

TEST_F(StampanteCups, IlDiagrammaSvEsceInUnaPaginaConIlRosso) {
    a.app.finestre().istanza(IdFinestra::Spintaro)->findChild<QAction*>("stampasv")->trigger();

    const QString pdf = attendiPdf();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue";
    QTemporaryDir raster;
    esegui("pdftoppm", {"-r", "150", "-png", "-singlefile", pdf, raster.filePath("pagina")});
    const QImage pagina(raster.filePath("pagina.png"));

    EXPECT_GT(
        conta(pagina, [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 90 && qBlue(c) < 90; }), 200)
        << "the layer lines are red on paper";
}

// The report's print zones: 14 average character widths each, the ten columns inside the
// 707-pixel window, an item wider than its zone pushing the next one a zone further.
TEST(Rapporto, ZoneDiQuattordiciCaratteri) {
    const QFontMetricsF m(fontArial(8.25));
    const double zona = TestoAZone::larghezzaZona(m);
    EXPECT_DOUBLE_EQ(zona, 14 * TestoAZone::larghezzaMediaCarattere(m));
    EXPECT_LE(9 * zona + m.horizontalAdvance(QStringLiteral("Sa2")), 707.0);
    EXPECT_EQ(TestoAZone::posizioniVoci({QStringLiteral("a"), QStringLiteral("b")}, m),
              (QList<double>{0, zona}));
    QString lunga;
    while (m.horizontalAdvance(lunga) <= zona)
        lunga += QLatin1Char('x');
    EXPECT_EQ(TestoAZone::posizioniVoci({lunga, QStringLiteral("b")}, m),
              (QList<double>{0, 2 * zona}));
}

TEST(Rapporto, EsportaAprelaFinestraDiEsportazione) {
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    a.registro()
        .apri(IdFinestra::stampa1)
        ->findChild<QAction*>(QStringLiteral("exporta"))
        ->trigger();
    ASSERT_NE(a.registro().istanza(IdFinestra::Esporta), nullptr);
    EXPECT_TRUE(a.registro().istanza(IdFinestra::Esporta)->isVisible());
    EXPECT_TRUE(a.registro().istanza(IdFinestra::stampa1)->isVisible());
}

// --- Pictures for the documentation, written into the folder named by SPINTARO_FOTOGRAFIE. Under
// Xvfb with a window manager (QT_QPA_PLATFORM=xcb) they include the window frame.
TEST(Fotografie, DiagrammiERapportoDelloEsempioADueStrati) {
    const QString cartella = qEnvironmentVariable("SPINTARO_FOTOGRAFIE");
    if (cartella.isEmpty())
        GTEST_SKIP() << "SPINTARO_FOTOGRAFIE non impostata: nessuna fotografia scritta";
    ASSERT_TRUE(QDir().mkpath(cartella));
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    esempioDueStrati(a.m());
    for (const IdFinestra id : {IdFinestra::Sv, IdFinestra::Sa, IdFinestra::stampa1}) {
        FinestraBase* w = a.registro().apri(id);
        ASSERT_TRUE(w != nullptr && QTest::qWaitForWindowExposed(w));
        QImage foto = w->grab().toImage(); // offscreen there is no frame
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            QTest::qWait(300); // let the window manager finish the frame
            const QRect r = w->frameGeometry();
            foto = w->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
            w->hide();
        }
        const QString file = QDir(cartella).filePath(w->objectName().toLower() + ".png");
        EXPECT_TRUE(!foto.isNull() && foto.save(file)) << file.toStdString(); // sv, sa, stampa1
    }
}

} // namespace
} // namespace spintaro
