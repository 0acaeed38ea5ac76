// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as built: what any layout of it must keep, a few places checked by hand, the
// window's frame, the menus, the start state and the tab order.

#include "finestre_file_prova.h"
#include "platform/caratteri.h"
#include "platform/pulsante_immagine.h"

#include <QAction>
#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

namespace spintaro {
namespace {

class FinestraPrincipale : public prova::ProvaFile {
protected:
    // A control's rectangle in twips from the client area's corner (96 dpi: 15 to the pixel).
    QRect posto(const QWidget* w) const {
        return {w->mapTo(f->areaClient(), QPoint(0, 0)) * 15, w->size() * 15};
    }
    static QString testo(const QWidget* w) {
        return w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text").toString();
    }
};

TEST_F(FinestraPrincipale, AlcuniPostiTestiESuggerimenti) {
    const std::tuple<const char*, QRect, QString, QString> posti[] = {
        {"Picture4", QRect(360, 120, 375, 255), "", "Apri progetto"},
        {"Frame2", QRect(2760, 600, 3135, 5055), "Visualizza", ""},
        {"precedente", QRect(3720, 4920, 975, 495), "&Precedente", "Valori Strato Precedente "},
        {"Command2", QRect(6120, 2280, 1575, 495), "Spinta Totale", "Calcola Spinta"},
        {"lab_spinta_unita", QRect(7320, 3000, 495, 255), "kN/m", ""},
        {"btn_Chiudi", QRect(6840, 5400, 975, 375), "&Chiudi", "Chiudi"},
        {"lab_contatto", QRect(1440, 5760, 3735, 255),
         "Per suggerimenti o problemi: " SPINTARO_SEGNALAZIONI, ""}};
    for (const auto& [nome, twips, testo, suggerimento] : posti) {
        SCOPED_TRACE(nome);
        const QWidget* w = f->areaClient()->findChild<QWidget*>(QLatin1String(nome));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(std::tuple(posto(w), FinestraPrincipale::testo(w), w->toolTip()),
                  std::tuple(twips, testo, suggerimento));
    }
    EXPECT_EQ(f->Picture4->immagine().size(), QSize(16, 15)); // the toolbar's pictures
}

// The route given for suggestions and problems exists: the distributor's address, or the manual
// page built beside the program; never an address under a reserved example domain (RFC 2606).
TEST(Segnalazioni, LaViaIndicataEsiste) {
    const QString via = QStringLiteral(SPINTARO_SEGNALAZIONI);
    EXPECT_TRUE(via.contains('@') ? !via.contains("example.")
                                  : via == "man spintaro" && QFileInfo(SPINTARO_MANUALE).size() > 0)
        << via.toStdString();
}

// Every control inside its frame, with an installed font of its kind and size; only the entry
// boxes editable; buttons and boxes named for a screen reader, each name once (labels and frames
// are read by their text); no overlaps but the drawn ones.
TEST_F(FinestraPrincipale, OgniControlloNellaSuaCorniceCaratteriNomiESovrapposizioni) {
    const QStringList msSansSerif = {
        "Frame1",    "lab_strato",   "lab_potenza", "lab_coesione", "txt_strato", "txt_potenza",
        "txt_gamma", "txt_coesione", "txt_attrint", "txt_strat",    "txt_gam",    "txt_coes",
        "Grafico",   "nuovo",        "Fine",        "precedente",   "successivo"};
    const QStringList entrata = {"txt_sovraccarico", "txt_potenza", "txt_gamma", "txt_coesione",
                                 "txt_attrint"};
    QStringList nomi, sovrapposti;
    const QList<QWidget*> tutti = f->areaClient()->findChildren<QWidget*>();
    for (const QWidget* w : tutti) {
        const QString nome = w->objectName();
        SCOPED_TRACE(nome.toStdString());
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()));
        const QFont& c = w->font();
        EXPECT_EQ(QFontInfo(c).family(), c.family()) << "the family asked is installed and used";
        EXPECT_EQ(c.family(),
                  (msSansSerif.contains(nome) ? fontMsSansSerif(8) : fontArial(8)).family());
        // Points by what a control shows: σ 12, its subscripts 6, γ and the degree sign 9.75, the
        // rest 8.25 (the raised ³ is a superscript glyph, so it keeps the window's size).
        const QString t = testo(w);
        EXPECT_EQ(c.pointSizeF(), t == "σ"                             ? 12
                                  : t == "v" || t == "A1" || t == "A2" ? 6
                                  : t == "γ" || t == "°"               ? 9.75
                                                                       : 8.25);
        EXPECT_EQ(c.bold(), nome == "Frame1" || nome == "Frame2");
        const auto* etichetta = qobject_cast<const QLabel*>(w);
        EXPECT_TRUE(!etichetta || etichetta->alignment() == (Qt::AlignLeft | Qt::AlignTop));
        const auto* campo = qobject_cast<const QLineEdit*>(w);
        EXPECT_TRUE(campo == nullptr || campo->isReadOnly() != entrata.contains(nome));
        const bool daNominare = campo || qobject_cast<const QAbstractButton*>(w);
        EXPECT_EQ(w->accessibleName().isEmpty(), !daNominare);
        if (daNominare)
            nomi << w->accessibleName();
        for (const QWidget* v : tutti)
            if (nome < v->objectName() && !w->isAncestorOf(v) && !v->isAncestorOf(w) &&
                posto(w).intersects(posto(v)))
                sovrapposti << nome + "/" + v->objectName();
    }
    EXPECT_EQ(QSet<QString>(nomi.begin(), nomi.end()).size(), nomi.size()) << "a name used twice";
    sovrapposti.sort();
    // Drawn on purpose: each σ with its subscript, each "kN / m" with its raised ³. By one pixel
    // as the places are given: Picture4 over both neighbours, the two browsing buttons, "Potenza
    // Strato" over its field, the "kPa" of "Coesione" over the degree sign below, in both panels.
    EXPECT_EQ(sovrapposti.join(' ').toStdString(),
              "Picture1/Picture4 Picture2/Picture4 lab_attrinterno_unita/lab_coesione_unita "
              "lab_attritint_unita/lab_coes_unita lab_gam_esponente/lab_gam_unita "
              "lab_gamma_esponente/lab_gamma_unita lab_potenza/txt_potenza lab_sa1/lab_sa1_indice "
              "lab_sa2/lab_sa2_indice lab_sv/lab_sv_indice precedente/successivo");
}

