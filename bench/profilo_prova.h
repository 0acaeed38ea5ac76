// SPDX-License-Identifier: GPL-3.0-or-later
// The job both benchmarks time: n layers alternating dry sand and submerged cohesive clay, under
// 10 kPa, computed once.
#pragma once
#include "model/calcolo.h"

namespace spintaro {

inline Modulo1 profilo(int n) {
    Modulo1 m;
    m.Strati(0).Sv = 10;
    for (int i = 1; i <= n; ++i)
        m.Strati(i) = i % 2 ? Strato{1.5, 18, 0, 32, 0, 0, 0, 0, 0}
                            : Strato{2.25, 19.5, 12, 24, 0, 0, 0, 0, 1};
    m.NumStrati = static_cast<Intero16>(n);
    CalcolaStrati(m, n);
    return m;
}

} // namespace spintaro
