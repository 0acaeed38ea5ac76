// SPDX-License-Identifier: GPL-3.0-or-later
// The loads on the ground surface behind the wall: their pressure, thrust and moment in closed
// form, and their text.
//
// Every load is computed as three functions of the depth z: the pressure σ(z), its integral from
// the top S0(z) = ∫0^z σ dζ and its first moment S1(z) = ∫0^z σ·ζ dζ. A depth interval's thrust is
// S0(z2) − S0(z1) and its moment about the base H·(S0(z2) − S0(z1)) − (S1(z2) − S1(z1)).
//
// The strips come from the line kernel k(x, z) = (2/π)·x²z/(x² + z²)² (Boussinesq, a line load of
// 1 kN/m at x from the wall), integrated over the width:
//   ∫ 2x²z/(x² + z²)² dx = arctan(x/z) − xz/(x² + z²) =: g(x, z),
//   ∫ 2x³z/(x² + z²)² dx = z·ln(x² + z²) + z³/(x² + z²) =: h(x, z),
// so a strip of intensity A + B·x gives σ = (f/π)·(A·[g] + B·[h]), [·] taken between the edges;
// with B = 0, (g(x2) − g(x1)) is β − sin β·cos 2α. In depth, g = d/dz (z·arctan(x/z)), hence
//   ∫0^z g = z·arctan(x/z),              ∫0^z g·ζ = z²/2·arctan(x/z) − xz/2 + x²/2·arctan(z/x),
//   ∫ h = z²/2·ln(x² + z²) + const,      ∫ h·z = z³/3·ln(x² + z²) + (z³/3 − x²z +
//   x³·arctan(z/x))/3.
// A line load: ∫0^z x²ζ/(x² + ζ²)² dζ = z²/(2(x² + z²)),
//   ∫0^z x²ζ²/(x² + ζ²)² dζ = x/2·arctan(z/x) − x²z/(2(x² + z²)).
// A point load (NAVFAC DM-7.2), σ = C·(P/H²)·n²/(c + n²)³, n = z/H: with n = √c·tan t,
//   ∫0^n ν²/(c + ν²)³ dν = (t − sin 4t / 4)/(8c^(3/2)),   ∫0^n ν³/(c + ν²)³ dν = n⁴/(4c(c + n²)²).
#include "analisi/carichi.h"

#include "text/citazioni.h"
#include "text/testi_numerici.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace spintaro {

