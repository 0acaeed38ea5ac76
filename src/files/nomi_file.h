// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spintaro {

// The project file name for the name typed in the save window: a name longer than four
// characters that ends in ".spt" (lower case only) loses that ending, then ".spt" is appended.
// Empty when nothing was typed (the user is asked for a name instead).
std::optional<std::string> NomeFileProgetto(std::string_view nome);

// The export file name: ".dat" is always appended. Empty when nothing was typed.
std::optional<std::string> NomeFileEsportazione(std::string_view nome);

// The image file name: the name, a period and the format word, as typed.
std::string NomeFileImmagine(std::string_view nome, std::string_view formato);

} // namespace spintaro
