// SPDX-License-Identifier: GPL-3.0-or-later
// Faults on demand for the tests of the atomic write, loaded into a program with LD_PRELOAD.
//
//   SPINTARO_GUASTO=funzione:n:ERRORE   the n-th call (from 1) of open, write, fdatasync, close
//                                       or rename fails with that errno (EIO, ENOSPC, ...);
//   SPINTARO_GUASTO_CORTO=1             every write writes at most 3 bytes (a short write);
//   SPINTARO_GUASTO_TRACCIA=file        each fault made adds a line "funzione ERRORE" there.
//
// Only calls on the write's temporary file count: an open or a rename of a name with
// "/.spintaro-" in it, and write, fdatasync and close of the descriptor such an open returned.
// Everything else passes straight to the system. Counters live in this library for the one
// process: that is the point of an interposed library.
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace {

std::atomic<int> descrittore{-1}; // the temporary file's, once opened
std::atomic<int> chiamate[5];     // per function below

enum Funzione { Open, Write, Fdatasync, Close, Rename };
constexpr const char* NomiFunzioni[] = {"open", "write", "fdatasync", "close", "rename"};

struct Errore {
    const char* nome;
    int numero;
};
constexpr Errore Errori[] = {{"EIO", EIO},     {"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT},
                             {"EROFS", EROFS}, {"EACCES", EACCES}, {"EXDEV", EXDEV},
                             {"EFBIG", EFBIG}, {"EPERM", EPERM},   {"EBADE", EBADE}};

template <typename F> F reale(const char* nome) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, nome));
}

bool temporaneo(const char* percorso) {
    return percorso != nullptr && std::strstr(percorso, "/.spintaro-") != nullptr;
}

void traccia(const char* funzione, const char* errore) {
    const char* file = std::getenv("SPINTARO_GUASTO_TRACCIA");
    if (file == nullptr)
        return;
    static auto apri = reale<int (*)(const char*, int, ...)>("open");
    static auto scrivi = reale<ssize_t (*)(int, const void*, size_t)>("write");
    static auto chiudi = reale<int (*)(int)>("close");
    const int fd = apri(file, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const std::string riga = std::string(funzione) + " " + errore + "\n";
    (void)!scrivi(fd, riga.data(), riga.size());
    chiudi(fd);
}

// True when this call of the function is the one to fail; errno is then set.
bool guasto(Funzione f) {
    const int n = ++chiamate[f];
    const char* g = std::getenv("SPINTARO_GUASTO");
    if (g == nullptr)
        return false;
    const std::string testo = g;
    const auto a = testo.find(':'), b = testo.rfind(':');
    if (a == std::string::npos || b == a || testo.substr(0, a) != NomiFunzioni[f] ||
        std::atoi(testo.c_str() + a + 1) != n)
        return false;
    const std::string nome = testo.substr(b + 1);
    for (const Errore& e : Errori)
        if (nome == e.nome) {
            traccia(NomiFunzioni[f], e.nome);
            errno = e.numero;
            return true;
        }
    return false;
}

int apriCon(int (*sistema)(const char*, int, ...), const char* percorso, int flag, mode_t modo) {
    if (temporaneo(percorso) && guasto(Open))
        return -1;
    const int fd = sistema(percorso, flag, modo);
    if (fd >= 0 && temporaneo(percorso))
        descrittore = fd;
    return fd;
}

int apriInCon(int (*sistema)(int, const char*, int, ...), int cartella, const char* percorso,
              int flag, mode_t modo) {
    if (temporaneo(percorso) && guasto(Open))
        return -1;
    const int fd = sistema(cartella, percorso, flag, modo);
    if (fd >= 0 && temporaneo(percorso))
        descrittore = fd;
    return fd;
}

mode_t modoDi(int flag, va_list& argomenti) {
    return (flag & O_CREAT) != 0 || (flag & O_TMPFILE) == O_TMPFILE
               ? static_cast<mode_t>(va_arg(argomenti, unsigned int))
               : 0;
}

} // namespace

extern "C" {

int open(const char* percorso, int flag, ...) {
    va_list a;
    va_start(a, flag);
    const mode_t modo = modoDi(flag, a);
    va_end(a);
    static auto sistema = reale<int (*)(const char*, int, ...)>("open");
    return apriCon(sistema, percorso, flag, modo);
}

int open64(const char* percorso, int flag, ...) {
    va_list a;
    va_start(a, flag);
    const mode_t modo = modoDi(flag, a);
    va_end(a);
    static auto sistema = reale<int (*)(const char*, int, ...)>("open64");
    return apriCon(sistema, percorso, flag, modo);
}

int openat(int cartella, const char* percorso, int flag, ...) {
    va_list a;
    va_start(a, flag);
    const mode_t modo = modoDi(flag, a);
    va_end(a);
    static auto sistema = reale<int (*)(int, const char*, int, ...)>("openat");
    return apriInCon(sistema, cartella, percorso, flag, modo);
}

int openat64(int cartella, const char* percorso, int flag, ...) {
    va_list a;
    va_start(a, flag);
    const mode_t modo = modoDi(flag, a);
    va_end(a);
    static auto sistema = reale<int (*)(int, const char*, int, ...)>("openat64");
    return apriInCon(sistema, cartella, percorso, flag, modo);
}

ssize_t write(int fd, const void* dati, size_t n) {
    static auto sistema = reale<ssize_t (*)(int, const void*, size_t)>("write");
    if (fd == descrittore && fd >= 0) {
        if (guasto(Write))
            return -1;
        if (std::getenv("SPINTARO_GUASTO_CORTO") != nullptr && n > 3)
            n = 3;
    }
    return sistema(fd, dati, n);
}

int fdatasync(int fd) {
    static auto sistema = reale<int (*)(int)>("fdatasync");
    if (fd == descrittore && fd >= 0 && guasto(Fdatasync))
        return -1;
    return sistema(fd);
}

int close(int fd) {
    static auto sistema = reale<int (*)(int)>("close");
    if (fd == descrittore && fd >= 0) {
        descrittore = -1;
        if (guasto(Close)) {
            const int numero = errno;
            sistema(fd); // the descriptor is gone all the same, as after a real failed close
            errno = numero;
            return -1;
        }
    }
    return sistema(fd);
}

int rename(const char* da, const char* a) {
    static auto sistema = reale<int (*)(const char*, const char*)>("rename");
    if (temporaneo(da) && guasto(Rename))
        return -1;
    return sistema(da, a);
}

} // extern "C"
