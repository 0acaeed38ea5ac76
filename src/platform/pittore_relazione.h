// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"
#include "platform/intestazione_relazione.h"
#include "report/documento_relazione.h"
#include "report/relazione.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <memory>
#include <string>

class QGuiApplication;
class QPainter;

namespace spintaro {

// The calculation report on paper: the painter of the core's pages, and the PDF file. Qt Gui
// only, so that both programs use it; nothing here runs before the report is asked for.

// Dots per inch of the PDF's coordinates: every font size of the report is a whole number of
// dots at it, so the toolkit does not round a font's size up when it places the glyphs.
inline constexpr int RisoluzioneRelazione = 720;

// The font of a kind of text: Liberation Sans (Arial and Helvetica after it), at the kind's size
// in points, without kerning, as the core measures texts.
QFont carattereRelazione(Carattere c);
QColor coloreRelazione(Inchiostro i);

// Paints one page with a painter whose units are unita per point (device dots per inch / 72).
// A text is placed by its own width, so right and centred texts line up exactly.
void dipingiPaginaRelazione(QPainter& pittore, const PaginaRelazione& pagina, double unita);

// The report as a PDF document in memory: A4 portrait, vector output with the fonts embedded,
// the report's title and the program as its creator. messaggio (Italian) says why it failed.
struct PdfRelazione {
    bool ok = false;
    std::string byte;
    QString messaggio;
};
PdfRelazione pdfRelazione(const DocumentoRelazione& documento);

// Writes the report's PDF as a whole (scriviFileAtomico): a failure leaves the old file intact.
// The message names the reason only; the caller names the file.
EsitoFile scriviRelazione(const PercorsoFile& percorso, const DocumentoRelazione& documento);
EsitoFile scriviRelazione(const QString& percorso, const DocumentoRelazione& documento);

// Fonts need a QGuiApplication. The batch calculator makes one only when it writes a report,
// on the offscreen platform unless QT_QPA_PLATFORM names another, so that no display is needed
// and a display that has gone away cannot stop it. The object holds the application and the
// arguments it keeps a reference to.
class AmbienteGrafico;
struct FineAmbienteGrafico {
    void operator()(AmbienteGrafico* a) const;
};
// Null when an application object already exists.
std::unique_ptr<AmbienteGrafico, FineAmbienteGrafico> ambienteGraficoSeManca();

// scriviRelazione in a process that has no application object: one is made for the write and
// goes after it. This is what the batch calculator's report module runs.
EsitoFile scriviRelazioneSenzaFinestre(const PercorsoFile& percorso,
                                       const DocumentoRelazione& documento);

} // namespace spintaro
