// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/nomi_file.h"

namespace spintaro {

std::optional<std::string> NomeFileProgetto(std::string_view nome) {
    if (nome.empty())
        return std::nullopt;
    constexpr std::string_view estensione = ".spt";
    if (nome.size() > estensione.size() && nome.ends_with(estensione))
        nome.remove_suffix(estensione.size());
    return std::string(nome) + std::string(estensione);
}

std::optional<std::string> NomeFileEsportazione(std::string_view nome) {
    if (nome.empty())
        return std::nullopt;
    return std::string(nome) + ".dat";
}

std::string NomeFileImmagine(std::string_view nome, std::string_view formato) {
    return std::string(nome) + "." + std::string(formato);
}

} // namespace spintaro
