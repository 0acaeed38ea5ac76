// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/modulo1.h"

namespace spintaro {

// The two ways a job is thrown away before a new one is typed in.
//
// Both walk the layers 1..NumStrati with IndiceStrato as cursor and set their five input fields
// (Potenza, Gamma, Coesione, AttritoInterno, Falda) to 0, then set NumStrati to 0. Record 0 (the
// surcharge) and the computed fields Ka, Sv, Sa1, Sa2 are left as they are. The walk stops at the
// last record of the table: while a 51st layer is being typed in, NumStrati is 51, and the
// records 1..50 are cleared without touching anything beyond the table.

// "No" to "Salvare il Lavoro?": the job is discarded without saving.
void ScartaLavoro(Modulo1& m);

// "Si" to "Nuovo Lavoro?": as ScartaLavoro, and the total thrust goes back to 0.
void NuovoLavoro(Modulo1& m);

} // namespace spintaro
