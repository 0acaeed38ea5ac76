// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a project file: a failed open leaves the job as it was with a short clean message,
// what is read writes back to a file that reads the same. The bytes quoted as a value or a name:
// at most 40 characters of valid UTF-8 with no control character.
#include "files/progetto.h"
#include "text/citazioni.h"

#include <cstdint>
#include <cstdlib>

using namespace spintaro;

namespace {

// Code points of valid UTF-8 with no C0, DEL or C1 control; -1 for anything else.
long caratteriPuliti(std::string_view t) {
    long n = 0;
    for (std::size_t p = 0; p < t.size(); ++n) {
        const auto c = static_cast<unsigned char>(t[p]);
        const std::size_t l = c < 0x80                ? 1
                              : c >= 0xC2 && c < 0xE0 ? 2
                              : c >= 0xE0 && c < 0xF0 ? 3
                              : c >= 0xF0 && c < 0xF5 ? 4
                                                      : 0;
        if (l == 0 || p + l > t.size() || c < 0x20 || c == 0x7F ||
            (c == 0xC2 && static_cast<unsigned char>(t[p + 1]) < 0xA0))
            return -1;
        for (std::size_t i = 1; i < l; ++i)
            if ((static_cast<unsigned char>(t[p + i]) & 0xC0) != 0x80)
                return -1;
        p += l;
    }
    return n;
}

void controllaCitazione(const std::string& citata) {
    const long n = caratteriPuliti(citata);
    if (n < 0 || n > static_cast<long>(LunghezzaCitazione))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    Modulo1 m;
    m.Strati(0).Sv = 10;
    m.Strati(3).Potenza = 7;
    const Modulo1 prima = m;
    const LetturaProgetto lettura = LeggiProgetto(testo);
    const EsitoApertura esito = ApriProgetto(m, testo);
    controllaCitazione(citaTesto(testo));
    controllaCitazione(citaPercorso(testo));
    if (!esito.ok) {
        if (!(m == prima) || esito.messaggio.empty() || esito.messaggio.size() > 300 ||
            caratteriPuliti(esito.messaggio) < 0)
            std::abort();
        return 0;
    }
    if (!lettura.ok || lettura.record.empty() || lettura.record.size() > 51 ||
        m.NumStrati != static_cast<int>(lettura.record.size()) - 1 || m.IndiceStrato != 0)
        std::abort();
    const std::string scritto = ScriviProgetto(m);
    Modulo1 riletto = m;
    if (!ApriProgetto(riletto, scritto).ok || ScriviProgetto(riletto) != scritto)
        std::abort();
    return 0;
}
