// Pictures of the two diagram windows and the report for the two-layer example, written into the
// folder named by SPINTARO_FOTOGRAFIE (docs/screenshots when the documentation is refreshed).
// Under Xvfb with a window manager the pictures include the window frame, for example:
//   xvfb-run -a -s "-screen 0 1280x1024x24" sh -c 'openbox & sleep 1;
//   SPINTARO_FOTOGRAFIE=docs/screenshots QT_QPA_PLATFORM=xcb
//   build/default/tests/gui/test_diagrammi --gtest_filter=Fotografie.*'

#include "ambiente_prova.h"
#include "diagrammi_prova.h"
#include "diagrams/finestra_diagramma.h"
#include "platform/registro_finestre.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

TEST(Fotografie, DiagrammiERapportoDelloEsempioADueStrati) {
    const QString cartella = qEnvironmentVariable("SPINTARO_FOTOGRAFIE");
    if (cartella.isEmpty())
        GTEST_SKIP() << "SPINTARO_FOTOGRAFIE non impostata: nessuna fotografia scritta";
    ASSERT_TRUE(QDir().mkpath(cartella));
    prova::AmbienteProva a;
    ASSERT_NE(a.avvia(), nullptr);
    prova::esempioDueStrati(a.m());
    const struct {
        IdFinestra id;
        const char* file;
    } finestre[] = {{IdFinestra::Sv, "sv.png"},
                    {IdFinestra::Sa, "sa.png"},
                    {IdFinestra::stampa1, "stampa1.png"}};
    for (const auto& f : finestre) {
        FinestraBase* w = a.registro().apri(f.id);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        // Under a real display (Xvfb with a window manager) the picture takes the frame too;
        // offscreen there is no frame and the window draws itself.
        QImage foto;
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            foto = w->grab().toImage();
        } else {
            QTest::qWait(300); // let the window manager finish the frame
            foto = w->screen()
                       ->grabWindow(0, w->frameGeometry().x(), w->frameGeometry().y(),
                                    w->frameGeometry().width(), w->frameGeometry().height())
                       .toImage();
            w->hide();
        }
        EXPECT_FALSE(foto.isNull());
        EXPECT_TRUE(foto.save(QDir(cartella).filePath(f.file))) << f.file;
    }
}

} // namespace
} // namespace spintaro
