// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram windows Sv and Sa, their canvas and images (bitmap and vector), the report window,
// printing (no printer, every layer on paper, a real CUPS queue); the calculation report.

#include "ambiente_prova.h"
#include "platform/pittore_relazione.h"
#include "platform/tela.h"
#include "platform/testo_zone.h"
#include "profili.h"
#include "report/misure_testo.h"
#include "report/relazione.h"
#include "ui/diagrams/finestra_diagramma.h"
#include "ui/diagrams/salva_immagine.h"
#include "ui/diagrams/stampa1_window.h"
#include "ui/files/apri_window.h"
#include "ui/files/salvaimmagine_window.h"

#include <QAccessible>
#include <QAction>
#include <QBuffer>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>

namespace spintaro {
namespace {

using namespace prova;
using prova::PrintTo;

// The real print service without a printer.
QPrinterInfo nessuna() {
    return {};
}
// 20 kPa of surcharge over one dry layer of 5 m, γ 18, φ 30: Sv at the base is 20 + 5·18 = 110.
template <typename Base = ::testing::Test> class ConEsempio : public Base {
protected:
    void SetUp() override { a.m() = profilo(20, {strato(5, 18, 0, 30)}); }
    InCartella a{Separatori{".", ","}, nessuna};
};
const Modulo1 DueStrati = dueStrati(); // 10 kPa; sand over submerged cohesive soil (profili.h)

bool rosso(QRgb c) {
    return (c & 0xFFFFFF) == 0xFF0000u;
}
// Red or, antialiased on white, pink.
bool rossastro(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 170 && qBlue(c) < 170;
}
bool rossoVicino(const QImage& img, QPointF p, int r = 1) {
    return conta(img.copy(int(p.x()) - r, int(p.y()) - r, 2 * r + 1, 2 * r + 1), rosso) > 0;
}
int pagine(const QString& pdf) {
    QFile f(pdf);
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?!s)"));
    return f.open(QIODevice::ReadOnly) ? int(QString::fromLatin1(f.readAll()).count(pagina)) : 0;
}

struct CasoFinestra {
    std::string nome;
    IdFinestra id;
    const char *stampa, *chiudi, *salva; // the window's print, close and save items
    QString massimo;                     // in the summary read to a screen reader
};
class Finestra : public ConEsempio<::testing::TestWithParam<CasoFinestra>> {};

// The window's items. Print, no printer: Annulla writes nothing, OK one page. Save opens the image
// dialog for this diagram. Close hides it with its drawing; unloaded, it redraws.
TEST_P(Finestra, StampaSalvaENascondeConservandoIlDisegno) {
    const CasoFinestra& c = GetParam();
    const QString pdf = QString::fromStdString(c.nome) + ".pdf";
    FinestraBase* f = a.registro().apri(c.id);
    const QImage prima = f->grab().toImage();
    EXPECT_TRUE(f->accessibleDescription().contains(c.massimo))
        << f->accessibleDescription().toStdString();
    if (auto* d = qobject_cast<FinestraDiagramma*>(f)) { // the drawing: an image, named alike
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(d->tela());
        EXPECT_TRUE(i->role() == QAccessible::Graphic &&
                    i->text(QAccessible::Name) == f->accessibleDescription())
            << i->role() << " " << i->text(QAccessible::Name).toStdString();
    }
    for (const Risposta r : {Risposta::No, Risposta::Si}) {
        a.messaggi.setNextAnswer(r);
        f->findChild<QAction*>(c.stampa)->trigger();
        EXPECT_EQ(QFileInfo::exists(pdf), r == Risposta::Si);
    }
    const QString testi = a.messaggi.testi().join('|');
    EXPECT_TRUE(testi.count("Nessuna stampante") == 2 && testi.contains("/" + pdf + "»") &&
                a.messaggi.messaggi()[0].pulsanti == Pulsanti::SiNo && pagine(pdf) == 1 &&
                f->isVisible())
        << testi.toStdString();
    if (c.salva != nullptr) {
        f->findChild<QAction*>(c.salva)->trigger();
        auto* d = a.registro().istanzaDi<SalvaimmagineWindow>(IdFinestra::salvaimmagine);
        EXPECT_TRUE(d != nullptr && d->isVisible() && f->isVisible() && d->diagramma() == c.id);
    }
    a.m() = profilo(70, {strato(5, 18, 0, 30)}); // another drawing
    f->findChild<QAction*>(c.chiudi)->trigger();
    EXPECT_TRUE(!f->isVisible() && a.registro().apri(c.id) == f && f->grab().toImage() == prima);
    f->close(); // the frame's close box unloads it
    eliminaScaricate();
    EXPECT_NE(a.registro().apri(c.id)->grab().toImage(), prima);
}
// Largest values: Sv 110; Sa 110 · Ka(30°) = 110 · 0.332925 = 36.622 (π = 3.14).
const CasoFinestra Finestre[] = {
    {"Sv", IdFinestra::Sv, "stampa", "chiudi", "salva", "valore massimo 110 kPa"},
    {"Sa", IdFinestra::Sa, "print", "close", "save", "valore massimo 36.622 kPa"},
    {"stampa1", IdFinestra::stampa1, "Stampa", "Esci", nullptr, ""}};
INSTANTIATE_TEST_SUITE_P(Finestre, Finestra, ::testing::ValuesIn(Finestre), NomeCaso());

const float Inf = std::numeric_limits<float>::infinity(), NaN = std::nanf("");
constexpr auto S = Primitiva::Tipo::Scala, L = Primitiva::Tipo::Linea, X = Primitiva::Tipo::Testo;
Primitiva P(Primitiva::Tipo t, float ax, float ay, float bx = 0, float by = 0, std::string s = {}) {
    return Primitiva{t, ax, ay, bx, by, Colore::Rosso, std::move(s)};
}

// Nothing drawn until a usable scale; far or non-finite points clipped or skipped: rows of red.
TEST(Tela, NessunaDivisionePerZeroNeLineeFuoriPosto) {
    const std::pair<Disegno, int> casi[] = {
        {{P(S, 5, 1, 5, -1), P(L, 0, 0, 10, 0), P(X, 0, 0, 0, 0, "Sv")}, 0}, // width 0
        {{P(S, -1, 0, 1, 0), P(L, -1, 0, 1, 0)}, 0},                         // height 0
        {{P(S, 0, 0, 0, 0), P(Primitiva::Tipo::LineaA, 0, 0, 0, 0)}, 0},
        {{P(L, 0, 0, 50, 50)}, 0}, // no scale yet
        {{P(S, -Inf, 1, Inf, -1), P(L, 0, 0, 1, 0)}, 0},
        {{P(S, NaN, 1, 1, -1), P(L, 0, 0, 1, 0)}, 0},
        {{P(S, 0, 0, 0, 0), P(L, 0, 0, 1, 0), P(S, -1, 1, 1, -1), P(L, -1, 0, 1, 0)}, 1},
        {{P(S, -1, 1, 1, -1), P(L, -1e30f, 0, 1e30f, 0)}, 1},
        {{P(S, -1, 1, 1, -1), P(L, 0.2f, 3, -0.2f, -3)}, 1}, // cut at the top and the bottom
        {{P(S, -1, 1, 1, -1), P(L, NaN, 0, 1, 0), P(L, 0, Inf), P(X, NaN, NaN)}, 0}};
    for (const auto& [disegno, righe] : casi) {
        QImage img(100, 100, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        dipingiDisegno(p, QRectF(0, 0, 100, 100), disegno, StileTela{});
        const int n = conta(img, rosso);
        EXPECT_TRUE(n >= 98 * righe && n <= 102 * righe) << "caso " << &disegno - &casi[0].first;
    }
}

// --- Image files of Sv in the format the name says. The user rectangle (−1, 0.5)–(121, −5.5) fills
// 688 × 410 pixels, so x maps to (x + 1) · 688 / 122 and y to (0.5 − y) · 410 / 6: the stress line
// runs from (20, 0) → (118.43, 34.17) to (110, −5) → (625.97, 375.83); the base line from (0, −5) →
// (5.64, 375.83).
struct CasoFormato {
    std::string nome;
    QString file;
    QByteArray formato; // what a reader finds in the file; none: the write fails
};
// Lower case and a dot inside the name are read as "muro.JPG" and "muro.v2.gif" are.
const CasoFormato Formati[] = {{"Bmp", "muro.bmp", "bmp"},
                               {"Tif", "muro.tif", "tiff"},
                               {"Png", "muro.png", "png"},
                               {"JpgMaiuscolo", "muro.JPG", "jpeg"},
                               {"ParolaSconosciuta", "muro.xyz", "bmp"},
                               {"PuntoNelNome", "muro.v2.gif", "gif"},
                               {"NomeDiUnaCartella", "a.gif", ""}};
class FormatoImmagine : public ConEsempio<::testing::TestWithParam<CasoFormato>> {};

TEST_P(FormatoImmagine, ContenutoNelFormatoDelNome) {
    const CasoFormato& c = GetParam();
    ASSERT_TRUE(QDir().mkdir("a.gif"));
    const EsitoFile esito = salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sv, c.file);
    const QString testo = a.messaggi.testi().join('|');
    if (c.formato.isEmpty()) { // a folder has the name
        EXPECT_TRUE(!esito.ok && testo.startsWith("Impossibile salvare l'immagine «") &&
                    testo.contains("a.gif»") && testo.contains("cartella"))
            << testo.toStdString();
        return;
    }
    ASSERT_TRUE(esito.ok) << testo.toStdString();
    EXPECT_EQ(QImageReader::imageFormat(c.file), c.formato); // from the bytes, not the name
    const QImage img = QImage(c.file, c.formato).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(img.size(), QSize(688, 410));
    if (c.formato == "jpeg")
        return; // lossy: no pure red (GIF keeps it: an exact palette)
    // Pure red on the stress line and the base line; none beside, past, above or below them.
    for (const QPointF p : {QPointF(118.43, 34.17), {372.2, 205}, {625.97, 375.83}, {12, 375.83}})
        EXPECT_TRUE(rossoVicino(img, p)) << p.x() << ", " << p.y();
    for (const QPointF p : {QPointF(100, 200), {650, 375.83}, {300, 10}, {300, 400}})
        EXPECT_FALSE(rossoVicino(img, p, 3)) << p.x() << ", " << p.y();
}
INSTANTIATE_TEST_SUITE_P(Tabella, FormatoImmagine, ::testing::ValuesIn(Formati), NomeCaso());

// --- The report window on fifty layers: rows in print zones (the ten columns inside the 707-pixel
// window), tall enough to scroll to the last line, Esporta, and every layer on paper: on pages 60
// mm high, each starts with the header.
TEST(Rapporto, CinquantaStratiInZoneScorronoESonoTuttiStampati) {
    InCartella a({".", ","}, nessuna);
    for (int i = 1; i <= 50; ++i)
        a.m().Strati(i) = Strato{1, 18, 0, 30, 0.33, 1000.0 + i, 1.0, -2.25, 0};
    a.m().NumStrati = 50;
    auto* f = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_EQ(f->pos(), QPoint(121, 335)); // 1815, 5025 twips
    EXPECT_EQ(f->testo()->accessibleName(), "Tabella degli strati");
    const QList<QStringList>& righe = f->testo()->righe();
    EXPECT_EQ(righe[0].join('|') + "\n" + righe.back().join('|'),
              "Strato |Potenza|Gamma|Coesione|Attrito interno|Sotto falda|Ka|Sv|Sa1|Sa2\n"
              " 50 | 1 | 18 | 0 | 30 |No|.33|1050.|1.|-2.25");

    const QFontMetricsF m(f->testo()->font(), f->testo());
    const double zona = TestoAZone::larghezzaZona(m);
    EXPECT_LE(9 * zona + m.horizontalAdvance(QStringLiteral("Sa2")), 707.0);
    const QString lunga(int(zona / m.horizontalAdvance('x')) + 1, 'x'); // wider than a zone
    EXPECT_EQ(TestoAZone::posizioniVoci({lunga, "b"}, m), (QList<double>{0, 2 * zona}));

    EXPECT_TRUE(f->area()->verticalScrollBar()->isVisible() &&
                f->testo()->height() >= 51 * TestoAZone::altezzaRiga(m));
    f->exporta->trigger();
    EXPECT_TRUE(a.registro().istanza(IdFinestra::Esporta)->isVisible() && f->isVisible());

    {
        QPdfWriter corta("corta.pdf");
        corta.setPageSize(QPageSize(QSizeF(210, 60), QPageSize::Millimeter));
        QPainter pittore(&corta);
        f->stampaSu(pittore, corta);
    }
    const int fogli = pagine("corta.pdf");
    EXPECT_GE(fogli, 3); // 51 lines of about 3.5 mm on 60 mm
    STRUMENTO(pdftotext, "pdftotext");
    const QString testo = uscita(pdftotext, {"corta.pdf", "-"});
    for (int i = 1; i <= 50; ++i)
        EXPECT_TRUE(testo.contains(QStringLiteral("%1.").arg(1000 + i))) << i;
    EXPECT_EQ(testo.count("Sotto falda"), fogli);
}

// --- A real printer: tests/gui/cups_pdf.sh makes a cups-pdf queue the default printer and runs
// this case with SPINTARO_CUPS_PDF naming the (new) folder where the queue writes its PDF files.
TEST(StampanteCups, IlRapportoEIlDiagrammaSvEsconoInUnaPagina) {
    const QString cartella = qEnvironmentVariable("SPINTARO_CUPS_PDF");
    if (cartella.isEmpty())
        GTEST_SKIP() << "SPINTARO_CUPS_PDF non impostata: stampa su CUPS non provata "
                        "(tests/gui/cups_pdf.sh avvia CUPS con una coda PDF)";
    InCartella a({".", ","}, &QPrinterInfo::defaultPrinter);
    a.m() = DueStrati;
    QStringList visti; // Prints with the item; the new PDF once the queue is empty (2 min at most).
    const auto stampa = [&](QAction* voce) {
        voce->trigger();
        QElapsedTimer tempo;
        for (tempo.start(); tempo.elapsed() < 120000; QTest::qWait(200))
            for (QDirIterator i(cartella, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
                 i.hasNext();)
                if (const QString f = i.next(), info = uscita("pdfinfo", {f});
                    !visti.contains(f) && info != Fallito && uscita("lpstat", {"-o"}).isEmpty()) {
                    visti << f;
                    return info.contains(QRegularExpression("Pages:\\s+1\\n")) ? f : "pagine: " + f;
                }
        return QString("nessun PDF dalla coda");
    };
    auto* rapporto = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    const QString testo = uscita("pdftotext", {"-layout", stampa(rapporto->Stampa), "-"});
    for (const char* parola : {"Strato", "Potenza", "Gamma", "Coesione", "Attrito interno",
                               "Sotto falda", "Ka", "Sa1", "Si"}) // layer 2 is below the water
        EXPECT_TRUE(testo.contains(parola)) << parola << "\n" << testo.toStdString();
    const QString sv =
        stampa(a.registro().istanza(IdFinestra::Spintaro)->findChild<QAction*>("stampasv"));
    uscita("pdftoppm", {"-r", "150", "-png", "-singlefile", sv, "sv"});
    EXPECT_GT(conta(QImage("sv.png"), rossastro), 200) << sv.toStdString();
    EXPECT_TRUE(a.messaggi.eventi().isEmpty()) << a.messaggi.eventi().join(" | ").toStdString();
}

// --- The calculation report (its PDF read back page by page: test_relazione_pdf.cpp). The core
// measures texts without fonts: its measure never falls short of the font drawn (the project
// named with Greek letters, accents and symbols), or texts would overlap.
TEST(RelazionePdf, LaMisuraDelNucleoNonStaSottoAlCarattere) {
    QBuffer nulla;
    nulla.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&nulla);
    pdf.setResolution(RisoluzioneRelazione);
    for (const Modulo1& lavoro : {DueStrati, cinquantaStrati()}) {
        const DocumentoRelazione d = ComponiRelazione(
            lavoro,
            {"prova \xCE\xB3\xCF\x83\xCF\x86\xCF\x80 "
             "\xC3\xA0\xC3\xA8\xC3\xA9\xC3\xAC\xC3\xB2\xC3\xB9"
             "\xC2\xB0\xC2\xB2\xC2\xB3\xC3\x97\xE2\x80\x94\xE2\x80\xA6\xE2\x88\x92\xE2\x88\x9A.spt",
             "01/02/2026 10:30", "Spintaro 1.1.0", ","});
        for (const PaginaRelazione& pagina : d.pagine)
            for (const TestoPagina* t : testi(pagina))
                EXPECT_LE(QFontMetricsF(carattereRelazione(t->carattere), &pdf)
                                  .horizontalAdvance(QString::fromStdString(t->testo)) *
                              72.0 / RisoluzioneRelazione,
                          larghezzaTesto(t->testo, t->carattere) + 1e-6)
                    << t->testo;
    }
}

// The File menu command on the bundled example, with the design parameters, the load and the
// heading that the windows save (IntestazioneParametriCarichi… in test_calcolo.cpp) beside it: the
// project's name proposed, ".pdf" added unless there in any case, the PDF opened on "Sì" only, a
// failing write (a folder has the name) said why, a cancelled dialog doing nothing. The batch
// calculator's text from the same files is the same but for the date: the job's parameters, loads
// and heading reach the report as the calculator's do (test_relazione_pdf.cpp).
TEST(Comando, ScriveApreNonRiesceAnnullaComeIlCalcolatore) {
    InCartella a;
    const QString esempio = a.sottocartella("progetto") + "/due_strati.spt";
    ASSERT_TRUE(QFile::copy(SPINTARO_EXAMPLES "/due_strati.spt", esempio));
    scriviFile(a.file("progetto/due_strati.parametri"),
               "# Spintaro: sovraccarico, parametri di calcolo e intestazione del lavoro\r\n"
               "sovraccarico = 10\r\nteoria = coulomb\r\ndelta-phi = 2/3\r\nbeta = 10\r\n"
               "carico = striscia:q=20,a=2,b=3\r\n"
               "committente = Comune di Prova\r\nopera = Muro di via Roma\r\n");
    ASSERT_TRUE(apriProgetto(a.app.servizi(), esempio));
    ASSERT_TRUE(QDir().mkdir("cartella.pdf"));
    for (const auto& [nome, risposta] :
         {std::pair("rel", Risposta::Si), std::pair("due.PDF", Risposta::No),
          std::pair("cartella.pdf", Risposta::Si)}) {
        a.desktop.rispondi(a.file(nome));
        a.messaggi.setNextAnswer(risposta);
        a.finestra->relazione->trigger();
    }
    a.finestra->relazione->trigger();
    EXPECT_EQ(a.desktop.proposti().value(0), QDir::current().filePath("due_strati.pdf"));
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList({"due.PDF", "rel.pdf"}));
    const QString t = a.messaggi.testi().join('|');
    EXPECT_TRUE(t.count("La relazione di calcolo è stata salvata nel file «") == 2 &&
                t.endsWith("Impossibile scrivere la relazione di calcolo «" +
                           a.file("cartella.pdf") +
                           "»:\r\nesiste già una cartella con questo nome.") &&
                a.messaggi.messaggi().at(0).pulsanti == Pulsanti::SiNo)
        << t.toStdString();
    EXPECT_EQ(a.desktop.aperti(), QStringList{a.file("rel.pdf")});