namespace {

using std::numbers::pi;

// σ, S0 and S1 of a load at one depth (the pressure without the factor f/2 or f).
struct Valori {
    double pressione = 0, s0 = 0, s1 = 0;
};

// g(x, z) of the strip; 0 at the corner x = z = 0, which only the near edge of a strip at the
// wall reaches.
double nucleoG(double x, double z) {
    const double w = x * x + z * z;
    return w == 0 ? 0.0 : std::atan2(x, z) - x * z / w;
}

// The integrals S0 and S1 of the strip of intensity A + B·x from x1 to x2 at depth z, with the
// factor 1/π; its pressure is pressione's.
Valori striscia(double x1, double x2, double A, double B, double z) {
    const double w1 = x1 * x1 + z * z, w2 = x2 * x2 + z * z;
    Valori v;
    if (A != 0) {
        v.s0 = A * z * (std::atan2(x2, z) - std::atan2(x1, z));
        auto g1 = [z](double x) {
            return z * z / 2 * std::atan2(x, z) - x * z / 2 + x * x / 2 * std::atan2(z, x);
        };
        v.s1 = A * (g1(x2) - g1(x1));
    }
    if (B != 0 && z > 0) {
        const double l = std::log(w2 / w1);
        v.s0 += B * z * z / 2 * l;
        auto h1 = [z](double x) {
            return -x * x * z + x * x * x * std::atan2(z, x);
        };
        v.s1 += B * (z * z * z / 3 * l + (h1(x2) - h1(x1)) / 3);
    }
    v.s0 /= pi;
    v.s1 /= pi;
    return v;
}

double pressione(const Carico& c, double z, double H, double f);

Valori valori(const Carico& c, double z, double H, double f) {
    switch (c.tipo) {
    case TipoCarico::Striscia: {
        const Valori v = striscia(c.a, c.a + c.b, c.q, 0, z);
        return {pressione(c, z, H, f), f * v.s0, f * v.s1};
    }
    case TipoCarico::Trapezio: {
        const double B = (c.q2 - c.q1) / c.b;
        const Valori v = striscia(c.a, c.a + c.b, c.q1 - B * c.a, B, z);
        return {pressione(c, z, H, f), f * v.s0, f * v.s1};
    }
    case TipoCarico::Linea: {
        // NAVFAC DM-7.2: a line load nearer than 0.4·H acts as if at 0.4·H.
        const double x = std::max(c.a, 0.4 * H), w = x * x + z * z, k = f * 2 * c.Q / pi;
        return {k * x * x * z / (w * w), k * z * z / (2 * w),
                k * (x / 2 * std::atan2(z, x) - x * x * z / (2 * w))};
    }
    case TipoCarico::Punto: {
        const double m = c.a / H, n = z / H;
        const double cc = m <= 0.4 ? 0.16 : m * m;
        const double k = f / 2 * (m <= 0.4 ? 0.28 : 1.77 * m * m) * c.P;
        const double w = cc + n * n, t = std::atan2(n, std::sqrt(cc));
        return {k / (H * H) * n * n / (w * w * w),
                k / H * (t - std::sin(4 * t) / 4) / (8 * cc * std::sqrt(cc)),
                k * n * n * n * n / (4 * cc * w * w)};
    }
    }
    return {};
}

// The pressure alone, without the integrals that valori works beside it: the design rows ask for it
// at every layer boundary.
double pressione(const Carico& c, double z, double H, double f) {
    switch (c.tipo) {
    case TipoCarico::Striscia: {
        // As the textbooks write it: β the angle the strip subtends at the point, α the angle of
        // its bisector from the vertical.
        const double beta = std::atan2(c.a + c.b, z) - std::atan2(c.a, z);
        const double alfa = std::atan2(c.a, z) + beta / 2;
        return f * c.q / pi * (beta - std::sin(beta) * std::cos(2 * alfa));
    }
    case TipoCarico::Trapezio: {
        const double B = (c.q2 - c.q1) / c.b, A = c.q1 - B * c.a;
        const double x1 = c.a, x2 = c.a + c.b, w1 = x1 * x1 + z * z, w2 = x2 * x2 + z * z;
        double s = A * (nucleoG(x2, z) - nucleoG(x1, z));
        if (B != 0 && z > 0)
            s += B * (z * std::log(w2 / w1) + z * z * z * (1 / w2 - 1 / w1));
        return f * s / pi;
    }
    case TipoCarico::Linea:
    case TipoCarico::Punto:
        break;
    }
    return valori(c, z, H, f).pressione;
}

} // namespace

std::string_view ParolaTipoCarico(TipoCarico t) {
    constexpr std::array<std::string_view, 4> parole{"striscia", "trapezio", "linea", "punto"};
    return parole[static_cast<std::size_t>(t)];
}

double PressioneCarico(const Carico& c, double z, double H, double f) {
    if (!(H > 0) || z < 0 || z > H)
        return 0;
    return pressione(c, z, H, f);
}

SpintaCarico SpintaCaricoTratto(const Carico& c, double z1, double z2, double H, double f) {
    if (!(H > 0))
        return {};
    z1 = std::clamp(z1, 0.0, H);
    z2 = std::clamp(z2, 0.0, H);
    if (!(z2 > z1))
        return {};
    const Valori v1 = valori(c, z1, H, f), v2 = valori(c, z2, H, f);
    SpintaCarico s;
    s.spinta = v2.s0 - v1.s0;
    s.momento = H * s.spinta - (v2.s1 - v1.s1);
    if (s.spinta > 0)
        s.braccio = s.momento / s.spinta;
    return s;
}

