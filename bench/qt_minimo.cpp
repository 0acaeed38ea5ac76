// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up time and memory with this toolkit: a Qt Widgets program that shows one
// empty window of the main window's size. With "--testo" the window holds one line of text, which
// is the floor for any program that shows text (the font machinery starts with the first text).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Minimo"));
    finestra.resize(525, 401);
    if (QCoreApplication::arguments().contains(QStringLiteral("--testo"))) {
        auto* testo = new QLabel(QStringLiteral("Spinta Totale"), &finestra);
        testo->move(10, 10);
    }
    finestra.show();
    return QApplication::exec();
}
