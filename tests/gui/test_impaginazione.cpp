// The main window as laid out: every control at its place and size (twips at 96 dpi, 15 twips
// to the pixel), captions, tooltips, names, fonts, menus, tab order and the start state.

#include "ambiente_prova.h"
#include "platform/caratteri.h"
#include "platform/pulsante_immagine.h"

#include <QAction>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::AmbienteProva;

class FinestraPrincipale : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(a.avvia(), nullptr); }

    QWidget* controllo(const char* nome) const {
        return a.finestra->areaClient()->findChild<QWidget*>(QLatin1String(nome));
    }

    AmbienteProva a;
};

// Left, top, width, height in twips from the top-left corner of the client area; -1 where the
// layout leaves the value open.
struct Posto {
    const char* nome;
    int sinistra, alto, larghezza, altezza;
};

const Posto Posti[] = {
    // Toolbar.
    {"Frame3", 120, 0, 1455, 375},
    {"Picture1", 120, 120, 255, 255},
    {"Picture4", 360, 120, 375, 255},
    {"Picture2", 720, 120, 255, 255},
    {"Picture7", 1320, 120, 255, 255},
    // Data-entry panel: captions at 120, fields at 1200 (615 wide), units at 1920.
    {"Frame1", 0, 600, 2655, 5055},
    {"lab_sovraccarico", 120, 1560, -1, 255},
    {"txt_sovraccarico", 1200, 1560, 615, 315},
    {"lab_sovraccarico_unita", 1920, 1680, 375, 255},
    {"lab_strato", 120, 1920, -1, 255},
    {"txt_strato", 1200, 1920, 615, 285},
    {"lab_potenza", 120, 2280, 1095, 255},
    {"txt_potenza", 1200, 2280, 615, 285},
    {"lab_potenza_unita", 1920, 2400, 375, 255},
    {"lab_gamma", 240, 2640, 135, 255},
    {"txt_gamma", 1200, 2640, 615, 285},
    {"lab_gamma_unita", 1920, 2760, 495, 255},
    {"lab_gamma_esponente", 2400, 2760, 135, 135},
    {"lab_coesione", 120, 3000, -1, 255},
    {"txt_coesione", 1200, 3000, 615, 285},
    {"lab_coesione_unita", 1920, 3120, 375, 255},
    {"lab_attrinterno", 120, 3360, -1, 255},
    {"txt_attrint", 1200, 3360, 615, 285},
    {"lab_attrinterno_unita", 1920, 3360, 255, 255},
    {"lab_falda", 120, 3960, -1, 255},
    {"OptSi", 1200, 3960, 495, 255},
    {"OptNo", 1800, 3960, 615, 255},
    {"nuovo", 1320, 4320, 975, 495},
    {"Fine", 1320, 4920, 975, 495},
    // Display panel: captions at 3000 (3120 from "Ka" down), fields at 4080 (975 wide), units
    // at 5160.
    {"Frame2", 2760, 600, 3135, 5055},
    {"lab_strat", 3000, 1080, -1, -1},
    {"txt_strat", 4080, 1080, 975, 285},
    {"lab_pot", 3000, 1440, -1, -1},
    {"txt_pot", 4080, 1440, 975, 315},
    {"lab_pot_unita", 5160, 1440, -1, -1},
    {"lab_gam", 3000, 1800, 135, 255},
    {"txt_gam", 4080, 1800, 975, 285},
    {"lab_gam_unita", 5160, 1920, -1, -1},
    {"lab_gam_esponente", 5640, 1920, 135, 135},
    {"lab_coes", 3000, 2160, -1, -1},
    {"txt_coes", 4080, 2160, 975, 285},
    {"lab_coes_unita", 5160, 2280, -1, -1},
    {"lab_attritint", 3000, 2520, -1, -1},
    {"txt_attritint", 4080, 2520, 975, 315},
    {"lab_attritint_unita", 5160, 2520, -1, -1},
    {"lab_ka", 3120, 2880, -1, -1},
    {"txt_ka", 4080, 2880, 975, 315},
    {"lab_sv", 3120, 3240, 255, 255},
    {"lab_sv_indice", 3240, 3360, 135, 135},
    {"txt_Sv", 4080, 3240, 975, 315},
    {"lab_sv_unita", 5160, 3360, -1, -1},
    {"lab_sa1", 3120, 3600, 255, 255},
    {"lab_sa1_indice", 3240, 3720, 135, 135},
    {"txt_sa1", 4080, 3600, 975, 315},
    {"lab_sa1_unita", 5160, 3720, -1, -1},
    {"lab_sa2", 3120, 3960, 255, 255},
    {"lab_sa2_indice", 3240, 4080, 135, 135},
    {"txt_sa2", 4080, 3960, 975, 315},
    {"lab_sa2_unita", 5160, 4080, -1, -1},
    {"lab_z0", 3120, 4440, -1, -1},
    {"txt_z0", 4080, 4320, 975, 315},
    {"lab_z0_unita", 5160, 4440, -1, -1},
    {"precedente", 3720, 4920, 975, 495},
    {"successivo", 4680, 4920, 975, 495},
    // Diagrams, thrust, exit, contact.
    {"Grafico", 6120, 720, 1575, 495},
    {"Command1", 6120, 1320, 1575, 495},
    {"Frame4", 6000, 2040, 1815, 1335},
    {"Command2", 6120, 2280, 1575, 495},
    {"txt_spinta", 6120, 2880, 1095, 315},
    {"lab_spinta_unita", 7320, 3000, 375, 255},
    {"btn_Chiudi", 6840, 5400, 975, 375},
    {"lab_contatto", 1440, 5760, 3735, 255},
};

