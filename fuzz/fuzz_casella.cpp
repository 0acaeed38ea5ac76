// SPDX-License-Identifier: GPL-3.0-or-later
// Any text in a value box, either separators: a finite number or error 13/6, nothing else.
#include "model/errore.h"
#include "text/testi_numerici.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace spintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    for (const Separatori& sep : {Separatori{",", "."}, Separatori{".", ","}}) {
        try {
            const double v = LeggiValoreCasella(testo, sep);
            if (!std::isfinite(v))
                std::abort();
            // What the box accepted, shown again, reads back to 15 digits.
            const double w = LeggiValoreCasella(TestoGenerale(v, sep.decimale), {sep.decimale, ""});
            if (std::fabs(w - v) > std::fabs(v) * 1e-14)
                std::abort();
        } catch (const Errore& e) {
            if (e.codice() != ErroreTipo && e.codice() != ErroreOverflow)
                std::abort();
        }
    }
    try {
        const double v = LeggiNumeroIniziale(testo);
        if (!std::isfinite(v))
            std::abort();
    } catch (const Errore& e) {
        if (e.codice() != ErroreOverflow)
            std::abort();
    }
    return 0;
}
