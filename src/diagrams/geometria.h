// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"

#include <optional>
#include <string>
#include <vector>

namespace spintaro {

// Colours of the diagrams: the window's foreground (axes, ticks, labels), bright red (layer
// lines, RGB 255,0,0) and dark red (the pressure diagram's steps, RGB 128,0,0).
enum class Colore { PrimoPiano, Rosso, RossoScuro };

// The two reds as red, green, blue: the screen, the images and the calculation report use them.
struct Rgb {
    int r, g, b;
};
inline constexpr Rgb RgbRosso{255, 0, 0};
inline constexpr Rgb RgbRossoScuro{128, 0, 0};

// One drawing operation in user coordinates (x grows to the right, y upward; depth d is at
// y = −d). Coordinates are single precision, as the canvas takes them.
struct Primitiva {
    enum class Tipo {
        Scala,  // the user rectangle: a = top-left corner, b = bottom-right corner
        Linea,  // a line from a to b; the current position moves to b
        LineaA, // a line from the current position to b
        Testo,  // testo with its top-left corner at a; the current position moves to a
    };
    Tipo tipo = Tipo::Linea;
    float ax = 0, ay = 0, bx = 0, by = 0;
    Colore colore = Colore::PrimoPiano;
    std::string testo;

    bool operator==(const Primitiva&) const = default;
};

using Disegno = std::vector<Primitiva>;

// What the canvas measures of the one-character text "X", in device pixels, and the size of its
// client area in pixels; the label offsets are these extents taken into user units (the width
// along x, the height along y).
struct MisuraX {
    double larghezza = 0;
    double altezza = 0;
    double clientLarghezza = 1;
    double clientAltezza = 1;
};

// The vertical-stress diagram of layers 1..NumStrati (at most 50), read from the table without
// changing it. Ticks whose limit falls outside the 16-bit range are left out.
Disegno DisegnoSv(const Modulo1& m, const MisuraX& x);

// The active-pressure diagram; a layer in tension at its top starts its segment at the depth
// that the thrust uses for it (InizioTrazione).
Disegno DisegnoSa(const Modulo1& m, const MisuraX& x);

// A diagram in a few figures, for a reader who cannot see it: the layers drawn, their total
// thickness (m), the largest value drawn (kPa) and, for the pressure diagram, the total thrust
// (kN/m) that its area makes, when it can be computed. The job is not changed.
struct SintesiDiagramma {
    int strati = 0;
    double profondita = 0;
    double massimo = 0;
    std::optional<double> spinta;
};

// The largest vertical stress, the surcharge at the ground line included.
SintesiDiagramma SintesiSv(const Modulo1& m);
// The largest pressure at a layer's top or base (0 without layers), and the total thrust of the
// layers drawn, computed on a copy of the job.
SintesiDiagramma SintesiSa(const Modulo1& m);

} // namespace spintaro
