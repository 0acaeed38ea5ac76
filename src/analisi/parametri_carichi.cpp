// SPDX-License-Identifier: GPL-3.0-or-later
// The entries of the loads on the backfill: the loads themselves, one entry given once per load,
// their factor f and the partial factor of the permanent ones.
#include "analisi/voci_parametri.h"

namespace spintaro::voci {

namespace {

constexpr std::string_view Fattori[] = {"2", "1"};

} // namespace

std::vector<VoceParametro> vociCarichi() {
    return {
        VoceParametro{
            .chiave = "carico",
            .etichetta = "Carico sul terrapieno",
            .clausola = "Boussinesq; NAVFAC DM-7.2",
            .aiuto = "un carico sul terrapieno, una volta per carico (al massimo " +
                     std::to_string(MassimoCarichi) +
                     "): striscia:q=KPA,a=M,b=M; trapezio:q1=KPA,q2=KPA,a=M,b=M; "
                     "linea:Q=KN/M,a=M; punto:P=KN,a=M; a è la distanza dal muro; con "
                     "azione=variabile (predefinita) o permanente e psi2=N (da 0 a 1, solo per "
                     "un carico variabile, predefinito 0)",
            .forma = "TIPO:CHIAVE=VALORE,...",
            .tipo = TipoParametro::Testo,
            .testo =
                [](const DatiLavoro& d) {
                    std::string t;
                    for (const Carico& c : d.parametri.carichi)
                        t += (t.empty() ? "" : "\n") + TestoCarico(c);
                    return t;
                },
            .nome = "carico",
            .lettore = [](DatiLavoro& d, std::string_view t, std::string_view) -> Esito {
                std::vector<Carico>& carichi = d.parametri.carichi;
                Carico c;
                if (auto e = LeggiCarico(t, carichi.size() + 1, c))
                    return e;
                if (carichi.size() == MassimoCarichi)
                    return "Carico " + std::to_string(carichi.size() + 1) + " (" +
                           std::string(ParolaTipoCarico(c.tipo)) +
                           "): troppi carichi, al massimo " + std::to_string(MassimoCarichi);
                carichi.push_back(c);
                return std::nullopt;
            },
            .parte = "Carichi",
            .ripetuto = true},
        VoceScelta({.chiave = "fattore-carichi",
                    .etichetta = "Fattore f dei carichi",
                    .clausola = "Terzaghi 1954; NAVFAC DM-7.2",
                    .aiuto =
                        "fattore f della pressione dei carichi sul terrapieno: 2 (predefinito) "
                        "per un muro rigido che non si sposta, 1 per un muro che cede "
                        "(semispazio elastico)",
                    .parole = Fattori,
                    .cosa = "un fattore",
                    .leggi =
                        [](const ParametriCalcolo& p) {
                            return std::size_t{p.fattoreCarichi == FattoreMuroRigido ? 0U : 1U};
                        },
                    .scrivi =
                        [](ParametriCalcolo& p, std::size_t k) {
                            p.fattoreCarichi = k == 0 ? FattoreMuroRigido : FattoreMuroElastico;
                        },
                    .parte = "Carichi"}),
        VoceCoppia({.chiave = "gamma-g2",
                    .etichetta = "γG2 azioni permanenti non strutturali sfavorevoli",
                    .clausola = "NTC 2018 Tab. 6.2.I",
                    .aiuto = "coefficiente dei carichi permanenti sul terrapieno per A1 e A2",
                    .insiemi = {"A1", "A2"},
                    .intervallo = {0.5, 5, true, true},
                    .fattore = &ParametriCalcolo::gammaG2,
                    .parte = "Carichi"}),
    };
}

} // namespace spintaro::voci
