// SPDX-License-Identifier: GPL-3.0-or-later
// The report's layout: numbers, axis scales, every text on the paper and apart from the others,
// the table header on every page, the diagrams at their data.
#include "profili.h"
#include "report/affidabilita.h"
#include "report/misure_testo.h"
#include "report/relazione.h"
#include "report/scala_assi.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace spintaro {
namespace {

using prova::cinquantaStrati;
using prova::dueStrati;
using prova::profilo;
using prova::righe;
using prova::strato;
using prova::testi;

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();
const char* const Lineetta = "\xE2\x80\x94";

// Ka of φ 30° to 4 decimals; halves away from zero on 15 digits (2.675); no sign on a value that
// rounds to zero; no separator without decimals; from 10⁷ four significant digits and an
// exponent; a dash for a value that is not finite.
TEST(TestoValore, DecimaliFissiZeroInizialeEsponenteLineetta) {
    // clang-format off
    const std::tuple<double, int, const char*> casi[] = {
        {0.33292484606633277, 4, "0,3329"}, {46, 3, "46,000"}, {-13.994922, 3, "-13,995"},
        {2.675, 2, "2,68"}, {-0.0004, 3, "0,000"}, {12.5, 0, "13"}, {-2e7, 3, "-2,000E+07"},
        {9999999.9, 3, "9999999,900"}, {1.23456e12, 3, "1,235E+12"}, {NaN, 3, Lineetta},
        {-Inf, 3, Lineetta}};
    // clang-format on
    for (const auto& [v, decimali, atteso] : casi)
        EXPECT_EQ(TestoValore(v, decimali, ","), atteso) << v;
    EXPECT_EQ(TestoValore(-2e7, 3, "."), "-2.000E+07");
}

// The step checked by hand: the smallest of 1, 2, 5 × 10ⁿ with at most 8 intervals, the axis
// from the last multiple not above the data to the first not below; equal ends widened away from
// zero by their own size.
TEST(ScalaAsse, TaccheTondeCheCopronoIDati) {
    // clang-format off
    const double casi[][5] = {
        {0, 60.806119, 10, 0, 70}, {-13.994922, 23.2, 5, -15, 25}, {0, 0, 0.2, 0, 1},
        {0, 106, 20, 0, 120}, // 7 intervals (5 would give 13); 10 would give 11
        {3, 3, 0.5, 3, 6}, {-3, -3, 0.5, -6, -3}, {0, 0.0031, 0.0005, 0, 0.0035},
        {100000, 100001, 0.2, 100000, 100001}, {-7, -2, 1, -7, -2}, {0, 1e300, 2e299, 0, 1e300},
        {-1e300, 1e300, 5e299, -1e300, 1e300}};
    // clang-format on
    for (const auto& [minimo, massimo, passo, inizio, fine] : casi) {
        SCOPED_TRACE(std::to_string(minimo) + ".." + std::to_string(massimo));
        const auto s = scalaAsse(minimo, massimo);
        ASSERT_TRUE(s.has_value());
        EXPECT_NEAR(s->passo / passo, 1.0, 1e-12);
        EXPECT_NEAR(s->inizio, inizio, 1e-9 * passo);
        EXPECT_NEAR(s->fine, fine, 1e-9 * passo);
        EXPECT_TRUE(s->tacche.size() >= 2 && s->tacche.size() <= 9);
        EXPECT_EQ(s->tacche.front(), s->inizio);
        for (double t : s->tacche)
            EXPECT_NEAR(t / s->passo, std::round(t / s->passo), 1e-9) << t;
    }
    // One interval allowed: a single step over the data.
    const auto uno = scalaAsse(0.2, 0.7, 1);
    ASSERT_TRUE(uno.has_value());
    EXPECT_EQ(uno->tacche, (std::vector<double>{0, 1}));
    // The last: the span itself overflows.
    EXPECT_FALSE(scalaAsse(0, Inf) || scalaAsse(NaN, 1) || scalaAsse(-1.7e308, 1.7e308));
}

// Advances from Adobe's Helvetica and Helvetica-Bold metrics (the wider of the two), per 1000 em:
// digits 556, "t" 333 (bold), "à" 556, "°" 400, "γ" 700; an unknown character, and each byte that
// starts no valid sequence, an em. Sizes 16, 12, 10, 8.5, 8.5 and 7.5 pt; 0.2 % to spare.
TEST(MisureTesto, LarghezzeDelleMetricheDiHelvetica) {
    // clang-format off
    const std::tuple<const char*, Carattere, double> casi[] = {
        {"0123456789", Carattere::Corpo, 5560}, {"9", Carattere::Titolo, 556},
        {"5", Carattere::Intestazione, 556}, {"3", Carattere::Tabella, 556},
        {"t\xC3\xA0\xC2\xB0\xCE\xB3", Carattere::TabellaIntestazione, 333 + 556 + 400 + 700},
        {"\xFF" "a\xE2\x80" "a\xE4\xB8\xAD", Carattere::Piccolo, 1000 + 556 + 2000 + 556 + 1000}};
    // clang-format on
    const double punti[] = {16, 12, 10, 8.5, 8.5, 7.5};
    for (const auto& [testo, carattere, millesimi] : casi)
        EXPECT_NEAR(larghezzaTesto(testo, carattere),
                    millesimi * 1.002 * punti[static_cast<int>(carattere)] / 1000, 1e-9)
            << testo;
    // Bold: the title, the headings and the table headers.
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(carattereGrassetto(static_cast<Carattere>(c)), c == 0 || c == 1 || c == 4) << c;
}

DatiRelazione dati(const std::string& progetto = "due_strati.spt") {
    return {progetto, "01/02/2026 10:30", "Spintaro 1.1.0", ","};
}

// Pages: 0 layers take two, the sections before chapter 1 pushing chapter 4 over; the two-layer
// example has its data and model on one, results and both diagrams (200 pt each) on a second, the
// judgement on a third; with 50 layers the two tables of 50 rows of 11.5 pt fill three pages,
// each diagram (51 labels of 9 pt) takes its own and the judgement one more. The check's table of
// nine rows adds four bands. Extreme values and a long name of characters
// outside the width table give wide texts. Each page with rows of a layer table starts them with
// the header; all rows of both tables, in order, once each. A value that is not finite shows as
// a dash with a note, never as "nan" or "inf". Every report of one to fifty layers, without and
// with the design chapter (Rankine; Coulomb with δ/φ′ 2/3 and β 10°; seismic rows of SLV and
// SLD of a site, with a strip load), so that the breaks fall everywhere: the last text of each
// page, the running header and the page number apart, is no heading and no line opening a table.
TEST(Pagine, TuttoSullaCartaNienteSovrappostoNumeriInFondo) {
    Modulo1 nan = dueStrati();
    nan.Strati(2).Sa1 = NaN;
    Modulo1 enorme = dueStrati(); // a moment that overflows: 1e300 kPa over 1e300 m
    enorme.Strati(2).Potenza = enorme.Strati(2).Sa2 = 1e300;
    const Modulo1 estremi =
        profilo(1e300, {strato(1e-300, 1, 1e300, 30),
                        strato(123456.789012345, 0.1, 0, 0.123456789012345, 1)});
    const std::string lungo = std::string(300, 'x') + "\xE4\xB8\xAD.spt";
    const std::vector<std::string> nessuno = {"Strati: nessuno strato.", "q = 12,5 kPa",
                                              "Progetto: progetto non salvato"};
    const std::vector<std::string> nonFiniti = {Lineetta, "valore non rappresentabile"};
    // A layer the design rules refuse (submerged, γ 9 ≤ γw): computed, and named in an avviso.
    const std::vector<std::string> impossibile = {"Avviso: Lo strato 1 \xC3\xA8 fisicamente "
                                                  "impossibile"};
    using Parametri = std::optional<ParametriCalcolo>;
    std::vector<std::tuple<Modulo1, std::string, std::size_t, std::vector<std::string>, Parametri>>
        casi = {{profilo(12.5, {}), "", 2, nessuno, {}},
                {dueStrati(), "d.spt", 3, {}, {}},
                {cinquantaStrati(), "c.spt", 6, {}, {}},
                {estremi, lungo, 0, {}, {}},
                {nan, "a.spt", 0, nonFiniti, {}},
                {enorme, "b.spt", 0, nonFiniti, {}},
                {profilo(0, {strato(3, 9, 0, 30, 1)}), "i.spt", 0, impossibile, {}}};
    ParametriCalcolo coulomb, sisma;
    coulomb.teoria = Teoria::Coulomb;
    coulomb.deltaPhi = 2.0 / 3;
    coulomb.beta = 10;
    sisma.sisma.ag = {0.25, 0.1}; // the site's lines of the seismic section too
    sisma.sisma.f0 = {2.5, 2.5};
    sisma.sisma.suolo = CategoriaSuolo::C;
    sisma.sisma.stati = {true, true};
    sisma.carichi = {Carico{TipoCarico::Striscia, 1, 3, 20}};
    // Every count of layers: the section breaks fall at every place of a page.
    for (int n = 1; n <= 50; ++n)
        for (const Parametri& p :
             {Parametri{}, Parametri{ParametriCalcolo{}}, Parametri{coulomb}, Parametri{sisma}}) {
            if (n == 50 && !p)
                continue; // the fifty layers above
            casi.emplace_back(cinquantaStrati(), std::to_string(n), 0, std::vector<std::string>{},
                              p);
            std::get<0>(casi.back()).NumStrati = static_cast<Intero16>(n);
        }
    const double m = MargineStampabile;
    for (const auto& [lavoro, progetto, pagine, parole, parametri] : casi) {
        SCOPED_TRACE(progetto.substr(0, 20) + (parametri ? " con il progetto" : ""));
        DatiRelazione dr = dati(progetto);
        RisultatoProgetto calcolo;
        if (parametri) {
            calcolo = CalcolaSpinteProgetto(lavoro, *parametri);
            ASSERT_TRUE(calcolo.ok) << calcolo.messaggio;
            dr.parametri = &*parametri;
            dr.risultati = &calcolo;
        }
        const auto dentro = [&](double x, double y) {
            return x >= m && x <= LarghezzaPagina - m && y >= m && y <= AltezzaPagina - m;
        };
        const DocumentoRelazione d = ComponiRelazione(lavoro, dr);
        EXPECT_TRUE(pagine == 0 || d.pagine.size() == pagine) << d.pagine.size();
        std::string tutto;
        std::vector<std::string> titoli;
        std::vector<int> strati, attesi;
        int fasce = 0;
        for (std::size_t i = 0; i < d.pagine.size(); ++i) {
            const std::vector<const TestoPagina*> t = testi(d.pagine[i]);
            ASSERT_FALSE(t.empty());
            EXPECT_EQ(t.back()->testo,
                      "pagina " + std::to_string(i + 1) + " di " + std::to_string(d.pagine.size()));
            // What opens a block (a heading, the line that introduces a table) never ends a page.
            const TestoPagina* ultimo = nullptr;
            for (const TestoPagina* c : t)
                if (c->carattere != Carattere::Piccolo && (!ultimo || c->y >= ultimo->y))
                    ultimo = c;
            ASSERT_NE(ultimo, nullptr);
            EXPECT_FALSE(ultimo->carattere == Carattere::Intestazione ||
                         (ultimo->carattere == Carattere::Corpo && ultimo->testo.ends_with(':')))
                << "«" << ultimo->testo << "» at the foot of page " << i + 1;
            // The rule under a table's header reaches past every cell; the band lies behind the
            // rows of even number (the 2nd, 4th... of each table).
            double destraCelle = 0;
            std::vector<const TestoPagina*> numeri; // the cells under a header "Strato"
            for (const TestoPagina* c : t) {
                if (c->carattere == Carattere::Tabella)
                    destraCelle = std::max(destraCelle, ingombro(*c).destra);
                // A row's first cell lies below a header's first cell on its page, in its column.
                if (std::any_of(t.begin(), t.end(), [&](const TestoPagina* h) {
                        return h->carattere == Carattere::TabellaIntestazione &&
                               h->testo == "Strato" && c->x == h->x && c->y > h->y;
                    })) {
                    numeri.push_back(c);
                    if (c->carattere == Carattere::Tabella)
                        strati.push_back(std::stoi(c->testo));
                }
            }
            for (const PassoPagina& s : d.pagine[i].passi) {
                const auto* l = std::get_if<LineaPagina>(&s);
                const auto* r = std::get_if<RettangoloPagina>(&s);
                EXPECT_TRUE(!l || (dentro(l->x1, l->y1) && dentro(l->x2, l->y2))) << i;
                // A pressure line runs down the depth, in every diagram.
                EXPECT_TRUE(!l || l->inchiostro != Inchiostro::Rosso || l->y1 <= l->y2) << i;
                EXPECT_TRUE(!l ||
                            std::max(l->x1, l->x2) <= LarghezzaPagina - 20 * PuntiPerMm + 1e-9)
                    << i;
                EXPECT_TRUE(!r ||
                            (dentro(r->x, r->y) && dentro(r->x + r->larghezza, r->y + r->altezza)));
                if (l && l->inchiostro == Inchiostro::Nero && l->spessore == 0.4) {
                    EXPECT_GE(l->x2, destraCelle) << i;
                }
                if (r && r->inchiostro == Inchiostro::Fondo) {
                    ++fasce;
                    for (const TestoPagina* c : numeri)
                        EXPECT_TRUE(c->y < r->y || c->y > r->y + r->altezza ||
                                    (std::stoi(c->testo) % 2 == 0 && ingombro(*c).alto >= r->y &&
                                     ingombro(*c).basso <= r->y + r->altezza))
                            << c->testo;
                }
            }
            for (std::size_t a = 0; a < t.size(); ++a) {
                tutto += t[a]->testo + "\n";
                if (t[a]->carattere == Carattere::Intestazione)
                    titoli.push_back(t[a]->testo);
                const Ingombro ia = ingombro(*t[a]);
                EXPECT_TRUE(dentro(ia.sinistra, ia.alto) && dentro(ia.destra, ia.basso))
                    << t[a]->testo;
                // Across, within the text's 20 mm margins; clear of every tick mark (0.5 pt).
                EXPECT_TRUE(ia.sinistra >= 20 * PuntiPerMm - 1e-9 &&
                            ia.destra <= LarghezzaPagina - 20 * PuntiPerMm + 1e-9)
                    << t[a]->testo;
                for (const PassoPagina& s : d.pagine[i].passi) {
                    const auto* l = std::get_if<LineaPagina>(&s);
                    EXPECT_FALSE(l && l->spessore == 0.5 && ia.sinistra < std::max(l->x1, l->x2) &&
                                 std::min(l->x1, l->x2) < ia.destra &&
                                 ia.alto < std::max(l->y1, l->y2) &&
                                 std::min(l->y1, l->y2) < ia.basso)
                        << t[a]->testo;
                }
                for (std::size_t b = a + 1; b < t.size(); ++b) {
                    const Ingombro ib = ingombro(*t[b]);
                    EXPECT_FALSE(ia.sinistra < ib.destra && ib.sinistra < ia.destra &&
                                 ia.alto < ib.basso && ib.alto < ia.basso)
                        << "«" << t[a]->testo << "» e «" << t[b]->testo << "»";
                }
            }
        }
        // Chapters "N." and their sections "N.M" in order from 1, the figures too; the prose names
        // only chapters the report has, the judgement's (the last) by its heading's number.
        int capitolo = 0, sezione = 0, figura = 0;
        for (const std::string& h : titoli) {
            int n = 0, s = 0;
            const int letti = std::sscanf(h.c_str(), "%d.%d", &n, &s);
            capitolo += letti == 1 ? 1 : 0;
            sezione = letti == 2 ? sezione + 1 : 0;
            EXPECT_TRUE(letti < 1 || (n == capitolo && s == sezione)) << h;
        }
        std::replace(tutto.begin(), tutto.end(), '\n', ' '); // the wrapped lines joined again
        for (auto k = tutto.find("Figura "); k != std::string::npos;
             k = tutto.find("Figura ", k + 1))
            EXPECT_EQ(std::atoi(&tutto[k + 7]), ++figura);
        for (auto k = tutto.find("capitol"); k != std::string::npos;
             k = tutto.find("capitol", k + 1)) {
            const int n = std::atoi(&tutto[k + 9]); // 0 also for "capitoli precedenti"
            EXPECT_TRUE(n <= capitolo && (n > 0 || tutto[k + 9] != '0'));
        }
        EXPECT_NE(tutto.find("giudizio sui risultati nel capitolo " + std::to_string(capitolo)),
                  std::string::npos);
        for (int i = 0; i < 2 * lavoro.NumStrati; ++i)
            attesi.push_back(i % lavoro.NumStrati + 1);
        if (!parametri) { // the design chapter adds tables of its own
            EXPECT_EQ(strati, attesi);
            EXPECT_EQ(fasce, lavoro.NumStrati / 2 * 2 + (lavoro.NumStrati > 0 ? 4 : 0));
        }
        for (const std::string& parola : parole)
            EXPECT_NE(tutto.find(parola), std::string::npos) << parola;
        for (const char* brutto : {"nan", "NaN", "inf", "Inf"})
            EXPECT_EQ(tutto.find(brutto), std::string::npos) << tutto;
    }
}

// The point of application on the Sa diagram: the arrow (the only 1.2 pt horizontal line) lies
// at 5 − 1.57977 = 3.42023 m of depth; the pressure line ends at 60.806 kPa at the base, 5 m.
TEST(Diagrammi, PuntoDiApplicazioneAllaQuotaCalcolata) {
    const DocumentoRelazione d = ComponiRelazione(dueStrati(), dati());
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
    // Beside the plot, every boundary from the ground down: depth, and σa above / below it.
    std::vector<std::string> etichette;
    for (const PassoPagina& s : d.pagine[static_cast<std::size_t>(r.pagina)].passi)
        if (const auto* t = std::get_if<TestoPagina>(&s);
            t && t->x > r.destra && t->y > r.alto - 10 && t->y < r.basso + 10)
            etichette.push_back(t->testo);
    for (const char* e : {"0,000", "3,329", "2,000", "15,315 / 18,646", "5,000", "60,806"})
        EXPECT_EQ(std::count(etichette.begin(), etichette.end(), e), 1) << e;
    EXPECT_NEAR(pressione(xMassimo), 60.806119, 1e-4);
    EXPECT_NEAR(zAlMassimo, 5.0, 1e-4);
    EXPECT_EQ(ComponiRelazione(Modulo1{}, dati()).diagrammaSa.pagina, -1); // no layers: none
}

// The design chapter follows the diagrams when the results are given, with the A1+M1 row of one
// dry layer worked by hand (H 5, γ 18, φ′ 30°, q 10: 367.5·Ka = 122.350 kN/m) marked as governing.
TEST(Pagine, CapitoloDelleSpinteDiProgetto) {
    const Modulo1 m = profilo(10, {prova::strato(5, 18, 0, 30)});
    const ParametriCalcolo parametri;
    const RisultatoProgetto r = CalcolaSpinteProgetto(m, parametri);
    DatiRelazione d = dati();
    const std::size_t senza = ComponiRelazione(m, d).pagine.size();
    d.parametri = &parametri;
    d.risultati = &r;
    const DocumentoRelazione doc = ComponiRelazione(m, d);
    const std::vector<std::string> testo = righe(doc);
    const auto titolo = std::find(testo.begin(), testo.end(), "5. Spinte di progetto (NTC 2018)");
    ASSERT_NE(titolo, testo.end());
    // The partial factors of A1+M1 (NTC 2018 Tab. 6.2.I and 6.2.II): γG1 1.3, γQ 1.5, γφ′ 1.
    const std::vector<std::string> fattori = {"A1+M1", "1,30", "1,50", "1,00"};
    const auto a1 = std::search(titolo, testo.end(), fattori.begin(), fattori.end());
    ASSERT_NE(a1, testo.end());
    EXPECT_NE(std::find(titolo, testo.end(), "122,350"), testo.end());
    EXPECT_NE(std::find(a1, testo.end(), "governa"), testo.end());
    EXPECT_GT(doc.pagine.size(), senza);
    // The parameters' table lists the calculation's entries (not the partial factors, which have
    // a table of their own). Beside the diagram, depth and σh of each boundary: 1.5·10·Ka = 4.994
    // at 0 m, (1.3·90 + 1.5·10)·Ka = 43.946 at 5 m (Ka 0.332925); the thrust applied at
    // (1.3·225·5/3 + 1.5·50·2.5)/367.5 = 1.837 m.
    EXPECT_NE(std::find(titolo, testo.end(), "Attrito terra-muro \xCE\xB4/\xCF\x86\xE2\x80\xB2"),
              testo.end());
    EXPECT_EQ(std::find(titolo, testo.end(), "\xCE\xB3Q azioni variabili sfavorevoli"),
              testo.end());
    EXPECT_NE(std::find(titolo, testo.end(), "S = 122,350 kN/m a 1,837 m dalla base"), testo.end());
    const std::vector<std::string> confini = {"0,000", "4,994", "5,000", "43,946"};
    EXPECT_NE(std::search(titolo, testo.end(), confini.begin(), confini.end()), testo.end());
    // The governing row's layers: layer 1, φ′d 30°, c′d 0, K = Kh = Ka, δ 0, σh 4.994 / 43.946.
    // clang-format off
    const std::vector<std::string> strato = {"Strati nella combinazione A1+M1:",
        "1", "30,00", "0,00", "0,3329", "0,3329", "0,00", "4,994"};
    // clang-format on
    const auto tabella = std::find(titolo, testo.end(), strato.front());
    ASSERT_NE(tabella, testo.end());
    EXPECT_NE(std::search(tabella, testo.end(), strato.begin() + 1, strato.end()), testo.end());
}

// With the seismic rows the chapter gains its section after the static diagram: the site action
// of the two-layer example (ag/g 0.25, F0 2.5, category C: Ss = 1.70 − 0.60·2.5·0.25 = 1.325),
// the SLV row with kv downwards worked by hand in test_analisi (158.723 kN/m) marked as governing.
TEST(Pagine, SezioneSismica) {
    const Modulo1 m = profilo(0, {strato(2, 18, 0, 30), strato(3, 20, 5, 25, 1)});
    ParametriCalcolo parametri;
    parametri.sisma.ag = {0.25, std::nullopt};
    parametri.sisma.f0 = {2.5, std::nullopt};
    parametri.sisma.suolo = CategoriaSuolo::C;
    const RisultatoProgetto r = CalcolaSpinteProgetto(m, parametri);
    ASSERT_TRUE(r.ok) << r.messaggio;
    DatiRelazione d = dati();
    d.parametri = &parametri;
    d.risultati = &r;
    const std::vector<std::string> visti = righe(ComponiRelazione(m, d));
    const auto titolo =
        std::find(visti.begin(), visti.end(), "5.1 Azione sismica (NTC 2018 §7.11.6)");
    ASSERT_NE(titolo, visti.end());
    EXPECT_NE(std::find(titolo, visti.end(), "1,325"), visti.end());
    const auto slv = std::find(titolo, visti.end(), "158,723");
    ASSERT_NE(slv, visti.end());
    EXPECT_NE(std::find(slv, visti.end(), "governa"), visti.end());

    // A passive resistance at SLV and SLD: the layers of the row of each state that the
    // calculation marked as governing (the smaller resistance), under its heading, and not those
    // of the other kv sign.
    parametri.stato = StatoTerreno::Passiva;
    parametri.sisma.ag = {0.25, 0.1};
    parametri.sisma.f0 = {2.5, 2.5};
    parametri.sisma.stati = {true, true};
    const RisultatoProgetto passiva = CalcolaSpinteProgetto(m, parametri);
    ASSERT_TRUE(passiva.ok) << passiva.messaggio;
    d.risultati = &passiva;
    const std::vector<std::string> testo = righe(ComponiRelazione(m, d));
    int governanti = 0;
    for (const RigaProgetto& x : passiva.righe) {
        if (!x.sisma)
            continue;
        const std::string titoloRiga = "Strati nella riga " + x.nome + ", kv " +
                                       (x.sisma->kvSegno > 0 ? "verso il basso" : "verso l'alto") +
                                       ":";
        EXPECT_EQ(std::count(testo.begin(), testo.end(), titoloRiga), x.governa ? 1 : 0)
            << titoloRiga;
        governanti += x.governa ? 1 : 0;
    }
    EXPECT_EQ(governanti, 2);
}

// The judgement's bounds are "coerente" (0.90 and 1.10 included); a ratio that overflows, or a
// value that is not finite, cannot be judged.
TEST(Giudizio, LimitiDelRapporto) {
    using enum Giudizio;
    // clang-format off
    const std::tuple<double, double, Giudizio> casi[] = {
        {1.1, 1, Coerente}, {0.9, 1, Coerente}, {1.1000001, 1, NonSpiegato},
        {0.8999999, 1, NonSpiegato}, {0, 0, Coerente}, {1, 0, NonSpiegato},
        {NaN, 1, NonCalcolabile}, {1e308, 1e-308, NonCalcolabile}};
    // clang-format on
    for (const auto& [stima, programma, atteso] : casi)
        EXPECT_EQ(GiudicaSpinta(stima, programma), atteso) << stima << " / " << programma;
}

// The sections NTC 2018 §10.2 asks. The heading's filled fields under the title, an empty one
// left out; "Tipo di analisi" and "Codice di calcolo" before chapter 1; the judgement after the
// last chapter, 5 or 6 when the design chapter is there. The check worked by hand, with the exact
// π (the program's Ka uses 3.14):
// - two layers: H 5, γeq (36 + 60)/5 = 19.2, φeq (60 + 75)/5 = 27°, Ka,eq tan²31.5° = 0.375525,
//   Hw 3: Seq = 0.375525·(10·5 + 19.2·25/2 − 45) + 45 = 137.004 against 137.822: 0.994;
// - 4 m of clay (γ 19, c 20, φ 20°): S = σa base·(H − z0)/2 with σa base = 0.489645·76 −
//   40·0.699746 = 9.223 and z0 = 40/(19·0.699746) = 3.0086, so 4.572; Seq = tan²35°·19·16/2 =
//   0.490291·152 = 74.524: 16.30, not explained;
// - 3 m at φ 40° over 2 m at φ 10° (γ 18): S = 0.217192·54·3/2 + 0.703077·(54 + 90)·2/2 =
//   17.593 + 101.243 = 118.836, Seq = tan²31°·18·25/2 = 81.233: 0.684;
// - 1 m wholly in tension (γ 18, c 20, φ 30°): S = 0, Seq = 18/2·1/3 = 3.000.
TEST(Pagine, SezioniDelleNtcEGiudizioDeiRisultati) {
    // clang-format off
    const struct {
        Modulo1 m;
        bool progetto;
        std::vector<std::string> attesi;
    } casi[] = {
        {dueStrati(), false, {"5. Giudizio di accettabilit\xC3\xA0 dei risultati", "137,004",
                              "0,994", "coerente con il controllo"}},
        {dueStrati(), true, {"6. Giudizio di accettabilit\xC3\xA0 dei risultati", "0,994"}},
        {profilo(0, {strato(4, 19, 20, 20)}), false,
         {"74,524", "4,572", "Giudizio: Seq/S = 16,30", "non \xC3\xA8 spiegata"}},
        {profilo(0, {strato(3, 18, 0, 40), strato(2, 18, 0, 10)}), false,
         {"81,233", "0,684", "non compreso tra 0,90 e 1,10"}},
        {profilo(0, {strato(1, 18, 20, 30)}), false,
         {"3,000", "non definito", "la spinta del programma \xC3\xA8 nulla"}},
        {profilo(0, {}), false, {"Nessuno strato: nessun controllo."}}};
    // clang-format on
    Intestazione intestazione;
    intestazione.committente = "Comune di Prova";
    intestazione.opera = "Muro di via Roma";
    for (const auto& c : casi) {
        const ParametriCalcolo parametri;
        const RisultatoProgetto r = CalcolaSpinteProgetto(c.m, parametri);
        DatiRelazione d = dati();
        d.intestazione = &intestazione;
        // The installed program names its documentation folder; from its build, the source's.
        d.codice = {c.progetto ? "" : "/usr/share/doc/spintaro", "9.9 del 01/01/2030"};
        const std::string documento =
            c.progetto ? "docs/validazione.md e docs/validazione.pdf nel codice sorgente"
                       : "/usr/share/doc/spintaro/validazione.md e "
                         "/usr/share/doc/spintaro/validazione.pdf";
        if (c.progetto) {
            d.parametri = &parametri;
            d.risultati = &r;
        }
        std::string unito; // the paragraphs' lines joined
        for (const std::string& t : righe(ComponiRelazione(c.m, d)))
            unito += t + " ";
        SCOPED_TRACE(c.attesi.front());
        std::size_t dove = 0;
        for (const std::string& ordine :
             {std::string("Committente: Comune di Prova"), std::string("Opera: Muro di via Roma"),
              std::string("Progetto: "), std::string("Tipo di analisi"),
              std::string("Codice di calcolo"), std::string("Programma: Spintaro 1.1.0"),
              std::string("Licenza: GPL-3.0-or-later"),
              "Documento di validazione: " + documento + ", versione 9.9 del 01/01/2030",
              std::string("1. Dati"), std::string("Giudizio di accettabilit\xC3\xA0")}) {
            dove = unito.find(ordine, dove);
            EXPECT_NE(dove, std::string::npos) << ordine;
        }
        // Nothing that is not known: no authors, no address.
        for (const char* assente : {"Localit\xC3\xA0:", "Autori", "Codice sorgente", "http"})
            EXPECT_EQ(unito.find(assente), std::string::npos) << assente;
        for (const std::string& a : c.attesi)
            EXPECT_NE(unito.find(a, unito.find("4. Diagrammi")), std::string::npos) << a;
        EXPECT_EQ(unito.find("capitolo 5 d\xC3\xA0") != std::string::npos, c.progetto);
    }
}

// The check of the governing static design row on the two-layer example's homogeneous soil
// (H 5, Hw 3, γeq 19.2, φeq 27°, q 10; γeq·H²/2 − γw·Hw²/2 = 240 − 45 = 195, q·H = 50), exact π:
// - Coulomb δ/φ′ 2/3, β 10°, A1+M1 (γG1 1.3, γQ 1.5, γφ′ 1): δ = 18°,
//   K = cos²27°/(cos 18°·[1 + √(sin 45°·sin 17°/(cos 18°·cos 10°))]²) = 0.38639,
//   Kh = 0.38639·cos 18° = 0.36748, Seq,d = 1.3·(71.659 + 45) + 1.5·18.374 = 179.217. The row:
//   Coulomb with π = 3.14 gives Kh 0.319719 (φ′ 30°, δ 20°) and 0.403538 (φ′ 25°, δ 16.667°);
//   Sd = 1.3·(36·Kh1 + 153·Kh2 + 45) + 1.5·(20·Kh1 + 30·Kh2) = 76.8·Kh1 + 243.9·Kh2 + 58.5 =
//   181.477, ratio 0.988;
// - Rankine, A2+M2 alone (γG1 1, γQ 1.3, γφ′ 1.25): φeq,d = arctan(0.50953/1.25) = 22.177°,
//   Ka = tan²(45° − 11.088°) = 0.45194, 133.128 + 1.3·22.597 = 162.505;
// - SLE alone: no row governs, no check.
TEST(Giudizio, RigaDiProgettoCheGoverna) {
    const Modulo1 m = dueStrati();
    ParametriCalcolo coulomb, a2, sle;
    coulomb.teoria = Teoria::Coulomb;
    coulomb.deltaPhi = 2.0 / 3;
    coulomb.beta = 10;
    a2.combinazioni = {false, false, true};
    sle.combinazioni = {true, false, false};
    const std::tuple<ParametriCalcolo, double, double, double, double> casi[] = {
        {coulomb, 27, 18, 0.36748, 179.217}, {a2, 22.177, 0, 0.45194, 162.505}};
    for (const auto& [p, phi, delta, kh, spinta] : casi) {
        const RisultatoProgetto r = CalcolaSpinteProgetto(m, p);
        const auto d = StimaRigaGovernante(StimaTerrenoOmogeneo(m, 2), 10, p, r);
        ASSERT_TRUE(r.ok && d.has_value()) << r.messaggio;
        EXPECT_NEAR(d->phi, phi, 5e-4);
        EXPECT_NEAR(d->delta, delta, 5e-4);
        EXPECT_NEAR(d->kh, kh, 5e-6);
        EXPECT_NEAR(d->spinta, spinta, 5e-4);
        if (p.teoria == Teoria::Coulomb) {
            EXPECT_TRUE(d->riga->nome == "A1+M1" && std::abs(d->riga->spinta - 181.477) < 5e-4 &&
                        std::abs(d->spinta / d->riga->spinta - 0.988) < 5e-4);
        }
    }
    EXPECT_FALSE(
        StimaRigaGovernante(StimaTerrenoOmogeneo(m, 2), 10, sle, CalcolaSpinteProgetto(m, sle)));
}

} // namespace
} // namespace spintaro