SpintaCarico SpintaCaricoTotale(const Carico& c, double H, double f) {
    return SpintaCaricoTratto(c, 0, H, H, f);
}

namespace {

using Esito = std::optional<std::string>;

// A key of a load's text and the value it sets, named in a message as nome: "la larghezza b".
struct Voce {
    std::string_view chiave, nome, unita;
    double Carico::*campo;
    bool femminile; // "ammessa"
};

constexpr Voce vq{"q", "il carico q", "kPa", &Carico::q, false};
constexpr Voce vq1{"q1", "il carico q1", "kPa", &Carico::q1, false};
constexpr Voce vq2{"q2", "il carico q2", "kPa", &Carico::q2, false};
constexpr Voce vQ{"Q", "il carico Q", "kN/m", &Carico::Q, false};
constexpr Voce vP{"P", "il carico P", "kN", &Carico::P, false};
constexpr Voce va{"a", "la distanza a", "m", &Carico::a, true};
constexpr Voce vb{"b", "la larghezza b", "m", &Carico::b, true};
constexpr Voce vpsi2{"psi2", "ψ2", "", &Carico::psi2, false};

constexpr std::array vociStriscia{vq, va, vb};
constexpr std::array vociTrapezio{vq1, vq2, va, vb};
constexpr std::array vociLinea{vQ, va};
constexpr std::array vociPunto{vP, va};

// The keys a kind requires, in the order its text writes them.
std::span<const Voce> vociDi(TipoCarico t) {
    switch (t) {
    case TipoCarico::Striscia:
        return vociStriscia;
    case TipoCarico::Trapezio:
        return vociTrapezio;
    case TipoCarico::Linea:
        return vociLinea;
    case TipoCarico::Punto:
        return vociPunto;
    }
    return {};
}

std::string citato(std::string_view t) {
    return "«" + citaTesto(t) + "»";
}

std::string intestazione(std::size_t numero, TipoCarico t) {
    return "Carico " + std::to_string(numero) + " (" + std::string(ParolaTipoCarico(t)) + "): ";
}

std::string formaDi(TipoCarico t) {
    std::string forma(ParolaTipoCarico(t));
    char separatore = ':';
    for (const Voce& v : vociDi(t)) {
        forma += separatore + std::string(v.chiave) + "=N";
        separatore = ',';
    }
    return forma;
}

// The values of a load in their ranges; testo gives a value's text for the message (as written,
// or as TestoParametro writes it).
template <typename Testo>
Esito controllaValori(const Carico& c, std::size_t numero, const Testo& testo) {
    const std::string chi = intestazione(numero, c.tipo);
    auto rifiuto = [&](const Voce& v, std::string_view regola) {
        return chi + std::string(v.nome) + " " + citato(testo(v)) +
               (v.femminile ? " non è ammessa" : " non è ammesso") + ", deve essere " +
               std::string(regola) + (v.unita.empty() ? "" : " " + std::string(v.unita));
    };
    for (const Voce& v : vociDi(c.tipo)) {
        const double x = c.*v.campo;
        // A distance may be 0 (a load at the wall), and one end of a trapezoid (a slope's toe).
        const bool nonNegativo = v.chiave == "a" || v.chiave == "q1" || v.chiave == "q2";
        if (!std::isfinite(x) || (nonNegativo ? x < 0 : !(x > 0)))
            return rifiuto(v, nonNegativo ? "almeno 0" : "maggiore di 0");
    }
    if (c.tipo == TipoCarico::Trapezio && c.q1 == 0 && c.q2 == 0)
        return chi + "i carichi q1 e q2 sono entrambi nulli: almeno uno deve essere maggiore di "
                     "0 kPa";
    if (!(c.psi2 >= 0 && c.psi2 <= 1))
        return rifiuto(vpsi2, "almeno 0 e al massimo 1");
    if (c.azione == AzioneCarico::Permanente && (c.psi2Dato || c.psi2 != 0))
        return chi + "ψ2 " + citato(testo(vpsi2)) +
               " vale solo per un carico variabile, non per un carico permanente";
    return std::nullopt;
}

// A word of a load's text without the blanks around it.
std::string_view senzaSpazi(std::string_view t) {
    const auto inizio = t.find_first_not_of(" \t");
    if (inizio == std::string_view::npos)
        return {};
    return t.substr(inizio, t.find_last_not_of(" \t") - inizio + 1);
}

std::optional<TipoCarico> tipoDi(std::string_view parola) {
    for (const TipoCarico t :
         {TipoCarico::Striscia, TipoCarico::Trapezio, TipoCarico::Linea, TipoCarico::Punto})
        if (ParolaTipoCarico(t) == parola)
            return t;
    return std::nullopt;
}

// One "chiave=valore" of a load's text into c; scritti keeps each value's text by key.
Esito leggiVoce(std::string_view parte, const std::string& chi, Carico& c,
                std::vector<std::pair<std::string_view, std::string>>& scritti) {
    const auto uguale = parte.find('=');
    if (uguale == std::string_view::npos)
        return chi + citato(parte) + " non è della forma chiave=valore (" + formaDi(c.tipo) + ")";
    const std::string_view chiave = senzaSpazi(parte.substr(0, uguale));
    const std::string_view valore = senzaSpazi(parte.substr(uguale + 1));
    std::string chiavi;
    const Voce* voce = nullptr;
    for (const Voce& v : vociDi(c.tipo)) {
        chiavi += std::string(v.chiave) + ", ";
        voce = v.chiave == chiave ? &v : voce;
    }
    voce = chiave == vpsi2.chiave ? &vpsi2 : voce;
    if (voce == nullptr && chiave != "azione")
        return chi + "la chiave " + citato(chiave) + " non esiste (" + chiavi + "azione, psi2)";
    for (const auto& s : scritti)
        if (s.first == chiave)
            return chi + std::string(chiave) + " è dato due volte";
    if (voce == nullptr) {
        scritti.emplace_back("azione", valore);
        if (valore != "variabile" && valore != "permanente")
            return chi + "l'azione " + citato(valore) + " non esiste (variabile oppure permanente)";
        c.azione = valore == "permanente" ? AzioneCarico::Permanente : AzioneCarico::Variabile;
        return std::nullopt;
    }
    scritti.emplace_back(voce->chiave, valore);
    if (valore.empty())
        return chi + "manca il valore di " + std::string(voce->chiave);
    const auto x = LeggiNumeroParametro(valore);
    if (!x)
        return chi + std::string(voce->nome) + " " + citato(valore) + " non è un numero";
    c.*voce->campo = *x;
    c.psi2Dato = c.psi2Dato || voce == &vpsi2;
    return std::nullopt;
}

} // namespace

