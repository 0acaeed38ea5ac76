// SPDX-License-Identifier: GPL-3.0-or-later
// Documentation tool: lays a Markdown document out on A4 pages as a PDF (tables, headings, code
// and lists as the Markdown of GitHub writes them), with page numbers at the foot of each page.
// It makes the PDF of the validation document beside its Markdown source.
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <cstdio>
#include <numeric>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fputs("uso: spintaro-documento-pdf SORGENTE.md DESTINAZIONE.pdf [TITOLO]\n", stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    QFile sorgente(QString::fromLocal8Bit(argv[1]));
    if (!sorgente.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "spintaro-documento-pdf: impossibile leggere %s\n", argv[1]);
        return 1;
    }
    QTextDocument documento;
    documento.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    documento.setMarkdown(QString::fromUtf8(sorgente.readAll()),
                          QTextDocument::MarkdownDialectGitHub);

    // Tables over the whole width of the text, in thin lines, in a smaller type than the body.
    for (QTextFrame* cornice : documento.rootFrame()->childFrames())
        if (auto* tabella = qobject_cast<QTextTable*>(cornice)) {
            QTextTableFormat formato = tabella->format();
            formato.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            formato.setCellPadding(2);
            formato.setCellSpacing(0);
            formato.setBorder(0.5);
            formato.setBorderBrush(Qt::gray);
            // Each column as wide as its longest text asks, from 12 up to 24 characters.
            QList<qsizetype> pesi(tabella->columns(),
                                  12); // a number of eight digits, its sign and point
            for (int r = 0; r < tabella->rows(); ++r)
                for (int c = 0; c < tabella->columns(); ++c) {
                    QTextCursor cella = tabella->cellAt(r, c).firstCursorPosition();
                    cella.setPosition(tabella->cellAt(r, c).lastCursorPosition().position(),
                                      QTextCursor::KeepAnchor);
                    pesi[c] =
                        std::max(pesi[c], std::min<qsizetype>(cella.selectedText().size(), 24));
                }
            const double somma = std::accumulate(pesi.begin(), pesi.end(), 0.0);
            QList<QTextLength> larghezze;
            for (qsizetype peso : pesi)
                larghezze << QTextLength(QTextLength::PercentageLength,
                                         100.0 * static_cast<double>(peso) / somma);
            formato.setColumnWidthConstraints(larghezze);
            tabella->setFormat(formato);
            QTextCursor tutto = tabella->firstCursorPosition();
            tutto.setPosition(tabella->lastCursorPosition().position(), QTextCursor::KeepAnchor);
            QTextCharFormat piccolo;
            piccolo.setFontPointSize(6.5);
            tutto.mergeCharFormat(piccolo);
        }

    const QString destinazione = QString::fromLocal8Bit(argv[2]);
    QPdfWriter pdf(destinazione);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setCreator(QStringLiteral("Spintaro"));
    pdf.setTitle(argc == 4 ? QString::fromUtf8(argv[3]) : QFileInfo(sorgente).completeBaseName());
    // Without a page size of its own the document takes the writer's and numbers its pages.
    documento.print(&pdf);
    if (!QFile::exists(destinazione)) {
        std::fprintf(stderr, "spintaro-documento-pdf: impossibile scrivere %s\n", argv[2]);
        return 1;
    }
    return 0;
}
