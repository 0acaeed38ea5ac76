// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A whole program for one test: a fresh job, message boxes and save dialogs answered from a
// queue, fixed separators, recorded printing and a counter in place of the end of the program.
// The test doubles of the services live here, not in the product.

#include "app/applicazione.h"
#include "platform/fonte_separatori.h"
#include "platform/servizio_desktop.h"
#include "platform/servizio_messaggi.h"
#include "platform/servizio_stampa.h"
#include "ui/main/spintaro_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace spintaro {

// Records every box and beep. Boxes with OK and Annulla take their answers from a queue filled
// with setNextAnswer (OK when it is empty); boxes with OK alone take none.
class MessaggiRegistrati final : public ServizioMessaggi {
public:
    struct Messaggio {
        QString titolo, testo;
        Pulsanti pulsanti;
    };
    static inline const QString Beep = QStringLiteral("<beep>"); // a beep in eventi()

    void setNextAnswer(Risposta r) { m_risposte.push_back(r); }
    Risposta mostra(const QString& titolo, const QString& testo, Pulsanti pulsanti) override {
        m_messaggi.push_back({titolo, testo, pulsanti});
        m_eventi.append(testo);
        return pulsanti == Pulsanti::OkAnnulla && !m_risposte.isEmpty() ? m_risposte.takeFirst()
                                                                        : Risposta::Ok;
    }
    void beep() override { m_eventi.append(Beep); }

    const std::vector<Messaggio>& messaggi() const { return m_messaggi; }
    QStringList testi() const {
        QStringList t;
        for (const Messaggio& m : m_messaggi)
            t.append(m.testo);
        return t;
    }
    const QStringList& eventi() const { return m_eventi; } // texts and beeps in order
    int beeps() const { return int(m_eventi.count(Beep)); }
    std::size_t risposteInAttesa() const { return std::size_t(m_risposte.size()); }
    void azzera() { *this = {}; }

private:
    QList<Risposta> m_risposte;
    std::vector<Messaggio> m_messaggi;
    QStringList m_eventi;
};

class SeparatoriFissi final : public FonteSeparatori {
public:
    explicit SeparatoriFissi(Separatori s) : m_separatori(std::move(s)) {}
    Separatori separatori() const override { return m_separatori; }
    void imposta(Separatori s) { m_separatori = std::move(s); }

private:
    Separatori m_separatori;
};

// Records the names of the windows printed and whether each was visible then.
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

// The save dialog answers with the names queued by rispondi (cancelled when none is left) and
// records what it proposed; documents are recorded instead of opened.
class DesktopRegistrato final : public ServizioDesktop {
public:
    void rispondi(const QString& nome) { m_nomi.push_back(nome); }
    std::optional<QString> chiediFileDaSalvare(QWidget*, const QString&, const QString& proposto,
                                               const QString&, const QString&) override {
        m_proposti.append(proposto);
        return m_nomi.isEmpty() ? std::nullopt : std::optional(m_nomi.takeFirst());
    }
    bool apriDocumento(const QString& percorso) override {
        m_aperti.append(percorso);
        return true;
    }
    const QStringList& proposti() const { return m_proposti; }
    const QStringList& aperti() const { return m_aperti; }

private:
    QStringList m_nomi, m_proposti, m_aperti;
};

namespace prova {

struct AmbienteProva {
    explicit AmbienteProva(Separatori sep = Separatori{",", "."}) : separatori(std::move(sep)) {}

    // Starts the program as main() does and waits until the main window is on screen.
    SpintaroWindow* avvia() {
        finestra = app.avvia();
        if (finestra != nullptr)
            (void)QTest::qWaitForWindowExposed(finestra);
        return finestra;
    }
    Modulo1& m() { return app.modulo(); }
    RegistroFinestre& registro() { return app.finestre(); }

    MessaggiRegistrati messaggi;
    SeparatoriFissi separatori;
    StampaRegistrata stampa;
    DesktopRegistrato desktop;
    int fini = 0;
    Applicazione app{messaggi, separatori, stampa, desktop, [this] {
                         ++fini;
                     }};
    SpintaroWindow* finestra = nullptr;
};

// Lets the event loop delete the windows that were unloaded.
inline void eliminaScaricate() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Clicks a button, a picture or an option in its middle.
inline void clic(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}

// Types a text into an entry box as the user would (the box emptied first).
inline void scrivi(QLineEdit* casella, const QString& testo) {
    casella->setFocus();
    casella->selectAll();
    QTest::keyClick(casella, Qt::Key_Delete);
    if (!testo.isEmpty())
        QTest::keyClicks(casella, testo);
}

// Names the cases of a parameterised test after their "nome" field, and prints a case as its
// name instead of its bytes ("using prova::PrintTo;" in a test file).
struct NomeCaso {
    template <typename Caso> std::string operator()(const ::testing::TestParamInfo<Caso>& i) const {
        return i.param.nome;
    }
};
template <typename Caso>
requires requires(const Caso& c) {
    c.nome;
}
void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nome;
}

} // namespace prova
} // namespace spintaro
