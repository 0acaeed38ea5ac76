// SPDX-License-Identifier: GPL-3.0-or-later
// spintaro-calcola: the batch calculator for scripted and parametric studies.
#include "cli/calcolatore.h"
#include "platform/impostazioni_regionali.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> argomenti(argv + 1, argv + argc);
    return spintaro::eseguiCalcola(argomenti, std::cout, std::cerr, spintaro::separatoriUtente());
}
