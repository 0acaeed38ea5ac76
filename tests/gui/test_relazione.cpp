// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report as a PDF read back with poppler's tools, the fonts against the core's
// width measure, the File menu command of the program against the batch calculator, and the
// diagrams written as vector images.

#include "ambiente_prova.h"
#include "diagrams/finestra_diagramma.h"
#include "diagrams/salva_immagine.h"
#include "files/apri_window.h"
#include "model/calcolo.h"
#include "platform/pittore_relazione.h"
#include "platform/tela.h"
#include "report/misure_testo.h"
#include "report/relazione.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMenu>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

namespace spintaro {
namespace {

using namespace prova;
using prova::PrintTo;

const QString esempio = QStringLiteral(SPINTARO_EXAMPLES "/due_strati.spt");

// A tool of poppler-utils or librsvg2-bin; under CI a missing one fails the test.
#define STRUMENTO(variabile, nome)                                                                 \
    const QString variabile = QStandardPaths::findExecutable(nome);                                \
    if (variabile.isEmpty()) {                                                                     \
        if (qEnvironmentVariableIsSet("CI"))                                                       \
            FAIL() << nome << " non installato";                                                   \
        GTEST_SKIP() << nome << " non installato: controllo saltato";                              \
    }

QString esegui(const QString& programma, const QStringList& argomenti, int* codice = nullptr) {
    QProcess p;
    p.start(programma, argomenti);
    p.waitForFinished(60000);
    if (codice != nullptr)
        *codice = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

// 10 kPa; 2 m of dry sand (γ 18, φ 30°) over 3 m of submerged cohesive soil (γ 20, c 5, φ 25°).
Modulo1 dueStrati() {
    Modulo1 m;
    m.Strati(0).Sv = 10;
    m.Strati(1) = Strato{2, 18, 0, 30, 0, 0, 0, 0, 0};
    m.Strati(2) = Strato{3, 20, 5, 25, 0, 0, 0, 0, 1};
    m.NumStrati = 2;
    CalcolaStrati(m, 2);
    return m;
}

// 50 layers: 1 m of dry sand and 0.5 m of submerged cohesive soil in turn, under 10 kPa.
Modulo1 cinquantaStrati() {
    Modulo1 m;
    m.Strati(0).Sv = 10;
    for (int i = 1; i <= 50; ++i)
        m.Strati(i) =
            i % 2 ? Strato{1, 18, 0, 30, 0, 0, 0, 0, 0} : Strato{0.5, 20, 5, 25, 0, 0, 0, 0, 1};
    m.NumStrati = 50;
    CalcolaStrati(m, 50);
    return m;
}

std::vector<const TestoPagina*> testi(const PaginaRelazione& p) {
    std::vector<const TestoPagina*> t;
    for (const PassoPagina& s : p.passi)
        if (const auto* x = std::get_if<TestoPagina>(&s))
            t.push_back(x);
    return t;
}

struct CasoPdf {
    std::string nome;
    Modulo1 (*lavoro)();
    std::string decimale;
    std::vector<QString> numeri; // checked by hand: they must stand in the text
};

// Two layers: Ka 0.332925, 0.405344; σv 46, 106; σa 3.329, 15.315, 18.646, 60.806; u 0, 30;
// thrust 137.822, water 45, moment 217.727, arm 1.580. Fifty layers: σv at the base of layer 50
// is 10 + 25·18 + 25·0.5·20 = 710; each submerged layer is a run of its own, so u at its base is
// 10·0.5 = 5.
const CasoPdf CasiPdf[] = {
    {"DueStratiVirgola",
     dueStrati,
     ",",
     {"0,3329", "0,4053", "46,000", "106,000", "3,329", "15,315", "18,646", "60,806", "30,000",
      "137,822", "45,000", "217,727", "1,580", "15,315 / 18,646"}},
    {"DueStratiPunto", dueStrati, ".", {"0.3329", "106.000", "60.806", "137.822", "217.727"}},
    {"CinquantaStrati", cinquantaStrati, ",", {"710,000", "5,000"}},
};

class RelazionePdf : public ::testing::TestWithParam<CasoPdf> {};

// The PDF holds every text of its pages, on A4, with the page count of the layout.
TEST_P(RelazionePdf, PdftotextLeggeOgniTestoSuPagineA4) {
    STRUMENTO(pdftotext, "pdftotext");
    STRUMENTO(pdfinfo, "pdfinfo");
    const CasoPdf& c = GetParam();
    const DocumentoRelazione d = ComponiRelazione(
        c.lavoro(), {"prova.spt", "01/02/2026 10:30", "Spintaro 1.1.0", c.decimale});
    QTemporaryDir cartella;
    const QString file = cartella.filePath("r.pdf");
    ASSERT_TRUE(scriviRelazione(file, d).ok);

    const QString info = esegui(pdfinfo, {file});
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(d.pagine.size()))))
        << info.toStdString();
    EXPECT_TRUE(info.contains("595 x 842 pts (A4)")) << info.toStdString();
    const QString tutto = esegui(pdftotext, {"-layout", file, "-"});
    for (const QString& n : c.numeri)
        EXPECT_TRUE(tutto.contains(n)) << n.toStdString();
    EXPECT_FALSE(tutto.contains(c.decimale == "," ? "137.822" : "137,822"));
    // Page by page, every table cell and every label, in the order of the page's steps.
    for (std::size_t i = 0; i < d.pagine.size(); ++i) {
        const QString n = QString::number(i + 1);
        QString pagina = esegui(pdftotext, {"-f", n, "-l", n, file, "-"});
        pagina.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
        for (const TestoPagina* t : testi(d.pagine[i]))
            EXPECT_TRUE(pagina.contains(QString::fromStdString(t->testo)))
                << "pagina " << i + 1 << ": " << t->testo;
    }
}

