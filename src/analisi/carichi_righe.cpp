// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/carichi_righe.h"

#include "text/testi_numerici.h"

#include <cmath>

namespace spintaro {

double FattoreCarico(const RigaProgetto& r, const Carico& c, const ParametriCalcolo& p) {
    const bool variabile = c.azione == AzioneCarico::Variabile;
    if (r.sisma)
        return variabile ? c.psi2 : 1.0;
    if (r.combinazione == Combinazione::SLE)
        return 1.0;
    return variabile ? r.gammaQ : p.gammaG2[r.combinazione == Combinazione::A1M1 ? 0 : 1];
}

std::optional<std::string> AggiungiCarichi(const Modulo1& m, const ParametriCalcolo& p,
                                           RisultatoProgetto& out) {
    if (p.carichi.empty())
        return std::nullopt;
    // The depth of every layer boundary, from the top of the wall.
    const auto n = static_cast<std::size_t>(m.NumStrati);
    std::vector<double> quote(n + 1, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        quote[i + 1] = quote[i] + m.Strati(static_cast<long long>(i) + 1).Potenza;
    const double altezza = quote[n];
    // Each load's pressure at the boundaries (the pressure is continuous across them).
    std::vector<std::vector<double>> pressioni;
    for (const Carico& c : p.carichi) {
        std::vector<double> pk(n + 1);
        for (std::size_t i = 0; i <= n; ++i)
            pk[i] = PressioneCarico(c, quote[i], altezza, p.fattoreCarichi);
        pressioni.push_back(std::move(pk));
        out.carichi.push_back({c, SpintaCaricoTotale(c, altezza, p.fattoreCarichi)});
    }
    for (RigaProgetto& r : out.righe) {
        double spinta = 0, momento = 0;
        std::vector<double> somma(n + 1, 0.0);
        for (std::size_t k = 0; k < p.carichi.size(); ++k) {
            const double w = FattoreCarico(r, p.carichi[k], p);
            spinta += w * out.carichi[k].caratteristica.spinta;
            momento += w * out.carichi[k].caratteristica.momento;
            for (std::size_t i = 0; i <= n; ++i)
                somma[i] += w * pressioni[k][i];
        }
        r.spintaCarichi = spinta;
        r.momentoCarichi = momento;
        r.spinta += spinta;
        r.momento += momento;
        r.braccio = Braccio(r.momento, r.spinta);
        for (std::size_t i = 0; i < r.strati.size(); ++i) {
            r.strati[i].pc1 = somma[i];
            r.strati[i].pc2 = somma[i + 1];
        }
        if (!RigaFinita(r))
            return "nella riga " + r.nome +
                   " un risultato dei carichi sul terrapieno non è un numero finito";
    }
    return std::nullopt;
}

std::vector<std::string> CelleCarico(const EsitoCarico& e, std::size_t numero,
                                     std::string_view decimale, std::string_view manca) {
    const Carico& c = e.carico;
    const SpintaCarico& s = e.caratteristica;
    const bool variabile = c.azione == AzioneCarico::Variabile;
    return {std::to_string(numero),
            DescrizioneCarico(c, decimale),
            variabile ? "variabile" : "permanente (G2)",
            variabile ? TestoValore(c.psi2, 2, decimale) : std::string(manca),
            TestoValore(s.spinta, 3, decimale),
            TestoValore(s.momento, 3, decimale),
            s.braccio ? TestoValore(*s.braccio, 3, decimale) : std::string(manca)};
}

} // namespace spintaro
