// The about and thanks windows: captions, frames, geometry in twips at 96 dpi, texts, wrapping,
// pictures and single-instance semantics.

#include "ambiente_prova.h"
#include "info/frm_splash_window.h"
#include "info/grazie1_window.h"
#include "info/immagine_svg.h"
#include "platform/registro_finestre.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::AmbienteProva;
using prova::PrintTo;

// twips → pixels at 96 dpi: 15 twips a pixel.
QRect px(int x, int y, int w, int h) {
    return QRect(x / 15, y / 15, w / 15, h / 15);
}

struct CasoControllo {
    const char* nome;
    QRect geometria;
};

TEST(FinestraInformazioni, HasNoTitleBarAndIsCentred) {
    AmbienteProva a;
    a.avvia();
    auto* f = qobject_cast<FrmSplashWindow*>(a.registro().apri(IdFinestra::frmSplash));
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(f->windowTitle().isEmpty());
    EXPECT_EQ(f->size(), QSize(497, 314)); // 7455 × 4710 twips
    EXPECT_EQ(f->minimumSize(), f->maximumSize()) << "not resizable";
    const QPoint centro = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((f->geometry().center() - centro).manhattanLength(), 2);
}

TEST(FinestraInformazioni, ControlsTextsAndGeometry) {
    AmbienteProva a;
    a.avvia();
    auto* f = qobject_cast<FrmSplashWindow*>(a.registro().apri(IdFinestra::frmSplash));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->fraMainFrame->geometry(), px(45, 0, 7380, 4590));
    for (const auto& c : {CasoControllo{"Image1", px(120, 480, 2745, 2490)},
                          CasoControllo{"Label2", px(360, 3480, 3495, 495)},
                          CasoControllo{"Label4", px(240, 4080, 2175, 375)},
                          CasoControllo{"Label3", px(3120, 4200, 2895, 255)},
                          CasoControllo{"Chiudi", px(6240, 4080, 975, 375)}}) {
        auto* w = f->fraMainFrame->findChild<QWidget*>(QString::fromLatin1(c.nome));
        ASSERT_NE(w, nullptr) << c.nome;
        EXPECT_EQ(w->geometry(), c.geometria) << c.nome;
    }
    // The self-sizing labels keep their top-left corner and fit their text.
    EXPECT_EQ(f->lblCompanyProduct->text(), "Calcolo delle spinte di");
    EXPECT_EQ(f->lblCompanyProduct->pos(), QPoint(176, 51));
    EXPECT_EQ(f->Nome_Programma->text(), "Spintaro 1.1");
    EXPECT_EQ(f->Nome_Programma->pos(), QPoint(192, 88));
    EXPECT_TRUE(f->Nome_Programma->font().bold());
    EXPECT_DOUBLE_EQ(f->Nome_Programma->font().pointSizeF(), 32.25);
    EXPECT_GE(f->Nome_Programma->width(),
              QFontMetrics(f->Nome_Programma->font()).horizontalAdvance("Spintaro 1.1"));
    EXPECT_EQ(f->lblPlatform->text(), "Win 95-Win 98");
    EXPECT_TRUE(f->lblPlatform->alignment().testFlag(Qt::AlignRight));
    // Everything stays inside the frame.
    for (QWidget* w : f->fraMainFrame->findChildren<QWidget*>())
        EXPECT_TRUE(f->fraMainFrame->rect().contains(w->geometry()))
            << w->objectName().toStdString();

    EXPECT_EQ(f->Label2->text(), "Semplice programma per il calcolo delle spinte utilizzando il "
                                 "metodo di Spintaro.");
    EXPECT_TRUE(f->Label2->wordWrap());
    EXPECT_EQ(f->Label4->text(),
              QStringLiteral("Per suggerimenti o problemi ") + QStringLiteral(SPINTARO_CONTACT));
    EXPECT_TRUE(QStringLiteral(SPINTARO_CONTACT).endsWith("example.org"));
    EXPECT_TRUE(f->Label3->text().contains("example.org"));
    EXPECT_TRUE(f->Image1->valida());
}

