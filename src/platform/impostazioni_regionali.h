// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/testi_numerici.h"

#include <QLocale>

namespace spintaro {

// The separators of a locale, for reading value boxes and writing numbers.
Separatori separatoriDi(const QLocale& locale);

// The user's regional settings (on Linux: LC_ALL, LC_NUMERIC, LANG; a period when none is set).
Separatori separatoriUtente();

} // namespace spintaro
