// SPDX-License-Identifier: GPL-3.0-or-later
// Atomic writes and whole-file reads: plain files only, never a wait, a failed write leaves the
// old file and nothing else; links, permissions, names as bytes. Faults: tests/cli.
#include "platform/file_system.h"
#include "text/citazioni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace spintaro {
namespace {

std::string contenuto(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<assente>";
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

// Written and replaced whole, nothing left beside it. A new file gets 0666 less the umask, a
// replaced one keeps its permissions; a link stays a link, also at the end of a chain of 40 links
// (as many as the system follows), and the file it names gets the content.
TEST(ScriviFileAtomico, FileInteriPermessiECollegamentiConservati) {
    QTemporaryDir dir;
    const mode_t prima = umask(027);
    const bool nuovo = scriviFileAtomico(dir.filePath("n.spt"), "primo\r\n").ok;
    umask(prima);
    ASSERT_TRUE(nuovo);
    EXPECT_EQ(contenuto(dir.filePath("n.spt")), "primo\r\n");
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

    QTemporaryDir catena;
    for (int i = 1; i <= 40; ++i)
        ASSERT_TRUE(QFile::link(i < 40 ? QString::number(i + 1) : vecchio,
                                catena.filePath(QString::number(i))));
    ASSERT_TRUE(scriviFileAtomico(catena.filePath("1"), "quaranta").ok);
    EXPECT_EQ(contenuto(vecchio), "quaranta");
}

// What stands in the way is refused without being opened, and stays as it was.
TEST(ScriviFileAtomico, SoloFileNormaliESenzaAttese) {
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    ASSERT_EQ(symlink("/dev/null", (d + "/null.spt").c_str()), 0);
    ASSERT_EQ(mkdir((d + "/cartella.spt").c_str(), 0755), 0);
    ASSERT_EQ(symlink("giro2", (d + "/giro1").c_str()), 0);
    ASSERT_EQ(symlink("giro1", (d + "/giro2").c_str()), 0);
    ASSERT_TRUE(scriviFileAtomico(dir.filePath("file"), "x").ok);
    const QStringList prima = voci(dir);
    for (const auto& [nome, motivo] :
         {std::pair<std::string, const char*>{
              "null.spt", "non è un file normale (è un dispositivo a caratteri)"},
          {"cartella.spt", "esiste già una cartella con questo nome"},
          {"giro1", "troppi collegamenti simbolici"},
          {"manca/a.spt", "la cartella non esiste"},
          {"file/a.spt", "una parte del percorso non è una cartella"},
          {std::string(256, 'n'), "troppo lungo"},
          {"", "il nome del file è vuoto"}}) {
        const auto esito =
            scriviFileAtomico(PercorsoFile{nome.empty() ? "" : d + "/" + nome}, "nuovo");
        EXPECT_TRUE(!esito.ok && esito.messaggio.contains(QString::fromUtf8(motivo)))
            << esito.messaggio.toStdString();
    }
    // Nor are they removed.
    EXPECT_EQ(rimuoviFile(PercorsoFile{d + "/cartella.spt"}).messaggio.toStdString(),
              "esiste già una cartella con questo nome");
    EXPECT_EQ(rimuoviFile(PercorsoFile{d + "/file/a.spt"}).messaggio.toStdString(),
              "una parte del percorso non è una cartella");
    EXPECT_EQ(voci(dir), prima);
}

// A folder that cannot be written, a file protected from writing: the old file stays, and no
// descriptor is left open. As root the attempt is made by an unprivileged child.
TEST(ScriviFileAtomico, SenzaDirittoDiScritturaRestaIlVecchioFile) {
    for (const auto& [cartella, file, motivo] :
         {std::tuple{0555, 0666, "non si hanno i permessi per scrivere in questa cartella"},
          {0777, 0444, "il file esistente è protetto da scrittura"}}) {
        QTemporaryDir dir;
        const QString p = dir.filePath("a.spt");
        ASSERT_TRUE(scriviFileAtomico(p, "vecchio").ok);
        chmod(QFile::encodeName(p).constData(), static_cast<mode_t>(file));
        chmod(QFile::encodeName(dir.path()).constData(), static_cast<mode_t>(cartella));
        const pid_t figlio = fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(3);
            const int libero = open("/dev/null", O_RDONLY); // the lowest free descriptor
            close(libero);
            const auto esito = scriviFileAtomico(p, "nuovo");
            // Nor is the file removed from a folder that cannot be written, for the same reason.
            const bool tolto = cartella == 0555 && rimuoviFile(p).messaggio != esito.messaggio;
            if (open("/dev/null", O_RDONLY) != libero)
                _exit(4);
            _exit(esito.ok || tolto ? 1 : esito.messaggio == QString::fromUtf8(motivo) ? 0 : 2);
        }
        int stato = 0;
        waitpid(figlio, &stato, 0);
        chmod(QFile::encodeName(dir.path()).constData(), 0700);
        ASSERT_TRUE(WIFEXITED(stato));
        EXPECT_EQ(WEXITSTATUS(stato), 0)
            << motivo << "; 1: written or removed, 2: another message, 3: no other user, 4: a leak";
        EXPECT_EQ(contenuto(p), "vecchio");
        EXPECT_EQ(voci(dir), QStringList{"a.spt"});
    }
}

// From a window, a name with U+FFFD (shown for bytes that are not UTF-8) would name another file
// and a NUL would cut it short.
TEST(CodificaNome, NomiCheIndicherebberoUnAltroFileRifiutati) {
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

TEST(LeggiFile, LeggeFileNormaliECollegamentiERifiutaIlResto) {
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    ASSERT_TRUE(scriviFileAtomico(dir.filePath("b.spt"), std::string("a\0b", 3)).ok);
    ASSERT_TRUE(QFile::link(dir.filePath("b.spt"), dir.filePath("l.spt")));
    EXPECT_EQ(leggiFile(dir.filePath("l.spt")).byte, std::string("a\0b", 3));
    // Just over the limit, as a sparse file.
    ASSERT_EQ(truncate((d + "/b.spt").c_str(), (16 << 20) + 1), 0);
    EXPECT_TRUE(leggiFile(dir.filePath("b.spt")).messaggio.contains("troppo grande"));

    for (const auto& [nome, motivo] :
         {std::pair{"", "è una cartella, non un file"}, std::pair{"manca", "il file non esiste"},
          std::pair{"/proc/self/mem", "errore di lettura del disco"}}) { // a read fails: EIO
        const auto letto = leggiFile(nome[0] == '/' ? QString(nome) : dir.filePath(nome));
        EXPECT_TRUE(!letto.ok && letto.messaggio.contains(QString::fromUtf8(motivo)))
            << letto.messaggio.toStdString();
    }
    EXPECT_TRUE(leggiFile(QString()).messaggio.contains("vuoto"));
}

// A relative name is shown from the working directory.
TEST(PercorsoPerMessaggio, UnNomeRelativoParteDallaCartellaDiLavoro) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const std::string cartella = QDir::currentPath().toStdString(); // links resolved
    EXPECT_EQ(percorsoPerMessaggio(PercorsoFile{"a.spt"}).toStdString(),
              citaPercorso(cartella + "/a.spt"));
}

} // namespace
} // namespace spintaro
