// SPDX-License-Identifier: GPL-3.0-or-later
// Any finite double in the print form reads back as its value rounded to 15 significant digits.
#include "text/testi_numerici.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace spintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n < sizeof(double))
        return 0;
    double v = 0;
    std::memcpy(&v, dati, sizeof v);
    if (!std::isfinite(v))
        return 0;
    const std::string testo = FormaStampa(v, ".");
    if (testo.size() < 3 || testo.back() != ' ' || (testo[0] != ' ' && testo[0] != '-'))
        std::abort();
    const double letto = LeggiNumeroIniziale(testo);
    char atteso[64];
    std::snprintf(atteso, sizeof atteso, "%.14e", v);
    double riferimento = std::strtod(atteso, nullptr);
    if (std::isinf(riferimento)) // the largest doubles are cut, not rounded up
        riferimento = std::copysign(1.79769313486231e308, v);
    if (letto != riferimento && !(letto == 0 && riferimento == 0))
        std::abort();
    // The general conversion with a comma reads back the same through a value box.
    const double generale = LeggiValoreCasella(TestoGenerale(v, ","), {",", "."});
    if (generale != letto && !(generale == 0 && letto == 0))
        std::abort();
    return 0;
}
