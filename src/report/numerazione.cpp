// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/numerazione.h"

#include <algorithm>

namespace spintaro {

int Numerazione::numero(Capitolo c) const {
    const auto i = std::find(m_piano.begin(), m_piano.end(), c);
    return i == m_piano.end() ? 0 : static_cast<int>(i - m_piano.begin()) + 1;
}

std::string Numerazione::capitolo(Capitolo c, std::string_view titolo) {
    m_capitolo = numero(c);
    m_sezione = 0;
    return std::to_string(m_capitolo) + ". " + std::string(titolo);
}

std::string Numerazione::sezione(std::string_view titolo) {
    return std::to_string(m_capitolo) + "." + std::to_string(++m_sezione) + " " +
           std::string(titolo);
}

std::string Numerazione::figura(std::string_view testo) {
    return "Figura " + std::to_string(++m_figura) + " \xE2\x80\x93 " + std::string(testo);
}

} // namespace spintaro
