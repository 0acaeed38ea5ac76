// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/servizio_desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace spintaro {

std::optional<QString> DesktopQt::chiediFileDaSalvare(QWidget* genitore, const QString& titolo,
                                                      const QString& proposto,
                                                      const QString& filtro,
                                                      const QString& estensione) {
    QFileDialog dialogo(genitore, titolo);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilter(filtro);
    dialogo.setDefaultSuffix(estensione);
    dialogo.selectFile(proposto);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return std::nullopt;
    return dialogo.selectedFiles().constFirst();
}

bool DesktopQt::apriDocumento(const QString& percorso) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
}

} // namespace spintaro
