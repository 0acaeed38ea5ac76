// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/scala_assi.h"

#include <algorithm>
#include <cmath>

namespace spintaro {

std::optional<ScalaAsse> scalaAsse(double minimo, double massimo, int massimoIntervalli) {
    if (!std::isfinite(minimo) || !std::isfinite(massimo) || massimoIntervalli < 1)
        return std::nullopt;
    if (minimo > massimo)
        std::swap(minimo, massimo);
    if (minimo == massimo) {
        const double unita = minimo != 0 ? std::fabs(minimo) : 1.0;
        if (minimo < 0)
            minimo -= unita;
        else
            massimo += unita;
    }
    const double ampiezza = massimo - minimo;
    if (!std::isfinite(ampiezza) || ampiezza <= 0)
        return std::nullopt;
    // Start one decade below the step that would give exactly massimoIntervalli intervals, then
    // take 1, 2, 5 × 10ⁿ upward until the rounded ends fit.
    double decade = std::pow(10.0, std::floor(std::log10(ampiezza / massimoIntervalli)) - 1);
    for (int giro = 0; giro < 8 && std::isfinite(decade) && decade > 0; ++giro, decade *= 10) {
        for (const double mantissa : {1.0, 2.0, 5.0}) {
            const double passo = mantissa * decade;
            const double primo = std::floor(minimo / passo);
            const double ultimo = std::ceil(massimo / passo);
            // With values far larger than the step the two ends may round together: a larger
            // step will part them.
            if (!std::isfinite(passo) || !std::isfinite(primo) || !std::isfinite(ultimo) ||
                ultimo - primo > massimoIntervalli || ultimo - primo < 1)
                continue;
            ScalaAsse s;
            s.passo = passo;
            s.inizio = primo * passo;
            s.fine = ultimo * passo;
            if (!std::isfinite(s.inizio) || !std::isfinite(s.fine))
                return std::nullopt;
            const int intervalli = static_cast<int>(ultimo - primo);
            for (int k = 0; k <= intervalli; ++k) {
                const double multiplo = primo + k;
                s.tacche.push_back(multiplo == 0 ? 0.0 : multiplo * passo);
            }
            return s;
        }
    }
    return std::nullopt;
}

int decimaliPasso(double passo) {
    if (!(passo > 0) || !std::isfinite(passo))
        return 0;
    // The mantissa is 1, 2 or 5, so the decade alone decides; the small margin keeps 0.1 (held a
    // hair above a tenth) at one decimal.
    return std::max(0, static_cast<int>(-std::floor(std::log10(passo) + 1e-9)));
}

} // namespace spintaro
