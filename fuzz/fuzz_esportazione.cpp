// SPDX-License-Identifier: GPL-3.0-or-later
// Random tables exported: the header and a line per layer, each ending in CR LF, nothing cut.
#include "files/esportazione.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace spintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n < 1)
        return 0;
    Modulo1 m;
    const int strati = dati[0] % 51;
    std::size_t p = 1;
    auto prossimo = [&]() {
        double v = 0;
        if (p + sizeof v <= n) {
            std::memcpy(&v, dati + p, sizeof v);
            p += sizeof v;
        }
        return std::isfinite(v) ? v : 0.0;
    };
    for (int i = 1; i <= strati; ++i) // braces: the values are taken in order
        m.Strati(i) = {prossimo(), prossimo(), prossimo(), prossimo(),         prossimo(),
                       prossimo(), prossimo(), prossimo(), Intero16(i % 3 - 1)};
    m.NumStrati = static_cast<Intero16>(strati);
    const std::string testo = TestoEsportazione(m, ",");
    std::size_t righe = 0, inizio = 0;
    for (std::size_t fine; (fine = testo.find("\r\n", inizio)) != std::string::npos;
         inizio = fine + 2) {
        if (fine - inizio < 127) // ten items in ten zones: at least 9 × 14 + 1 columns
            std::abort();
        ++righe;
    }
    if (inizio != testo.size() || righe != static_cast<std::size_t>(strati) + 1)
        std::abort();
    if (m.IndiceStrato != strati + 1)
        std::abort();
    return 0;
}
