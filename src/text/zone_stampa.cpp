// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/zone_stampa.h"

#include <cmath>

namespace spintaro {

std::size_t colonne(std::string_view testo) {
    std::size_t n = 0;
    for (unsigned char c : testo)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

std::vector<double> posizioniAZone(const std::vector<double>& larghezze, double zona) {
    std::vector<double> posizioni;
    posizioni.reserve(larghezze.size());
    double x = 0;
    for (std::size_t k = 0; k < larghezze.size(); ++k) {
        posizioni.push_back(x);
        x += larghezze[k];
        if (k + 1 < larghezze.size())
            x = zona * (std::floor(x / zona) + 1);
    }
    return posizioni;
}

std::string rigaAZone(const std::vector<std::string>& voci) {
    std::vector<double> larghezze;
    larghezze.reserve(voci.size());
    for (const std::string& v : voci)
        larghezze.push_back(static_cast<double>(colonne(v)));
    const std::vector<double> posizioni = posizioniAZone(larghezze, LarghezzaZona);
    std::string riga;
    std::size_t p = 0;
    for (std::size_t k = 0; k < voci.size(); ++k) {
        riga.append(static_cast<std::size_t>(posizioni[k]) - p, ' ');
        riga += voci[k];
        p = static_cast<std::size_t>(posizioni[k]) + colonne(voci[k]);
    }
    return riga;
}

} // namespace spintaro
