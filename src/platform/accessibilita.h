// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace spintaro {

// A one-line text box of the main window: a QLineEdit that a screen reader reads as text, read
// only when the program writes it (no longer "editable" at the same time), and labelled by the
// caption whose buddy it is, not also by the frame around it.
class CampoTesto final : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // Where the character at the offset is drawn, in the box's coordinates.
    QRect rettangoloCarattere(int posizione) const;
};

// Teaches the accessibility layer the program's own widgets, once per process:
// - every window (FinestraBase) is a frame, or a dialog when it asks a question or picks a file,
//   named by its caption or, without one, by its accessible name;
// - CampoTesto as above;
// - the lines of a TestoAZone (the report's table) are the items of a list, one per line, each
//   read as its items in order;
// - the canvas of a diagram (Tela) is an image, named by its window with the diagram's summary.
void installaAccessibilita();

} // namespace spintaro
