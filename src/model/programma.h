// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace spintaro {

// What both programs say of themselves after their name and version (--version).
inline constexpr const char* AvvisoLicenza =
    "Licenza GPL-3.0-or-later: GNU General Public License, versione 3 o successiva\n"
    "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "Questo è software libero: lo si può modificare e ridistribuire.\n"
    "Non c'è NESSUNA GARANZIA, nei limiti permessi dalla legge.\n";

} // namespace spintaro
