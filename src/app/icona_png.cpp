// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: renders the program's SVG icon into a PNG of the given size, for the icon
// theme folders of the desktop.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("uso: spintaro-icona-png SORGENTE.svg LATO DESTINAZIONE.png\n", stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const int lato = QString::fromLocal8Bit(argv[2]).toInt();
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid() || lato <= 0) {
        std::fprintf(stderr, "icona non valida: %s\n", argv[1]);
        return 1;
    }
    QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    return immagine.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
