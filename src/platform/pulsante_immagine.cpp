// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pulsante_immagine.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>
#include <cmath>

namespace spintaro {

PulsanteImmagine::PulsanteImmagine(const QString& risorsa, QSize dimensioneImmagine,
                                   QWidget* genitore)
    : QAbstractButton(genitore) {
    setFocusPolicy(Qt::StrongFocus);
    const double scala = logicalDpiX() / 96.0;
    const QSize lato(static_cast<int>(std::lround(dimensioneImmagine.width() * scala)),
                     static_cast<int>(std::lround(dimensioneImmagine.height() * scala)));
    const qreal densita = devicePixelRatioF();
    QPixmap pm(lato * densita);
    pm.fill(Qt::transparent);
    QSvgRenderer svg(risorsa);
    if (svg.isValid()) {
        QPainter p(&pm);
        svg.render(&p);
    }
    pm.setDevicePixelRatio(densita);
    m_immagine = pm;
}

void PulsanteImmagine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, palette().button());
    // A thin raised edge, sunken while pressed.
    const QColor chiaro = palette().light().color();
    const QColor scuro = palette().dark().color();
    const bool premuto = isDown();
    p.setPen(premuto ? scuro : chiaro);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(premuto ? chiaro : scuro);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    const QSizeF lato = m_immagine.deviceIndependentSize();
    QPointF angolo((r.width() - lato.width()) / 2.0, (r.height() - lato.height()) / 2.0);
    if (premuto)
        angolo += QPointF(1, 1);
    p.drawPixmap(angolo, m_immagine);

    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        fuoco.rect = r.adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fuoco, &p, this);
    }
}

} // namespace spintaro
