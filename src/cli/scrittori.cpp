// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/scrittori.h"

#include "analisi/carichi_righe.h"
#include "cli/opzioni.h"
#include "model/calcolo.h"
#include "text/testi_numerici.h"
#include "text/testi_strato.h"
#include "text/zone_stampa.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace spintaro::calcola {

namespace {

// The shortest text that reads back to the same double.
std::string breve(double v) {
    std::array<char, 32> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return std::string(buf.data(), r.ptr);
}

std::string jsonTesto(std::string_view s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                std::ostringstream hex;
                hex << "\\u" << std::hex << std::setw(4) << std::setfill('0') << int(c);
                out += hex.str();
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string csvCampo(std::string_view s, char separatore) {
    if (s.find_first_of(std::string{separatore, '"', '\r', '\n'}) == std::string_view::npos)
        return std::string(s);
    std::string out = "\"";
    for (char c : s) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

// A derived result that extreme inputs can push out of range: empty then.
std::optional<double> finito(double v) {
    if (std::isfinite(v))
        return v;
    return std::nullopt;
}

std::string jsonNumero(std::optional<double> v) {
    return v ? breve(*v) : "null";
}

// The results of the whole profile beyond the total thrust, each empty where it is undefined.
struct Derivati {
    std::optional<double> acqua;
    std::optional<double> momento;
    std::optional<double> braccio;
};

Derivati derivati(const AnalisiSpinta& a) {
    return {finito(a.spintaAcqua), finito(a.momento), a.braccio};
}

// Visits the design columns of a group in the CSV's order: the base group the layer's columns, then
// the row's; the seismic and the loads' groups, at the end, the row's, then the layer's.
template <class PerStrato, class PerRiga>
void colonneCsv(GruppoColonne g, PerStrato perStrato, PerRiga perRiga) {
    const auto strati = [&] {
        for (const ColonnaStrato& c : ColonneStrato())
            if (c.gruppo == g)
                perStrato(c);
    };
    const auto righe = [&] {
        for (const ColonnaRiga& c : ColonneRiga())
            if (c.gruppo == g && !c.csv.empty())
                perRiga(c);
    };
    if (g == GruppoColonne::Base) {
        strati();
        righe();
    } else {
        righe();
        strati();
    }
}

// The groups of design columns of a CSV, in order.
std::vector<GruppoColonne> gruppiCsv(const ColonneCsv& gruppi) {
    std::vector<GruppoColonne> g;
    if (!gruppi.progetto)
        return g;
    g.push_back(GruppoColonne::Base);
    if (gruppi.sisma)
        g.push_back(GruppoColonne::Sisma);
    if (gruppi.carichi)
        g.push_back(GruppoColonne::Carichi);
    return g;
}

// The loads with their inputs and characteristic results; nothing without loads.
void scriviJsonCarichi(std::ostream& out, const RisultatoProgetto& p) {
    if (p.carichi.empty())
        return;
    out << ",\"carichi\":[";
    for (std::size_t k = 0; k < p.carichi.size(); ++k) {
        const Carico& c = p.carichi[k].carico;
        const SpintaCarico& s = p.carichi[k].caratteristica;
        out << (k ? "," : "") << "{\"tipo\":" << jsonTesto(ParolaTipoCarico(c.tipo));
        for (const ValoreCarico& v : ValoriCarico(c))
            out << ",\"" << v.chiave << "\":" << breve(v.valore);
        out << ",\"azione\":"
            << (c.azione == AzioneCarico::Permanente ? "\"permanente\"" : "\"variabile\"")
            << ",\"psi2\":" << breve(c.psi2) << ",\"spinta\":" << breve(s.spinta)
            << ",\"momento\":" << breve(s.momento) << ",\"braccio\":" << jsonNumero(s.braccio)
            << "}";
    }
    out << "]";
}

void scriviJsonProgetto(std::ostream& out, const RisultatoProgetto& p) {
    scriviJsonCarichi(out, p);
    out << ",\"combinazioni\":[";
    for (std::size_t k = 0; k < p.righe.size(); ++k) {
        const RigaProgetto& r = p.righe[k];
        out << (k ? "," : "") << "{\"nome\":" << jsonTesto(r.nome);
        for (const ColonnaRiga& c : ColonneRiga()) {
            if ((c.gruppo == GruppoColonne::Sisma && !r.sisma) ||
                (c.gruppo == GruppoColonne::Carichi && !r.spintaCarichi))
                continue;
            const auto v = c.valore(r);
            out << ",\"" << c.chiave
                << "\":" << (c.siNo ? (v == 1.0 ? "true" : "false") : jsonNumero(v));
        }
        if (!r.avvisi.empty()) {
            out << ",\"avvisi\":[";
            for (std::size_t a = 0; a < r.avvisi.size(); ++a)
                out << (a ? "," : "") << jsonTesto(r.avvisi[a]);
            out << "]";
        }
        out << ",\"strati\":[";
        for (std::size_t i = 0; i < r.strati.size(); ++i) {
            out << (i ? "," : "") << "{\"strato\":" << i + 1;
            for (const ColonnaStrato& c : ColonneStrato())
                if (const auto v = c.valore(r.strati[i]))
                    out << ",\"" << c.chiave << "\":" << breve(*v);
            out << "}";
        }
        out << "]}";
    }
    out << "]";
}

// The design columns of one CSV row: empty for a project without design results.
void csvProgetto(std::ostream& out, const FormaCsv& f, const RigaProgetto* r, std::size_t i,
                 const ColonneCsv& gruppi) {
    const char c = f.campo;
    out << c << (r != nullptr ? r->nome : "");
    for (const GruppoColonne g : gruppiCsv(gruppi))
        colonneCsv(
            g,
            [&](const ColonnaStrato& k) {
                out << c << (r != nullptr ? f.numero(k.valore(r->strati[i])) : "");
            },
            [&](const ColonnaRiga& k) {
                out << c << (r != nullptr ? f.numero(k.valore(*r)) : "");
            });
}

// Right-aligned columns two spaces apart, each as wide as its widest cell.
void stampaColonne(std::ostream& out, const std::vector<std::vector<std::string>>& righe) {
    std::vector<std::size_t> larghezza(righe.empty() ? 0 : righe.front().size());
    for (const auto& r : righe)
        for (std::size_t k = 0; k < r.size(); ++k)
            larghezza[k] = std::max(larghezza[k], colonne(r[k]));
    for (const auto& r : righe) {
        std::string linea;
        for (std::size_t k = 0; k < r.size(); ++k) {
            linea.append(larghezza[k] - colonne(r[k]) + (k ? 2 : 0), ' ');
            linea += r[k];
        }
        out << linea << "\n";
    }
}

// One seismic row of the table: the action, the layers with θ and K_AE, the thrust split into
// its static part and the increment.
// The layers of a row in the columns of these keys: labels, units and decimals of the one table.
std::vector<std::vector<std::string>> tabellaStrati(const RigaProgetto& r, StatoTerreno stato,
                                                    std::initializer_list<std::string_view> chiavi,
                                                    std::string_view sep) {
    std::vector<std::vector<std::string>> righe(2 + r.strati.size());
    righe[0].emplace_back("Strato");
    righe[1].emplace_back("");
    for (std::size_t i = 0; i < r.strati.size(); ++i)
        righe[i + 2].push_back(std::to_string(i + 1));
    for (const std::string_view chiave : chiavi) {
        const ColonnaStrato& c = ColonnaStratoDi(chiave);
        righe[0].push_back(EtichettaColonna(c, stato, r.sisma.has_value()));
        righe[1].emplace_back(c.unita);
        for (std::size_t i = 0; i < r.strati.size(); ++i)
            righe[i + 2].push_back(
                TestoValore(c.valore(r.strati[i]).value_or(0.0), c.decimali, sep));
    }
    return righe;
}

// The loads' factored share of a row, in its thrust and moment; nothing without loads.
void quotaCarichi(std::ostream& out, const RigaProgetto& r, std::string_view sep) {
    if (r.spintaCarichi)
        out << "di cui carichi sul terrapieno: " << TestoValore(*r.spintaCarichi, 3, sep)
            << " kN/m, momento " << TestoValore(r.momentoCarichi.value_or(0), 3, sep)
            << " kN·m/m\n";
}

// The loads on the backfill: each with its action and its characteristic thrust, moment and arm.
void scriviTabellaCarichi(std::ostream& out, const RisultatoProgetto& p,
                          const ParametriCalcolo& par, std::string_view sep) {
    if (p.carichi.empty())
        return;
    const bool punto = std::any_of(p.carichi.begin(), p.carichi.end(), [](const EsitoCarico& e) {
        return e.carico.tipo == TipoCarico::Punto;
    });
    out << "Carichi sul terrapieno (Boussinesq, f = " << TestoParametro(par.fattoreCarichi)
        << (punto ? "; un carico punto: per metro di muro nella sezione davanti al carico" : "")
        << "), valori caratteristici:\n";
    std::vector<std::vector<std::string>> righe = {
        {"N", "Carico", "Azione", "ψ2", "S", "M", "quota"},
        {"", "", "", "", "kN/m", "kN·m/m", "m"}};
    for (std::size_t k = 0; k < p.carichi.size(); ++k)
        righe.push_back(CelleCarico(p.carichi[k], k + 1, sep, "-"));
    stampaColonne(out, righe);
}

void scriviRigaSismica(std::ostream& out, const RigaProgetto& r, bool passiva,
                       std::string_view sep) {
    const DatiSismici& s = *r.sisma;
    out << "\nAzione sismica " << r.nome << ", " << VersoKv(s.kvSegno)
        << (r.governa ? " (governa)" : "") << ": " << r.nota << "\n";
    if (s.ss)
        out << "  Ss " << TestoValore(*s.ss, 3, sep) << "  St " << TestoValore(*s.st, 3, sep)
            << "  amax/g " << TestoValore(*s.amax, 4, sep) << "  βm "
            << TestoValore(*s.betaM, 2, sep) << "\n";
    out << "  kh " << TestoValore(s.kh, 4, sep) << "  kv " << TestoValore(s.kv, 4, sep) << "\n";
    stampaColonne(out, tabellaStrati(r, passiva ? StatoTerreno::Passiva : StatoTerreno::Attiva,
                                     {"phi_d", "theta", "k", "k_h", "delta", "sa1", "sa2", "sv1",
                                      "sv2", "u1", "u2"},
                                     sep));
    const auto metri = [&](std::optional<double> v) {
        return v ? TestoValore(*v, 3, sep) + " m" : std::string("-");
    };
    out << (passiva ? "Resistenza passiva orizzontale con il sisma: "
                    : "Spinta orizzontale con il sisma: ")
        << TestoValore(r.spinta, 3, sep) << " kN/m\n"
        << "Statica con gli stessi parametri: " << TestoValore(s.spintaStatica, 3, sep) << " kN/m\n"
        << "Incremento sismico: " << TestoValore(s.incremento, 3, sep) << " kN/m, a "
        << metri(s.braccioIncremento) << " sopra la base\n";
    quotaCarichi(out, r, sep);
    out << "Componente verticale: " << TestoValore(r.spintaVerticale, 3, sep) << " kN/m\n"
        << "Spinta dell'acqua: " << TestoValore(r.spintaAcqua, 3, sep) << " kN/m\n"
        << "Momento rispetto alla base: " << TestoValore(r.momento, 3, sep) << " kN·m/m\n"
        << "Punto di applicazione sopra la base: " << metri(r.braccio) << "\n";
}

} // namespace

std::string FormaCsv::numero(double v) const {
    std::string s = breve(v);
    if (const auto p = s.find('.'); p != std::string::npos && decimale != ".")
        s.replace(p, 1, decimale);
    return s;
}

std::string FormaCsv::numero(std::optional<double> v) const {
    return v ? numero(*v) : "";
}

void scriviIntestazioneCsv(std::ostream& out, const FormaCsv& csv, const ColonneCsv& gruppi) {
    bool primaColonna = true;
    for (const char* colonna :
         {"file", "strato", "potenza", "gamma", "coesione", "attrito_interno", "falda", "ka", "sv",
          "sa1", "sa2", "z0", "sovraccarico", "spinta_totale", "u1", "u2", "spinta_acqua",
          "momento", "braccio"}) {
        if (!primaColonna)
            out << csv.campo;
        out << colonna;
        primaColonna = false;
    }
    if (gruppi.progetto)
        out << csv.campo << "combinazione";
    for (const GruppoColonne g : gruppiCsv(gruppi))
        colonneCsv(
            g, [&](const ColonnaStrato& k) { out << csv.campo << k.csv; },
            [&](const ColonnaRiga& k) { out << csv.campo << k.csv; });
    out << "\r\n";
}

void scriviJson(std::ostream& out, const std::string& file, const Modulo1& m,
                const AnalisiSpinta& a, const RisultatoProgetto* progetto) {
    const Derivati d = derivati(a);
    out << "{\"file\":" << jsonTesto(file) << ",\"sovraccarico\":" << breve(m.Strati(0).Sv)
        << ",\"num_strati\":" << m.NumStrati << ",\"spinta_totale\":" << breve(m.SpintaTotale)
        << ",\"spinta_acqua\":" << jsonNumero(d.acqua) << ",\"momento\":" << jsonNumero(d.momento)
        << ",\"braccio\":" << jsonNumero(d.braccio) << ",\"strati\":[";
    for (int i = 1; i <= m.NumStrati; ++i) {
        const Strato& s = m.Strati(i);
        const auto z0 = z0Mostrato(m, i);
        const Acqua& u = a.strati[static_cast<std::size_t>(i - 1)];
        out << (i > 1 ? "," : "") << "{\"strato\":" << i << ",\"potenza\":" << breve(s.Potenza)
            << ",\"gamma\":" << breve(s.Gamma) << ",\"coesione\":" << breve(s.Coesione)
            << ",\"attrito_interno\":" << breve(s.AttritoInterno)
            << ",\"falda\":" << (s.Falda != 0 ? 1 : 0) << ",\"ka\":" << breve(s.Ka)
            << ",\"sv\":" << breve(s.Sv) << ",\"sa1\":" << breve(s.Sa1)
            << ",\"sa2\":" << breve(s.Sa2) << ",\"z0\":" << jsonNumero(z0)
            << ",\"u1\":" << breve(u.u1) << ",\"u2\":" << breve(u.u2) << "}";
    }
    out << "]";
    if (progetto != nullptr)
        scriviJsonProgetto(out, *progetto);
    out << "}\n";
}

void scriviCsv(std::ostream& out, const std::string& file, const Modulo1& m, const AnalisiSpinta& a,
               const FormaCsv& f, const RisultatoProgetto* progetto, const ColonneCsv& gruppi) {
    const Derivati d = derivati(a);
    const char c = f.campo;
    // One row per layer, or per combination and layer with the design columns at the end.
    const std::size_t giri = progetto != nullptr ? progetto->righe.size() : 1;
    for (std::size_t g = 0; g < giri; ++g)
        for (int i = 1; i <= m.NumStrati; ++i) {
            const Strato& s = m.Strati(i);
            const auto z0 = z0Mostrato(m, i);
            const Acqua& u = a.strati[static_cast<std::size_t>(i - 1)];
            out << csvCampo(file, c) << c << i << c << f.numero(s.Potenza) << c << f.numero(s.Gamma)
                << c << f.numero(s.Coesione) << c << f.numero(s.AttritoInterno) << c
                << (s.Falda != 0 ? 1 : 0) << c << f.numero(s.Ka) << c << f.numero(s.Sv) << c
                << f.numero(s.Sa1) << c << f.numero(s.Sa2) << c << f.numero(z0) << c
                << f.numero(m.Strati(0).Sv) << c << f.numero(m.SpintaTotale) << c << f.numero(u.u1)
                << c << f.numero(u.u2) << c << f.numero(d.acqua) << c << f.numero(d.momento) << c
                << f.numero(d.braccio);
            if (gruppi.progetto)
                csvProgetto(out, f, progetto != nullptr ? &progetto->righe[g] : nullptr,
                            static_cast<std::size_t>(i - 1), gruppi);
            out << "\r\n";
        }
}

void scriviTabella(std::ostream& out, const std::string& file, const Modulo1& m,
                   const AnalisiSpinta& a, std::string_view sep) {
    out << "Progetto: " << file << "\n"
        << "Sovraccarico: " << TestoGenerale(m.Strati(0).Sv, sep)
        << " kPa   Strati: " << m.NumStrati << "\n";
    constexpr std::size_t colonneTabella = 13;
    const std::array<const char*, colonneTabella> titoli = {
        "Strato", "Potenza", "Gamma", "Coesione", "Attrito", "Falda", "Ka",
        "Sv",     "Sa1",     "Sa2",   "z0",       "u1",      "u2"};
    const std::array<const char*, colonneTabella> unita = {
        "", "m", "kN/m³", "kPa", "°", "", "", "kPa", "kPa", "kPa", "m", "kPa", "kPa"};
    std::vector<std::vector<std::string>> righe = {{titoli.begin(), titoli.end()},
                                                   {unita.begin(), unita.end()}};
    for (int i = 1; i <= m.NumStrati; ++i) {
        const Strato& s = m.Strati(i);
        const auto z0 = z0Mostrato(m, i);
        const Acqua& u = a.strati[static_cast<std::size_t>(i - 1)];
        righe.push_back({std::to_string(i), TestoGenerale(s.Potenza, sep),
                         TestoGenerale(s.Gamma, sep), TestoGenerale(s.Coesione, sep),
                         TestoGenerale(s.AttritoInterno, sep), s.Falda != 0 ? "Si" : "No",
                         TestoValore(s.Ka, 6, sep), TestoValore(s.Sv, 3, sep),
                         TestoValore(s.Sa1, 3, sep), TestoValore(s.Sa2, 3, sep),
                         z0 ? TestoValore(*z0, 3, sep) : "-", TestoValore(u.u1, 3, sep),
                         TestoValore(u.u2, 3, sep)});
    }
    stampaColonne(out, righe);
    const Derivati d = derivati(a);
    auto valore = [&](std::optional<double> v, const char* misura) {
        return v ? TestoValore(*v, 3, sep) + " " + misura : std::string("-");
    };
    out << "Spinta totale: " << TestoValore(m.SpintaTotale, 3, sep) << " kN/m\n"
        << "Spinta dell'acqua: " << valore(d.acqua, "kN/m") << "\n"
        << "Momento ribaltante rispetto alla base: " << valore(d.momento, "kN·m/m") << "\n"
        << "Punto di applicazione sopra la base: " << valore(d.braccio, "m") << "\n";
}

void scriviTabellaProgetto(std::ostream& out, const RisultatoProgetto& p,
                           const ParametriCalcolo& par, std::string_view sep) {
    out << "\nSpinte di progetto (NTC 2018): " << DescrizioneCalcolo(par) << "\n";
    for (const std::string& a : p.avvisi)
        out << "Avviso: " << a << "\n";
    scriviTabellaCarichi(out, p, par, sep);
    const bool passiva = par.stato == StatoTerreno::Passiva;
    for (const RigaProgetto& r : p.righe) {
        if (r.sisma) {
            scriviRigaSismica(out, r, passiva, sep);
            continue;
        }
        out << "\nCombinazione " << r.nome << (r.governa ? " (governa)" : "") << ": " << r.nota
            << "\n"
            << "  γG1 " << TestoGenerale(r.gammaG1, sep) << "  γQ " << TestoGenerale(r.gammaQ, sep)
            << "  γφ′ " << TestoGenerale(r.gammaPhi, sep) << "  γc′ "
            << TestoGenerale(r.gammaC, sep) << "  γγ " << TestoGenerale(r.gammaGamma, sep);
        if (r.gammaR)
            out << "  γR " << TestoGenerale(*r.gammaR, sep);
        out << "\n";
        stampaColonne(out, tabellaStrati(r, par.stato,
                                         {"phi_d", "c_d", "k", "k_h", "delta", "sa1", "sa2", "sv1",
                                          "sv2", "u1", "u2"},
                                         sep));
        out << (passiva ? "Resistenza passiva orizzontale: " : "Spinta orizzontale: ")
            << TestoValore(r.spinta, 3, sep) << " kN/m\n";
        if (r.gammaR)
            out << "Resistenza divisa per γR: " << TestoValore(r.spinta / *r.gammaR, 3, sep)
                << " kN/m\n";
        quotaCarichi(out, r, sep);
        out << "Componente verticale: " << TestoValore(r.spintaVerticale, 3, sep) << " kN/m\n"
            << "Spinta dell'acqua: " << TestoValore(r.spintaAcqua, 3, sep) << " kN/m\n"
            << "Momento rispetto alla base: " << TestoValore(r.momento, 3, sep) << " kN·m/m\n"
            << "Punto di applicazione sopra la base: "
            << (r.braccio ? TestoValore(*r.braccio, 3, sep) + " m" : std::string("-")) << "\n";
    }
}

// Extreme inputs can make a derived result overflow while the thrust is still finite: say which,
// on one line; the output leaves them empty and the exit status does not change for it.
void avvisaNonFiniti(std::ostream& err, const std::string& file, const AnalisiSpinta& a) {
    std::string nomi;
    auto aggiungi = [&](bool manca, const char* nome) {
        if (manca)
            nomi += (nomi.empty() ? "" : ", ") + std::string(nome);
    };
    aggiungi(!std::isfinite(a.spintaAcqua), "spinta dell'acqua");
    aggiungi(!std::isfinite(a.momento), "momento ribaltante");
    aggiungi(a.spinta != 0 && !a.braccio, "punto di applicazione");
    if (!nomi.empty())
        err << Programma << ": " << file << ": valori troppo grandi, risultati non finiti (" << nomi
            << ") lasciati senza valore\n";
}

} // namespace spintaro::calcola
