// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/errore.h"

namespace spintaro {

Errore::Errore(int codice) : std::runtime_error(descrizioneErrore(codice)), m_codice(codice) {}

std::string descrizioneErrore(int codice) {
    switch (codice) {
    case ErroreOverflow:
        return "valore fuori intervallo (errore 6)";
    case ErroreIndice:
        return "numero di strato fuori dalla tabella: al massimo 50 strati (errore 9)";
    case ErroreTipo:
        return "il testo non è un numero (errore 13)";
    default:
        return "errore " + std::to_string(codice);
    }
}

} // namespace spintaro