TEST_F(FinestraPrincipale, OgniControlloAlSuoPosto) {
    const QWidget* client = a.finestra->areaClient();
    for (const Posto& p : Posti) {
        SCOPED_TRACE(p.nome);
        const QWidget* w = controllo(p.nome);
        ASSERT_NE(w, nullptr);
        const QPoint angolo = w->mapTo(client, QPoint(0, 0));
        EXPECT_EQ(angolo.x() * 15, p.sinistra);
        EXPECT_EQ(angolo.y() * 15, p.alto);
        if (p.larghezza >= 0) {
            EXPECT_EQ(w->width() * 15, p.larghezza);
        }
        if (p.altezza >= 0) {
            EXPECT_EQ(w->height() * 15, p.altezza);
        }
        // Inside the client area.
        EXPECT_TRUE(client->rect().contains(QRect(angolo, w->size()).adjusted(0, 0, -1, -1)));
    }
}

TEST_F(FinestraPrincipale, FinestraFissaConSoloLaChiusura) {
    SpintaroWindow* f = a.finestra;
    EXPECT_EQ(f->objectName(), "Spintaro");
    EXPECT_EQ(f->windowTitle(), "Spintaro 1.1");
    // Client area 7875 × 6015 twips, below the menu bar.
    EXPECT_EQ(f->areaClient()->size(), QSize(525, 401));
    const int menu = f->barraMenu()->height();
    EXPECT_GT(menu, 0);
    EXPECT_EQ(f->areaClient()->mapTo(f, QPoint(0, 0)), QPoint(0, menu));
    EXPECT_EQ(f->size(), QSize(525, 401 + menu));
    EXPECT_EQ(f->minimumSize(), f->maximumSize()) << "the user cannot resize it";
    const Qt::WindowFlags flag = f->windowFlags();
    EXPECT_TRUE(flag.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flag.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flag.testFlag(Qt::WindowMaximizeButtonHint));
    // The client area's corner at 165, 750 twips from the screen's corner: 11, 50 px.
    EXPECT_EQ(f->geometry().topLeft() + QPoint(0, menu), QPoint(11, 50));
}

struct Didascalia {
    const char* nome;
    const char* testo;
};

