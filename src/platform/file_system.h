// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace spintaro {

// The outcome of a file operation; messaggio is Italian and explains why it failed.
struct EsitoFile {
    bool ok = false;
    QString messaggio;
};

// Writes the bytes to the path as a whole: into a temporary file in the same folder, flushed to
// disk, then renamed over the target. When anything fails the previous file is left intact and
// no partial file stays behind.
EsitoFile scriviFileAtomico(const QString& percorso, const std::string& byte);

// A file's full path as a user should read it in a message (empty for an empty name).
QString percorsoPerMessaggio(const QString& nome);

// Reads a whole file (up to a limit far above any project file).
struct LetturaFile {
    bool ok = false;
    std::string byte;
    QString messaggio;
};
LetturaFile leggiFile(const QString& percorso);

} // namespace spintaro
