// SPDX-License-Identifier: GPL-3.0-or-later
// Development tool: writes a rectangle of the X screen (root window pixels) as a PNG file. The
// run script uses it for its picture of the main window on the virtual display.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fputs("uso: spintaro-fotografia X Y LARGHEZZA ALTEZZA DESTINAZIONE.png\n", stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    int v[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = QString::fromLocal8Bit(argv[i + 1]).toInt(&ok);
        if (!ok || (i >= 2 && v[i] <= 0)) {
            std::fprintf(stderr, "spintaro-fotografia: valore non valido: %s\n", argv[i + 1]);
            return 2;
        }
    }
    QScreen* schermo = QGuiApplication::primaryScreen();
    const QPixmap foto = schermo ? schermo->grabWindow(0, v[0], v[1], v[2], v[3]) : QPixmap();
    if (foto.isNull() || !foto.save(QString::fromLocal8Bit(argv[5]), "PNG")) {
        std::fprintf(stderr, "spintaro-fotografia: impossibile scrivere %s\n", argv[5]);
        return 1;
    }
    return 0;
}
