// The floor for start-up time and memory with this toolkit: a Qt Widgets program that shows one
// empty window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Minimo"));
    finestra.resize(525, 401);
    finestra.show();
    return QApplication::exec();
}
