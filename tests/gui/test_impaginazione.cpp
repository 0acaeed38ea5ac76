// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as laid out: every control at its place and size (twips at 96 dpi, 15 twips
// to the pixel), captions, tooltips, names, fonts, menus, tab order and the start state.

#include "ambiente_prova.h"
#include "platform/caratteri.h"

#include <QAction>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

// The font asked for: Arial or MS Sans Serif, points, bold. Zero points: not checked.
struct Car {
    bool arial = true;
    double punti = 0;
    bool grassetto = false;
};
constexpr Car X{}, A8{true, 8.25}, S8{false, 8.25}, A8b{true, 8.25, true}, S8b{false, 8.25, true},
    A9{true, 9.75}, A12{true, 12}, A6{true, 6};

// Left, top, width, height in twips from the client area's corner (-1: left open by the layout),
// then font, caption, accessible name and tooltip (null: not checked).
struct Controllo {
    const char* nome;
    int x, y, l, h;
    Car car = X;
    const char* testo = nullptr;
    const char* accessibile = nullptr;
    const char* aiuto = nullptr;
};

const Controllo Controlli[] = {
    // Toolbar.
    {"Frame3", 120, 0, 1455, 375, X, ""},
    {"Picture1", 120, 120, 255, 255, X, nullptr, "Nuovo calcolo", "Nuovo calcolo"},
    {"Picture4", 360, 120, 375, 255, X, nullptr, "Apri progetto", "Apri progetto"},
    {"Picture2", 720, 120, 255, 255, X, nullptr, "Salva progetto", "Salva progetto"},
    {"Picture7", 1320, 120, 255, 255, X, nullptr, "Stampa", "Stampa"},
    // Data-entry panel: captions at 120, fields at 1200 (615 wide), units at 1920.
    {"Frame1", 0, 600, 2655, 5055, S8b, "Inserimento dati"},
    {"lab_sovraccarico", 120, 1560, -1, 255, A8, "Sovraccarico"},
    {"txt_sovraccarico", 1200, 1560, 615, 315, A8, nullptr, "Sovraccarico"},
    {"lab_sovraccarico_unita", 1920, 1680, 375, 255, X, "kPa"},
    {"lab_strato", 120, 1920, -1, 255, S8, "Strato"},
    {"txt_strato", 1200, 1920, 615, 285, S8, nullptr, "Strato (Inserimento dati)"},
    {"lab_potenza", 120, 2280, 1095, 255, S8, "Potenza Strato"},
    {"txt_potenza", 1200, 2280, 615, 285, S8, nullptr, "Potenza Strato"},
    {"lab_potenza_unita", 1920, 2400, 375, 255, X, "m"},
    {"lab_gamma", 240, 2640, 135, 255, A9, "γ"},
    {"txt_gamma", 1200, 2640, 615, 285, S8, nullptr, "γ (Inserimento dati)"},
    {"lab_gamma_unita", 1920, 2760, 495, 255, X, "kN / m"},
    {"lab_gamma_esponente", 2400, 2760, 135, 135, X, "³"},
    {"lab_coesione", 120, 3000, -1, 255, S8, "Coesione"},
    {"txt_coesione", 1200, 3000, 615, 285, S8, nullptr, "Coesione (Inserimento dati)"},
    {"lab_coesione_unita", 1920, 3120, 375, 255, X, "kPa"},
    {"lab_attrinterno", 120, 3360, -1, 255, A8, "Attrito interno"},
    {"txt_attrint", 1200, 3360, 615, 285, S8, nullptr, "Attrito interno (Inserimento dati)"},
    {"lab_attrinterno_unita", 1920, 3360, 255, 255, A9, "°"},
    {"lab_falda", 120, 3960, -1, 255, X, "Sotto Falda"},
    {"OptSi", 1200, 3960, 495, 255, A8, "Si", "Si"},
    {"OptNo", 1800, 3960, 615, 255, X, "No", "No"},
    {"nuovo", 1320, 4320, 975, 495, S8, "Nuovo", "Nuovo", "Inserisci un nuovo strato"},
    {"Fine", 1320, 4920, 975, 495, S8, "Ok", "Ok", "Fine dell'immissione dei dati"},
    // Display panel: captions at 3000 (3120 from "Ka" down), fields at 4080, units at 5160.
    {"Frame2", 2760, 600, 3135, 5055, A8b, "Visualizza"},
    {"lab_strat", 3000, 1080, -1, -1, X, "Strato"},
    {"txt_strat", 4080, 1080, 975, 285, S8, nullptr, "Strato (Visualizza)"},
    {"lab_pot", 3000, 1440, -1, -1, X, "Potenza"},
    {"txt_pot", 4080, 1440, 975, 315, A8, nullptr, "Potenza"},
    {"lab_pot_unita", 5160, 1440, -1, -1, X, "m"},
    {"lab_gam", 3000, 1800, 135, 255, X, "γ"},
    {"txt_gam", 4080, 1800, 975, 285, S8, nullptr, "γ (Visualizza)"},
    {"lab_gam_unita", 5160, 1920, -1, -1, X, "kN / m"},
    {"lab_gam_esponente", 5640, 1920, 135, 135, X, "³"},
    {"lab_coes", 3000, 2160, -1, -1, X, "Coesione"},
    {"txt_coes", 4080, 2160, 975, 285, S8, nullptr, "Coesione (Visualizza)"},
    {"lab_coes_unita", 5160, 2280, -1, -1, X, "kPa"},
    {"lab_attritint", 3000, 2520, -1, -1, X, "Attrito interno"},
    {"txt_attritint", 4080, 2520, 975, 315, A8, nullptr, "Attrito interno (Visualizza)"},
    {"lab_attritint_unita", 5160, 2520, -1, -1, X, "°"},
    {"lab_ka", 3120, 2880, -1, -1, X, "Ka"},
    {"txt_ka", 4080, 2880, 975, 315, A8, nullptr, "Ka"},
    {"lab_sv", 3120, 3240, 255, 255, A12, "σ"},
    {"lab_sv_indice", 3240, 3360, 135, 135, X, "v"},
    {"txt_Sv", 4080, 3240, 975, 315, X, nullptr, "σv"},
    {"lab_sv_unita", 5160, 3360, -1, -1, X, "kPa"},
    {"lab_sa1", 3120, 3600, 255, 255, X, "σ"},
    {"lab_sa1_indice", 3240, 3720, 135, 135, A6, "A1"},
    {"txt_sa1", 4080, 3600, 975, 315, X, nullptr, "σA1"},
    {"lab_sa1_unita", 5160, 3720, -1, -1, X, "kPa"},
    {"lab_sa2", 3120, 3960, 255, 255, X, "σ"},
    {"lab_sa2_indice", 3240, 4080, 135, 135, X, "A2"},
    {"txt_sa2", 4080, 3960, 975, 315, X, nullptr, "σA2"},
    {"lab_sa2_unita", 5160, 4080, -1, -1, X, "kPa"},
    {"lab_z0", 3120, 4440, -1, -1, X, "z0"},
    {"txt_z0", 4080, 4320, 975, 315, X, nullptr, "z0"},
    {"lab_z0_unita", 5160, 4440, -1, -1, X, "m"},
    {"precedente", 3720, 4920, 975, 495, S8, "&Precedente", "Precedente",
     "Valori Strato Precedente "},
    {"successivo", 4680, 4920, 975, 495, S8, "&Successivo", "Successivo",
     "Valori Strato Successivo"},
    // Diagrams, thrust, exit, contact.
    {"Grafico", 6120, 720, 1575, 495, S8, "Diagramma S&v", "Diagramma Sv", "Mostra Diagramma "},
    {"Command1", 6120, 1320, 1575, 495, A8, "Diagramma S&a", "Diagramma Sa", "Mostra Diagramma "},
    {"Frame4", 6000, 2040, 1815, 1335, X, ""},
    {"Command2", 6120, 2280, 1575, 495, A8, "Spinta Totale", "Spinta Totale", "Calcola Spinta"},
    {"txt_spinta", 6120, 2880, 1095, 315, A8, nullptr, "Spinta Totale (risultato)"},
    {"lab_spinta_unita", 7320, 3000, 375, 255, X, "kPa"},
    {"btn_Chiudi", 6840, 5400, 975, 375, A8, "&Chiudi", "Chiudi", "Chiudi"},
    {"lab_contatto", 1440, 5760, 3735, 255, A8, "Per suggerimenti o problemi: " SPINTARO_CONTACT},
};

