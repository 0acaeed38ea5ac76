// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/servizio_desktop.h"

#include <QStringList>
#include <deque>

namespace spintaro {

// For tests: the save dialog answers with the names queued by rispondi (cancelled when none is
// left) and records what it proposed; documents are recorded instead of opened.
class DesktopRegistrato final : public ServizioDesktop {
public:
    void rispondi(const QString& nome) { m_nomi.push_back(nome); }

    std::optional<QString> chiediFileDaSalvare(QWidget*, const QString&, const QString& proposto,
                                               const QString&, const QString&) override {
        m_proposti.append(proposto);
        if (m_nomi.empty())
            return std::nullopt;
        const QString nome = m_nomi.front();
        m_nomi.pop_front();
        return nome;
    }
    bool apriDocumento(const QString& percorso) override {
        m_aperti.append(percorso);
        return true;
    }

    const QStringList& proposti() const { return m_proposti; }
    const QStringList& aperti() const { return m_aperti; }

private:
    std::deque<QString> m_nomi;
    QStringList m_proposti, m_aperti;
};

} // namespace spintaro
