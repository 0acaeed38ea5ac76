// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report as a PDF read back with poppler's tools, its File menu command against
// the batch calculator, and the diagrams written as vector images.

#include "ambiente_prova.h"
#include "diagrams/finestra_diagramma.h"
#include "diagrams/salva_immagine.h"
#include "files/apri_window.h"
#include "platform/pittore_relazione.h"
#include "profili.h"
#include "report/misure_testo.h"
#include "report/relazione.h"

#include <QAction>
#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>

namespace spintaro {
namespace {

using namespace prova;
using prova::PrintTo;

// 10 kPa; 2 m of dry sand (γ 18, φ 30°) over 3 m of submerged cohesive soil (γ 20, c 5, φ 25°).
Modulo1 dueStrati() {
    return profilo(10, {strato(2, 18, 0, 30), strato(3, 20, 5, 25, 1)});
}
// 50 layers under 10 kPa: 1 m of dry sand and 0.5 m of submerged cohesive soil in turn.
Modulo1 cinquantaStrati() {
    std::vector<Strato> s(50, strato(1, 18, 0, 30));
    for (std::size_t i = 1; i < 50; i += 2)
        s[i] = strato(0.5, 20, 5, 25, 1);
    return profilo(10, s);
}

// Every text of each page of the PDF (every number of the tables and totals, with the user's
// comma) is read back on that page; A4, the layout's page count. The core measures texts without
// fonts: its measure never falls short of the font drawn (the project named with Greek letters,
// accents and symbols), or texts would overlap.
TEST(RelazionePdf, OgniTestoSullaSuaPaginaEntroLaMisuraDelNucleo) {
    STRUMENTO(pdftotext, "pdftotext");
    STRUMENTO(pdfinfo, "pdfinfo");
    for (const Modulo1& lavoro : {dueStrati(), cinquantaStrati()}) {
        const DocumentoRelazione d = ComponiRelazione(
            lavoro,
            {"prova \xCE\xB3\xCF\x83\xCF\x86\xCF\x80 "
             "\xC3\xA0\xC3\xA8\xC3\xA9\xC3\xAC\xC3\xB2\xC3\xB9"
             "\xC2\xB0\xC2\xB2\xC2\xB3\xC3\x97\xE2\x80\x94\xE2\x80\xA6\xE2\x88\x92\xE2\x88\x9A.spt",
             "01/02/2026 10:30", "Spintaro 1.1.0", ","});
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QString("%1.pdf").arg(lavoro.NumStrati));
        ASSERT_TRUE(scriviRelazione(file, d).ok);
        const QString info = uscita(pdfinfo, {file});
        EXPECT_TRUE(
            info.contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(d.pagine.size()))) &&
            info.contains("595 x 842 pts (A4)"))
            << info.toStdString();
        QBuffer nulla;
        nulla.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&nulla);
        pdf.setResolution(RisoluzioneRelazione);
        for (std::size_t i = 0; i < d.pagine.size(); ++i) {
            const QString n = QString::number(i + 1);
            const QString pagina = uscita(pdftotext, {"-f", n, "-l", n, file, "-"}).simplified();
            for (const PassoPagina& passo : d.pagine[i].passi) {
                const auto* t = std::get_if<TestoPagina>(&passo);
                if (t == nullptr)
                    continue;
                const QString testo = QString::fromStdString(t->testo);
                EXPECT_TRUE(pagina.contains(testo))
                    << lavoro.NumStrati << " strati, pagina " << i + 1 << ": " << t->testo;
                EXPECT_LE(
                    QFontMetricsF(carattereRelazione(t->carattere), &pdf).horizontalAdvance(testo) *
                        72.0 / RisoluzioneRelazione,
                    larghezzaTesto(t->testo, t->carattere) + 1e-6)
                    << t->testo;
            }
        }
    }
}

