// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QMessageBox;

namespace spintaro {

// The buttons of a message box and the user's answer. A question asked of the user is answered
// "Sì" or "No" (SiNo); OK and Annulla confirm or cancel a step the box describes. "Sì" is the
// answer that goes on, as OK is, and "No" the one that stops, as Annulla is.
enum class Pulsanti { Ok, OkAnnulla, SiNo };
enum class Risposta { Ok, Annulla, Si = Ok, No = Annulla };

// Message boxes and the system beep. Every window goes through this one service, so that tests
// can answer the boxes instead of blocking on them. Lines of a text are separated by "\r\n".
class ServizioMessaggi {
public:
    virtual ~ServizioMessaggi() = default;
    virtual Risposta mostra(const QString& titolo, const QString& testo, Pulsanti pulsanti) = 0;
    virtual void beep() = 0;
};

// The real boxes: modal QMessageBox without an icon, QApplication::beep.
class MessaggiQt final : public ServizioMessaggi {
public:
    Risposta mostra(const QString& titolo, const QString& testo, Pulsanti pulsanti) override;
    void beep() override;

    // The box mostra shows, not yet shown: its buttons speak the toolkit's translation.
    static std::unique_ptr<QMessageBox> scatola(const QString& titolo, const QString& testo,
                                                Pulsanti pulsanti);
};

} // namespace spintaro