class FinestraPrincipale : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(f = a.avvia(), nullptr); }
    prova::AmbienteProva a;
    SpintaroWindow* f = nullptr;
};

TEST_F(FinestraPrincipale, OgniControlloAlSuoPostoConTestiNomiECaratteri) {
    const QWidget* client = f->areaClient();
    QStringList nomi;
    for (const Controllo& c : Controlli) {
        SCOPED_TRACE(c.nome);
        const QWidget* w = client->findChild<QWidget*>(QLatin1String(c.nome));
        ASSERT_NE(w, nullptr);
        const QRect r(w->mapTo(client, QPoint(0, 0)), w->size());
        EXPECT_EQ(QRect(r.topLeft() * 15, r.size() * 15),
                  QRect(c.x, c.y, c.l < 0 ? r.width() * 15 : c.l, c.h < 0 ? r.height() * 15 : c.h));
        EXPECT_TRUE(client->rect().contains(r.adjusted(0, 0, -1, -1)));
        const QString testo =
            w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text").toString();
        EXPECT_EQ(c.testo ? testo : "", QString::fromUtf8(c.testo ? c.testo : ""));
        EXPECT_EQ(c.aiuto ? w->toolTip() : "", c.aiuto ? c.aiuto : "");
        EXPECT_EQ(c.accessibile ? w->accessibleName() : "",
                  QString::fromUtf8(c.accessibile ? c.accessibile : ""));
        if (c.accessibile)
            nomi << w->accessibleName();
        if (c.car.punti > 0) { // the family named is the first installed one of its list
            const QFont atteso = c.car.arial ? fontArial(8.25) : fontMsSansSerif(8.25);
            const QString reale = QFontInfo(w->font()).family();
            EXPECT_EQ(w->font().families().value(0), atteso.families().value(0));
            EXPECT_EQ(std::pair(w->font().pointSizeF(), w->font().bold()),
                      std::pair(c.car.punti, c.car.grassetto));
            EXPECT_TRUE(reale == "Liberation Sans" ||
                        (!c.car.arial && reale.startsWith("DejaVu Sans")))
                << reale.toStdString();
        }
    }
    EXPECT_EQ(QSet<QString>(nomi.begin(), nomi.end()).size(), nomi.size()) << "a name used twice";
    // Plain caption labels carry no name of their own, so their text is what is read.
    for (const QLabel* l : client->findChildren<QLabel*>())
        EXPECT_TRUE(l->accessibleName().isEmpty()) << l->objectName().toStdString();
}

