// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"

#include <optional>
#include <string>
#include <string_view>

namespace spintaro {

// The tension depth shown for layer n: only where the layer is in tension at its top (Sa1 < 0)
// and the depth is defined. Empty for a record outside the table.
std::optional<double> z0Mostrato(const Modulo1& m, long long n);

// The texts of the "Visualizza" frame for layer n, in the display forms: the layer number, the
// thickness in the general conversion, the other inputs and results by "###.###"; Sa1 reads "0"
// when it is negative (the tension depth is shown then), and z0 is empty where it does not apply.
// A record outside the table gives the number alone and every other text empty.
struct TestiStrato {
    std::string strat, pot, gam, coes, attritint, ka, Sv, sa1, sa2, z0;
    bool operator==(const TestiStrato&) const = default;
};
TestiStrato TestiMostraStrato(const Modulo1& m, long long n, std::string_view decimale);

} // namespace spintaro
