// SPDX-License-Identifier: GPL-3.0-or-later
// Atomic writes and whole-file reads: a failed write leaves the old file intact and nothing
// partial behind.
#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace spintaro {
namespace {

std::string contenuto(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return "<assente>";
    return f.readAll().toStdString();
}

TEST(ScriviFileAtomico, WritesAndReplacesWholeFiles) {
    QTemporaryDir dir;
    const QString p = dir.filePath("a.spt");
    ASSERT_TRUE(scriviFileAtomico(p, "primo\r\n").ok);
    EXPECT_EQ(contenuto(p), "primo\r\n");
    ASSERT_TRUE(scriviFileAtomico(p, "2").ok);
    EXPECT_EQ(contenuto(p), "2");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.spt"});
}

TEST(ScriviFileAtomico, MissingFolderIsNamedInTheMessage) {
    QTemporaryDir dir;
    const auto esito = scriviFileAtomico(dir.filePath("manca/a.spt"), "x");
    EXPECT_FALSE(esito.ok);
    EXPECT_TRUE(esito.messaggio.contains("non esiste")) << esito.messaggio.toStdString();
}

// Root writes into any folder, so as root the attempt is made by an unprivileged child process.
TEST(ScriviFileAtomico, ReadOnlyFolderKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString p = dir.filePath("a.spt");
    ASSERT_TRUE(scriviFileAtomico(p, "vecchio").ok);
    QFile::setPermissions(p, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
    const pid_t figlio = fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        const auto esito = scriviFileAtomico(p, "nuovo");
        _exit(esito.ok ? 1 : esito.messaggio.contains("permessi") ? 0 : 2);
    }
    int stato = 0;
    waitpid(figlio, &stato, 0);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 0) << "1: written, 2: another message, 3: no user to switch to";
    EXPECT_EQ(contenuto(p), "vecchio");
}

TEST(ScriviFileAtomico, AFullDeviceIsAFailureAndStaysADevice) {
    struct stat prima {};
    if (stat("/dev/full", &prima) != 0 || !S_ISCHR(prima.st_mode))
        GTEST_SKIP() << "no /dev/full";
    const auto esito = scriviFileAtomico("/dev/full", std::string(100000, 'x'));
    EXPECT_FALSE(esito.ok);
    EXPECT_TRUE(esito.messaggio.contains("disco pieno")) << esito.messaggio.toStdString();
    struct stat dopo {};
    ASSERT_EQ(stat("/dev/full", &dopo), 0);
    EXPECT_TRUE(S_ISCHR(dopo.st_mode)) << "the device was replaced by a file";
}

// A disk that fills up while the new content is written: the file size limit makes the write of
// the temporary fail the same way. A small content is the harder case: it would sit in a write
// buffer until the commit, which must not rename a truncated temporary over the old file.
TEST(ScriviFileAtomico, AWriteThatRunsOutOfSpaceKeepsTheOldFileAndLeavesNothingBehind) {
    struct Caso {
        rlim_t limite;
        std::size_t byte;
    };
    for (const Caso c : {Caso{4096, std::size_t{1} << 20}, Caso{64, 100}}) {
        QTemporaryDir dir;
        const QString p = dir.filePath("a.spt");
        ASSERT_TRUE(scriviFileAtomico(p, "vecchio").ok);

        const auto gestore = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        rlimit piccolo = limite;
        piccolo.rlim_cur = c.limite;
        setrlimit(RLIMIT_FSIZE, &piccolo);
        const auto esito = scriviFileAtomico(p, std::string(c.byte, 'x'));
        setrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, gestore);

        EXPECT_FALSE(esito.ok) << c.byte;
        EXPECT_TRUE(esito.messaggio.contains("disco pieno")) << esito.messaggio.toStdString();
        EXPECT_EQ(contenuto(p), "vecchio") << c.byte;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.spt"});
    }
}

TEST(ScriviFileAtomico, AFolderInThePlaceOfTheFileIsRefused) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("x.spt");
    const auto esito = scriviFileAtomico(dir.filePath("x.spt"), "x");
    EXPECT_FALSE(esito.ok);
    EXPECT_TRUE(esito.messaggio.contains("cartella"));
}

TEST(LeggiFile, ReadsBytesAndExplainsFailures) {
    QTemporaryDir dir;
    const QString p = dir.filePath("b.spt");
    ASSERT_TRUE(scriviFileAtomico(p, std::string("a\0b", 3)).ok);
    const auto letto = leggiFile(p);
    ASSERT_TRUE(letto.ok);
    EXPECT_EQ(letto.byte, std::string("a\0b", 3));

    EXPECT_TRUE(leggiFile(dir.filePath("manca.spt")).messaggio.contains("non esiste"));
    EXPECT_TRUE(leggiFile("").messaggio.contains("vuoto"));
    EXPECT_TRUE(leggiFile(dir.path()).messaggio.contains("cartella"));
}

} // namespace
} // namespace spintaro
