// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_system.h"

#include "files/motivi_errore.h"
#include "text/citazioni.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace spintaro {

namespace {

// Largest file read: a full project is under 2 KB; anything this large is not a project.
constexpr off_t LimiteLettura = off_t{16} * 1024 * 1024;

// The most symbolic links followed from a name to the file it stands for, as the system does.
constexpr int MassimoCollegamenti = 40;

const char* const NomeVuoto = "il nome del file è vuoto";
const char* const NomeNonValido = "il nome del file contiene caratteri non validi (come "
                                  "«\xEF\xBF\xBD»), che non indicano un file "
                                  "preciso: rinominare il file o sceglierne un altro";

struct Esito {
    bool ok = false;
    std::string messaggio;
};

Esito fallito(std::string messaggio) {
    return Esito{false, std::move(messaggio)};
}

TipoFile tipoDi(mode_t modo) {
    if (S_ISDIR(modo))
        return TipoFile::Cartella;
    if (S_ISFIFO(modo))
        return TipoFile::Pipe;
    if (S_ISSOCK(modo))
        return TipoFile::Socket;
    if (S_ISCHR(modo))
        return TipoFile::DispositivoCaratteri;
    if (S_ISBLK(modo))
        return TipoFile::DispositivoBlocchi;
    return TipoFile::Altro;
}

// The folder part of a path: "." for a bare name, "/" for a name in the root.
std::string cartellaDi(const std::string& percorso) {
    const auto barra = percorso.find_last_of('/');
    if (barra == std::string::npos)
        return ".";
    return barra == 0 ? "/" : percorso.substr(0, barra);
}

// Follows symbolic links from the name to the file it stands for, which may not exist yet
// (then esiste is false). Returns 0 or the errno that stopped the walk.
int risolvi(std::string& percorso, struct stat& st, bool& esiste) {
    for (int salti = 0; salti <= MassimoCollegamenti; ++salti) {
        if (::lstat(percorso.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return errno;
            esiste = false;
            return 0;
        }
        if (!S_ISLNK(st.st_mode)) {
            esiste = true;
            return 0;
        }
        std::string destinazione(
            static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
        for (;;) {
            const ssize_t n =
                ::readlink(percorso.c_str(), destinazione.data(), destinazione.size());
            if (n < 0)
                return errno;
            if (static_cast<std::size_t>(n) < destinazione.size()) {
                destinazione.resize(static_cast<std::size_t>(n));
                break;
            }
            destinazione.resize(destinazione.size() * 2); // the link changed meanwhile
        }
        percorso = !destinazione.empty() && destinazione.front() == '/'
                       ? destinazione
                       : cartellaDi(percorso) + "/" + destinazione;
    }
    return ELOOP;
}

// A new name for the temporary file: short, so that a target whose name is near the system's
// limit can still be replaced; hidden, so that the file lists do not show it meanwhile.
std::string nomeTemporaneo(const std::string& cartella, std::random_device& caso) {
    static constexpr char Lettere[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string nome = cartella + "/.spintaro-";
    std::uniform_int_distribution<std::size_t> scelta(0, sizeof Lettere - 2);
    for (int i = 0; i < 6; ++i)
        nome += Lettere[scelta(caso)];
    return nome;
}

Esito scrivi(const std::string& nome, const std::string& byte) {
    if (nome.empty())
        return fallito(NomeVuoto);
    if (nome.find('\0') != std::string::npos)
        return fallito(NomeNonValido);
    std::string destinazione = nome;
    struct stat st {};
    bool esiste = false;
    if (const int numero = risolvi(destinazione, st, esiste); numero != 0)
        return fallito(motivoErrore(numero, Operazione::Scrittura));
    // A pipe or a device is never opened: opening a pipe with no reader would wait for ever.
    if (esiste && !S_ISREG(st.st_mode))
        return fallito(motivoNonFileNormale(tipoDi(st.st_mode), Operazione::Scrittura));

    const std::string cartella = cartellaDi(destinazione);
    const mode_t modo = esiste ? (st.st_mode & 0777) : 0666; // 0666 less the umask when new
    std::random_device caso;
    std::string temporaneo;
    int fd = -1;
    for (int tentativo = 0; tentativo < 100 && fd < 0; ++tentativo) {
        temporaneo = nomeTemporaneo(cartella, caso);
        fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modo);
        if (fd < 0 && errno != EEXIST)
            return fallito(motivoErrore(errno, Operazione::Scrittura));
    }
    if (fd < 0)
        return fallito(motivoErrore(EEXIST, Operazione::Scrittura));
    // The temporary goes, and the reason for the user (taken before anything resets errno).
    auto annulla = [&](std::string motivo) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporaneo.c_str());
        return fallito(std::move(motivo));
    };
    auto perche = [](int numero) {
        return motivoErrore(numero, Operazione::Scrittura);
    };
    // Renaming over a file needs no right on the file itself: one protected from writing is kept,
    // as its owner wants. (Checked once the folder has taken the temporary: a folder that cannot
    // be written is the first reason.)
    if (esiste && ::faccessat(AT_FDCWD, destinazione.c_str(), W_OK, AT_EACCESS) != 0)
        return annulla(errno == EACCES ? "il file esistente è protetto da scrittura"
                                       : perche(errno));
    if (esiste) {
        // The replaced file keeps its owner and permissions where the system allows it; a file
        // system that has no such notion (FAT) does not fail the save for it.
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid())
            (void)!::fchown(fd, st.st_uid, st.st_gid);
        (void)::fchmod(fd, modo);
    }
    for (std::size_t scritti = 0; scritti < byte.size();) {
        const ssize_t n = ::write(fd, byte.data() + scritti, byte.size() - scritti);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return annulla(perche(n < 0 ? errno : ENOSPC));
        scritti += static_cast<std::size_t>(n); // a short write goes on with the rest
    }
    // Only data on the disk may replace the old file: a failed sync fails the save.
    if (::fdatasync(fd) != 0)
        return annulla(perche(errno));
    const int chiuso = ::close(fd);
    fd = -1;
    if (chiuso != 0)
        return annulla(perche(errno));
    if (::rename(temporaneo.c_str(), destinazione.c_str()) != 0)
        return annulla(perche(errno));
    // The new name on the disk too; a folder that cannot be synced still holds the new file.
    if (const int d = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); d >= 0) {
        (void)::fsync(d);
        ::close(d);
    }
    return Esito{true, {}};
}