// The core measures texts without fonts: its measure must never fall short of the width of the
// font the painter draws with, or a text could run into its neighbour.
TEST_P(RelazionePdf, LaMisuraDelNucleoNonSottostimaICaratteri) {
    const DocumentoRelazione d = ComponiRelazione(
        GetParam().lavoro(),
        {"prova \xCE\xB3\xCF\x83\xCF\x86\xCF\x80 \xC3\xA0\xC3\xA8\xC3\xA9\xC3\xAC\xC3\xB2\xC3\xB9"
         "\xC2\xB0\xC2\xB2\xC2\xB3\xC3\x97\xE2\x80\x94\xE2\x80\xA6\xE2\x88\x92\xE2\x88\x9A.spt",
         "01/02/2026 10:30", "Spintaro 1.1.0", GetParam().decimale});
    QBuffer nulla;
    nulla.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&nulla);
    pdf.setResolution(RisoluzioneRelazione);
    int misurati = 0;
    for (const PaginaRelazione& p : d.pagine)
        for (const TestoPagina* t : testi(p)) {
            const QFontMetricsF m(carattereRelazione(t->carattere), &pdf);
            const double punti =
                m.horizontalAdvance(QString::fromStdString(t->testo)) * 72.0 / RisoluzioneRelazione;
            EXPECT_LE(punti, larghezzaTesto(t->testo, t->carattere) + 1e-6) << t->testo;
            ++misurati;
        }
    EXPECT_GT(misurati, 50);
}

INSTANTIATE_TEST_SUITE_P(Tabella, RelazionePdf, ::testing::ValuesIn(CasiPdf), NomeCaso());

// --- The File menu command --------------------------------------------------------------------

class Comando : public ::testing::Test {
protected:
    void SetUp() override {
        QDir::setCurrent(cartella.path());
        ASSERT_NE(a.avvia(), nullptr);
        a.m().Strati(0).Sv = 10;
        ASSERT_TRUE(apriProgetto(a.app.servizi(), esempio));
    }
    void TearDown() override { QDir::setCurrent(precedente); }
    QString percorso(const QString& nome) const { return cartella.filePath(nome); }

    QString precedente = QDir::currentPath();
    QTemporaryDir cartella;
    AmbienteProva a{Separatori{".", ","}};
};