TEST_F(FinestraPrincipale, FinestraFissaConSoloLaChiusura) {
    EXPECT_EQ(f->objectName() + " " + f->windowTitle(), "Spintaro Spintaro 1.1");
    // Client area 7875 × 6015 twips below the menu bar, its corner at 165, 750 twips on screen.
    const int menu = f->barraMenu()->height();
    EXPECT_GT(menu, 0);
    EXPECT_EQ(f->areaClient()->geometry(), QRect(0, menu, 525, 401));
    EXPECT_EQ(f->geometry(), QRect(11, 50 - menu, 525, 401 + menu));
    EXPECT_EQ(f->minimumSize(), f->maximumSize()) << "the user cannot resize it";
    EXPECT_EQ(f->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                  Qt::WindowMaximizeButtonHint),
              Qt::WindowCloseButtonHint);
}

TEST_F(FinestraPrincipale, TreMenuConLeLoroVoci) {
    // "name=caption" of each menu and then of its items, none with a shortcut key.
    QStringList voci;
    for (const QAction* intestazione : f->barraMenu()->actions()) {
        ASSERT_NE(intestazione->menu(), nullptr);
        voci << intestazione->menu()->objectName() + "=" + intestazione->menu()->title();
        for (const QAction* v : intestazione->menu()->actions())
            voci << v->objectName() + "=" + v->text() + v->shortcut().toString();
    }
    EXPECT_EQ(voci.join('|'), "File=&File|new=&Nuovo Calcolo|Open=&Apri|Save=&Salva|"
                              "esportamenu=&Esporta|stampa=S&tampa|Immagini=&Immagini|"
                              "Salva_Sv=Salva S&v|stampasv=S&tampaSv|Salva_Sa=Salva S&a|"
                              "stampasa=St&ampa Sa|info=&?|"
                              "info_programma=Informazioni su &Spintaro 1.1|grazie=&E Grazie...");
}

