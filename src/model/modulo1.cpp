// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/modulo1.h"

#include "model/errore.h"

namespace spintaro {

void Modulo1::fuoriTabella() {
    throw Errore(ErroreIndice);
}

} // namespace spintaro
