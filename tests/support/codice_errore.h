// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/errore.h"

namespace spintaro::prova {

// The error code an action fails with, or 0 when it does not fail.
template <typename Azione> int codiceDi(Azione&& azione) {
    try {
        azione();
    } catch (const Errore& e) {
        return e.codice();
    }
    return 0;
}

} // namespace spintaro::prova
