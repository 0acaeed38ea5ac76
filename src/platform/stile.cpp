// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/stile.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

namespace spintaro {

namespace {

// A double chevron pointing right (or down), drawn in the given colour.
QIcon frecciaDiTroppo(bool orizzontale, const QColor& colore) {
    QPixmap pm(10, 10);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QPen(colore, 1.2));
    p.setRenderHint(QPainter::Antialiasing);
    for (int k : {1, 5}) {
        if (orizzontale) {
            p.drawLine(QPointF(k, 2), QPointF(k + 3, 5));
            p.drawLine(QPointF(k + 3, 5), QPointF(k, 8));
        } else {
            p.drawLine(QPointF(2, k), QPointF(5, k + 3));
            p.drawLine(QPointF(5, k + 3), QPointF(8, k));
        }
    }
    p.end();
    return QIcon(pm);
}

} // namespace

StileSpintaro::StileSpintaro() : QProxyStyle() {}

QIcon StileSpintaro::standardIcon(StandardPixmap icona, const QStyleOption* opzione,
                                  const QWidget* widget) const {
    if (icona == SP_ToolBarHorizontalExtensionButton ||
        icona == SP_ToolBarVerticalExtensionButton) {
        const QColor colore =
            opzione != nullptr ? opzione->palette.color(QPalette::ButtonText) : QColor(Qt::black);
        return frecciaDiTroppo(icona == SP_ToolBarHorizontalExtensionButton, colore);
    }
    return QProxyStyle::standardIcon(icona, opzione, widget);
}

} // namespace spintaro

namespace spintaro {

void StileSpintaro::drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione,
                                  QPainter* p, const QWidget* widget) const {
    if (elemento != PE_FrameGroupBox || opzione == nullptr) {
        QProxyStyle::drawPrimitive(elemento, opzione, p, widget);
        return;
    }
    // A thin frame with softly rounded corners, as the platform style draws it.
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    QColor bordo = opzione->palette.color(QPalette::Window).darker(140);
    p->setPen(bordo);
    p->setBrush(Qt::NoBrush);
    p->drawRoundedRect(QRectF(opzione->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    p->restore();
}

} // namespace spintaro
