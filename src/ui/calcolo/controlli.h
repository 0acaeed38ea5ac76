// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class QHBoxLayout;
class QLabel;
class QPalette;
class QPushButton;
class QWidget;

namespace spintaro {

// The controls the design calculation's windows lay out alike: a line of text that wraps, read
// by a screen reader as its text and described by descrizione, hidden while it has no text, and a
// button of the row at the window's foot (Enter does not press it).
QLabel* creaNota(QWidget* finestra, const char* nome, const QString& descrizione);
// Writes the note, shown only with a text.
void scriviNota(QLabel* nota, const QString& testo);
QPushButton* creaPulsante(QWidget* finestra, QHBoxLayout* riga, const char* nome,
                          const QString& testo);
// The grey of a remark beside a value (a clause): the text colour blended towards the window's,
// so that it reads as secondary yet keeps a contrast of at least 4.5:1 with the background
// (WCAG 2 AA), in a light palette as in a dark one.
QColor coloreSecondario(const QPalette& colori);
// Shows the outcome of a command in the note: a refusal in dark red, anything else in the
// window's text colour.
void mostraEsito(QLabel* nota, const QString& testo, bool errore);

} // namespace spintaro
