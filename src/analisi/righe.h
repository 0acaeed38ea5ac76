// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every design row is made of, static or seismic: its layers, its totals and the rule that
// marks the governing row; and what every pass over the profile shares: its segments, their
// shares of the thrust and the vertical part of the earth pressure.

#include "analisi/coefficienti.h"
#include "analisi/parametri.h"
#include "model/calcolo.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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
    // The loads on the backfill: their horizontal pressure at the top and at the base with the
    // row's factors, kPa, beside sa1 and sa2 (which leave them out); none without loads.
    std::optional<double> pc1, pc2;
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

// The site values behind kh, in a line: "Ss = 1,325 (Tab. 3.2.IV), St = 1,00 (Tab. 3.2.V),
// amax/g = 0,3313, βm = 0,38 (Tab. 7.11.II)"; or that kh was given directly.
std::string DescrizioneSito(const DatiSismici& d, std::string_view decimale);

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
    // The loads' factored share, included in spinta and momento; none without loads.
    std::optional<double> spintaCarichi, momentoCarichi;
    bool governa = false;            // the governing A row; of a seismic row: the governing kv sign
    std::vector<std::string> avvisi; // what this row should be read with (also in the result's)
    std::vector<StratoProgetto> strati;
    std::optional<DatiSismici> sisma; // seismic rows only (combinazione is then SLE)
};

// A load on the backfill with its characteristic thrust, moment about the base and arm (factor 1).
struct EsitoCarico {
    Carico carico;
    SpintaCarico caratteristica;
};

struct RisultatoProgetto {
    bool ok = false;
    std::string messaggio; // Italian, when !ok: which layer, which combination, why
    std::vector<RigaProgetto> righe;
    std::vector<EsitoCarico> carichi;
    std::vector<std::string> avvisi; // notes the results and the report show
};

// Whether every number of the row (its totals, its seismic data, each layer's values) is finite.
bool RigaFinita(const RigaProgetto& r);

// Marks the governing rows by one rule: among the A rows, and among the rows of each seismic limit
// state, the largest horizontal thrust, or for a passive resistance the smallest design
// resistance R/γR (the unfavourable one); the first of equal rows.
void SegnaGovernanti(std::vector<RigaProgetto>& righe, StatoTerreno stato);

// The pieces of the profile a pass hands to the shares, with the tangent of each piece's
// inclination to the horizontal: one buffer serves every pass of a calculation.
struct Segmenti {
    std::vector<Strato> strati;
    std::vector<double> inclinazioni;
    void svuota(std::size_t quanti) { // emptied, with room for quanti pieces
        strati.clear();
        inclinazioni.clear();
        strati.reserve(quanti);
        inclinazioni.reserve(quanti);
    }
    void aggiungi(const Strato& s, double tanInclinazione) {
        strati.push_back(s);
        inclinazioni.push_back(tanInclinazione);
    }
};

// The vertical part of the earth pressure at one depth: (σh − u)·tan δ, never below zero.
inline double ComponenteVerticale(double pressione, double u, double tanInclinazione) {
    return tanInclinazione == 0 ? 0.0 : std::max(0.0, pressione - u) * tanInclinazione;
}

// The shares of the segments (AnalizzaStrati) and the vertical component of their earth part.
struct SommaSegmenti {
    AnalisiSpinta analisi;
    double verticale = 0;
};
SommaSegmenti SommaDiSegmenti(const Segmenti& s);

// The name of a row's coefficient, one for every output: "Ka", "K0", "Kp" by the state of the
// soil, "K_AE" or "K_PE" in a seismic row.
std::string_view NomeCoefficiente(StatoTerreno stato, bool sismica);

// Which rows have a column: every row, the seismic ones (θ, kh, ...), or every row of a job with
// loads on the backfill (their share and pressures). The CSV puts the last two groups at its end,
// only when some project has them.
enum class GruppoColonne { Base, Sisma, Carichi };

// A column of the layers of a design row, one for every output: its JSON key, its CSV column,
// its label and unit in the tables, the decimals of the tables, and its value. The JSON and the
// CSV carry every column; the tables of the batch calculator, the report and the results window
// choose theirs by key.
struct ColonnaStrato {
    std::string_view chiave;    // "phi_d"
    std::string_view csv;       // "phi_d"; the pressures "sa1_d" beside the characteristic "sa1"
    std::string_view etichetta; // "φ′d"; the coefficient's is its name in the row, ColonnaDi
    std::string_view unita;     // "°", "kPa", "kN/m³" or ""
    int decimali = 3;
    GruppoColonne gruppo = GruppoColonne::Base;
    std::optional<double> (*valore)(const StratoProgetto&) = nullptr;
};
std::span<const ColonnaStrato> ColonneStrato();
// The column of a key (one of ColonneStrato's).
const ColonnaStrato& ColonnaStratoDi(std::string_view chiave);
// Its label in a row of this state, seismic or not: "Ka", "Ka,h", "K_AE,h"; the others their own.
std::string EtichettaColonna(const ColonnaStrato& c, StatoTerreno stato, bool sismica);

// A column of the design rows themselves, one for every output: its JSON key, its CSV column
// (empty: not in the CSV), its label and unit in the tables, the decimals of the tables, and its
// value. A yes/no column (governa) is true/false in the JSON and 1/0 in the CSV.
struct ColonnaRiga {
    std::string_view chiave;    // "spinta"
    std::string_view csv;       // "spinta_d", beside the characteristic "spinta_totale"
    std::string_view etichetta; // "S orizz."
    std::string_view unita;     // "kN/m", "kN·m/m", "m" or ""
    int decimali = 3;
    GruppoColonne gruppo = GruppoColonne::Base;
    bool siNo = false;
    std::optional<double> (*valore)(const RigaProgetto&) = nullptr;
};
std::span<const ColonnaRiga> ColonneRiga();
// The column of a key (one of ColonneRiga's).
const ColonnaRiga& ColonnaRigaDi(std::string_view chiave);

// The sense of a seismic row's vertical inertia force, one wording for every output:
// "kv verso il basso" (s = +1) or "kv verso l'alto".
std::string_view VersoKv(int segno);

// The height of the point of application above the base, M/S; none where it is not a finite
// number (no thrust).
std::optional<double> Braccio(double momento, double spinta);

// An angle for a message: two decimals and the degree sign.
std::string TestoGradi(double v);

} // namespace spintaro
