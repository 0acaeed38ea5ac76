// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

inline constexpr int LarghezzaZona = 14;

// Width of a text in columns: one column per character (UTF-8 code point).
std::size_t colonne(std::string_view testo);

// One line of items in print zones of 14 columns: after every item but the last the line is
// padded with spaces to the start of the next zone, 14·(⌊p/14⌋ + 1) with p the columns written,
// so an item of 14 or more columns pushes the following ones to a later zone. Nothing is cut.
std::string rigaAZone(const std::vector<std::string>& voci);

} // namespace spintaro
