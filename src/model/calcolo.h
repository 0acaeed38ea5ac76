// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"

#include <optional>
#include <vector>

namespace spintaro {

// The constants of the computation. π is taken as 3.14 on purpose: the program's results (and
// the engineers' hand checks of them) are built on it.
inline constexpr double PiGreco = 3.14;
inline constexpr double GammaAcqua = 10.0;

// Degrees to radians: gradi × 3.14 / 180.
double Radianti(double gradi);

// Sets s.Ka = tan²(3.14/4 − φ/2) and returns a copy of s.
Strato CalcolaKa(Strato& s);

// Pore-water pressure at the top and at the base of one layer, kPa.
struct Acqua {
    double u1 = 0; // at the top
    double u2 = 0; // at the base
};

// The pore pressure of layer i: γw times the water head measured from the top of the run of
// consecutive submerged layers that layer i belongs to. A dry layer ends a run, and the surface
// record 0 never belongs to one; a dry layer has no pore pressure. Reads only the inputs
// (Potenza, Falda) of layers 1..i. Code 9 for i outside 1..50.
Acqua PressioneAcqua(const Modulo1& m, long long i);
// The same for layers 1..n in one pass down the profile, in order.
std::vector<Acqua> PressioniAcqua(const Modulo1& m, long long n);

// The lateral pressure of one layer at its top and at its base for a coefficient k, from the
// vertical stress above the layer (svSopra), the layer's own Sv (at its base), its cohesion and
// its pore pressure. Dry: k·σv + s·2c·√k. Below the water table: (σv − u)·k + u, with s·2c·√k
// added only when coesioneSottoFalda. s is −1 for the active state, +1 for the passive one and 0
// where the cohesion takes no part (at rest). kc, when given, replaces 2·√k as the coefficient of
// the cohesion (EN 1997-1 Annex C).
struct Pressioni {
    double alto = 0; // kPa
    double base = 0; // kPa
};
Pressioni PressioneLaterale(const Strato& s, double svSopra, Acqua u, double k, double segno,
                            bool coesioneSottoFalda,
                            const std::optional<double>& kc = std::nullopt);

// Computes Ka, Sv, Sa1, Sa2 of record i from its inputs, Sv of record i − 1 and the pore pressure
// of the layer (PressioneAcqua). Below the water table the cohesion is not used and the pressure
// is the effective vertical stress times Ka plus the pore pressure: Sa = (Sv − u)·Ka + u.
// Code 9 for i outside 1..50; code 6 when a result is not finite (nothing is stored then).
void CalcolaStrato(Modulo1& m, long long i);

// The computation pass of Ok and Open: CalcolaStrato(1..n) in order, IndiceStrato as cursor.
void CalcolaStrati(Modulo1& m, long long n);

// How a layer contributes to the thrust and to the pressure diagram, by the signs of Sa1, Sa2.
enum class CasoPressione {
    TuttoInTrazione, // Sa1 < 0 and Sa2 < 0: no contribution
    Trazione,        // Sa1 < 0 < Sa2: a triangle from the start depth to Sa2 at the base
    Trapezio,        // Sa1 >= 0 < Sa2
    Nessuno,         // Sa2 == 0, or Sa1 >= 0 over Sa2 < 0
};
CasoPressione classificaPressione(const Strato& s);

// The height of layers 1..strati of m, their thicknesses summed from the top, m.
double AltezzaProfilo(const Modulo1& m, std::size_t strati);

// Depth below the ground surface where the pressure triangle of a layer in the Trazione case
// starts: where the straight line from Sa1 at the layer's top to Sa2 at its base crosses zero, so
// that the share is the area of the diagram as drawn. zBase is the depth of the layer's base.
double InizioTrazione(const Strato& s, double zBase);

// One layer's share of the thrust: the area of its pressure segment (the trapezoid between its top
// and base, or the triangle from InizioTrazione to its base), and the height of that area's
// centroid above the layer's base, which is the share's lever arm within the layer.
struct Quota {
    double area = 0;    // kN/m
    double braccio = 0; // m above the layer's base
};
Quota QuotaSpinta(const Strato& s, double zBase); // zBase as above

// Total thrust of layers 1..NumStrati, stored in SpintaTotale and returned. IndiceStrato is the
// cursor. Code 6 when the sum is not finite (SpintaTotale then keeps its old value).
double CalcolaSpinta(Modulo1& m);

// What the thrust is made of and where it acts, from the same shares that CalcolaSpinta adds.
struct AnalisiSpinta {
    double spinta = 0;             // total thrust, kN/m: the sum CalcolaSpinta makes
    double spintaAcqua = 0;        // its water part, the sum of ∫u dz over the layers, kN/m
    double momento = 0;            // overturning moment about the base of the profile, kN·m/m
    std::optional<double> braccio; // height of the point of application above the base,
                                   // momento / spinta, m; empty when the thrust is 0 or the
                                   // quotient is not finite
    std::vector<Acqua> strati;     // the pore pressures of layers 1..NumStrati, in order
    std::vector<double> aree;      // the share of each layer, kN/m, in order
};

// Reads layers 1..NumStrati as they stand and changes nothing, IndiceStrato included. Results that
// overflow with extreme inputs are left as they come out (not finite); code 9 when NumStrati
// exceeds 50.
AnalisiSpinta AnalizzaSpinta(const Modulo1& m);

// The same for any run of layers from the ground surface down, each with its Sa1, Sa2 (and, for
// the tension case, Ka, Gamma, Coesione) as a computation left them.
AnalisiSpinta AnalizzaStrati(const std::vector<Strato>& strati);

} // namespace spintaro
