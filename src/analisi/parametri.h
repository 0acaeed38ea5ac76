// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parameters of the design calculation of a job, and the one table that describes each of
// them: its key (the batch calculator's option without the dashes, and the key of the job's
// parameter file), its Italian label, unit, default, range and clause. The parameters window, the
// parameter file, the batch calculator's options and --help, and the report's parameter table
// all read that table.

#include "analisi/carichi.h"
#include "text/testi_numerici.h"

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

enum class StatoTerreno { Attiva, Riposo, Passiva };
enum class Teoria { Rankine, Coulomb, AnnessoC };

// The static combinations, in the order they are computed and shown.
enum class Combinazione { SLE, A1M1, A2M2 };
inline constexpr std::size_t NumeroCombinazioni = 3;

// A partial factor with one value per set: (A1, A2) for the actions, (M1, M2) for the soil
// parameters, (R3, R2) of the resistance that goes with A1+M1 and A2+M2.
using Fattore = std::array<double, 2>;

// The seismic limit states of NTC 2018 §3.2.1 the wall is checked for, in the order they are
// computed and shown: life safety (SLV) and damage limitation (SLD).
enum class StatoLimite { SLV, SLD };
inline constexpr std::size_t NumeroStatiLimite = 2;
// Subsoil categories of NTC 2018 Tab. 3.2.II and topographic categories of Tab. 3.2.III.
enum class CategoriaSuolo { A, B, C, D, E };
enum class CategoriaTopografica { T1, T2, T3, T4 };
// A value per limit state, absent where not given.
using PerStatoLimite = std::array<std::optional<double>, NumeroStatiLimite>;

// The seismic action (NTC 2018 §7.11.6). Off unless kh or ag is given for some limit state.
struct ParametriSisma {
    PerStatoLimite kh; // horizontal seismic coefficient given directly, 0 ≤ kh < 1
    PerStatoLimite ag; // ag/g of the site (§3.2), 0 ≤ ag/g < 1
    PerStatoLimite f0; // F0 of the site, > 0
    double kvKh = 0.5; // kv / kh, 0..1 (§7.11.6.2.1: kv = ±0.5·kh)
    CategoriaSuolo suolo = CategoriaSuolo::A;
    CategoriaTopografica topografia = CategoriaTopografica::T1;
    bool vincolato = false; // a wall that cannot move relative to the ground: βm = 1
    std::array<bool, NumeroStatiLimite> stati{true, false};
    bool acquaPermeabile = false; // EN 1998-5 E.7 (otherwise E.6, impervious)
    double porosita = 0;          // n of the submerged soil, γd = γ − n·γw (E.7 only)

    bool operator==(const ParametriSisma&) const = default;
};

// True when the seismic rows are asked for.
bool SismaRichiesto(const ParametriSisma& s);

struct ParametriCalcolo {
    StatoTerreno stato = StatoTerreno::Attiva;
    Teoria teoria = Teoria::Rankine;
    double deltaPhi = 0;             // wall friction δ/φ′d (Coulomb only), 0..1
    double beta = 0;                 // slope of the ground surface behind the wall, degrees
    double ocr = 1;                  // over-consolidation ratio, for the state at rest
    bool coesioneSottoFalda = false; // keep c′ below the water table
    double pressioneMinima = 0;      // σa ≥ this fraction of σ′v in cohesive layers; 0 = off
    std::array<bool, NumeroCombinazioni> combinazioni{true, true, true};
    Fattore gammaG1{1.3, 1.0};    // permanent actions, unfavourable (NTC 2018 Tab. 6.2.I)
    Fattore gammaQ{1.5, 1.3};     // variable actions, unfavourable (Tab. 6.2.I)
    Fattore gammaPhi{1.0, 1.25};  // on tan φ′ (Tab. 6.2.II)
    Fattore gammaC{1.0, 1.25};    // on c′ (Tab. 6.2.II)
    Fattore gammaGamma{1.0, 1.0}; // on the unit weight (Tab. 6.2.II)
    Fattore gammaR{1.4, 1.0};     // on the passive resistance (Tab. 6.5.I; R1 of §6.5.3.1.2)
    ParametriSisma sisma;
    // Loads on the backfill near the wall, their factor f (2: a wall that does not yield) and
    // the factor of the permanent ones (G2, Tab. 6.2.I); the variable ones take γQ.
    std::vector<Carico> carichi;
    double fattoreCarichi = FattoreMuroRigido;
    Fattore gammaG2{1.5, 1.3};

    bool operator==(const ParametriCalcolo&) const = default;
};

// The data of a project's heading (Committente, Opera, ...), kept with the parameters.
struct Intestazione {
    std::string committente, opera, localita, progettista, data;
    bool operator==(const Intestazione&) const = default;
};

