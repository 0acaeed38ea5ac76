// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/servizio_messaggi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace spintaro {

Risposta MessaggiQt::mostra(const QString& titolo, const QString& testo, Pulsanti pulsanti) {
    QMessageBox box(
        QMessageBox::NoIcon, titolo, QString(testo).replace(QStringLiteral("\r\n"), "\n"),
        pulsanti == Pulsanti::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    if (pulsanti == Pulsanti::OkAnnulla)
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    return box.exec() == QMessageBox::Cancel ? Risposta::Annulla : Risposta::Ok;
}

void MessaggiQt::beep() {
    QApplication::beep();
}

} // namespace spintaro
