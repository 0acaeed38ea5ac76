// SPDX-License-Identifier: GPL-3.0-or-later
// What messages quote of files and names (short, valid UTF-8, no control characters) and the
// Italian reasons for the system's error numbers.
#include "files/motivi_errore.h"
#include "text/citazioni.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

const std::string X = "\uFFFD"; // the mark
const std::string Puntini = "…";

std::string volte(std::size_t n, const std::string& s) {
    std::string r;
    for (std::size_t i = 0; i < n; ++i)
        r += s;
    return r;
}

struct CasoCitazione {
    const char* nome;
    std::string testo;
    std::string atteso;
};

void PrintTo(const CasoCitazione& c, std::ostream* os) {
    *os << c.nome;
}

class CitaTesto : public testing::TestWithParam<CasoCitazione> {};

TEST_P(CitaTesto, ShortValidAndVisible) {
    EXPECT_EQ(citaTesto(GetParam().testo), GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, CitaTesto,
    testing::Values(
        CasoCitazione{"Corto", "2,5abc", "2,5abc"},
        CasoCitazione{"QuarantaCaratteri", std::string(40, '9'), std::string(40, '9')},
        CasoCitazione{"QuarantunoTagliati", std::string(41, '9'), std::string(39, '9') + Puntini},
        // Counted in characters, and never cut inside one: 40 "è" are 80 bytes.
        CasoCitazione{"AccentatiInteri", volte(40, "è"), volte(40, "è")},
        CasoCitazione{"AccentatiTagliati", volte(41, "è"), volte(39, "è") + Puntini},
        CasoCitazione{"QuattroByte", "a😀b", "a😀b"},
        CasoCitazione{"Controlli", "a\tb\rc\nd\x1B[1m\x7F\x07\xC2\x9B|\u202E|\u2028",
                      "a" + X + "b" + X + "c" + X + "d" + X + "[1m" + X + X + X + "|" + X + "|" +
                          X},
        // A stray byte, an overlong "/", a surrogate, a sequence cut by the end: a mark a byte.
        CasoCitazione{"NonUtf8", "\xFF|\xC0\xAF|\xED\xA0\x80|\xE2\x82",
                      X + "|" + X + X + "|" + X + X + X + "|" + X + X},
        CasoCitazione{"RigaDi15MiB", std::string(15u << 20, '9') + "\x1B",
                      std::string(39, '9') + Puntini}),
    [](const auto& caso) { return std::string(caso.param.nome); });

class CitaPercorso : public testing::TestWithParam<CasoCitazione> {};

TEST_P(CitaPercorso, KeepsTheEnd) {
    EXPECT_EQ(citaPercorso(GetParam().testo), GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, CitaPercorso,
    testing::Values(
        CasoCitazione{"Corto", "/tmp/a\xFF\x1B.spt", "/tmp/a" + X + X + ".spt"},
        // 49 characters: the last 39 start inside the long folder, the cut moves to its end.
        CasoCitazione{"DallaCartella", "/" + std::string(30, 'c') + "/cartella/nome.spt",
                      Puntini + "/cartella/nome.spt"},
        CasoCitazione{"NomeLungo", "/d/" + std::string(60, 'n') + ".spt",
                      Puntini + std::string(35, 'n') + ".spt"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// Each error a file operation meets in practice has its own Italian sentence: not the system's
// English text, not the general sentence, no guess with a question mark.
TEST(MotivoErrore, EveryCommonErrorHasItsOwnItalianSentence) {
    for (const int numero :
         {ENOSPC, EDQUOT, EACCES, EPERM, EROFS, ENAMETOOLONG, ENOENT, ENOTDIR, EISDIR, EIO, ELOOP,
          EMFILE, ENFILE, EEXIST, ETXTBSY, EFBIG, EXDEV, EBUSY})
        for (const Operazione op : {Operazione::Lettura, Operazione::Scrittura}) {
            const std::string m = motivoErrore(numero, op);
            EXPECT_EQ(m.find(std::strerror(numero)), std::string::npos) << m;
            EXPECT_EQ(m.find("errore del sistema"), std::string::npos) << m;
            EXPECT_EQ(m.find('?'), std::string::npos) << m;
        }
}

TEST(MotivoErrore, TheReasonSaysWhatHappened) {
    struct Caso {
        int numero;
        const char* parola;
        const char* mai;
    };
    for (const Caso& c :
         {Caso{EROFS, "sola lettura", "permessi"}, Caso{EACCES, "permessi", "disco"},
          Caso{ENOSPC, "spazio", "permessi"}, Caso{EDQUOT, "quota", "permessi"},
          Caso{ENAMETOOLONG, "troppo lungo", "spazio"}, Caso{EIO, "disco", "spazio"}}) {
        const std::string m = motivoErrore(c.numero, Operazione::Scrittura);
        EXPECT_NE(m.find(c.parola), std::string::npos) << m;
        EXPECT_EQ(m.find(c.mai), std::string::npos) << m;
    }
    EXPECT_EQ(motivoErrore(ENOENT, Operazione::Lettura), "il file non esiste");
    EXPECT_EQ(motivoErrore(ENOENT, Operazione::Scrittura), "la cartella non esiste");
}

TEST(MotivoErrore, AnUnknownNumberKeepsTheSystemsTextAfterAnItalianSentence) {
    EXPECT_EQ(motivoErrore(EBADE, Operazione::Scrittura),
              "scrittura non riuscita per un errore del sistema n. " + std::to_string(EBADE) +
                  " (" + std::strerror(EBADE) + ")");
}

} // namespace
} // namespace spintaro
