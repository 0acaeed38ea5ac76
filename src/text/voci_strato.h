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

// The header items of the export table and of the report (the report's words are longer).
const std::vector<std::string>& IntestazioneEsportazione();
const std::vector<std::string>& IntestazioneRapporto();

} // namespace spintaro
