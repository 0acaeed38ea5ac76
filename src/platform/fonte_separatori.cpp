// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonte_separatori.h"

#include "platform/impostazioni_regionali.h"

namespace spintaro {

Separatori SeparatoriDelSistema::separatori() const {
    return separatoriUtente();
}

} // namespace spintaro
