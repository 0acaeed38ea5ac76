// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace spintaro {

namespace {
constexpr double TwipsPerPollice = 1440.0;
}

Twips::Twips(double dpiLogici) : m_dpi(dpiLogici > 0 ? dpiLogici : 96.0) {}

Twips Twips::delloSchermo() {
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        return Twips(schermo->logicalDotsPerInchX());
    return Twips(96.0);
}

int Twips::px(int twips) const {
    return static_cast<int>(std::lround(twips * m_dpi / TwipsPerPollice));
}

QRect Twips::rettangolo(int sinistra, int alto, int larghezza, int altezza) const {
    const int x = px(sinistra);
    const int y = px(alto);
    return QRect(x, y, px(sinistra + larghezza) - x, px(alto + altezza) - y);
}

QSize Twips::dimensione(int larghezza, int altezza) const {
    return QSize(px(larghezza), px(altezza));
}

} // namespace spintaro
