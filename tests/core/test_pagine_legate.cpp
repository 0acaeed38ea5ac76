// SPDX-License-Identifier: GPL-3.0-or-later
// What opens a block (a heading, the line that introduces a table) never ends a page.
#include "analisi/spinte_progetto.h"
#include "profili.h"
#include "report/relazione.h"

#include <gtest/gtest.h>

namespace spintaro {
namespace {

// Every report of one to fifty layers, without and with the design chapter (Rankine; Coulomb
// with δ/φ′ 2/3 and β 10°; seismic rows of SLV and SLD), so that the breaks fall everywhere: the
// last text of each page, the running header and the page number apart, is no heading and no
// line opening a table.
TEST(PagineLegate, NessunaPaginaFinisceConUnTitolo) {
    std::vector<Strato> cinquanta;
    for (int i = 1; i <= 50; ++i)
        cinquanta.push_back(i % 2 ? prova::strato(1, 18, 0, 30) : prova::strato(0.5, 20, 5, 25, 1));
    ParametriCalcolo coulomb, sisma;
    coulomb.teoria = Teoria::Coulomb;
    coulomb.deltaPhi = 2.0 / 3;
    coulomb.beta = 10;
    sisma.sisma.kh = {0.1, 0.05};
    sisma.sisma.stati = {true, true};
    const std::optional<ParametriCalcolo> insiemi[] = {std::nullopt, ParametriCalcolo{}, coulomb,
                                                       sisma};
    for (int n = 1; n <= 50; ++n) {
        Modulo1 m = prova::profilo(10, cinquanta);
        m.NumStrati = static_cast<Intero16>(n);
        for (const auto& parametri : insiemi) {
            DatiRelazione dati{"p.spt", "01/02/2026 10:30", "Spintaro 1.1.0", ","};
            const RisultatoProgetto r = CalcolaSpinteProgetto(m, parametri.value_or(coulomb));
            ASSERT_TRUE(r.ok) << r.messaggio;
            if (parametri) {
                dati.parametri = &*parametri;
                dati.risultati = &r;
            }
            const DocumentoRelazione d = ComponiRelazione(m, dati);
            for (std::size_t i = 0; i < d.pagine.size(); ++i) {
                const TestoPagina* ultimo = nullptr;
                for (const PassoPagina& s : d.pagine[i].passi)
                    if (const auto* t = std::get_if<TestoPagina>(&s);
                        t && t->carattere != Carattere::Piccolo && (!ultimo || t->y >= ultimo->y))
                        ultimo = t;
                ASSERT_NE(ultimo, nullptr);
                EXPECT_FALSE(
                    ultimo->carattere == Carattere::Intestazione ||
                    (ultimo->carattere == Carattere::Corpo && ultimo->testo.ends_with(':')))
                    << "«" << ultimo->testo << "» at the foot of page " << i + 1 << ", " << n
                    << " layers";
            }
        }
    }
}

} // namespace
} // namespace spintaro
