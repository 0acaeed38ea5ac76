// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_scelta_file.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace spintaro {

class ListaCartelle;
class ListaDischi;
class ListaFile;

// "Salva": saves the job as a project file (".spt") in the working directory, then asks
// "Nuovo Lavoro?". Both Annulla and a save that succeeds unload the window, so each opening
// starts again from "Nuovo".
class SalvaWindow final : public FinestraSceltaFile {
    Q_OBJECT

public:
    explicit SalvaWindow(Servizi& servizi);

    // The command handlers.
    void Salva_Click();
    void Annulla_Click();

    ListaDischi* Drive1 = nullptr;
    QPushButton* Annulla = nullptr;
    // Offers "spt" and "*.*"; nothing reads it.
    QComboBox* txt_formato = nullptr;
    QLineEdit* txt_salva = nullptr;
    QPushButton* Salva = nullptr;
    ListaFile* File1 = nullptr;
    ListaCartelle* Dir1 = nullptr;
};

} // namespace spintaro
