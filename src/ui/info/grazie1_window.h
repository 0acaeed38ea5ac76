// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_base.h"

class QLabel;
class QPushButton;

namespace spintaro {

class ImmagineSvg;

// The thanks window: a picture, two wrapping labels and "Chiudi", which hides it.
class Grazie1Window final : public FinestraBase {
    Q_OBJECT

public:
    explicit Grazie1Window(Servizi& servizi);

    ImmagineSvg* Picture1 = nullptr;
    QPushButton* Chiudi = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace spintaro
