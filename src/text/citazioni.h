// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace spintaro {

// How many characters (UTF-8 code points) of a file's content or of a name a message quotes.
inline constexpr std::size_t LunghezzaCitazione = 40;

// The mark that stands for a byte that is not UTF-8 and for a control character: U+FFFD.
inline constexpr std::string_view SegnoSostituito = "\xEF\xBF\xBD";

// A text from a file or from the user made fit for a message: valid UTF-8 of at most massimo
// code points. Bytes that are not UTF-8 and control characters (C0 with TAB, CR, LF and ESC, DEL,
// C1, line and paragraph separators, bidirectional controls) each become SegnoSostituito; a
// longer text keeps its start and ends in "…". Only the first massimo + 1 code points are looked
// at, so a line of many megabytes costs no more than a short one.
std::string citaTesto(std::string_view testo, std::size_t massimo = LunghezzaCitazione);

// The same for a path, which keeps its end, the file's name: "…/cartella/nome.spt". The cut is
// made at a "/" when one lies in the part kept.
std::string citaPercorso(std::string_view percorso, std::size_t massimo = LunghezzaCitazione);

} // namespace spintaro
