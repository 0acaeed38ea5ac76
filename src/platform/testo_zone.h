// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QFontMetricsF;
class QPainter;

namespace spintaro {

// Retained text written in print zones: a list of lines, each a list of items. Every item but
// the last of a line is followed by a move to the next zone start; zones are 14 average character
// widths of the font wide, and an item that runs past a zone boundary pushes the next item to the
// following zone. Writing starts at the top-left corner; each line is one line-spacing high.
// The widget is as large as its text, so a scroll area around it shows every line.
class TestoAZone final : public QWidget {
    Q_OBJECT

public:
    explicit TestoAZone(QWidget* genitore = nullptr);

    void aggiungiRiga(const QStringList& voci);
    void svuota();
    const QList<QStringList>& righe() const { return m_righe; }

    QSize sizeHint() const override;

    // The average character width of a font as the system reports it for text metrics: the
    // advances of the lower-case letters and the space weighted by how often they occur in
    // text, rounded to a whole pixel. (The font's own "average of all glyphs" counts capitals,
    // digits and symbols, and gives zones too wide for the report's ten columns.)
    static double larghezzaMediaCarattere(const QFontMetricsF& metriche);
    // The zone width (14 average characters) and the line height for a font, in that font's
    // pixels.
    static double larghezzaZona(const QFontMetricsF& metriche);
    static double altezzaRiga(const QFontMetricsF& metriche);
    // Where each item of the line starts, from x = 0.
    static QList<double> posizioniVoci(const QStringList& voci, const QFontMetricsF& metriche);
    // The width of the text: the end of the longest line.
    static double larghezzaTesto(const QList<QStringList>& righe, const QFontMetricsF& metriche);

    // Paints the lines with their top-left corner at origine, one below the other, in the
    // painter's current font and pen.
    static void dipingiRighe(QPainter& pittore, const QList<QStringList>& righe, QPointF origine);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QList<QStringList> m_righe;
};

} // namespace spintaro