TEST(FinestraInformazioni, ChiudiHidesAndTheSameInstanceComesBack) {
    AmbienteProva a;
    a.avvia();
    auto* f = qobject_cast<FrmSplashWindow*>(a.registro().apri(IdFinestra::frmSplash));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(a.registro().apri(IdFinestra::frmSplash), f); // only brought to the front
    QTest::mouseClick(f->Chiudi, Qt::LeftButton);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(a.registro().istanza(IdFinestra::frmSplash), f);
    EXPECT_EQ(a.registro().apri(IdFinestra::frmSplash), f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(a.registro().caricamenti(IdFinestra::frmSplash), 1);
}

TEST(FinestraGrazie, CaptionGeometryAndWrappingLabels) {
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
    // Wrapping labels keep their place and width, and grow downwards only when the text needs it.
    auto collocata = [](QLabel* l, QRect r) {
        EXPECT_EQ(l->pos(), r.topLeft()) << l->objectName().toStdString();
        EXPECT_EQ(l->width(), r.width()) << l->objectName().toStdString();
        EXPECT_EQ(l->height(), std::max(r.height(), l->heightForWidth(r.width())));
    };
    collocata(g->Label1, px(1680, 1200, 1335, 1095));
    collocata(g->Label2, px(120, 2400, 2775, 855));
    EXPECT_LE(g->Label1->geometry().bottom(), g->Label2->geometry().top());
    EXPECT_EQ(g->Label1->text(), "Un Grazie a Ovidrano che ha reso possibile la realizzazione di "
                                 "questo programma ");
    EXPECT_EQ(g->Label2->text(), "(Eventuali danni a cose o persone dovute all'utilizzo di questo "
                                 "programma sono addebitabili ESCLUSIVAMENTE a LUI)");
    EXPECT_TRUE(g->Label1->wordWrap());
    EXPECT_TRUE(g->Label2->wordWrap());
    EXPECT_TRUE(g->Label2->alignment().testFlag(Qt::AlignHCenter));
    // The wrapped texts fit their labels: the narrow one needs several lines, and its height holds
    // them.
    for (QLabel* l : {g->Label1, g->Label2}) {
        const int alto = l->heightForWidth(l->width());
        EXPECT_LE(alto, l->height()) << l->objectName().toStdString();
        EXPECT_GT(alto, QFontMetrics(l->font()).height()) << l->objectName().toStdString();
    }
    EXPECT_TRUE(g->Picture1->valida());
    EXPECT_EQ(g->focusWidget(), g->Chiudi);
}

TEST(FinestraGrazie, ComesBackWhereAndAsItWasAfterChiudi) {
    AmbienteProva a;
    a.avvia();
    auto* g = qobject_cast<Grazie1Window*>(a.registro().apri(IdFinestra::grazie1));
    ASSERT_NE(g, nullptr);
    g->move(300, 200);
    g->resize(260, 240);
    const QRect prima = g->geometry();
    QTest::mouseClick(g->Chiudi, Qt::LeftButton);
    EXPECT_FALSE(g->isVisible());
    EXPECT_EQ(a.registro().apri(IdFinestra::grazie1), g);
    EXPECT_EQ(g->geometry(), prima);
}

TEST(FinestraGrazie, TheCloseBoxUnloadsIt) {
    AmbienteProva a;
    a.avvia();
    QWidget* g = a.registro().apri(IdFinestra::grazie1);
    ASSERT_NE(g, nullptr);
    g->close();
    EXPECT_EQ(a.registro().istanza(IdFinestra::grazie1), nullptr);
}

} // namespace
} // namespace spintaro

namespace spintaro {
namespace {

// "spintaro PROGETTO.spt", as a file manager starts it: the project opens as the Open command
// opens it, and the file windows start in its folder.
TEST(AperturaAllAvvio, OpensTheProjectNamedOnTheCommandLine) {
    AmbienteProva a;
    a.avvia();
    const QString iniziale = QDir::currentPath();
    const QString esempio = QStringLiteral(SPINTARO_EXAMPLES "/due_strati.spt");
    EXPECT_TRUE(a.app.apriAllAvvio(esempio));
    EXPECT_EQ(a.m().NumStrati, 2);
    EXPECT_EQ(a.m().Strati(1).Potenza, 2.5);
    EXPECT_EQ(a.m().Strati(2).Falda, 1);
    EXPECT_EQ(a.m().IndiceStrato, 0);
    EXPECT_EQ(QDir::currentPath(), QFileInfo(esempio).absolutePath());
    EXPECT_TRUE(a.messaggi.messaggi().empty());
    QDir::setCurrent(iniziale);
}

TEST(AperturaAllAvvio, AFileThatCannotBeOpenedIsReportedAndTheJobStaysEmpty) {
    AmbienteProva a;
    a.avvia();
    const QString iniziale = QDir::currentPath();
    for (const QString nome : {QStringLiteral(SPINTARO_TEST_DATA "/manca.spt"),
                               QStringLiteral(SPINTARO_TEST_DATA "/troncato.spt")}) {
        a.messaggi.azzera();
        EXPECT_FALSE(a.app.apriAllAvvio(nome));
        ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
        EXPECT_TRUE(a.messaggi.messaggi()[0].testo.contains(QFileInfo(nome).fileName()));
        EXPECT_TRUE(a.messaggi.messaggi()[0].testo.contains("non è stato aperto"));
        EXPECT_EQ(a.m(), Modulo1{});
        EXPECT_EQ(QDir::currentPath(), iniziale);
        EXPECT_TRUE(a.finestra->isVisible());
    }
    EXPECT_TRUE(a.app.apriAllAvvio(QString())); // no argument: nothing to open
}

} // namespace
} // namespace spintaro
