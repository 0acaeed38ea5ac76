// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrams/sv_window.h"

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

} // namespace spintaro
