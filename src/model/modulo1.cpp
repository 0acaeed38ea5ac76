// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/modulo1.h"

#include "model/errore.h"

namespace spintaro {

Strato& Modulo1::Strati(long long i) {
    if (i < PrimoRecord || i > UltimoRecord)
        throw Errore(ErroreIndice);
    return m_strati[static_cast<std::size_t>(i)];
}

const Strato& Modulo1::Strati(long long i) const {
    if (i < PrimoRecord || i > UltimoRecord)
        throw Errore(ErroreIndice);
    return m_strati[static_cast<std::size_t>(i)];
}

} // namespace spintaro
