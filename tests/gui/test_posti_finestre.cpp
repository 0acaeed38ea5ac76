// SPDX-License-Identifier: GPL-3.0-or-later
// Windows hidden by their own close command come back where the user left them. Runs on a real
// X display managed by openbox (con_display.sh starts both): the window is moved and resized with
// the mouse as a user does (Alt and a drag, openbox's own gestures, sent with xdotool), closed
// with its own command, opened again through the registry as the main window's commands do, and
// its frame is measured.

#include "ambiente_prova.h"

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::AmbienteProva;
using prova::NomeCaso;
using prova::PrintTo;

// Runs xdotool and keeps the event loop going meanwhile, so that the program follows the window
// manager's changes as they come.
void xdotool(const QStringList& argomenti) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), argomenti);
    while (!p.waitForFinished(10))
        QCoreApplication::processEvents();
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}

// Lets events in until the condition holds, for at most two seconds.
template <typename Condizione> bool attendi(Condizione&& vero) {
    QElapsedTimer t;
    t.start();
    while (!vero() && t.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return vero();
}

// The frame once the window manager is done with it: unchanged for a tenth of a second.
QRect cornice(const QWidget* f) {
    QElapsedTimer tutto, fermo;
    tutto.start();
    fermo.start();
    QRect r = f->frameGeometry();
    while (fermo.elapsed() < 100 && tutto.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (f->frameGeometry() != r) {
            r = f->frameGeometry();
            fermo.restart();
        }
    }
    return r;
}

std::string testo(const QRect& r) {
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + "+" +
           std::to_string(r.x()) + "+" + std::to_string(r.y());
}

// Holds Alt and drags with a mouse button from a point of the window by an offset: with the left
// button openbox moves the window, with the right one it resizes it from the nearest corner.
void trascina(QPoint da, QPoint di, const char* tasto) {
    // The short pauses let the window manager take each step before the next, as a hand does.
    xdotool(QStringLiteral("mousemove --sync %1 %2 keydown alt mousedown %3 sleep 0.05 "
                           "mousemove %4 %5 sleep 0.05 mousemove --sync %6 %7 sleep 0.05 "
                           "mouseup %3 keyup alt")
                .arg(da.x())
                .arg(da.y())
                .arg(QLatin1String(tasto))
                .arg(da.x() + di.x() / 2)
                .arg(da.y() + di.y() / 2)
                .arg(da.x() + di.x())
                .arg(da.y() + di.y())
                .split(QLatin1Char(' ')));
}

struct CasoPosto {
    const char* nome;
    IdFinestra id;
    const char* chiudi; // the objectName of the window's own close command
    bool ridimensionabile;
};

const CasoPosto Casi[] = {
    {"grazie1", IdFinestra::grazie1, "Chiudi", true},
    {"Sv", IdFinestra::Sv, "chiudi", true},
    {"Sa", IdFinestra::Sa, "close", true},
    {"stampa1", IdFinestra::stampa1, "Esci", false},
    {"Esporta", IdFinestra::Esporta, "Annulla", true},
};

class PostoFinestra : public ::testing::TestWithParam<CasoPosto> {};

TEST_P(PostoFinestra, TornaDoveLUtenteLHaLasciata) {
    const CasoPosto& c = GetParam();
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    FinestraBase* f = a.registro().apri(c.id);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    // The frame is known once the window manager has reported its borders.
    ASSERT_TRUE(attendi([f] { return f->frameGeometry() != f->geometry(); }));
    const QRect prima = cornice(f);

    // Towards the middle of the screen, so that the window stays on it whole.
    const QPoint centro = f->screen()->geometry().center();
    const QPoint di(prima.center().x() < centro.x() ? 97 : -97,
                    prima.center().y() < centro.y() ? 61 : -61);
    trascina(f->mapToGlobal(QPoint(f->width() / 2, f->height() / 2)), di, "1");
    ASSERT_TRUE(attendi([&] { return f->frameGeometry().topLeft() == prima.topLeft() + di; }))
        << testo(prima) << " dragged by " << di.x() << "," << di.y() << ": "
        << testo(f->frameGeometry());
    if (c.ridimensionabile) {
        trascina(f->mapToGlobal(QPoint(f->width() * 3 / 4, f->height() * 3 / 4)), {40, 30}, "3");
        ASSERT_TRUE(attendi([&] {
            return f->frameGeometry().size() == prima.size() + QSize(40, 30);
        })) << "resized by 40,30 from "
            << testo(prima) << ": " << testo(f->frameGeometry());
    }
    const QRect lasciata = cornice(f);

    QAction* azione = f->findChild<QAction*>(QLatin1String(c.chiudi));
    if (azione != nullptr)
        azione->trigger();
    else
        f->findChild<QAbstractButton*>(QLatin1String(c.chiudi))->click();
    ASSERT_TRUE(attendi([f] { return !f->isVisible(); }));
    ASSERT_EQ(a.registro().apri(c.id), f) << "the same instance, hidden";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_EQ(testo(cornice(f)), testo(lasciata));
}

INSTANTIATE_TEST_SUITE_P(Finestre, PostoFinestra, ::testing::ValuesIn(Casi), NomeCaso());

} // namespace
} // namespace spintaro
