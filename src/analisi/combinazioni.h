// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The combinations of NTC 2018 §6.5.3.1: the factors each takes from the job's parameters, what
// it is for, how a design value is made of the passes with and without the surcharge, and the
// slope that no design angle of a combination may exceed.

#include "analisi/parametri.h"

#include <optional>
#include <string>

namespace spintaro {

// The factors of one combination: the action set and the soil-parameter set it takes.
struct Fattori {
    double g1 = 1, q = 1, phi = 1, c = 1, gamma = 1;
    std::optional<double> r;
};

// SLE all 1; A1+M1 and A2+M2 from their sets. A passive resistance takes the actions with factor
// 1 and γR beside its A rows.
Fattori FattoriDi(Combinazione c, const ParametriCalcolo& p);

// What the combination is for, with its clause.
std::string NotaCombinazione(Combinazione c);

// E_d = γQ·E(q) + (γG1 − γQ)·E(0); γG1·E where the surcharge takes no part, E itself for factors 1.
double ValoreDiProgetto(double conQ, double senzaQ, const Fattori& f);

// A slope steeper than a layer's design angle φ′d: no limit equilibrium gives a thrust. The
// reason, to follow the layer's and the row's name: ": l'inclinazione del terrapieno β = ...".
std::optional<std::string> InclinazioneEccessiva(double beta, double phi);

} // namespace spintaro
