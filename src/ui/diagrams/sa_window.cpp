// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagrams/sa_window.h"

#include "platform/servizi.h"

namespace spintaro {

SaWindow::SaWindow(Servizi& servizi)
    : FinestraDiagramma(IdFinestra::Sa, servizi, QStringLiteral("Sa"), 10305, 6345, &DisegnoSa) {
    const VociMenu v = costruisciMenu(
        "image", QStringLiteral("&Immagine"), "save", QStringLiteral("&Salva Immagine"), "print",
        QStringLiteral("S&tampa Immagine"), "close", QStringLiteral("&Chiudi"));
    image = v.menu;
    save = v.salva;
    print = v.stampa;
    close = v.chiudi;
    move(m_twips.px(4590), m_twips.px(4200));
}

QString SaWindow::descrizione() const {
    return testoSintesi(QStringLiteral("Pressioni attive"), SintesiSa(servizi().modulo));
}

} // namespace spintaro
