// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

inline constexpr int LarghezzaZona = 14;

// Width of a text in columns: one column per character (UTF-8 code point).
std::size_t colonne(std::string_view testo);

// The print-zone rule, in any unit (columns of a text file, pixels of a window or a page): where
// each item of a line starts, from 0, given the items' widths. After every item but the last the
// next one starts at the following zone start, zona·(⌊x/zona⌋ + 1) with x the end of the item, so
// an item as wide as a zone or wider pushes the following ones to a later zone.
std::vector<double> posizioniAZone(const std::vector<double>& larghezze, double zona);

// One line of items in print zones of 14 columns, padded with spaces; nothing is cut.
std::string rigaAZone(const std::vector<std::string>& voci);

} // namespace spintaro
