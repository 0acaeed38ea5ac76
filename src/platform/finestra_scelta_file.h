// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/intero16.h"
#include "platform/finestra_base.h"
#include "platform/twips.h"

#include <QList>
#include <QStringList>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace spintaro {

class ListaCartelle;
class ListaDischi;
class ListaFile;

// The pattern that the four file chooser windows share: a drive list, a directory list and a
// file list coupled together, a name box, a confirm button and "Annulla".
//
// - Choosing a drive moves the directory list to the working directory when it lies on that
//   drive, else to the drive's root; that is a directory change.
// - A directory change moves the file list to the new directory and makes it the process's
//   working directory, which every file command uses: the windows pass no directory on.
// - A click on a file copies its bare name into the name box (when the window has one for it).
//
// The lists start at the working directory of the moment the window is created; whenever the
// window is shown again, the folder it shows becomes the working directory again. Each window
// builds its own controls with the helpers below, at twips positions of its client area.
class FinestraSceltaFile : public FinestraBase {
    Q_OBJECT

public:
    FinestraSceltaFile(IdFinestra id, Servizi& servizi, const QString& titolo, int larghezza,
                       int altezza);

protected:
    ListaDischi* creaListaDischi(int sinistra, int alto, int larghezza, int altezza);
    ListaCartelle* creaListaCartelle(int sinistra, int alto, int larghezza, int altezza);
    ListaFile* creaListaFile(const QString& schemi, int sinistra, int alto, int larghezza,
                             int altezza);
    QLineEdit* creaCasellaNome(const char* nome, const QString& testo, int sinistra, int alto,
                               int larghezza, int altezza);
    // An editable drop-down list holding the items, with the given text.
    QComboBox* creaFormato(const QStringList& voci, const QString& testo, int sinistra, int alto,
                           int larghezza, int altezza);
    QPushButton* creaPulsante(const char* nome, const QString& testo, int sinistra, int alto,
                              int larghezza, int altezza);

    // Couples the lists and moves them to the working directory. dischi may be null (no drive
    // list); casellaNome null means a click on a file does nothing.
    void collegaListe(ListaDischi* dischi, ListaCartelle* cartelle, ListaFile* file,
                      QLineEdit* casellaNome);
    // The tab order, first control first; the first one takes the focus when the window shows.
    void impostaOrdineTab(const QList<QWidget*>& ordine);
    // Puts the client area's top-left corner at a position of the screen, in twips.
    void posizionaSulloSchermo(int sinistra, int alto);

    // A message box with OK alone and the application title.
    void avvisa(const QString& testo);
    // Writes a file made by a walk over the table (which moved IndiceStrato from indicePrima).
    // On failure the cursor is put back and the user told "<nonRiuscito> «file»: reason"; the
    // old file stays intact. True when the file was written.
    bool scriviOAvvisa(const QString& nomeFile, const std::string& byte, Intero16 indicePrima,
                       const QString& nonRiuscito);

    // Whenever the window is shown, also after being hidden, the folder in view becomes the
    // working directory again and the lists show its contents as they are now.
    void showEvent(QShowEvent* evento) override;

    const Twips& twips() const { return m_twips; }

private:
    void posiziona(QWidget* w, int sinistra, int alto, int larghezza, int altezza);
    void scegliDisco(const QString& radice);
    void cambiaCartella(const QString& percorso);
    // Moves the lists to the working directory (the root when it has gone).
    void mostraCartellaDiLavoro();

    Twips m_twips;
    ListaDischi* m_dischi = nullptr;
    ListaCartelle* m_cartelle = nullptr;
    ListaFile* m_file = nullptr;
};

} // namespace spintaro
