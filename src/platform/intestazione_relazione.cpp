// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/intestazione_relazione.h"

#include <QDateTime>
#include <QTimeZone>

namespace spintaro {

std::string programmaRelazione() {
    return "Spintaro " SPINTARO_VERSIONE;
}

CodiceCalcolo codiceRelazione() {
    return {SPINTARO_URL_WEB, SPINTARO_VERSIONE_VALIDAZIONE};
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
