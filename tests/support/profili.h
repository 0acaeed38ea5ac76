// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/calcolo.h"

#include <vector>

namespace spintaro::prova {

// A layer's inputs.
inline Strato strato(double h, double gamma, double c, double fi, int falda = 0) {
    return {h, gamma, c, fi, 0, 0, 0, 0, static_cast<Intero16>(falda)};
}

// A layer with its computed values given directly.
inline Strato pressioni(double h, double gamma, double c, double ka, double sa1, double sa2) {
    return {h, gamma, c, 0, ka, 0, sa1, sa2, 0};
}

// A job under a surcharge, computed as the Ok command computes it.
inline Modulo1 profilo(double sovraccarico, const std::vector<Strato>& strati) {
    Modulo1 m;
    m.Strati(0).Sv = sovraccarico;
    for (std::size_t i = 0; i < strati.size(); ++i)
        m.Strati(static_cast<long long>(i) + 1) = strati[i];
    m.NumStrati = static_cast<Intero16>(strati.size());
    CalcolaStrati(m, m.NumStrati);
    return m;
}

} // namespace spintaro::prova
