// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/citazioni.h"

#include <vector>

namespace spintaro {

namespace {

constexpr std::string_view Puntini = "\xE2\x80\xA6"; // "…"

bool controllo(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// The next code point of t from p, as its own bytes, or SegnoSostituito for a byte that starts
// no valid UTF-8 sequence (then only that byte is consumed) and for a control character.
std::string_view prossimo(std::string_view t, std::size_t& p) {
    const auto b = [&](std::size_t i) {
        return static_cast<unsigned char>(t[i]);
    };
    const unsigned char c = b(p);
    std::size_t lunghezza = 0;
    char32_t codice = 0;
    unsigned char minimo = 0x80, massimo = 0xBF; // the range of the second byte
    if (c < 0x80) {
        lunghezza = 1;
        codice = c;
    } else if (c >= 0xC2 && c <= 0xDF) {
        lunghezza = 2;
        codice = c & 0x1Fu;
    } else if (c >= 0xE0 && c <= 0xEF) {
        lunghezza = 3;
        codice = c & 0x0Fu;
        if (c == 0xE0)
            minimo = 0xA0; // overlong
        if (c == 0xED)
            massimo = 0x9F; // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        lunghezza = 4;
        codice = c & 0x07u;
        if (c == 0xF0)
            minimo = 0x90; // overlong
        if (c == 0xF4)
            massimo = 0x8F; // beyond U+10FFFF
    }
    bool valido = lunghezza > 0 && p + lunghezza <= t.size();
    for (std::size_t i = 1; valido && i < lunghezza; ++i) {
        const unsigned char s = b(p + i);
        valido = i == 1 ? s >= minimo && s <= massimo : s >= 0x80 && s <= 0xBF;
        codice = (codice << 6) | (s & 0x3Fu);
    }
    if (!valido) {
        ++p;
        return SegnoSostituito;
    }
    const std::string_view pezzo = t.substr(p, lunghezza);
    p += lunghezza;
    return controllo(codice) ? SegnoSostituito : pezzo;
}

} // namespace

std::string citaTesto(std::string_view testo, std::size_t massimo) {
    std::vector<std::string_view> pezzi;
    for (std::size_t p = 0; p < testo.size() && pezzi.size() <= massimo;)
        pezzi.push_back(prossimo(testo, p));
    const bool tagliato = pezzi.size() > massimo;
    if (tagliato)
        pezzi.resize(massimo > 0 ? massimo - 1 : 0);
    std::string out;
    for (const std::string_view pezzo : pezzi)
        out += pezzo;
    if (tagliato && massimo > 0)
        out += Puntini;
    return out;
}

std::string citaPercorso(std::string_view percorso, std::size_t massimo) {
    std::vector<std::string_view> pezzi;
    for (std::size_t p = 0; p < percorso.size();)
        pezzi.push_back(prossimo(percorso, p));
    std::size_t inizio = 0;
    const bool tagliato = pezzi.size() > massimo;
    if (tagliato) {
        inizio = pezzi.size() - (massimo > 0 ? massimo - 1 : 0);
        // From the first folder boundary in the part kept, when a name follows it.
        for (std::size_t k = inizio; k + 1 < pezzi.size(); ++k)
            if (pezzi[k] == "/") {
                inizio = k;
                break;
            }
    }
    std::string out = tagliato && massimo > 0 ? std::string(Puntini) : std::string();
    for (std::size_t k = inizio; k < pezzi.size(); ++k)
        out += pezzi[k];
    return out;
}

} // namespace spintaro
