// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/modulo_relazione.h"

#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace spintaro {

namespace {

struct ModuloCaricato {
    FunzioneModuloRelazione funzione = nullptr;
    QString motivo; // why there is none
};

ModuloCaricato carica() {
    // The program's own folder, from the link the kernel keeps, so the working directory and
    // PATH play no part.
    const QString cartella = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    const QString nome = QString::fromLatin1(FileModuloRelazione);
    QStringList provati;
    for (const QString& dove :
         {cartella, cartella + QStringLiteral("/" SPINTARO_MODULI_RELATIVI)}) {
        const QString file = QFileInfo(dove + QLatin1Char('/') + nome).absoluteFilePath();
        if (!QFileInfo(file).isFile()) {
            provati.append(file);
            continue;
        }
        QLibrary libreria(file);
        auto* funzione =
            reinterpret_cast<FunzioneModuloRelazione>(libreria.resolve(SimboloModuloRelazione));
        if (funzione == nullptr)
            return {nullptr, QStringLiteral("il modulo della relazione %1 non si carica (%2)")
                                 .arg(file, libreria.errorString())};
        return {funzione, {}}; // left loaded for the life of the process
    }
    return {nullptr, QStringLiteral("manca il modulo della relazione (cercato in %1)")
                         .arg(provati.join(QStringLiteral(", ")))};
}

} // namespace

EsitoFile scriviRelazioneDalModulo(const PercorsoFile& percorso,
                                   const DocumentoRelazione& documento) {
    static const ModuloCaricato modulo = carica();
    if (modulo.funzione == nullptr)
        return {false, modulo.motivo};
    EsitoFile esito;
    modulo.funzione(percorso, documento, esito);
    return esito;
}

} // namespace spintaro
