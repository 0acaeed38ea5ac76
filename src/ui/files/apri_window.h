// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_scelta_file.h"

class QLineEdit;
class QPushButton;

namespace spintaro {

struct PercorsoFile;
struct Servizi;
class ListaCartelle;
class ListaDischi;
class ListaFile;

// "Apri": reads a project file from the working directory into the job. Every layer is
// recomputed from the surcharge in effect; the main window is not refreshed. A file that cannot
// be read, or is not a project, is named in a message and the job stays exactly as it was.
// Both Annulla and an open that succeeds unload the window.
class ApriWindow final : public FinestraSceltaFile {
    Q_OBJECT

public:
    explicit ApriWindow(Servizi& servizi);

    // The command handlers.
    void Apri_Click();
    void Annulla_Click();

    ListaCartelle* Dir1 = nullptr;
    ListaFile* File1 = nullptr;
    QPushButton* Apri = nullptr;
    QLineEdit* txt_apri = nullptr;
    QPushButton* Annulla = nullptr;
    ListaDischi* Drive1 = nullptr;
};

// Reads the project file into the job, as the Open command does, and tells the main window
// (Collegamenti::progettoAperto). On failure the user is told which file and why, the job stays
// exactly as it was, and false is returned. The name comes from
// a window, or as the bytes given on the command line.
bool apriProgetto(Servizi& servizi, const QString& nome);
bool apriProgetto(Servizi& servizi, const PercorsoFile& nome);

} // namespace spintaro
