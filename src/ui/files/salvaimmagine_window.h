// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_scelta_file.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace spintaro {

class ListaCartelle;
class ListaDischi;
class ListaFile;

// "Salva Immagine": picks the name and the format word of a diagram image. Its Salva button
// forms the file name (name, a period, the format word) and hands it, with the diagram that
// opened the window last, to the image saver; the window stays open and keeps its texts.
// Annulla only hides it. A click in the file list does not change the name.
class SalvaimmagineWindow final : public FinestraSceltaFile {
    Q_OBJECT

public:
    // Writes the diagram's image into the file named (relative to the working directory).
    using SalvataggioImmagine = std::function<void(IdFinestra diagramma, const QString& nomeFile)>;

    explicit SalvaimmagineWindow(Servizi& servizi);

    // Which diagram the next Salva writes: the one whose save command opened the window last.
    void impostaDiagramma(IdFinestra diagramma) { m_diagramma = diagramma; }
    IdFinestra diagramma() const { return m_diagramma; }

    // The saver that Salva calls; without one, Salva writes nothing.
    void impostaSalvataggio(SalvataggioImmagine salvataggio) {
        m_salvataggio = std::move(salvataggio);
    }

    // The command handlers.
    void Salva_Click();
    void Annulla_Click();

    ListaCartelle* Dir1 = nullptr;
    ListaFile* File1 = nullptr;
    QPushButton* Salva = nullptr;
    QLineEdit* txt_salva = nullptr;
    // "bmp", "jpg", "gif", "tif", then "svg" and "pdf" (vector output); any word typed becomes
    // the extension.
    QComboBox* txt_formato = nullptr;
    QPushButton* Annulla = nullptr;
    ListaDischi* Drive1 = nullptr;

private:
    IdFinestra m_diagramma = IdFinestra::Sv;
    SalvataggioImmagine m_salvataggio;
};

} // namespace spintaro
