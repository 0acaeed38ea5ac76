// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/misure_testo.h"

#include <array>
#include <cstdint>

namespace spintaro {

namespace {

// Advances of U+0020..U+007E in thousandths of an em: the wider of Helvetica and Helvetica-Bold.
constexpr std::array<std::uint16_t, 95> Ascii = {
    278,  333, 474, 556, 556, 889, 722, 278, 333, 333, 389, 584, 278, 333, 278, 278, // space../
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, // 0..?
    1015, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778, // @..O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556, // P.._
    333,  556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611, // `..o
    611,  611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584,      // p..~
};

// The characters beyond ASCII that the report writes itself; anything else counts an em.
struct Avanzamento {
    char32_t codice;
    std::uint16_t millesimi;
};
constexpr Avanzamento Altri[] = {
    {0x00B0, 400},  // °
    {0x00B2, 333},  // ²
    {0x00B3, 333},  // ³
    {0x00B7, 333},  // ·
    {0x00D7, 584},  // ×
    {0x00E0, 556},  // à
    {0x00E8, 556},  // è
    {0x00E9, 556},  // é
    {0x00EC, 278},  // ì
    {0x00F2, 611},  // ò
    {0x00F9, 611},  // ù
    {0x00C8, 667},  // È
    {0x03B3, 700},  // γ
    {0x03C0, 700},  // π
    {0x03C3, 700},  // σ
    {0x03C6, 700},  // φ
    {0x2013, 556},  // –
    {0x2014, 1000}, // —
    {0x2026, 1000}, // …
    {0x2212, 584},  // −
    {0x221A, 600},  // √
};

// Liberation Sans has 2048 units to the em where Helvetica's table has 1000: an advance there
// can exceed the table's by up to half a unit in 2048, 0.09 % of the narrowest glyph.
constexpr double Margine = 1.002;

constexpr double Ascendente = 0.905;
constexpr double Discendente = 0.212;

// The code point that starts at p and its length in bytes; a byte that starts no valid sequence
// is one unknown character.
char32_t leggiCodice(std::string_view t, std::size_t p, std::size_t& lunghezza) {
    const auto b = [&](std::size_t i) {
        return static_cast<unsigned char>(t[i]);
    };
    const unsigned char c = b(p);
    lunghezza = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
    if (lunghezza == 0 || p + lunghezza > t.size()) {
        lunghezza = 1;
        return 0xFFFD;
    }
    char32_t codice = lunghezza == 1 ? c : c & (0x7Fu >> lunghezza);
    for (std::size_t i = 1; i < lunghezza; ++i) {
        if ((b(p + i) & 0xC0u) != 0x80u) {
            lunghezza = 1;
            return 0xFFFD;
        }
        codice = (codice << 6) | (b(p + i) & 0x3Fu);
    }
    return codice;
}

double millesimi(char32_t c) {
    if (c >= 0x20 && c <= 0x7E)
        return Ascii[c - 0x20];
    for (const Avanzamento& a : Altri)
        if (a.codice == c)
            return a.millesimi;
    return 1000;
}

} // namespace

double dimensioneCarattere(Carattere c) {
    switch (c) {
    case Carattere::Titolo:
        return 16;
    case Carattere::Intestazione:
        return 12;
    case Carattere::Corpo:
        return 10;
    case Carattere::Tabella:
    case Carattere::TabellaIntestazione:
        return 8.5;
    case Carattere::Piccolo:
        break;
    }
    return 7.5;
}

bool carattereGrassetto(Carattere c) {
    return c == Carattere::Titolo || c == Carattere::Intestazione ||
           c == Carattere::TabellaIntestazione;
}

double larghezzaTesto(std::string_view testo, Carattere c) {
    double somma = 0;
    for (std::size_t p = 0, n = 0; p < testo.size(); p += n)
        somma += millesimi(leggiCodice(testo, p, n));
    return somma * Margine * dimensioneCarattere(c) / 1000.0;
}

double ascendente(Carattere c) {
    return Ascendente * dimensioneCarattere(c);
}

double discendente(Carattere c) {
    return Discendente * dimensioneCarattere(c);
}

Ingombro ingombro(const TestoPagina& t) {
    const double w = larghezzaTesto(t.testo, t.carattere);
    const double sinistra = t.allineamento == Allineamento::Sinistra ? t.x
                            : t.allineamento == Allineamento::Centro ? t.x - w / 2
                                                                     : t.x - w;
    return {sinistra, t.y - ascendente(t.carattere), sinistra + w, t.y + discendente(t.carattere)};
}

std::string accorcia(std::string_view testo, double larghezza, Carattere c) {
    if (larghezzaTesto(testo, c) <= larghezza)
        return std::string(testo);
    constexpr std::string_view Puntini = "\xE2\x80\xA6";
    const double unita = Margine * dimensioneCarattere(c) / 1000.0;
    double somma = millesimi(0x2026) * unita;
    std::size_t fine = 0;
    for (std::size_t p = 0, n = 0; p < testo.size(); p += n) {
        const double w = millesimi(leggiCodice(testo, p, n)) * unita;
        if (somma + w > larghezza)
            break;
        somma += w;
        fine = p + n;
    }
    return std::string(testo.substr(0, fine)) + std::string(Puntini);
}

std::vector<std::string> avvolgi(std::string_view testo, double larghezza, Carattere c) {
    std::vector<std::string> righe;
    std::string riga;
    std::size_t p = 0;
    while (p < testo.size()) {
        const std::size_t spazio = testo.find(' ', p);
        const std::string_view parola =
            testo.substr(p, spazio == std::string_view::npos ? std::string_view::npos : spazio - p);
        p = spazio == std::string_view::npos ? testo.size() : spazio + 1;
        if (parola.empty())
            continue;
        const std::string prova =
            riga.empty() ? std::string(parola) : riga + " " + std::string(parola);
        if (larghezzaTesto(prova, c) <= larghezza) {
            riga = prova;
            continue;
        }
        if (!riga.empty())
            righe.push_back(riga);
        riga = accorcia(parola, larghezza, c);
    }
    if (!riga.empty() || righe.empty())
        righe.push_back(riga);
    return righe;
}

} // namespace spintaro
