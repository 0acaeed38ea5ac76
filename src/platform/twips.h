// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace spintaro {

// Layout positions are kept in twips (1/1440 inch) and mapped to pixels through the logical DPI
// of the screen: 15 twips make one pixel at 96 dpi.
class Twips {
public:
    explicit Twips(double dpiLogici = 96.0);

    // The conversion for the primary screen (96 dpi when there is no screen at all).
    static Twips delloSchermo();

    // A length or a coordinate in pixels, rounded to the nearest pixel.
    int px(int twips) const;

    // A rectangle given as left, top, width, height in twips. Its edges are rounded one by one,
    // so neighbouring controls stay adjacent at any DPI.
    QRect rettangolo(int sinistra, int alto, int larghezza, int altezza) const;
    QSize dimensione(int larghezza, int altezza) const;

private:
    double m_dpi;
};

} // namespace spintaro