// The item sits in the File menu right after "S&tampa" (the whole menu bar is checked with the
// main window's layout); the name gets ".pdf", the PDF is written, the question offers to open it.
TEST_F(Comando, ScriveIlPdfEOffreDiAprirlo) {
    const QList<QAction*> voci = a.finestra->File->actions();
    ASSERT_EQ(voci.indexOf(a.finestra->relazione), voci.indexOf(a.finestra->stampa) + 1);

    a.desktop.rispondi(percorso("rel"));
    a.messaggi.setNextAnswer(Risposta::Ok);
    a.finestra->relazione->trigger();
    EXPECT_EQ(a.desktop.proposti(), QStringList{QDir::current().filePath("due_strati.pdf")});
    QFile f(percorso("rel.pdf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
    ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
    EXPECT_TRUE(a.messaggi.messaggi()[0].testo.startsWith(
        "La relazione di calcolo è stata salvata nel file «"));
    EXPECT_EQ(a.messaggi.messaggi()[0].pulsanti, Pulsanti::OkAnnulla);
    EXPECT_EQ(a.desktop.aperti(), QStringList{percorso("rel.pdf")});

    // Annulla opens nothing; a cancelled dialog writes nothing and says nothing.
    a.desktop.rispondi(percorso("due.PDF"));
    a.messaggi.setNextAnswer(Risposta::Annulla);
    a.finestra->relazione->trigger();
    EXPECT_TRUE(QFileInfo::exists(percorso("due.PDF")));
    a.finestra->relazione->trigger();
    EXPECT_EQ(a.messaggi.messaggi().size(), 2u);
    EXPECT_EQ(a.desktop.aperti().size(), 1);
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files), QStringList({"due.PDF", "rel.pdf"}));
}

// The batch calculator writes the same document for the same job: the same text apart from the
// line of the date.
TEST_F(Comando, LoStessoTestoDelCalcolatore) {
    STRUMENTO(pdftotext, "pdftotext");
    a.desktop.rispondi(percorso("finestra.pdf"));
    a.messaggi.setNextAnswer(Risposta::Annulla);
    a.finestra->relazione->trigger();
    int codice = -1;
    esegui(QStringLiteral(SPINTARO_CALCOLA),
           {"--sovraccarico", "10", "--relazione", percorso("calcolatore.pdf"), esempio}, &codice);
    ASSERT_EQ(codice, 0);
    auto testo = [&](const QString& file) {
        QStringList righe = esegui(pdftotext, {"-layout", file, "-"}).split('\n');
        righe.removeIf([](const QString& r) { return r.contains("Data e ora:"); });
        return righe;
    };
    const QStringList finestra = testo(percorso("finestra.pdf"));
    EXPECT_GT(finestra.size(), 60);
    EXPECT_TRUE(finestra.join('\n').contains("Progetto: due_strati.spt"));
    EXPECT_EQ(finestra, testo(percorso("calcolatore.pdf")));
}

// A write that fails (a folder under the name, a missing folder, a file larger than the process
// may write) names the file and says why; whatever stood there is intact.
TEST_F(Comando, ScritturaNonRiuscitaLasciaIlVecchioFile) {
    ASSERT_TRUE(QDir(cartella.path()).mkdir("cartella.pdf"));
    {
        QFile vecchio(percorso("vecchio.pdf"));
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly) && vecchio.write("vecchio") == 7);
    }
    const struct {
        QString nome;
        const char* motivo;
        bool limite; // the process may write files of 1,000 bytes at most
    } casi[] = {{"cartella.pdf", "cartella", false},
                {"manca/rel.pdf", "la cartella non esiste", false},
                {"vecchio.pdf", "il file supera la dimensione massima consentita", true}};
    for (const auto& c : casi) {
        a.messaggi.azzera();
        a.desktop.rispondi(percorso(c.nome));
        rlimit prima{};
        getrlimit(RLIMIT_FSIZE, &prima);
        const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
        if (c.limite) {
            rlimit poco = prima;
            poco.rlim_cur = 1000;
            setrlimit(RLIMIT_FSIZE, &poco);
        }
        a.finestra->relazione->trigger();
        setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, segnale);
        ASSERT_EQ(a.messaggi.messaggi().size(), 1u) << c.motivo;
        const QString t = a.messaggi.messaggi()[0].testo;
        EXPECT_TRUE(t.startsWith("Impossibile scrivere la relazione di calcolo «") &&
                    t.contains(QFileInfo(c.nome).fileName()) && t.contains(c.motivo))
            << t.toStdString();
    }
    QFile vecchio(percorso("vecchio.pdf"));
    ASSERT_TRUE(vecchio.open(QIODevice::ReadOnly));
    EXPECT_EQ(vecchio.readAll(), "vecchio");
    EXPECT_TRUE(QFileInfo(percorso("cartella.pdf")).isDir());
    EXPECT_TRUE(a.desktop.aperti().isEmpty());
}

