// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_base.h"

namespace spintaro {

// What a window asks of another window that it must not know by its class: the question windows
// of the file commands tell the main window that the job was thrown away, the open command that a
// project was read, and the diagrams and the main window open the image dialog for one diagram. The
// composition of the program (Applicazione) forwards each call to the window's instance when it is
// loaded.
class Collegamenti {
public:
    virtual ~Collegamenti() = default;
    // The job was discarded ("No" to "Salvare il Lavoro?"): the main window empties its display.
    virtual void lavoroScartato() = 0;
    // A new job starts ("Si" to "Nuovo Lavoro?"): the main window numbers layers from 1 again.
    virtual void lavoroNuovo() = 0;
    // A project was read into the job (Open, or a file named at start): the main window shows the
    // number of layers read in txt_strato, so that Ok keeps them all.
    virtual void progettoAperto() = 0;
    // Shows the image dialog, set to save this diagram.
    virtual void apriSalvaImmagine(IdFinestra diagramma) = 0;
    // The job was opened from or saved into this project file (the name as given to the file
    // system); the calculation report names it. A discarded or new job has none.
    virtual void progettoNelFile(const QString& nome) = 0;
    // That file's name; empty when the job has none.
    virtual QString fileProgetto() const = 0;
    // The design results were shown for this job: the calculation report then holds them even
    // with the default parameters. A new, discarded or opened job starts without.
    virtual void risultatiProgettoMostrati() = 0;
    virtual bool risultatiProgettoRichiesti() const = 0;
};

} // namespace spintaro
