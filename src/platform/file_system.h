// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace spintaro {

// A file's path as the bytes the file system sees: a command-line argument as given, or a name
// from a window encoded by codificaNome. No conversion ever touches it.
struct PercorsoFile {
    std::string byte;
};

// The bytes for a name typed or shown in a window (QFile::encodeName). Empty when they would
// name another file than the one shown: a name with U+FFFD (bytes that were not UTF-8 when the
// folder was listed), a NUL, or text that does not come back the same from its bytes.
std::optional<PercorsoFile> codificaNome(const QString& nome);

// The outcome of a file operation; messaggio is Italian and explains why it failed.
struct EsitoFile {
    bool ok = false;
    QString messaggio;
};

// Writes the bytes to the path as a whole: into a temporary file with a short name in the same
// folder, flushed to the disk, then renamed over the target. Only plain files are written: a
// folder, a pipe, a socket or a device under the name is refused without opening it. A symbolic
// link is written through (the link stays, the file it names is replaced); an existing file
// keeps its permissions, a new one gets 0666 less the umask. When anything fails, the sync to
// the disk included, the previous file is left intact and no temporary file stays behind.
EsitoFile scriviFileAtomico(const PercorsoFile& percorso, const std::string& byte);
// The same for a name from a window (refused, with a message, when codificaNome refuses it).
EsitoFile scriviFileAtomico(const QString& percorso, const std::string& byte);

// Removes a plain file (or the symbolic link under the name); nothing under the name is fine. A
// folder, a pipe, a socket or a device is refused and left as it is.
EsitoFile rimuoviFile(const PercorsoFile& percorso);
EsitoFile rimuoviFile(const QString& percorso);

// Reads a whole plain file (a symbolic link to one is fine), up to a limit far above any project
// file. Anything else is refused before a byte is read and without waiting: a pipe with no
// writer, a socket or a device never blocks the program.
struct LetturaFile {
    bool ok = false;
    std::string byte;
    QString messaggio;
    bool manca = false; // nothing stands under the name
};
LetturaFile leggiFile(const PercorsoFile& percorso);
LetturaFile leggiFile(const QString& percorso);

// A file's absolute path as a message quotes it: at most a few dozen characters, keeping the
// end ("…/cartella/nome.spt"), bytes that are not UTF-8 and control characters shown as "�".
// Empty for an empty name.
QString percorsoPerMessaggio(const QString& nome);
QString percorsoPerMessaggio(const PercorsoFile& nome);

// Makes the folder that holds the file the working directory; false when it cannot.
bool entraNellaCartellaDi(const PercorsoFile& file);

} // namespace spintaro
