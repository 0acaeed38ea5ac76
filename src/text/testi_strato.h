// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"

#include <optional>
#include <string>
#include <string_view>

namespace spintaro {

// The tension depth shown for layer n: the depth below the ground surface where the thrust and
// the pressure diagram start the layer's tension triangle (InizioTrazione), so that the screen,
// the diagram and the thrust agree. Only for a layer in tension at its top and in compression at
// its base (Sa1 < 0 < Sa2); a layer in tension all through (or with no pressure at its base) has
// no triangle and shows nothing, like a record outside layers 1..50.
std::optional<double> z0Mostrato(const Modulo1& m, long long n);

// The texts of the "Visualizza" frame for layer n, in the display forms: the layer number, the
// thickness in the general conversion, the other inputs and results by "###.###"; Sa1 reads "0"
// when it is negative, and z0 (z0Mostrato) is empty where it does not apply.
// A record outside the table gives the number alone and every other text empty.
struct TestiStrato {
    std::string strat, pot, gam, coes, attritint, ka, Sv, sa1, sa2, z0;
    bool operator==(const TestiStrato&) const = default;
};
TestiStrato TestiMostraStrato(const Modulo1& m, long long n, std::string_view decimale);

} // namespace spintaro