// The names of the controls that the focus visits, one key press each.
QString giroDiTab(int passi, Qt::Key tasto = Qt::Key_Tab) {
    QStringList nomi;
    for (int i = 0; i < passi; ++i) {
        QTest::keyClick(QApplication::focusWidget(), tasto);
        nomi << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "-");
    }
    return nomi.join(' ');
}

TEST_F(FinestraPrincipale, StatoInizialeOrdineDiTabulazioneESottoFalda) {
    EXPECT_EQ(f->txt_strato->text(), "1");
    EXPECT_TRUE(f->OptNo->isChecked() && !f->OptSi->isChecked());
    for (QLineEdit* c : f->areaClient()->findChildren<QLineEdit*>())
        EXPECT_EQ(c->text().isEmpty(), c != f->txt_strato) << c->objectName().toStdString();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    ASSERT_EQ(QApplication::focusWidget(), f->txt_potenza);
    // The option group is one stop, on the selected option ("No" at start).
    EXPECT_EQ(giroDiTab(29), "txt_gamma txt_coesione txt_attrint OptNo nuovo Fine Grafico "
                             "Command1 precedente successivo txt_gam txt_coes txt_strat "
                             "txt_sovraccarico txt_ka txt_Sv txt_sa1 txt_sa2 txt_attritint "
                             "txt_pot txt_strato Picture4 Picture1 Picture2 Picture7 "
                             "btn_Chiudi txt_spinta Command2 txt_z0");
    // "Sotto Falda": exactly one option set, clicking the set one keeps it; still one stop.
    const QPoint punto(5, f->OptSi->height() / 2);
    QTest::mouseClick(f->OptSi, Qt::LeftButton, {}, punto);
    QTest::mouseClick(f->OptSi, Qt::LeftButton, {}, punto);
    EXPECT_TRUE(f->OptSi->isChecked() && !f->OptNo->isChecked());
    f->txt_attrint->setFocus();
    EXPECT_EQ(giroDiTab(2), "OptSi nuovo");
    EXPECT_EQ(giroDiTab(2, Qt::Key_Backtab), "OptSi txt_attrint");
    f->OptSi->setFocus(); // the arrow keys move the selection within the group
    QTest::keyClick(f->OptSi, Qt::Key_Right);
    EXPECT_TRUE(f->OptNo->isChecked() && !f->OptSi->isChecked());
    EXPECT_EQ(giroDiTab(1), "nuovo");
}

} // namespace
} // namespace spintaro
