// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
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
// Shows the outcome of a command in the note: a refusal in dark red, anything else in the
// window's text colour.
void mostraEsito(QLabel* nota, const QString& testo, bool errore);

} // namespace spintaro