    STRUMENTO(pdftotext, "pdftotext");
    ASSERT_NE(uscita(SPINTARO_CALCOLA, {"--relazione", "calc.pdf", esempio}), Fallito);
    auto testo = [&](const QString& file) {
        QStringList righe = uscita(pdftotext, {"-layout", file, "-"}).split('\n');
        righe.removeIf([](const QString& r) { return r.contains("Data e ora:"); });
        return righe;
    };
    const QStringList finestra = testo("rel.pdf");
    const QString tutto = finestra.join('\n');
    EXPECT_TRUE(finestra.size() > 60 && tutto.contains("Progetto: due_strati.spt") &&
                tutto.contains("Committente: Comune di Prova") &&
                tutto.contains("5.1 Carichi sul terrapieno"))
        << tutto.toStdString();
    EXPECT_EQ(finestra, testo("calc.pdf"));
}

// --- The Sa diagram as a vector image, rendered: red near every red pixel of the screen's image,
// and no red far from the screen's (antialiased: pure red on white blends towards pink).
struct CasoVettoriale {
    std::string nome; // of the file: sa.svg, sa.pdf
    const char* strumento;
    QStringList argomenti; // the picture as the PNG "sa.png", from the file
};
const CasoVettoriale Vettoriali[] = {
    {"svg", "rsvg-convert", {"-f", "png", "-o", "sa.png", "sa.svg"}},
    {"pdf", "pdftoppm", {"-png", "-r", "96", "-singlefile", "sa.pdf", "sa"}},
};
class Vettoriale : public ::testing::TestWithParam<CasoVettoriale> {
protected:
    InCartella a;
};

