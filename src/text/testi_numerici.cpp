// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/testi_numerici.h"

#include "model/errore.h"

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace spintaro {

namespace {

// A finite non-zero magnitude as 15 significant decimal digits d1 d2 ... d15 and the decimal
// exponent of d1 (value = d1.d2...d15 × 10^esponente), trailing zeros removed.
struct Cifre {
    std::string cifre;
    int esponente = 0;
};

Cifre cifreSignificative(double modulo, int significative) {
    // Near the largest double, 15 digits rounded up would name a value no double can hold and
    // the text could not be read back; those few values are cut to 15 digits instead.
    if (significative == 15 && modulo > 1.797693134862315e308)
        return {"179769313486231", 308};
    std::array<char, 64> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), modulo,
                                 std::chars_format::scientific, significative - 1);
    const std::string_view testo(buf.data(), static_cast<std::size_t>(r.ptr - buf.data()));
    const auto e = testo.find('e');
    Cifre c;
    for (char ch : testo.substr(0, e))
        if (ch != '.')
            c.cifre.push_back(ch);
    c.esponente = std::atoi(std::string(testo.substr(e + 1)).c_str());
    while (c.cifre.size() > 1 && c.cifre.back() == '0')
        c.cifre.pop_back();
    return c;
}

// Magnitude text without sign; zeroPrimaDelSeparatore: write "0,5" rather than ",5".
std::string modulo15(double v, std::string_view decimale, bool zeroPrimaDelSeparatore) {
    const double modulo = std::fabs(v);
    if (modulo == 0.0)
        return "0";
    if (std::isnan(v))
        return "NaN";
    if (std::isinf(v))
        return "Inf";
    const Cifre c = cifreSignificative(modulo, 15);
    std::string out;
    if (c.esponente >= 15 || c.esponente < -4) {
        out += c.cifre.substr(0, 1);
        if (c.cifre.size() > 1) {
            out += decimale;
            out += c.cifre.substr(1);
        }
        out += c.esponente < 0 ? "E-" : "E+";
        const int e = std::abs(c.esponente);
        if (e < 10)
            out += '0';
        out += std::to_string(e);
        return out;
    }
    const int nIntere = c.esponente + 1; // digits before the separator (may be <= 0)
    if (nIntere <= 0) {
        if (zeroPrimaDelSeparatore)
            out += '0';
        out += decimale;
        out.append(static_cast<std::size_t>(-nIntere), '0');
        out += c.cifre;
        return out;
    }
    const auto n = static_cast<std::size_t>(nIntere);
    if (c.cifre.size() <= n) {
        out = c.cifre;
        out.append(n - c.cifre.size(), '0');
        return out;
    }
    out = c.cifre.substr(0, n);
    out += decimale;
    out += c.cifre.substr(n);
    return out;
}

} // namespace

std::string TestoGenerale(double v, std::string_view decimale) {
    std::string out = (v < 0) ? "-" : "";
    return out + modulo15(v, decimale, true);
}

std::string FormaStampa(double v, std::string_view decimale) {
    std::string out = (v < 0) ? "-" : " ";
    out += modulo15(v, decimale, false);
    out += ' ';
    return out;
}

std::string TestoIntero(long long v) {
    return std::to_string(v);
}

std::string FormatoDisplay(double v, int decimali, std::string_view decimale) {
    if (std::isnan(v))
        return "NaN";
    if (std::isinf(v))
        return v < 0 ? "-Inf" : "Inf";
    const double modulo = std::fabs(v);
    // The value is first taken to 15 significant digits, as it is shown everywhere else, so that
    // 2.675 rounds to 2.68 as a reader expects and not by the binary value 2.67499999...
    std::string intere; // integer digits, no leading zeros
    std::string decimi; // all decimal digits
    if (modulo != 0.0) {
        const Cifre c = cifreSignificative(modulo, 15);
        const int nIntere = c.esponente + 1;
        if (nIntere <= 0) {
            decimi.assign(static_cast<std::size_t>(-nIntere), '0');
            decimi += c.cifre;
        } else {
            const auto n = static_cast<std::size_t>(nIntere);
            intere = c.cifre.substr(0, std::min(n, c.cifre.size()));
            if (c.cifre.size() < n)
                intere.append(n - c.cifre.size(), '0');
            else
                decimi = c.cifre.substr(n);
        }
    }
    const auto nd = static_cast<std::size_t>(decimali);
    const bool arrotondaSu = decimi.size() > nd && decimi[nd] >= '5';
    decimi.resize(std::min(decimi.size(), nd), '0');
    decimi.resize(nd, '0');
    if (arrotondaSu) {
        // Carry through the decimals, then the integer digits.
        std::string tutte = intere + decimi;
        int k = static_cast<int>(tutte.size()) - 1;
        while (k >= 0 && tutte[static_cast<std::size_t>(k)] == '9') {
            tutte[static_cast<std::size_t>(k)] = '0';
            --k;
        }
        if (k >= 0)
            ++tutte[static_cast<std::size_t>(k)];
        else
            tutte.insert(tutte.begin(), '1');
        intere = tutte.substr(0, tutte.size() - nd);
        decimi = tutte.substr(tutte.size() - nd);
    }
    while (!decimi.empty() && decimi.back() == '0')
        decimi.pop_back();
    const auto primaCifra = intere.find_first_not_of('0');
    intere = primaCifra == std::string::npos ? "" : intere.substr(primaCifra);
    const bool zero = intere.empty() && decimi.empty();
    std::string out = (v < 0 && !zero) ? "-" : "";
    out += intere;
    out += decimale;
    out += decimi;
    return out;
}

namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

bool spazio(char c) {
    return c == ' ' || c == '\t';
}

// Converts a plain ASCII number "[-]digits[.digits][e[+-]digits]" to a double, always with a
// period whatever the process locale says. Code 6 when it is too large for a double; a value too
// small for one reads as the nearest representable value (subnormal, or 0).
double convertiAscii(const std::string& testo) {
    static const locale_t localeC = newlocale(LC_ALL_MASK, "C", locale_t{});
    char* fine = nullptr;
    const double v = strtod_l(testo.c_str(), &fine, localeC);
    if (fine != testo.c_str() + testo.size() || !std::isfinite(v))
        throw Errore(ErroreOverflow);
    return v;
}

// Reads digits "intere.decimali" with an exponent text such as "+15".
double componi(bool negativo, const std::string& intere, const std::string& decimali,
               const std::string& esponente) {
    std::string testo = negativo ? "-" : "";
    testo += intere.empty() ? "0" : intere;
    if (!decimali.empty())
        testo += "." + decimali;
    long long esp = 0;
    if (!esponente.empty()) {
        // Clamp absurd exponents: anything past ±100000 is overflow or zero either way.
        std::string_view e = esponente;
        const bool meno = e.front() == '-';
        if (e.front() == '+' || e.front() == '-')
            e.remove_prefix(1);
        for (char c : e) {
            esp = esp * 10 + (c - '0');
            if (esp > 100000)
                break;
        }
        if (meno)
            esp = -esp;
        testo += "e" + std::to_string(esp);
    }
    return convertiAscii(testo);
}

} // namespace

double LeggiNumeroIniziale(std::string_view t) {
    std::size_t p = 0;
    while (p < t.size() && (spazio(t[p]) || t[p] == '\r' || t[p] == '\n'))
        ++p;
    bool negativo = false;
    if (p < t.size() && (t[p] == '-' || t[p] == '+')) {
        negativo = t[p] == '-';
        ++p;
    }
    std::string intere, decimali, esponente;
    while (p < t.size() && cifra(t[p]))
        intere += t[p++];
    if (p < t.size() && t[p] == '.') {
        ++p;
        while (p < t.size() && cifra(t[p]))
            decimali += t[p++];
    }
    if (intere.empty() && decimali.empty())
        return 0.0;
    if (p < t.size() && (t[p] == 'e' || t[p] == 'E' || t[p] == 'd' || t[p] == 'D')) {
        std::size_t q = p + 1;
        std::string e;
        if (q < t.size() && (t[q] == '+' || t[q] == '-'))
            e += t[q++];
        std::string numeri;
        while (q < t.size() && cifra(t[q]))
            numeri += t[q++];
        if (!numeri.empty())
            esponente = e + numeri;
    }
    return componi(negativo, intere, decimali, esponente);
}

