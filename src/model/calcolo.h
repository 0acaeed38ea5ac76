// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"

#include <optional>

namespace spintaro {

// The constants of the computation. π is taken as 3.14 on purpose: the program's results (and
// the engineers' hand checks of them) are built on it.
inline constexpr double PiGreco = 3.14;
inline constexpr double GammaAcqua = 10.0;

// Degrees to radians: gradi × 3.14 / 180.
double Radianti(double gradi);

// Sets s.Ka = tan²(3.14/4 − φ/2) and returns a copy of s.
Strato CalcolaKa(Strato& s);

// Computes Ka, Sv, Sa1, Sa2 of record i from its inputs and Sv of record i − 1.
// Code 9 for i outside 1..50; code 6 when a result is not finite (nothing is stored then).
void CalcolaStrato(Modulo1& m, long long i);

// The computation pass of Ok and Open: CalcolaStrato(1..n) in order, IndiceStrato as cursor.
void CalcolaStrati(Modulo1& m, long long n);

// Tension depth z0 = 2c / (γ·√Ka) of one layer, measured from the ground surface. Empty when the
// divisor is zero or the quotient is not finite.
std::optional<double> ProfonditaTrazione(const Strato& s);

// How a layer contributes to the thrust and to the pressure diagram, by the signs of Sa1, Sa2.
enum class CasoPressione {
    TuttoInTrazione, // Sa1 < 0 and Sa2 < 0: no contribution
    Trazione,        // Sa1 < 0 < Sa2: a triangle from the start depth to Sa2 at the base
    Trapezio,        // Sa1 >= 0 < Sa2
    Nessuno,         // Sa2 == 0, or Sa1 >= 0 over Sa2 < 0
};
CasoPressione classificaPressione(const Strato& s);

// Depth below the ground surface where the pressure triangle of a layer in the Trazione case
// starts. That is the layer's tension depth z0 when it lies between the layer's top and base;
// otherwise (z0 below the base, above the top, or undefined) the depth inside the layer where the
// straight line from Sa1 at the top to Sa2 at the base crosses zero.
// zBase is the depth of the layer's base.
double InizioTrazione(const Strato& s, double zBase);

// The area of one layer's pressure segment (its share of the thrust); zBase as above.
double QuotaSpinta(const Strato& s, double zBase);

// Total thrust of layers 1..NumStrati, stored in SpintaTotale and returned. IndiceStrato is the
// cursor. Code 6 when the sum is not finite (SpintaTotale then keeps its old value).
double CalcolaSpinta(Modulo1& m);

} // namespace spintaro