const Didascalia Didascalie[] = {
    {"Frame1", "Inserimento dati"},
    {"Frame2", "Visualizza"},
    {"Frame3", ""},
    {"Frame4", ""},
    {"lab_sovraccarico", "Sovraccarico"},
    {"lab_sovraccarico_unita", "kPa"},
    {"lab_strato", "Strato"},
    {"lab_potenza", "Potenza Strato"},
    {"lab_potenza_unita", "m"},
    {"lab_gamma", "γ"},
    {"lab_gamma_unita", "kN / m"},
    {"lab_gamma_esponente", "³"},
    {"lab_coesione", "Coesione"},
    {"lab_coesione_unita", "kPa"},
    {"lab_attrinterno", "Attrito interno"},
    {"lab_attrinterno_unita", "°"},
    {"lab_falda", "Sotto Falda"},
    {"OptSi", "Si"},
    {"OptNo", "No"},
    {"nuovo", "Nuovo"},
    {"Fine", "Ok"},
    {"lab_strat", "Strato"},
    {"lab_pot", "Potenza"},
    {"lab_pot_unita", "m"},
    {"lab_gam", "γ"},
    {"lab_gam_unita", "kN / m"},
    {"lab_gam_esponente", "³"},
    {"lab_coes", "Coesione"},
    {"lab_coes_unita", "kPa"},
    {"lab_attritint", "Attrito interno"},
    {"lab_attritint_unita", "°"},
    {"lab_ka", "Ka"},
    {"lab_sv", "σ"},
    {"lab_sv_indice", "v"},
    {"lab_sv_unita", "kPa"},
    {"lab_sa1", "σ"},
    {"lab_sa1_indice", "A1"},
    {"lab_sa1_unita", "kPa"},
    {"lab_sa2", "σ"},
    {"lab_sa2_indice", "A2"},
    {"lab_sa2_unita", "kPa"},
    {"lab_z0", "z0"},
    {"lab_z0_unita", "m"},
    {"precedente", "&Precedente"},
    {"successivo", "&Successivo"},
    {"Grafico", "Diagramma S&v"},
    {"Command1", "Diagramma S&a"},
    {"Command2", "Spinta Totale"},
    {"lab_spinta_unita", "kPa"},
    {"btn_Chiudi", "&Chiudi"},
};

QString testoDi(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    return QStringLiteral("<nessun testo>");
}

TEST_F(FinestraPrincipale, Didascalie) {
    for (const Didascalia& d : Didascalie) {
        SCOPED_TRACE(d.nome);
        const QWidget* w = controllo(d.nome);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(testoDi(w), QString::fromUtf8(d.testo));
    }
    // The captions read γ, σv, σA1, σA2 and kN/m³ once put together.
    auto unisci = [&](const char* a1, const char* a2) {
        return testoDi(controllo(a1)) + testoDi(controllo(a2));
    };
    EXPECT_EQ(unisci("lab_sv", "lab_sv_indice"), "σv");
    EXPECT_EQ(unisci("lab_sa1", "lab_sa1_indice"), "σA1");
    EXPECT_EQ(unisci("lab_sa2", "lab_sa2_indice"), "σA2");
    EXPECT_EQ(unisci("lab_gamma_unita", "lab_gamma_esponente").remove(' '), "kN/m³");
    EXPECT_EQ(unisci("lab_gam_unita", "lab_gam_esponente").remove(' '), "kN/m³");
    EXPECT_EQ(testoDi(controllo("lab_contatto")),
              QStringLiteral("Per suggerimenti o problemi: ") + QStringLiteral(SPINTARO_CONTACT));
}

TEST_F(FinestraPrincipale, SuggerimentiDeiPulsanti) {
    const std::pair<const char*, const char*> suggerimenti[] = {
        {"Picture1", "Nuovo calcolo"},
        {"Picture4", "Apri progetto"},
        {"Picture2", "Salva progetto"},
        {"Picture7", "Stampa"},
        {"Grafico", "Mostra Diagramma "},
        {"Command1", "Mostra Diagramma "},
        {"Command2", "Calcola Spinta"},
        {"nuovo", "Inserisci un nuovo strato"},
        {"Fine", "Fine dell'immissione dei dati"},
        {"precedente", "Valori Strato Precedente "},
        {"successivo", "Valori Strato Successivo"},
        {"btn_Chiudi", "Chiudi"},
    };
    for (const auto& [nome, testo] : suggerimenti) {
        ASSERT_NE(controllo(nome), nullptr) << nome;
        EXPECT_EQ(controllo(nome)->toolTip(), testo) << nome;
    }
}

