// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace spintaro {

// The contact and web addresses shown by the program, set when it is built (a distributor puts
// the real ones; the defaults lie under a reserved example domain).
inline QString indirizzoContatto() {
    return QStringLiteral(SPINTARO_CONTACT);
}
inline QString indirizzoWeb() {
    return QStringLiteral(SPINTARO_WEB);
}

} // namespace spintaro