// The File menu command on the bundled example: the project's name proposed, ".pdf" added unless
// there in any case, the PDF opened on OK only, a failing write (a folder has the name) said
// why, a cancelled dialog doing nothing; the batch calculator's text the same but for the date.
TEST(Comando, ScriveApreNonRiesceAnnullaComeIlCalcolatore) {
    InCartella a;
    const QTemporaryDir& cartella = a.cartella;
    const QString esempio = SPINTARO_EXAMPLES "/due_strati.spt";
    a.m().Strati(0).Sv = 10;
    ASSERT_TRUE(apriProgetto(a.app.servizi(), esempio));
    ASSERT_TRUE(QDir().mkdir("cartella.pdf"));
    for (const auto& [nome, risposta] :
         {std::pair("rel", Risposta::Ok), std::pair("due.PDF", Risposta::Annulla),
          std::pair("cartella.pdf", Risposta::Ok)}) {
        a.desktop.rispondi(cartella.filePath(nome));
        a.messaggi.setNextAnswer(risposta);
        a.finestra->relazione->trigger();
    }
    a.finestra->relazione->trigger();
    EXPECT_EQ(a.desktop.proposti().value(0), QDir::current().filePath("due_strati.pdf"));
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList({"due.PDF", "rel.pdf"}));
    const QString t = a.messaggi.testi().join('|');
    EXPECT_TRUE(t.count("La relazione di calcolo è stata salvata nel file «") == 2 &&
                t.endsWith("Impossibile scrivere la relazione di calcolo «" +
                           cartella.filePath("cartella.pdf") +
                           "»:\r\nesiste già una cartella con questo nome.") &&
                a.messaggi.messaggi().at(0).pulsanti == Pulsanti::OkAnnulla)
        << t.toStdString();
    EXPECT_EQ(a.desktop.aperti(), QStringList{cartella.filePath("rel.pdf")});

    STRUMENTO(pdftotext, "pdftotext");
    ASSERT_NE(
        uscita(SPINTARO_CALCOLA, {"--sovraccarico", "10", "--relazione", "calc.pdf", esempio}),
        Fallito);
    auto testo = [&](const QString& file) {
        QStringList righe = uscita(pdftotext, {"-layout", file, "-"}).split('\n');
        righe.removeIf([](const QString& r) { return r.contains("Data e ora:"); });
        return righe;
    };
    const QStringList finestra = testo("rel.pdf");
    EXPECT_TRUE(finestra.size() > 60 && finestra.join('\n').contains("Progetto: due_strati.spt"));
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

bool rosso(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 170 && qBlue(c) < 170;
}
// The red pixels of a with no red within two pixels in b.
int lontani(const QImage& a, const QImage& b) {
    int n = 0;
    for (int i = 0; i < a.width() * a.height(); ++i) {
        const int x = i % a.width(), y = i / a.width();
        n += rosso(a.pixel(x, y)) && conta(b.copy(x - 2, y - 2, 5, 5), rosso) == 0 ? 1 : 0;
    }
    return n;
}

TEST_P(Vettoriale, LeStesseLineeDelloSchermo) {
    const CasoVettoriale& c = GetParam();
    STRUMENTO(strumento, c.strumento);
    a.m() = dueStrati();
    const QString file = QString::fromStdString("sa." + c.nome);
    ASSERT_TRUE(salvaImmagineDiagramma(a.app.servizi(), IdFinestra::Sa, file).ok);
    ASSERT_NE(uscita(strumento, c.argomenti), Fallito);
    const QImage disegno = QImage("sa.png").convertToFormat(QImage::Format_RGB32);
    const QImage schermo = qobject_cast<FinestraDiagramma*>(a.registro().istanza(IdFinestra::Sa))
                               ->immagine()
                               .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(disegno.size(), schermo.size()); // 687 × 423, the window's client size
    for (const auto& [da, in] : {std::pair(schermo, disegno), std::pair(disegno, schermo)})
        EXPECT_TRUE(conta(da, rosso) > 400 && lontani(da, in) <= conta(da, rosso) / 50)
            << lontani(da, in) << " / " << conta(da, rosso);
}
INSTANTIATE_TEST_SUITE_P(Tabella, Vettoriale, ::testing::ValuesIn(Vettoriali), NomeCaso());

} // namespace
} // namespace spintaro
