// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace spintaro {

// The platform's own style, with two differences: the overflow arrow of menu bars and the frame of
// group boxes are drawn here instead of being read from the toolkit's image files. Reading those
// makes Qt probe every image format plugin (TIFF, WebP, JPEG and their libraries) while the main
// window is built and first painted, a good part of the program's start-up time and memory.
class StileSpintaro final : public QProxyStyle {
public:
    StileSpintaro();
    QIcon standardIcon(StandardPixmap icona, const QStyleOption* opzione,
                       const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* p,
                       const QWidget* widget) const override;
};

} // namespace spintaro
