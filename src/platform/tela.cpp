// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tela.h"

#include "platform/servizio_stampa.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <optional>

namespace spintaro {

namespace {

// The user rectangle mapped onto a painter area: x' = left + (x − x1)·sx, y' = top + (y − y1)·sy.
struct Mappa {
    double x1 = 0, y1 = 0, sx = 0, sy = 0;
    double sinistra = 0, alto = 0;

    QPointF punto(double x, double y) const {
        return {sinistra + (x - x1) * sx, alto + (y - y1) * sy};
    }
};

std::optional<Mappa> mappa(const Primitiva& scala, const QRectF& area) {
    const double larghezza = double(scala.bx) - double(scala.ax);
    const double altezza = double(scala.by) - double(scala.ay);
    if (!std::isfinite(larghezza) || !std::isfinite(altezza) || larghezza == 0 || altezza == 0)
        return std::nullopt;
    Mappa m;
    m.x1 = scala.ax;
    m.y1 = scala.ay;
    m.sx = area.width() / larghezza;
    m.sy = area.height() / altezza;
    m.sinistra = area.left();
    m.alto = area.top();
    if (!std::isfinite(m.sx) || !std::isfinite(m.sy) || m.sx == 0 || m.sy == 0)
        return std::nullopt;
    return m;
}

bool finito(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Cohen–Sutherland: the part of the segment a–b inside the rectangle, if any. Each crossing is
// computed from the slope, so a segment with one end at 1e30 still meets the edge where it
// should; coordinates far outside the area never reach the rasteriser.
std::optional<QLineF> ritaglia(QPointF a, QPointF b, const QRectF& r) {
    enum : int { Sinistra = 1, Destra = 2, Sopra = 4, Sotto = 8 };
    auto codice = [&r](QPointF p) {
        int c = 0;
        if (p.x() < r.left())
            c |= Sinistra;
        else if (p.x() > r.right())
            c |= Destra;
        if (p.y() < r.top())
            c |= Sopra;
        else if (p.y() > r.bottom())
            c |= Sotto;
        return c;
    };
    int ca = codice(a);
    int cb = codice(b);
    // Each pass moves one end onto an edge line; four passes per end are always enough.
    for (int passo = 0; passo < 8; ++passo) {
        if ((ca | cb) == 0)
            return QLineF(a, b);
        if ((ca & cb) != 0)
            return std::nullopt;
        // Move whichever end lies outside, a first, towards the other one.
        const bool primo = ca != 0;
        const int fuori = primo ? ca : cb;
        QPointF& p = primo ? a : b;
        const QPointF q = primo ? b : a;
        QPointF nuovo;
        if (fuori & (Sopra | Sotto)) {
            const double y = (fuori & Sopra) ? r.top() : r.bottom();
            nuovo = QPointF(q.x() + (p.x() - q.x()) / (p.y() - q.y()) * (y - q.y()), y);
        } else {
            const double x = (fuori & Sinistra) ? r.left() : r.right();
            nuovo = QPointF(x, q.y() + (p.y() - q.y()) / (p.x() - q.x()) * (x - q.x()));
        }
        if (!finito(nuovo))
            return std::nullopt;
        p = nuovo;
        (primo ? ca : cb) = codice(p);
    }
    return std::nullopt;
}

} // namespace

QColor coloreDisegno(Colore c, const StileTela& stile) {
    switch (c) {
    case Colore::Rosso:
        return QColor(RgbRosso.r, RgbRosso.g, RgbRosso.b);
    case Colore::RossoScuro:
        return QColor(RgbRossoScuro.r, RgbRossoScuro.g, RgbRossoScuro.b);
    case Colore::PrimoPiano:
        break;
    }
    return stile.primoPiano;
}

void dipingiDisegno(QPainter& pittore, const QRectF& area, const Disegno& disegno,
                    const StileTela& stile) {
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing, false);
    pittore.setFont(stile.carattere);
    // Lines may start a little outside the area (a barb, a tick beyond the edge): the clip keeps
    // a margin so that what lies on the edge is still drawn, and the painter clips the rest.
    const QRectF limite = area.adjusted(-2, -2, 2, 2);
    pittore.setClipRect(area);
    const QFontMetricsF metriche(stile.carattere, pittore.device());

