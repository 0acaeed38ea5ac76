// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/esportazione.h"

#include "text/voci_strato.h"
#include "text/zone_stampa.h"

namespace spintaro {

std::string TestoEsportazione(Modulo1& m, std::string_view decimale) {
    std::string out = rigaAZone(IntestazioneEsportazione()) + "\r\n";
    percorri(m, 1, m.NumStrati, [&](int i) {
        out += rigaAZone(VociStrato(m.Strati(i), i, decimale));
        out += "\r\n";
    });
    return out;
}

} // namespace spintaro
