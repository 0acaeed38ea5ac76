// SPDX-License-Identifier: GPL-3.0-or-later
// What messages quote of files and names (short, valid UTF-8, no control characters) and the
// Italian reasons for the system's error numbers.
#include "files/motivi_errore.h"
#include "text/citazioni.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <tuple>

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

// At most 40 characters, counted as characters and never cut inside one; a mark for each control
// character and for each byte that is not part of valid UTF-8 (a stray byte, an overlong "/", a
// surrogate, a sequence cut by the end).
TEST(CitaTesto, CortoValidoEVisibile) {
    const std::pair<std::string, std::string> casi[] = {
        {"2,5abc", "2,5abc"},
        {std::string(40, '9'), std::string(40, '9')},
        {std::string(41, '9'), std::string(39, '9') + Puntini},
        {volte(40, "è"), volte(40, "è")},
        {volte(41, "è"), volte(39, "è") + Puntini},
        {"a😀b", "a😀b"},
        {"a\tb\rc\nd\x1B[1m\x7F\x07\xC2\x9B|\u202E|\u2028",
         "a" + X + "b" + X + "c" + X + "d" + X + "[1m" + X + X + X + "|" + X + "|" + X},
        {"\xFF|\xC0\xAF|\xED\xA0\x80|\xE2\x82", X + "|" + X + X + "|" + X + X + X + "|" + X + X},
        {std::string(15u << 20, '9') + "\x1B", std::string(39, '9') + Puntini}, // a 15 MiB line
    };
    for (const auto& [testo, atteso] : casi)
        EXPECT_EQ(citaTesto(testo), atteso) << atteso;
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

// Each error a file operation meets in practice has its own Italian sentence: not the system's
// English text, not the general sentence, no guess with a question mark; and it says what
// happened. An unknown number keeps the system's text after an Italian sentence.
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
    // The number, a word the reason must hold, a word it must not.
    for (const auto& [numero, parola, mai] : {std::tuple{EROFS, "sola lettura", "permessi"},
                                              {EACCES, "permessi", "disco"},
                                              {ENOSPC, "spazio", "permessi"},
                                              {EDQUOT, "quota", "permessi"},
                                              {ENAMETOOLONG, "troppo lungo", "spazio"},
                                              {EIO, "disco", "spazio"}}) {
        const std::string m = motivoErrore(numero, Operazione::Scrittura);
        EXPECT_TRUE(m.find(parola) != std::string::npos && m.find(mai) == std::string::npos) << m;
    }
    EXPECT_EQ(motivoErrore(ENOENT, Operazione::Lettura), "il file non esiste");
    EXPECT_EQ(motivoErrore(ENOENT, Operazione::Scrittura), "la cartella non esiste");
    EXPECT_EQ(motivoErrore(EBADE, Operazione::Scrittura),
              "scrittura non riuscita per un errore del sistema n. " + std::to_string(EBADE) +
                  " (" + std::strerror(EBADE) + ")");
}

} // namespace
} // namespace spintaro
