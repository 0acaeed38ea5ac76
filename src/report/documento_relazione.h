// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace spintaro {

// The calculation report as a list of pages of drawing steps, in points (1/72 inch) from the
// top-left corner of an A4 portrait page, y growing downward. The core lays the pages out; a
// painter of the platform layer only draws the steps, so paper, PDF and screen agree.

inline constexpr double LarghezzaPagina = 595.2756; // 210 mm
inline constexpr double AltezzaPagina = 841.8898;   // 297 mm
inline constexpr double PuntiPerMm = 72.0 / 25.4;

// What no step goes beyond: 10 mm from every edge, inside what any printer prints.
inline constexpr double MargineStampabile = 10 * PuntiPerMm;

// The kind of text, which fixes its font: Liberation Sans (metrics of Arial and Helvetica) at a
// size and weight per kind.
enum class Carattere {
    Titolo,              // 16 pt bold
    Intestazione,        // 12 pt bold
    Corpo,               // 10 pt
    Tabella,             // 8.5 pt
    TabellaIntestazione, // 8.5 pt bold
    Piccolo,             // 7.5 pt: diagram labels, notes, page numbers
};

double dimensioneCarattere(Carattere c); // points
bool carattereGrassetto(Carattere c);

enum class Allineamento { Sinistra, Centro, Destra };

// The colours of the report. Rosso and RossoScuro are those of the screen diagrams (RGB 255,0,0
// for the layer lines, 128,0,0 for the pressure diagram's steps); Fondo is the light band behind
// every other table row.
enum class Inchiostro { Nero, Grigio, GrigioChiaro, Fondo, Rosso, RossoScuro };

// A text on one line: x is where the alignment puts it (left edge, centre or right edge), y its
// baseline.
struct TestoPagina {
    double x = 0, y = 0;
    std::string testo; // UTF-8
    Carattere carattere = Carattere::Corpo;
    Allineamento allineamento = Allineamento::Sinistra;
    Inchiostro inchiostro = Inchiostro::Nero;
};

struct LineaPagina {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Inchiostro inchiostro = Inchiostro::Nero;
    double spessore = 0.5; // points
};

// A rectangle's outline, and its filling when pieno.
struct RettangoloPagina {
    double x = 0, y = 0, larghezza = 0, altezza = 0;
    Inchiostro inchiostro = Inchiostro::Nero;
    double spessore = 0.5;
    bool pieno = false;
};

using PassoPagina = std::variant<TestoPagina, LineaPagina, RettangoloPagina>;

// Where a diagram lies on its page and what its plot shows: x1..x2 (kPa) from the plot's left
// to its right edge, z1..z2 (m of depth) from its top to its bottom edge.
struct RiquadroDiagramma {
    int pagina = 0; // 0-based
    double sinistra = 0, alto = 0, destra = 0, basso = 0;
    double x1 = 0, x2 = 1, z1 = 0, z2 = 1;
};

struct PaginaRelazione {
    std::vector<PassoPagina> passi;
};

struct DocumentoRelazione {
    std::string titolo; // the document's title, for the file's properties
    std::vector<PaginaRelazione> pagine;
    RiquadroDiagramma diagrammaSv, diagrammaSa; // pagina −1 when not drawn
};

} // namespace spintaro
