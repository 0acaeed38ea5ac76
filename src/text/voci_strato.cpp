// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/voci_strato.h"

#include "text/testi_numerici.h"

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

const std::vector<std::string>& IntestazioneRapporto() {
    static const std::vector<std::string> voci = {
        "Strato ",     "Potenza", "Gamma", "Coesione", "Attrito interno",
        "Sotto falda", "Ka",      "Sv",    "Sa1",      "Sa2"};
    return voci;
}

} // namespace spintaro
