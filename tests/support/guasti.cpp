// SPDX-License-Identifier: GPL-3.0-or-later
// Faults on demand for the tests of the file operations, loaded into a program with LD_PRELOAD.
//
//   SPINTARO_GUASTO=funzione:n:ERRORE   the n-th call (from 1) of open, write, fdatasync, close,
//                                       rename, stat, fstat, fcntl, read, faccessat or readlink
//                                       fails with that errno (EIO, ENOSPC, EROFS, EXDEV, EACCES,
//                                       EMFILE, EINTR, EEXIST), n = 0 every call; with ZERO
//                                       that write returns 0 instead; two races: with PIPA that
//                                       fstat finds a pipe, with SENZAFINE that read and every
//                                       read after it fill the buffer (the file grows);
//   SPINTARO_GUASTO_NOME=testo          the calls on names with testo in them count, instead of
//                                       those on the write's temporary file ("/.spintaro-");
//   SPINTARO_GUASTO_CORTO=1             every write writes at most 3 bytes (a short write);
//   SPINTARO_GUASTO_TRACCIA=file        each fault made adds a line "funzione ERRORE" there.
//
// Only calls on the chosen file count: an open, rename, stat, faccessat or readlink of its name,
// and write, fdatasync, close, fstat, fcntl and read of the descriptor such an open returned.
// Everything else passes straight to the system. The program calls open, stat and fcntl, not
// open64, openat, statx or fcntl64: a fault that is never made shows in the trace, so a test
// notices if that changes.
#undef _FORTIFY_SOURCE // its inline read and readlink would stand in the way of these
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<int> descrittore{-1};        // the chosen file's, once opened
std::atomic<bool> senzaFine{false};      // SENZAFINE made: the file grows without end
constexpr int Pipa = -1, SenzaFine = -2; // the races, in place of an errno
constexpr const char* NomiFunzioni[] = {"open",   "write",     "fdatasync", "close",
                                        "rename", "stat",      "fstat",     "fcntl",
                                        "read",   "faccessat", "readlink"};
std::atomic<int> chiamate[std::size(NomiFunzioni)]; // per function, in the order above

template <typename F> F reale(const char* nome) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, nome));
}

bool scelto(const char* percorso) {
    const char* nome = std::getenv("SPINTARO_GUASTO_NOME");
    return percorso != nullptr &&
           std::strstr(percorso, nome != nullptr && *nome != '\0' ? nome : "/.spintaro-") !=
               nullptr;
}

bool sulDescrittore(int fd) {
    return fd == descrittore && fd >= 0;
}

// True when this call of the function is the one to fail; errno is then set and the fault traced.
bool guasto(const char* nome) {
    std::size_t f = 0;
    while (std::strcmp(NomiFunzioni[f], nome) != 0)
        ++f;
    const int n = ++chiamate[f];
    const char* g = std::getenv("SPINTARO_GUASTO");
    char funzione[16], errore[16];
    int k = 0;
    if (g == nullptr || std::sscanf(g, "%15[a-z]:%d:%15s", funzione, &k, errore) != 3 ||
        (k != 0 && k != n) || std::strcmp(funzione, nome) != 0)
        return false;
    constexpr struct {
        const char* nome;
        int numero;
    } Errori[] = {{"EIO", EIO},     {"ENOSPC", ENOSPC},      {"EROFS", EROFS},
                  {"EXDEV", EXDEV}, {"EACCES", EACCES},      {"EMFILE", EMFILE},
                  {"EINTR", EINTR}, {"EEXIST", EEXIST},      {"ZERO", 0},
                  {"PIPA", Pipa},   {"SENZAFINE", SenzaFine}};
    for (const auto& e : Errori)
        if (std::strcmp(errore, e.nome) == 0) {
            if (const char* traccia = std::getenv("SPINTARO_GUASTO_TRACCIA"))
                if (std::FILE* t = std::fopen(traccia, "a")) {
                    std::fprintf(t, "%s %s\n", funzione, errore);
                    std::fclose(t);
                }
            errno = e.numero;
            return true;
        }
    return false;
}

} // namespace

