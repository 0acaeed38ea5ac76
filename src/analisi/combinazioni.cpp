// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/combinazioni.h"

#include "analisi/righe.h"

#include <cmath>

namespace spintaro {

Fattori FattoriDi(Combinazione c, const ParametriCalcolo& p) {
    if (c == Combinazione::SLE)
        return {};
    const std::size_t j = c == Combinazione::A1M1 ? 0 : 1;
    Fattori f{p.gammaG1[j], p.gammaQ[j], p.gammaPhi[j], p.gammaC[j], p.gammaGamma[j], std::nullopt};
    if (p.stato == StatoTerreno::Passiva) {
        // A resistance: the actions are not factored, γR is shown beside the row.
        f.g1 = 1;
        f.q = 1;
        f.r = p.gammaR[j];
    }
    return f;
}

std::string NotaCombinazione(Combinazione c) {
    switch (c) {
    case Combinazione::SLE:
        return "valori caratteristici";
    case Combinazione::A1M1:
        return "Approccio 2 (NTC 2018 §6.5.3.1.1: verifiche dei muri di sostegno)";
    case Combinazione::A2M2:
        return "Approccio 1, combinazione 2: per le paratie (§6.5.3.1.2) e la stabilità "
               "globale; i muri si verificano con l'Approccio 2 (§6.5.3.1.1)";
    }
    return {};
}

double ValoreDiProgetto(double conQ, double senzaQ, const Fattori& f) {
    if (f.g1 == f.q || conQ == senzaQ)
        return f.g1 * conQ; // x·1 is x, bit for bit
    return f.q * conQ + (f.g1 - f.q) * senzaQ;
}

std::optional<std::string> InclinazioneEccessiva(double beta, double phi) {
    if (std::abs(beta) <= phi)
        return std::nullopt;
    return ": l'inclinazione del terrapieno β = " + TestoGradi(beta) +
           " supera l'angolo di attrito di progetto φ′d = " + TestoGradi(phi);
}

} // namespace spintaro
