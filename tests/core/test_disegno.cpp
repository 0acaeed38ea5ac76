// SPDX-License-Identifier: GPL-3.0-or-later
// Properties of the report's drawing over many random diagrams and tables: every line of the data
// inside the plot's frame, the wall and the ground line drawn, the boundaries' labels beside the
// plot in depth order and apart; a table wider than the page kept within the page.
#include "profili.h"
#include "report/impaginatore.h"
#include "report/misure_testo.h"
#include "text/testi_numerici.h"

#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::testi;

TEST(Disegno, DiagrammiCasualiNellaLoroCornice) {
    std::mt19937 caso(20261208);
    for (int prova = 0; prova < 150; ++prova) {
        SCOPED_TRACE(prova);
        // 1 to 40 layers, thicknesses from 1 mm to 50 m, values of either sign up to 10⁵ kPa.
        Diagramma d;
        d.grandezza = "σa";
        d.decimale = ",";
        std::uniform_int_distribution<int> strati(1, 40);
        std::uniform_real_distribution<double> spessore(-3, 1.7), valore(-1e5, 1e5);
        double z = 0, x = valore(caso);
        d.confini.push_back({0, "0"});
        for (int i = strati(caso); i-- > 0;) {
            const double sotto = z + std::pow(10.0, spessore(caso)), x2 = valore(caso);
            d.linee.push_back({x, z, x2, sotto});
            d.confini.push_back({sotto, TestoValore(x2, 3, ",")});
            z = sotto;
            x = valore(caso);
        }
        if (prova % 2 == 0)
            d.spinta = PuntoApplicazione{z / 3, "S = 123,456 kN/m"};
        Impaginatore p("prova");
        p.avanza(std::uniform_real_distribution<double>(0, 600)(caso)); // any place of a page
        const auto r = disegnaDiagramma(p, d);
        ASSERT_TRUE(r.has_value());
        const PaginaRelazione& pagina = p.documento().pagine[static_cast<std::size_t>(r->pagina)];
        const double e = 1e-6;
        bool muro = false, piano = false;
        std::size_t confini = 0; // a grey rule across the plot at each boundary
        for (const PassoPagina& s : pagina.passi) {
            const auto* l = std::get_if<LineaPagina>(&s);
            if (l == nullptr)
                continue;
            if (l->inchiostro == Inchiostro::Rosso) {
                for (const auto& [px, py] : {std::pair{l->x1, l->y1}, std::pair{l->x2, l->y2}})
                    EXPECT_TRUE(px >= r->sinistra - e && px <= r->destra + e && py >= r->alto - e &&
                                py <= r->basso + e);
            }
            confini += l->inchiostro == Inchiostro::Grigio && l->spessore == 0.3 &&
                       l->y1 == l->y2 && l->x1 == r->sinistra && l->x2 == r->destra;
            muro = muro ||
                   (l->spessore == 0.8 && l->x1 == l->x2 && l->y1 == r->alto && l->y2 == r->basso);
            piano = piano || (l->spessore == 0.8 && l->y1 == l->y2 && l->x1 == r->sinistra &&
                              l->x2 == r->destra);
        }
        EXPECT_TRUE(muro && piano);
        EXPECT_EQ(confini, d.confini.size());
        // The depth axis' numbers and title end left of its ticks (3 pt); the depths beside the
        // plot, top to bottom, as the boundaries go down; no two touch.
        std::vector<const TestoPagina*> profondita;
        for (const TestoPagina* t : testi(pagina)) {
            if (t->allineamento == Allineamento::Destra && t->x < r->sinistra) {
                EXPECT_LE(ingombro(*t).destra, r->sinistra - 3) << t->testo;
            }
            if (t->testo == "z (m)" && t->x < r->destra) {
                EXPECT_LT(t->x, r->sinistra);
            }
            if (t->x > r->destra && t->allineamento == Allineamento::Destra &&
                t->testo != "z (m)" && t->y > r->alto)
                profondita.push_back(t);
        }
        ASSERT_EQ(profondita.size(), d.confini.size());
        for (std::size_t k = 0; k < profondita.size(); ++k) {
            EXPECT_EQ(profondita[k]->testo, TestoValore(d.confini[k].z, 3, ","));
            if (k > 0) {
                EXPECT_GE(ingombro(*profondita[k]).alto, ingombro(*profondita[k - 1]).basso - e);
            }
        }
    }
}

// 6 to 30 columns of long words: whatever the width, every cell within the page's margins.
TEST(Disegno, TabellaPiuLargaDellaPagina) {
    for (std::size_t n : {6U, 12U, 30U}) {
        SCOPED_TRACE(n);
        std::vector<Colonna> colonne;
        std::vector<std::string> riga;
        for (std::size_t c = 0; c < n; ++c) {
            colonne.push_back({"Intestazione lunga " + std::to_string(c), "kN·m/m"});
            riga.push_back("123456789,123456 " + std::to_string(c));
        }
        Impaginatore p("prova");
        tabella(p, colonne, std::vector<std::vector<std::string>>(3, riga));
        for (const TestoPagina* t : testi(p.documento().pagine.front())) {
            const Ingombro i = ingombro(*t);
            EXPECT_TRUE(i.sinistra >= Impaginatore::Sinistra - 1e-9 &&
                        i.destra <= Impaginatore::Destra + 1e-9)
                << t->testo;
        }
    }
}

} // namespace
} // namespace spintaro
