// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/intero16.h"

#include <array>
#include <cstddef>

namespace spintaro {

// One soil layer. Fields in the order the project file uses.
struct Strato {
    double Potenza = 0;        // thickness h, m
    double Gamma = 0;          // unit weight, kN/m³
    double Coesione = 0;       // cohesion c, kPa
    double AttritoInterno = 0; // internal friction angle, degrees
    double Ka = 0;             // active earth-pressure coefficient
    double Sv = 0;             // vertical stress at the layer's base, kPa (record 0: surcharge)
    double Sa1 = 0;            // active pressure at the top, kPa
    double Sa2 = 0;            // active pressure at the base, kPa
    Intero16 Falda = 0;        // non-zero: below the water table

    bool operator==(const Strato&) const = default;
};

inline constexpr int PrimoRecord = 0;
inline constexpr int UltimoRecord = 50;
inline constexpr int NumeroRecord = 51;

// The one job in memory: the table of 51 records (record 0 is the ground surface, whose Sv is the
// surcharge; layers are 1..NumStrati) and the project scalars. The application owns exactly one
// and every window works on it in place.
class Modulo1 {
public:
    // Record i; code 9 when i lies outside 0..50 (the table is not touched). Inline, because every
    // walk over the table goes through it.
    Strato& Strati(long long i) {
        if (i < PrimoRecord || i > UltimoRecord)
            fuoriTabella();
        return m_strati[static_cast<std::size_t>(i)];
    }
    const Strato& Strati(long long i) const {
        if (i < PrimoRecord || i > UltimoRecord)
            fuoriTabella();
        return m_strati[static_cast<std::size_t>(i)];
    }

    Intero16 NumStrati = 0;    // layers (during entry: the number of the layer being typed)
    Intero16 IndiceStrato = 0; // shown layer, and the cursor of every walk over the table
    double SpintaTotale = 0;   // total thrust, kN/m

    bool operator==(const Modulo1&) const = default;

private:
    [[noreturn]] static void fuoriTabella(); // throws code 9

    std::array<Strato, NumeroRecord> m_strati{};
};

// Runs corpo(i) for IndiceStrato = da..a, with IndiceStrato as the counter, the bound taken once;
// IndiceStrato is left one past the last index visited (at da when nothing is visited).
template <typename Corpo> void percorri(Modulo1& m, long long da, long long a, Corpo&& corpo) {
    m.IndiceStrato = aIntero16(da);
    while (m.IndiceStrato <= a) {
        corpo(static_cast<int>(m.IndiceStrato));
        m.IndiceStrato = somma16(m.IndiceStrato, 1);
    }
}

} // namespace spintaro
