// SPDX-License-Identifier: GPL-3.0-or-later
// What opens a block (a heading, the line that introduces a table) never ends a page: it goes to
// the next page with the first block that follows it.
#include "analisi/spinte_progetto.h"
#include "profili.h"
#include "report/impaginatore.h"
#include "report/misure_testo.h"
#include "report/relazione.h"

#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::profilo;
using prova::strato;

std::vector<const TestoPagina*> testi(const PaginaRelazione& p) {
    std::vector<const TestoPagina*> t;
    for (const PassoPagina& s : p.passi)
        if (const auto* testo = std::get_if<TestoPagina>(&s))
            t.push_back(testo);
    return t;
}

// A heading or a caption placed with `resto` points left above the foot, then a paragraph of
// three lines (39 pt); the heading takes 8 + 16 + 3 pt and asks for one line after it.
TEST(PagineLegate, LIntestazioneVaConIlBloccoCheLaSegue) {
    const double corpo = altezzaRiga(Carattere::Corpo);
    std::string treRighe;
    while (avvolgi(treRighe + "xxx", Impaginatore::Larghezza, Carattere::Corpo).size() < 3)
        treRighe += "xxx ";
    treRighe += "xxx"; // the first word of a third line
    struct Caso {
        double resto;
        bool didascalia;
        int paginaTitolo, paginaTesto;
    } casi[] = {
        {8 + 16 + 3 + 3 * corpo, false, 0, 0}, // both fit
        {8 + 16 + 3 + corpo, false, 1, 1},     // the heading would fit with one line only
        {8 + 16 + 3 - 1, false, 1, 1},         // not even the heading
        {corpo + 3 * corpo, true, 0, 0},
        {corpo + corpo, true, 1, 1}, // the caption fits, its paragraph does not
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::to_string(c.resto) + (c.didascalia ? " didascalia" : ""));
        Impaginatore p("testata");
        p.avanza(Impaginatore::Fondo - Impaginatore::Alto - c.resto);
        if (c.didascalia) {
            const Impaginatore::Segno da = p.segno();
            p.paragrafo("Strati:", Carattere::Corpo);
            p.legaAlSeguito(da);
        } else {
            p.intestazione("Titolo", corpo);
        }
        p.paragrafo(treRighe, Carattere::Corpo);
        const DocumentoRelazione d = p.chiudi();
        int titolo = -1, testo = -1;
        for (std::size_t i = 0; i < d.pagine.size(); ++i)
            for (const TestoPagina* t : testi(d.pagine[i])) {
                if (t->testo == "Titolo" || t->testo == "Strati:") {
                    EXPECT_EQ(titolo, -1);
                    titolo = static_cast<int>(i);
                    // Moved, it heads the new page as a heading placed there would.
                    if (i > 0) {
                        EXPECT_NEAR(t->y, Impaginatore::Alto + lineaDiBase(t->carattere), 1e-9);
                    }
                }
                if (t->testo.starts_with("xxx") && testo == -1)
                    testo = static_cast<int>(i);
            }
        EXPECT_EQ(titolo, c.paginaTitolo);
        EXPECT_EQ(testo, c.paginaTesto);
    }
}

// Every report of one to fifty layers, without and with the design chapter (Rankine; Coulomb
// with δ/φ′ 2/3 and β 10°; with the seismic rows of SLV and SLD): the last text of each page,
// the page number and the running header apart, is no heading and no line opening a table.
TEST(PagineLegate, NessunaPaginaFinisceConUnTitolo) {
    std::vector<Strato> cinquanta;
    for (int i = 1; i <= 50; ++i)
        cinquanta.push_back(i % 2 ? strato(1, 18, 0, 30) : strato(0.5, 20, 5, 25, 1));
    ParametriCalcolo coulomb;
    coulomb.teoria = Teoria::Coulomb;
    coulomb.deltaPhi = 2.0 / 3;
    coulomb.beta = 10;
    ParametriCalcolo sisma;
    sisma.sisma.kh = {0.1, 0.05};
    sisma.sisma.stati = {true, true};
    const std::optional<ParametriCalcolo> insiemi[] = {std::nullopt, ParametriCalcolo{}, coulomb,
                                                       sisma};
    int pagine = 0;
    for (int n = 1; n <= 50; ++n) {
        Modulo1 m = profilo(10, cinquanta);
        m.NumStrati = static_cast<Intero16>(n);
        for (const auto& parametri : insiemi) {
            DatiRelazione dati{"p.spt", "01/02/2026 10:30", "Spintaro 1.1.0", ","};
            RisultatoProgetto r;
            if (parametri) {
                r = CalcolaSpinteProgetto(m, *parametri);
                ASSERT_TRUE(r.ok) << r.messaggio;
                dati.parametri = &*parametri;
                dati.risultati = &r;
            }
            const DocumentoRelazione d = ComponiRelazione(m, dati);
            for (std::size_t i = 0; i < d.pagine.size(); ++i) {
                const TestoPagina* ultimo = nullptr;
                for (const TestoPagina* t : testi(d.pagine[i]))
                    if (t->carattere != Carattere::Piccolo && (!ultimo || t->y >= ultimo->y))
                        ultimo = t;
                ASSERT_NE(ultimo, nullptr);
                EXPECT_FALSE(
                    ultimo->carattere == Carattere::Intestazione ||
                    (ultimo->carattere == Carattere::Corpo && ultimo->testo.ends_with(':')))
                    << "«" << ultimo->testo << "» alone at the foot of page " << i + 1 << " of "
                    << n << " layers";
                ++pagine;
            }
        }
    }
    EXPECT_GE(pagine, 600); // 200 reports of three pages at least
}

} // namespace
} // namespace spintaro