TEST_F(FinestraPrincipale, NomiAccessibili) {
    const std::pair<const char*, const char*> nomi[] = {
        {"txt_sovraccarico", "Sovraccarico"},
        {"txt_strato", "Strato (Inserimento dati)"},
        {"txt_potenza", "Potenza Strato"},
        {"txt_gamma", "γ (Inserimento dati)"},
        {"txt_coesione", "Coesione (Inserimento dati)"},
        {"txt_attrint", "Attrito interno (Inserimento dati)"},
        {"OptSi", "Si"},
        {"OptNo", "No"},
        {"txt_strat", "Strato (Visualizza)"},
        {"txt_pot", "Potenza"},
        {"txt_gam", "γ (Visualizza)"},
        {"txt_coes", "Coesione (Visualizza)"},
        {"txt_attritint", "Attrito interno (Visualizza)"},
        {"txt_ka", "Ka"},
        {"txt_Sv", "σv"},
        {"txt_sa1", "σA1"},
        {"txt_sa2", "σA2"},
        {"txt_z0", "z0"},
        {"txt_spinta", "Spinta Totale (risultato)"},
        {"nuovo", "Nuovo"},
        {"Fine", "Ok"},
        {"precedente", "Precedente"},
        {"successivo", "Successivo"},
        {"Grafico", "Diagramma Sv"},
        {"Command1", "Diagramma Sa"},
        {"Command2", "Spinta Totale"},
        {"btn_Chiudi", "Chiudi"},
        {"Picture1", "Nuovo calcolo"},
        {"Picture4", "Apri progetto"},
        {"Picture2", "Salva progetto"},
        {"Picture7", "Stampa"},
    };
    QSet<QString> visti;
    for (const auto& [nome, atteso] : nomi) {
        ASSERT_NE(controllo(nome), nullptr) << nome;
        const QString n = controllo(nome)->accessibleName();
        EXPECT_EQ(n, QString::fromUtf8(atteso)) << nome;
        EXPECT_FALSE(visti.contains(n)) << "two controls named " << n.toStdString();
        visti.insert(n);
    }
    // Plain caption labels carry no name of their own, so their text is what is read.
    for (const QLabel* l : a.finestra->areaClient()->findChildren<QLabel*>())
        EXPECT_TRUE(l->accessibleName().isEmpty()) << l->objectName().toStdString();
}

TEST_F(FinestraPrincipale, Caratteri) {
    struct Carattere {
        const char* nome;
        const char* famiglia; // the family asked for
        double punti;
        bool grassetto;
    };
    const Carattere caratteri[] = {
        {"Frame1", "MS Sans Serif", 8.25, true},
        {"Frame2", "Arial", 8.25, true},
        {"lab_sovraccarico", "Arial", 8.25, false},
        {"lab_strato", "MS Sans Serif", 8.25, false},
        {"lab_potenza", "MS Sans Serif", 8.25, false},
        {"lab_coesione", "MS Sans Serif", 8.25, false},
        {"lab_attrinterno", "Arial", 8.25, false},
        {"txt_sovraccarico", "Arial", 8.25, false},
        {"txt_strato", "MS Sans Serif", 8.25, false},
        {"txt_potenza", "MS Sans Serif", 8.25, false},
        {"txt_gamma", "MS Sans Serif", 8.25, false},
        {"txt_coesione", "MS Sans Serif", 8.25, false},
        {"txt_attrint", "MS Sans Serif", 8.25, false},
        {"txt_strat", "MS Sans Serif", 8.25, false},
        {"txt_gam", "MS Sans Serif", 8.25, false},
        {"txt_coes", "MS Sans Serif", 8.25, false},
        {"txt_pot", "Arial", 8.25, false},
        {"txt_attritint", "Arial", 8.25, false},
        {"txt_ka", "Arial", 8.25, false},
        {"txt_spinta", "Arial", 8.25, false},
        {"Grafico", "MS Sans Serif", 8.25, false},
        {"Command1", "Arial", 8.25, false},
        {"nuovo", "MS Sans Serif", 8.25, false},
        {"Fine", "MS Sans Serif", 8.25, false},
        {"precedente", "MS Sans Serif", 8.25, false},
        {"successivo", "MS Sans Serif", 8.25, false},
        {"Command2", "Arial", 8.25, false},
        {"btn_Chiudi", "Arial", 8.25, false},
        {"OptSi", "Arial", 8.25, false},
        {"lab_gamma", "Arial", 9.75, false},
        {"lab_attrinterno_unita", "Arial", 9.75, false},
        {"lab_sv", "Arial", 12, false},
        {"lab_sa1_indice", "Arial", 6, false},
        {"lab_contatto", "Arial", 8.25, false},
    };
    for (const Carattere& c : caratteri) {
        SCOPED_TRACE(c.nome);
        const QWidget* w = controllo(c.nome);
        ASSERT_NE(w, nullptr);
        ASSERT_FALSE(w->font().families().isEmpty());
        // The family named is the first installed one of the font's list (Arial's or MS Sans
        // Serif's), never the other list's.
        const bool arial = QString(c.famiglia) == "Arial";
        EXPECT_EQ(w->font().families().first(),
                  (arial ? fontArial(8.25) : fontMsSansSerif(8.25)).families().first());
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), c.punti);
        EXPECT_EQ(w->font().bold(), c.grassetto);
        const QString reale = QFontInfo(w->font()).family();
        if (QString(c.famiglia) == "Arial") {
            EXPECT_EQ(reale, "Liberation Sans") << "Arial's metric twin";
        } else {
            EXPECT_TRUE(reale.startsWith("DejaVu Sans") || reale == "Liberation Sans")
                << reale.toStdString();
        }
    }
}

