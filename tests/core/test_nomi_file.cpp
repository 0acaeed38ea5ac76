// SPDX-License-Identifier: GPL-3.0-or-later
// File names made from what the user typed in the file windows.
#include "files/nomi_file.h"

#include <gtest/gtest.h>

namespace spintaro {
namespace {

TEST(NomeFileProgetto, NameRules) {
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"Nuovo", "Nuovo.spt"},
        {"prova.spt", "prova.spt"},
        {"prova.SPT", "prova.SPT.spt"},
        {"dati.dat", "dati.dat.spt"},
        {".spt", ".spt.spt"},
        {"ab", "ab.spt"},
        {"a.spt", "a.spt"},
        {"x", "x.spt"},
        {"muro.spt.spt", "muro.spt.spt"},
    };
    for (const auto& [nome, file] : casi)
        EXPECT_EQ(NomeFileProgetto(nome), file) << nome;
    EXPECT_FALSE(NomeFileProgetto("").has_value());
}

TEST(NomeFileEsportazione, AlwaysAppendsDatButRefusesAnEmptyName) {
    EXPECT_EQ(NomeFileEsportazione("dati.dat"), "dati.dat.dat");
    EXPECT_EQ(NomeFileEsportazione("muro"), "muro.dat");
    EXPECT_FALSE(NomeFileEsportazione("").has_value());
}

TEST(NomeFileImmagine, NamePeriodAndFormatWord) {
    EXPECT_EQ(NomeFileImmagine("Nuovo", "bmp"), "Nuovo.bmp");
    EXPECT_EQ(NomeFileImmagine("muro", "jpg"), "muro.jpg");
    EXPECT_EQ(NomeFileImmagine("", "gif"), ".gif");
}

} // namespace
} // namespace spintaro
