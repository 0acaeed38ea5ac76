// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagrams/sv_window.h"

#include "platform/servizi.h"

namespace spintaro {

SvWindow::SvWindow(Servizi& servizi)
    : FinestraDiagramma(IdFinestra::Sv, servizi, QStringLiteral("Sigma v"), 10320, 6150,
                        &DisegnoSv) {
    const VociMenu v = costruisciMenu(
        "immagine", QStringLiteral("&Immagine"), "salva", QStringLiteral("&Salva immagine"),
        "stampa", QStringLiteral("&Stampa immagine"), "chiudi", QStringLiteral("&Chiudi"));
    immagine = v.menu;
    salva = v.salva;
    stampa = v.stampa;
    chiudi = v.chiudi;
}

QString SvWindow::descrizione() const {
    return testoSintesi(QStringLiteral("Tensioni verticali"), SintesiSv(servizi().modulo));
}

} // namespace spintaro
