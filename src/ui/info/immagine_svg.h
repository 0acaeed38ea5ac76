// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace spintaro {

// A picture drawn from an SVG resource to fill the widget, sharp at any size and DPI.
class ImmagineSvg final : public QWidget {
    Q_OBJECT

public:
    ImmagineSvg(const QString& risorsa, QWidget* genitore);
    bool valida() const { return m_svg.isValid(); }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QSvgRenderer m_svg;
};

} // namespace spintaro
