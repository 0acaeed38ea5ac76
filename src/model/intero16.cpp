// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/intero16.h"

#include "model/errore.h"

#include <cmath>
#include <limits>

namespace spintaro {

Intero16 aIntero16(long long v) {
    if (v < std::numeric_limits<Intero16>::min() || v > std::numeric_limits<Intero16>::max())
        throw Errore(ErroreOverflow);
    return static_cast<Intero16>(v);
}

Intero16 somma16(Intero16 a, long long delta) {
    // delta is checked first so that the sum itself cannot overflow a long long.
    if (delta < -70000 || delta > 70000)
        throw Errore(ErroreOverflow);
    return aIntero16(static_cast<long long>(a) + delta);
}

Intero16 arrotondaIntero16(double x) {
    if (!std::isfinite(x) || x < -32768.5 || x > 32767.5)
        throw Errore(ErroreOverflow);
    // Round half to even without depending on the floating-point environment.
    double intera = std::floor(x);
    const double resto = x - intera;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(intera, 2.0) != 0.0))
        intera += 1.0;
    return aIntero16(static_cast<long long>(intera));
}

} // namespace spintaro
