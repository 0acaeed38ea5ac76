// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the drawing of the loads on the backfill puts the wall, the layers and each load: one
// scale for distances and depths, so that the drawing is to scale, and the loads' intensities in
// a band above the ground line, each in proportion to the largest of its group.

#include "analisi/carichi.h"

#include <span>
#include <vector>

namespace spintaro {

// A load as drawn, in pixels: x1 its near edge (the line, the point), x2 its far edge (equal to x1
// for a line or a point); h1 and h2 how high it rises above the ground line at x1 and x2 (a
// strip's two equal, an arrow's length for a line or a point).
struct FiguraCarico {
    TipoCarico tipo = TipoCarico::Striscia;
    double x1 = 0, x2 = 0;
    double h1 = 0, h2 = 0;
};

struct SchemaCarichi {
    double scala = 0;               // pixels per metre, across and down alike
    double xMuro = 0, yTerreno = 0; // the back of the wall at the ground line
    double profondita = 0;          // the wall's height drawn, m (1 m without layers)
    std::vector<double> yStrati;    // the base of each layer
    std::vector<FiguraCarico> figure;
};

// The room the drawing leaves around the profile, in pixels: for the wall at the left, for the
// labels at the right, above and below, and the band of the loads above the ground line.
struct MarginiSchema {
    double sinistra = 24, destra = 24, sopra = 0, sotto = 8, fascia = 60;
};

// The drawing of layers of the given thicknesses (m) and of the loads in a widget of the given
// size: the wall's height and the farthest edge of a load (at least 2 m) fit inside the margins.
SchemaCarichi DisponiCarichi(std::span<const double> spessori, std::span<const Carico> carichi,
                             double larghezza, double altezza, const MarginiSchema& m = {});

} // namespace spintaro