std::optional<std::string> LeggiCarico(std::string_view testo, std::size_t numero, Carico& c) {
    const std::string carico = "Carico " + std::to_string(numero);
    const auto duePunti = testo.find(':');
    if (duePunti == std::string_view::npos)
        return carico + ": " + citato(testo) +
               " non è un carico (forma: tipo:chiave=N,...; tipi: striscia, trapezio, linea, "
               "punto)";
    const std::string_view parola = senzaSpazi(testo.substr(0, duePunti));
    const auto tipo = tipoDi(parola);
    if (!tipo)
        return carico + ": il tipo " + citato(parola) +
               " non esiste (striscia, trapezio, linea o punto)";
    Carico nuovo{.tipo = *tipo};
    const std::string chi = intestazione(numero, *tipo);
    std::vector<std::pair<std::string_view, std::string>> scritti;
    std::string_view resto = testo.substr(duePunti + 1);
    while (true) {
        const auto virgola = resto.find(',');
        if (auto e = leggiVoce(resto.substr(0, virgola), chi, nuovo, scritti))
            return e;
        if (virgola == std::string_view::npos)
            break;
        resto.remove_prefix(virgola + 1);
    }
    for (const Voce& v : vociDi(*tipo))
        if (std::ranges::none_of(scritti, [&](const auto& s) { return s.first == v.chiave; }))
            return chi + "manca " + std::string(v.chiave) + " (forma: " + formaDi(*tipo) + ")";
    auto scritto = [&](const Voce& v) {
        for (const auto& s : scritti)
            if (s.first == v.chiave)
                return s.second;
        return TestoParametro(nuovo.*v.campo);
    };
    if (auto e = controllaValori(nuovo, numero, scritto))
        return e;
    c = nuovo;
    return std::nullopt;
}

