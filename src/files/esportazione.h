// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"

#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

// The ten items of one layer as the export and the report write them: the layer number and the
// four inputs in the print form, "Si"/"No" for the water table, Ka, Sv, Sa1, Sa2 by "#.##".
std::vector<std::string> VociStrato(const Strato& s, int numero, std::string_view decimale);

// The export table's header items.
const std::vector<std::string>& IntestazioneEsportazione();

// The export file's bytes: the header line and one line per layer 1..NumStrati, in print zones of
// 14 columns, CR LF after every line. Walks with IndiceStrato as cursor.
std::string TestoEsportazione(Modulo1& m, std::string_view decimale);

} // namespace spintaro
