// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/impostazioni_regionali.h"

namespace spintaro {

Separatori separatoriDi(const QLocale& locale) {
    Separatori s;
    s.decimale = locale.decimalPoint().toStdString();
    s.migliaia = locale.groupSeparator().toStdString();
    return s;
}

Separatori separatoriUtente() {
    return separatoriDi(QLocale::system());
}

} // namespace spintaro
