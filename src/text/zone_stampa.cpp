// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/zone_stampa.h"

namespace spintaro {

std::size_t colonne(std::string_view testo) {
    std::size_t n = 0;
    for (unsigned char c : testo)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

std::string rigaAZone(const std::vector<std::string>& voci) {
    std::string riga;
    std::size_t p = 0;
    for (std::size_t k = 0; k < voci.size(); ++k) {
        riga += voci[k];
        p += colonne(voci[k]);
        if (k + 1 < voci.size()) {
            const std::size_t prossima = LarghezzaZona * (p / LarghezzaZona + 1);
            riga.append(prossima - p, ' ');
            p = prossima;
        }
    }
    return riga;
}

} // namespace spintaro
