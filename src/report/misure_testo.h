// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/documento_relazione.h"

#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

// How much room a text takes in the report, without a font at hand. The advances are those of
// Helvetica, which Arial and Liberation Sans share, taking for every character the wider of the
// regular and the bold face; a character outside the table counts a whole em. So the measure
// never falls short of what the painter draws (it does not kern), and a text that fits here fits
// on paper.
double larghezzaTesto(std::string_view testo, Carattere c); // points

// Above and below the baseline (Liberation Sans: 0.905 and 0.212 of the size), points.
double ascendente(Carattere c);
double discendente(Carattere c);

// The page area a text covers: x from sinistra to destra, y from alto to basso.
struct Ingombro {
    double sinistra = 0, alto = 0, destra = 0, basso = 0;
};
Ingombro ingombro(const TestoPagina& t);

// The text as lines no wider than larghezza, broken at spaces; a word that alone is wider is
// shortened with "…".
std::vector<std::string> avvolgi(std::string_view testo, double larghezza, Carattere c);

// The text itself when it fits in larghezza, else its start followed by "…" that fits.
std::string accorcia(std::string_view testo, double larghezza, Carattere c);

} // namespace spintaro
