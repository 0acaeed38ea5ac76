// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The design calculation: for each combination of the job's parameters, the pressures of every
// layer and the thrust on the wall, from the same per-layer rules as the layer computation (angle
// conversion, water, tension zone, shares), so that with the default parameters its SLE row is
// the layer computation's result bit for bit.

#include "analisi/coefficienti.h"
#include "analisi/parametri.h"
#include "model/modulo1.h"

#include <optional>
#include <string>
#include <vector>

namespace spintaro {

// One layer in one combination.
struct StratoProgetto {
    double phiD = 0;   // design friction angle φ′d, degrees
    double cD = 0;     // design cohesion c′d, kPa (as used: 0 below the water table by default)
    double gammaD = 0; // design unit weight, kN/m³
    double delta = 0;  // wall friction δ = δ/φ′ · φ′d (Coulomb), degrees
    Coefficiente k;    // coefficient, its horizontal part, inclination (δ), degrees
    double sa1 = 0, sa2 = 0; // horizontal design pressure at the top and at the base, with u, kPa
    double sv1 = 0, sv2 = 0; // vertical component of the earth pressure at the top and base, kPa
    double u1 = 0, u2 = 0;   // design pore pressure at the top and at the base, kPa
    std::optional<double> theta; // seismic rows: the angle θ of the layer, degrees
    // A layer in tension at its top: the depth below the surface where the diagram with the
    // surcharge, S(q), starts its triangle, m.
    std::optional<double> inizioTrazione;
};

// What a seismic row adds: the action of its limit state and kv sign, and the thrust split into
// its static part and the seismic increment.
struct DatiSismici {
    StatoLimite stato = StatoLimite::SLV;
    int kvSegno = 1;                   // +1: vertical inertia force downwards; −1: upwards
    double kh = 0, kv = 0;             // kv as a magnitude, ≥ 0
    std::optional<double> ss, st;      // site amplification (Tab. 3.2.IV, 3.2.V), from ag
    std::optional<double> amax, betaM; // amax/g = Ss·St·ag/g and βm (Tab. 7.11.II), from ag
    double spintaStatica = 0;          // the same parameters with kh = kv = 0, kN/m
    double incremento = 0;             // spinta − spintaStatica, kN/m
    std::optional<double> braccioIncremento; // height of the increment above the base, m
};

// One row of the results: a combination, or a seismic limit state and its kv sign.
struct RigaProgetto {
    std::string nome; // "SLE", "A1+M1", "A2+M2"; "SLV", "SLD" for the seismic rows
    Combinazione combinazione = Combinazione::SLE;
    std::string nota;               // what the combination is for, with its clause
    double gammaG1 = 1, gammaQ = 1; // the action factors applied
    double gammaPhi = 1, gammaC = 1, gammaGamma = 1;
    std::optional<double> gammaR;  // passive rows of the A combinations
    double spinta = 0;             // horizontal thrust, kN/m
    double spintaVerticale = 0;    // its vertical component (wall friction), kN/m
    double spintaAcqua = 0;        // its water part, kN/m
    double momento = 0;            // about the base of the profile, kN·m/m
    std::optional<double> braccio; // height of the point of application above the base, m
    bool governa = false;          // the governing A row; of a seismic row: the governing kv sign
    std::vector<StratoProgetto> strati;
    std::optional<DatiSismici> sisma; // seismic rows only (combinazione is then SLE)
};

struct RisultatoProgetto {
    bool ok = false;
    std::string messaggio; // Italian, when !ok: which layer, which combination, why
    std::vector<RigaProgetto> righe;
    std::vector<std::string> avvisi; // notes the results and the report show
};

// The combinations chosen in p for layers 1..NumStrati of m (inputs only: Potenza, Gamma,
// Coesione, AttritoInterno, Falda; the surcharge in Strati(0).Sv). Changes nothing.
// The design value of every result: E_d = γQ·E(q) + (γG1 − γQ)·E(q = 0), which is
// γG1·E(0) + γQ·[E(q) − E(0)] with the earth and the water as permanent actions and the
// surcharge as a variable one, each E computed with the M-factored parameters. A passive
// resistance takes the actions with factor 1 and shows γR beside its A rows.
// With the seismic action asked for (p.sisma), the rows of each limit state follow, two per
// state (kv downwards, then upwards): see analisi/sisma.h.
RisultatoProgetto CalcolaSpinteProgetto(const Modulo1& m, const ParametriCalcolo& p);

// Whether every number of the row (its totals, its seismic data, each layer's values) is finite.
bool RigaFinita(const RigaProgetto& r);

} // namespace spintaro