// --- Vector images: the same lines as the screen ----------------------------------------------

bool rosso(QRgb c) {
    return (c & 0xFFFFFF) == 0xFF0000u;
}
// A red drawn with antialiasing: a pure red line on white blends towards pink at its edges.
bool rossastro(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 170 && qBlue(c) < 170;
}
bool vicino(const QImage& img, int x, int y, bool (*scelta)(QRgb)) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (img.valid(x + dx, y + dy) && scelta(img.pixel(x + dx, y + dy)))
                return true;
    return false;
}

struct CasoVettoriale {
    std::string nome;
    QString file;
    const char* strumento;
    QStringList argomenti; // the picture as a PNG in "png", from the file
};

const CasoVettoriale Vettoriali[] = {
    {"Svg", "sa.svg", "rsvg-convert", {"-f", "png", "-o", "png", "sa.svg"}},
    {"Pdf", "sa.pdf", "pdftoppm", {"-png", "-r", "96", "-singlefile", "sa.pdf", "png"}},
};

class Vettoriale : public ::testing::TestWithParam<CasoVettoriale> {};

// The Sa diagram of the two-layer example: every red pixel of the screen image has red near it
// in the rendered vector image, and the vector image has no red far from the screen's.
TEST_P(Vettoriale, LeStesseLineeDelloSchermo) {
    const CasoVettoriale& c = GetParam();
    STRUMENTO(strumento, c.strumento);
    QTemporaryDir cartella;
    const QString precedente = QDir::currentPath();
    QDir::setCurrent(cartella.path());
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    a.m() = dueStrati();
    ASSERT_TRUE(salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sa, c.file).ok);
    int codice = -1;
    esegui(strumento, c.argomenti, &codice);
    const QImage disegno =
        QImage(c.nome == "Svg" ? "png" : "png.png").convertToFormat(QImage::Format_RGB32);
    const QImage schermo = qobject_cast<FinestraDiagramma*>(a.registro().istanza(IdFinestra::Sa))
                               ->immagine()
                               .convertToFormat(QImage::Format_RGB32);
    QDir::setCurrent(precedente);
    ASSERT_EQ(codice, 0);
    EXPECT_EQ(disegno.size(), schermo.size()); // 687 × 423, the window's client size
    int rossiSchermo = 0, trovati = 0, rossiDisegno = 0, spuri = 0;
    for (int y = 0; y < schermo.height(); ++y)
        for (int x = 0; x < schermo.width(); ++x) {
            if (rosso(schermo.pixel(x, y))) {
                ++rossiSchermo;
                trovati += vicino(disegno, x, y, rossastro) ? 1 : 0;
            }
            if (disegno.valid(x, y) && rossastro(disegno.pixel(x, y))) {
                ++rossiDisegno;
                spuri += vicino(schermo, x, y, rosso) ? 0 : 1;
            }
        }
    EXPECT_GT(rossiSchermo, 400);
    EXPECT_GE(trovati, rossiSchermo * 98 / 100) << trovati << " / " << rossiSchermo;
    EXPECT_LE(spuri, rossiDisegno / 50) << spuri << " / " << rossiDisegno;
}

INSTANTIATE_TEST_SUITE_P(Tabella, Vettoriale, ::testing::ValuesIn(Vettoriali), NomeCaso());

} // namespace
} // namespace spintaro
