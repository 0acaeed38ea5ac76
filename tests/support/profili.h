// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/calcolo.h"
#include "report/documento_relazione.h"

#include <random>
#include <string>
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

// Surcharge 10 kPa; 2 m dry sand (γ 18, φ 30°) over 3 m of submerged cohesive soil (γ 20, c 5,
// φ 25°): thrust 137.822 kN/m, water part 45, moment 217.727 kN·m/m, 1.580 m above the base.
inline Modulo1 dueStrati() {
    return profilo(10, {strato(2, 18, 0, 30), strato(3, 20, 5, 25, 1)});
}

// Fifty layers under 10 kPa: 1 m of dry sand and 0.5 m of submerged cohesive soil in turn.
inline Modulo1 cinquantaStrati() {
    std::vector<Strato> s;
    for (int i = 1; i <= 50; ++i)
        s.push_back(i % 2 ? strato(1, 18, 0, 30) : strato(0.5, 20, 5, 25, 1));
    return profilo(10, s);
}

// From 53 random bits, the same on every platform.
inline double uniforme(std::mt19937_64& g, double da, double a) {
    return da + (a - da) * static_cast<double>(g() >> 11) * 0x1p-53;
}

// The texts of a report's page, in the order drawn.
inline std::vector<const TestoPagina*> testi(const PaginaRelazione& p) {
    std::vector<const TestoPagina*> t;
    for (const PassoPagina& s : p.passi)
        if (const auto* x = std::get_if<TestoPagina>(&s))
            t.push_back(x);
    return t;
}

// Every text of a report, page after page.
inline std::vector<std::string> righe(const DocumentoRelazione& d) {
    std::vector<std::string> r;
    for (const PaginaRelazione& p : d.pagine)
        for (const TestoPagina* t : testi(p))
            r.push_back(t->testo);
    return r;
}

} // namespace spintaro::prova
