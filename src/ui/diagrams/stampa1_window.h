// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_base.h"
#include "platform/twips.h"

class QAction;
class QMenu;
class QMenuBar;
class QScrollArea;

namespace spintaro {

class TestoAZone;

// The report "stampa": the header and one line per layer in print zones, written once by the load
// step (which leaves IndiceStrato at n + 1). Fixed single border, no minimise or maximise button,
// client area 10605 × 5280 twips at 1815, 5025 twips. A table taller than the window scrolls, and
// printing puts every line on paper, on as many pages as it takes.
class Stampa1Window final : public FinestraBase {
    Q_OBJECT

public:
    explicit Stampa1Window(Servizi& servizi);

    void caricamento() override;
    void stampaSu(QPainter& pittore, QPagedPaintDevice& pagine) override;

    void exporta_Click();
    void Esci_Click();
    void Stampa_Click();

    QMenuBar* barraMenu() const { return m_barraMenu; }
    QScrollArea* area() const { return m_area; }
    TestoAZone* testo() const { return m_testo; }

    // Menu "&File" and the command "&Stampa" on the menu bar.
    QMenu* filw = nullptr;
    QAction* exporta = nullptr;
    QAction* Esci = nullptr;
    QAction* Stampa = nullptr;

private:
    Twips m_twips;
    QMenuBar* m_barraMenu = nullptr;
    QScrollArea* m_area = nullptr;
    TestoAZone* m_testo = nullptr;
};

} // namespace spintaro
