// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace spintaro {

// What was being done with the file when the system refused: a few reasons read differently.
enum class Operazione { Lettura, Scrittura };

// The Italian reason for a system error number (errno), one sentence without a final period, for
// messages of both programs. An error number without a sentence of its own gets a general
// Italian sentence followed by the system's text in parentheses.
std::string motivoErrore(int numero, Operazione operazione);

// What stands under a name that is not a plain file.
enum class TipoFile { Cartella, Pipe, Socket, DispositivoCaratteri, DispositivoBlocchi, Altro };

// The Italian reason for refusing it: the programs read and write plain files only.
std::string motivoNonFileNormale(TipoFile tipo, Operazione operazione);

} // namespace spintaro
