// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/azzeramento.h"

#include <algorithm>

namespace spintaro {

void ScartaLavoro(Modulo1& m) {
    const long long ultimo = std::min<long long>(m.NumStrati, UltimoRecord);
    percorri(m, 1, ultimo, [&m](int i) {
        Strato& s = m.Strati(i);
        s.AttritoInterno = 0;
        s.Falda = 0;
        s.Coesione = 0;
        s.Gamma = 0;
        s.Potenza = 0;
    });
    m.NumStrati = 0;
}

void NuovoLavoro(Modulo1& m) {
    ScartaLavoro(m);
    m.SpintaTotale = 0;
}

} // namespace spintaro
