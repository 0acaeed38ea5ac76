// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrams/schema_carichi.h"

#include <algorithm>

namespace spintaro {

namespace {

// The far edge of a load from the wall, m.
double Estremo(const Carico& c) {
    const bool largo = c.tipo == TipoCarico::Striscia || c.tipo == TipoCarico::Trapezio;
    return c.a + (largo ? c.b : 0);
}

} // namespace

SchemaCarichi DisponiCarichi(std::span<const double> spessori, std::span<const Carico> carichi,
                             double larghezza, double altezza, const MarginiSchema& m) {
    SchemaCarichi s;
    double h = 0;
    for (double t : spessori)
        h += std::max(t, 0.0);
    s.profondita = h > 0 ? h : 1;
    // A tenth more than the farthest edge, so that its label has room beyond it.
    double distanza = 2;
    for (const Carico& c : carichi)
        distanza = std::max(distanza, 1.1 * Estremo(c));
    const double utileX = std::max(larghezza - m.sinistra - m.destra, 1.0);
    const double utileY = std::max(altezza - m.sopra - m.fascia - m.sotto, 1.0);
    s.scala = std::min(utileX / distanza, utileY / s.profondita);
    s.xMuro = m.sinistra;
    s.yTerreno = m.sopra + m.fascia;
    double z = 0;
    for (double t : spessori) {
        z += std::max(t, 0.0);
        s.yStrati.push_back(s.yTerreno + z * s.scala);
    }

    // The intensities of the spread loads (kPa) share one scale, those of the line and point
    // loads theirs: each group's largest fills the band.
    double massimoQ = 0;
    for (const Carico& c : carichi)
        massimoQ = std::max({massimoQ, c.tipo == TipoCarico::Striscia ? c.q : 0.0,
                             c.tipo == TipoCarico::Trapezio ? std::max(c.q1, c.q2) : 0.0});
    const double alto = m.fascia;
    auto altezzaDi = [&](double q) {
        return massimoQ > 0 ? alto * q / massimoQ : 0.0;
    };
    for (const Carico& c : carichi) {
        FiguraCarico f{c.tipo, s.xMuro + c.a * s.scala, s.xMuro + Estremo(c) * s.scala, alto, alto};
        if (c.tipo == TipoCarico::Striscia)
            f.h1 = f.h2 = altezzaDi(c.q);
        else if (c.tipo == TipoCarico::Trapezio) {
            f.h1 = altezzaDi(c.q1);
            f.h2 = altezzaDi(c.q2);
        }
        s.figure.push_back(f);
    }
    return s;
}

} // namespace spintaro
