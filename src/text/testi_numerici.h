// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/intero16.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

// The separators of a regional setting, as UTF-8 texts (the grouping one may be empty).
struct Separatori {
    std::string decimale = ".";
    std::string migliaia = ",";
};

// --- Writing numbers ---------------------------------------------------------------------------

// General conversion for display: at most 15 significant digits, the given decimal separator, a
// leading zero below 1, no separator for whole numbers (2 -> "2", 0.5 -> "0,5"). Magnitudes from
// 1E+15 up and below 1E-04 are written with an exponent ("1E+15", "1,5E-05").
std::string TestoGenerale(double v, std::string_view decimale);

// Display patterns "###.###" (decimali = 3) and "#.##" (decimali = 2): rounded to that many
// decimals, halves away from zero; no leading zero; the separator always written; trailing zeros
// dropped; "-" for negatives (a value that rounds to zero has no sign).
// 46 -> "46,"  0.332925 -> ",333"  0 -> ","
std::string FormatoDisplay(double v, int decimali, std::string_view decimale);

// Print form: a sign position (space or "-"), the magnitude with at most 15 significant digits
// and no leading zero below 1, then one space. 2.5 -> " 2.5 ", 0.75 -> " .75 ", -1.25 -> "-1.25 ".
std::string FormaStampa(double v, std::string_view decimale);

// A whole number in plain digits.
std::string TestoIntero(long long v);

// --- Reading numbers ---------------------------------------------------------------------------

// The leading number of a text, period as separator (an empty or non-numeric text gives 0;
// "12abc" gives 12; "1E+15" is read with its exponent). Code 6 when it is too large for a double.
double LeggiNumeroIniziale(std::string_view testo);

// A value box: the empty text reads as 0; otherwise the text, blanks around it ignored, must be a
// number written with the given separators (a grouping separator only between groups of three
// digits in the integer part) or the function fails with code 13; too large for a double: code 6.
double LeggiValoreCasella(std::string_view testo, const Separatori& sep);

// Whole-number conversion of a text: read like a value box (but the empty text is not a number,
// code 13), then rounded to a 16-bit integer with halves to even (code 6 out of range).
Intero16 LeggiIntero16(std::string_view testo, const Separatori& sep);

// A number with a fixed count of decimals and a leading zero ("0,333", "46,000"), rounded as the
// main window rounds (halves away from zero); from 10⁷ up, four significant digits with an
// exponent ("1,235E+12"); "—" for a value that is not a finite number.
std::string TestoValore(double v, int decimali, std::string_view decimale);

// Layer numbers for a message, in the order given: "1, 3, 4".
std::string ElencoNumeri(const std::vector<std::size_t>& numeri);

// A number as the file and the options write it: the shortest text that reads back the same, with
// a period (or the separator given); 1/3 and 2/3 as fractions.
std::string TestoParametro(double v, std::string_view decimale = ".");

// A number of a parameter: period or comma as decimal separator, or a fraction "2/3". Empty when
// the text is not a finite number.
std::optional<double> LeggiNumeroParametro(std::string_view testo);

} // namespace spintaro