Esito rimuovi(const std::string& nome) {
    if (nome.empty())
        return fallito(NomeVuoto);
    if (nome.find('\0') != std::string::npos)
        return fallito(NomeNonValido);
    struct stat st {};
    if (::lstat(nome.c_str(), &st) != 0)
        return errno == ENOENT ? Esito{true, {}}
                               : fallito(motivoErrore(errno, Operazione::Scrittura));
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return fallito(motivoNonFileNormale(tipoDi(st.st_mode), Operazione::Scrittura));
    if (::unlink(nome.c_str()) != 0 && errno != ENOENT)
        return fallito(motivoErrore(errno, Operazione::Scrittura));
    if (const int d = ::open(cartellaDi(nome).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        d >= 0) {
        (void)::fsync(d);
        ::close(d);
    }
    return Esito{true, {}};
}

struct Lettura {
    bool ok = false;
    std::string byte;
    std::string messaggio;
    bool manca = false;
};

Lettura leggi(const std::string& nome) {
    Lettura esito;
    if (nome.empty()) {
        esito.messaggio = NomeVuoto;
        return esito;
    }
    if (nome.find('\0') != std::string::npos) {
        esito.messaggio = NomeNonValido;
        return esito;
    }
    // What stands under the name is looked at before it is opened (a device is never opened),
    // then again on the open file, which may have been swapped meanwhile. Opened without
    // waiting, so that a pipe swapped in cannot block.
    struct stat st {};
    if (::stat(nome.c_str(), &st) != 0) {
        esito.manca = errno == ENOENT;
        esito.messaggio = motivoErrore(errno, Operazione::Lettura);
        return esito;
    }
    if (!S_ISREG(st.st_mode)) {
        esito.messaggio = motivoNonFileNormale(tipoDi(st.st_mode), Operazione::Lettura);
        return esito;
    }
    const int fd = ::open(nome.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        esito.messaggio = motivoErrore(errno, Operazione::Lettura);
        return esito;
    }
    auto chiudi = [&](std::string messaggio) {
        ::close(fd);
        esito.messaggio = std::move(messaggio);
        esito.byte.clear();
        return esito;
    };
    if (::fstat(fd, &st) != 0)
        return chiudi(motivoErrore(errno, Operazione::Lettura));
    if (!S_ISREG(st.st_mode))
        return chiudi(motivoNonFileNormale(tipoDi(st.st_mode), Operazione::Lettura));
    if (const int flag = ::fcntl(fd, F_GETFL);
        flag == -1 || ::fcntl(fd, F_SETFL, flag & ~O_NONBLOCK) == -1)
        return chiudi(motivoErrore(errno, Operazione::Lettura));
    const char* const TroppoGrande = "il file è troppo grande per essere un progetto";
    if (st.st_size > LimiteLettura)
        return chiudi(TroppoGrande);
    esito.byte.reserve(static_cast<std::size_t>(st.st_size));
    char blocco[65536];
    for (;;) {
        const ssize_t n = ::read(fd, blocco, sizeof blocco);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return chiudi(motivoErrore(errno, Operazione::Lettura));
        if (n == 0)
            break;
        esito.byte.append(blocco, static_cast<std::size_t>(n));
        if (esito.byte.size() > static_cast<std::size_t>(LimiteLettura))
            return chiudi(TroppoGrande); // it grew while being read
    }
    ::close(fd);
    esito.ok = true;
    return esito;
}

EsitoFile inQt(const Esito& e) {
    return EsitoFile{e.ok, QString::fromStdString(e.messaggio)};
}

LetturaFile inQt(Lettura&& l) {
    return LetturaFile{l.ok, std::move(l.byte), QString::fromStdString(l.messaggio), l.manca};
}

} // namespace