// What a job holds beyond its layers: saved beside the project file.
struct DatiLavoro {
    ParametriCalcolo parametri;
    Intestazione intestazione;
    bool operator==(const DatiLavoro&) const = default;
};

// How a value is given, which fixes the control of the window and the option's form.
enum class TipoParametro {
    Scelta,       // one word of `scelte`
    Numero,       // a number (period or comma as decimal separator)
    Interruttore, // si / no; an option without a value
    PerInsieme,   // values per set, "A1=1.3,A2=1.0" (a set left out keeps its value)
    Elenco,       // a comma-separated list of words of `scelte`
    Testo,        // a line of text (heading data)
};

struct VoceParametro {
    std::string_view chiave{};    // option without "--", file key: "delta-phi"
    std::string_view etichetta{}; // Italian label: "Attrito terra-muro δ/φ′"
    std::string_view unita{};     // "", "°", ...
    std::string_view clausola{};  // where it comes from: "NTC 2018 Tab. 6.2.I"
    std::string aiuto{};          // one line for --help, its range and default included
    std::string forma{};          // the value in --help: "GRADI", "attiva|riposo|passiva"
    TipoParametro tipo = TipoParametro::Numero;
    std::vector<std::string_view> scelte{}; // Scelta, Elenco: the words; PerInsieme: the two sets
    bool calcolo = true;                    // a parameter of the calculation (false: heading data)
    // The value as the file and the option write it.
    std::function<std::string(const DatiLavoro&)> testo{};
    // The value as a window shows it, so that no window parses the text above: a number's value
    // first, a value per set's two (none for a set without one); nothing for the other kinds.
    std::function<std::array<std::optional<double>, 2>(const DatiLavoro&)> numeri{};
    // A list's words: whether each is chosen, in the order of `scelte`.
    std::function<std::vector<bool>(const DatiLavoro&)> scelti{};
    // How a message of the options and the file names it: "beta (β)", "gamma-q (γQ ...)".
    std::string nome{};
    // Sets the value from its text; an Italian reason, naming the value as the last argument
    // says, when the text is not a valid value.
    std::function<std::optional<std::string>(DatiLavoro&, std::string_view, std::string_view)>
        lettore{};
    // A value per set: the number of set k from its own box (either decimal separator), the
    // reason naming it "chiamato" followed by the set.
    std::function<std::optional<std::string>(DatiLavoro&, std::size_t, std::string_view,
                                             std::string_view)>
        insieme{};
    // The part of the parameters window it belongs to, when not the general one ("Sisma"); the
    // loads' entries ("Carichi") have a window of their own.
    std::string_view parte{};
    // May be given more than once, each time one more value (a load): its text is then one line
    // per value.
    bool ripetuto = false;

    // The value from its text, the reason naming it by `nome`, or by `chiamato` (a window names
    // it by its caption; a value per set adds the set after it: "γQ ..., A1").
    [[nodiscard]] std::optional<std::string> imposta(DatiLavoro& d, std::string_view t) const {
        return lettore(d, t, nome);
    }
    [[nodiscard]] std::optional<std::string> imposta(DatiLavoro& d, std::string_view t,
                                                     std::string_view chiamato) const {
        return lettore(d, t, chiamato);
    }
};

// Every parameter of the calculation, in the order the window, the file, --help and the report
// give them; then the heading's fields, in a table of their own. CercaParametro finds both.
std::span<const VoceParametro> VociParametri();
std::span<const VoceParametro> VociIntestazione();
const VoceParametro* CercaParametro(std::string_view chiave);

// The names of a combination: "SLE", "A1+M1", "A2+M2" and the option's word "sle", "a1m1", "a2m2".
std::string_view NomeCombinazione(Combinazione c);
std::string_view ParolaCombinazione(Combinazione c);
std::string_view NomeStatoLimite(StatoLimite s); // "SLV", "SLD"
// The theory's word in the file and the option ("annesso-c") and its name in the results
// ("EN 1997-1 Annesso C").
std::string_view ParolaTeoria(Teoria t);
std::string_view NomeTeoria(Teoria t);

// What the parameters say together, beyond each value's own range: an Italian reason when they
// cannot be used (no combination chosen, wall friction with the Rankine theory, ...).
std::optional<std::string> ControllaParametri(const ParametriCalcolo& p);

// What the parameters compute, in a line: "spinta attiva, teoria: Coulomb (Müller-Breslau),
// δ/φ′ = 2/3, β = 10°", numbers with the given decimal separator; a value at its default is left
// out, but with tutto β is always said.
std::string DescrizioneCalcolo(const ParametriCalcolo& p, std::string_view decimale = ".",
                               bool tutto = false);

} // namespace spintaro
