// SPDX-License-Identifier: GPL-3.0-or-later
// On an X display with openbox (con_display.sh): every window opens whole on a 1024×768 screen;
// windows hidden by their own close command come back where the user left them, moved and
// resized with Alt and a drag (xdotool) as a user does, closed with their own command, opened
// again through the registry as the main window does.

#include "ambiente_prova.h"

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace spintaro {
namespace {

using namespace prova;

// Runs xdotool, the event loop going meanwhile so that the program follows the window manager.
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
    for (QRect r; fermo.elapsed() < 100 && tutto.elapsed() < 2000;
         QCoreApplication::processEvents(QEventLoop::AllEvents, 10))
        if (std::exchange(r, f->frameGeometry()) != r)
            fermo.restart();
    return f->frameGeometry();
}
std::string testo(const QRect& r) {
    return QString::asprintf("%dx%d+%d+%d", r.width(), r.height(), r.x(), r.y()).toStdString();
}

// Holds Alt and drags with a mouse button from a point of the window by an offset: with the left
// button (1) openbox moves the window, with the right one (3) it resizes it from the nearest
// corner. The short pauses let the window manager take each step before the next, as a hand does.
void trascina(QPoint da, QPoint di, int tasto) {
    const QPoint meta = da + di / 2, a = da + di;
    xdotool(
        QString::asprintf("mousemove --sync %d %d keydown alt mousedown %d sleep 0.05 mousemove "
                          "%d %d sleep 0.05 mousemove --sync %d %d sleep 0.05 mouseup %d "
                          "keyup alt",
                          da.x(), da.y(), tasto, meta.x(), meta.y(), a.x(), a.y(), tasto)
            .split(' '));
}

struct CasoPosto {
    const char* nome;
    IdFinestra id;
    const char* chiudi; // the objectName of the window's own close command
    bool ridimensionabile;
};

const CasoPosto Casi[] = {{"grazie1", IdFinestra::grazie1, "Chiudi", true},
                          {"Sv", IdFinestra::Sv, "chiudi", true},
                          {"Sa", IdFinestra::Sa, "close", true},
                          {"stampa1", IdFinestra::stampa1, "Esci", false},
                          {"Esporta", IdFinestra::Esporta, "Annulla", true},
                          {"SpinteProgetto", IdFinestra::SpinteProgetto, "Chiudi", true},
                          {"Carichi", IdFinestra::Carichi, "Chiudi", true}};
class PostoFinestra : public ::testing::TestWithParam<CasoPosto> {};

TEST_P(PostoFinestra, SiApreInteraETornaDoveLUtenteLHaLasciata) {
    const CasoPosto& c = GetParam();
    AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    FinestraBase* f = a.registro().apri(c.id);
    // The frame is known once the window manager has reported its borders.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f) &&
                attendi([f] { return f->frameGeometry() != f->geometry(); }));
    const QRect prima = cornice(f);
    // Whole on a 1024×768 screen with a title bar of 32 px (openbox's is thinner): where the
    // program puts it, or anywhere when the window manager places it.
    const QRect intera = prima.adjusted(0, 0, 0, std::max(0, 32 - (f->geometry().y() - prima.y())));
    EXPECT_TRUE(f->testAttribute(Qt::WA_Moved) ? QRect(0, 0, 1024, 768).contains(intera)
                                               : intera.width() <= 1024 && intera.height() <= 768)
        << testo(intera);
    // Towards the middle of the screen, so that the window stays on it whole; then resized.
    const QPoint centro = f->screen()->geometry().center();
    const QPoint di(prima.center().x() < centro.x() ? 97 : -97,
                    prima.center().y() < centro.y() ? 61 : -61);
    // On a loaded machine openbox now and then misses a whole gesture, the window left as it
    // was: the user drags again.
    const auto gesto = [f](QPoint punto, QPoint spostamento, int tasto, auto&& fatto) {
        const QRect r = f->frameGeometry();
        trascina(f->mapToGlobal(punto), spostamento, tasto);
        if (!attendi(fatto) && f->frameGeometry() == r)
            trascina(f->mapToGlobal(punto), spostamento, tasto);
        return attendi(fatto);
    };
    ASSERT_TRUE(gesto(f->rect().center(), di, 1,
                      [&] { return f->frameGeometry().topLeft() == prima.topLeft() + di; }))
        << testo(prima) << " moved: " << testo(f->frameGeometry());
    const QSize piu = c.ridimensionabile ? QSize(40, 30) : QSize(0, 0); // or a fixed border
    ASSERT_TRUE(gesto(QPoint(f->width() * 3 / 4, f->height() * 3 / 4), {40, 30}, 3,
                      [&] { return f->frameGeometry().size() == prima.size() + piu; }))
        << testo(prima) << " resized: " << testo(f->frameGeometry());
    const QRect lasciata = cornice(f);

    if (auto* azione = f->findChild<QAction*>(c.chiudi))
        azione->trigger();
    else
        f->findChild<QAbstractButton*>(c.chiudi)->click();
    ASSERT_TRUE(attendi([f] { return !f->isVisible(); }));
    ASSERT_EQ(a.registro().apri(c.id), f) << "the same instance, hidden";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_EQ(testo(cornice(f)), testo(lasciata));
}
INSTANTIATE_TEST_SUITE_P(Finestre, PostoFinestra, ::testing::ValuesIn(Casi), NomeCaso());

} // namespace
} // namespace spintaro
