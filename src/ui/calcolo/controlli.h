// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace spintaro {

// The controls the design calculation's windows lay out alike: a line of text that wraps, named
// for a screen reader, and a button of the row at the window's foot (Enter does not press it).
QLabel* creaNota(QWidget* finestra, const char* nome, const QString& nomeAccessibile);
QPushButton* creaPulsante(QWidget* finestra, QHBoxLayout* riga, const char* nome,
                          const QString& testo);
// Shows the outcome of a command in the note: a refusal in dark red, anything else in the
// window's text colour.
void mostraEsito(QLabel* nota, const QString& testo, bool errore);

} // namespace spintaro
