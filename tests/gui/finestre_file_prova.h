// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the tests of the file windows: the program in a temporary working directory, file
// helpers, the user's gestures on the lists, and ways to make reads and writes fail.

#include "ambiente_prova.h"
#include "model/modulo1.h"
#include "platform/liste_file.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace spintaro::prova {

// A fresh temporary folder made the working directory; the old one comes back afterwards.
class CartellaDiLavoro {
public:
    CartellaDiLavoro() {
        EXPECT_TRUE(m_dir.isValid());
        EXPECT_TRUE(QDir::setCurrent(m_percorso));
    }
    ~CartellaDiLavoro() { QDir::setCurrent(m_precedente); }

    const QString& percorso() const { return m_percorso; }
    QString file(const QString& nome) const { return m_percorso + QLatin1Char('/') + nome; }
    QString sottocartella(const QString& nome) const {
        QDir(m_percorso).mkpath(nome);
        return file(nome);
    }
    // The plain files in the folder (hidden ones too), sorted.
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

inline void clic(QAbstractButton* p) {
    ASSERT_NE(p, nullptr);
    QTest::mouseClick(p, Qt::LeftButton);
}

// Clicks an entry of a list; with doppio, then opens it with a double click.
inline void clicVoce(QListWidget* lista, QListWidgetItem* voce, bool doppio = false) {
    ASSERT_NE(voce, nullptr) << "not listed";
    lista->scrollToItem(voce);
    const QPoint punto = lista->visualItemRect(voce).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, punto);
    if (doppio)
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, punto);
}
inline void apriCartella(ListaCartelle* lista, const QString& percorso) {
    clicVoce(lista, lista->item(lista->rigaDi(percorso)), true);
}
inline void clicFile(ListaFile* lista, const QString& nome) {
    const auto trovati = lista->findItems(nome, Qt::MatchExactly);
    clicVoce(lista, trovati.size() == 1 ? trovati.front() : nullptr);
}

// "" when exactly one OK box with the program's title was shown and its text holds every word and
// reads as a short message (a few lines, no control character but the line ends); otherwise what
// is wrong.
inline std::string unMessaggio(const MessaggiRegistrati& m, const QStringList& parole) {
    if (m.messaggi().size() != 1)
        return "messages: " + m.testi().join('|').toStdString();
    const auto& msg = m.messaggi().front();
    if (msg.titolo != TitoloApplicazione || msg.pulsanti != Pulsanti::Ok)
        return "not an OK box with the program's title";
    if (msg.testo.size() > 400)
        return "a message of " + std::to_string(msg.testo.size()) + " characters";
    for (const QChar c : msg.testo)
        if ((c.category() == QChar::Other_Control && c != u'\r' && c != u'\n') ||
            c.category() == QChar::Other_Format)
            return "a control character in " + msg.testo.toStdString();
    for (const QString& parola : parole)
        if (!msg.testo.contains(parola))
            return msg.testo.toStdString() + " lacks " + parola.toStdString();
    return {};
}

// Runs the body ("" on success, else what is wrong) in a child process that has given up root
// (uid and gid 65534), so that permissions apply as to a user. The body must not run the event
// loop: a lock held by another thread at the fork stays locked in the child.
template <typename Corpo> std::string comeUtenteSenzaPrivilegi(Corpo&& corpo) {
    const pid_t figlio = fork();
    if (figlio == 0) {
        alarm(30); // should it still get stuck, the test fails instead of waiting for ever
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99); // no user to switch to
        const std::string esito = corpo();
        fprintf(stderr, "%s%s", esito.c_str(), esito.empty() ? "" : "\n");
        _exit(esito.empty() ? 0 : 1);
    }
    int stato = 0;
    if (figlio < 0 || waitpid(figlio, &stato, 0) != figlio || !WIFEXITED(stato))
        return "the child did not end normally";
    return WEXITSTATUS(stato) == 0 ? "" : "child status " + std::to_string(WEXITSTATUS(stato));
}

// Runs the body while no file can grow beyond the size given: a write past it fails as on a full
// disk, with EFBIG (the signal that the system would send is ignored meanwhile).
template <typename Corpo> std::string conLimiteDimensione(rlim_t byte, Corpo&& corpo) {
    const auto gestore = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{}, piccolo{};
    getrlimit(RLIMIT_FSIZE, &limite);
    piccolo = limite;
    piccolo.rlim_cur = byte;
    setrlimit(RLIMIT_FSIZE, &piccolo);
    const std::string esito = corpo();
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, gestore);
    return esito;
}

// A folder that everybody can enter and read, and only its owner write to.
inline constexpr QFileDevice::Permissions CartellaPubblica =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

// The program started in a temporary working directory, with helpers to drive it.
class ProvaFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(f = a.avvia(), nullptr); }
    template <typename T = FinestraBase> T* apri(IdFinestra id) {
        return qobject_cast<T*>(a.registro().apri(id));
    }
    template <typename T = FinestraBase> T* istanza(IdFinestra id) {
        return qobject_cast<T*>(a.registro().istanza(id));
    }
    template <typename T = QLineEdit> T* in(QWidget* w, const char* nome) {
        return w->findChild<T*>(QLatin1String(nome));
    }
    // Types one layer into the entry boxes of the main window.
    void strato(const QString& h, const QString& g, const QString& c, const QString& fi,
                bool sottoFalda = false) {
        scrivi(f->txt_potenza, h);
        scrivi(f->txt_gamma, g);
        scrivi(f->txt_coesione, c);
        scrivi(f->txt_attrint, fi);
        QRadioButton* o = sottoFalda ? f->OptSi : f->OptNo;
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(5, o->height() / 2));
    }

    // Declared first: the folder is the working directory before any window exists, and the old
    // one comes back after every window has gone.
    CartellaDiLavoro cartella;
    AmbienteProva a;
    SpintaroWindow* f = nullptr;
};

} // namespace spintaro::prova
