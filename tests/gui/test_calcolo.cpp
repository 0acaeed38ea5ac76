// SPDX-License-Identifier: GPL-3.0-or-later
// The design calculation in the GUI: the parameters window, the results window, the parameters
// saved beside the project and read back, and the report's design chapter; the heading window.

#include "analisi/parametri.h"
#include "analisi/spinte_progetto.h"
#include "finestre_file_prova.h"
#include "platform/caratteri.h"
#include "profili.h"
#include "ui/calcolo/carichi_window.h"
#include "ui/calcolo/disegno_carichi.h"
#include "ui/calcolo/parametri_window.h"
#include "ui/calcolo/spinte_progetto_window.h"
#include "ui/files/apri_window.h"
#include "ui/files/intestazione_window.h"
#include "ui/files/salva_window.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

namespace spintaro {
namespace {

using namespace prova;

class Calcolo : public ProvaFile {
protected:
    void SetUp() override {
        ProvaFile::SetUp();
        a.m() = dueStrati(); // the bundled example: sand over submerged silty sand, q = 10
    }
    ParametriWindow* parametri() {
        f->parametri->trigger();
        return istanza<ParametriWindow>(IdFinestra::Parametri);
    }
    SpinteProgettoWindow* risultati() {
        f->spinte_progetto->trigger();
        return istanza<SpinteProgettoWindow>(IdFinestra::SpinteProgetto);
    }
    // A row of the results window: its cells joined by "|".
    static QString riga(const QTableWidget* t, int r) {
        QStringList celle;
        for (int c = 0; c < t->columnCount(); ++c)
            celle << (t->item(r, c) != nullptr ? t->item(r, c)->text() : QString());
        return celle.join('|');
    }
    static QString v(double x) { return QString::fromStdString(TestoValore(x, 3, ",")); }
    // The rows of the results window: the names given, then thrusts and moment as calculated.
    static void righe(const QTableWidget* t, const QStringList& nomi, const RisultatoProgetto& r) {
        ASSERT_TRUE(r.ok && t->rowCount() == nomi.size() &&
                    r.righe.size() == std::size_t(nomi.size()));
        for (int i = 0; i < t->rowCount(); ++i) {
            const RigaProgetto& x = r.righe[std::size_t(i)];
            EXPECT_TRUE(riga(t, i).startsWith(nomi[i] + "|" + v(x.spinta) + "|" +
                                              v(x.spintaVerticale) + "|" + v(x.spintaAcqua) + "|" +
                                              v(x.momento) + "|"))
                << riga(t, i).toStdString();
        }
    }
    CarichiWindow* carichi() {
        f->carichi->trigger();
        return istanza<CarichiWindow>(IdFinestra::Carichi);
    }
};

// The heading from the File menu: a text too long is refused with its reason and nothing is
// applied. Coulomb with δ/φ′ = 2/3 and β = 10° typed in the parameters window: the results window
// shows the thrusts of the calculation for the same parameters. Then a road in the loads window.
// Heading, parameters and loads are saved beside the project, cleared by a new job and come back
// on Open; the report a job makes of them is the batch calculator's (Comando in
// test_diagrammi.cpp, from the same parameter file).
TEST_F(Calcolo, IntestazioneParametriCarichiSalvatiERiaperti) {
    f->intestazione->trigger();
    auto* h = istanza<IntestazioneWindow>(IdFinestra::Intestazione);
    ASSERT_NE(h, nullptr);
    scrivi(in(h, "committente"), "Comune di Prova");
    scrivi(in(h, "opera"), "Muro di via Roma");
    scrivi(in(h, "localita"), QString(121, 'x'));
    clic(h->Applica);
    EXPECT_TRUE(h->Esito->text().startsWith("Intestazione non applicata: Località: ") &&
                h->Esito->text().contains("al massimo 120 caratteri"))
        << h->Esito->text().toStdString();
    EXPECT_EQ(a.app.lavoro(), DatiLavoro{});
    scrivi(in(h, "localita"), "");
    clic(h->Applica);
    DatiLavoro lavoro;
    lavoro.intestazione = {"Comune di Prova", "Muro di via Roma", "", "", ""};
    EXPECT_EQ(a.app.lavoro(), lavoro);

    ParametriWindow* p = parametri();
    ASSERT_NE(p, nullptr);
    auto* teoria = in<QComboBox>(p, "teoria");
    teoria->setCurrentIndex(teoria->findData("coulomb"));
    scrivi(in(p, "delta-phi"), "2/3");
    scrivi(in(p, "beta"), "10");
    clic(p->Applica);
    ASSERT_EQ(p->Esito->text().toStdString(),
              "Parametri applicati al lavoro: saranno salvati con il progetto.");
    lavoro.parametri.teoria = Teoria::Coulomb;
    lavoro.parametri.deltaPhi = 2.0 / 3.0;
    lavoro.parametri.beta = 10;
    EXPECT_EQ(a.app.lavoro(), lavoro) << "the heading kept";

    SpinteProgettoWindow* r = risultati();
    ASSERT_NE(r, nullptr);
    righe(r->Combinazioni, {"SLE", "A1+M1", "A2+M2"},
          CalcolaSpinteProgetto(a.m(), lavoro.parametri));
    // A1+M1 governs and is selected: its layers below, K and δ = 2/3·φ′d = 20° in the first.
    EXPECT_TRUE(riga(r->Combinazioni, 1).contains("|governa"))
        << riga(r->Combinazioni, 1).toStdString();
    EXPECT_EQ(r->TitoloStrati->text(), "Strati nella combinazione A1+M1:");
    EXPECT_TRUE(riga(r->StratiRiga, 0).startsWith("1|30,00|0,00|18,00|20,00|"))
        << riga(r->StratiRiga, 0).toStdString();
    r->Combinazioni->setCurrentCell(2, 0); // A2+M2: φ′d = arctan(tan 30°/1.25) = 24.79°
    EXPECT_TRUE(riga(r->StratiRiga, 0).startsWith("1|24,79|0,00|18,00|16,53|"))
        << riga(r->StratiRiga, 0).toStdString();
    EXPECT_EQ(r->Calcolo->text(),
              "Calcolo: spinta attiva, teoria: Coulomb (Müller-Breslau), δ/φ′ = 2/3, β = 10°.");

    // The road of a user's story typed in "Carichi sul terrapieno": a strip 3 m wide, 2 m behind
    // the wall, 20 kPa, variable. The results window, open meanwhile, follows: its rows are the
    // calculation's with the load (whose share the core's and the report's tests work by hand).
    CarichiWindow* w = carichi();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Tabella->rowCount(), 0);
    clic(w->Aggiungi);
    ASSERT_EQ(w->Tabella->rowCount(), 1);
    scrivi(in(w, "q-1"), "20");
    scrivi(in(w, "a-1"), "2");
    scrivi(in(w, "b-1"), "3");
    clic(w->Applica);
    lavoro.parametri.carichi = {{.tipo = TipoCarico::Striscia, .a = 2, .b = 3, .q = 20}};
    ASSERT_EQ(a.app.lavoro(), lavoro) << w->Esito->text().toStdString();
    EXPECT_EQ(w->Esito->text(), "Carichi applicati al lavoro: saranno salvati con il progetto.");
    righe(r->Combinazioni, {"SLE", "A1+M1", "A2+M2"},
          CalcolaSpinteProgetto(a.m(), lavoro.parametri));

