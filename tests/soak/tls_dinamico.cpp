// SPDX-License-Identifier: GPL-3.0-or-later
// The leak check at exit with a dynamic TLS block in every place of a page: 128 children each
// allocate k blocks of its size (k = 0..127), load the module (argv[1]) and take its block, then
// exit. Every child must end with status 0, and at least one must have had its block 16 bytes past
// a page boundary, the place where the sanitizer runtime's guess at old glibc TLS headers made the
// leak check's tracer fault (tests/CMakeLists.txt).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void* tenuti[128]; // reachable to the end: no leak of their own

// Says on the pipe whether the block lies 16 bytes past a page boundary, then exits through the
// leak check.
[[noreturn]] void figlio(const char* modulo, int k, int uscita) {
    for (int i = 0; i < k; ++i)
        tenuti[i] = std::malloc(40);
    void* libreria = dlopen(modulo, RTLD_NOW);
    auto* blocco =
        libreria == nullptr ? nullptr : reinterpret_cast<char* (*)()>(dlsym(libreria, "bloccoTls"));
    if (blocco == nullptr)
        std::_Exit(2);
    const char alBordo = reinterpret_cast<std::uintptr_t>(blocco()) % 4096 == 16 ? '1' : '0';
    if (write(uscita, &alBordo, 1) != 1)
        std::_Exit(2);
    std::exit(0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    int falliti = 0, alBordo = 0;
    for (int k = 0; k < 128; ++k) {
        int fd[2];
        if (pipe(fd) != 0)
            return 2;
        std::fflush(nullptr); // the child's exit would write the parent's lines again
        const pid_t pid = fork();
        if (pid == 0) {
            close(fd[0]);
            figlio(argv[1], k, fd[1]);
        }
        close(fd[1]);
        char alBordoQui = '0';
        if (read(fd[0], &alBordoQui, 1) == 1 && alBordoQui == '1')
            ++alBordo;
        int stato = 0;
        waitpid(pid, &stato, 0);
        close(fd[0]);
        if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0) {
            ++falliti;
            std::printf("k = %d: stato %d\n", k, stato);
        }
    }
    std::printf("%d figli falliti su 128, %d col blocco al bordo\n", falliti, alBordo);
    return falliti == 0 && alBordo > 0 ? 0 : 1;
}
