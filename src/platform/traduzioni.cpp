// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/traduzioni.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace spintaro {

bool installaTraduzioniQt(QCoreApplication& app) {
    auto* traduttore = new QTranslator(&app); // the application owns it
    if (!traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduttore;
        return false;
    }
    return QCoreApplication::installTranslator(traduttore);
}

} // namespace spintaro
