// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"

#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

// The report table: the header items, then the ten items of every layer 1..n (n read once),
// each row to be printed in zones of 14 average character widths. Walks with IndiceStrato as
// cursor, leaving it at n + 1.
std::vector<std::vector<std::string>> RigheRapporto(Modulo1& m, std::string_view decimale);

} // namespace spintaro
