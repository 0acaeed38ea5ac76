// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"
#include "platform/tela.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <string>

namespace spintaro {

// The word after the last period of a file name (the folders before it are not looked at),
// in lower case; empty when the name has no period.
QString parolaFormato(const QString& nomeFile);

// The content written for a format word: "bmp", "jpeg" for "jpg"/"jpeg", "gif", "tiff" for
// "tif"/"tiff", any other word that Qt has a writer for as itself ("png", "webp", ...), and
// "bmp" for a word that no writer knows.
QByteArray formatoPerParola(const QString& parola);

// The image encoded in a format of formatoPerParola. GIF goes through giflib (Qt reads GIF but
// cannot write it). When a writer refuses the image (an icon larger than it allows, say) the
// content falls back to BMP rather than leaving the user without a file.
struct CodificaImmagine {
    bool ok = false;
    std::string byte;
    QByteArray formato; // what was actually written
    QString messaggio;  // why it failed, in Italian
};
CodificaImmagine codificaImmagine(const QImage& immagine, const QByteArray& formato);

// The format words whose content is the drawing itself rather than its pixels: "svg" and "pdf".
bool parolaVettoriale(const QString& parola);

// A drawing as the canvas paints it, as an SVG picture or a one-page PDF (formato "svg" or
// "pdf") of dimensione pixels at dpi dots per inch: lines one pixel wide, texts at the style's
// font, on its background. Vector output, so it stays sharp at any size.
CodificaImmagine codificaDisegno(const Disegno& disegno, QSize dimensione, const StileTela& stile,
                                 double dpi, const QByteArray& formato);

// Writes the image under that path in the format its name says, replacing an existing file as a
// whole: a write that fails leaves the old file intact. The message names the reason only; the
// caller names the file.
EsitoFile scriviImmagine(const QString& percorso, const QImage& immagine);

} // namespace spintaro