std::optional<std::string> LeggiCarichi(std::span<const std::string> testi,
                                        std::vector<Carico>& carichi) {
    std::vector<Carico> letti(testi.size());
    for (std::size_t k = 0; k < testi.size(); ++k) {
        if (auto e = LeggiCarico(testi[k], k + 1, letti[k]))
            return e;
        if (k == MassimoCarichi)
            return intestazione(k + 1, letti[k].tipo) + "troppi carichi, al massimo " +
                   std::to_string(MassimoCarichi);
    }
    carichi = std::move(letti);
    return std::nullopt;
}

std::vector<ValoreCarico> ValoriCarico(const Carico& c) {
    std::vector<ValoreCarico> valori;
    for (const Voce& v : vociDi(c.tipo))
        valori.push_back({v.chiave, v.unita, c.*v.campo});
    return valori;
}

std::string TestoCarico(const Carico& c) {
    std::string t(ParolaTipoCarico(c.tipo));
    char separatore = ':';
    for (const Voce& v : vociDi(c.tipo)) {
        t += separatore + std::string(v.chiave) + "=" + TestoParametro(c.*v.campo);
        separatore = ',';
    }
    if (c.azione == AzioneCarico::Permanente)
        t += ",azione=permanente";
    if (c.psi2Dato || c.psi2 != 0)
        t += ",psi2=" + TestoParametro(c.psi2);
    return t;
}

std::optional<std::string> ControllaCarichi(std::span<const Carico> carichi, double f) {
    if (f != FattoreMuroRigido && f != FattoreMuroElastico)
        return "il fattore f dei carichi " + citato(TestoParametro(f)) +
               " non è ammesso: 2 per un muro rigido, che non si sposta, oppure 1 per un muro "
               "che si sposta";
    for (std::size_t k = 0; k < carichi.size(); ++k) {
        if (k == MassimoCarichi)
            return intestazione(k + 1, carichi[k].tipo) + "troppi carichi, al massimo " +
                   std::to_string(MassimoCarichi);
        const Carico& c = carichi[k];
        if (auto e = controllaValori(c, k + 1,
                                     [&](const Voce& v) { return TestoParametro(c.*v.campo); }))
            return e;
    }
    return std::nullopt;
}

std::string DescrizioneCarico(const Carico& c, std::string_view decimale) {
    std::string t(ParolaTipoCarico(c.tipo));
    // The intensity first, then the width and the distance, as one reads the load.
    const std::span<const Voce> voci = vociDi(c.tipo);
    std::vector<const Voce*> ordine;
    for (const Voce& v : voci)
        if (v.chiave != "a")
            ordine.push_back(&v);
    ordine.push_back(&va);
    char separatore = ' ';
    for (const Voce* v : ordine) {
        t += (separatore == ' ' ? " " : ", ") + std::string(v->chiave) + " = " +
             TestoParametro(c.*v->campo, decimale) + " " + std::string(v->unita);
        separatore = ',';
    }
    return t;
}

} // namespace spintaro
