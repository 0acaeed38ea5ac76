// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/esportazione.h"

#include "text/testi_numerici.h"
#include "text/zone_stampa.h"

namespace spintaro {

std::vector<std::string> VociStrato(const Strato& s, int numero, std::string_view decimale) {
    return {FormaStampa(numero, decimale),           FormaStampa(s.Potenza, decimale),
            FormaStampa(s.Gamma, decimale),          FormaStampa(s.Coesione, decimale),
            FormaStampa(s.AttritoInterno, decimale), s.Falda != 0 ? "Si" : "No",
            FormatoDisplay(s.Ka, 2, decimale),       FormatoDisplay(s.Sv, 2, decimale),
            FormatoDisplay(s.Sa1, 2, decimale),      FormatoDisplay(s.Sa2, 2, decimale)};
}

const std::vector<std::string>& IntestazioneEsportazione() {
    static const std::vector<std::string> voci = {
        "Strato", "Potenza", "Gamma", "Coesione", "Attr.int.", "S.falda", "Ka", "Sv", "Sa1", "Sa2"};
    return voci;
}

std::string TestoEsportazione(Modulo1& m, std::string_view decimale) {
    std::string out = rigaAZone(IntestazioneEsportazione()) + "\r\n";
    percorri(m, 1, m.NumStrati, [&](int i) {
        out += rigaAZone(VociStrato(m.Strati(i), i, decimale));
        out += "\r\n";
    });
    return out;
}

} // namespace spintaro
