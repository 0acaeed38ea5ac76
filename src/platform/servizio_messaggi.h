// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace spintaro {

// The buttons of a message box and the user's answer.
enum class Pulsanti { Ok, OkAnnulla };
enum class Risposta { Ok, Annulla };

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
};

} // namespace spintaro
