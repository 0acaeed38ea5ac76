// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_scelta_file.h"

class QLineEdit;
class QPushButton;

namespace spintaro {

class ListaCartelle;
class ListaFile;

// "Esporta": writes the results table to a ".dat" file in the working directory, with the user's
// decimal separator. It has no drive list. Annulla and an export that succeeds only hide it, so
// the name and the lists are kept for the next export.
class EsportaWindow final : public FinestraSceltaFile {
    Q_OBJECT

public:
    explicit EsportaWindow(Servizi& servizi);

    // The command handlers.
    void Salva_Click();
    void Annulla_Click();

    ListaCartelle* Dir1 = nullptr;
    ListaFile* File1 = nullptr;
    QPushButton* Annulla = nullptr;
    QPushButton* Salva = nullptr;
    QLineEdit* txt_salva = nullptr;
};

} // namespace spintaro
