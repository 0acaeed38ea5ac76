// SPDX-License-Identifier: GPL-3.0-or-later
// Atomic writes and whole-file reads: plain files only, never a wait, a failed write leaves the
// old file intact and nothing behind; links, permissions and names as the bytes given.
// Faults inside the write (sync, rename, a full disk) are injected in tests/cli.
#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

// Everything in the folder, hidden entries too: a temporary file left behind shows here.
QStringList voci(const QTemporaryDir& dir) {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}

mode_t modo(const QString& p) {
    struct stat st {};
    return stat(QFile::encodeName(p).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEST(ScriviFileAtomico, WritesAndReplacesWholeFiles) {
    QTemporaryDir dir;
    const QString p = dir.filePath("a.spt");
    ASSERT_TRUE(scriviFileAtomico(p, "primo\r\n").ok);
    EXPECT_EQ(contenuto(p), "primo\r\n");
    ASSERT_TRUE(scriviFileAtomico(p, "2").ok);
    EXPECT_EQ(contenuto(p), "2");
    EXPECT_EQ(voci(dir), QStringList{"a.spt"});
}

// A new file gets 0666 less the umask; a replaced one keeps its own permissions; a link stays a
// link and the file it names gets the content.
TEST(ScriviFileAtomico, PermissionsAndLinksAreKept) {
    QTemporaryDir dir;
    const mode_t prima = umask(027);
    const bool nuovo = scriviFileAtomico(dir.filePath("n.spt"), "x").ok;
    umask(prima);
    ASSERT_TRUE(nuovo);
    EXPECT_EQ(modo(dir.filePath("n.spt")), 0640u);

    const QString vecchio = dir.filePath("v.spt");
    ASSERT_TRUE(scriviFileAtomico(vecchio, "vecchio").ok);
    ASSERT_EQ(chmod(QFile::encodeName(vecchio).constData(), 0604), 0);
    ASSERT_TRUE(QFile::link("v.spt", dir.filePath("l.spt"))); // relative to the link's folder
    ASSERT_TRUE(scriviFileAtomico(dir.filePath("l.spt"), "nuovo").ok);
    EXPECT_EQ(QFileInfo(dir.filePath("l.spt")).symLinkTarget(), vecchio);
    EXPECT_EQ(contenuto(vecchio), "nuovo");
    EXPECT_EQ(modo(vecchio), 0604u);
    EXPECT_EQ(voci(dir), QStringList({"l.spt", "n.spt", "v.spt"}));
}

// What stands in the way is refused without being opened (a pipe with no reader would block
// the open for ever), and stays as it was.
TEST(ScriviFileAtomico, OnlyPlainFilesAreWrittenAndNothingWaits) {
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    ASSERT_EQ(mkfifo((d + "/pipa.spt").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/null", (d + "/null.spt").c_str()), 0);
    ASSERT_EQ(mkdir((d + "/cartella.spt").c_str(), 0755), 0);
    ASSERT_EQ(symlink("giro2", (d + "/giro1").c_str()), 0);
    ASSERT_EQ(symlink("giro1", (d + "/giro2").c_str()), 0);
    ASSERT_TRUE(scriviFileAtomico(dir.filePath("file"), "x").ok);
    const QStringList prima = voci(dir);
    struct Caso {
        std::string nome;
        const char* motivo;
    };
    alarm(20); // a wait ends the test program instead of the suite
    for (const Caso& c :
         {Caso{"pipa.spt", "non è un file normale (è una pipe con nome)"},
          Caso{"null.spt", "non è un file normale (è un dispositivo a caratteri)"},
          Caso{"cartella.spt", "esiste già una cartella con questo nome"},
          Caso{"giro1", "troppi collegamenti simbolici"},
          Caso{"manca/a.spt", "la cartella non esiste"},
          Caso{"file/a.spt", "una parte del percorso non è una cartella"},
          Caso{std::string(256, 'n'), "troppo lungo"}, Caso{"", "il nome del file è vuoto"}}) {
        const auto esito =
            scriviFileAtomico(PercorsoFile{c.nome.empty() ? "" : d + "/" + c.nome}, "nuovo");
        EXPECT_FALSE(esito.ok) << c.nome;
        EXPECT_TRUE(esito.messaggio.contains(QString::fromUtf8(c.motivo)))
            << esito.messaggio.toStdString();
    }
    alarm(0);
    EXPECT_EQ(voci(dir), prima);
    struct stat st {};
    EXPECT_TRUE(lstat((d + "/pipa.spt").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
}

// A folder that cannot be written, and a file protected from writing in a folder that can: the
// old file stays. Root writes anything, so as root the attempt is made by an unprivileged child.
TEST(ScriviFileAtomico, NoRightToWriteKeepsTheOldFile) {
    struct Caso {
        mode_t cartella, file;
        const char* motivo;
    };
    for (const Caso c :
         {Caso{0555, 0666, "non si hanno i permessi per scrivere in questa cartella"},
          Caso{0777, 0444, "il file esistente è protetto da scrittura"}}) {
        QTemporaryDir dir;
        const QString p = dir.filePath("a.spt");
        ASSERT_TRUE(scriviFileAtomico(p, "vecchio").ok);
        chmod(QFile::encodeName(p).constData(), c.file);
        chmod(QFile::encodeName(dir.path()).constData(), c.cartella);
        const pid_t figlio = fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(3);
            const auto esito = scriviFileAtomico(p, "nuovo");
            _exit(esito.ok ? 1 : esito.messaggio == QString::fromUtf8(c.motivo) ? 0 : 2);
        }
        int stato = 0;
        waitpid(figlio, &stato, 0);
        chmod(QFile::encodeName(dir.path()).constData(), 0700);
        ASSERT_TRUE(WIFEXITED(stato));
        EXPECT_EQ(WEXITSTATUS(stato), 0)
            << c.motivo << "; 1: written, 2: another message, 3: no user to switch to";
        EXPECT_EQ(contenuto(p), "vecchio");
        EXPECT_EQ(voci(dir), QStringList{"a.spt"});
    }
}

// Names from a window: a name shown with U+FFFD stands for bytes that are not UTF-8, and
// encoding it back would name another file; a NUL would cut the name short.
TEST(CodificaNome, NamesThatWouldNameAnotherFileAreRefused) {
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    ASSERT_TRUE(scriviFileAtomico(PercorsoFile{d + "/a\xFF.spt"}, "byte").ok);
    EXPECT_EQ(leggiFile(PercorsoFile{d + "/a\xFF.spt"}).byte, "byte");
    EXPECT_EQ(codificaNome(QStringLiteral("è.spt"))->byte, "\xC3\xA8.spt");
    for (const QString& nome : {dir.filePath(QStringLiteral("a\uFFFD.spt")),
                                dir.filePath(QStringLiteral("a.spt")) + QChar(u'\0') + "x"}) {
        EXPECT_FALSE(codificaNome(nome));
        const auto scritto = scriviFileAtomico(nome, "x");
        const auto letto = leggiFile(nome);
        EXPECT_FALSE(scritto.ok || letto.ok);
        EXPECT_TRUE(scritto.messaggio.contains("caratteri non validi") &&
                    letto.messaggio.contains("caratteri non validi"))
            << scritto.messaggio.toStdString();
    }
    EXPECT_EQ(voci(dir), QStringList{}) << "nothing else written";
    std::remove((d + "/a\xFF.spt").c_str()); // Qt neither lists nor removes it
}

TEST(LeggiFile, ReadsPlainFilesAndLinksAndRefusesTheRest) {
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    ASSERT_TRUE(scriviFileAtomico(dir.filePath("b.spt"), std::string("a\0b", 3)).ok);
    ASSERT_TRUE(QFile::link(dir.filePath("b.spt"), dir.filePath("l.spt")));
    EXPECT_EQ(leggiFile(dir.filePath("l.spt")).byte, std::string("a\0b", 3));
    // Just over the limit, as a sparse file.
    ASSERT_EQ(truncate((d + "/b.spt").c_str(), (16 << 20) + 1), 0);
    EXPECT_TRUE(leggiFile(dir.filePath("b.spt")).messaggio.contains("troppo grande"));

    ASSERT_EQ(mkfifo((d + "/pipa.spt").c_str(), 0644), 0);
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    std::snprintf(indirizzo.sun_path, sizeof indirizzo.sun_path, "%s/presa.spt", d.c_str());
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo), 0);
    close(s);
    alarm(20);
    for (const auto& [nome, motivo] :
         {std::pair{"pipa.spt", "(è una pipe con nome)"}, std::pair{"presa.spt", "(è un socket)"},
          std::pair{"", "è una cartella, non un file"}, std::pair{"manca", "il file non esiste"}}) {
        const auto letto = leggiFile(dir.filePath(nome));
        EXPECT_TRUE(!letto.ok && letto.messaggio.contains(QString::fromUtf8(motivo)))
            << letto.messaggio.toStdString();
    }
    alarm(0);
    EXPECT_TRUE(leggiFile(QString()).messaggio.contains("vuoto"));
}

} // namespace
} // namespace spintaro
