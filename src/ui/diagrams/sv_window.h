// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/diagrams/finestra_diagramma.h"

namespace spintaro {

// The vertical-stress diagram "Sigma v": resizable, client area 10320 × 6150 twips, placed where
// the windowing system puts new windows. Drawn once by its load step.
class SvWindow final : public FinestraDiagramma {
    Q_OBJECT

public:
    explicit SvWindow(Servizi& servizi);

protected:
    QString descrizione() const override;

public:
    // Menu "&Immagine".
    QMenu* immagine = nullptr;
    QAction* salva = nullptr;
    QAction* stampa = nullptr;
    QAction* chiudi = nullptr;
};

} // namespace spintaro