std::optional<PercorsoFile> codificaNome(const QString& nome) {
    if (nome.contains(QChar::ReplacementCharacter) || nome.contains(QChar(u'\0')))
        return std::nullopt;
    const QByteArray byte = QFile::encodeName(nome);
    if (QFile::decodeName(byte) != nome)
        return std::nullopt;
    return PercorsoFile{byte.toStdString()};
}

EsitoFile scriviFileAtomico(const PercorsoFile& percorso, const std::string& byte) {
    return inQt(scrivi(percorso.byte, byte));
}

EsitoFile scriviFileAtomico(const QString& percorso, const std::string& byte) {
    const auto codificato = codificaNome(percorso);
    if (!codificato)
        return EsitoFile{false, QString::fromUtf8(NomeNonValido)};
    return scriviFileAtomico(*codificato, byte);
}

EsitoFile rimuoviFile(const PercorsoFile& percorso) {
    return inQt(rimuovi(percorso.byte));
}

EsitoFile rimuoviFile(const QString& percorso) {
    const auto codificato = codificaNome(percorso);
    if (!codificato)
        return EsitoFile{false, QString::fromUtf8(NomeNonValido)};
    return rimuoviFile(*codificato);
}

LetturaFile leggiFile(const PercorsoFile& percorso) {
    return inQt(leggi(percorso.byte));
}

LetturaFile leggiFile(const QString& percorso) {
    const auto codificato = codificaNome(percorso);
    if (!codificato)
        return LetturaFile{false, {}, QString::fromUtf8(NomeNonValido)};
    return leggiFile(*codificato);
}

QString percorsoPerMessaggio(const QString& nome) {
    if (nome.isEmpty())
        return nome;
    return QString::fromStdString(citaPercorso(QFileInfo(nome).absoluteFilePath().toStdString()));
}

QString percorsoPerMessaggio(const PercorsoFile& nome) {
    if (nome.byte.empty() || nome.byte.front() == '/')
        return QString::fromStdString(citaPercorso(nome.byte));
    std::string assoluto;
    if (char* cartella = ::getcwd(nullptr, 0); cartella != nullptr) {
        assoluto = cartella;
        std::free(cartella);
    }
    if (assoluto.empty() || assoluto.back() != '/')
        assoluto += '/';
    return QString::fromStdString(citaPercorso(assoluto + nome.byte));
}

bool entraNellaCartellaDi(const PercorsoFile& file) {
    return ::chdir(cartellaDi(file.byte).c_str()) == 0;
}

} // namespace spintaro
