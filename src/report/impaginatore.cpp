// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/impaginatore.h"

#include "report/misure_testo.h"

#include <algorithm>
#include <type_traits>
#include <utility>

namespace spintaro {

namespace {

// The running header and the page number, in the band between the content and the edge.
constexpr double LineaTestata = 14 * PuntiPerMm;
constexpr double RigaTestata = 16 * PuntiPerMm;
constexpr double LineaNumero = AltezzaPagina - 14 * PuntiPerMm;

constexpr double Margine = 4;    // between a cell's edge and its text
constexpr double PrimeRighe = 3; // rows a table takes with its header before a page break

} // namespace

double altezzaRiga(Carattere c) {
    switch (c) {
    case Carattere::Titolo:
        return 22;
    case Carattere::Intestazione:
        return 16;
    case Carattere::Corpo:
        return 13;
    case Carattere::Tabella:
    case Carattere::TabellaIntestazione:
        return 11.5;
    case Carattere::Piccolo:
        break;
    }
    return 9.5;
}

double lineaDiBase(Carattere c) {
    return (altezzaRiga(c) + ascendente(c) - discendente(c)) / 2;
}

Impaginatore::Impaginatore(std::string testata) : m_testata(std::move(testata)) {
    m_doc.pagine.emplace_back();
}

void Impaginatore::assicura(double altezza) {
    const std::optional<Segno> legato = std::exchange(m_legato, std::nullopt);
    if (ciSta(altezza))
        return;
    // Already at the top of its page, what is held back has no better place; nor when it went to
    // the top of this page by itself (the mark was taken on the page before).
    if (!legato || legato->alto <= Alto || legato->pagina + 1 != m_doc.pagine.size()) {
        nuovaPagina();
        return;
    }
    // The held steps leave this page and open the next one, as far up as they were placed down.
    std::vector<PassoPagina>& passi = m_doc.pagine.back().passi;
    std::vector<PassoPagina> spostati(passi.begin() + static_cast<std::ptrdiff_t>(legato->passo),
                                      passi.end());
    passi.resize(legato->passo);
    const double dy = Alto - legato->alto;
    const double y = m_y; // the new page resets the position: the held steps carry it on
    nuovaPagina();
    for (PassoPagina& s : spostati) {
        std::visit(
            [dy](auto& x) {
                using T = std::decay_t<decltype(x)>;
                if constexpr (std::is_same_v<T, LineaPagina>) {
                    x.y1 += dy;
                    x.y2 += dy;
                } else {
                    x.y += dy;
                }
            },
            s);
        m_doc.pagine.back().passi.push_back(std::move(s));
    }
    m_y = y + dy;
}

void Impaginatore::nuovaPagina() {
    m_doc.pagine.emplace_back();
    m_y = Alto;
    testo(Sinistra, LineaTestata, accorcia(m_testata, Larghezza, Carattere::Piccolo),
          Carattere::Piccolo, Allineamento::Sinistra, Inchiostro::Grigio);
    linea(Sinistra, RigaTestata, Destra, RigaTestata, Inchiostro::GrigioChiaro, 0.4);
}

void Impaginatore::testo(double x, double lineaBase, std::string t, Carattere c, Allineamento a,
                         Inchiostro i) {
    if (t.empty())
        return;
    m_doc.pagine.back().passi.emplace_back(TestoPagina{x, lineaBase, std::move(t), c, a, i});
}

void Impaginatore::linea(double x1, double y1, double x2, double y2, Inchiostro i,
                         double spessore) {
    m_doc.pagine.back().passi.emplace_back(LineaPagina{x1, y1, x2, y2, i, spessore});
}

void Impaginatore::rettangolo(double x, double y, double larghezza, double altezza, Inchiostro i,
                              double spessore, bool pieno) {
    m_doc.pagine.back().passi.emplace_back(
        RettangoloPagina{x, y, larghezza, altezza, i, spessore, pieno});
}

void Impaginatore::paragrafo(std::string_view t, Carattere c, double rientro) {
    const std::vector<std::string> righe = avvolgi(t, Larghezza - rientro, c);
    assicura(static_cast<double>(righe.size()) * altezzaRiga(c));
    for (const std::string& r : righe) {
        testo(Sinistra + rientro, m_y + lineaDiBase(c), r, c);
        m_y += altezzaRiga(c);
    }
}

void Impaginatore::intestazione(std::string_view t, double altezzaSeguito) {
    constexpr double Prima = 8;
    constexpr double Dopo = 3;
    const Carattere c = Carattere::Intestazione;
    if (m_y > Alto)
        m_y += Prima;
    assicura(altezzaRiga(c) + Dopo + altezzaSeguito);
    const Segno da = segno();
    testo(Sinistra, m_y + lineaDiBase(c), accorcia(t, Larghezza, c), c);
    m_y += altezzaRiga(c) + Dopo;
    legaAlSeguito(da);
}

DocumentoRelazione Impaginatore::chiudi() {
    const std::string totale = std::to_string(m_doc.pagine.size());
    for (std::size_t i = 0; i < m_doc.pagine.size(); ++i)
        m_doc.pagine[i].passi.emplace_back(TestoPagina{
            LarghezzaPagina / 2, LineaNumero, "pagina " + std::to_string(i + 1) + " di " + totale,
            Carattere::Piccolo, Allineamento::Centro, Inchiostro::Nero});
    return std::move(m_doc);
}

void tabella(Impaginatore& p, const std::vector<Colonna>& colonne,
             const std::vector<std::vector<std::string>>& righe) {
    const std::size_t n = colonne.size();
    if (n == 0)
        return;
    // The widths each column needs, in the table's own size or, failing that, the smaller one.
    auto larghezze = [&](Carattere testata, Carattere cella) {
        std::vector<double> w(n, 0.0);
        for (std::size_t k = 0; k < n; ++k) {
            w[k] = std::max(larghezzaTesto(colonne[k].nome, testata),
                            larghezzaTesto(colonne[k].unita, testata));
            for (const auto& r : righe)
                if (k < r.size())
                    w[k] = std::max(w[k], larghezzaTesto(r[k], cella));
            w[k] += 2 * Margine;
        }
        return w;
    };
    auto somma = [](const std::vector<double>& w) {
        double s = 0;
        for (double x : w)
            s += x;
        return s;
    };
    Carattere testata = Carattere::TabellaIntestazione;
    Carattere cella = Carattere::Tabella;
    std::vector<double> w = larghezze(testata, cella);
    bool accorciare = false;
    if (somma(w) > Impaginatore::Larghezza) {
        testata = Carattere::Piccolo;
        cella = Carattere::Piccolo;
        w = larghezze(testata, cella);
        // Wider still: every column gives up its share and its texts end in "…".
        if (const double s = somma(w); s > Impaginatore::Larghezza) {
            for (double& x : w)
                x *= Impaginatore::Larghezza / s;
            accorciare = true;
        }
    }
    const double resto = (Impaginatore::Larghezza - somma(w)) / static_cast<double>(n);
    std::vector<double> sinistra(n, Impaginatore::Sinistra);
    for (std::size_t k = 0; k < n; ++k) {
        w[k] += std::max(0.0, resto);
        if (k > 0)
            sinistra[k] = sinistra[k - 1] + w[k - 1];
    }
    const double destra = sinistra[n - 1] + w[n - 1];
    const double riga = altezzaRiga(cella);

    auto cellaTesto = [&](std::size_t k, const std::string& t, Carattere c, Allineamento a,
                          double alto) {
        const std::string scritto = accorciare ? accorcia(t, w[k] - 2 * Margine, c) : t;
        const double x = a == Allineamento::Sinistra ? sinistra[k] + Margine
                         : a == Allineamento::Centro ? sinistra[k] + w[k] / 2
                                                     : sinistra[k] + w[k] - Margine;
        p.testo(x, alto + lineaDiBase(cella), scritto, c, a);
    };
    auto intestazione = [&] {
        p.linea(Impaginatore::Sinistra, p.y(), destra, p.y(), Inchiostro::Nero, 0.8);
        for (std::size_t k = 0; k < n; ++k) {
            cellaTesto(k, colonne[k].nome, testata, colonne[k].allineamento, p.y());
            cellaTesto(k, colonne[k].unita, testata, colonne[k].allineamento, p.y() + riga);
        }
        p.avanza(2 * riga);
        p.linea(Impaginatore::Sinistra, p.y(), destra, p.y(), Inchiostro::Nero, 0.4);
    };
    auto chiusura = [&] {
        p.linea(Impaginatore::Sinistra, p.y(), destra, p.y(), Inchiostro::Nero, 0.8);
    };

    p.assicura((2 + std::min<double>(PrimeRighe, static_cast<double>(righe.size()))) * riga);
    intestazione();
    for (std::size_t i = 0; i < righe.size(); ++i) {
        if (!p.ciSta(riga)) {
            chiusura();
            p.nuovaPagina();
            intestazione();
        }
        if (i % 2 == 1)
            p.rettangolo(Impaginatore::Sinistra, p.y(), destra - Impaginatore::Sinistra, riga,
                         Inchiostro::Fondo, 0, true);
        for (std::size_t k = 0; k < n && k < righe[i].size(); ++k)
            cellaTesto(k, righe[i][k], cella, colonne[k].allineamento, p.y());
        p.avanza(riga);
    }
    chiusura();
}

} // namespace spintaro
