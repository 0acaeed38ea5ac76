// SPDX-License-Identifier: GPL-3.0-or-later
// The about and thanks windows: frames, geometry in twips at 96 dpi, texts, wrapping, pictures
// and single instances; and the project named on the command line.

#include "ambiente_prova.h"
#include "info/frm_splash_window.h"
#include "info/grazie1_window.h"
#include "info/immagine_svg.h"

#include <QDir>
#include <QFileInfo>
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

using prova::AmbienteProva;

// twips → pixels at 96 dpi: 15 twips a pixel.
QRect px(int x, int y, int w, int h) {
    return QRect(x / 15, y / 15, w / 15, h / 15);
}

TEST(FinestraInformazioni, SenzaTitoloCentrataConTestiEGeometria) {
    AmbienteProva a;
    a.avvia();
    auto* f = qobject_cast<FrmSplashWindow*>(a.registro().apri(IdFinestra::frmSplash));
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(f->size(), QSize(497, 314)); // 7455 × 4710 twips
    EXPECT_EQ(f->minimumSize(), f->maximumSize()) << "not resizable";
    const QPoint centro = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((f->geometry().center() - centro).manhattanLength(), 2);
    for (const auto& [w, r] : {std::pair<QWidget*, QRect>{f->fraMainFrame, px(45, 0, 7380, 4590)},
                               {f->Image1, px(120, 480, 2745, 2490)},
                               {f->Label2, px(360, 3480, 3495, 495)},
                               {f->Label4, px(240, 4080, 2175, 375)},
                               {f->Label3, px(3120, 4200, 2895, 255)},
                               {f->Chiudi, px(6240, 4080, 975, 375)}})
        EXPECT_EQ(w->geometry(), r) << w->objectName().toStdString();
    // The self-sizing labels keep their top-left corner and fit their text.
    EXPECT_EQ(f->lblCompanyProduct->pos(), QPoint(176, 51));
    EXPECT_EQ(f->Nome_Programma->pos(), QPoint(192, 88));
    EXPECT_TRUE(f->Nome_Programma->font().bold());
    EXPECT_DOUBLE_EQ(f->Nome_Programma->font().pointSizeF(), 32.25);
    EXPECT_GE(f->Nome_Programma->width(),
              QFontMetrics(f->Nome_Programma->font()).horizontalAdvance("Spintaro 1.1"));
    EXPECT_TRUE(f->lblPlatform->alignment().testFlag(Qt::AlignRight));
    for (QWidget* w : f->fraMainFrame->findChildren<QWidget*>())
        EXPECT_TRUE(f->fraMainFrame->rect().contains(w->geometry()))
            << w->objectName().toStdString();
    EXPECT_EQ(QStringList({f->lblCompanyProduct->text(), f->Nome_Programma->text(),
                           f->lblPlatform->text(), f->Label2->text(), f->Label4->text()}),
              QStringList({"Calcolo delle spinte di", "Spintaro 1.1", "Win 95-Win 98",
                           // Two literals make one sentence here, on purpose.
                           // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
                           "Semplice programma per il calcolo delle spinte utilizzando il "
                           "metodo di Spintaro.",
                           "Per suggerimenti o problemi " SPINTARO_CONTACT}));
    EXPECT_TRUE(f->Label2->wordWrap());
    EXPECT_TRUE(f->Label3->text().contains("example.org"));
    EXPECT_TRUE(f->Image1->valida());
    // "Chiudi" hides it; the same instance comes back.
    prova::clic(f->Chiudi);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(a.registro().apri(IdFinestra::frmSplash), f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(a.registro().caricamenti(IdFinestra::frmSplash), 1);
}

TEST(FinestraGrazie, TitoloGeometriaEtichetteEChiusura) {
    AmbienteProva a;
    a.avvia();
    auto* g = qobject_cast<Grazie1Window*>(a.registro().apri(IdFinestra::grazie1));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->windowTitle(), "E Grazie....");
    EXPECT_FALSE(g->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(g->size(), QSize(205, 215)); // 3075 × 3225 twips
    EXPECT_NE(g->minimumSize(), g->maximumSize()) << "the default sizable frame";
    EXPECT_EQ(g->Picture1->geometry(), px(0, 0, 1575, 2295));
    EXPECT_EQ(g->Chiudi->geometry(), px(1920, 240, 975, 495));
    EXPECT_TRUE(g->Picture1->valida());
    EXPECT_EQ(g->focusWidget(), g->Chiudi);
    EXPECT_EQ(g->Label1->text() + "|" + g->Label2->text(),
              "Un Grazie a Ovidrano che ha reso possibile la realizzazione di questo programma |"
              "(Eventuali danni a cose o persone dovute all'utilizzo di questo programma sono "
              "addebitabili ESCLUSIVAMENTE a LUI)");
    EXPECT_TRUE(g->Label2->alignment().testFlag(Qt::AlignHCenter));
    // Wrapping labels keep their place and width and grow downwards only when the text needs
    // it; the texts need several lines.
    for (const auto& [l, r] : {std::pair<QLabel*, QRect>{g->Label1, px(1680, 1200, 1335, 1095)},
                               {g->Label2, px(120, 2400, 2775, 855)}}) {
        EXPECT_TRUE(l->wordWrap());
        EXPECT_EQ(l->geometry(),
                  QRect(r.topLeft(),
                        QSize(r.width(), std::max(r.height(), l->heightForWidth(r.width())))));
        EXPECT_GT(l->heightForWidth(l->width()), QFontMetrics(l->font()).height());
    }
    EXPECT_LE(g->Label1->geometry().bottom(), g->Label2->geometry().top());
    // "Chiudi" hides it, and it comes back where and as it was; the close box unloads it.
    g->setGeometry(300, 200, 260, 240);
    const QRect prima = g->geometry();
    prova::clic(g->Chiudi);
    EXPECT_FALSE(g->isVisible());
    EXPECT_EQ(a.registro().apri(IdFinestra::grazie1), g);
    EXPECT_EQ(g->geometry(), prima);
    g->close();
    EXPECT_EQ(a.registro().istanza(IdFinestra::grazie1), nullptr);
}

// "spintaro PROGETTO.spt", as a file manager starts it: the project opens as the Open command
// opens it and the file windows start in its folder; a file that cannot be opened is reported and
// leaves the job empty; no argument opens nothing.
TEST(AperturaAllAvvio, ApreIlProgettoOSegnalaELasciaIlLavoroVuoto) {
    const QString iniziale = QDir::currentPath();
    QTemporaryDir dir;
    const QString pipa = dir.filePath("pipa.spt"); // nobody at its other end
    ASSERT_EQ(mkfifo(QFile::encodeName(pipa).constData(), 0644), 0);
    alarm(60); // should it wait on the pipe, the test program ends instead of the suite
    for (const QString& nome :
         {QStringLiteral(SPINTARO_TEST_DATA "/manca.spt"),
          QStringLiteral(SPINTARO_TEST_DATA "/troncato.spt"), pipa, QString()}) {
        AmbienteProva a;
        a.avvia();
        EXPECT_EQ(a.app.apriAllAvvio(PercorsoFile{QFile::encodeName(nome).toStdString()}),
                  nome.isEmpty());
        EXPECT_EQ(a.m(), Modulo1{});
        EXPECT_EQ(QDir::currentPath(), iniziale);
        EXPECT_TRUE(a.finestra->isVisible());
        ASSERT_EQ(a.messaggi.messaggi().size(), nome.isEmpty() ? 0u : 1u);
        for (const auto& m : a.messaggi.messaggi())
            EXPECT_TRUE(m.testo.contains(QFileInfo(nome).fileName()) &&
                        m.testo.contains("non è stato aperto"))
                << m.testo.toStdString();
    }
    alarm(0);
    // A name that is not UTF-8 reaches the file system as its bytes.
    const std::string nonUtf8 = QFile::encodeName(dir.path()).toStdString() + "/b\xFF.spt";
    ASSERT_TRUE(std::filesystem::copy_file(SPINTARO_EXAMPLES "/due_strati.spt", nonUtf8));
    AmbienteProva a;
    a.avvia();
    EXPECT_TRUE(a.app.apriAllAvvio(PercorsoFile{nonUtf8}));
    std::filesystem::remove(nonUtf8); // Qt neither lists nor removes it
    EXPECT_EQ(a.m().NumStrati, 2);
    EXPECT_EQ(a.m().Strati(1).Potenza, 2);
    EXPECT_EQ(a.m().Strati(2).Falda, 1);
    EXPECT_EQ(a.m().IndiceStrato, 0);
    EXPECT_EQ(a.finestra->txt_strato->text(), "2") << "the layers read, as the Open command shows";
    EXPECT_EQ(QDir::currentPath(), dir.path());
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    QDir::setCurrent(iniziale);
}

} // namespace
} // namespace spintaro
