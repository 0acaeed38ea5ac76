// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of spintaro_relazione.so, the batch calculator's report module.
#include "platform/modulo_relazione.h"

#include "platform/pittore_relazione.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) void
spintaro_scrivi_relazione(const spintaro::PercorsoFile& percorso,
                          const spintaro::DocumentoRelazione& documento,
                          spintaro::EsitoFile& esito) {
    esito = spintaro::scriviRelazioneSenzaFinestre(percorso, documento);
}

static_assert(
    std::is_same_v<decltype(&spintaro_scrivi_relazione), spintaro::FunzioneModuloRelazione>);
