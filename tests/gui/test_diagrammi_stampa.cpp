// Printing the diagrams and the report through the real print service: with no printer the page
// can go to a PDF file instead; the report prints every layer, on as many pages as it takes; and,
// where a CUPS server with a PDF queue is the default printer, a print command produces one page
// whose text or colours are the window's.

#include "ambiente_prova.h"
#include "app/applicazione.h"
#include "diagrammi_prova.h"
#include "diagrams/stampa1_window.h"
#include "platform/fonte_separatori.h"
#include "platform/registro_finestre.h"
#include "platform/servizio_messaggi.h"
#include "platform/servizio_stampa.h"
#include "ui/main/spintaro_window.h"

#include <QAction>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::CartellaDiLavoro;
using prova::leggiTutto;
using prova::PrintTo;

// The program with the real print service; the default printer comes from fonte.
struct AmbienteStampa {
    explicit AmbienteStampa(StampaPredefinita::FontePredefinita fonte) : stampa(messaggi, fonte) {}

    SpintaroWindow* avvia() { return app.avvia(); }
    Modulo1& m() { return app.modulo(); }
    RegistroFinestre& registro() { return app.finestre(); }

    MessaggiRegistrati messaggi;
    SeparatoriFissi separatori{Separatori{".", ","}};
    StampaPredefinita stampa;
    Applicazione app{messaggi, separatori, stampa, [] {
                     }};
};

QPrinterInfo nessunaStampante() {
    return {};
}

int pagine(const QByteArray& pdf) {
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(pagina));
}

// Runs a tool and returns its standard output; empty when it cannot run.
QString esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

void cinquantaStrati(Modulo1& m) {
    for (int i = 1; i <= 50; ++i)
        m.Strati(i) = Strato{1, 18, 0, 30, 0.33, 1000.0 + i, 1.0, 2.0, 0};
    m.NumStrati = 50;
}

// --- No printer ------------------------------------------------------------------------------

struct CasoSenzaStampante {
    std::string nome;
    const char* voce; // the main window's item, or empty for the report's own "&Stampa"
    IdFinestra id;
    const char* pdf;
};

const CasoSenzaStampante SenzaStampante[] = {
    {"StampaSv", "stampasv", IdFinestra::Sv, "Sv.pdf"},
    {"StampaSa", "stampasa", IdFinestra::Sa, "Sa.pdf"},
    {"Rapporto", "", IdFinestra::stampa1, "stampa1.pdf"},
};

class StampaSenzaStampante : public ::testing::TestWithParam<CasoSenzaStampante> {
protected:
    void SetUp() override {
        ASSERT_TRUE(cartella.valida());
        ASSERT_NE(a.avvia(), nullptr);
        prova::esempioDueStrati(a.m());
    }
    void stampa() {
        const CasoSenzaStampante& c = GetParam();
        if (*c.voce != '\0') {
            a.app.finestre().istanza(IdFinestra::Spintaro)->findChild<QAction*>(c.voce)->trigger();
        } else {
            auto* r = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
            ASSERT_NE(r, nullptr);
            r->Stampa->trigger();
        }
    }
    AmbienteStampa a{&nessunaStampante};
    CartellaDiLavoro cartella;
};

TEST_P(StampaSenzaStampante, AnnullaNonScriveNulla) {
    const CasoSenzaStampante& c = GetParam();
    a.messaggi.setNextAnswer(Risposta::Annulla);
    stampa();
    ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
    const auto& domanda = a.messaggi.messaggi()[0];
    EXPECT_EQ(domanda.pulsanti, Pulsanti::OkAnnulla);
    EXPECT_TRUE(domanda.testo.contains("Nessuna stampante")) << domanda.testo.toStdString();
    EXPECT_TRUE(domanda.testo.contains(c.pdf)) << domanda.testo.toStdString();
    EXPECT_FALSE(QFileInfo::exists(cartella.percorso(c.pdf)));
}

TEST_P(StampaSenzaStampante, OkScriveLaPaginaInPdf) {
    const CasoSenzaStampante& c = GetParam();
    a.messaggi.setNextAnswer(Risposta::Ok);
    stampa();
    const QByteArray pdf = leggiTutto(cartella.percorso(c.pdf));
    ASSERT_TRUE(pdf.startsWith("%PDF-")) << "a PDF in the working directory";
    EXPECT_EQ(pagine(pdf), 1);
    ASSERT_EQ(a.messaggi.messaggi().size(), 2u);
    EXPECT_TRUE(
        a.messaggi.messaggi()[1].testo.contains(QDir::toNativeSeparators(cartella.percorso(c.pdf))))
        << "the user is told where the page went";
    if (c.id != IdFinestra::stampa1) {
        EXPECT_FALSE(a.registro().istanza(c.id)->isVisible()) << "printing does not show it";
    }
}

