// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/relazione.h"

#include <string>

namespace spintaro {

// What the calculation report says of where it comes from. Qt Core only, so that the batch
// calculator fills the report's heading without the painter.

// The program that writes the report: "Spintaro" and the version.
std::string programmaRelazione();

// Where the program's source and its validation document are, and the document's version, as
// the build was configured (SPINTARO_WEB, docs/validazione.md).
CodiceCalcolo codiceRelazione();

// When the report is written, "dd/mm/yyyy hh:mm" in local time; with SOURCE_DATE_EPOCH set (the
// reproducible-builds convention) that moment in UTC, so documents made by scripts do not change.
std::string dataOraRelazione();

} // namespace spintaro
