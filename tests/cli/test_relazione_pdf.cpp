// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report the batch calculator writes: its inks on paper, and the PDF read back.
#include "casi.h"
#include "files/parametri_lavoro.h"
#include "files/progetto.h"
#include "platform/intestazione_relazione.h"
#include "report/relazione.h"
#include "supporto_calcola.h"
#include "text/testi_numerici.h"

#include <QImage>
#include <QPainter>

namespace spintaro {
namespace {

using namespace prova_cli;
using prova::PrintTo;

// The report's inks on paper: each a colour of its own, black darkest, the band lightest short of
// the white page; a line drawn in its own ink and width.
TEST(Relazione, InchiostriELineeSullaCarta) {
    const Inchiostro ordine[] = {Inchiostro::Nero, Inchiostro::Grigio, Inchiostro::GrigioChiaro,
                                 Inchiostro::Fondo};
    for (std::size_t k = 0; k < std::size(ordine); ++k) {
        EXPECT_TRUE(coloreRelazione(ordine[k]).isValid());
        EXPECT_LT(coloreRelazione(ordine[k]).lightness(),
                  k + 1 < std::size(ordine) ? coloreRelazione(ordine[k + 1]).lightness() : 255);
    }
    QImage foglio(40, 40, QImage::Format_RGB32);
    foglio.fill(Qt::white);
    QPainter pittore(&foglio);
    PaginaRelazione pagina;
    pagina.passi = {LineaPagina{0, 20, 40, 20, Inchiostro::Rosso, 4}};
    dipingiPaginaRelazione(pittore, pagina, 1);
    pittore.end();
    EXPECT_EQ(foglio.pixelColor(20, 20), coloreRelazione(Inchiostro::Rosso));
}

// The report read back from its PDF by pdftotext: every layer's inputs and results, the totals
// with their units and "pagina N di M" under every page. Ka, σv, σa and the totals are the core's
// own (CalcolaSpinta, AnalizzaSpinta); the pore pressures, the water part and z0 are worked here
// from the inputs: u = 10·hw down each series of submerged layers, the water thrust Σ(u1 + u2)·h/2,
// z0 where σa turns from tension to pressure inside the layer. The page count is the layout's.
struct CasoRelazione {
    const char* nome;
    std::string sovraccarico;
    std::vector<std::vector<std::string>> strati;         // h, γ, c, φ, falda as typed
    std::string spinta = "", braccio = "";                // worked by hand; empty: not checked here
    std::vector<std::string> opzioni = {};                // more options of the calculator
    std::vector<std::string> presenti = {}, assenti = {}; // texts of the whole, spaces joined
};

// A number as the report prints it, by the rule that the core's tests prove (TestoValore).
std::string fisso(double v, int decimali = 3) {
    return TestoValore(v, decimali, ".");
}

class Relazione : public testing::TestWithParam<CasoRelazione> {};

TEST_P(Relazione, IlPdfRilettoDiceCioCheIlCalcoloDà) {
    const CasoRelazione& c = GetParam();
    const bool ci = std::getenv("CI") != nullptr;
    if (std::system("command -v pdftotext >/dev/null") != 0) {
        ASSERT_FALSE(ci) << "pdftotext (poppler-utils) missing";
        GTEST_SKIP() << "pdftotext (poppler-utils) missing";
    }
    const Temporanea dir;
    std::string spt = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
    for (const auto& s : c.strati)
        for (const std::string& v : s)
            spt += " " + v + " \r\n";
    std::ofstream(dir / "p.spt", std::ios::binary) << spt;
    std::vector<std::string> argomenti = {"--sovraccarico", c.sovraccarico, "--relazione",
                                          dir / "r.pdf", dir / "p.spt"};
    argomenti.insert(argomenti.begin(), c.opzioni.begin(), c.opzioni.end());
    const Risultato r = esegui(argomenti, punto);
    ASSERT_EQ(r.codice, 0) << r.err;
    ASSERT_EQ(
        std::system(
            ("pdftotext -layout '" + (dir / "r.pdf") + "' '" + (dir / "r.txt") + "'").c_str()),
        0);
    Modulo1 m;
    m.Strati(0).Sv = std::stod(c.sovraccarico);
    ASSERT_TRUE(ApriProgetto(m, spt).ok);
    CalcolaSpinta(m);
    const AnalisiSpinta a = AnalizzaSpinta(m);

    // The core's pore pressures and water part, proved by its own tests, as the report must print.
    const std::vector<Acqua> pori = PressioniAcqua(m, m.NumStrati);
    std::vector<std::vector<std::string>> ingressi, risultati;
    double z = 0;
    for (int i = 1; i <= m.NumStrati; ++i) {
        const Strato& s = m.Strati(i);
        const double u1 = pori[static_cast<std::size_t>(i - 1)].u1;
        const double u2 = pori[static_cast<std::size_t>(i - 1)].u2;
        std::vector<std::string> riga = c.strati[static_cast<std::size_t>(i - 1)];
        riga.back() = s.Falda != 0 ? "Si" : "No";
        riga.insert(riga.begin(), std::to_string(i));
        ingressi.push_back(riga);
        risultati.push_back({std::to_string(i), fisso(s.Ka, 4), fisso(s.Sv), fisso(s.Sa1),
                             fisso(s.Sa2), fisso(u1), fisso(u2)});
        if (s.Sa1 < 0 && s.Sa2 > 0)
            risultati.back().push_back(fisso(z + s.Potenza * -s.Sa1 / (s.Sa2 - s.Sa1)));
        z += s.Potenza;
    }
    const std::string braccio =
        a.braccio ? fisso(*a.braccio) + " m" : "non definita (spinta nulla)";
    const std::pair<std::string, std::string> totali[] = {
        {"Spinta attiva totale S", fisso(a.spinta) + " kN/m"},
        {"di cui spinta dell'acqua", fisso(a.spintaAcqua) + " kN/m"},
        {"Momento ribaltante rispetto alla base del profilo M", fisso(a.momento) + " kN·m/m"},
        {"Altezza del punto di applicazione sopra la base M/S", braccio}};
    EXPECT_TRUE(c.spinta.empty() || totali[0].second == c.spinta + " kN/m") << totali[0].second;
    EXPECT_TRUE(c.braccio.empty() || braccio == c.braccio) << braccio;

    // The rows of the two tables, each where its section puts it; the units under the header of
    // each page that holds rows.
    std::istringstream testo(leggiByte(dir / "r.txt"));
    std::vector<std::vector<std::string>> letti[2];
    std::vector<std::string> trovati;
    int sezione = -1, pagina = 1, paginaUnita[2] = {0, 0}, righeTotali = 0;
    const std::regex unita[] = {std::regex(" *m +kN/m³ +kPa +° *"),
                                std::regex(" *kPa +kPa +kPa +kPa +kPa +m *")};
    for (std::string riga; std::getline(testo, riga);) {
        for (; riga.starts_with('\f'); riga.erase(0, 1))
            ++pagina;
        const std::string numero = "pagina " + std::to_string(pagina) + " di ";
        if (riga.find(numero) != npos)
            trovati.push_back(riga.substr(riga.find(numero)));
        sezione = riga.starts_with("1. Dati")         ? 0
                  : riga.starts_with("2. Modello")    ? -1
                  : riga.starts_with("3. Risultati")  ? 1
                  : riga.starts_with("Spinta attiva") ? -1
                                                      : sezione;
        for (const auto& [nome, valore] : totali) {
            if (riga.starts_with(nome)) {
                ++righeTotali;
                EXPECT_TRUE(combacia(riga, nome + " ~ " + valore)) << riga;
            }
        }
        if (sezione >= 0 && std::regex_match(riga, unita[sezione]))
            paginaUnita[sezione] = pagina;
        std::istringstream parole(riga);
        std::vector<std::string> v(std::istream_iterator<std::string>(parole), {});
        if (sezione >= 0 && !v.empty() && v[0].find_first_not_of("0123456789") == npos) {
            letti[sezione].push_back(v);
            EXPECT_EQ(paginaUnita[sezione], pagina)
                << "a page of rows without the header: " << riga;
        }
    }
    // The sections of NTC 2018 §10.2: the code with the version that the validation document's
    // own line gives, the heading and the check of each case.
    std::string unito = std::regex_replace(leggiByte(dir / "r.txt"), std::regex("\\s+"), " ");
    const std::string documento = leggiByte(SPINTARO_EXAMPLES "/../docs/validazione.md");
    const std::string riga = "\nVersione del documento: ";
    const std::size_t versione = documento.find(riga);
    ASSERT_NE(versione, npos);
    const std::size_t inizio = versione + riga.size();
    EXPECT_NE(unito.find("Documento di validazione: docs/validazione.md e docs/validazione.pdf "
                         "nel codice sorgente, versione " +
                         documento.substr(inizio, documento.find(" (", inizio) - inizio)),
              npos);
    for (const char* t : {"Tipo di analisi", "Codice di calcolo", "Licenza: GPL-3.0-or-later",
                          "Giudizio di accettabilità dei risultati"})
        EXPECT_NE(unito.find(t), npos) << t;
    for (const char* t : {"Autori", "Codice sorgente", "example.org"})
        EXPECT_EQ(unito.find(t), npos) << t;
    for (const std::string& t : c.presenti)
        EXPECT_NE(unito.find(t), npos) << t;
    for (const std::string& t : c.assenti)
        EXPECT_EQ(unito.find(t), npos) << t;

    EXPECT_EQ(letti[0], ingressi);
    EXPECT_EQ(letti[1], risultati);
    EXPECT_EQ(righeTotali, 4);
    DatiLavoro lavoro;
    for (std::size_t k = 0; k + 1 < c.opzioni.size(); k += 2)
        ASSERT_FALSE(CercaParametro(c.opzioni[k].substr(2))->imposta(lavoro, c.opzioni[k + 1]));
    DatiRelazione come{"p.spt", "", programmaRelazione(), "."}; // as the calculator gives it
    come.intestazione = &lavoro.intestazione;
    come.codice = codiceRelazione();
    const RisultatoProgetto progetto = CalcolaSpinteProgetto(m, lavoro.parametri);
    if (ParametriDiProgetto(lavoro)) {
        come.parametri = &lavoro.parametri;
        come.risultati = &progetto;
    }
    const std::size_t pagine = ComponiRelazione(m, come).pagine.size();
    ASSERT_EQ(trovati.size(), pagine);
    for (const std::string& t : trovati)
        EXPECT_EQ(t.substr(t.find(" di ")), " di " + std::to_string(pagine));
}

// 4 m of sand (γ 18, φ 30°, Ka 0.332925 with π = 3.14): σa 0 to 23.971 kPa, S = 47.941 kN/m at
// 4/3 m. The two-layer example: S = 137.822 kN/m at 1.580 m (worked above, the JSON). Cohesive
// (h 4, γ 19, c 10, φ 20°): z0 = 1.504. Wholly in tension (h 1, γ 18, c 20, φ 30°): σa from
// −2·20·√Ka = −23.078 to −17.085 kPa, no thrust and no arm. Three submerged layers in a row: u runs
// 0, 20, 35, 65 kPa; water (0 + 20)·2/2 + (20 + 35)·1.5/2 + (35 + 65)·3/2 = 211.25. Fifty layers
// run over several pages; γ 5·10⁷ prints σv 2.500E+07 and the thrust 1.040E+07.
// The check of the judgement, with the exact π: two layers Seq = 0.375525·245 + 45 = 137.004,
// ratio 137.004/137.822 = 0.994 (worked in test_relazione); the heading given leaves out Località
// and Data. Cohesive: Seq = tan²35°·19·16/2 = 74.524 against S = σa base·(4 − z0)/2 =
// (0.489645·76 − 20·0.699746)·(4 − 1.5043)/2 = 28.973: 2.572, not explained. Wholly in tension:
// S = 0 against Seq = 18·1/2·1/3 = 3.000. With the design chapter (Coulomb δ/φ′ 2/3, β 10°), the
// check of the governing A1+M1 row worked in test_relazione: Seq,d = 1.3·(0.36748·195 + 45) +
// 1.5·0.36748·50 = 179.217 against Sd = 181.477, ratio 0.988. A road behind the two layers (H = 5
// m), a strip of 20 kPa, 3 m wide, 2 m away, variable: Jarquio's P = q/90·H·(θ2 − θ1) with
// θ1 = atan(2/5) = 21.8014°, θ2 = 45°: 25.776 kN/m at Das's height above the base
// z̄ = H − [H²(θ2 − θ1) + (R − Q) − 57.30·width·H]/(2H(θ2 − θ1)), R = (2 + 3)²·(90 − 45) = 1125,
// Q = 2²·(90 − 21.8014) = 272.794: z̄ = 5 − (579.965 + 852.206 − 859.5)/231.986 = 2.531 m, so
// M = 25.776·2.531 = 65.24 kN·m/m; in A1+M1 1.5·25.776 = 38.664; ψ2 = 0 in the seismic rows.
std::vector<CasoRelazione> casiRelazione() {
    std::vector<std::vector<std::string>> cinquanta;
    for (int i = 1; i <= 50; ++i)
        cinquanta.push_back(i % 2 ? std::vector<std::string>{"1", "18", "0", "30", "0"}
                                  : std::vector<std::string>{"0.5", "20", "5", "25", "1"});
    return {
        {"UnoStrato", "0", {{"4", "18", "0", "30", "0"}}, "47.941", "1.333 m"},
        {"DueStrati",
         "10",
         {{"2", "18", "0", "30", "0"}, {"3", "20", "5", "25", "1"}},
         "137.822",
         "1.580 m",
         {"--committente", "Comune di Pisa", "--opera", "Muro di via Roma", "--progettista",
          "Ing. A. Bianchi"},
         {"Committente: Comune di Pisa", "Opera: Muro di via Roma", "Progettista: Ing. A. Bianchi",
          "Rapporto Seq/S 0.994", "Giudizio: Seq/S = 0.994, la differenza (-0.6 %) è spiegata",
          "coerente con il controllo"},
         {"Località:", "Data:"}},
        {"Coesivo",
         "0",
         {{"4", "19", "10", "20", "0"}},
         "",
         "",
         {},
         {"Terreno omogeneo equivalente Seq 74.524", "Giudizio: Seq/S = 2.572",
          "non è spiegata dalla semplificazione"},
         {"Committente:", "coerente"}},
        {"DueStratiProgetto",
         "10",
         {{"2", "18", "0", "30", "0"}, {"3", "20", "5", "25", "1"}},
         "137.822",
         "1.580 m",
         {"--teoria", "coulomb", "--delta-phi", "2/3", "--beta", "10"},
         {"6. Giudizio di accettabilità dei risultati", "Rapporto Seq/S 0.994",
          "Terreno omogeneo equivalente Seq,d 179.217 kN/m",
          "Programma Sd (capitolo 5, A1+M1) 181.477 kN/m", "Rapporto Seq,d/Sd 0.988",
          "Giudizio: Seq,d/Sd = 0.988, la differenza (-1.2 %) è spiegata",
          "Le righe sismiche del capitolo 5 restano fuori dal controllo"}},
        {"DueStratiCarichi",
         "10",
         {{"2", "18", "0", "30", "0"}, {"3", "20", "5", "25", "1"}},
         "137.822",
         "1.580 m",
         {"--carico", "striscia:q=20,a=2,b=3", "--kh", "0.1"},
         {"5.1 Carichi sul terrapieno",
          std::string("1 striscia q = 20 kPa, b = 3 m, a = 2 m variabile 0.00 ") +
              "25.776 65.244 2.531",
          "A1+M1 38.664", "SLV kv verso il basso 0.000 0.000", "5.2 Azione sismica",
          "Figura 4 – Pressione orizzontale caratteristica dei carichi"}},
        {"TuttoInTrazione",
         "0",
         {{"1", "18", "20", "30", "0"}},
         "0.000",
         "non definita (spinta nulla)",
         {},
         {"Rapporto Seq/S non definito", "la spinta del programma è nulla", "(Seq = 3.000 kN/m)"}},
        {"FaldeSovrapposte",
         "5",
         {{"2", "20", "0", "30", "1"}, {"1.5", "19", "0", "25", "1"}, {"3", "21", "0", "35", "1"}}},
        {"CinquantaStrati", "10", cinquanta},
        {"Enorme",
         "0",
         {{"0.5", "50000000", "1.5", "30", "0"}, {"1", "18", "20", "30", "1"}},
         "1.040E+07"}};
}

INSTANTIATE_TEST_SUITE_P(Casi, Relazione, testing::ValuesIn(casiRelazione()), prova::NomeCaso{});

} // namespace
} // namespace spintaro
