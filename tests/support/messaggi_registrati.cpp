// SPDX-License-Identifier: GPL-3.0-or-later
#include "messaggi_registrati.h"

namespace spintaro {

Risposta MessaggiRegistrati::mostra(const QString& titolo, const QString& testo,
                                    Pulsanti pulsanti) {
    // A box with only OK has nothing to choose: it takes no answer from the queue.
    Risposta r = Risposta::Ok;
    if (pulsanti == Pulsanti::OkAnnulla && !m_risposte.empty()) {
        r = m_risposte.front();
        m_risposte.pop_front();
    }
    m_messaggi.push_back({titolo, testo, pulsanti, r});
    m_eventi.append(testo);
    return r;
}

void MessaggiRegistrati::beep() {
    ++m_beeps;
    m_eventi.append(Beep);
}

QStringList MessaggiRegistrati::testi() const {
    QStringList t;
    for (const auto& m : m_messaggi)
        t.append(m.testo);
    return t;
}

void MessaggiRegistrati::azzera() {
    m_risposte.clear();
    m_messaggi.clear();
    m_eventi.clear();
    m_beeps = 0;
}

} // namespace spintaro
