// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report the batch calculator writes: its inks on paper, and the PDF read back.
#include "casi.h"
#include "files/parametri_lavoro.h"
#include "files/progetto.h"
#include "platform/intestazione_relazione.h"
#include "profili.h"
#include "report/relazione.h"
#include "supporto_calcola.h"

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

// The report read back from its PDF by pdftotext: each page holds every text that the core
// composes for it (ComponiRelazione, whose texts and numbers the core's tests prove) from the
// project and the options given, and as many pages; the texts of the whole that the cases name.
struct CasoRelazione {
    const char* nome;
    std::string sovraccarico;
    std::string strati;                                   // h, γ, c, φ, falda of each layer
    std::vector<std::string> opzioni = {};                // more options of the calculator
    std::vector<std::string> presenti = {}, assenti = {}; // texts of the whole, spaces joined
};

class Relazione : public testing::TestWithParam<CasoRelazione> {};

TEST_P(Relazione, IlPdfRilettoDiceCioCheIlCalcoloDà) {
    const CasoRelazione& c = GetParam();
    if (std::system("command -v pdftotext >/dev/null") != 0) {
        ASSERT_EQ(std::getenv("CI"), nullptr) << "pdftotext (poppler-utils) missing";
        GTEST_SKIP() << "pdftotext (poppler-utils) missing";
    }
    const Temporanea dir;
    std::string spt = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
    std::istringstream valori(c.strati);
    for (std::string v; valori >> v;)
        spt += " " + v + " \r\n";
    // Named with Greek letters, accents and symbols, which the PDF must give back.
    const std::string nome =
        "prova \xCE\xB3\xCF\x83\xCF\x86\xCF\x80 \xC3\xA0\xC3\xA8\xC3\xA9"
        "\xC2\xB0\xC2\xB2\xC3\x97\xE2\x80\x94\xE2\x80\xA6\xE2\x88\x92\xE2\x88\x9A.spt";
    std::ofstream(dir / nome, std::ios::binary) << spt;
    std::vector<std::string> argomenti = {"--sovraccarico", c.sovraccarico, "--relazione",
                                          dir / "r.pdf", dir / nome};
    argomenti.insert(argomenti.begin(), c.opzioni.begin(), c.opzioni.end());
    const Risultato r = esegui(argomenti, punto);
    ASSERT_EQ(r.codice, 0) << r.err;
    const auto testo = [&dir](const std::string& opzioni) {
        const std::string comando = "pdftotext " + opzioni + " '" + (dir / "r.pdf") + "' '";
        EXPECT_EQ(std::system((comando + (dir / "r.txt") + "'").c_str()), 0) << comando;
        return leggiByte(dir / "r.txt");
    };
    const auto spazi = [](const std::string& t, const char* con) {
        return std::regex_replace(t, std::regex("\\s+"), con);
    };
    Modulo1 m;
    m.Strati(0).Sv = std::stod(c.sovraccarico);
    ASSERT_TRUE(ApriProgetto(m, spt).ok);
    CalcolaSpinta(m);
    DatiLavoro lavoro;
    for (std::size_t k = 0; k + 1 < c.opzioni.size(); k += 2)
        ASSERT_FALSE(CercaParametro(c.opzioni[k].substr(2))->imposta(lavoro, c.opzioni[k + 1]));
    DatiRelazione come{nome, "", programmaRelazione(), "."}; // as the calculator gives it
    come.intestazione = &lavoro.intestazione;
    come.codice = codiceRelazione();
    const RisultatoProgetto progetto = CalcolaSpinteProgetto(m, lavoro.parametri);
    if (ParametriDiProgetto(lavoro)) {
        come.parametri = &lavoro.parametri;
        come.risultati = &progetto;
    }
    const DocumentoRelazione d = ComponiRelazione(m, come);
    const std::string tutto = testo("-layout");
    const std::string a4 = "pdfinfo '" + (dir / "r.pdf") + "' | grep -q '595 x 842 pts (A4)'";
    EXPECT_EQ(std::system(a4.c_str()), 0);
    ASSERT_EQ(std::count(tutto.begin(), tutto.end(), '\f'), std::ssize(d.pagine));
    for (std::size_t i = 0; i < d.pagine.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        const std::string pagina = spazi(testo("-f " + n + " -l " + n), "");
        for (const TestoPagina* t : prova::testi(d.pagine[i]))
            EXPECT_NE(pagina.find(spazi(t->testo, "")), npos) << "pagina " << n << ": " << t->testo;
    }

    // The sections of NTC 2018 §10.2: the code with the version that the validation document's
    // own line gives, the heading and the check of each case.
    const std::string unito = spazi(tutto, " ");
    const std::string documento = leggiByte(SPINTARO_EXAMPLES "/../docs/validazione.md");
    const std::string riga = "\nVersione del documento: ";
    const std::size_t versione = documento.find(riga);
    ASSERT_NE(versione, npos);
    const std::size_t inizio = versione + riga.size();
    EXPECT_NE(unito.find("Documento di validazione: docs/validazione.md e docs/validazione.pdf "
                         "nel codice sorgente, versione " +
                         documento.substr(inizio, documento.find(" (", inizio) - inizio)),
              npos);
    for (const char* t : {"Autori", "Codice sorgente", "example.org"})
        EXPECT_EQ(unito.find(t), npos) << t;
    for (const std::string& t : c.presenti)
        EXPECT_NE(unito.find(t), npos) << t;
    for (const std::string& t : c.assenti)
        EXPECT_EQ(unito.find(t), npos) << t;
}

