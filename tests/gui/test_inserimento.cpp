// SPDX-License-Identifier: GPL-3.0-or-later
// The entry workflow of the main window, driven through its controls: "Nuovo", Ok, browsing,
// the error trap, "Spinta Totale", with a comma and with a period as decimal separator.

#include "files/esporta_window.h"
#include "files/salva_window.h"
#include "finestre_file_prova.h"
#include "model/modulo1.h"

#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace spintaro {
namespace {

using prova::AmbienteProva;
using prova::clic;
using prova::scrivi;

const QStringList Trappola = {MessaggiRegistrati::Beep,
                              "Controlla che tutti i dati siano stati inseriti.",
                              "Se l'errore e' stato corretto fai click su Ok.\r\naltrimenti dai "
                              "click su Annulla."};
const QString Vuota(9, '|');

// Types one layer, "h γ c φ" separated by '|' ("" leaves a box empty), into the entry boxes.
void strato(SpintaroWindow* f, const QString& dati, bool sottoFalda = false) {
    const QStringList v = dati.split('|');
    for (int i = 0; i < 4; ++i)
        scrivi(QList{f->txt_potenza, f->txt_gamma, f->txt_coesione, f->txt_attrint}[i], v[i]);
    QRadioButton* o = sottoFalda ? f->OptSi : f->OptNo;
    QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(5, o->height() / 2));
}

QString caselle(const SpintaroWindow* f) {
    return QStringList({f->txt_potenza->text(), f->txt_gamma->text(), f->txt_coesione->text(),
                        f->txt_attrint->text()})
        .join('|');
}

// txt_strat|txt_pot|txt_gam|txt_coes|txt_attritint|txt_ka|txt_Sv|txt_sa1|txt_sa2|txt_z0.
QString visualizza(const SpintaroWindow* f) {
    QStringList t;
    for (const QLineEdit* c : {f->txt_strat, f->txt_pot, f->txt_gam, f->txt_coes, f->txt_attritint,
                               f->txt_ka, f->txt_Sv, f->txt_sa1, f->txt_sa2, f->txt_z0})
        t << c->text();
    return t.join('|');
}

// The two-layer example (surcharge 10): dry sand over a submerged cohesive layer, plus a third
// dry sand layer when asked, then Ok.
void esempio(SpintaroWindow* f, bool terzo = false) {
    scrivi(f->txt_sovraccarico, "10");
    strato(f, "2|18||30");
    clic(f->nuovo);
    strato(f, "3|20|5|25", true);
    if (terzo) {
        clic(f->nuovo);
        strato(f, "1|18|0|30");
    }
    clic(f->Fine);
}

class Inserimento : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(f = a.avvia(), nullptr); }
    AmbienteProva a;
    SpintaroWindow* f = nullptr;
};