// Captions must fit their controls: a clipped caption is a layout fault the eye misses.
TEST_F(FinestraPrincipale, LeDidascalieCiStanno) {
    for (const QLabel* l : a.finestra->areaClient()->findChildren<QLabel*>()) {
        if (l->objectName().endsWith("_indice") || l->objectName().endsWith("_esponente"))
            continue; // tiny on purpose: their glyphs sit in the corner of the label
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width())
            << l->objectName().toStdString();
    }
    for (const QPushButton* b : a.finestra->areaClient()->findChildren<QPushButton*>()) {
        const QString t = QString(b->text()).remove('&');
        EXPECT_LE(b->fontMetrics().horizontalAdvance(t) + 6, b->width())
            << b->objectName().toStdString();
    }
}

TEST_F(FinestraPrincipale, Menu) {
    struct Voce {
        const char* nome;
        const char* testo;
    };
    struct Menu {
        const char* nome;
        const char* titolo;
        std::vector<Voce> voci;
    };
    const Menu menu[] = {
        {"File",
         "&File",
         {{"new", "&Nuovo Calcolo"},
          {"Open", "&Apri"},
          {"Save", "&Salva"},
          {"esportamenu", "&Esporta"},
          {"stampa", "S&tampa"}}},
        {"Immagini",
         "&Immagini",
         {{"Salva_Sv", "Salva S&v"},
          {"stampasv", "S&tampaSv"},
          {"Salva_Sa", "Salva S&a"},
          {"stampasa", "St&ampa Sa"}}},
        {"info",
         "&?",
         {{"info_programma", "Informazioni su &Spintaro 1.1"}, {"grazie", "&E Grazie..."}}},
    };
    const QList<QAction*> intestazioni = a.finestra->barraMenu()->actions();
    ASSERT_EQ(intestazioni.size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(menu[i].nome);
        QMenu* m = intestazioni[i]->menu();
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->objectName(), menu[i].nome);
        EXPECT_EQ(m->title(), menu[i].titolo);
        const QList<QAction*> voci = m->actions();
        ASSERT_EQ(voci.size(), qsizetype(menu[i].voci.size()));
        for (std::size_t j = 0; j < menu[i].voci.size(); ++j) {
            EXPECT_EQ(voci[qsizetype(j)]->objectName(), menu[i].voci[j].nome);
            EXPECT_EQ(voci[qsizetype(j)]->text(), menu[i].voci[j].testo);
            EXPECT_TRUE(voci[qsizetype(j)]->shortcut().isEmpty()) << "no shortcut keys";
        }
    }
}

TEST_F(FinestraPrincipale, StatoIniziale) {
    SpintaroWindow* f = a.finestra;
    EXPECT_EQ(f->txt_strato->text(), "1");
    EXPECT_TRUE(f->OptNo->isChecked());
    EXPECT_FALSE(f->OptSi->isChecked());
    for (QLineEdit* c : f->areaClient()->findChildren<QLineEdit*>()) {
        if (c != f->txt_strato) {
            EXPECT_TRUE(c->text().isEmpty()) << c->objectName().toStdString();
        }
    }
    // Entry fields take typing, left-aligned.
    for (QLineEdit* c :
         {f->txt_sovraccarico, f->txt_potenza, f->txt_gamma, f->txt_coesione, f->txt_attrint}) {
        EXPECT_FALSE(c->isReadOnly());
        EXPECT_TRUE(c->alignment() & Qt::AlignLeft);
    }
    EXPECT_EQ(f->focusWidget(), f->txt_potenza);
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    EXPECT_EQ(QApplication::focusWidget(), f->txt_potenza);
}

