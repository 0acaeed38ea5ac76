// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/intestazione_relazione.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>

namespace spintaro {

std::string programmaRelazione() {
    return "Spintaro " SPINTARO_VERSIONE;
}

CodiceCalcolo codiceRelazione() {
    const QString cartella = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() +
                             QStringLiteral("/" SPINTARO_DOCUMENTI_RELATIVI);
    const QFileInfo documento(cartella + QStringLiteral("/validazione.md"));
    return {documento.isFile() ? documento.canonicalPath().toStdString() : std::string(),
            SPINTARO_VERSIONE_VALIDAZIONE};
}

std::string dataOraRelazione() {
    const QString formato = QStringLiteral("dd/MM/yyyy HH:mm");
    bool numero = false;
    const qint64 epoca = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&numero);
    if (numero)
        return (QDateTime::fromSecsSinceEpoch(epoca, QTimeZone::utc()).toString(formato) +
                QStringLiteral(" UTC"))
            .toStdString();
    return QDateTime::currentDateTime().toString(formato).toStdString();
}

} // namespace spintaro
