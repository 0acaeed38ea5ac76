// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace spintaro {

struct Servizi;

// "Relazione di calcolo...": asks for a file name with the desktop's save dialog (".pdf" is
// added when the name lacks it), writes the calculation report of the job as it stands (with the
// design chapter when the job has parameters of its own or its design results were shown) as a PDF
// that replaces an existing file as a whole, and offers to open it with the desktop's PDF viewer.
// A file that cannot be written is named in a message with the reason; the old one stays intact.
void comandoRelazione(Servizi& servizi, QWidget* genitore);

} // namespace spintaro
