// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace spintaro {

// Where the program sends a user with a suggestion or a problem, and its web address, set when it
// is built: the distributor's address, else the manual page (see CMakeLists.txt); the web
// address, empty while it is the default under a reserved example domain.
inline QString indirizzoSegnalazioni() {
    return QStringLiteral(SPINTARO_SEGNALAZIONI);
}
inline QString indirizzoWeb() {
    // The placeholder of a build without a real address is not shown: no invented address.
    const QString web = QStringLiteral(SPINTARO_WEB);
    return web.contains(QStringLiteral("example.")) ? QString() : web;
}

} // namespace spintaro
