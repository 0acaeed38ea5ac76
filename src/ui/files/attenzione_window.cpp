// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/attenzione_window.h"

#include "model/azzeramento.h"
#include "platform/caratteri.h"
#include "platform/collegamenti.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

namespace spintaro {

AttenzioneWindow::AttenzioneWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Attenzione, servizi, QStringLiteral("ATTENZIONE")) {
    const Twips twips = Twips::delloSchermo();
    setFont(fontMsSansSerif(8.25));
    resize(twips.dimensione(3750, 1410));

    Label1 = new QLabel(QStringLiteral("Salvare il Lavoro?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips.rettangolo(1200, 360, 1455, 255));
    auto pulsante = [&](const char* nome, const QString& testo, int sinistra) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(QLatin1String(nome));
        p->setAutoDefault(false);
        p->setGeometry(twips.rettangolo(sinistra, 960, 1095, 315));
        return p;
    };
    Command2 = pulsante("Command2", QStringLiteral("&Si"), 120);
    Command1 = pulsante("Command1", QStringLiteral("&No"), 1320);
    Command3 = pulsante("Command3", QStringLiteral("&Annulla"), 2520);
    // The label takes no focus: the buttons from left to right.
    QWidget::setTabOrder(Command2, Command1);
    QWidget::setTabOrder(Command1, Command3);
    Command2->setFocus(Qt::OtherFocusReason);

    QObject::connect(Command2, &QPushButton::clicked, this,
                     [this] { comando([this] { Command2_Click(); }); });
    QObject::connect(Command1, &QPushButton::clicked, this,
                     [this] { comando([this] { Command1_Click(); }); });
    QObject::connect(Command3, &QPushButton::clicked, this,
                     [this] { comando([this] { Command3_Click(); }); });
}

void AttenzioneWindow::Command2_Click() {
    servizi().finestre.apri(IdFinestra::Salva);
    servizi().finestre.nascondi(IdFinestra::Attenzione);
}

void AttenzioneWindow::Command1_Click() {
    ScartaLavoro(servizi().modulo);
    servizi().collegamenti.lavoroScartato();
    servizi().finestre.nascondi(IdFinestra::Attenzione);
}

void AttenzioneWindow::Command3_Click() {
    servizi().finestre.nascondi(IdFinestra::Attenzione);
}

} // namespace spintaro
