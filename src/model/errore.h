// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace spintaro {

// Numeric error codes reported to the user, as in the "Nuovo" error message.
enum CodiceErrore : int {
    ErroreOverflow = 6, // 16-bit overflow, or a real result that is not finite
    ErroreIndice = 9,   // table index outside 0..50
    ErroreTipo = 13,    // text that is not a number
};

// A failing step of a command. Earlier steps of the same command stay done.
class Errore : public std::runtime_error {
public:
    explicit Errore(int codice);
    int codice() const noexcept { return m_codice; }

private:
    int m_codice;
};

// Short Italian description of a code, for messages that explain the failure.
std::string descrizioneErrore(int codice);

} // namespace spintaro
