// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/info/immagine_svg.h"

#include <QPainter>

namespace spintaro {

ImmagineSvg::ImmagineSvg(const QString& risorsa, QWidget* genitore)
    : QWidget(genitore), m_svg(risorsa) {
    m_svg.setAspectRatioMode(Qt::KeepAspectRatio);
}

void ImmagineSvg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    m_svg.render(&p, rect());
}

} // namespace spintaro