// 4 m of sand (γ 18, φ 30°, Ka 0.332925 with π = 3.14): σa 0 to 23.971 kPa, S = 47.941 kN/m at
// 4/3 m. Three submerged layers in a row: u runs 0, 20, 35, 65 kPa; water (0 + 20)·2/2 +
// (20 + 35)·1.5/2 + (35 + 65)·3/2 = 211.25. Fifty layers run over several pages; γ 5·10⁷ prints
// σv 2.500E+07 and the thrust 1.040E+07.
// Cohesive (h 4, γ 19, c 10, φ 20°), the check of the judgement with the exact π: Seq =
// tan²35°·19·16/2 = 74.524 against S = σa base·(4 − z0)/2 = (0.489645·76 − 20·0.699746)·(4 −
// 1.5043)/2 = 28.973: 2.572, not explained.
// A road behind the two layers (H = 5 m), a strip of 20 kPa, 3 m wide, 2 m away, variable:
// Jarquio's P = q/90·H·(θ2 − θ1) with θ1 = atan(2/5) = 21.8014°, θ2 = 45°: 25.776 kN/m at Das's
// height above the base z̄ = H − [H²(θ2 − θ1) + (R − Q) − 57.30·width·H]/(2H(θ2 − θ1)),
// R = (2 + 3)²·(90 − 45) = 1125, Q = 2²·(90 − 21.8014) = 272.794: z̄ = 5 − (579.965 + 852.206 −
// 859.5)/231.986 = 2.531 m, so M = 25.776·2.531 = 65.24 kN·m/m; in A1+M1 1.5·25.776 = 38.664;
// ψ2 = 0 in the seismic rows.
std::vector<CasoRelazione> casiRelazione() {
    std::string cinquanta;
    for (int i = 1; i <= 50; ++i)
        cinquanta += i % 2 ? " 1 18 0 30 0" : " 0.5 20 5 25 1";
    const std::string due = "2 18 0 30 0  3 20 5 25 1";
    // clang-format off
    return {
        {"UnoStrato", "0", "4 18 0 30 0", {},
         {"Spinta attiva totale S 47.941 kN/m", "M/S 1.333 m"}},
        {"DueStrati", "10", due,
         {"--committente", "Comune di Pisa", "--opera", "Muro di via Roma", "--progettista",
          "Ing. A. Bianchi"},
         {"Committente: Comune di Pisa", "Opera: Muro di via Roma", "Progettista: Ing. A. Bianchi"},
         {"Località:", "Data:"}},
        {"Coesivo", "0", "4 19 10 20 0", {},
         {"Terreno omogeneo equivalente Seq 74.524", "Giudizio: Seq/S = 2.572",
          "non è spiegata dalla semplificazione"},
         {"Committente:", "coerente"}},
        {"DueStratiProgetto", "10", due,
         {"--teoria", "coulomb", "--delta-phi", "2/3", "--beta", "10"},
         {"Le righe sismiche del capitolo 5 restano fuori dal controllo"}},
        {"DueStratiCarichi", "10", due, {"--carico", "striscia:q=20,a=2,b=3", "--kh", "0.1"},
         {"5.1 Carichi sul terrapieno",
          "1 striscia q = 20 kPa, b = 3 m, a = 2 m variabile 0.00 25.776 65.244 2.531",
          "A1+M1 38.664", "SLV kv verso il basso 0.000 0.000", "5.2 Azione sismica",
          "Figura 4 – Pressione orizzontale caratteristica dei carichi"}},
        {"TuttoInTrazione", "0", "1 18 20 30 0", {},
         {"Altezza del punto di applicazione sopra la base M/S non definita (spinta nulla)"}},
        {"FaldeSovrapposte", "5", "2 20 0 30 1  1.5 19 0 25 1  3 21 0 35 1", {},
         {"di cui spinta dell'acqua 211.250 kN/m"}},
        {"CinquantaStrati", "10", cinquanta},
        {"Enorme", "0", "0.5 50000000 1.5 30 0  1 18 20 30 1", {},
         {"2.500E+07", "1.040E+07 kN/m"}}};
    // clang-format on
}

INSTANTIATE_TEST_SUITE_P(Casi, Relazione, testing::ValuesIn(casiRelazione()), prova::NomeCaso{});

} // namespace
} // namespace spintaro