    std::optional<Mappa> m;
    QPointF corrente(0, 0); // user coordinates
    auto linea = [&](QPointF a, QPointF b, Colore colore) {
        if (!m)
            return;
        const QPointF da = m->punto(a.x(), a.y());
        const QPointF a2 = m->punto(b.x(), b.y());
        if (!finito(da) || !finito(a2))
            return;
        const auto visibile = ritaglia(da, a2, limite);
        if (!visibile)
            return;
        QPen penna(coloreDisegno(colore, stile));
        penna.setWidthF(stile.larghezzaLinea);
        penna.setCosmetic(stile.larghezzaLinea == 0);
        penna.setCapStyle(Qt::SquareCap);
        pittore.setPen(penna);
        pittore.drawLine(*visibile);
    };

    for (const Primitiva& p : disegno) {
        switch (p.tipo) {
        case Primitiva::Tipo::Scala:
            m = mappa(p, area);
            break;
        case Primitiva::Tipo::Linea:
            linea({p.ax, p.ay}, {p.bx, p.by}, p.colore);
            corrente = QPointF(p.bx, p.by);
            break;
        case Primitiva::Tipo::LineaA:
            linea(corrente, {p.bx, p.by}, p.colore);
            corrente = QPointF(p.bx, p.by);
            break;
        case Primitiva::Tipo::Testo: {
            corrente = QPointF(p.ax, p.ay);
            if (!m)
                break;
            const QPointF angolo = m->punto(p.ax, p.ay);
            if (!finito(angolo) || !limite.adjusted(-1e4, -1e4, 1e4, 1e4).contains(angolo))
                break;
            pittore.setPen(QPen(coloreDisegno(p.colore, stile)));
            pittore.drawText(QPointF(angolo.x(), angolo.y() + metriche.ascent()),
                             QString::fromStdString(p.testo));
            break;
        }
        }
    }
    pittore.restore();
}

Tela::Tela(QWidget* genitore) : QWidget(genitore) {
    setObjectName(QStringLiteral("tela"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(1, 1);
}

void Tela::impostaDisegno(Disegno disegno) {
    m_disegno = std::move(disegno);
    update();
}

void Tela::impostaDimensioneIniziale(QSize dimensione) {
    m_dimensioneIniziale = dimensione;
    updateGeometry();
}

MisuraX Tela::misuraX() const {
    const QFontMetricsF metriche(font(), this);
    MisuraX x;
    x.larghezza = metriche.horizontalAdvance(QStringLiteral("X"));
    x.altezza = metriche.height();
    x.clientLarghezza = width();
    x.clientAltezza = height();
    return x;
}

StileTela Tela::stile() const {
    StileTela s;
    s.sfondo = palette().color(QPalette::Base);
    s.primoPiano = palette().color(QPalette::ButtonText);
    s.carattere = font();
    s.larghezzaLinea = 0;
    return s;
}

QImage Tela::immagine() const {
    QImage img(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    // The image has the screen's resolution, so the text comes out at the size the screen shows.
    const int puntiPerMetro = static_cast<int>(std::lround(logicalDpiX() / 0.0254));
    img.setDotsPerMeterX(puntiPerMetro);
    img.setDotsPerMeterY(puntiPerMetro);
    const StileTela s = stile();
    img.fill(s.sfondo);
    QPainter pittore(&img);
    dipingiDisegno(pittore, QRectF(QPointF(0, 0), QSizeF(size())), m_disegno, s);
    pittore.end();
    return img;
}

void Tela::stampaSu(QPainter& pittore) const {
    const QSizeF schermo(size());
    StileTela s = stile();
    s.sfondo = Qt::white;
    s.carattere = carattereDelloSchermo(font());
    s.larghezzaLinea = 1; // one screen pixel, scaled with the page
    pittore.save();
    const double scala = scalaPagina(*pittore.device(), logicalDpiX(), schermo);
    pittore.scale(scala, scala);
    dipingiDisegno(pittore, QRectF(QPointF(0, 0), schermo), m_disegno, s);
    pittore.restore();
}

void Tela::paintEvent(QPaintEvent* evento) {
    QPainter pittore(this);
    const StileTela s = stile();
    pittore.fillRect(evento->rect(), s.sfondo);
    dipingiDisegno(pittore, QRectF(rect()), m_disegno, s);
}

} // namespace spintaro
