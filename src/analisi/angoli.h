// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the coefficients turn degrees into radians and back: the program's one rule (Radianti,
// π = 3.14), which the calculation uses, or the exact π, which the report's independent check
// uses so that it does not share the program's constant.

#include "model/calcolo.h"

#include <numbers>

namespace spintaro {

enum class ConversioneAngoli { Programma, PiEsatto };

inline double RadiantiCon(double gradi, ConversioneAngoli a) {
    return a == ConversioneAngoli::Programma ? Radianti(gradi) : gradi * std::numbers::pi / 180.0;
}

inline double GradiCon(double radianti, ConversioneAngoli a) {
    return a == ConversioneAngoli::Programma ? radianti * 180.0 / PiGreco
                                             : radianti * 180.0 / std::numbers::pi;
}

} // namespace spintaro
