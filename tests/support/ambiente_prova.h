// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A whole program for one test: a fresh job, message boxes and save dialogs answered from a
// queue, fixed separators, recorded printing and a counter in place of the end of the program.

#include "app/applicazione.h"
#include "desktop_registrato.h"
#include "messaggi_registrati.h"
#include "separatori_fissi.h"
#include "stampa_registrata.h"
#include "ui/main/spintaro_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace spintaro::prova {

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

// Names the cases of a parameterised test after their "nome" field.
struct NomeCaso {
    template <typename Caso> std::string operator()(const ::testing::TestParamInfo<Caso>& i) const {
        return i.param.nome;
    }
};

// Prints a case as its name instead of its bytes ("using prova::PrintTo;" in a test file).
template <typename Caso>
requires requires(const Caso& c) {
    c.nome;
}
void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nome;
}

} // namespace spintaro::prova
