// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/testi_strato.h"

#include "model/calcolo.h"
#include "text/testi_numerici.h"

#include <cmath>

namespace spintaro {

std::optional<double> z0Mostrato(const Modulo1& m, long long n) {
    if (n < 1 || n > UltimoRecord)
        return std::nullopt;
    const Strato& s = m.Strati(n);
    if (classificaPressione(s) != CasoPressione::Trazione)
        return std::nullopt;
    // The depth of the layer's base, summed from the top in the order the thrust sums it, so that
    // the depth shown is the very number the thrust and the diagram use.
    double zBase = 0.0;
    for (long long i = 1; i <= n; ++i)
        zBase = zBase + m.Strati(i).Potenza;
    const double inizio = InizioTrazione(s, zBase);
    if (!std::isfinite(inizio))
        return std::nullopt;
    return inizio;
}

TestiStrato TestiMostraStrato(const Modulo1& m, long long n, std::string_view decimale) {
    TestiStrato t;
    t.strat = TestoIntero(n);
    if (n < PrimoRecord || n > UltimoRecord)
        return t;
    const Strato& s = m.Strati(n);
    auto display = [&](double v) {
        return FormatoDisplay(v, 3, decimale);
    };
    t.pot = TestoGenerale(s.Potenza, decimale);
    t.gam = display(s.Gamma);
    t.coes = display(s.Coesione);
    t.attritint = display(s.AttritoInterno);
    t.ka = display(s.Ka);
    t.Sv = display(s.Sv);
    t.sa1 = s.Sa1 < 0 ? TestoIntero(0) : display(s.Sa1);
    if (const auto z0 = z0Mostrato(m, n))
        t.z0 = display(*z0);
    t.sa2 = display(s.Sa2);
    return t;
}

} // namespace spintaro
