// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/motivi_errore.h"

#include <cerrno>
#include <cstring>

namespace spintaro {

namespace {

struct Motivo {
    int numero;
    const char* lettura;
    const char* scrittura; // null: as for reading
};

// One sentence per error a file operation meets in practice. A read-only file system is not a
// question of permissions, and a full disk is said only when the system says so.
constexpr Motivo Motivi[] = {
    {ENOENT, "il file non esiste", "la cartella non esiste"},
    {ENOTDIR, "una parte del percorso non è una cartella", nullptr},
    {EISDIR, "è una cartella, non un file", "esiste già una cartella con questo nome"},
    {EACCES, "non si hanno i permessi per leggere il file",
     "non si hanno i permessi per scrivere in questa cartella"},
    {EPERM, "il sistema non permette di leggere il file",
     "il sistema non permette di scrivere questo file"},
    {EROFS, "il disco è montato in sola lettura",
     "il disco è in sola lettura: non vi si può scrivere"},
    {ENOSPC, "non c'è più spazio sul disco", nullptr},
    {EDQUOT, "è esaurito lo spazio disco assegnato all'utente (quota)", nullptr},
    {EFBIG, "il file supera la dimensione massima consentita", nullptr},
    {ENAMETOOLONG, "il nome del file o del percorso è troppo lungo", nullptr},
    {ELOOP, "il percorso contiene troppi collegamenti simbolici (forse un collegamento circolare)",
     nullptr},
    {EIO, "errore di lettura del disco (il supporto potrebbe essere danneggiato o scollegato)",
     "errore di scrittura sul disco (il supporto potrebbe essere danneggiato o scollegato)"},
    {EMFILE, "il programma ha già troppi file aperti", nullptr},
    {ENFILE, "il sistema ha già troppi file aperti", nullptr},
    {EEXIST, "esiste già un file con questo nome", nullptr},
    {ETXTBSY, "il file è in uso da un programma in esecuzione", nullptr},
    {EXDEV, "il file e la sua cartella si trovano su dischi diversi", nullptr},
    {EBUSY, "il file o il disco è occupato da un'altra operazione", nullptr},
    {ENXIO, "il dispositivo non esiste o non è collegato", nullptr},
    {ENODEV, "il dispositivo non esiste o non è collegato", nullptr},
    {EAGAIN, "il file è momentaneamente bloccato da un altro programma", nullptr},
    {ENOMEM, "memoria insufficiente", nullptr},
};

} // namespace

std::string motivoErrore(int numero, Operazione operazione) {
    for (const Motivo& m : Motivi)
        if (m.numero == numero)
            return operazione == Operazione::Scrittura && m.scrittura != nullptr ? m.scrittura
                                                                                 : m.lettura;
    const char* sistema = std::strerror(numero);
    return std::string(operazione == Operazione::Lettura ? "lettura non riuscita"
                                                         : "scrittura non riuscita") +
           " per un errore del sistema n. " + std::to_string(numero) + " (" +
           (sistema != nullptr ? sistema : "") + ")";
}

std::string motivoNonFileNormale(TipoFile tipo, Operazione operazione) {
    if (tipo == TipoFile::Cartella)
        return operazione == Operazione::Lettura ? "è una cartella, non un file"
                                                 : "esiste già una cartella con questo nome";
    const char* cosa = tipo == TipoFile::Pipe                   ? "una pipe con nome"
                       : tipo == TipoFile::Socket               ? "un socket"
                       : tipo == TipoFile::DispositivoCaratteri ? "un dispositivo a caratteri"
                       : tipo == TipoFile::DispositivoBlocchi   ? "un dispositivo a blocchi"
                                                                : "un file speciale";
    return std::string("non è un file normale (è ") + cosa + "): il programma " +
           (operazione == Operazione::Lettura ? "legge" : "scrive") + " solo file normali";
}

} // namespace spintaro
