// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrams/rapporto.h"

#include "files/esportazione.h"

namespace spintaro {

std::vector<std::vector<std::string>> RigheRapporto(Modulo1& m, std::string_view decimale) {
    std::vector<std::vector<std::string>> righe;
    righe.push_back({"Strato ", "Potenza", "Gamma", "Coesione", "Attrito interno", "Sotto falda",
                     "Ka", "Sv", "Sa1", "Sa2"});
    percorri(m, 1, m.NumStrati,
             [&](int i) { righe.push_back(VociStrato(m.Strati(i), i, decimale)); });
    return righe;
}

} // namespace spintaro
