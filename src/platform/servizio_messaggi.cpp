// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/servizio_messaggi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace spintaro {

std::unique_ptr<QMessageBox> MessaggiQt::scatola(const QString& titolo, const QString& testo,
                                                 Pulsanti pulsanti) {
    QMessageBox::StandardButtons tasti = QMessageBox::Ok;
    QMessageBox::StandardButton predefinito = QMessageBox::Ok;
    if (pulsanti == Pulsanti::OkAnnulla)
        tasti = QMessageBox::Ok | QMessageBox::Cancel;
    if (pulsanti == Pulsanti::SiNo) {
        tasti = QMessageBox::Yes | QMessageBox::No;
        predefinito = QMessageBox::Yes;
    }
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::NoIcon, titolo, QString(testo).replace(QStringLiteral("\r\n"), "\n"), tasti);
    box->setDefaultButton(predefinito);
    if (pulsanti == Pulsanti::OkAnnulla)
        box->button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    return box;
}

Risposta MessaggiQt::mostra(const QString& titolo, const QString& testo, Pulsanti pulsanti) {
    const int scelta = scatola(titolo, testo, pulsanti)->exec();
    return scelta == QMessageBox::Cancel || scelta == QMessageBox::No ? Risposta::Annulla
                                                                      : Risposta::Ok;
}

void MessaggiQt::beep() {
    QApplication::beep();
}

} // namespace spintaro
