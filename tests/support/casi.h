// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace spintaro::prova {

// Names the cases of a parameterised test after their "nome" field, and prints a case as its
// name instead of its bytes ("using prova::PrintTo;" in a test file).
struct NomeCaso {
    template <typename Caso> std::string operator()(const ::testing::TestParamInfo<Caso>& i) const {
        return i.param.nome;
    }
};
template <typename Caso>
requires requires(const Caso& c) {
    c.nome;
}
void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nome;
}

} // namespace spintaro::prova
