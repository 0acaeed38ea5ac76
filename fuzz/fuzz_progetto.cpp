// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a project file: the reader never fails other than by its message, a failed open
// leaves the job as it was, and what it reads writes back to a file that reads the same.
#include "files/progetto.h"

#include <cstdint>
#include <cstdlib>

using namespace spintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    Modulo1 m;
    m.Strati(0).Sv = 10;
    m.Strati(3).Potenza = 7;
    const Modulo1 prima = m;
    const LetturaProgetto lettura = LeggiProgetto(testo);
    const EsitoApertura esito = ApriProgetto(m, testo);
    if (!esito.ok) {
        if (!(m == prima) || esito.messaggio.empty())
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