    // Saved: the parameter file beside the project, with the surcharge, the three values that
    // differ, the load and the two fields of the heading given (the empty ones left out).
    clic(apri<SalvaWindow>(IdFinestra::Salva)->Salva);
    EXPECT_EQ(leggi(cartella.file("Nuovo.parametri")),
              "# Spintaro: sovraccarico, parametri di calcolo e intestazione del lavoro\r\n"
              "sovraccarico = 10\r\nteoria = coulomb\r\ndelta-phi = 2/3\r\nbeta = 10\r\n"
              "carico = striscia:q=20,a=2,b=3\r\n"
              "committente = Comune di Prova\r\nopera = Muro di via Roma\r\n");
    // "&Si" to "Nuovo Lavoro?" after the save: the defaults again, in the job and the windows.
    clic(istanza<QWidget>(IdFinestra::Nuovolavoro)->findChild<QPushButton*>("Command1"));
    EXPECT_EQ(a.app.lavoro(), DatiLavoro{});
    EXPECT_TRUE(teoria->currentData().toString() == "rankine" &&
                in(h, "committente")->text().isEmpty() && w->Tabella->rowCount() == 0);
    a.m().Strati(0).Sv = 3; // another surcharge in force before the open
    scrivi(f->txt_sovraccarico, "3");
    auto* ap = apri<ApriWindow>(IdFinestra::Apri);
    clicFile(ap->File1, "Nuovo.spt");
    clic(ap->Apri);
    EXPECT_EQ(a.app.lavoro(), lavoro);
    ASSERT_EQ(w->Tabella->rowCount(), 1);
    EXPECT_EQ(in(p, "delta-phi")->text() + "|" + in(h, "opera")->text() + "|" +
                  in(w, "b-1")->text(),
              "2/3|Muro di via Roma|3");
    // The project's surcharge back in its box and in force, with no Ok: σv = 10 + 18·2 = 46.
    EXPECT_EQ(f->txt_sovraccarico->text(), "10");
    EXPECT_TRUE(a.m().Strati(0).Sv == 10 && a.m().Strati(1).Sv == 46);