// A fixed window with the close box only: client area 7875 × 6015 twips below the menu bar, its
// corner at 165, 750 twips on screen. Three menus: "name=caption" of each and then of its items,
// none with a shortcut key.
TEST_F(FinestraPrincipale, FinestraFissaConSoloLaChiusuraETreMenu) {
    EXPECT_EQ(f->objectName() + " " + f->windowTitle(), "Spintaro Spintaro 1.1");
    const int menu = f->barraMenu()->height();
    EXPECT_EQ(f->areaClient()->geometry(), QRect(0, menu, 525, 401));
    EXPECT_EQ(f->geometry(), QRect(11, 50 - menu, 525, 401 + menu));
    EXPECT_EQ(f->minimumSize(), f->maximumSize()) << "the user cannot resize it";
    EXPECT_EQ(f->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                  Qt::WindowMaximizeButtonHint),
              Qt::WindowCloseButtonHint);
    QStringList voci;
    for (const QAction* intestazione : f->barraMenu()->actions()) {
        voci << intestazione->menu()->objectName() + "=" + intestazione->menu()->title();
        for (const QAction* v : intestazione->menu()->actions())
            voci << v->objectName() + "=" + v->text() + v->shortcut().toString();
    }
    EXPECT_EQ(voci.join('|'), "File=&File|new=&Nuovo Calcolo|Open=&Apri|Save=&Salva|"
                              "esportamenu=&Esporta|stampa=S&tampa|"
                              "intestazione=&Intestazione del progetto...|"
                              "relazione=&Relazione di calcolo...|Immagini=&Immagini|"
                              "Salva_Sv=Salva S&v|stampasv=S&tampaSv|Salva_Sa=Salva S&a|"
                              "stampasa=St&ampa Sa|Calcolo=&Calcolo|"
                              "parametri=&Parametri di calcolo...|"
                              "carichi=Carichi sul &terrapieno...|"
                              "spinte_progetto=&Spinte di progetto...|info=&?|"
                              "info_programma=Informazioni su &Spintaro 1.1|grazie=&E Grazie...");
}

// The start state, and the controls that the focus visits, one Tab each: the option group is one
// stop, on the selected option.
TEST_F(FinestraPrincipale, StatoInizialeEOrdineDiTabulazione) {
    EXPECT_TRUE(f->txt_strato->text() == "1" && f->OptNo->isChecked() && !f->OptSi->isChecked());
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    ASSERT_EQ(QApplication::focusWidget(), f->txt_potenza);
    QStringList giro;
    for (int i = 0; i < 29; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        giro << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(giro.join(' '),
              "txt_gamma txt_coesione txt_attrint OptNo nuovo Fine Grafico Command1 "
              "precedente successivo txt_gam txt_coes txt_strat txt_sovraccarico "
              "txt_ka txt_Sv txt_sa1 txt_sa2 txt_attritint txt_pot txt_strato "
              "Picture4 Picture1 Picture2 Picture7 btn_Chiudi txt_spinta Command2 "
              "txt_z0");
}

} // namespace
} // namespace spintaro
