// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/intero16.h"
#include "platform/finestra_base.h"
#include "platform/twips.h"

#include <array>
#include <span>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace spintaro {

class Modulo1;
class PulsanteImmagine;
struct Separatori;

// The main window "Spintaro 1.1": layer entry and browsing, the total thrust, the menus and the
// toolbar that open every other window. Controls keep the program's names as member names and
// objectNames; every position is in twips from the top-left corner of the client area (the
// surface below the menu bar).
class SpintaroWindow final : public FinestraBase {
    Q_OBJECT

public:
    explicit SpintaroWindow(Servizi& servizi);

    // Window load: IndiceStrato = 0.
    void caricamento() override;

    // Boxes → Strati(NumStrati), then the boxes are cleared. A failing step leaves the earlier
    // steps done. Throws Errore.
    void LeggiDati();
    // Fills the "Visualizza" frame from Strati(n). Never throws: a record outside the table, or
    // a z0 that has no value, shows as an empty box.
    void MostraStrato(Intero16 n) noexcept;
    // Puts "1" into txt_strato and empties the "Visualizza" boxes of the layer shown (txt_strat,
    // txt_pot, txt_gam, txt_coes, txt_attritint, txt_ka, txt_Sv, txt_sa1, txt_sa2); txt_z0 keeps
    // its text. Used when the job is discarded.
    void PulisciVisualizza();
    // Puts "1" into txt_strato: entry starts again from the first layer.
    void ricominciaNumerazione();
    // A project was opened: txt_strato shows the number of layers read ("1" when there are none),
    // and those layers count as stored, so that empty boxes never overwrite the last one.
    void progettoAperto();

    // The command handlers, as the controls trigger them.
    void nuovo_Click();
    void Fine_Click();
    void precedente_Click();
    void successivo_Click();
    void Command2_Click();
    void btn_Chiudi_Click();
    void relazione_Click();

    // The surface below the menu bar that holds every control.
    QWidget* areaClient() const { return m_client; }
    QMenuBar* barraMenu() const { return m_barraMenu; }

    // Entry panel.
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txt_sovraccarico = nullptr;
    QLineEdit* txt_strato = nullptr;
    QLineEdit* txt_potenza = nullptr;
    QLineEdit* txt_gamma = nullptr;
    QLineEdit* txt_coesione = nullptr;
    QLineEdit* txt_attrint = nullptr;
    QRadioButton* OptSi = nullptr;
    QRadioButton* OptNo = nullptr;
    QPushButton* nuovo = nullptr;
    QPushButton* Fine = nullptr;

    // Display panel.
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txt_strat = nullptr;
    QLineEdit* txt_pot = nullptr;
    QLineEdit* txt_gam = nullptr;
    QLineEdit* txt_coes = nullptr;
    QLineEdit* txt_attritint = nullptr;
    QLineEdit* txt_ka = nullptr;
    QLineEdit* txt_Sv = nullptr;
    QLineEdit* txt_sa1 = nullptr;
    QLineEdit* txt_sa2 = nullptr;
    QLineEdit* txt_z0 = nullptr;
    QPushButton* precedente = nullptr;
    QPushButton* successivo = nullptr;

    // Toolbar.
    QGroupBox* Frame3 = nullptr;
    PulsanteImmagine* Picture1 = nullptr;
    PulsanteImmagine* Picture4 = nullptr;
    PulsanteImmagine* Picture2 = nullptr;
    PulsanteImmagine* Picture7 = nullptr;

    // Diagrams, thrust, exit.
    QPushButton* Grafico = nullptr;
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QPushButton* Command2 = nullptr;
    QLineEdit* txt_spinta = nullptr;
    QPushButton* btn_Chiudi = nullptr;
    QLabel* lab_contatto = nullptr;

    // Menus ("new" is a C++ keyword: the member is new_, its objectName "new").
    QMenu* File = nullptr;
    QAction* new_ = nullptr;
    QAction* Open = nullptr;
    QAction* Save = nullptr;
    QAction* esportamenu = nullptr;
    QAction* stampa = nullptr;
    QAction* intestazione = nullptr;
    QAction* relazione = nullptr;
    QMenu* Immagini = nullptr;
    QAction* Salva_Sv = nullptr;
    QAction* stampasv = nullptr;
    QAction* Salva_Sa = nullptr;
    QAction* stampasa = nullptr;
    QMenu* Calcolo = nullptr;
    QAction* parametri = nullptr;
    QAction* carichi = nullptr;
    QAction* spinte_progetto = nullptr;
    QMenu* info = nullptr;
    QAction* info_programma = nullptr;
    QAction* grazie = nullptr;

private:
    // Creates every control from the layout table and keeps the named ones in their members.
    void costruisciControlli();
    void costruisciMenu();
    void collegaComandi();
    void impostaOrdineTab();

    // Places w, a child of a frame or of the client area, at a rectangle given in client twips.
    void posiziona(QWidget* w, int sinistra, int alto, int larghezza, int altezza);

    void apri(IdFinestra id);
    void stampaFinestra(IdFinestra id);

    Separatori separatori() const;
    QString testoDisplay(double v) const;
    // The error trap of "Nuovo": beep, the message for the code, the question when it applies;
    // "Annulla" puts back the job as it was before the command (prima).
    void trappolaNuovo(int codice, const Modulo1& prima, const QString& stratoPrima);
    // The message of a failed Ok; casella is the box whose text could not be read, if any.
    void segnalaErroreOk(int codice, QLineEdit* casella);
    // "La tabella contiene al massimo 50 strati..." with the sentence given after it.
    void segnalaTabellaPiena(const QString& seguito);
    void svuotaVisualizza();
    // Empties the four value boxes and sets "No" (the last steps of LeggiDati).
    void pulisciCaselle();
    // True when the four value boxes are empty and "No" is set.
    bool caselleVuote() const;
    // True when the layer numbered n is one of the job's stored layers (entry closed by Ok, or
    // the job opened from a file) and the boxes are empty: storing them would wipe that layer.
    bool conservaStrato(long long n) const;
    // The first of the boxes whose text is not a number a value box can hold; null when every
    // one reads. caselleStrato(): the four value boxes in the order LeggiDati reads them.
    QLineEdit* primaCasellaIllegibile(std::span<QLineEdit* const> caselle) const;
    std::array<QLineEdit*, 4> caselleStrato() const {
        return {txt_potenza, txt_gamma, txt_coesione, txt_attrint};
    }
    // Puts the focus into the box and selects its text, so that the user can retype it.
    static void evidenzia(QLineEdit* casella);

    Twips m_twips;
    QMenuBar* m_barraMenu = nullptr;
    QWidget* m_client = nullptr;
    // The layer numbered in txt_strato is already stored: set by a successful Ok and by Open,
    // cleared when "Nuovo" moves on to a new number and when numbering starts again.
    bool m_stratoMemorizzato = false;
};

} // namespace spintaro
