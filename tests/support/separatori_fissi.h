// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/fonte_separatori.h"

#include <utility>

namespace spintaro {

// Fixed separators.
class SeparatoriFissi final : public FonteSeparatori {
public:
    explicit SeparatoriFissi(Separatori s) : m_separatori(std::move(s)) {}

    Separatori separatori() const override { return m_separatori; }
    void imposta(Separatori s) { m_separatori = std::move(s); }

private:
    Separatori m_separatori;
};

} // namespace spintaro
