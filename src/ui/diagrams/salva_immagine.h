// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"
#include "platform/finestra_base.h"

#include <QString>

namespace spintaro {

struct Servizi;

// Saves the retained drawing of a diagram window (Sv or Sa) at its client size as the image file
// nomeFile, relative to the working directory, in the format the name's last word says (BMP for
// "bmp" and for words no writer knows, JPEG for "jpg", GIF for "gif", TIFF for "tif", ...; for
// "svg" and "pdf" the drawing itself as vector output, SVG or a one-page PDF). An
// existing file of that name is replaced without asking; a write that fails leaves it intact.
// The window is created and drawn without being shown when it has no instance. When the file
// cannot be written the user is told why, with the file's name, and the result carries the same
// reason.
EsitoFile salvaImmagineDiagramma(Servizi& servizi, IdFinestra diagramma, const QString& nomeFile);

} // namespace spintaro
