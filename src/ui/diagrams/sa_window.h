// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/diagrams/finestra_diagramma.h"

namespace spintaro {

// The active-pressure diagram "Sa": resizable, client area 10305 × 6345 twips, placed at 4590,
// 4200 twips, where it fits a 1024×768 screen whole with a title bar of 32 px. Drawn once by its
// load step.
class SaWindow final : public FinestraDiagramma {
    Q_OBJECT

public:
    explicit SaWindow(Servizi& servizi);

protected:
    QString descrizione() const override;

public:
    // Menu "&Immagine". The member close hides QWidget::close() in this class: reach that
    // through a QWidget pointer.
    QMenu* image = nullptr;
    QAction* save = nullptr;
    QAction* print = nullptr;
    QAction* close = nullptr;
};

} // namespace spintaro
