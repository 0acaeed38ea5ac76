// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/relazione.h"

#include <string>

namespace spintaro {

// What the calculation report says of where it comes from. Qt Core only, so that the batch
// calculator fills the report's heading without the painter.

// The program that writes the report: "Spintaro" and the version.
std::string programmaRelazione();

// The folder the installed program keeps its validation document in (its documentation folder,
// found from the program's own place as the report module is; empty when the program runs from
// its build, where the document is the source's docs/), and the document's version line.
CodiceCalcolo codiceRelazione();

// When the report is written, "dd/mm/yyyy hh:mm" in local time; with SOURCE_DATE_EPOCH set (the
// reproducible-builds convention) that moment in UTC, so documents made by scripts do not change.
std::string dataOraRelazione();

} // namespace spintaro
