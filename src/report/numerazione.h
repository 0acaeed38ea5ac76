// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers of the report's chapters, of the sections inside a chapter and of the figures,
// handed out by the layout as the report asks for them. Private to src/report.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace spintaro {

// The numbered chapters, the keys by which the prose asks for a chapter's number.
enum class Capitolo { Dati, Modello, Risultati, Diagrammi, Progetto, Giudizio };

class Numerazione {
public:
    // The chapters the report will have, in their order: the prose before a chapter can name it.
    void prevedi(std::vector<Capitolo> capitoli) { m_piano = std::move(capitoli); }
    // A chapter's number, 1 for the first; 0 for a chapter the report does not have.
    int numero(Capitolo c) const;
    // "N. titolo": opens chapter c of the plan, whose sections count from 1.
    std::string capitolo(Capitolo c, std::string_view titolo);
    // "N.M titolo": the next section of the chapter open.
    std::string sezione(std::string_view titolo);
    // "Figura K – testo": the next figure.
    std::string figura(std::string_view testo);

private:
    std::vector<Capitolo> m_piano;
    int m_capitolo = 0, m_sezione = 0, m_figura = 0;
};

} // namespace spintaro
