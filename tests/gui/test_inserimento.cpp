// SPDX-License-Identifier: GPL-3.0-or-later
// The entry workflow of the main window, driven through its controls: "Nuovo", Ok, browsing,
// the error trap, "Spinta Totale", with a comma and with a period as decimal separator.

#include "finestre_file_prova.h"
#include "ui/files/esporta_window.h"
#include "ui/files/salva_window.h"

#include <QPushButton>
#include <QRadioButton>

namespace spintaro {
namespace {

using namespace prova;

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
// The two-layer example (surcharge 10, sand over submerged clay) typed with a comma; Ok.
void esempio(SpintaroWindow* f) {
    scrivi(f->txt_sovraccarico, "10");
    strato(f, "2,0|18||30");
    clic(f->nuovo);
    strato(f, "3|20|5|25", true);
    clic(f->Fine);
}

class Inserimento : public ProvaFile {};

// After Ok, "Nuovo" with the boxes empty keeps layer 2 and goes on at 3; a third layer, Ok again.
TEST_F(Inserimento, TreStratiSfogliatiPercorsiEOkDiNuovo) {
    esempio(f);
    clic(f->nuovo);
    strato(f, "1|18|0|30");
    clic(f->Fine);
    EXPECT_EQ(std::tuple(a.m().NumStrati, a.m().Strati(0).Sv, a.m().Strati(2).Potenza,
                         a.m().Strati(2).Falda, f->txt_sovraccarico->text() + caselle(f)),
              std::tuple(Intero16{3}, 10., 3., Intero16{1}, QStringLiteral("10|||")));
    // Layer 1: Ka 0.332925, Sv 46, Sa1 3.329248, Sa2 15.314543; layer 3: Sv 106 + 18 = 124, Sa1
    // 106 · Ka = 35.290034, Sa2 124 · Ka = 41.282681.
    EXPECT_EQ(visualizza(f), "1|2|18,|,|30,|,333|46,|3,329|15,315|");
    const std::pair<QPushButton*, int> sfoglia[] = {{f->successivo, 2}, {f->successivo, 3},
                                                    {f->successivo, 3}, {f->precedente, 2},
                                                    {f->precedente, 1}, {f->precedente, 1}};
    for (const auto& [pulsante, i] : sfoglia) { // stopping at the ends
        clic(pulsante);
        EXPECT_EQ(std::pair(a.m().IndiceStrato, f->txt_strat->text()),
                  std::pair(Intero16(i), QString::number(i)));
    }
    // "Spinta Totale", 137.821684 + (35.290034 + 41.282681) / 2 = 176.108042 in the user's
    // separator, leaves IndiceStrato at 4: "Precedente" shows layer 3, "Successivo" too.
    for (QPushButton* p : {f->precedente, f->successivo}) {
        clic(f->Command2);
        ASSERT_EQ(std::pair(a.m().IndiceStrato, f->txt_spinta->text()),
                  std::pair(Intero16(4), QStringLiteral("176,108")));
        clic(p);
        EXPECT_EQ(visualizza(f), "3|1|18,|,|30,|,333|124,|35,29|41,283|");
    }
    // Ok again, the boxes empty: layer 3 kept, all recomputed under 20 (layer 1: Sv 56, Sa2 18.64).
    scrivi(f->txt_sovraccarico, "20");
    clic(f->Fine);
    const Strato& s = a.m().Strati(3);
    EXPECT_EQ(std::tuple(a.m().NumStrati, s.Potenza, s.Gamma, s.AttritoInterno, s.Sv),
              std::tuple(Intero16{3}, 1., 18., 30., 134.))
        << "empty boxes never wipe a stored layer";
    EXPECT_EQ(visualizza(f), "1|2|18,|,|30,|,333|56,|6,658|18,644|");
    // Only the thickness typed: not empty boxes, so it is stored over layer 3 (γ, c, φ zero).
    strato(f, "4|||");
    clic(f->Fine);
    EXPECT_EQ(std::pair(a.m().NumStrati, a.m().Strati(3).Potenza), std::pair(Intero16{3}, 4.));
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

// A thrust too large for a double (h 1E+200 m, σa at the base 1E+300 kPa): "Spinta Totale" says
// so and clears the total shown before.
TEST_F(Inserimento, SpintaTotaleNonCalcolataLoDiceEPulisce) {
    a.m().Strati(1) = Strato{1e200, 18, 0, 30, 0.33, 1e300, 0, 1e300, 0};
    a.m().NumStrati = 1;
    f->txt_spinta->setText("1");
    clic(f->Command2);
    EXPECT_TRUE(f->txt_spinta->text().isEmpty() &&
                a.messaggi.testi().join('|').startsWith(
                    "Spinta totale non calcolata: valore fuori intervallo (errore 6)."))
        << a.messaggi.testi().join('|').toStdString();
}

// A cohesive layer in tension at the top, typed with a period where the user's separator is one
// (the other tests type a comma). Sa1 shown as "0", txt_z0 where the tension triangle starts, the
// thrust: the values the core's tests work by hand (Sa2 23.218070, z0 1.504305 m, thrust
// 28.972610 kN/m), in the user's separator.
TEST(Separatore, StratoInTrazioneColPunto) {
    AmbienteProva a(Separatori{".", ","});
    SpintaroWindow* f = a.avvia();
    strato(f, "4.0|19|10|20");
    clic(f->Fine);
    const QString mostrati = visualizza(f);
    clic(f->Command2);
    EXPECT_EQ(mostrati + " " + f->txt_spinta->text(),
              "1|4|19.|10.|20.|.49|76.|0|23.218|1.504 28.973");
    EXPECT_TRUE(a.messaggi.eventi().isEmpty());
}

const QString Trappola = "|Controlla che tutti i dati siano stati inseriti.|Se l'errore e' stato "
                         "corretto fai click su Ok.\r\naltrimenti dai click su Annulla.";

// Letters in γ. Annulla cancels the command: layer 1 and NumStrati as before. OK keeps the steps
// done (the thickness was stored before the failing step). Either way the boxes keep their text,
// the bad one is selected for retyping, the program goes on; corrected, "Nuovo" stores the layer.
TEST_F(Inserimento, LettereNelPesoDiVolume) {
    a.m().Strati(1).Potenza = 9;
    a.m().Strati(1).Gamma = 7;
    strato(f, "2|abc|5|30");
    for (const auto& [r, potenza, numStrati] :
         {std::tuple(Risposta::Annulla, 9., 0), std::tuple(Risposta::Ok, 2., 1)}) {
        a.messaggi.azzera();
        a.messaggi.setNextAnswer(r);
        clic(f->nuovo);
        EXPECT_EQ(a.messaggi.eventi().join('|'), MessaggiRegistrati::Beep + Trappola);
        EXPECT_EQ(std::tuple(a.m().Strati(1).Potenza, a.m().Strati(1).Gamma, a.m().NumStrati,
                             a.messaggi.risposteInAttesa()), // the question takes OK or Annulla
                  std::tuple(potenza, 7., Intero16(numStrati), 0u));
        EXPECT_EQ(caselle(f) + " " + f->txt_strato->text(), "2|abc|5|30 1");
        EXPECT_TRUE(f->focusWidget() == f->txt_gamma && f->txt_gamma->selectedText() == "abc" &&
                    a.fini == 0 && f->isVisible());
    }
    scrivi(f->txt_gamma, "18");
    clic(f->nuovo);
    EXPECT_TRUE(a.m().Strati(1).Gamma == 18 && f->txt_strato->text() == "2" &&
                a.messaggi.messaggi().size() == 2u);
}

// After the fiftieth "Nuovo" txt_strato shows 51, which only says that the table is full: every
// command works on layers 1..50 (past 50 they fail and say so), and Ok closes the entry with them.
TEST_F(Inserimento, CinquantaStratiRiempionoLaTabella) {
    a.m().Strati(1).Potenza = 9; // left from an earlier job
    a.m().Strati(1).Falda = 1;
    for (int i = 1; i < 50; ++i)
        clic(f->nuovo);
    EXPECT_TRUE(a.m().Strati(1) == Strato{}) << "empty boxes store zeros";
    strato(f, "1|17||");
    clic(f->nuovo);
    EXPECT_EQ(std::tuple(a.m().Strati(50).Gamma, a.m().NumStrati, f->txt_strato->text()),
              std::tuple(17., Intero16{50}, QStringLiteral("51")));
    EXPECT_EQ(visualizza(f) + a.messaggi.eventi().join('|'), QString(9, '|'))
        << "nothing computed or said";
    strato(f, "2|18||"); // c and φ left empty: still data in the boxes
    const Modulo1 prima = a.m();
    clic(f->nuovo);
    EXPECT_EQ(a.messaggi.eventi().join('|'),
              MessaggiRegistrati::Beep + "|La tabella contiene al massimo 50 strati: premi Ok per "
                                         "chiudere l'immissione dei dati con quelli inseriti.");
    EXPECT_TRUE(a.m() == prima) << "no record was touched";
    // Thrust, save, export, report and diagrams on the fifty layers (not computed yet: zeros).
    a.messaggi.azzera();
    clic(f->Command2);
    f->Save->trigger();
    clic(qobject_cast<SalvaWindow*>(a.registro().istanza(IdFinestra::Salva))->Salva);
    f->esportamenu->trigger();
    auto* esporta = qobject_cast<EsportaWindow*>(a.registro().istanza(IdFinestra::Esporta));
    scrivi(esporta->txt_salva, "tabella");
    clic(esporta->Salva);
    EXPECT_EQ(cartella.contenuto(), QStringList({"Nuovo.spt", "tabella.dat"}));
    f->stampa->trigger();
    clic(f->Grafico);
    clic(f->Command1);
    for (const IdFinestra id : {IdFinestra::stampa1, IdFinestra::Sv, IdFinestra::Sa})
        EXPECT_TRUE(a.registro().istanza(id) != nullptr && a.registro().istanza(id)->isVisible());
    EXPECT_TRUE(a.messaggi.eventi().isEmpty()) << a.messaggi.testi().join('|').toStdString();
    // Ok: the fifty layers computed, the boxes neither stored nor kept.
    clic(f->Fine);
    EXPECT_EQ(std::tuple(a.m().NumStrati, a.m().Strati(50).Potenza, a.m().Strati(50).Sv, a.fini),
              std::tuple(Intero16{50}, 1., 17., 0));
    EXPECT_EQ(f->txt_strato->text() + " " + caselle(f), "50 |||");
    EXPECT_EQ(a.messaggi.testi().join('|'),
              "La tabella contiene al massimo 50 strati: l'immissione dei dati è stata chiusa con "
              "50 strati.\r\nI valori nelle caselle non sono stati memorizzati.");
}

// The two-layer job, a third layer typed, Ok failing: the code and the field in the message, the
// bad box selected, table, NumStrati, IndiceStrato and every box as before.
TEST(OkFallito, SegnalaERipristina) {
    const QString enorme = "1" + QString(200, '0'); // 1E+200: its square overflows
    const std::tuple<QString, QString, const char*, QLineEdit * SpintaroWindow::*> casi[] = {
        {"dieci", "2|18||30", "errore 13) nel campo «Sovraccarico»",
         &SpintaroWindow::txt_sovraccarico},
        {"10", "2|diciotto|x|30", "errore 13) nel campo «γ»", &SpintaroWindow::txt_gamma},
        {"10", enorme + "|" + enorme + "||30", "errore 6).", nullptr}};
    for (const auto& [sovraccarico, dati, codice, casella] : casi) {
        SCOPED_TRACE(codice);
        AmbienteProva a;
        SpintaroWindow* f = a.avvia();
        esempio(f);
        clic(f->nuovo); // entry goes on at 3
        scrivi(f->txt_sovraccarico, sovraccarico);
        strato(f, dati, true);
        const Modulo1 prima = a.m();
        const QString mostrati = visualizza(f);
        a.messaggi.azzera();
        clic(f->Fine);
        const QString t = a.messaggi.testi().join('|'); // one message, titled Spintaro
        EXPECT_TRUE(a.messaggi.messaggi().at(0).titolo == "Spintaro" && !t.contains('|') &&
                    t.startsWith("Immissione dei dati non completata") && t.contains(codice))
            << t.toStdString();
        EXPECT_EQ(f->txt_sovraccarico->text() + "|" + caselle(f) + "|" + f->txt_strato->text() +
                      visualizza(f),
                  sovraccarico + "|" + dati + "|3" + mostrati);
        EXPECT_TRUE(a.m() == prima && f->OptSi->isChecked() && a.fini == 0);
        EXPECT_TRUE(casella == nullptr || (f->focusWidget() == f->*casella &&
                                           (f->*casella)->selectedText() == (f->*casella)->text()));
    }
}

} // namespace
} // namespace spintaro
