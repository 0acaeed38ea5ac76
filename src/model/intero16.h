// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace spintaro {

// The program's integers (layer counts, the table cursor, the water-table flag, tick counters)
// are 16-bit signed. Every operation on them checks the range and fails with code 6.
using Intero16 = std::int16_t;

// v as a 16-bit integer; code 6 when it does not fit.
Intero16 aIntero16(long long v);

// a + delta, with the overflow test.
Intero16 somma16(Intero16 a, long long delta);

// A real rounded to the nearest 16-bit integer, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2). Code 6 when the result does not fit or x is not finite.
Intero16 arrotondaIntero16(double x);

} // namespace spintaro
