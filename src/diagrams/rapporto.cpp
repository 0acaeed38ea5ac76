// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrams/rapporto.h"

#include "text/voci_strato.h"

namespace spintaro {

std::vector<std::vector<std::string>> RigheRapporto(Modulo1& m, std::string_view decimale) {
    std::vector<std::vector<std::string>> righe;
    righe.push_back(IntestazioneRapporto());
    percorri(m, 1, m.NumStrati,
             [&](int i) { righe.push_back(VociStrato(m.Strati(i), i, decimale)); });
    return righe;
}

} // namespace spintaro
