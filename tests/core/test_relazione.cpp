// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report's layout: numbers, axis scales, pages that keep every text on the
// paper and apart from the others, the table header on every page, the diagrams at their data.
#include "model/calcolo.h"
#include "profili.h"
#include "report/misure_testo.h"
#include "report/relazione.h"
#include "report/scala_assi.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace spintaro {
namespace {

using prova::profilo;
using prova::strato;

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

// --- Numbers ----------------------------------------------------------------------------------

struct CasoValore {
    double v;
    int decimali;
    const char* decimale;
    const char* atteso;
};

TEST(TestoValore, DecimaliFissiZeroInizialeEsponenteLineetta) {
    const CasoValore casi[] = {
        {0.33292484606633277, 4, ",", "0,3329"}, // Ka of φ 30° with π = 3.14
        {46, 3, ",", "46,000"},
        {-13.994922, 3, ".", "-13.995"},
        {2.675, 2, ",", "2,68"},    // halves away from zero on 15 digits, as the main window
        {-0.0004, 3, ",", "0,000"}, // rounds to zero: no sign
        {12.5, 0, ",", "13"},       // no decimals, no separator
        {9999999.9, 3, ",", "9999999,900"},
        {1.23456e12, 3, ",", "1,235E+12"},
        {-2e7, 3, ".", "-2.000E+07"},
        {NaN, 3, ",", "\xE2\x80\x94"},
        {-Inf, 3, ",", "\xE2\x80\x94"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(TestoValore(c.v, c.decimali, c.decimale), c.atteso) << c.v;
}

// --- Axis scales: round ticks that cover the data ---------------------------------------------

struct CasoScala {
    double minimo, massimo;
    double passo; // checked by hand: the smallest of 1, 2, 5 × 10ⁿ with at most 8 intervals
};

TEST(ScalaAsse, TaccheTondeCheCopronoIDati) {
    const CasoScala casi[] = {
        {0, 60.806119, 10},    // 7 intervals; 5 would give 13
        {0, 106, 20},          // 10 would give 11
        {-13.994922, 23.2, 5}, // −15..25
        {0, 0, 0.2},           // widened to 0..1
        {0, 0.0031, 0.0005},   {100000, 100001, 0.2}, {-7, -2, 1}, {3, 3, 0.5}, // 3..6
        {0, 1e300, 2e299},
    };
    for (const auto& c : casi) {
        const auto s = scalaAsse(c.minimo, c.massimo);
        ASSERT_TRUE(s.has_value()) << c.minimo << ".." << c.massimo;
        EXPECT_NEAR(s->passo / c.passo, 1.0, 1e-12) << c.minimo << ".." << c.massimo;
        EXPECT_LE(s->inizio, c.minimo);
        EXPECT_GE(s->fine, c.massimo);
        ASSERT_GE(s->tacche.size(), 2u);
        EXPECT_LE(s->tacche.size(), 9u);
        EXPECT_EQ(s->tacche.front(), s->inizio);
        for (double t : s->tacche)
            EXPECT_NEAR(t / s->passo, std::round(t / s->passo), 1e-9) << t;
        // The step's mantissa is 1, 2 or 5.
        const double mantissa = s->passo / std::pow(10.0, std::floor(std::log10(s->passo) + 1e-12));
        EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                    std::fabs(mantissa - 5) < 1e-9)
            << mantissa;
    }
    EXPECT_FALSE(scalaAsse(0, Inf));
    EXPECT_FALSE(scalaAsse(NaN, 1));
    EXPECT_FALSE(scalaAsse(-1.7e308, 1.7e308)); // the span itself overflows
}

// --- The pages --------------------------------------------------------------------------------

// Surcharge 10 kPa; 2 m dry sand (γ 18, φ 30°) over 3 m of submerged cohesive soil (γ 20, c 5,
// φ 25°): thrust 137.822 kN/m, water part 45, moment 217.727 kN·m/m, 1.580 m above the base.
Modulo1 dueStrati() {
    return profilo(10, {strato(2, 18, 0, 30), strato(3, 20, 5, 25, 1)});
}

// Fifty layers: 1 m of dry sand and 0.5 m of submerged cohesive soil in turn.
Modulo1 cinquantaStrati() {
    std::vector<Strato> s;
    for (int i = 1; i <= 50; ++i)
        s.push_back(i % 2 ? strato(1, 18, 0, 30) : strato(0.5, 20, 5, 25, 1));
    return profilo(10, s);
}

// Values at the edge of what a double holds, and a long name of characters outside the width
// table: wide texts everywhere.
Modulo1 estremi() {
    Modulo1 m = profilo(1e300, {strato(1e-300, 1, 1e300, 30),
                                strato(123456.789012345, 0.1, 0, 0.123456789012345, 1)});
    return m;
}

DatiRelazione dati(const std::string& progetto = "due_strati.spt") {
    return {progetto, "01/02/2026 10:30", "Spintaro 1.1.0", ","};
}

std::vector<const TestoPagina*> testi(const PaginaRelazione& p) {
    std::vector<const TestoPagina*> t;
    for (const PassoPagina& s : p.passi)
        if (const auto* testo = std::get_if<TestoPagina>(&s))
            t.push_back(testo);
    return t;
}

bool contiene(const DocumentoRelazione& d, const std::string& cercato) {
    for (const PaginaRelazione& p : d.pagine)
        for (const TestoPagina* t : testi(p))
            if (t->testo.find(cercato) != std::string::npos)
                return true;
    return false;
}

struct CasoPagine {
    const char* nome;
    Modulo1 (*lavoro)();
    std::string progetto;
    std::size_t pagine; // 0: not checked
};

// Pages: 0 layers fit one page; the two-layer example has its text on one page and both
// diagrams on a second (each plot 200 pt high); with 50 layers the two tables of 50 rows of
// 11.5 pt fill three pages with the text, and each diagram, 51 labels of 9 pt tall, takes a page
// of its own.
const CasoPagine CasiPagine[] = {
    {"Nessuno", [] { return Modulo1{}; }, "", 1},
    {"DueStrati", dueStrati, "due_strati.spt", 2},
    {"Cinquanta", cinquantaStrati, "cinquanta.spt", 5},
    {"Estremi", estremi, std::string(300, 'x') + "\xE4\xB8\xAD.spt", 0},
};

class Pagine : public ::testing::TestWithParam<CasoPagine> {};

TEST_P(Pagine, TuttoSullaCartaNienteSovrappostoNumeriInFondo) {
    const DocumentoRelazione d = ComponiRelazione(GetParam().lavoro(), dati(GetParam().progetto));
    if (GetParam().pagine != 0) {
        EXPECT_EQ(d.pagine.size(), GetParam().pagine);
    }
    const double m = MargineStampabile;
    auto dentro = [&](double x, double y) {
        return x >= m && x <= LarghezzaPagina - m && y >= m && y <= AltezzaPagina - m;
    };
    for (std::size_t i = 0; i < d.pagine.size(); ++i) {
        const std::vector<const TestoPagina*> t = testi(d.pagine[i]);
        ASSERT_FALSE(t.empty());
        EXPECT_EQ(t.back()->testo,
                  "pagina " + std::to_string(i + 1) + " di " + std::to_string(d.pagine.size()));
        for (const PassoPagina& s : d.pagine[i].passi) {
            if (const auto* l = std::get_if<LineaPagina>(&s)) {
                EXPECT_TRUE(dentro(l->x1, l->y1) && dentro(l->x2, l->y2)) << "pagina " << i;
            } else if (const auto* r = std::get_if<RettangoloPagina>(&s)) {
                EXPECT_TRUE(dentro(r->x, r->y) && dentro(r->x + r->larghezza, r->y + r->altezza));
            }
        }
        for (std::size_t a = 0; a < t.size(); ++a) {
            const Ingombro ia = ingombro(*t[a]);
            EXPECT_TRUE(dentro(ia.sinistra, ia.alto) && dentro(ia.destra, ia.basso)) << t[a]->testo;
            for (std::size_t b = a + 1; b < t.size(); ++b) {
                const Ingombro ib = ingombro(*t[b]);
                const bool sovrapposti = ia.sinistra < ib.destra && ib.sinistra < ia.destra &&
                                         ia.alto < ib.basso && ib.alto < ia.basso;
                EXPECT_FALSE(sovrapposti)
                    << "pagina " << i + 1 << ": «" << t[a]->testo << "» e «" << t[b]->testo << "»";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tabella, Pagine, ::testing::ValuesIn(CasiPagine),
                         [](const auto& i) { return std::string(i.param.nome); });

// Every page that holds rows of a layer table starts its part of the table with the header;
// the rows of both tables are all there, in order, once each.
TEST(Pagine, IntestazioneDellaTabellaSuOgniPagina) {
    const DocumentoRelazione d = ComponiRelazione(cinquantaStrati(), dati());
    std::vector<int> strati;
    int pagineConRighe = 0;
    for (const PaginaRelazione& p : d.pagine) {
        const auto t = testi(p);
        // The headers' first cells; a row's first cell lies below one, in its column.
        std::vector<const TestoPagina*> intestazioni;
        for (const TestoPagina* x : t)
            if (x->carattere == Carattere::TabellaIntestazione && x->testo == "Strato")
                intestazioni.push_back(x);
        bool righe = false;
        for (const TestoPagina* x : t) {
            if (x->carattere != Carattere::Tabella)
                continue;
            for (const TestoPagina* h : intestazioni)
                if (x->x == h->x && x->y > h->y) {
                    strati.push_back(std::stoi(x->testo));
                    righe = true;
                    break;
                }
        }
        pagineConRighe += righe ? 1 : 0;
    }
    EXPECT_GE(pagineConRighe, 3);
    std::vector<int> attesi;
    for (int tabella = 0; tabella < 2; ++tabella)
        for (int i = 1; i <= 50; ++i)
            attesi.push_back(i);
    EXPECT_EQ(strati, attesi);
}

TEST(Pagine, SenzaStratiDiceNessunoStratoEScriveIlSovraccarico) {
    Modulo1 m;
    m.Strati(0).Sv = 12.5;
    const DocumentoRelazione d = ComponiRelazione(m, dati(""));
    EXPECT_TRUE(contiene(d, "Strati: nessuno strato."));
    EXPECT_TRUE(contiene(d, "q = 12,5 kPa"));
    EXPECT_TRUE(contiene(d, "Progetto: progetto non salvato"));
    for (const PaginaRelazione& p : d.pagine)
        for (const TestoPagina* t : testi(p))
            EXPECT_NE(t->carattere, Carattere::TabellaIntestazione) << t->testo; // no table
    EXPECT_EQ(d.diagrammaSa.pagina, -1);
}

// The point of application on the Sa diagram: the arrow (the only 1.2 pt horizontal line) lies
// at 5 − 1.580 = 3.420 m of depth; the pressure line ends at 60.806 kPa at the base, 5 m.
TEST(Diagrammi, PuntoDiApplicazioneAllaQuotaCalcolata) {
    const Modulo1 m = dueStrati();
    const AnalisiSpinta a = AnalizzaSpinta(m);
    ASSERT_NEAR(a.spinta, 137.821684, 1e-6);
    ASSERT_NEAR(a.momento, 217.727, 1e-3);
    ASSERT_NEAR(*a.braccio, 1.57977, 1e-5);
    const DocumentoRelazione d = ComponiRelazione(m, dati());
    const RiquadroDiagramma& r = d.diagrammaSa;
    ASSERT_GE(r.pagina, 0);
    auto profondita = [&](double y) {
        return r.z1 + (y - r.alto) / (r.basso - r.alto) * (r.z2 - r.z1);
    };
    auto pressione = [&](double x) {
        return r.x1 + (x - r.sinistra) / (r.destra - r.sinistra) * (r.x2 - r.x1);
    };
    int frecce = 0;
    double xMassimo = -1, zAlMassimo = 0;
    for (const PassoPagina& s : d.pagine[static_cast<std::size_t>(r.pagina)].passi) {
        const auto* l = std::get_if<LineaPagina>(&s);
        if (l == nullptr || l->y1 < r.alto || l->y1 > r.basso)
            continue;
        if (l->spessore == 1.2 && l->y1 == l->y2) {
            ++frecce;
            EXPECT_NEAR(profondita(l->y1), 5 - 1.57977, 1e-5);
            EXPECT_NEAR(pressione(std::min(l->x1, l->x2)), 0.0, 1e-9); // it points at the wall
        }
        if (l->inchiostro == Inchiostro::Rosso && l->x2 > xMassimo) {
            xMassimo = l->x2;
            zAlMassimo = profondita(l->y2);
        }
    }
    EXPECT_EQ(frecce, 1);
    EXPECT_NEAR(pressione(xMassimo), 60.806119, 1e-4);
    EXPECT_NEAR(zAlMassimo, 5.0, 1e-4);
    // The values beside the boundaries, the totals.
    for (const char* t : {"3,329", "15,315 / 18,646", "60,806", "10,000", "46,000", "106,000",
                          "S = 137,822 kN/m a 1,580 m dalla base", "217,727", "45,000"})
        EXPECT_TRUE(contiene(d, t)) << t;
}

// Values that are not finite numbers never reach the page as such: a dash and a note.
TEST(Pagine, ValoriNonFinitiComeLineettaConUnaNota) {
    Modulo1 nan = dueStrati();
    nan.Strati(2).Sa1 = NaN;
    Modulo1 enorme = dueStrati(); // a moment that overflows: 1e300 kPa over 1e300 m
    enorme.Strati(2).Potenza = 1e300;
    enorme.Strati(2).Sa2 = 1e300;
    for (const Modulo1* m : {&nan, &enorme}) {
        const DocumentoRelazione d = ComponiRelazione(*m, dati());
        EXPECT_TRUE(contiene(d, "\xE2\x80\x94"));
        EXPECT_TRUE(contiene(d, "valore non rappresentabile"));
        for (const PaginaRelazione& p : d.pagine)
            for (const TestoPagina* t : testi(p)) {
                std::string minuscolo = t->testo;
                std::transform(minuscolo.begin(), minuscolo.end(), minuscolo.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
                EXPECT_EQ(minuscolo.find("nan"), std::string::npos) << t->testo;
                EXPECT_EQ(minuscolo.find("inf"), std::string::npos) << t->testo;
            }
    }
}

} // namespace
} // namespace spintaro
