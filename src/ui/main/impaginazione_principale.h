// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <variant>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace spintaro {

class PulsanteImmagine;
class SpintaroWindow;

// One control of the main window as it is laid out. SpintaroWindow builds the whole window from
// these rows; nothing else about a control's look is decided elsewhere.
struct ControlloPrincipale {
    enum class Tipo {
        Cornice,     // a frame; the text is its caption
        Etichetta,   // a label
        Campo,       // an entry field the user types into
        SolaLettura, // a field the program writes; it still takes the focus, so that its text
                     // can be selected and copied
        Pulsante,    // a push button
        Opzione,     // an option button
        Immagine,    // a picture button; the text is the SVG resource it shows
    };
    struct Carattere {
        bool msSansSerif; // MS Sans Serif, else Arial
        double punti;
        bool grassetto = false;
    };
    template <typename T> using Membro = T* SpintaroWindow::*;

    const char* nome; // the objectName
    Tipo tipo;
    const char* cornice; // the frame that holds it; null: the client area
    // Place and size in twips from the client area's top-left corner, frame or not.
    int sinistra, alto, larghezza, altezza;
    Carattere carattere;
    const char* testo;                // UTF-8: caption, a field's text at start, a resource
    const char* suggerimento = "";    // tooltip
    const char* nomeAccessibile = ""; // empty: a button's or option's caption without the
                                      // access-key mark, a picture's tooltip, else nothing
    const char* descrizione = "";     // accessible description (the unit of a field)
    // The window's member that keeps the control, if any.
    std::variant<std::monostate, Membro<QGroupBox>, Membro<QLabel>, Membro<QLineEdit>,
                 Membro<QPushButton>, Membro<QRadioButton>, Membro<PulsanteImmagine>>
        membro = {};
    // A field's caption: the label (by name) whose buddy the field becomes, so that a screen
    // reader finds the field labelled by it. Empty: none.
    const char* etichetta = "";
};

// Every control of the main window in the order of creation, frames before what they hold; a
// later control is drawn over an earlier one it overlaps.
std::span<const ControlloPrincipale> impaginazionePrincipale();

} // namespace spintaro
