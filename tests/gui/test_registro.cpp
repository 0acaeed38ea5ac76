// SPDX-License-Identifier: GPL-3.0-or-later
// The window registry: single instances, open / hide / unload / print, the close box, the end of
// the program, the commands of the main window that open the other windows; and twips.

#include "ambiente_prova.h"
#include "platform/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace spintaro {
namespace {

using prova::AmbienteProva;
using prova::eliminaScaricate;
using enum IdFinestra;

// Each window but the main one, as "name=title" (Nuovolavoro: an empty title bar): one instance,
// shown without an owner and not modal; hiding keeps it, the close box and the registry unload
// it, a new one loads again; the program goes on.
TEST(Registro, UnaSolaIstanzaNascondereConservaScaricareDistrugge) {
    const QStringList titoli =
        QStringLiteral("Sv=Sigma v|Sa=Sa|stampa1=stampa|Apri=Apri|Salva=Salva|Esporta=Esporta|"
                       "salvaimmagine=Salva Immagine|Attenzione=ATTENZIONE|Nuovolavoro= |"
                       "frmSplash=|grazie1=E Grazie....")
            .split('|');
    for (int i = 1; i < 12; ++i) {
        const IdFinestra id = TutteLeFinestre[i];
        SCOPED_TRACE(titoli[i - 1].toStdString());
        AmbienteProva a;
        ASSERT_NE(a.avvia(), nullptr);
        RegistroFinestre& r = a.registro();
        QPointer<FinestraBase> f = r.apri(id);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->objectName() + "=" + f->windowTitle(), titoli[i - 1]);
        EXPECT_TRUE(f->isVisible() && !f->isModal() && f->parentWidget() == nullptr);
        r.nascondi(id);
        EXPECT_TRUE(!f->isVisible() && r.istanza(id) == f);
        EXPECT_TRUE(r.apri(id) == f && f->isVisible() && r.caricamenti(id) == 1);
        EXPECT_TRUE(f->close() && r.istanza(id) == nullptr);
        eliminaScaricate();
        ASSERT_TRUE(f.isNull() && (f = r.apri(id)) != nullptr);
        r.scarica(id);
        EXPECT_TRUE(r.istanza(id) == nullptr && r.caricamenti(id) == 2);
        eliminaScaricate();
        EXPECT_TRUE(f.isNull() && a.fini == 0 && a.finestra->isVisible());
    }
}

// A window loaded hidden by printing is the one shown next.
TEST(Registro, StampaCreaSenzaMostrareEPoiApriUsaLaStessaIstanza) {
    AmbienteProva a;
    a.m().IndiceStrato = 7;
    a.avvia();
    EXPECT_EQ(a.m().IndiceStrato, 0) << "the main window's load step";
    ASSERT_TRUE(a.registro().stampa(Sv));
    EXPECT_TRUE(a.registro().apri(Sv)->isVisible() && a.registro().caricamenti(Sv) == 1);
}

// "&Chiudi" and the main window's close box end the program once, asking nothing: every window
// is unloaded, shown, hidden or never shown, and nothing opens afterwards.
TEST(Registro, UscitaScaricaTutteLeFinestreEFinisce) {
    for (const bool bordo : {false, true}) {
        SCOPED_TRACE(bordo ? "bordo" : "Chiudi");
        AmbienteProva a;
        a.m().NumStrati = 3; // unsaved layers: nothing is asked
        a.avvia();
        QList<QPointer<FinestraBase>> finestre = {a.finestra, a.registro().apri(Sv),
                                                  a.registro().apri(Sa)};
        a.registro().nascondi(Sa);
        a.registro().stampa(stampa1);
        finestre << a.registro().istanza(stampa1);
        bordo ? (void)a.finestra->close() : prova::clic(a.finestra->btn_Chiudi);
        EXPECT_TRUE(a.fini == 1 && a.registro().terminato() && a.messaggi.eventi().isEmpty());
        for (IdFinestra id : TutteLeFinestre)
            EXPECT_EQ(a.registro().istanza(id), nullptr) << nomeFinestra(id).toStdString();
        eliminaScaricate();
        EXPECT_EQ(finestre.count(QPointer<FinestraBase>()), 4);
        EXPECT_EQ(a.registro().apri(Sv), nullptr) << "nothing opens after the end";
    }
}

// Every menu item, toolbar picture and diagram button opens its window and no other, leaving the
// job alone: "command=window", "+" when it prints the window without showing it.
TEST(Registro, OgniComandoApreLaSuaFinestra) {
    for (const QString& riga :
         QStringLiteral("Picture1=Attenzione new=Attenzione Picture4=Apri Open=Apri Picture2=Salva "
                        "Save=Salva esportamenu=Esporta Picture7=stampa1 stampa=stampa1 "
                        "Salva_Sv=salvaimmagine Salva_Sa=salvaimmagine info_programma=frmSplash "
                        "grazie=grazie1 Grafico=Sv Command1=Sa stampasv=Sv+ stampasa=Sa+")
             .split(' ')) {
        SCOPED_TRACE(riga.toStdString());
        const QString nome = riga.section('=', 0, 0), finestra = riga.section('=', 1);
        AmbienteProva a;
        a.avvia();
        a.m().NumStrati = 2;
        Modulo1 atteso = a.m();
        auto* azione = a.finestra->findChild<QAction*>(nome);
        auto* pulsante = a.finestra->findChild<QAbstractButton*>(nome);
        ASSERT_TRUE(azione || pulsante);
        azione ? azione->trigger() : prova::clic(pulsante);
        QStringList aperte;
        for (IdFinestra id : TutteLeFinestre)
            if (const FinestraBase* f = a.registro().istanza(id); f != nullptr && id != Spintaro)
                aperte << nomeFinestra(id) + (f->isVisible() ? "" : "+");
        EXPECT_EQ(aperte, QStringList{finestra});
        EXPECT_EQ(a.stampa.stampate().join(' '), finestra.endsWith('+') ? finestra.chopped(1) : "");
        // Only the report's load step touches the job: it walks the two layers, ending at n + 1.
        if (finestra == "stampa1")
            atteso.IndiceStrato = 3;
        EXPECT_TRUE(a.m() == atteso && a.messaggi.eventi().isEmpty());
    }
}

// 1440 twips make one inch: pixels = twips × dpi / 1440, halves away from zero; without a valid
// dpi, 96. A rectangle at 144 dpi: left 120 → 12 px, right edge 1575 → 157.5 → 158, 146 wide.
TEST(Twips, ArrotondaAlPixelPiuVicino) {
    const std::tuple<double, int, int> casi[] = {{96, 7875, 525},  {96, 7, 0},   {96, 8, 1},
                                                 {96, -30, -2},    {120, 15, 1}, {144, 15, 2},
                                                 {144, 1455, 146}, {0, 150, 10}, {-5, 150, 10}};
    for (const auto& [dpi, twips, pixel] : casi)
        EXPECT_EQ(Twips(dpi).px(twips), pixel) << dpi << " dpi, " << twips << " twips";
    EXPECT_EQ(Twips(144).rettangolo(120, 0, 1455, 375), QRect(12, 0, 146, 38));
}

} // namespace
} // namespace spintaro