TEST_F(FinestraPrincipale, SottoFaldaHaSempreUnaSolaScelta) {
    SpintaroWindow* f = a.finestra;
    QTest::mouseClick(f->OptSi, Qt::LeftButton, {}, QPoint(5, f->OptSi->height() / 2));
    EXPECT_TRUE(f->OptSi->isChecked());
    EXPECT_FALSE(f->OptNo->isChecked());
    QTest::mouseClick(f->OptSi, Qt::LeftButton, {}, QPoint(5, f->OptSi->height() / 2));
    EXPECT_TRUE(f->OptSi->isChecked()) << "clicking the selected option keeps it";
    QTest::mouseClick(f->OptNo, Qt::LeftButton, {}, QPoint(5, f->OptNo->height() / 2));
    EXPECT_TRUE(f->OptNo->isChecked());
    EXPECT_FALSE(f->OptSi->isChecked());
}

QStringList giroDiTab(SpintaroWindow* f, int passi, Qt::Key tasto = Qt::Key_Tab) {
    QStringList nomi;
    for (int i = 0; i < passi; ++i) {
        QTest::keyClick(QApplication::focusWidget(), tasto);
        nomi.append(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                : QStringLiteral("<nessuno>"));
    }
    (void)f;
    return nomi;
}

TEST_F(FinestraPrincipale, OrdineDiTabulazione) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(a.finestra));
    ASSERT_EQ(QApplication::focusWidget(), a.finestra->txt_potenza);
    // The option group is one stop, on the selected option ("No" at start).
    const QStringList atteso = {
        "txt_gamma",     "txt_coesione",     "txt_attrint", "OptNo",      "nuovo",    "Fine",
        "Grafico",       "Command1",         "precedente",  "successivo", "txt_gam",  "txt_coes",
        "txt_strat",     "txt_sovraccarico", "txt_ka",      "txt_Sv",     "txt_sa1",  "txt_sa2",
        "txt_attritint", "txt_pot",          "txt_strato",  "Picture4",   "Picture1", "Picture2",
        "Picture7",      "btn_Chiudi",       "txt_spinta",  "Command2",   "txt_z0",
    };
    EXPECT_EQ(giroDiTab(a.finestra, int(atteso.size())), atteso);
}

TEST_F(FinestraPrincipale, IlGruppoDiOpzioniEUnaSolaFermata) {
    SpintaroWindow* f = a.finestra;
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    f->OptSi->setChecked(true);
    f->txt_attrint->setFocus();
    EXPECT_EQ(giroDiTab(f, 2), QStringList({"OptSi", "nuovo"}));
    EXPECT_EQ(giroDiTab(f, 2, Qt::Key_Backtab), QStringList({"OptSi", "txt_attrint"}));
    // The arrow keys move the selection within the group.
    f->OptSi->setFocus();
    QTest::keyClick(f->OptSi, Qt::Key_Right);
    EXPECT_TRUE(f->OptNo->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), f->OptNo);
    EXPECT_EQ(giroDiTab(f, 1), QStringList({"nuovo"}));
}

TEST_F(FinestraPrincipale, ImmaginiDellaBarra) {
    for (const char* nome : {"Picture1", "Picture4", "Picture2", "Picture7"}) {
        auto* p = a.finestra->findChild<PulsanteImmagine*>(nome);
        ASSERT_NE(p, nullptr) << nome;
        // A 16 × 15 picture, drawn: not blank.
        const QImage img = p->immagine().toImage();
        EXPECT_EQ(p->immagine().deviceIndependentSize().toSize(), QSize(16, 15)) << nome;
        int pieni = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                pieni += qAlpha(img.pixel(x, y)) > 0 ? 1 : 0;
        EXPECT_GT(pieni, 40) << nome;
    }
    EXPECT_FALSE(iconaProgramma().isNull());
    EXPECT_TRUE(iconaProgramma().availableSizes().contains(QSize(32, 32)));
}

} // namespace
} // namespace spintaro
