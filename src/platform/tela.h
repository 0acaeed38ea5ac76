// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagrams/geometria.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

class QPainter;

namespace spintaro {

// How a drawing is painted: the background, the foreground colour of axes, ticks and labels,
// the text font and the line width.
struct StileTela {
    QColor sfondo = Qt::white;
    QColor primoPiano = Qt::black;
    QFont carattere;
    // Line width in painter units; 0 draws cosmetic lines one device pixel wide.
    double larghezzaLinea = 0;
};

// The RGB values of the diagram colours: bright red and dark red are fixed, the foreground is
// the style's.
QColor coloreDisegno(Colore c, const StileTela& stile);

// Paints the drawing so that its user rectangle fills `area` (painter coordinates): user x1 maps
// to the left edge, x2 to the right edge, y1 to the top and y2 to the bottom, so an inverted
// rectangle mirrors the drawing. Until a usable scale is set (a rectangle of zero width or
// height, or one that is not finite) nothing is drawn. Lines are clipped to the area before they
// reach the painter, so any coordinate, however far away, is safe. The background is not
// painted.
void dipingiDisegno(QPainter& pittore, const QRectF& area, const Disegno& disegno,
                    const StileTela& stile);

// The retained canvas of a diagram window: it keeps the drawing made by the window's load step
// and paints it to fill its client area at any size, on screen, into an image, or on paper.
class Tela final : public QWidget {
    Q_OBJECT

public:
    explicit Tela(QWidget* genitore = nullptr);

    void impostaDisegno(Disegno disegno);
    const Disegno& disegno() const { return m_disegno; }

    // The size the canvas asks for before the user resizes its window.
    void impostaDimensioneIniziale(QSize dimensione);
    QSize sizeHint() const override { return m_dimensioneIniziale; }

    // The extents of "X" in the canvas font and the canvas size, in pixels.
    MisuraX misuraX() const;

    // Colours from the palette, the canvas font, cosmetic lines.
    StileTela stile() const;

    // The drawing at the canvas's current size, on its background, as the screen shows it.
    QImage immagine() const;

    // Paints the drawing on a printer or PDF painter at the canvas's on-screen size, scaled from
    // screen pixels to the device's resolution and down to the page when it would not fit.
    void stampaSu(QPainter& pittore) const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Disegno m_disegno;
    QSize m_dimensioneIniziale{100, 100};
};

} // namespace spintaro
