// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace spintaro {

namespace {

// Largest file read: a full project is under 2 KB; anything this large is not a project.
constexpr qint64 LimiteLettura = qint64{16} * 1024 * 1024;

// Why a file in that folder cannot be created or replaced, from the folder's state.
QString motivoCartella(const QString& percorso) {
    const QFileInfo file(percorso);
    const QFileInfo cartella(file.absolutePath());
    if (percorso.isEmpty())
        return QStringLiteral("il nome del file è vuoto");
    if (!cartella.exists())
        return QStringLiteral("la cartella «%1» non esiste")
            .arg(QDir::toNativeSeparators(cartella.filePath()));
    if (!cartella.isDir())
        return QStringLiteral("«%1» non è una cartella")
            .arg(QDir::toNativeSeparators(cartella.filePath()));
    if (file.isDir())
        return QStringLiteral("esiste già una cartella con questo nome");
    if (!cartella.isWritable())
        return QStringLiteral("non si hanno i permessi per scrivere nella cartella «%1»")
            .arg(QDir::toNativeSeparators(cartella.filePath()));
    if (file.exists() && !file.isWritable())
        return QStringLiteral("il file esistente è protetto da scrittura");
    return {};
}

QString motivoDiscoPieno(const QFileDevice& file) {
    return QStringLiteral("scrittura non riuscita (disco pieno?): %1").arg(file.errorString());
}

// A device or a pipe cannot be replaced by renaming a temporary over it: write into it directly.
EsitoFile scriviDiretto(const QString& percorso, const std::string& byte) {
    EsitoFile esito;
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly)) {
        esito.messaggio = file.errorString();
        return esito;
    }
    const auto scritti = file.write(byte.data(), static_cast<qint64>(byte.size()));
    if (scritti != static_cast<qint64>(byte.size()) || !file.flush()) {
        esito.messaggio = motivoDiscoPieno(file);
        return esito;
    }
    esito.ok = true;
    return esito;
}

} // namespace

EsitoFile scriviFileAtomico(const QString& percorso, const std::string& byte) {
    EsitoFile esito;
    if (const QString motivo = motivoCartella(percorso); !motivo.isEmpty()) {
        esito.messaggio = motivo;
        return esito;
    }
    if (const QFileInfo info(percorso); info.exists() && !info.isFile())
        return scriviDiretto(percorso, byte);
    QSaveFile file(percorso);
    // Unbuffered: every byte reaches the temporary file inside write(), so a disk that fills up
    // shows as a short write here. Through the buffer, a small content would only be written by
    // commit(), which renames the truncated temporary over the old file all the same.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QString motivo = motivoCartella(percorso);
        esito.messaggio = motivo.isEmpty() ? file.errorString() : motivo;
        return esito;
    }
    const auto scritti = file.write(byte.data(), static_cast<qint64>(byte.size()));
    if (scritti != static_cast<qint64>(byte.size())) {
        esito.messaggio = motivoDiscoPieno(file);
        file.cancelWriting();
        return esito;
    }
    if (!file.commit()) {
        esito.messaggio = motivoDiscoPieno(file);
        return esito;
    }
    esito.ok = true;
    return esito;
}

QString percorsoPerMessaggio(const QString& nome) {
    if (nome.isEmpty())
        return nome;
    return QDir::toNativeSeparators(QFileInfo(nome).absoluteFilePath());
}

LetturaFile leggiFile(const QString& percorso) {
    LetturaFile esito;
    if (percorso.isEmpty()) {
        esito.messaggio = QStringLiteral("il nome del file è vuoto");
        return esito;
    }
    const QFileInfo info(percorso);
    if (!info.exists()) {
        esito.messaggio = QStringLiteral("il file non esiste");
        return esito;
    }
    if (info.isDir()) {
        esito.messaggio = QStringLiteral("è una cartella, non un file");
        return esito;
    }
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        // QFile reports a refused open as a generic open error with the system's English text:
        // the file's own permissions tell the user's reason.
        esito.messaggio = file.error() == QFileDevice::PermissionsError || !info.isReadable()
                              ? QStringLiteral("non si hanno i permessi per leggere il file")
                              : file.errorString();
        return esito;
    }
    const QByteArray dati = file.read(LimiteLettura + 1);
    if (file.error() != QFileDevice::NoError) {
        esito.messaggio = file.errorString();
        return esito;
    }
    if (dati.size() > LimiteLettura) {
        esito.messaggio = QStringLiteral("il file è troppo grande per essere un progetto");
        return esito;
    }
    esito.byte.assign(dati.constData(), static_cast<std::size_t>(dati.size()));
    esito.ok = true;
    return esito;
}

} // namespace spintaro
