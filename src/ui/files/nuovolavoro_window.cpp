// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/nuovolavoro_window.h"

#include "model/azzeramento.h"
#include "platform/caratteri.h"
#include "platform/collegamenti.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

namespace spintaro {

NuovolavoroWindow::NuovolavoroWindow(Servizi& servizi)
    // No caption, yet not the empty text: under X an empty title is shown as the program's name.
    // One space shows an empty title bar.
    : FinestraBase(IdFinestra::Nuovolavoro, servizi, QStringLiteral(" ")) {
    const Twips twips = Twips::delloSchermo();
    setFont(fontMsSansSerif(8.25));
    resize(twips.dimensione(4680, 1380));

    Label1 = new QLabel(QStringLiteral("Nuovo Lavoro?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips.rettangolo(1440, 240, 2175, 375));
    auto pulsante = [&](const char* nome, const QString& testo, int sinistra, int larghezza) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(QLatin1String(nome));
        p->setAutoDefault(false);
        p->setGeometry(twips.rettangolo(sinistra, 840, larghezza, 375));
        return p;
    };
    Command1 = pulsante("Command1", QStringLiteral("&Si"), 600, 1335);
    Command2 = pulsante("Command2", QStringLiteral("&No"), 2280, 1215);
    QWidget::setTabOrder(Command1, Command2);
    Command1->setFocus(Qt::OtherFocusReason);

    QObject::connect(Command1, &QPushButton::clicked, this,
                     [this] { comando([this] { Command1_Click(); }); });
    QObject::connect(Command2, &QPushButton::clicked, this,
                     [this] { comando([this] { Command2_Click(); }); });
}

void NuovolavoroWindow::Command1_Click() {
    NuovoLavoro(servizi().modulo);
    // The "Visualizza" frame keeps what it showed; only the layer number starts again.
    servizi().collegamenti.lavoroNuovo();
    servizi().finestre.nascondi(IdFinestra::Nuovolavoro);
}

void NuovolavoroWindow::Command2_Click() {
    servizi().finestre.nascondi(IdFinestra::Nuovolavoro);
}

} // namespace spintaro
