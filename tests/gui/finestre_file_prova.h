#pragma once

// What the tests of the file windows share: a temporary folder that is the working directory for
// one test (the previous one is put back afterwards), file helpers, and the user's gestures on
// the three lists.

#include "ambiente_prova.h"
#include "platform/liste_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace spintaro::prova {

// A fresh temporary folder made the working directory; the old working directory comes back
// when the test ends, whatever the windows did meanwhile.
class CartellaDiLavoro {
public:
    CartellaDiLavoro() : m_precedente(QDir::currentPath()) {
        EXPECT_TRUE(m_dir.isValid());
        m_percorso = QFileInfo(m_dir.path()).canonicalFilePath();
        EXPECT_TRUE(QDir::setCurrent(m_percorso));
    }
    ~CartellaDiLavoro() {
        QDir::setCurrent(m_precedente);
        // Folders that a test made read-only must be writable again to be removed.
        QFile::setPermissions(m_percorso, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
    }
    CartellaDiLavoro(const CartellaDiLavoro&) = delete;
    CartellaDiLavoro& operator=(const CartellaDiLavoro&) = delete;

    const QString& percorso() const { return m_percorso; }
    QString file(const QString& nome) const { return m_percorso + QLatin1Char('/') + nome; }
    // Makes a subfolder and returns its path.
    QString sottocartella(const QString& nome) const {
        QDir(m_percorso).mkpath(nome);
        return file(nome);
    }
    // The plain files in the folder (hidden ones too), sorted.
    QStringList contenuto(const QString& sotto = {}) const {
        return QDir(sotto.isEmpty() ? m_percorso : file(sotto))
            .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

private:
    QString m_precedente;
    QTemporaryDir m_dir;
    QString m_percorso;
};

inline std::string leggi(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return "<assente>";
    return f.readAll().toStdString();
}

inline void scriviFile(const QString& percorso, const std::string& byte) {
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << percorso.toStdString();
    f.write(byte.data(), static_cast<qint64>(byte.size()));
}

inline void clic(QAbstractButton* p) {
    ASSERT_NE(p, nullptr);
    QTest::mouseClick(p, Qt::LeftButton);
}

// Clicks a row of a list, then opens it with a double click, as a user opens a folder.
inline void doppioClic(QListWidget* lista, int riga) {
    ASSERT_GE(riga, 0);
    QListWidgetItem* voce = lista->item(riga);
    ASSERT_NE(voce, nullptr);
    lista->scrollToItem(voce);
    const QPoint punto = lista->visualItemRect(voce).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, punto);
}

// Opens the folder's entry in a directory list.
inline void apriCartella(ListaCartelle* lista, const QString& percorso) {
    ASSERT_NE(lista, nullptr);
    const int riga = lista->rigaDi(percorso);
    ASSERT_GE(riga, 0) << "not listed: " << percorso.toStdString();
    doppioClic(lista, riga);
}

// Clicks a name in a file list.
inline void clicFile(ListaFile* lista, const QString& nome) {
    ASSERT_NE(lista, nullptr);
    const auto trovati = lista->findItems(nome, Qt::MatchExactly);
    ASSERT_EQ(trovati.size(), 1) << "not listed: " << nome.toStdString();
    lista->scrollToItem(trovati.front());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(trovati.front()).center());
}

// Runs the body in a child process that has given up root (uid and gid 65534), so that file
// permissions apply as they do to a user. The body returns the child's exit status; the parent
// gets it back (or -1 when the child did not end normally). Status 99: no user to switch to.
// The body sends events straight to the widgets (clicks, keys) but never processes queued ones.
template <typename Corpo> int comeUtenteSenzaPrivilegi(Corpo&& corpo) {
    const pid_t figlio = fork();
    if (figlio < 0)
        return -1;
    if (figlio == 0) {
        // The child has only this thread: a lock that another thread held at the fork stays
        // locked, so the body must not run the event loop. Should it still get stuck, the alarm
        // ends it and the test fails instead of waiting for ever.
        alarm(30);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        _exit(corpo());
    }
    int stato = 0;
    waitpid(figlio, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

// While it lives, no file of the process can grow beyond the given size: a write past it fails as
// on a full disk (the signal that the system would send is ignored meanwhile).
class LimiteDimensioneFile {
public:
    explicit LimiteDimensioneFile(rlim_t byte) : m_gestore(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_limite);
        rlimit piccolo = m_limite;
        piccolo.rlim_cur = byte;
        setrlimit(RLIMIT_FSIZE, &piccolo);
    }
    ~LimiteDimensioneFile() {
        setrlimit(RLIMIT_FSIZE, &m_limite);
        std::signal(SIGXFSZ, m_gestore);
    }
    LimiteDimensioneFile(const LimiteDimensioneFile&) = delete;
    LimiteDimensioneFile& operator=(const LimiteDimensioneFile&) = delete;

private:
    rlimit m_limite{};
    void (*m_gestore)(int);
};

// The permissions of a folder that everybody can enter and read, and only its owner write to.
inline constexpr QFileDevice::Permissions CartellaPubblica =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
// The same, without write permission for the owner either.
inline constexpr QFileDevice::Permissions CartellaSolaLettura =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
    QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

} // namespace spintaro::prova