    // The guide's site, applied with the results open: they show the values behind kh, as the
    // core tests work them (Ss 1.325, amax/g 0.33125, βm 0.38 of a free wall at SLV).
    scrivi(in(p, "ag-SLV"), "0,25");
    scrivi(in(p, "f0-SLV"), "2,5");
    auto* suolo = in<QComboBox>(p, "suolo");
    suolo->setCurrentIndex(suolo->findData("C"));
    clic(p->Applica);
    EXPECT_TRUE(r->Calcolo->text().endsWith(
        "\nSLV: Ss = 1,325 (Tab. 3.2.IV), St = 1,00 (Tab. 3.2.V), amax/g = 0,3313, βm = 0,38 "
        "(Tab. 7.11.II), kh = 0,1259."))
        << r->Calcolo->text().toStdString();
}

// kh typed for SLV alone (SLD left empty, so absent): two seismic rows, one per kv sign, and every
// row as the calculation gives it; K_AE and θ in the layers; emptied, no seismic action. Then with
// SLD too, the three windows as a user sees them: the program's font, every control inside its
// window and clear of the others, buttons at their own width with "Chiudi" at the row's end, each
// box of a list named with its caption; in the results, all seven rows of two limit states in
// view, every cell wide enough for its text, names to the left and numbers to the right; the
// results' "Parametri di calcolo..." opens that window.
TEST_F(Calcolo, FinestreControlliAlLoroPosto) {
    ParametriWindow* p = parametri();
    scrivi(in(p, "kh-SLV"), "0,1");
    clic(p->Applica);
    ParametriCalcolo attesi;
    attesi.sisma.kh = {0.1, std::nullopt};
    ASSERT_EQ(a.app.lavoro().parametri, attesi) << p->Esito->text().toStdString();
    SpinteProgettoWindow* r = risultati();
    righe(r->Combinazioni,
          {"SLE", "A1+M1", "A2+M2", "SLV (kv verso il basso)", "SLV (kv verso l'alto)"},
          CalcolaSpinteProgetto(a.m(), attesi));
    r->Combinazioni->setCurrentCell(3, 0);
    EXPECT_EQ(r->StratiRiga->horizontalHeaderItem(5)->text(), "K_AE");
    EXPECT_FALSE(r->StratiRiga->item(0, 13)->text().isEmpty()) << "θ of the layer";
    in(p, "kh-SLV")->clear();
    clic(p->Applica);
    EXPECT_EQ(a.app.lavoro(), DatiLavoro{});
    scrivi(in(p, "kh-SLV"), "0,1");
    scrivi(in(p, "kh-SLD"), "0,05");
    in<QCheckBox>(p, "stati-limite-SLD")->setChecked(true);
    clic(p->Applica);
    f->intestazione->trigger();
    auto* h = istanza<IntestazioneWindow>(IdFinestra::Intestazione);
    for (QWidget* w : std::initializer_list<QWidget*>{p, r, h}) {
        SCOPED_TRACE(w->windowTitle().toStdString());
        QCoreApplication::processEvents();
        EXPECT_EQ(std::pair(w->font().family(), w->font().pointSizeF()),
                  std::pair(fontMsSansSerif(8.25).family(), 8.25));
        QList<QWidget*> controlli;
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->isVisibleTo(w) &&
                (qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c) ||
                 qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) ||
                 qobject_cast<QTableWidget*>(c)))
                controlli << c;
        const auto posto = [w](const QWidget* c) {
            return QRect(c->mapTo(w, QPoint()), c->size());
        };
        for (const QWidget* c : controlli) {
            EXPECT_TRUE(w->rect().contains(posto(c))) << c->objectName().toStdString();
            for (const QWidget* d : controlli)
                EXPECT_TRUE(c == d || c->isAncestorOf(d) || d->isAncestorOf(c) ||
                            !posto(c).intersects(posto(d)))
                    << c->objectName().toStdString() << " / " << d->objectName().toStdString();
            const auto* b = qobject_cast<const QAbstractButton*>(c);
            EXPECT_TRUE(!qobject_cast<const QPushButton*>(c) || b->width() == b->sizeHint().width())
                << b->text().toStdString();
            EXPECT_TRUE(!qobject_cast<const QCheckBox*>(c) || b->text() == "sì" ||
                        b->accessibleName().endsWith(": " + b->text()))
                << c->accessibleName().toStdString();
        }
        // Wholly on a 1024×768 screen, with room for a title bar.
        EXPECT_TRUE(w->width() <= 1024 && w->height() <= 768 - 32)
            << w->width() << "×" << w->height();
        const auto* chiudi = w->findChild<QPushButton*>("Chiudi");
        for (const QWidget* c : controlli)
            EXPECT_LE(posto(c).right(), posto(chiudi).right() + 1) << c->objectName().toStdString();
    }
    ASSERT_EQ(r->Combinazioni->rowCount(), 7);
    r->Combinazioni->setCurrentCell(0, 0); // the first row has its layers too
    EXPECT_EQ(r->StratiRiga->rowCount(), 2);
    EXPECT_EQ(r->Combinazioni->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(r->Combinazioni->horizontalScrollBar()->maximum(), 0);
    for (const QTableWidget* t : {r->Combinazioni, r->StratiRiga})
        for (int i = 0; i < t->rowCount(); ++i)
            for (int c = 0; c < t->columnCount(); ++c) {
                const QTableWidgetItem* x = t->item(i, c);
                const bool nota = t->horizontalHeaderItem(c)->text() == QStringLiteral("Note");
                // A note wraps within its cell, whole, each word on a line; the rest on one line.
                const int margini = 2 * (t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
                const QRect scritto = t->fontMetrics().boundingRect(
                    QRect(0, 0, t->columnWidth(c) - (nota ? margini : 0), 1 << 20),
                    nota ? Qt::TextWordWrap : Qt::TextSingleLine, x->text());
                EXPECT_TRUE(scritto.width() <= t->columnWidth(c) - (nota ? margini : 0) &&
                            scritto.height() <= t->rowHeight(i))
                    << x->text().toStdString();
                EXPECT_EQ(x->textAlignment() & Qt::AlignHorizontal_Mask,
                          c == 0 || nota ? Qt::AlignLeft : Qt::AlignRight)
                    << x->text().toStdString();
            }
    p->close();
    clic(r->Parametri);
    EXPECT_TRUE(istanza(IdFinestra::Parametri) && istanza(IdFinestra::Parametri)->isVisible());
    r->close(); // and the parameters window's own button, after applying, opens the results
    clic(istanza<ParametriWindow>(IdFinestra::Parametri)->Risultati);
    EXPECT_TRUE(istanza(IdFinestra::SpinteProgetto) &&
                istanza(IdFinestra::SpinteProgetto)->isVisible());
}

// A value refused is named in the window with the reason, in dark red, and the job keeps its
// parameters. Each case starts from the job's values in the window: the field (objectName of the
// line edit; "combinazioni": every box of the list unchecked), the text typed, the words expected.
TEST_F(Calcolo, RifiutiIlLavoroTieneISuoiParametri) {
    const std::tuple<const char*, QString, QString> casi[] = {
        {"delta-phi", "1/3", "vale solo con la teoria di Coulomb"},
        {"beta", "95", "maggiore di -90° e minore di 90°"},
        // Named by the caption the window shows, then the range.
        {"ocr", "0,5",
         "Grado di sovraconsolidazione OCR: «0,5» non è ammesso, deve essere almeno 1 e al "
         "massimo 100"},
        {"ocr", "", "Grado di sovraconsolidazione OCR: il valore è vuoto"},
        {"gamma-q-A1", "0",
         "γQ azioni variabili sfavorevoli, A1: «0» non è ammesso, deve essere almeno 0,5 e al "
         "massimo 5"},
        // β against φ′d of the layers, at Applica. SLE: φ′ 30° and 25°; A2+M2 (γφ′ 1.25):
        // arctan(tan 30°/1.25) = 24.79°, arctan(tan 25°/1.25) = arctan(0.37305) = 20.46°. So
        // β = 22° first fails in layer 2 of A2+M2, β = 28° in layer 2 of SLE.
        {"beta", "22",
         "lo strato 2 nella combinazione A2+M2: l'inclinazione del terrapieno β = 22°"},
        {"beta", "28", "lo strato 2 nella combinazione SLE"},
        {"combinazioni", "", "sceglierne almeno una"}};
    ParametriWindow* p = parametri();
    for (const auto& [campo, digitato, parole] : casi) {
        SCOPED_TRACE(campo + (" " + digitato).toStdString());
        p->mostraParametri();
        if (std::string(campo) == "combinazioni")
            for (const char* s : {"combinazioni-sle", "combinazioni-a1m1", "combinazioni-a2m2"})
                in<QCheckBox>(p, s)->setChecked(false);
        else
            scrivi(in(p, campo), digitato);
        clic(p->Applica);
        EXPECT_TRUE(p->Esito->text().startsWith("Parametri non applicati: ") &&
                    p->Esito->text().contains(parole))
            << p->Esito->text().toStdString();
        EXPECT_EQ(p->Esito->palette().color(QPalette::WindowText), QColor(0x99, 0, 0));
        EXPECT_EQ(a.app.lavoro(), DatiLavoro{});
    }
}

// The results window says when the layers changed after it computed, until "Aggiorna". "No" to
// saving before a new job: the results of the job that is gone leave the window, to a screen
// reader too, and the status line says why; Aggiorna then finds nothing to compute, and says so.
TEST_F(Calcolo, IRisultatiSeguonoGliStratiEIlNuovoLavoro) {
    SpinteProgettoWindow* r = risultati();
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->Combinazioni->rowCount(), 3);
    EXPECT_TRUE(r->Stato->text().startsWith("Calcolato alle ")) << r->Stato->text().toStdString();
    EXPECT_TRUE(r->Stato->text().endsWith("(2 strati), sovraccarico q = 10,000 kPa."));
    a.m().Strati(2).Coesione = 8;
    EXPECT_TRUE(QTest::qWaitFor([&] { return r->Stato->text().endsWith("premere Aggiorna."); }));
    clic(r->Aggiorna);
    EXPECT_FALSE(r->Stato->text().contains("premere Aggiorna"));
    f->new_->trigger();
    clic(istanza<QWidget>(IdFinestra::Attenzione)->findChild<QPushButton*>("Command1"));
    for (QTableWidget* t : {r->Combinazioni, r->StratiRiga})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(t)->tableInterface()->rowCount(), 0);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(r->Stato)
                    ->text(QAccessible::Name)
                    .startsWith("Nessun risultato: il lavoro è nuovo."));
    clic(r->Aggiorna);
    EXPECT_TRUE(r->Stato->text().contains("non calcolabili") && r->Combinazioni->rowCount() == 0)
        << r->Stato->text().toStdString();
}

