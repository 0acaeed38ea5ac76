// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A whole program for one test: a fresh job, message boxes and save dialogs answered from a
// queue, fixed separators, recorded printing and a counter in place of the end of the program.

#include "app/applicazione.h"
#include "casi.h"
#include "platform/fonte_separatori.h"
#include "platform/servizio_desktop.h"
#include "platform/servizio_messaggi.h"
#include "platform/servizio_stampa.h"
#include "ui/main/spintaro_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace spintaro {

// Records every box and beep. Boxes with OK and Annulla, and questions, take their answers from a
// queue filled with setNextAnswer (OK, or Sì, when it is empty); boxes with OK alone take none.
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
        m_testi.append(testo);
        m_eventi.append(testo);
        return pulsanti != Pulsanti::Ok && !m_risposte.isEmpty() ? m_risposte.takeFirst()
                                                                 : Risposta::Ok;
    }
    void beep() override { m_eventi.append(Beep); }

    const std::vector<Messaggio>& messaggi() const { return m_messaggi; }
    const QStringList& testi() const { return m_testi; }
    const QStringList& eventi() const { return m_eventi; } // texts and beeps in order
    std::size_t risposteInAttesa() const { return std::size_t(m_risposte.size()); }
    void azzera() { *this = {}; }

private:
    QList<Risposta> m_risposte;
    std::vector<Messaggio> m_messaggi;
    QStringList m_testi, m_eventi;
};

struct SeparatoriFissi final : FonteSeparatori {
    explicit SeparatoriFissi(Separatori s) : fissi(std::move(s)) {}
    Separatori separatori() const override { return fissi; }
    Separatori fissi;
};

// Records the names of the windows printed.
struct StampaRegistrata final : ServizioStampa {
    bool stampa(FinestraBase& finestra) override {
        stampate.append(finestra.objectName());
        return true;
    }
    QStringList stampate;
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

// With a source of the default printer, the real print service prints instead of the record.
struct AmbienteProva {
    explicit AmbienteProva(Separatori sep = Separatori{",", "."},
                           StampaPredefinita::FontePredefinita stampante = {})
        : separatori(std::move(sep)),
          predefinita(stampante
                          ? std::optional<StampaPredefinita>(std::in_place, messaggi, stampante)
                          : std::nullopt) {}

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
    std::optional<StampaPredefinita> predefinita;
    DesktopRegistrato desktop;
    int fini = 0;
    Applicazione app{messaggi, separatori,
                     predefinita ? static_cast<ServizioStampa&>(*predefinita) : stampa, desktop,
                     [this] {
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

// A fresh temporary folder made the working directory; the old one comes back afterwards.
class CartellaDiLavoro {
public:
    CartellaDiLavoro() { EXPECT_TRUE(m_dir.isValid() && QDir::setCurrent(m_percorso)); }
    ~CartellaDiLavoro() { QDir::setCurrent(m_precedente); }

    const QString& percorso() const { return m_percorso; }
    QString file(const QString& nome) const { return m_percorso + QLatin1Char('/') + nome; }
    QString sottocartella(const QString& nome) const {
        QDir(m_percorso).mkpath(nome);
        return file(nome);
    }
    QStringList contenuto(const QString& sotto = {}) const {
        return QDir(file(sotto)).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

private:
    QString m_precedente = QDir::currentPath();
    QTemporaryDir m_dir;
    QString m_percorso = QFileInfo(m_dir.path()).canonicalFilePath();
};

inline std::string leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<assente>";
}

inline void scriviFile(const QString& percorso, const std::string& byte) {
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << percorso.toStdString();
    f.write(byte.data(), static_cast<qint64>(byte.size()));
}

// The program started in a temporary working directory of its own; the previous one comes back.
struct InCartella : CartellaDiLavoro, AmbienteProva {
    explicit InCartella(Separatori sep = Separatori{".", ","},
                        StampaPredefinita::FontePredefinita stampante = {})
        : AmbienteProva(std::move(sep), std::move(stampante)) {
        EXPECT_NE(avvia(), nullptr);
    }
};

// A tool's standard output, or Fallito when it did not end with status 0.
inline const QString Fallito = QStringLiteral("<fallito>");
inline QString uscita(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    const bool ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit;
    return ok && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : Fallito;
}
// Finds a tool (poppler-utils, librsvg2-bin): missing, the test is skipped, or fails under CI.
#define STRUMENTO(variabile, nome)                                                                 \
    const QString variabile = QStandardPaths::findExecutable(nome);                                \
    ASSERT_FALSE((variabile).isEmpty() && qEnvironmentVariableIsSet("CI")) << (nome) << " manca";  \
    if ((variabile).isEmpty())                                                                     \
        GTEST_SKIP() << (nome) << " non installato: controllo saltato";

// The pixels of an image that the choice takes.
inline int conta(const QImage& img, bool (*scelta)(QRgb)) {
    int n = 0;
    for (int i = 0; i < img.width() * img.height(); ++i)
        n += scelta(img.pixel(i % img.width(), i / img.width())) ? 1 : 0;
    return n;
}

} // namespace prova
} // namespace spintaro
