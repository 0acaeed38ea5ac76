// SPDX-License-Identifier: GPL-3.0-or-later
// The leak check at exit over a dynamic TLS block in every place of a page (ARCHITECTURE.md, "Proof
// under abuse"): child k allocates k blocks of its size, loads the module (argv[1]), takes its
// block and exits with 11 when the block lies 16 bytes past a page, else 10. A failed leak check
// exits with another status.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

void* tenuti[128]; // reachable to the end

int main(int argc, char** argv) {
    int falliti = 0, alBordo = 0;
    for (int k = 0; k < 128 && argc == 2; ++k) {
        std::fflush(nullptr);
        if (fork() == 0) {
            for (int i = 0; i < k; ++i)
                tenuti[i] = std::malloc(40);
            void* modulo = dlopen(argv[1], RTLD_NOW);
            void* simbolo = modulo != nullptr ? dlsym(modulo, "bloccoTls") : nullptr;
            if (simbolo == nullptr)
                std::_Exit(2);
            const auto blocco =
                reinterpret_cast<std::uintptr_t>(reinterpret_cast<char* (*)()>(simbolo)());
            std::exit(blocco % 4096 == 16 ? 11 : 10);
        }
        int stato = 0;
        wait(&stato);
        const int uscita = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
        alBordo += uscita == 11;
        if (uscita != 10 && uscita != 11)
            std::printf("k = %d: stato %d\n", k, stato), ++falliti;
    }
    std::printf("%d figli falliti su 128, %d col blocco al bordo\n", falliti, alBordo);
    return argc == 2 && falliti == 0 && alBordo > 0 ? 0 : 1;
}