// WCAG 2.x relative luminance (w3.org/TR/WCAG21/#dfn-relative-luminance) and contrast ratio
// (L1 + 0.05) / (L2 + 0.05); level AA asks 4.5:1 of text (1.4.3).
double contrasto(const QColor& a, const QColor& b) {
    auto l = [](const QColor& c) {
        double somma = 0;
        for (const auto& [v8, peso] : {std::pair(c.red(), 0.2126), std::pair(c.green(), 0.7152),
                                       std::pair(c.blue(), 0.0722)}) {
            const double v = v8 / 255.0;
            somma += peso * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return somma;
    };
    return (std::max(l(a), l(b)) + 0.05) / (std::min(l(a), l(b)) + 0.05);
}

// The grey clauses beside the parameters read at 4.5:1 at least against the window and are not
// disabled controls. The measure checked first: #767676 on white is 4.54:1, the lightest grey
// that passes AA on white.
TEST_F(Calcolo, NoteGrigieLeggibiliControLoSfondo) {
    EXPECT_NEAR(contrasto(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.005);
    ParametriWindow* p = parametri();
    const auto clausole = p->findChildren<QLabel*>(QRegularExpression("^clausola-"));
    ASSERT_FALSE(clausole.isEmpty());
    for (const QLabel* l : clausole)
        EXPECT_TRUE(l->isEnabled() && contrasto(l->palette().color(QPalette::WindowText),
                                                p->palette().color(QPalette::Window)) >= 4.5)
            << l->objectName().toStdString();
}

// Saving with the default parameters removes the parameter file; a broken one stops the Open
// with its name and line, and the job stays as it was.
TEST_F(Calcolo, FileDeiParametriRimossoOppureRifiutato) {
    a.m().Strati(0).Sv = 0; // no surcharge and the defaults: the project file alone
    scriviFile(cartella.file("Nuovo.parametri"), "beta = 5\r\n");
    clic(apri<SalvaWindow>(IdFinestra::Salva)->Salva);
    EXPECT_EQ(cartella.contenuto(), QStringList{"Nuovo.spt"});
    // Opened again, a project without a surcharge has none, whatever was in force.
    a.m().Strati(0).Sv = 7;
    scrivi(f->txt_sovraccarico, "7");
    EXPECT_TRUE(apriProgetto(a.app.servizi(), cartella.file("Nuovo.spt")));
    EXPECT_TRUE(f->txt_sovraccarico->text().isEmpty() && a.m().Strati(0).Sv == 0);
    scriviFile(cartella.file("Nuovo.parametri"), "teoria = coulomb\r\nbeta = molto\r\n");
    const Modulo1 prima = a.m();
    a.messaggi.azzera();
    EXPECT_FALSE(apriProgetto(a.app.servizi(), cartella.file("Nuovo.spt")));
    EXPECT_EQ(unMessaggio(a.messaggi, {"Nuovo.spt", "Nuovo.parametri", "riga 2", "«molto»",
                                       "non sono stati modificati"}),
              "");
    EXPECT_TRUE(a.m() == prima && a.app.lavoro() == DatiLavoro{});
}

// The toolkit's standard dialogs speak Italian whatever the system's language: the buttons of a
// file chooser; a question of the program is answered "Sì" or "No", Esc meaning "No".
TEST(Traduzioni, IDialoghiStandardEUnaDomandaInItaliano) {
    const QDialogButtonBox scelta(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    const auto box = MessaggiQt::scatola("Spintaro", "Aprirla?", Pulsanti::SiNo);
    QStringList testi;
    for (QAbstractButton* b : scelta.buttons() + box->buttons())
        testi << b->text().remove(QLatin1Char('&'));
    testi.sort();
    EXPECT_EQ(testi.join('|'), QStringLiteral("Annulla|No|Salva|Sì"));
    box->show();
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_EQ(box->clickedButton(), box->button(QMessageBox::No));
}

// A refused value names its load by number and kind, the value as the calculation's message
// does, or the empty box, and its box takes the focus; the job keeps the road applied before.
TEST_F(Calcolo, CarichiRifiutatiNominatiEIlLavoroNonCambia) {
    const std::tuple<const char*, const char*, const char*> casi[] = {
        {"b-1", "0", "Carico 1 (striscia): la larghezza b «0» non è ammessa"},
        {"q-1", "", "Carico 1 (striscia): la casella q è vuota"},
        {"a-1", "due", "Carico 1 (striscia): la distanza a «due» non è un numero"},
        {"psi2-1", "1,5", "Carico 1 (striscia): ψ2 «1.5» non è ammesso"},
        {"gamma-g2-A1", "", "γG2 azioni permanenti non strutturali sfavorevoli, A1: il valore è"},
        {"gamma-g2-A2", "0,1", "γG2 azioni permanenti non strutturali sfavorevoli"},
    };
    const Carico strada{.tipo = TipoCarico::Striscia, .a = 2, .b = 3, .q = 20};
    a.app.lavoro().parametri.carichi = {strada};
    const DatiLavoro prima = a.app.lavoro();
    CarichiWindow* w = carichi();
    for (const auto& [casella, testo, motivo] : casi) {
        SCOPED_TRACE(casella + std::string("=") + testo);
        w->mostraCarichi();
        scrivi(in(w, casella), QString::fromUtf8(testo));
        clic(w->Applica);
        EXPECT_TRUE(w->Esito->text().startsWith(QStringLiteral("Carichi non applicati: ") +
                                                QString::fromUtf8(motivo)))
            << w->Esito->text().toStdString();
        EXPECT_EQ(w->focusWidget(), in(w, casella));
        EXPECT_EQ(a.app.lavoro(), prima);
    }
}

// At most twenty loads: the twenty-first is refused; Rimuovi takes the chosen row and numbers the
// others again. The job's loads are shown on opening, the boxes of another kind disabled.
TEST_F(Calcolo, CarichiVentiAlMassimoRimozioneEValoriDelLavoro) {
    ASSERT_FALSE(CercaParametro("carico")->imposta(
        a.app.lavoro(), "trapezio:q1=0,q2=30,a=1,b=4,azione=permanente"));
    a.app.lavoro().parametri.fattoreCarichi = FattoreMuroElastico;
    CarichiWindow* w = carichi();
    EXPECT_EQ(in<QComboBox>(w, "tipo-1")->currentText(), "trapezio");
    EXPECT_EQ(in(w, "q2-1")->text(), "30");
    EXPECT_EQ(in(w, "a-1")->text(), "1");
    EXPECT_FALSE(in(w, "q-1")->isEnabled());
    EXPECT_FALSE(in(w, "psi2-1")->isEnabled()) << "ψ2 of a permanent load";
    EXPECT_EQ(w->Fattore->currentData().toString(), "1");
    for (int i = 0; i < 21; ++i)
        clic(w->Aggiungi);
    EXPECT_EQ(w->Tabella->rowCount(), 20);
    EXPECT_TRUE(w->Esito->text().contains("al massimo 20")) << w->Esito->text().toStdString();
    // The first row chosen by a click on its number.
    QTest::mouseClick(w->Tabella->viewport(), Qt::LeftButton, {},
                      w->Tabella->visualItemRect(w->Tabella->item(0, 0)).center());
    clic(w->Rimuovi);
    ASSERT_EQ(w->Tabella->rowCount(), 19);
    EXPECT_EQ(in<QComboBox>(w, "tipo-1")->currentText(), "striscia");
    EXPECT_EQ(w->Tabella->item(18, 0)->text(), "19");
    EXPECT_EQ(a.app.lavoro().parametri.carichi.size(), 1U) << "not applied";
    // A layer made thicker in the main window while the window is open: the drawing follows.
    a.m().Strati(2).Potenza = 4;
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->Disegno->spessori() == std::vector{2.0, 4.0}; }));
}

} // namespace
} // namespace spintaro
