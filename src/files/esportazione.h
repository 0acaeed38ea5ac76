// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"

#include <string>
#include <string_view>

namespace spintaro {

// The export file's bytes: the header line and one line per layer 1..NumStrati, in print zones of
// 14 columns, CR LF after every line. Walks with IndiceStrato as cursor.
std::string TestoEsportazione(Modulo1& m, std::string_view decimale);

} // namespace spintaro
