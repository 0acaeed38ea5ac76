// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Loads on the ground surface behind the wall, parallel to it: a uniform strip, a strip that
// varies linearly across its width (an embankment's slope), a line load and a point load. Each
// gives a horizontal pressure on the wall by the theory of elasticity (Boussinesq), multiplied by
// f: 2 for a rigid wall that does not yield (Terzaghi 1954; NAVFAC DM-7.2), 1 for the elastic
// half-space, a wall that yields. The thrust and the moment of a load over any depth interval are
// the exact integrals of its pressure, so a layer's share needs no rule between its boundaries.
// A load's text, "striscia:q=20,a=1,b=3", is how the batch calculator and the parameter file
// write it.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

enum class TipoCarico { Striscia, Trapezio, Linea, Punto };
// Permanent non-structural (G2, NTC 2018 §2.5.1.3) or variable (Q).
enum class AzioneCarico { Permanente, Variabile };

inline constexpr std::size_t MassimoCarichi = 20;
inline constexpr double FattoreMuroRigido = 2;   // f of a wall that does not yield
inline constexpr double FattoreMuroElastico = 1; // f of a wall that yields

// One load. a is the horizontal distance of its near edge (of the line, of the point) from the
// back of the wall, m; b the width of a strip, m. Only the intensity of its kind is read: q (kPa)
// of a strip, q1 at the near edge and q2 at the far edge (kPa) of a trapezoid, Q (kN/m of wall) of
// a line, P (kN) of a point.
struct Carico {
    TipoCarico tipo = TipoCarico::Striscia;
    double a = 0, b = 0;
    double q = 0, q1 = 0, q2 = 0, Q = 0, P = 0;
    AzioneCarico azione = AzioneCarico::Variabile;
    double psi2 = 0;       // ψ2 of a variable load (quasi-permanent combination), 0..1
    bool psi2Dato = false; // ψ2 was written, so its text keeps it even when 0

    bool operator==(const Carico&) const = default;
};

// The kind's word in the text and in the messages: "striscia", "trapezio", "linea", "punto".
std::string_view ParolaTipoCarico(TipoCarico t);

// The horizontal pressure of the load at depth z below the top of a wall of height H, kPa. A point
// load gives the pressure in the section in front of it, the largest along the wall.
double PressioneCarico(const Carico& c, double z, double H, double f = FattoreMuroRigido);

// A load's thrust over a depth interval, kN/m, and its moment about the base of the wall (depth
// H), kN·m/m; the arm is the height of the thrust above the base, empty when the thrust is zero.
struct SpintaCarico {
    double spinta = 0;
    double momento = 0;
    std::optional<double> braccio;
};

// The exact integral of the pressure over z1 ≤ z ≤ z2 (0 ≤ z1 ≤ z2 ≤ H), and of the pressure times
// (H − z): the share of a layer of the profile.
SpintaCarico SpintaCaricoTratto(const Carico& c, double z1, double z2, double H,
                                double f = FattoreMuroRigido);
// The same over the whole height 0..H.
SpintaCarico SpintaCaricoTotale(const Carico& c, double H, double f = FattoreMuroRigido);

// Reads one load's text, "striscia:q=20,a=1,b=3", "trapezio:q1=0,q2=30,a=1,b=4", "linea:Q=44,a=1",
// "punto:P=100,a=2", each with azione=variabile|permanente and psi2=N if wanted, a period as the
// decimal separator. numero is the load's place in its list, from 1, for the message. An Italian
// reason naming the load and the value, when the text is not a sound load.
std::optional<std::string> LeggiCarico(std::string_view testo, std::size_t numero, Carico& c);
// Reads a list of loads' texts, at most MassimoCarichi; carichi is left as it was on a refusal.
std::optional<std::string> LeggiCarichi(std::span<const std::string> testi,
                                        std::vector<Carico>& carichi);

// The inputs of a load's kind, in the order its text writes them: key ("q", "a", "b"), unit and
// value.
struct ValoreCarico {
    std::string_view chiave, unita;
    double valore = 0;
};
std::vector<ValoreCarico> ValoriCarico(const Carico& c);

// The text of a load that LeggiCarico reads back equal, as short as that allows.
std::string TestoCarico(const Carico& c);

// Whether the loads can be used with the factor f: at most MassimoCarichi, each with values in its
// range, f 1 or 2. An Italian reason otherwise.
std::optional<std::string> ControllaCarichi(std::span<const Carico> carichi,
                                            double f = FattoreMuroRigido);

// A short name for the outputs, each value with its unit: "striscia q = 20 kPa, b = 3 m, a = 1 m",
// with the given decimal separator.
std::string DescrizioneCarico(const Carico& c, std::string_view decimale = ".");

} // namespace spintaro
