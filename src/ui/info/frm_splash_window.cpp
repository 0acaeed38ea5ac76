// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/info/frm_splash_window.h"

#include "platform/caratteri.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/twips.h"
#include "ui/info/immagine_svg.h"
#include "ui/info/indirizzi.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace spintaro {

namespace {

constexpr int LarghezzaClient = 7455;
constexpr int AltezzaClient = 4710;
constexpr int CorniceSinistra = 45;
constexpr int CorniceAlto = 0;

} // namespace

FrmSplashWindow::FrmSplashWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::frmSplash, servizi, QString()) {
    // No title bar, no control box: "Chiudi" is the way out.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    const Twips t = Twips::delloSchermo();
    setFixedSize(t.dimensione(LarghezzaClient, AltezzaClient));
    setFont(fontMsSansSerif(8.25));

    fraMainFrame = new QFrame(this);
    fraMainFrame->setObjectName(QStringLiteral("fraMainFrame"));
    fraMainFrame->setFrameShape(QFrame::Box);
    fraMainFrame->setGeometry(t.rettangolo(CorniceSinistra, CorniceAlto, 7380, 4590));

    // Controls of the frame are placed at their twips inside it.
    auto dentro = [&](QWidget* w, const char* nome, int x, int y, int larghezza, int altezza) {
        w->setObjectName(QString::fromLatin1(nome));
        w->setGeometry(t.rettangolo(x, y, larghezza, altezza));
    };
    auto etichetta = [&](const char* nome, const QString& testo, int x, int y, int larghezza,
                         int altezza, const QFont& font) {
        auto* l = new QLabel(testo, fraMainFrame);
        dentro(l, nome, x, y, larghezza, altezza);
        l->setFont(font);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };

    Image1 = new ImmagineSvg(QStringLiteral(":/spintaro/muro.svg"), fraMainFrame);
    dentro(Image1, "Image1", 120, 480, 2745, 2490);
    Image1->setAccessibleName(QStringLiteral("Muro di sostegno con il diagramma delle spinte"));

    // These three labels size themselves to their text from their top-left corner.
    lblCompanyProduct = etichetta("lblCompanyProduct", QStringLiteral("Calcolo delle spinte di"),
                                  2640, 765, 3840, 435, fontArial(18, true));
    lblCompanyProduct->adjustSize();
    Nome_Programma = etichetta("Nome_Programma", QStringLiteral("Spintaro 1.1"), 2880, 1320, 3585,
                               765, fontArial(32.25, true));
    Nome_Programma->adjustSize();
    lblPlatform = etichetta("lblPlatform", QStringLiteral("Win 95-Win 98"), 4830, 2400, 2175, 360,
                            fontArial(15.75, true));
    lblPlatform->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblPlatform->adjustSize();

    Label2 = etichetta("Label2",
                       QStringLiteral("Semplice programma per il calcolo delle spinte utilizzando "
                                      "il metodo di Spintaro."),
                       360, 3480, 3495, 495, font());
    Label2->setWordWrap(true);
    Label4 = etichetta("Label4",
                       QStringLiteral("Per suggerimenti o problemi: ") + indirizzoSegnalazioni(),
                       240, 4080, 2175, 375, font());
    Label4->setWordWrap(true);
    Label3 = etichetta("Label3", indirizzoWeb(), 3120, 4200, 2895, 255, font());

    Chiudi = new QPushButton(QStringLiteral("Chiudi"), fraMainFrame);
    dentro(Chiudi, "Chiudi", 6240, 4080, 975, 375);
    Chiudi->setFont(font());
    Chiudi->setAutoDefault(false);
    connect(Chiudi, &QPushButton::clicked, this,
            [this] { comando([this] { this->servizi().finestre.nascondi(id()); }); });
    Chiudi->setFocus();
}

void FrmSplashWindow::showEvent(QShowEvent* evento) {
    // Centred on the screen it appears on.
    if (const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect r = geometry();
        r.moveCenter(schermo->availableGeometry().center());
        move(r.topLeft());
    }
    FinestraBase::showEvent(evento);
}

} // namespace spintaro