// The red pixels of a with no red within two pixels in b.
int lontani(const QImage& a, const QImage& b) {
    int n = 0;
    for (int i = 0; i < a.width() * a.height(); ++i) {
        const int x = i % a.width(), y = i / a.width();
        n += rossastro(a.pixel(x, y)) && conta(b.copy(x - 2, y - 2, 5, 5), rossastro) == 0 ? 1 : 0;
    }
    return n;
}

TEST_P(Vettoriale, LeStesseLineeDelloSchermo) {
    const CasoVettoriale& c = GetParam();
    STRUMENTO(strumento, c.strumento);
    a.m() = DueStrati;
    const QString file = QString::fromStdString("sa." + c.nome);
    ASSERT_TRUE(salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sa, file).ok);
    ASSERT_NE(uscita(strumento, c.argomenti), Fallito);
    const QImage disegno = QImage("sa.png").convertToFormat(QImage::Format_RGB32);
    const QImage schermo = qobject_cast<FinestraDiagramma*>(a.registro().istanza(IdFinestra::Sa))
                               ->immagine()
                               .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(disegno.size(), schermo.size()); // 687 × 423, the window's client size
    for (const auto& [da, in] : {std::pair(schermo, disegno), std::pair(disegno, schermo)})
        EXPECT_TRUE(conta(da, rossastro) > 400 && lontani(da, in) <= conta(da, rossastro) / 50)
            << lontani(da, in) << " / " << conta(da, rossastro);
}
INSTANTIATE_TEST_SUITE_P(Tabella, Vettoriale, ::testing::ValuesIn(Vettoriali), NomeCaso());

} // namespace
} // namespace spintaro