double LeggiValoreCasella(std::string_view t, const Separatori& sep) {
    if (t.empty())
        return 0.0;
    while (!t.empty() && spazio(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && spazio(t.back()))
        t.remove_suffix(1);
    if (t.empty())
        throw Errore(ErroreTipo);

    auto inizia = [&](std::string_view s) {
        return !s.empty() && t.substr(0, s.size()) == s;
    };
    bool negativo = false;
    if (t.front() == '-' || t.front() == '+') {
        negativo = t.front() == '-';
        t.remove_prefix(1);
    }

    // Integer part, with optional grouping: first group 1..3 digits, then groups of exactly 3.
    std::string intere;
    std::size_t cifreGruppo = 0;
    bool raggruppato = false;
    const bool gruppiDistinti = !sep.migliaia.empty() && sep.migliaia != sep.decimale;
    while (!t.empty()) {
        if (cifra(t.front())) {
            intere += t.front();
            ++cifreGruppo;
            t.remove_prefix(1);
        } else if (gruppiDistinti && inizia(sep.migliaia)) {
            if (cifreGruppo == 0 || cifreGruppo > 3 || (raggruppato && cifreGruppo != 3))
                throw Errore(ErroreTipo);
            raggruppato = true;
            cifreGruppo = 0;
            t.remove_prefix(sep.migliaia.size());
        } else {
            break;
        }
    }
    if (raggruppato && cifreGruppo != 3)
        throw Errore(ErroreTipo);

    std::string decimali;
    if (!sep.decimale.empty() && inizia(sep.decimale)) {
        t.remove_prefix(sep.decimale.size());
        while (!t.empty() && cifra(t.front())) {
            decimali += t.front();
            t.remove_prefix(1);
        }
    }
    if (intere.empty() && decimali.empty())
        throw Errore(ErroreTipo);

    std::string esponente;
    if (!t.empty() && (t.front() == 'e' || t.front() == 'E')) {
        t.remove_prefix(1);
        if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
            esponente += t.front();
            t.remove_prefix(1);
        }
        std::string numeri;
        while (!t.empty() && cifra(t.front())) {
            numeri += t.front();
            t.remove_prefix(1);
        }
        if (numeri.empty())
            throw Errore(ErroreTipo);
        esponente += numeri;
    }
    if (!t.empty())
        throw Errore(ErroreTipo);
    return componi(negativo, intere, decimali, esponente);
}

Intero16 LeggiIntero16(std::string_view testo, const Separatori& sep) {
    if (testo.empty())
        throw Errore(ErroreTipo);
    return arrotondaIntero16(LeggiValoreCasella(testo, sep));
}

std::string TestoValore(double v, int decimali, std::string_view decimale) {
    if (!std::isfinite(v))
        return "\xE2\x80\x94"; // "—"
    if (std::fabs(v) >= 1e7) {
        std::array<char, 32> buf{};
        const auto r =
            std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::scientific, 3);
        const std::string s(buf.data(), r.ptr);
        const auto e = s.find('e');
        std::string mantissa = s.substr(0, e);
        if (const auto punto = mantissa.find('.'); punto != std::string::npos)
            mantissa.replace(punto, 1, decimale);
        std::string esponente = s.substr(e + 2);
        if (esponente.size() < 2)
            esponente.insert(0, "0");
        return mantissa + "E" + s[e + 1] + esponente;
    }
    std::string s = FormatoDisplay(v, decimali, decimale);
    const std::size_t segno = s.starts_with('-') ? 1 : 0;
    const std::size_t separatore = s.find(decimale, segno);
    if (separatore == segno)
        s.insert(segno, "0");
    const std::size_t dopo = s.find(decimale, segno) + decimale.size();
    const std::size_t cifre = s.size() - dopo;
    if (decimali <= 0)
        s.erase(dopo - decimale.size());
    else if (cifre < static_cast<std::size_t>(decimali))
        s.append(static_cast<std::size_t>(decimali) - cifre, '0');
    return s;
}

std::string ElencoNumeri(const std::vector<std::size_t>& numeri) {
    std::string elenco;
    for (const std::size_t n : numeri)
        elenco += (elenco.empty() ? "" : ", ") + std::to_string(n);
    return elenco;
}

std::string TestoParametro(double v, std::string_view decimale) {
    if (v == 1.0 / 3.0)
        return "1/3";
    if (v == 2.0 / 3.0)
        return "2/3";
    std::array<char, 32> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    std::string t(buf.data(), r.ptr);
    if (const auto punto = t.find('.'); punto != std::string::npos)
        t.replace(punto, 1, decimale);
    return t;
}

std::optional<double> LeggiNumeroParametro(std::string_view testo) {
    auto semplice = [](std::string_view t) -> std::optional<double> {
        if (t.empty())
            return std::nullopt;
        for (const char* decimale : {".", ","}) {
            try {
                const double v = LeggiValoreCasella(t, Separatori{decimale, ""});
                if (std::isfinite(v))
                    return v;
            } catch (const Errore&) {
            }
        }
        return std::nullopt;
    };
    if (const auto barra = testo.find('/'); barra != std::string_view::npos) {
        const auto a = semplice(testo.substr(0, barra));
        const auto b = semplice(testo.substr(barra + 1));
        if (!a || !b || *b == 0)
            return std::nullopt;
        return *a / *b;
    }
    return semplice(testo);
}

} // namespace spintaro
