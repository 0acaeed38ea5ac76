// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_base.h"
#include "platform/servizio_stampa.h"

#include <QList>
#include <QStringList>

namespace spintaro {

// For tests: records the names of the windows printed and whether each was visible then.
class StampaRegistrata final : public ServizioStampa {
public:
    bool stampa(FinestraBase& finestra) override {
        m_stampate.append(finestra.objectName());
        m_visibili.append(finestra.isVisible());
        return true;
    }
    const QStringList& stampate() const { return m_stampate; }
    const QList<bool>& visibili() const { return m_visibili; }

private:
    QStringList m_stampate;
    QList<bool> m_visibili;
};

} // namespace spintaro