TEST_F(Inserimento, TreStratiSfogliatiPercorsiEOkDiNuovo) {
    esempio(f, true);
    EXPECT_EQ(a.m().NumStrati, 3);
    EXPECT_EQ(a.m().Strati(0).Sv, 10);
    EXPECT_EQ(a.m().Strati(2).Falda, 1);
    EXPECT_EQ(f->txt_sovraccarico->text(), "10") << "the surcharge box is not cleared";
    EXPECT_EQ(caselle(f), "|||");
    // Layer 1: Ka 0.332925, Sv 46, Sa1 3.329248, Sa2 15.314543; layer 2: Ka 0.405344, Sv 106,
    // Sa1 18.645809, Sa2 60.806119; layer 3: Sv 106 + 18, Sa1 = 106 × 0.332925 = 35.290034,
    // Sa2 = 124 × 0.332925 = 41.282681.
    const QString strati[] = {"1|2|18,|,|30,|,333|46,|3,329|15,315|",
                              "2|3|20,|5,|25,|,405|106,|18,646|60,806|",
                              "3|1|18,|,|30,|,333|124,|35,29|41,283|"};
    EXPECT_EQ(visualizza(f), strati[0]);
    EXPECT_EQ(a.m().IndiceStrato, 1);
    // Browsing stops at the last and at the first layer.
    const std::pair<QPushButton*, int> passi[] = {{f->successivo, 2}, {f->successivo, 3},
                                                  {f->successivo, 3}, {f->precedente, 2},
                                                  {f->precedente, 1}, {f->precedente, 1}};
    for (const auto& [pulsante, i] : passi) {
        clic(pulsante);
        EXPECT_EQ(visualizza(f), strati[i - 1]);
        EXPECT_EQ(a.m().IndiceStrato, i);
    }
    EXPECT_EQ(f->txt_strato->text(), "3");
    // "Spinta Totale" walks the table and leaves IndiceStrato at NumStrati + 1, as a save does:
    // "Precedente" then shows the last layer, "Successivo" nothing new.
    for (QPushButton* p : {f->precedente, f->successivo}) {
        clic(f->Command2);
        ASSERT_EQ(a.m().IndiceStrato, 4);
        clic(p);
        EXPECT_EQ(a.m().IndiceStrato, 3);
        EXPECT_EQ(visualizza(f), strati[2]);
    }
    // Ok again with the boxes empty: layer 3 (shown in txt_strato) is kept, everything recomputed
    // from the surcharge now typed (20: layer 1 Sv 56, Sa2 56 × 0.332925 = 18.643791).
    scrivi(f->txt_sovraccarico, "20");
    clic(f->Fine);
    const Strato& s = a.m().Strati(3);
    EXPECT_EQ(std::tuple(s.Potenza, s.Gamma, s.AttritoInterno, s.Sv),
              std::tuple(1., 18., 30., 134.))
        << "empty boxes never wipe a stored layer";
    EXPECT_EQ(a.m().NumStrati, 3);
    EXPECT_EQ(visualizza(f), "1|2|18,|,|30,|,333|56,|6,658|18,644|");
    // "Nuovo" after Ok with the boxes empty keeps layer 3 too and goes on at layer 4; a new layer
    // left empty is stored as zeros.
    clic(f->nuovo);
    EXPECT_EQ(a.m().Strati(3).Potenza, 1);
    EXPECT_EQ(f->txt_strato->text(), "4");
    a.m().Strati(4).Gamma = 5; // left from an earlier job
    clic(f->Fine);
    EXPECT_EQ(a.m().NumStrati, 4);
    EXPECT_EQ(a.m().Strati(4).Potenza + a.m().Strati(4).Gamma + a.m().Strati(4).AttritoInterno, 0);
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

// The tension case in the boxes: Sa1 shown as "0" and txt_z0 where the thrust starts the tension
// triangle. One cohesive layer: Sa1 -13.994922, z0 1.504305 within the layer. Light sand over
// heavier clay: the clay's own z0 1.429 lies above its top at 2, so the zero crossing 2.429090 is
// shown (the texts themselves are checked in the core).
TEST_F(Inserimento, StratoInTrazioneMostraZeroEZ0) {
    strato(f, "4|19|10|20");
    clic(f->Fine);
    EXPECT_EQ(visualizza(f), "1|4|19,|10,|20,|,49|76,|0|23,218|1,504");
    strato(f, "2|10||30");
    clic(f->nuovo);
    strato(f, "2|20|10|20");
    clic(f->Fine);
    clic(f->successivo);
    EXPECT_EQ(visualizza(f), "2|2|20,|10,|20,|,49|60,|0|15,384|2,429");
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

TEST_F(Inserimento, LettereNelPesoDiVolume) {
    a.m().Strati(1).Potenza = 9;
    a.m().Strati(1).Gamma = 7;
    strato(f, "2|abc|5|30");
    // Annulla cancels the command: layer 1 and NumStrati as before. OK keeps the steps done: the
    // thickness was stored before the failing step. Either way the boxes keep their text, the
    // bad one is selected for retyping, and the program goes on.
    const std::tuple<Risposta, double, int> risposte[] = {{Risposta::Annulla, 9, 0},
                                                          {Risposta::Ok, 2, 1}};
    for (const auto& [r, potenza, numStrati] : risposte) {
        a.messaggi.azzera();
        a.messaggi.setNextAnswer(r);
        clic(f->nuovo);
        EXPECT_EQ(a.messaggi.eventi(), Trappola);
        ASSERT_EQ(a.messaggi.messaggi().size(), 2u);
        EXPECT_EQ(a.messaggi.messaggi()[1].titolo, "Spintaro");
        EXPECT_EQ(a.messaggi.messaggi()[1].pulsanti, Pulsanti::OkAnnulla);
        EXPECT_EQ(a.messaggi.risposteInAttesa(), 0u);
        EXPECT_EQ(a.m().Strati(1).Potenza, potenza);
        EXPECT_EQ(a.m().Strati(1).Gamma, 7);
        EXPECT_EQ(a.m().NumStrati, numStrati);
        EXPECT_EQ(caselle(f), "2|abc|5|30");
        EXPECT_EQ(f->txt_strato->text(), "1");
        EXPECT_EQ(f->focusWidget(), f->txt_gamma);
        EXPECT_EQ(f->txt_gamma->selectedText(), "abc");
        EXPECT_TRUE(a.fini == 0 && f->isVisible());
    }
    // The user corrects the box and presses "Nuovo" again.
    scrivi(f->txt_gamma, "18");
    clic(f->nuovo);
    EXPECT_EQ(a.m().Strati(1).Gamma, 18);
    EXPECT_EQ(a.m().Strati(1).Coesione, 5);
    EXPECT_EQ(f->txt_strato->text(), "2");
    EXPECT_EQ(a.messaggi.messaggi().size(), 2u) << "no further message";
}

TEST(SeparatoreNelleCaselle, NuovoLeggeConIlSeparatoreDellUtente) {
    // Decimal separator, text typed, value stored (0: refused, the box keeps the text).
    const std::tuple<const char*, const char*, double> casi[] = {
        {",", "2,5", 2.5}, {",", "2.5", 0}, {".", "2.5", 2.5}, {".", "2,5", 0}};
    for (const auto& [decimale, testo, valore] : casi) {
        SCOPED_TRACE(std::string(decimale) + " " + testo);
        AmbienteProva a(*decimale == ',' ? Separatori{",", "."} : Separatori{".", ","});
        SpintaroWindow* f = a.avvia();
        scrivi(f->txt_potenza, testo);
        clic(f->nuovo);
        EXPECT_EQ(a.m().Strati(1).Potenza, valore) << "2.5 must never become 25";
        EXPECT_EQ(a.messaggi.eventi(), valore != 0 ? QStringList() : Trappola);
        EXPECT_EQ(f->txt_potenza->text(), valore != 0 ? "" : testo);
    }
}

// After the fiftieth "Nuovo" txt_strato shows 51, which only says that the table is full: every
// command works on layers 1..50, and Ok closes the entry with them.
TEST_F(Inserimento, CinquantaStratiRiempionoLaTabella) {
    const prova::CartellaDiLavoro cartella;
    a.m().Strati(1).Potenza = 9; // left from an earlier job
    a.m().Strati(1).Falda = 1;
    // Browsing before any layer shows nothing.
    clic(f->successivo);
    EXPECT_EQ(a.m().IndiceStrato, 0);
    clic(f->precedente);
    EXPECT_EQ(a.m().IndiceStrato, 1);
    EXPECT_EQ(visualizza(f), Vuota);
    for (int i = 1; i < 50; ++i)
        clic(f->nuovo);
    EXPECT_TRUE(a.m().Strati(1) == Strato{}) << "empty boxes store zeros";
    strato(f, "1|17||");
    clic(f->nuovo);
    EXPECT_EQ(a.m().Strati(50).Gamma, 17);
    EXPECT_EQ(std::pair(a.m().NumStrati, f->txt_strato->text()),
              std::pair(Intero16{50}, QStringLiteral("51")));
    ASSERT_TRUE(a.messaggi.eventi().isEmpty());
    EXPECT_EQ(visualizza(f), Vuota) << "nothing computed or shown while entering";
    strato(f, "2|18||30");
    const Modulo1 prima = a.m();
    clic(f->nuovo);
    EXPECT_EQ(a.messaggi.eventi().join('|'),
              MessaggiRegistrati::Beep + "|La tabella contiene al massimo 50 strati: premi Ok per "
                                         "chiudere l'immissione dei dati con quelli inseriti.");
    EXPECT_TRUE(a.m() == prima) << "no record was touched";
    // Thrust, save, export, report and diagrams on the fifty layers (not computed yet: zeros).
    a.messaggi.azzera();
    clic(f->Command2);
    EXPECT_EQ(f->txt_spinta->text(), ",");
    f->Save->trigger();
    auto* salva = qobject_cast<SalvaWindow*>(a.registro().istanza(IdFinestra::Salva));
    ASSERT_NE(salva, nullptr);
    clic(salva->Salva);
    f->esportamenu->trigger();
    auto* esporta = qobject_cast<EsportaWindow*>(a.registro().istanza(IdFinestra::Esporta));
    ASSERT_NE(esporta, nullptr);
    scrivi(esporta->txt_salva, "tabella");
    clic(esporta->Salva);
    // Records 0..50, the last one 1 17 0 0 0; a header and fifty rows.
    const std::string progetto = prova::leggi(cartella.file("Nuovo.spt"));
    EXPECT_EQ(std::count(progetto.begin(), progetto.end(), '\n'), 255);
    EXPECT_TRUE(progetto.ends_with(" 0 \r\n 1 \r\n 17 \r\n 0 \r\n 0 \r\n 0 \r\n"));
    const std::string tabella = prova::leggi(cartella.file("tabella.dat"));
    EXPECT_EQ(std::count(tabella.begin(), tabella.end(), '\n'), 51);
    f->stampa->trigger();
    clic(f->Grafico);
    clic(f->Command1);
    for (const IdFinestra id : {IdFinestra::stampa1, IdFinestra::Sv, IdFinestra::Sa})
        EXPECT_TRUE(a.registro().istanza(id) != nullptr && a.registro().istanza(id)->isVisible());
    EXPECT_TRUE(a.messaggi.eventi().isEmpty()) << a.messaggi.testi().join('|').toStdString();
    // Ok: the fifty layers computed, the boxes not stored and cleared.
    clic(f->Fine);
    EXPECT_EQ(a.m().NumStrati, 50);
    EXPECT_EQ(a.m().Strati(50).Potenza, 1);
    EXPECT_EQ(a.m().Strati(50).Sv, 17);
    EXPECT_EQ(f->txt_strato->text() + " " + caselle(f), "50 |||");
    EXPECT_EQ(a.messaggi.testi().join('|'),
              "La tabella contiene al massimo 50 strati: l'immissione dei dati è stata chiusa con "
              "50 strati.\r\nI valori nelle caselle non sono stati memorizzati.");
    EXPECT_EQ(a.fini, 0);
}

TEST(OkFallito, SegnalaERipristina) {
    const QString enorme = "1" + QString(200, '0'); // 1E+200: its square overflows
    // Surcharge, layer typed, code and field in the message, the box selected.
    const std::tuple<QString, QString, const char*, QLineEdit * SpintaroWindow::*> casi[] = {
        {"dieci", "2|18||30", "errore 13) nel campo «Sovraccarico»",
         &SpintaroWindow::txt_sovraccarico},
        {"10", "2|diciotto|x|30", "errore 13) nel campo «γ»", &SpintaroWindow::txt_gamma},
        {"10", enorme + "|" + enorme + "||30", "errore 6).", nullptr}};
    for (const auto& [sovraccarico, dati, codice, casella] : casi) {
        SCOPED_TRACE(codice);
        // A computed job of two layers, then the user types a third layer and presses Ok.
        AmbienteProva a;
        SpintaroWindow* f = a.avvia();
        esempio(f);
        clic(f->nuovo); // empty boxes: the last layer is kept and entry goes on at 3
        EXPECT_EQ(a.m().Strati(2).Potenza, 3);
        ASSERT_EQ(f->txt_strato->text(), "3");
        scrivi(f->txt_sovraccarico, sovraccarico);
        strato(f, dati, true);
        const Modulo1 prima = a.m();
        const QString mostrati = visualizza(f);
        a.messaggi.azzera();
        clic(f->Fine);
        ASSERT_EQ(a.messaggi.messaggi().size(), 1u);
        const auto& m = a.messaggi.messaggi()[0];
        EXPECT_EQ(m.titolo, "Spintaro");
        EXPECT_TRUE(m.testo.startsWith("Immissione dei dati non completata") &&
                    m.testo.contains(codice))
            << m.testo.toStdString();
        EXPECT_TRUE(a.m() == prima) << "table, NumStrati and IndiceStrato put back";
        EXPECT_EQ(f->txt_strato->text(), "3");
        EXPECT_EQ(caselle(f), dati);
        EXPECT_TRUE(f->OptSi->isChecked());
        EXPECT_EQ(visualizza(f), mostrati);
        EXPECT_EQ(f->txt_sovraccarico->text(), sovraccarico);
        if (casella != nullptr) {
            EXPECT_EQ(f->focusWidget(), f->*casella);
            EXPECT_EQ((f->*casella)->selectedText(), (f->*casella)->text());
        }
        EXPECT_EQ(a.fini, 0);
    }
}

TEST(SpintaTotale, TestoMostratoConVirgolaEConPunto) {
    // No layers: 0; the two-layer example: 137.821684.
    for (const auto& [dati, atteso] : {std::pair(false, ","), std::pair(true, "137,822")}) {
        for (const bool virgola : {true, false}) {
            SCOPED_TRACE(std::string(atteso) + (virgola ? "" : " punto"));
            AmbienteProva a(virgola ? Separatori{",", "."} : Separatori{".", ","});
            SpintaroWindow* f = a.avvia();
            if (dati)
                esempio(f);
            clic(f->Command2);
            EXPECT_EQ(f->txt_spinta->text(), virgola ? atteso : QString(atteso).replace(',', '.'));
            EXPECT_TRUE(a.messaggi.eventi().isEmpty());
        }
    }
}

} // namespace
} // namespace spintaro
