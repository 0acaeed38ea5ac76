// SPDX-License-Identifier: GPL-3.0-or-later
// Texts: the number patterns and readers, the print zones, the texts shown for a layer; what
// messages quote of files and names, and the Italian reasons for the system's error numbers.
#include "codice_errore.h"
#include "files/motivi_errore.h"
#include "profili.h"
#include "text/citazioni.h"
#include "text/testi_numerici.h"
#include "text/testi_strato.h"
#include "text/zone_stampa.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <tuple>

namespace spintaro {
namespace {

using prova::codiceDi;

// No leading zero, the separator always, trailing zeros dropped; the value is taken to 15
// significant digits first, then rounded half up (2.675 is stored as 2.67499999999999982...).
TEST(FormatoDisplay, DecimaliSeparatoreEArrotondamento) {
    const std::pair<double, const char*> tre[] = {
        {46, "46,"},        {0.332925, ",333"}, {-13.994922, "-13,995"},
        {0, ","},           {-0.0, ","},        {0.0005, ",001"},
        {-0.0005, "-,001"}, {-0.0004, ","},     {999.9995, "1000,"},
        {2.5, "2,5"},       {0.1 + 0.2, ",3"},  {1e20, "100000000000000000000,"}};
    for (const auto& [v, atteso] : tre)
        EXPECT_EQ(FormatoDisplay(v, 3, ","), atteso) << v;
    const std::pair<double, const char*> due[] = {
        {1234.5678, "1234.57"}, {0.004, "."}, {0.995, "1."}, {2.675, "2.68"}};
    for (const auto& [v, atteso] : due)
        EXPECT_EQ(FormatoDisplay(v, 2, "."), atteso) << v;
}

// A space or "-", 15 significant digits, no leading zero, an exponent from 1E+15 and below
// 1E-04, a trailing space. The largest double would round up past itself; it is cut.
TEST(FormaStampa, SegnoCifreEsponenteESpazioFinale) {
    // clang-format off
    const std::pair<double, const char*> casi[] = {
        {2.5, " 2.5 "}, {0, " 0 "}, {-0.0, " 0 "}, {0.75, " .75 "}, {-0.5, "-.5 "},
        {1.0 / 3.0, " .333333333333333 "}, {2.0 / 3.0, " .666666666666667 "},
        {123456789012345, " 123456789012345 "}, {1e15, " 1E+15 "}, {999999999999999.9, " 1E+15 "},
        {0.0001, " .0001 "}, {0.00001, " 1E-05 "}, {-1.5e-10, "-1.5E-10 "}, {1e300, " 1E+300 "},
        {1.7976931348623157e308, " 1.79769313486231E+308 "}};
    // clang-format on
    for (const auto& [v, atteso] : casi)
        EXPECT_EQ(FormaStampa(v, "."), atteso) << v;
    EXPECT_EQ(FormaStampa(-0.25, ","), "-,25 ");
    EXPECT_EQ(FormaStampa(1234567890123456, ","), " 1,23456789012346E+15 ");
}

TEST(TestoGenerale, QuindiciCifreZeroInizialeENessunSeparatorePerGliInteri) {
    const std::pair<double, const char*> casi[] = {
        {2, "2"},        {100, "100"},        {0, "0"},
        {0.5, "0,5"},    {-0.5, "-0,5"},      {1.0 / 3.0, "0,333333333333333"},
        {1e15, "1E+15"}, {1.5e-5, "1,5E-05"}, {12345.678, "12345,678"}};
    for (const auto& [v, atteso] : casi)
        EXPECT_EQ(TestoGenerale(v, ","), atteso) << v;
}

TEST(FormaStampa, OgniValoreScrittoSiRileggeA15Cifre) {
    for (double v : {0.1, 1.0 / 3, -2.0 / 3, 1e15, 1.234e-9, 1e300, -1e-300, 123.456, 6.02e23,
                     5e-324, 1.7976931348623157e308}) {
        const double letto = LeggiNumeroIniziale(FormaStampa(v, "."));
        EXPECT_NEAR(letto, v, std::fabs(v) * 5e-15) << v; // 15 significant digits
        EXPECT_EQ(FormaStampa(letto, "."), FormaStampa(v, ".")) << v;
    }
}

// Italian separators, then the English ones: groups of exactly three after the first, never a
// period read as a decimal point; code 13 for a text that is not a number, 6 for one too large.
TEST(LeggiValoreCasella, GruppiSeparatoriEsponentiEdErrori) {
    const Separatori italiano{",", "."}, inglese{".", ","};
    const std::pair<const char*, double> buoni[] = {
        {"", 0},       {"2,5", 2.5},  {"2.500", 2500}, {"1.234.567,5", 1234567.5},
        {"\t7 ", 7},   {"1e3", 1000}, {"-3", -3},      {"+4", 4},
        {"1E-400", 0}, {",5", 0.5},   {"5,", 5},       {"0,1", 0.1}};
    for (const auto& [testo, valore] : buoni)
        EXPECT_EQ(LeggiValoreCasella(testo, italiano), valore) << '"' << testo << '"';
    for (const char* testo : {"2.5", "  ", "12a", "1.23", "12.34,5", "1234.567", ".123", "1,2,3",
                              "--1", "1e", "1 000", ",", "-", "inf"}) // "2.5" is never 25
        EXPECT_EQ(codiceDi([&] { LeggiValoreCasella(testo, italiano); }), ErroreTipo) << testo;
    for (const char* testo : {"1E400", "1e99999999999999999999"})
        EXPECT_EQ(codiceDi([&] { LeggiValoreCasella(testo, italiano); }), ErroreOverflow);
    const std::pair<const char*, double> inglesi[] = {
        {"2.5", 2.5}, {"1,234.5", 1234.5}, {".75", 0.75}, {"-1.25E+2", -125}};
    for (const auto& [testo, valore] : inglesi)
        EXPECT_EQ(LeggiValoreCasella(testo, inglese), valore) << testo;
    EXPECT_EQ(codiceDi([&] { LeggiValoreCasella("2,5", inglese); }), ErroreTipo);
    // The layer number: rounded half to even, an empty box is not 0.
    for (const auto& [testo, atteso] : {std::pair{"3", 3}, {"2,5", 2}, {"3,5", 4}})
        EXPECT_EQ(LeggiIntero16(testo, italiano), atteso) << testo;
    EXPECT_EQ(codiceDi([&] { LeggiIntero16("", italiano); }), ErroreTipo);
    EXPECT_EQ(codiceDi([&] { LeggiIntero16("40000", italiano); }), ErroreOverflow);
}

TEST(LeggiNumeroIniziale, LeggeSoloIlNumeroIniziale) {
    const std::pair<const char*, double> casi[] = {
        {"", 0},       {"12abc", 12},   {" 3", 3},           {"-1.25", -1.25},
        {".75", 0.75}, {"1E+15", 1e15}, {"1.5E-07", 1.5e-7}, {"2,5", 2},
        {"abc", 0},    {"1e", 1},       {"+7", 7},           {"-", 0},
        {"1D2", 100}};
    for (const auto& [testo, atteso] : casi)
        EXPECT_EQ(LeggiNumeroIniziale(testo), atteso) << '"' << testo << '"';
    EXPECT_EQ(codiceDi([] { LeggiNumeroIniziale("1e999"); }), ErroreOverflow);
}

// Each item starts at the next multiple of 14 columns after the one before; nothing is cut;
// columns count characters, not bytes.
TEST(ZoneStampa, OgniVoceAllaZonaSuccessivaSenzaTagliare) {
    const std::pair<std::vector<std::string>, std::string> casi[] = {
        {{"a", "b"}, "a             b"},
        {{"1234567890123", "x"}, "1234567890123 x"},
        {{"12345678901234", "x"}, "12345678901234" + std::string(14, ' ') + "x"},
        {{"a"}, "a"},
        {{"è", "x"}, "è             x"}};
    for (const auto& [voci, riga] : casi)
        EXPECT_EQ(rigaAZone(voci), riga);
}

// The "Visualizza" frame for layer n without surcharge. Cohesive: Ka 0.489645, Sv 76, Sa1
// -13.994922 shown as "0", Sa2 23.218070, z0 1.504305. Sand: Sa1 0 shows the separator alone and
// no z0. z0 is where the tension triangle starts, where the layer's line Sa1..Sa2 crosses zero;
// none for a layer in tension all through.
TEST(TestiMostraStrato, OgniCasellaNelSuoFormato) {
    using prova::strato;
    // clang-format off
    const std::tuple<std::vector<Strato>, long long, const char*, const char*> casi[] = {
        {{strato(4, 19, 10, 20)}, 1, ",", "1|4|19,|10,|20,|,49|76,|0|23,218|1,504"},
        {{strato(4, 19, 10, 20)}, 1, ".", "1|4|19.|10.|20.|.49|76.|0|23.218|1.504"},
        {{strato(5, 18, 0, 30)}, 1, ",", "1|5|18,|,|30,|,333|90,|,|29,963|"},
        {{strato(0.5, 18, 0, 30)}, 1, ",", "1|0,5|18,|,|30,|,333|9,|,|2,996|"},
        // γ = 0: no z0 can be computed, and both pressures are -13.994922.
        {{strato(2, 0, 10, 20)}, 1, ",", "1|2|,|10,|20,|,49|,|0|-13,995|"},
        // Tension all through: Sa2 = 19 × 0.489645 − 13.994922 = -4.691674; own z0 1.504 unused.
        {{strato(1, 19, 10, 20)}, 1, ",", "1|1|19,|10,|20,|,49|19,|0|-4,692|"},
        // Dry sand over dry clay: Sa1 -19.176241, Sa2 8.733503; zero at 1 + 3 × 19.176241 /
        // 27.909744 = 3.061242 (2c/(γ·√Ka) from the surface, 3.008610, is not shown).
        {{strato(1, 18, 0, 30), strato(3, 19, 20, 20)}, 2, ",",
         "2|3|19,|20,|20,|,49|75,|0|8,734|3,061"},
        // Light sand over heavier clay: Sa1 = 20 × 0.489645 − 13.994922 = -4.202030, Sa2 =
        // 60 × 0.489645 − 13.994922 = 15.383755; the zero crossing 2 + 2 × 4.202030 / 19.585786 =
        // 2.429090 is shown.
        {{strato(2, 10, 0, 30), strato(2, 20, 10, 20)}, 2, ",",
         "2|2|20,|10,|20,|,49|60,|0|15,384|2,429"},
        // The last record: 49 m of sand above, Ka 0.332925, 882·Ka and 900·Ka.
        {std::vector<Strato>(50, strato(1, 18, 0, 30)), 50, ",",
         "50|1|18,|,|30,|,333|900,|293,64|299,632|"},
        {{strato(2, 18, 0, 30)}, 51, ",", "51|||||||||"},
        {{strato(2, 18, 0, 30)}, -1, ",", "-1|||||||||"}};
    // clang-format on
    for (const auto& [strati, n, decimale, atteso] : casi) {
        const TestiStrato t = TestiMostraStrato(prova::profilo(0, strati), n, decimale);
        EXPECT_EQ(t.strat + "|" + t.pot + "|" + t.gam + "|" + t.coes + "|" + t.attritint + "|" +
                      t.ka + "|" + t.Sv + "|" + t.sa1 + "|" + t.sa2 + "|" + t.z0,
                  atteso);
    }
}

const std::string X = "\uFFFD", Puntini = "…"; // the mark for a bad character, the cut

std::string volte(std::size_t n, const std::string& s) {
    return n == 0 ? "" : s + volte(n - 1, s);
}

// At most 40 characters, never cut inside one; a mark for each control character and each byte
// not of valid UTF-8 (a stray byte, an overlong "/", a surrogate, a sequence cut by the end).
TEST(CitaTesto, CortoValidoEVisibile) {
    // clang-format off
    const std::pair<std::string, std::string> casi[] = {
        {"2,5abc", "2,5abc"}, {volte(40, "è"), volte(40, "è")}, {"a😀b", "a😀b"},
        {std::string(40, '9'), std::string(40, '9')},
        {std::string(41, '9'), std::string(39, '9') + Puntini},
        {volte(41, "è"), volte(39, "è") + Puntini},
        {"a\tb\rc\nd\x1B[1m\x7F\x07\xC2\x9B|\u202E|\u2028",
         "a" + X + "b" + X + "c" + X + "d" + X + "[1m" + X + X + X + "|" + X + "|" + X},
        {"\xFF|\xC0\xAF|\xED\xA0\x80|\xE2\x82", X + "|" + X + X + "|" + X + X + X + "|" + X + X},
        {std::string(15u << 20, '9') + "\x1B", std::string(39, '9') + Puntini}, // 15 MiB
        // The ends of each range of RFC 3629, table 3-7: U+00A0, U+07FF, U+0800, U+D7FF, U+FFFF,
        // U+10000 and U+10FFFF kept; C1, F5, a lead without its follower, an overlong four-byte
        // form and U+110000 marked.
        {"\xC1\xBF|\xC2\xA0|\xDF\xBF|\xE0\xA0\x80|\xED\x9F\xBF|\xEF\xBF\xBF|\xF5\x80|\xC2\xC0",
         X + X + "|\xC2\xA0|\xDF\xBF|\xE0\xA0\x80|\xED\x9F\xBF|\xEF\xBF\xBF|" + X + X + "|" + X + X},
        {"\xF0\x90\x80\x80|\xF4\x8F\xBF\xBF|\xF4\x90\x80\x80|\xF0\x8F\xBF\xBF",
         "\xF0\x90\x80\x80|\xF4\x8F\xBF\xBF|" + volte(4, X) + "|" + volte(4, X)},
        // The ends of each range of controls.
        {"\x1F \x7E\x7F\xC2\x9F\xC2\xA0\u200D\u200E\u200F\u2010\u2027\u2028\u202E\u202F\u2065\u2066\u2069\u206A",
         X + " ~" + X + X + "\xC2\xA0\u200D" + X + X + "\u2010\u2027" + X + X + "\u202F\u2065" + X + X +
             "\u206A"}};
    // clang-format on
    for (const auto& [testo, atteso] : casi)
        EXPECT_EQ(citaTesto(testo), atteso) << atteso;
    EXPECT_EQ(citaTesto("ab", 1), Puntini);
    EXPECT_EQ(citaTesto("ab", 0), "");
}

// A path keeps its end: of 49 characters the last 39 start inside the long folder, so the cut
// moves to that folder's end.
TEST(CitaPercorso, TieneLaFine) {
    EXPECT_EQ(citaPercorso("/tmp/a\xFF\x1B.spt"), "/tmp/a" + X + X + ".spt");
    EXPECT_EQ(citaPercorso("/" + std::string(30, 'c') + "/cartella/nome.spt"),
              Puntini + "/cartella/nome.spt");
    EXPECT_EQ(citaPercorso("/d/" + std::string(60, 'n') + ".spt"),
              Puntini + std::string(35, 'n') + ".spt");
}

// Each common error of a file operation has its own Italian sentence: not the system's English
// text, not the general sentence, no guess with a question mark.
TEST(MotivoErrore, OgniErroreComuneHaLaSuaFraseItaliana) {
    for (const int numero :
         {ENOSPC, EDQUOT, EACCES, EPERM, EROFS, ENAMETOOLONG, ENOENT, ENOTDIR, EISDIR, EIO, ELOOP,
          EMFILE, ENFILE, EEXIST, ETXTBSY, EFBIG, EXDEV, EBUSY})
        for (const Operazione op : {Operazione::Lettura, Operazione::Scrittura}) {
            const std::string m = motivoErrore(numero, op);
            EXPECT_EQ(m.find(std::strerror(numero)), std::string::npos) << m;
            EXPECT_EQ(m.find("errore del sistema"), std::string::npos) << m;
            EXPECT_EQ(m.find('?'), std::string::npos) << m;
        }
    // An error without a sentence of its own: the general one, with the number and the
    // system's text after it.
    EXPECT_EQ(motivoErrore(EDOM, Operazione::Scrittura),
              "scrittura non riuscita per un errore del sistema n. " + std::to_string(EDOM) + " (" +
                  std::strerror(EDOM) + ")");
    // What a name that is not a regular file is, said as what it is.
    const std::pair<TipoFile, const char*> tipi[] = {
        {TipoFile::Pipe, "è una pipe con nome"},
        {TipoFile::Socket, "è un socket"},
        {TipoFile::DispositivoCaratteri, "è un dispositivo a caratteri"},
        {TipoFile::DispositivoBlocchi, "è un dispositivo a blocchi"},
        {TipoFile::Altro, "è un file speciale"}};
    for (const auto& [tipo, cosa] : tipi)
        EXPECT_EQ(motivoNonFileNormale(tipo, Operazione::Scrittura),
                  std::string("non è un file normale (") + cosa +
                      "): il programma scrive solo file normali");
}

} // namespace
} // namespace spintaro
