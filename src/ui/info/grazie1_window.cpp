// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/info/grazie1_window.h"

#include "platform/caratteri.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/twips.h"
#include "ui/info/immagine_svg.h"

#include <QLabel>
#include <QPushButton>

namespace spintaro {

Grazie1Window::Grazie1Window(Servizi& servizi)
    : FinestraBase(IdFinestra::grazie1, servizi, QStringLiteral("E Grazie....")) {
    const Twips t = Twips::delloSchermo();
    resize(t.dimensione(3075, 3225));
    setFont(fontMsSansSerif(8.25));

    Picture1 = new ImmagineSvg(QStringLiteral(":/spintaro/grazie.svg"), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(t.rettangolo(0, 0, 1575, 2295));
    Picture1->setAccessibleName(QStringLiteral("Muro di sostegno fiorito"));

    // First in the tab order: the only control that takes the focus.
    Chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    Chiudi->setObjectName(QStringLiteral("Chiudi"));
    Chiudi->setGeometry(t.rettangolo(1920, 240, 975, 495));
    Chiudi->setAutoDefault(false);
    connect(Chiudi, &QPushButton::clicked, this,
            [this] { comando([this] { this->servizi().finestre.nascondi(id()); }); });

    Label1 =
        new QLabel(QStringLiteral("Un Grazie a Ovidrano che ha reso possibile la realizzazione "
                                  "di questo programma "),
                   this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(t.rettangolo(1680, 1200, 1335, 1095));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label2 = new QLabel(QStringLiteral("(Eventuali danni a cose o persone dovute all'utilizzo di "
                                       "questo programma sono addebitabili ESCLUSIVAMENTE a LUI)"),
                        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(t.rettangolo(120, 2400, 2775, 855));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // The fonts that stand for Arial and MS Sans Serif here may run a little wider: a wrapping
    // label whose text needs more lines than its height holds grows downwards instead of cutting
    // the text. Label1 has room to grow before Label2 begins.
    for (QLabel* l : {Label1, Label2})
        if (const int alto = l->heightForWidth(l->width()); alto > l->height())
            l->resize(l->width(), alto);

    Chiudi->setFocus();
}

} // namespace spintaro
