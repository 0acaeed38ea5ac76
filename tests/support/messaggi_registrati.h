// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/servizio_messaggi.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace spintaro {

// For tests: records every box and beep. Boxes with OK and Annulla take their answers from a
// queue filled with setNextAnswer (OK when it is empty); boxes with OK alone take none.
class MessaggiRegistrati final : public ServizioMessaggi {
public:
    struct Messaggio {
        QString titolo;
        QString testo;
        Pulsanti pulsanti;
        Risposta risposta;
    };

    // A beep shows up in eventi() as this text.
    static inline const QString Beep = QStringLiteral("<beep>");

    void setNextAnswer(Risposta r) { m_risposte.push_back(r); }

    Risposta mostra(const QString& titolo, const QString& testo, Pulsanti pulsanti) override;
    void beep() override;

    const std::vector<Messaggio>& messaggi() const { return m_messaggi; }
    QStringList testi() const;
    // Texts and beeps in the order they happened.
    const QStringList& eventi() const { return m_eventi; }
    int beeps() const { return m_beeps; }
    std::size_t risposteInAttesa() const { return m_risposte.size(); }
    void azzera();

private:
    std::deque<Risposta> m_risposte;
    std::vector<Messaggio> m_messaggi;
    QStringList m_eventi;
    int m_beeps = 0;
};

} // namespace spintaro
