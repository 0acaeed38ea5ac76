// SPDX-License-Identifier: GPL-3.0-or-later
// The window registry and the commands that open windows; twips; the about and thanks windows;
// the project named on the command line.

#include "ambiente_prova.h"
#include "platform/twips.h"
#include "ui/info/frm_splash_window.h"
#include "ui/info/grazie1_window.h"
#include "ui/info/immagine_svg.h"

#include <QAbstractButton>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace spintaro {
namespace {

using namespace prova;
using enum IdFinestra;

// Each window but the main one, as "name=title" (Nuovolavoro: an empty title bar): one instance,
// shown without an owner and not modal; hiding keeps it, the close box and the registry unload
// it, a new one loads again; the program goes on.
TEST(Registro, UnaSolaIstanzaNascondereConservaScaricareDistrugge) {
    const QStringList titoli =
        QStringLiteral("Sv=Sigma v|Sa=Sa|stampa1=stampa|Apri=Apri|Salva=Salva|Esporta=Esporta|"
                       "salvaimmagine=Salva Immagine|Attenzione=ATTENZIONE|Nuovolavoro= |"
                       "frmSplash=|grazie1=E Grazie....|Parametri=Parametri di calcolo|"
                       "SpinteProgetto=Spinte di progetto|"
                       "Intestazione=Intestazione del progetto|"
                       "Carichi=Carichi sul terrapieno")
            .split('|');
    for (int i = 1; i < int(TutteLeFinestre.size()); ++i) {
        const IdFinestra id = TutteLeFinestre[i];
        SCOPED_TRACE(titoli[i - 1].toStdString());
        AmbienteProva a;
        ASSERT_NE(a.avvia(), nullptr);
        RegistroFinestre& r = a.registro();
        QPointer<FinestraBase> f = r.apri(id);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->objectName() + "=" + f->windowTitle(), titoli[i - 1]);
        EXPECT_TRUE(f->isVisible() && !f->isModal() && f->parentWidget() == nullptr);
        r.nascondi(id);
        EXPECT_TRUE(!f->isVisible() && r.istanza(id) == f);
        EXPECT_TRUE(r.apri(id) == f && f->isVisible() && r.caricamenti(id) == 1);
        EXPECT_TRUE(f->close() && r.istanza(id) == nullptr);
        eliminaScaricate();
        ASSERT_TRUE(f.isNull() && (f = r.apri(id)) != nullptr);
        r.scarica(id);
        EXPECT_TRUE(r.istanza(id) == nullptr && r.caricamenti(id) == 2);
        eliminaScaricate();
        EXPECT_TRUE(f.isNull() && a.fini == 0 && a.finestra->isVisible());
    }
}

// "&Chiudi" and the main window's close box end the program once, asking nothing: every window
// is unloaded, shown, hidden or never shown, and nothing opens afterwards.
TEST(Registro, UscitaScaricaTutteLeFinestreEFinisce) {
    for (const bool bordo : {false, true}) {
        SCOPED_TRACE(bordo ? "bordo" : "Chiudi");
        AmbienteProva a;
        a.m().NumStrati = 3; // unsaved layers: nothing is asked
        a.avvia();
        QList<QPointer<FinestraBase>> finestre = {a.finestra, a.registro().apri(Sv),
                                                  a.registro().apri(Sa)};
        a.registro().nascondi(Sa);
        a.registro().stampa(stampa1);
        finestre << a.registro().istanza(stampa1);
        bordo ? (void)a.finestra->close() : clic(a.finestra->btn_Chiudi);
        EXPECT_TRUE(a.fini == 1 && a.registro().terminato() && a.messaggi.eventi().isEmpty());
        for (IdFinestra id : TutteLeFinestre)
            EXPECT_EQ(a.registro().istanza(id), nullptr) << nomeFinestra(id).toStdString();
        eliminaScaricate();
        EXPECT_EQ(finestre.count(QPointer<FinestraBase>()), 4);
        EXPECT_EQ(a.registro().apri(Sv), nullptr) << "nothing opens after the end";
    }
}

