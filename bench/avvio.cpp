// SPDX-License-Identifier: GPL-3.0-or-later
// Measures a GUI program's start-up on an X display: the time from launch until its first
// top-level window is mapped, and the peak memory (maximum resident set) of the process up to
// then. Usage: avvio TITOLO PROGRAMMA [ARGOMENTI...], where TITOLO is the caption of the window
// to wait for; prints "<milliseconds> <kilobytes>".
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("uso: avvio TITOLO PROGRAMMA [ARGOMENTI...]\n", stderr);
        return 2;
    }
    Display* schermo = XOpenDisplay(nullptr);
    if (schermo == nullptr) {
        std::fputs("avvio: nessuno schermo X (DISPLAY)\n", stderr);
        return 2;
    }
    const Window radice = DefaultRootWindow(schermo);
    XSelectInput(schermo, radice, SubstructureNotifyMask);
    XSync(schermo, False);

    const auto inizio = std::chrono::steady_clock::now();
    const pid_t figlio = fork();
    if (figlio == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    // Waits for the top-level window with that caption to be mapped (with no window manager
    // running, top-level windows are children of the root).
    XEvent evento;
    for (bool trovata = false; !trovata;) {
        XNextEvent(schermo, &evento);
        if (evento.type != MapNotify)
            continue;
        char* nome = nullptr;
        if (XFetchName(schermo, evento.xmap.window, &nome) != 0 && nome != nullptr) {
            trovata = std::strcmp(nome, argv[1]) == 0;
            XFree(nome);
        }
    }
    const auto mappata = std::chrono::steady_clock::now();
    kill(figlio, SIGTERM);
    int stato = 0;
    rusage uso{};
    wait4(figlio, &stato, 0, &uso);
    XCloseDisplay(schermo);
    const double ms = std::chrono::duration<double, std::milli>(mappata - inizio).count();
    std::printf("%.1f %ld\n", ms, uso.ru_maxrss);
    return 0;
}
