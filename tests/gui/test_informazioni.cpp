// SPDX-License-Identifier: GPL-3.0-or-later
// The about and thanks windows, and the project named on the command line.

#include "ambiente_prova.h"
#include "info/frm_splash_window.h"
#include "info/grazie1_window.h"
#include "info/immagine_svg.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spintaro {
namespace {

QRect px(int x, int y, int w, int h) {
    return QRect(x / 15, y / 15, w / 15, h / 15);
}

// Places in twips, 15 to a pixel at 96 dpi. The about window: no title bar, 7455 × 4710 twips
// fixed, centred, everything inside its frame. The thanks window: a sizable frame of 3075 × 3225
// twips, the focus on "Chiudi"; its wrapping labels keep their place and width and grow downwards
// only when the text needs more lines than they hold. "Chiudi" hides each.
TEST(FinestreInformazioni, GeometriaTestiEChiusura) {
    prova::AmbienteProva a;
    a.avvia();
    auto* f = qobject_cast<FrmSplashWindow*>(a.registro().apri(IdFinestra::frmSplash));
    auto* g = qobject_cast<Grazie1Window*>(a.registro().apri(IdFinestra::grazie1));
    ASSERT_TRUE(f != nullptr && g != nullptr);
    EXPECT_TRUE(f->windowFlags().testFlag(Qt::FramelessWindowHint) &&
                f->size() == QSize(497, 314) && f->minimumSize() == f->maximumSize());
    const QPoint centro = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((f->geometry().center() - centro).manhattanLength(), 2);
    EXPECT_EQ(f->fraMainFrame->geometry(), px(45, 0, 7380, 4590));
    EXPECT_EQ(f->Chiudi->geometry(), px(6240, 4080, 975, 375));
    for (QWidget* w : f->fraMainFrame->findChildren<QWidget*>())
        EXPECT_TRUE(f->fraMainFrame->rect().contains(w->geometry()))
            << w->objectName().toStdString();
    EXPECT_EQ(f->Nome_Programma->text() + "|" + f->Label4->text(),
              "Spintaro 1.1|Per suggerimenti o problemi " SPINTARO_CONTACT);
    EXPECT_TRUE(f->Label2->wordWrap() && f->Image1->valida() && g->Picture1->valida() &&
                f->Nome_Programma->font().pointSizeF() == 32.25 &&
                f->Nome_Programma->font().bold());

    EXPECT_TRUE(!g->windowFlags().testFlag(Qt::FramelessWindowHint) &&
                g->size() == QSize(205, 215) && g->minimumSize() != g->maximumSize());
    EXPECT_EQ(std::tuple(g->Chiudi->geometry(), g->focusWidget()),
              std::tuple(px(1920, 240, 975, 495), g->Chiudi));
    for (const auto& [l, r] : {std::pair<QLabel*, QRect>{g->Label1, px(1680, 1200, 1335, 1095)},
                               {g->Label2, px(120, 2400, 2775, 855)}}) {
        EXPECT_EQ(l->geometry(),
                  QRect(r.topLeft(),
                        QSize(r.width(), std::max(r.height(), l->heightForWidth(r.width())))));
        EXPECT_GT(l->heightForWidth(l->width()), QFontMetrics(l->font()).height());
    }
    prova::clic(f->Chiudi);
    prova::clic(g->Chiudi);
    EXPECT_TRUE(!f->isVisible() && !g->isVisible());
}

// "spintaro PROGETTO.spt", as a file manager starts it: a file that cannot be opened (a pipe with
// nobody at its other end) is reported without waiting and leaves the job empty; a name that is
// not UTF-8 reaches the file system as its bytes, opens as the Open command does and the file
// windows start in its folder; no argument opens nothing.
TEST(AperturaAllAvvio, ApreIlProgettoOSegnalaELasciaIlLavoroVuoto) {
    const QString iniziale = QDir::currentPath();
    QTemporaryDir dir;
    const std::string cartella = QFile::encodeName(dir.path()).toStdString();
    ASSERT_EQ(mkfifo((cartella + "/pipa.spt").c_str(), 0644), 0);
    const std::string nonUtf8 = cartella + "/b\xFF.spt";
    ASSERT_TRUE(std::filesystem::copy_file(SPINTARO_EXAMPLES "/due_strati.spt", nonUtf8));
    alarm(60); // should it wait on the pipe, the test program ends instead of the suite
    for (const std::string& nome : {cartella + "/pipa.spt", std::string(), nonUtf8}) {
        const bool apre = nome != cartella + "/pipa.spt";
        prova::AmbienteProva a;
        a.avvia();
        EXPECT_EQ(a.app.apriAllAvvio(PercorsoFile{nome}), apre);
        EXPECT_EQ(std::tuple(a.m().NumStrati, a.finestra->txt_strato->text(), QDir::currentPath()),
                  nome == nonUtf8 ? std::tuple(2, QStringLiteral("2"), dir.path())
                                  : std::tuple(0, QStringLiteral("1"), iniziale));
        EXPECT_EQ(a.messaggi.testi().size(), apre ? 0 : 1);
        EXPECT_EQ(a.messaggi.testi().filter("pipa.spt» non è stato aperto"), a.messaggi.testi());
        QDir::setCurrent(iniziale);
    }
    alarm(0);
    std::filesystem::remove(nonUtf8); // Qt neither lists nor removes it
}

} // namespace
} // namespace spintaro