// Every menu item, toolbar picture and diagram button opens its window and no other, leaving the
// job alone: "command=window", "+" when it prints the window without showing it; a window loaded
// hidden by printing is the one shown next. The main window's load step sets IndiceStrato to 0.
TEST(Registro, OgniComandoApreLaSuaFinestra) {
    for (const QString& riga :
         QStringLiteral("Picture1=Attenzione new=Attenzione Picture4=Apri Open=Apri Picture2=Salva "
                        "Save=Salva esportamenu=Esporta Picture7=stampa1 stampa=stampa1 "
                        "Salva_Sv=salvaimmagine Salva_Sa=salvaimmagine info_programma=frmSplash "
                        "grazie=grazie1 Grafico=Sv Command1=Sa stampasv=Sv+ stampasa=Sa+")
             .split(' ')) {
        SCOPED_TRACE(riga.toStdString());
        const QString nome = riga.section('=', 0, 0), finestra = riga.section('=', 1);
        AmbienteProva a;
        a.m().IndiceStrato = 7;
        a.avvia();
        ASSERT_EQ(a.m().IndiceStrato, 0);
        a.m().NumStrati = 2;
        Modulo1 atteso = a.m();
        auto* azione = a.finestra->findChild<QAction*>(nome);
        auto* pulsante = a.finestra->findChild<QAbstractButton*>(nome);
        ASSERT_TRUE(azione || pulsante);
        azione ? azione->trigger() : clic(pulsante);
        QStringList aperte;
        for (IdFinestra id : TutteLeFinestre)
            if (const FinestraBase* f = a.registro().istanza(id); f != nullptr && id != Spintaro)
                aperte << nomeFinestra(id) + (f->isVisible() ? "" : "+");
        EXPECT_EQ(aperte, QStringList{finestra});
        EXPECT_EQ(a.stampa.stampate.join(' '), finestra.endsWith('+') ? finestra.chopped(1) : "");
        // Only the report's load step touches the job: it walks the two layers, ending at n + 1.
        if (finestra == "stampa1")
            atteso.IndiceStrato = 3;
        EXPECT_TRUE(a.m() == atteso && a.messaggi.eventi().isEmpty());
        for (IdFinestra id : {Sv, Sa}) // printed: loaded once, shown next
            EXPECT_TRUE(finestra != nomeFinestra(id) + "+" ||
                        (a.registro().apri(id)->isVisible() && a.registro().caricamenti(id) == 1));
    }
}

// 1440 twips make one inch: pixels = twips × dpi / 1440, halves away from zero; without a valid
// dpi, 96. A rectangle at 144 dpi: left 120 → 12 px, right edge 1575 → 157.5 → 158, 146 wide.
TEST(Twips, ArrotondaAlPixelPiuVicino) {
    const std::tuple<double, int, int> casi[] = {{96, 7875, 525},  {96, 7, 0},   {96, 8, 1},
                                                 {96, -30, -2},    {120, 15, 1}, {144, 15, 2},
                                                 {144, 1455, 146}, {0, 150, 10}, {-5, 150, 10}};
    for (const auto& [dpi, twips, pixel] : casi)
        EXPECT_EQ(Twips(dpi).px(twips), pixel) << dpi << " dpi, " << twips << " twips";
    EXPECT_EQ(Twips(144).rettangolo(120, 0, 1455, 375), QRect(12, 0, 146, 38));
}

QRect px(int x, int y, int w, int h) {
    return QRect(x / 15, y / 15, w / 15, h / 15);
}

// Places in twips, 15 to a pixel at 96 dpi. The about window: no title bar, 7455 × 4710 twips
// fixed, centred, everything inside its frame. The thanks window: a sizable frame of 3075 × 3225
// twips, the focus on "Chiudi"; its wrapping labels keep their place and width and grow downwards
// only when the text needs more lines than they hold. "Chiudi" hides each.
TEST(FinestreInformazioni, GeometriaTestiEChiusura) {
    AmbienteProva a;
    a.avvia();
    auto* f = qobject_cast<FrmSplashWindow*>(a.registro().apri(frmSplash));
    auto* g = qobject_cast<Grazie1Window*>(a.registro().apri(grazie1));
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
              "Spintaro 1.1|Per suggerimenti o problemi: " SPINTARO_SEGNALAZIONI);
    // No address under a reserved example domain (RFC 2606) is shown as if it were real.
    for (const QLabel* l : f->findChildren<QLabel*>())
        EXPECT_FALSE(l->text().contains("example.")) << l->objectName().toStdString();
    EXPECT_TRUE(f->Label2->wordWrap() && f->Image1->valida() && g->Picture1->valida() &&
                f->Nome_Programma->font().pointSizeF() == 32.25 &&
                f->Nome_Programma->font().bold());

    EXPECT_TRUE(!g->windowFlags().testFlag(Qt::FramelessWindowHint) &&
                g->size() == QSize(205, 215) && g->minimumSize() != g->maximumSize());
    EXPECT_EQ(std::tuple(g->Chiudi->geometry(), g->focusWidget()),
              std::tuple(px(1920, 240, 975, 495), g->Chiudi));
    EXPECT_EQ(f->Label2->geometry(), px(360, 3480, 3495, 495));
    EXPECT_FALSE(f->Image1->accessibleName().isEmpty());
    for (const auto& [l, r, nome, allineamento] :
         {std::tuple<QLabel*, QRect, const char*, Qt::Alignment>{
              g->Label1, px(1680, 1200, 1335, 1095), "Label1", Qt::AlignLeft | Qt::AlignTop},
          {g->Label2, px(120, 2400, 2775, 855), "Label2", Qt::AlignHCenter | Qt::AlignTop}}) {
        EXPECT_TRUE(l->objectName() == nome && l->alignment() == allineamento) << nome;
        EXPECT_EQ(l->geometry(),
                  QRect(r.topLeft(),
                        QSize(r.width(), std::max(r.height(), l->heightForWidth(r.width())))));
        EXPECT_GT(l->heightForWidth(l->width()), QFontMetrics(l->font()).height());
    }
    clic(f->Chiudi);
    clic(g->Chiudi);
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
        AmbienteProva a;
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
