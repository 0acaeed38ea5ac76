// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as built: what any layout of it must keep (each control inside its frame, no
// overlaps but the drawn ones, installed fonts, names), a few places checked by hand, the
// window's frame, the menus, the tab order and the start state.

#include "ambiente_prova.h"
#include "platform/caratteri.h"

#include <QAction>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

class FinestraPrincipale : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(f = a.avvia(), nullptr); }
    // Every control: frames, labels, fields, buttons, pictures.
    QList<QWidget*> controlli() const { return f->areaClient()->findChildren<QWidget*>(); }
    // A control's rectangle in twips from the client area's corner (96 dpi: 15 to the pixel).
    QRect posto(const QWidget* w) const {
        return {w->mapTo(f->areaClient(), QPoint(0, 0)) * 15, w->size() * 15};
    }
    static std::string testo(const QWidget* w) {
        return w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text")
            .toString()
            .toStdString();
    }
    prova::AmbienteProva a;
    SpintaroWindow* f = nullptr;
};

TEST_F(FinestraPrincipale, AlcuniPostiTestiESuggerimenti) {
    struct Posto {
        const char* nome;
        QRect twips;
        const char* testo;
        const char* suggerimento = "";
    };
    const Posto posti[] = {
        {"Picture4", {360, 120, 375, 255}, "", "Apri progetto"},
        {"txt_potenza", {1200, 2280, 615, 285}, ""},
        {"OptNo", {1800, 3960, 615, 255}, "No"},
        {"Frame2", {2760, 600, 3135, 5055}, "Visualizza"},
        {"lab_sa1_indice", {3240, 3720, 135, 135}, "A1"},
        {"precedente", {3720, 4920, 975, 495}, "&Precedente", "Valori Strato Precedente "},
        {"Command2", {6120, 2280, 1575, 495}, "Spinta Totale", "Calcola Spinta"},
        {"lab_spinta_unita", {7320, 3000, 495, 255}, "kN/m"},
        {"btn_Chiudi", {6840, 5400, 975, 375}, "&Chiudi", "Chiudi"},
        {"lab_contatto", {1440, 5760, 3735, 255}, "Per suggerimenti o problemi: " SPINTARO_CONTACT},
    };
    for (const Posto& p : posti) {
        SCOPED_TRACE(p.nome);
        const QWidget* w = f->areaClient()->findChild<QWidget*>(QLatin1String(p.nome));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(posto(w), p.twips);
        EXPECT_EQ(testo(w) + "|" + w->toolTip().toStdString(),
                  std::string(p.testo) + "|" + p.suggerimento);
    }
}

TEST_F(FinestraPrincipale, OgniControlloNellaSuaCorniceESenzaSovrapposizioni) {
    QStringList sovrapposti;
    const QList<QWidget*> tutti = controlli();
    for (const QWidget* w : tutti) {
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
            << w->objectName().toStdString();
        for (const QWidget* v : tutti)
            if (w->objectName() < v->objectName() && !w->isAncestorOf(v) && !v->isAncestorOf(w) &&
                posto(w).intersects(posto(v)))
                sovrapposti << w->objectName() + "/" + v->objectName();
    }
    sovrapposti.sort();
    // Drawn on purpose: each σ with its subscript, each "kN / m" with its raised ³. By one pixel
    // as the places are given: Picture4 over both neighbours, the two browsing buttons, the
    // caption "Potenza Strato" over its field, and the "kPa" of "Coesione" over the degree sign
    // of the row below, in both panels.
    EXPECT_EQ(sovrapposti.join(' ').toStdString(),
              "Picture1/Picture4 Picture2/Picture4 lab_attrinterno_unita/lab_coesione_unita "
              "lab_attritint_unita/lab_coes_unita lab_gam_esponente/lab_gam_unita "
              "lab_gamma_esponente/lab_gamma_unita lab_potenza/txt_potenza lab_sa1/lab_sa1_indice "
              "lab_sa2/lab_sa2_indice lab_sv/lab_sv_indice precedente/successivo");
}

// Points by what a control shows: σ 12, its subscripts 6, γ and the degree sign 9.75, the rest
// 8.25 (the raised ³ is a superscript glyph, so it keeps the window's size).
double punti(const std::string& t) {
    if (t == "σ")
        return 12;
    if (t == "v" || t == "A1" || t == "A2")
        return 6;
    return t == "γ" || t == "°" ? 9.75 : 8.25;
}

TEST_F(FinestraPrincipale, CaratteriInstallatiNomiECampiDiSolaLettura) {
    const QStringList msSansSerif = {
        "Frame1",    "lab_strato",   "lab_potenza", "lab_coesione", "txt_strato", "txt_potenza",
        "txt_gamma", "txt_coesione", "txt_attrint", "txt_strat",    "txt_gam",    "txt_coes",
        "Grafico",   "nuovo",        "Fine",        "precedente",   "successivo"};
    const QStringList entrata = {"txt_sovraccarico", "txt_potenza", "txt_gamma", "txt_coesione",
                                 "txt_attrint"};
    QStringList nomi;
    for (const QWidget* w : controlli()) {
        const QString nome = w->objectName();
        SCOPED_TRACE(nome.toStdString());
        const QFont& c = w->font();
        const std::string reale = QFontInfo(c).family().toStdString();
        EXPECT_EQ(reale, c.family().toStdString()) << "the family asked is installed and used";
        EXPECT_TRUE(reale == "Liberation Sans" || reale.starts_with("DejaVu Sans")) << reale;
        EXPECT_EQ(c.family(),
                  (msSansSerif.contains(nome) ? fontMsSansSerif(8) : fontArial(8)).family());
        EXPECT_EQ(c.pointSizeF(), punti(testo(w)));
        EXPECT_EQ(c.bold(), nome == "Frame1" || nome == "Frame2");
        if (const auto* campo = qobject_cast<const QLineEdit*>(w)) {
            EXPECT_EQ(!campo->isReadOnly(), entrata.contains(nome));
        }
        // Labels and frames are read by their text; the rest carry a name of their own.
        const bool daNominare =
            qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w);
        EXPECT_EQ(w->accessibleName().isEmpty(), !daNominare);
        if (daNominare)
            nomi << w->accessibleName();
    }
    EXPECT_EQ(QSet<QString>(nomi.begin(), nomi.end()).size(), nomi.size()) << "a name used twice";
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
                              "esportamenu=&Esporta|stampa=S&tampa|"
                              "relazione=&Relazione di calcolo...|Immagini=&Immagini|"
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
