// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace spintaro {

// A picture box that acts as a button: it shows a small picture drawn from an SVG resource,
// takes the keyboard focus (Space clicks it) and emits clicked().
class PulsanteImmagine final : public QAbstractButton {
    Q_OBJECT

public:
    // risorsa: the SVG; dimensioneImmagine: the picture's size in pixels at 96 dpi.
    PulsanteImmagine(const QString& risorsa, QSize dimensioneImmagine, QWidget* genitore);

    const QPixmap& immagine() const { return m_immagine; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QPixmap m_immagine;
};

} // namespace spintaro
