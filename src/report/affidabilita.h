// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What NTC 2018 §10.2 asks of a report made with a computer code, besides its results: the kind
// of analysis, the code used (title, version, licence, where its validation document is), and a
// reasoned judgement of the results supported by an independent simplified check, which the
// report computes itself.

#include "analisi/spinte_progetto.h"
#include "model/modulo1.h"
#include "report/dati_relazione.h"
#include "report/impaginatore.h"

#include <optional>
#include <string>

namespace spintaro {

// The simplified check: the layers 1..n replaced by one homogeneous soil of the same height H
// with the thickness-weighted unit weight γeq and angle φeq, Ka,eq = tan²(45° − φeq/2) with the
// exact π, no cohesion; the water apart, hydrostatic over the submerged thickness Hw taken at the
// base of the profile:
//   Seq = Ka,eq·(q·H + γeq·H²/2 − γw·Hw²/2) + γw·Hw²/2.
struct StimaOmogenea {
    double altezza = 0, altezzaFalda = 0; // H, Hw (m)
    double gamma = 0, phi = 0, ka = 0;    // γeq (kN/m³), φeq (°), Ka,eq
    double acqua = 0;                     // γw·Hw²/2 (kN/m)
    double spinta = 0;                    // Seq (kN/m)
};
StimaOmogenea StimaTerrenoOmogeneo(const Modulo1& m, int n);

// The same soil against the governing static row of the design chapter, with that row's factors
// and the job's state and theory, on the exact π and without cohesion:
// φeq,d = arctan(tan φeq/γφ′), γeq,d = γeq/γγ, δ = (δ/φ′)·φeq,d (0 with Rankine) and the slope β,
// Kh the horizontal part of the coefficient of the theory (coefficienti.h); the water apart as
// above:
//   Seq,d = γG1·[Kh·(γeq,d·H²/2 − γw·Hw²/2) + γw·Hw²/2] + γQ·Kh·q·H.
// The seismic rows stay outside. Empty when no static row governs (SLE alone).
struct StimaProgetto {
    const RigaProgetto* riga = nullptr;   // the governing static row
    double phi = 0, gamma = 0, delta = 0; // φeq,d (°), γeq,d (kN/m³), δ (°)
    double k = 0, kh = 0;                 // the coefficient and its horizontal part
    double spinta = 0;                    // Seq,d (kN/m); not a number when K has no value
};
std::optional<StimaProgetto> StimaRigaGovernante(const StimaOmogenea& s, double q,
                                                 const ParametriCalcolo& p,
                                                 const RisultatoProgetto& r);

// Seq/S within these bounds: the difference is what the simplification explains.
inline constexpr double RapportoMinimo = 0.9, RapportoMassimo = 1.1;

enum class Giudizio {
    Coerente,      // Seq/S within the bounds, or both thrusts nil
    NonSpiegato,   // outside them, or S nil and Seq not
    NonCalcolabile // a value that is not a finite number
};
Giudizio GiudicaSpinta(double stima, double programma);

// The unnumbered sections "Tipo di analisi" and "Codice di calcolo", before the first chapter;
// they name the chapters the layout's numbering has planned.
void SezioniAnalisiECodice(Impaginatore& p, const DatiRelazione& dati);

// The chapter "Giudizio di accettabilità dei risultati": the check's data and result, the ratio
// to the program's thrust and whether the difference is explained; with the design results, the
// same for the governing static row.
void CapitoloGiudizio(Impaginatore& p, const Modulo1& m, int n, double spinta,
                      const std::string& decimale, const ParametriCalcolo* parametri = nullptr,
                      const RisultatoProgetto* risultati = nullptr);

} // namespace spintaro