INSTANTIATE_TEST_SUITE_P(Tabella, StampaSenzaStampante, ::testing::ValuesIn(SenzaStampante),
                         prova::NomeCaso());

TEST(StampaPdf, UnaCartellaConQuelNomeNonVieneToccata) {
    AmbienteStampa a(&nessunaStampante);
    CartellaDiLavoro cartella;
    ASSERT_NE(a.avvia(), nullptr);
    ASSERT_TRUE(QDir(cartella.percorso(".")).mkdir("Sv.pdf"));
    a.messaggi.setNextAnswer(Risposta::Ok);
    EXPECT_FALSE(a.registro().stampa(IdFinestra::Sv));
    ASSERT_EQ(a.messaggi.messaggi().size(), 2u);
    const QString testo = a.messaggi.messaggi()[1].testo;
    EXPECT_TRUE(testo.startsWith("Impossibile scrivere il file PDF")) << testo.toStdString();
    EXPECT_TRUE(testo.contains("Sv.pdf"));
    EXPECT_TRUE(QFileInfo(cartella.percorso("Sv.pdf")).isDir());
}

// The report prints every layer, not only those the window shows: each layer's line is on
// paper.
TEST(StampaPdf, IlRapportoStampaTuttiGliStrati) {
    AmbienteStampa a(&nessunaStampante);
    CartellaDiLavoro cartella;
    ASSERT_NE(a.avvia(), nullptr);
    cinquantaStrati(a.m());
    a.messaggi.setNextAnswer(Risposta::Ok);
    ASSERT_TRUE(a.registro().stampa(IdFinestra::stampa1));
    const QByteArray pdf = leggiTutto(cartella.percorso("stampa1.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pagine(pdf), 1) << "51 lines fit an A4 page";
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) non installato: testo del PDF non verificato";
    const QString testo = esegui(pdftotext, {cartella.percorso("stampa1.pdf"), "-"});
    ASSERT_FALSE(testo.isEmpty());
    for (int i = 1; i <= 50; ++i)
        EXPECT_TRUE(testo.contains(QStringLiteral("%1.").arg(1000 + i))) << "layer " << i;
}

// On a page shorter than the table the report goes on over more pages, each with the header.
TEST(StampaPdf, SuPagineCortePiuPagineConLIntestazione) {
    AmbienteStampa a(&nessunaStampante);
    CartellaDiLavoro cartella;
    ASSERT_NE(a.avvia(), nullptr);
    cinquantaStrati(a.m());
    auto* r = qobject_cast<Stampa1Window*>(a.registro().carica(IdFinestra::stampa1));
    ASSERT_NE(r, nullptr);
    const QString percorso = cartella.percorso("corta.pdf");
    {
        QPdfWriter pdf(percorso);
        // As wide as A4 but 60 mm high: about 17 lines of 13 px at the screen's size.
        pdf.setPageSize(QPageSize(QSizeF(210, 60), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        QPainter pittore(&pdf);
        r->stampaSu(pittore, pdf);
    }
    const QByteArray byte = leggiTutto(percorso);
    EXPECT_GE(pagine(byte), 2);
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) non installato: testo del PDF non verificato";
    const QString testo = esegui(pdftotext, {percorso, "-"});
    for (int i = 1; i <= 50; ++i)
        EXPECT_TRUE(testo.contains(QStringLiteral("%1.").arg(1000 + i))) << "layer " << i;
    EXPECT_EQ(testo.count("Sotto falda"), pagine(byte)) << "each page starts with the header";
}

TEST(StampaPdf, IlRapportoCortoStaInUnaPagina) {
    AmbienteStampa a(&nessunaStampante);
    CartellaDiLavoro cartella;
    ASSERT_NE(a.avvia(), nullptr);
    prova::esempioDueStrati(a.m());
    a.messaggi.setNextAnswer(Risposta::Ok);
    ASSERT_TRUE(a.registro().stampa(IdFinestra::stampa1));
    EXPECT_EQ(pagine(leggiTutto(cartella.percorso("stampa1.pdf"))), 1);
}

// --- A real printer: CUPS with a PDF queue ---------------------------------------------------
//
// tests/gui/cups_pdf.sh starts cupsd with a cups-pdf queue as the default printer and runs these
// cases with SPINTARO_CUPS_PDF naming the folder where the queue writes its PDF files.

class StampanteCups : public ::testing::Test {
protected:
    void SetUp() override {
        cartella = qEnvironmentVariable("SPINTARO_CUPS_PDF");
        if (cartella.isEmpty())
            GTEST_SKIP() << "SPINTARO_CUPS_PDF non impostata: stampa su CUPS non provata "
                            "(tests/gui/cups_pdf.sh avvia CUPS con una coda PDF)";
        if (QPrinterInfo::defaultPrinter().isNull())
            GTEST_SKIP() << "nessuna stampante predefinita: CUPS non è in esecuzione";
        for (const char* t : {"pdftotext", "pdfinfo", "pdftoppm", "lpstat"})
            if (QStandardPaths::findExecutable(t).isEmpty())
                GTEST_SKIP() << t << " non installato";
        ASSERT_NE(a.avvia(), nullptr);
        prova::esempioDueStrati(a.m());
        prima = pdfPresenti();
    }

    QStringList pdfPresenti() const {
        QStringList pdf;
        QDirIterator it(cartella, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            pdf.append(it.next());
        return pdf;
    }

    // Waits for the queue to empty and the new PDF to appear; empty after two minutes.
    QString attendiPdf() const {
        QElapsedTimer tempo;
        tempo.start();
        while (tempo.elapsed() < 120000) {
            QTest::qWait(200);
            if (!esegui("lpstat", {"-o"}).trimmed().isEmpty())
                continue;
            for (const QString& f : pdfPresenti())
                if (!prima.contains(f) && !esegui("pdfinfo", {f}).isEmpty())
                    return f;
        }
        return {};
    }

    static int pagineDi(const QString& pdf) {
        static const QRegularExpression righe(QStringLiteral("Pages:\\s+(\\d+)"));
        const auto m = righe.match(esegui("pdfinfo", {pdf}));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }

    AmbienteStampa a{&QPrinterInfo::defaultPrinter};
    QString cartella;
    QStringList prima;
};

TEST_F(StampanteCups, IlRapportoEsceInUnaPaginaConLeSueParole) {
    auto* r = qobject_cast<Stampa1Window*>(a.registro().apri(IdFinestra::stampa1));
    ASSERT_NE(r, nullptr);
    r->Stampa->trigger();
    EXPECT_TRUE(a.messaggi.eventi().isEmpty()) << a.messaggi.eventi().join(" | ").toStdString();
    const QString pdf = attendiPdf();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue";
    EXPECT_EQ(pagineDi(pdf), 1);
    const QString testo = esegui("pdftotext", {"-layout", pdf, "-"});
    for (const char* parola :
         {"Strato", "Potenza", "Gamma", "Coesione", "Attrito interno", "Sotto falda", "Ka", "Sa1"})
        EXPECT_TRUE(testo.contains(parola)) << parola << "\n" << testo.toStdString();
    EXPECT_TRUE(testo.contains("Si")) << "layer 2 lies below the water table";
}

TEST_F(StampanteCups, IlDiagrammaSvEsceInUnaPaginaConIlRosso) {
    a.app.finestre().istanza(IdFinestra::Spintaro)->findChild<QAction*>("stampasv")->trigger();
    EXPECT_TRUE(a.messaggi.eventi().isEmpty()) << a.messaggi.eventi().join(" | ").toStdString();
    EXPECT_FALSE(a.registro().istanza(IdFinestra::Sv)->isVisible());
    const QString pdf = attendiPdf();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue";
    EXPECT_EQ(pagineDi(pdf), 1);
    QTemporaryDir raster;
    esegui("pdftoppm", {"-r", "150", "-png", "-singlefile", pdf, raster.filePath("pagina")});
    const QImage pagina =
        QImage(raster.filePath("pagina.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(pagina.isNull());
    int rossi = 0;
    for (int y = 0; y < pagina.height(); ++y)
        for (int x = 0; x < pagina.width(); ++x) {
            const QRgb c = pagina.pixel(x, y);
            if (qRed(c) > 200 && qGreen(c) < 90 && qBlue(c) < 90)
                ++rossi;
        }
    EXPECT_GT(rossi, 200) << "the layer lines are red on paper";
}

} // namespace
} // namespace spintaro