extern "C" {

int open(const char* percorso, int flag, ...) {
    va_list a;
    va_start(a, flag);
    const mode_t modo = (flag & O_CREAT) != 0 || (flag & O_TMPFILE) == O_TMPFILE
                            ? static_cast<mode_t>(va_arg(a, unsigned int))
                            : 0;
    va_end(a);
    static auto sistema = reale<int (*)(const char*, int, ...)>("open");
    if (scelto(percorso) && guasto("open"))
        return -1;
    const int fd = sistema(percorso, flag, modo);
    if (fd >= 0 && scelto(percorso))
        descrittore = fd;
    return fd;
}

ssize_t write(int fd, const void* dati, size_t n) {
    static auto sistema = reale<ssize_t (*)(int, const void*, size_t)>("write");
    if (sulDescrittore(fd)) {
        if (guasto("write"))
            return errno == 0 ? 0 : -1; // ZERO: nothing written, and no error
        if (std::getenv("SPINTARO_GUASTO_CORTO") != nullptr && n > 3)
            n = 3;
    }
    return sistema(fd, dati, n);
}

int fdatasync(int fd) {
    static auto sistema = reale<int (*)(int)>("fdatasync");
    return sulDescrittore(fd) && guasto("fdatasync") ? -1 : sistema(fd);
}

int close(int fd) {
    static auto sistema = reale<int (*)(int)>("close");
    if (!sulDescrittore(fd))
        return sistema(fd);
    descrittore = -1;
    if (!guasto("close"))
        return sistema(fd);
    const int numero = errno;
    sistema(fd); // the descriptor is gone all the same, as after a real failed close
    errno = numero;
    return -1;
}

int rename(const char* da, const char* a) {
    static auto sistema = reale<int (*)(const char*, const char*)>("rename");
    return scelto(da) && guasto("rename") ? -1 : sistema(da, a);
}

int stat(const char* percorso, struct stat* st) {
    static auto sistema = reale<int (*)(const char*, struct stat*)>("stat");
    return scelto(percorso) && guasto("stat") ? -1 : sistema(percorso, st);
}

int fstat(int fd, struct stat* st) {
    static auto sistema = reale<int (*)(int, struct stat*)>("fstat");
    if (!sulDescrittore(fd) || !guasto("fstat"))
        return sistema(fd, st);
    if (errno != Pipa)
        return -1;
    const int r = sistema(fd, st); // replaced by a pipe between stat and open
    st->st_mode = (st->st_mode & ~S_IFMT) | S_IFIFO;
    return r;
}

int fcntl(int fd, int comando, ...) {
    va_list a;
    va_start(a, comando);
    void* argomento = va_arg(a, void*); // what the system takes, whatever the command
    va_end(a);
    static auto sistema = reale<int (*)(int, int, ...)>("fcntl");
    return sulDescrittore(fd) && guasto("fcntl") ? -1 : sistema(fd, comando, argomento);
}

ssize_t read(int fd, void* dati, size_t n) {
    static auto sistema = reale<ssize_t (*)(int, void*, size_t)>("read");
    if (sulDescrittore(fd) && (senzaFine || guasto("read"))) {
        if (!senzaFine && errno != SenzaFine)
            return -1;
        senzaFine = true;
        std::memset(dati, ' ', n);
        return static_cast<ssize_t>(n);
    }
    return sistema(fd, dati, n);
}

int faccessat(int cartella, const char* percorso, int modo, int flag) {
    static auto sistema = reale<int (*)(int, const char*, int, int)>("faccessat");
    return scelto(percorso) && guasto("faccessat") ? -1 : sistema(cartella, percorso, modo, flag);
}

ssize_t readlink(const char* percorso, char* dati, size_t n) {
    static auto sistema = reale<ssize_t (*)(const char*, char*, size_t)>("readlink");
    return scelto(percorso) && guasto("readlink") ? -1 : sistema(percorso, dati, n);
}

} // extern "C"
