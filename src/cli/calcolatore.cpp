// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calcolatore.h"

#include "analisi/spinte_progetto.h"
#include "files/esportazione.h"
#include "files/parametri_lavoro.h"
#include "files/progetto.h"
#include "model/calcolo.h"
#include "model/errore.h"
#include "model/programma.h"
#include "platform/file_system.h"
#include "platform/intestazione_relazione.h"
#include "report/relazione.h"
#include "text/citazioni.h"
#include "text/testi_strato.h"
#include "text/zone_stampa.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <optional>
#include <set>
#include <sstream>

namespace spintaro {

namespace {

constexpr const char* Programma = "spintaro-calcola";

const char* const Uso = "Uso: spintaro-calcola [--sovraccarico KPA] [--formato tabella|csv|json] "
                        "[--separatore-csv ,|;] [--esporta FILE] [--relazione FILE.pdf] "
                        "[PARAMETRI DI PROGETTO] PROGETTO.spt...\n";

const char* const Aiuto =
    "Calcola la spinta attiva delle terre per i progetti di Spintaro (file .spt).\n"
    "\n"
    "Risultati di ogni strato (colonne della tabella e del CSV, chiavi del JSON):\n"
    "  ka              coefficiente di spinta attiva Ka (adimensionale)\n"
    "  sv              tensione verticale totale alla base dello strato, kPa\n"
    "  sa1, sa2        pressione attiva in alto e alla base dello strato, kPa\n"
    "  z0              profondità dal piano campagna da cui parte la pressione, m\n"
    "                  (solo per uno strato in trazione in alto: sa1 < 0 < sa2)\n"
    "  u1, u2          pressione dell'acqua in alto e alla base dello strato, kPa\n"
    "                  (0 per uno strato asciutto)\n"
    "Risultati del progetto:\n"
    "  spinta_totale   spinta attiva totale sul muro, kN/m\n"
    "  spinta_acqua    la parte della spinta totale dovuta all'acqua, kN/m\n"
    "  momento         momento ribaltante della spinta rispetto alla base del profilo, kN·m/m\n"
    "  braccio         altezza del punto di applicazione della spinta sopra la base, m\n"
    "                  (vuoto, o null nel JSON, quando la spinta è nulla)\n"
    "Un risultato del progetto che i valori estremi rendono non finito resta vuoto (null nel\n"
    "JSON, - nella tabella) e un avviso su stderr dice quale.\n"
    "\n"
    "Opzioni:\n"
    "  --sovraccarico KPA   sovraccarico sul piano campagna in kPa (predefinito: quello del\n"
    "                       file dei parametri del progetto, altrimenti 0); il separatore\n"
    "                       decimale può essere il punto o la virgola\n"
    "  --formato FORMATO    tabella (predefinito), csv oppure json (un oggetto per riga)\n"
    "  --separatore-csv SEP\n"
    "                       separatore dei campi del CSV: , (predefinito; RFC 4180, punto\n"
    "                       decimale) oppure ; (per LibreOffice Calc ed Excel con impostazioni\n"
    "                       italiane: decimali con il separatore delle impostazioni regionali,\n"
    "                       la virgola se queste usano il punto)\n"
    "  --esporta FILE       scrive in FILE la tabella di esportazione del progetto (uno solo),\n"
    "                       con il separatore decimale delle impostazioni regionali\n"
    "  --relazione FILE     scrive in FILE la relazione di calcolo del progetto (uno solo)\n"
    "                       in PDF, A4: dati, modello, risultati e diagrammi, con il\n"
    "                       separatore decimale delle impostazioni regionali\n"
    "  --help               mostra questo aiuto\n"
    "  --version            mostra la versione\n";

const char* const AiutoProgetto =
    "\n"
    "Spinte di progetto (NTC 2018): con una di queste opzioni, o quando il file dei parametri del\n"
    "progetto (PROGETTO.parametri accanto a PROGETTO.spt) si discosta dai valori predefiniti, il\n"
    "calcolatore aggiunge per ogni combinazione (SLE, A1+M1, A2+M2) le pressioni di progetto\n"
    "di ogni strato e la spinta sul muro: S_d = gammaG1*S(q=0) + gammaQ*[S(q) - S(q=0)].\n"
    "Le opzioni prevalgono sul file dei parametri.\n"
    "Azione sismica (NTC 2018 par. 7.11.6): con --kh oppure --ag si aggiungono, per ogni stato\n"
    "limite di --stati-limite, due righe (kv verso il basso e verso l'alto) con la spinta di\n"
    "Mononobe-Okabe (EN 1998-5 Annesso E), parametri M1 e azioni con coefficiente 1.\n";

const char* const AiutoUscita =
    "\n"
    "Codici di uscita: 0 riuscito, 1 file illeggibile o non valido, 2 uso errato.\n";

// The design options, from the parameters' table: "  --chiave FORMA   aiuto".
std::string aiutoParametri() {
    std::string t;
    for (const VoceParametro& v : VociParametri()) {
        std::string opzione = "  --" + std::string(v.chiave);
        if (!v.forma.empty())
            opzione += " " + std::string(v.forma);
        // The option and its help wrapped at 79 columns, the help from column 24.
        std::string linea = opzione;
        if (linea.size() < 22) {
            linea.append(23 - linea.size(), ' ');
        } else {
            t += linea + "\n";
            linea = std::string(23, ' ');
        }
        bool primaParola = true;
        std::string_view resto = v.aiuto;
        while (!resto.empty()) {
            const auto spazio = resto.find(' ');
            const std::string_view parola = resto.substr(0, spazio);
            if (!primaParola && colonne(linea) + 1 + colonne(parola) > 79) {
                t += linea + "\n";
                linea = std::string(23, ' ');
                primaParola = true;
            }
            if (!primaParola)
                linea += ' ';
            linea += parola;
            primaParola = false;
            resto.remove_prefix(spazio == std::string_view::npos ? resto.size() : spazio + 1);
        }
        t += linea + "\n";
    }
    return t;
}

enum class Formato { Tabella, Csv, Json };

struct Opzioni {
    std::optional<double> sovraccarico; // --sovraccarico, over the project's own
    Formato formato = Formato::Tabella;
    std::optional<char> separatoreCsv; // as given; ',' when not given
    std::optional<std::string> esporta;
    std::optional<std::string> relazione;
    std::vector<std::string> progetti;
    // The design parameters given, in order, applied over each project's parameter file.
    std::vector<std::pair<const VoceParametro*, std::string>> parametri;
    bool progetto = false; // a calculation parameter was given: design results asked for
};

// The shortest text that reads back to the same double.
std::string breve(double v) {
    std::array<char, 32> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return std::string(buf.data(), r.ptr);
}

// A fixed-point text with the given separator, for the terminal table.
std::string fisso(double v, int decimali, std::string_view sep) {
    std::array<char, 400> buf{};
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, decimali);
    std::string s(buf.data(), r.ptr);
    if (const auto p = s.find('.'); p != std::string::npos)
        s.replace(p, 1, sep);
    return s;
}

// The surcharge accepts a period or a comma as decimal separator and no grouping.
std::optional<double> leggiSovraccarico(const std::string& testo) {
    for (const char* decimale : {".", ","}) {
        try {
            if (testo.empty())
                return std::nullopt;
            return LeggiValoreCasella(testo, Separatori{decimale, ""});
        } catch (const Errore&) {
        }
    }
    return std::nullopt;
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

// How CSV is written: RFC 4180 with a period, or semicolons with a decimal comma (or the regional
// decimal separator) for spreadsheets set up for Italian.
struct FormaCsv {
    char campo = ',';
    std::string decimale = ".";

    std::string numero(double v) const {
        std::string s = breve(v);
        if (const auto p = s.find('.'); p != std::string::npos && decimale != ".")
            s.replace(p, 1, decimale);
        return s;
    }
    std::string numero(std::optional<double> v) const { return v ? numero(*v) : ""; }
};

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

const char* const ColonneProgetto[] = {
    "combinazione",   "k",         "kh",        "delta",  "phi_d", "c_d",      "sa1_d",
    "sa2_d",          "sv1_d",     "sv2_d",     "u1_d",   "u2_d",  "spinta_d", "spinta_verticale_d",
    "spinta_acqua_d", "momento_d", "braccio_d", "governa"};

// The seismic columns, at the end, only when some project has seismic rows.
const char* const ColonneSisma[] = {"kv_segno",   "kh_sisma",           "kv",   "spinta_statica",
                                    "incremento", "braccio_incremento", "theta"};

std::string kvVerso(int segno) {
    return segno > 0 ? "kv verso il basso" : "kv verso l'alto";
}

void scriviJsonProgetto(std::ostream& out, const RisultatoProgetto& p) {
    out << ",\"combinazioni\":[";
    for (std::size_t k = 0; k < p.righe.size(); ++k) {
        const RigaProgetto& r = p.righe[k];
        out << (k ? "," : "") << "{\"nome\":" << jsonTesto(r.nome)
            << ",\"spinta\":" << breve(r.spinta)
            << ",\"spinta_verticale\":" << breve(r.spintaVerticale)
            << ",\"spinta_acqua\":" << breve(r.spintaAcqua) << ",\"momento\":" << breve(r.momento)
            << ",\"braccio\":" << jsonNumero(r.braccio)
            << ",\"governa\":" << (r.governa ? "true" : "false")
            << ",\"gamma_g1\":" << breve(r.gammaG1) << ",\"gamma_q\":" << breve(r.gammaQ)
            << ",\"gamma_phi\":" << breve(r.gammaPhi) << ",\"gamma_c\":" << breve(r.gammaC)
            << ",\"gamma_gamma\":" << breve(r.gammaGamma)
            << ",\"gamma_r\":" << jsonNumero(r.gammaR);
        if (r.sisma)
            out << ",\"kv_segno\":" << r.sisma->kvSegno << ",\"kh\":" << breve(r.sisma->kh)
                << ",\"kv\":" << breve(r.sisma->kv)
                << ",\"spinta_statica\":" << breve(r.sisma->spintaStatica)
                << ",\"incremento\":" << breve(r.sisma->incremento)
                << ",\"braccio_incremento\":" << jsonNumero(r.sisma->braccioIncremento);
        out << ",\"strati\":[";
        for (std::size_t i = 0; i < r.strati.size(); ++i) {
            const StratoProgetto& d = r.strati[i];
            out << (i ? "," : "") << "{\"strato\":" << i + 1 << ",\"k\":" << breve(d.k.k);
            if (d.theta)
                out << ",\"theta\":" << breve(*d.theta);
            out << ",\"kh\":" << breve(d.k.kh) << ",\"delta\":" << breve(d.delta)
                << ",\"phi_d\":" << breve(d.phiD) << ",\"c_d\":" << breve(d.cD)
                << ",\"gamma_d\":" << breve(d.gammaD) << ",\"sa1\":" << breve(d.sa1)
                << ",\"sa2\":" << breve(d.sa2) << ",\"sv1\":" << breve(d.sv1)
                << ",\"sv2\":" << breve(d.sv2) << ",\"u1\":" << breve(d.u1)
                << ",\"u2\":" << breve(d.u2) << "}";
        }
        out << "]}";
    }
    out << "]";
}

// The design columns of one CSV row: empty for a project without design results.
void csvProgetto(std::ostream& out, const FormaCsv& f, const RigaProgetto* r, std::size_t i,
                 bool colonneSisma) {
    const char c = f.campo;
    const std::size_t sisma = colonneSisma ? std::size(ColonneSisma) : 0;
    if (r == nullptr) {
        out << std::string(std::size(ColonneProgetto) + sisma, c);
        return;
    }
    const StratoProgetto& d = r->strati[i];
    out << c << r->nome;
    for (double v : {d.k.k, d.k.kh, d.delta, d.phiD, d.cD, d.sa1, d.sa2, d.sv1, d.sv2, d.u1, d.u2,
                     r->spinta, r->spintaVerticale, r->spintaAcqua, r->momento})
        out << c << f.numero(v);
    out << c << f.numero(r->braccio) << c << (r->governa ? 1 : 0);
    if (!colonneSisma)
        return;
    if (!r->sisma) {
        out << std::string(sisma, c);
        return;
    }
    const DatiSismici& s = *r->sisma;
    out << c << s.kvSegno;
    for (double v : {s.kh, s.kv, s.spintaStatica, s.incremento})
        out << c << f.numero(v);
    out << c << f.numero(s.braccioIncremento) << c << f.numero(d.theta);
}

std::string descrizioneCalcolo(const ParametriCalcolo& p) {
    const char* stati[] = {"spinta attiva", "spinta a riposo", "resistenza passiva"};
    std::string t = std::string(stati[static_cast<int>(p.stato)]) +
                    ", teoria: " + std::string(NomeTeoria(p.teoria));
    if (p.teoria != Teoria::Rankine)
        t += ", δ/φ′ = " + TestoParametro(p.deltaPhi);
    if (p.beta != 0)
        t += ", β = " + TestoParametro(p.beta) + "°";
    if (p.stato == StatoTerreno::Riposo && p.ocr != 1)
        t += ", OCR = " + TestoParametro(p.ocr);
    if (p.coesioneSottoFalda)
        t += ", coesione conservata sotto falda";
    if (p.pressioneMinima != 0)
        t += ", σa ≥ " + TestoParametro(p.pressioneMinima) + "·σ′v";
    return t;
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
               const FormaCsv& f, const RisultatoProgetto* progetto, bool colonneProgetto,
               bool colonneSisma) {
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
            if (colonneProgetto)
                csvProgetto(out, f, progetto != nullptr ? &progetto->righe[g] : nullptr,
                            static_cast<std::size_t>(i - 1), colonneSisma);
            out << "\r\n";
        }
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
                         fisso(s.Ka, 6, sep), fisso(s.Sv, 3, sep), fisso(s.Sa1, 3, sep),
                         fisso(s.Sa2, 3, sep), z0 ? fisso(*z0, 3, sep) : "-", fisso(u.u1, 3, sep),
                         fisso(u.u2, 3, sep)});
    }
    stampaColonne(out, righe);
    const Derivati d = derivati(a);
    auto valore = [&](std::optional<double> v, const char* misura) {
        return v ? fisso(*v, 3, sep) + " " + misura : std::string("-");
    };
    out << "Spinta totale: " << fisso(m.SpintaTotale, 3, sep) << " kN/m\n"
        << "Spinta dell'acqua: " << valore(d.acqua, "kN/m") << "\n"
        << "Momento ribaltante rispetto alla base: " << valore(d.momento, "kN·m/m") << "\n"
        << "Punto di applicazione sopra la base: " << valore(d.braccio, "m") << "\n";
}

// One seismic row of the table: the action, the layers with θ and K_AE, the thrust split into
// its static part and the increment.
void scriviRigaSismica(std::ostream& out, const RigaProgetto& r, bool passiva,
                       std::string_view sep) {
    const DatiSismici& s = *r.sisma;
    out << "\nAzione sismica " << r.nome << ", " << kvVerso(s.kvSegno)
        << (r.governa ? " (governa)" : "") << ": " << r.nota << "\n";
    if (s.ss)
        out << "  Ss " << fisso(*s.ss, 3, sep) << "  St " << fisso(*s.st, 3, sep) << "  amax/g "
            << fisso(*s.amax, 4, sep) << "  βm " << fisso(*s.betaM, 2, sep) << "\n";
    out << "  kh " << fisso(s.kh, 4, sep) << "  kv " << fisso(s.kv, 4, sep) << "\n";
    std::vector<std::vector<std::string>> righe = {
        {"Strato", "φ′d", "θ", "K", "Kh", "δ", "σh1", "σh2", "σv1", "σv2", "u1", "u2"},
        {"", "°", "°", "", "", "°", "kPa", "kPa", "kPa", "kPa", "kPa", "kPa"}};
    for (std::size_t i = 0; i < r.strati.size(); ++i) {
        const StratoProgetto& d = r.strati[i];
        righe.push_back({std::to_string(i + 1), fisso(d.phiD, 3, sep),
                         fisso(d.theta.value_or(0.0), 3, sep), fisso(d.k.k, 6, sep),
                         fisso(d.k.kh, 6, sep), fisso(d.delta, 3, sep), fisso(d.sa1, 3, sep),
                         fisso(d.sa2, 3, sep), fisso(d.sv1, 3, sep), fisso(d.sv2, 3, sep),
                         fisso(d.u1, 3, sep), fisso(d.u2, 3, sep)});
    }
    stampaColonne(out, righe);
    const auto metri = [&](std::optional<double> v) {
        return v ? fisso(*v, 3, sep) + " m" : std::string("-");
    };
    out << (passiva ? "Resistenza passiva orizzontale con il sisma: "
                    : "Spinta orizzontale con il sisma: ")
        << fisso(r.spinta, 3, sep) << " kN/m\n"
        << "Statica con gli stessi parametri: " << fisso(s.spintaStatica, 3, sep) << " kN/m\n"
        << "Incremento sismico: " << fisso(s.incremento, 3, sep) << " kN/m, a "
        << metri(s.braccioIncremento) << " sopra la base\n"
        << "Componente verticale: " << fisso(r.spintaVerticale, 3, sep) << " kN/m\n"
        << "Spinta dell'acqua: " << fisso(r.spintaAcqua, 3, sep) << " kN/m\n"
        << "Momento rispetto alla base: " << fisso(r.momento, 3, sep) << " kN·m/m\n"
        << "Punto di applicazione sopra la base: " << metri(r.braccio) << "\n";
}

void scriviTabellaProgetto(std::ostream& out, const RisultatoProgetto& p,
                           const ParametriCalcolo& par, std::string_view sep) {
    out << "\nSpinte di progetto (NTC 2018): " << descrizioneCalcolo(par) << "\n";
    for (const std::string& a : p.avvisi)
        out << "Avviso: " << a << "\n";
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
        std::vector<std::vector<std::string>> righe = {
            {"Strato", "φ′d", "c′d", "K", "Kh", "δ", "σh1", "σh2", "σv1", "σv2", "u1", "u2"},
            {"", "°", "kPa", "", "", "°", "kPa", "kPa", "kPa", "kPa", "kPa", "kPa"}};
        for (std::size_t i = 0; i < r.strati.size(); ++i) {
            const StratoProgetto& d = r.strati[i];
            righe.push_back({std::to_string(i + 1), fisso(d.phiD, 3, sep), fisso(d.cD, 3, sep),
                             fisso(d.k.k, 6, sep), fisso(d.k.kh, 6, sep), fisso(d.delta, 3, sep),
                             fisso(d.sa1, 3, sep), fisso(d.sa2, 3, sep), fisso(d.sv1, 3, sep),
                             fisso(d.sv2, 3, sep), fisso(d.u1, 3, sep), fisso(d.u2, 3, sep)});
        }
        stampaColonne(out, righe);
        out << (passiva ? "Resistenza passiva orizzontale: " : "Spinta orizzontale: ")
            << fisso(r.spinta, 3, sep) << " kN/m\n";
        if (r.gammaR)
            out << "Resistenza divisa per γR: " << fisso(r.spinta / *r.gammaR, 3, sep) << " kN/m\n";
        out << "Componente verticale: " << fisso(r.spintaVerticale, 3, sep) << " kN/m\n"
            << "Spinta dell'acqua: " << fisso(r.spintaAcqua, 3, sep) << " kN/m\n"
            << "Momento rispetto alla base: " << fisso(r.momento, 3, sep) << " kN·m/m\n"
            << "Punto di applicazione sopra la base: "
            << (r.braccio ? fisso(*r.braccio, 3, sep) + " m" : std::string("-")) << "\n";
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

struct Analisi {
    bool ok = true;
    bool fine = false; // --help or --version answered
    Opzioni opzioni;
};

Analisi analizza(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    Analisi r;
    auto errore = [&](const std::string& messaggio) {
        err << Programma << ": " << messaggio << "\n"
            << Uso << "Per maggiori informazioni: spintaro-calcola --help\n";
        r.ok = false;
    };
    bool soloFile = false;
    std::set<std::string> viste; // the options met so far
    for (std::size_t k = 0; k < a.size() && r.ok; ++k) {
        std::string arg = a[k];
        if (soloFile || arg.size() < 2 || arg.rfind("--", 0) != 0) {
            if (!soloFile && arg.size() > 1 && arg[0] == '-') {
                errore("opzione sconosciuta: " + citaTesto(arg));
                break;
            }
            r.opzioni.progetti.push_back(arg);
            continue;
        }
        if (arg == "--") {
            soloFile = true;
            continue;
        }
        if (arg == "--help") {
            out << Uso << "\n" << Aiuto << AiutoProgetto << aiutoParametri() << AiutoUscita;
            r.fine = true;
            return r;
        }
        if (arg == "--version") {
            out << Programma << " " << SPINTARO_VERSIONE << "\n" << AvvisoLicenza;
            r.fine = true;
            return r;
        }
        std::string valore;
        bool haValore = false;
        if (const auto uguale = arg.find('='); uguale != std::string::npos) {
            valore = arg.substr(uguale + 1);
            arg = arg.substr(0, uguale);
            haValore = true;
        }
        // An option given twice would leave one of the two values unsaid.
        if (!viste.insert(arg).second) {
            errore("l'opzione " + citaTesto(arg) + " è data due volte: darla una volta sola");
            break;
        }
        if (const VoceParametro* voce = CercaParametro(std::string_view(arg).substr(2))) {
            if (voce->tipo == TipoParametro::Interruttore && !haValore) {
                valore = "si";
            } else if (!haValore) {
                if (k + 1 >= a.size()) {
                    errore("manca il valore dell'opzione " + arg);
                    break;
                }
                valore = a[++k];
            }
            DatiLavoro prova;
            if (auto motivo = voce->imposta(prova, valore)) {
                errore(*motivo);
                break;
            }
            r.opzioni.parametri.emplace_back(voce, valore);
            r.opzioni.progetto = r.opzioni.progetto || voce->calcolo;
            continue;
        }
        if (arg != "--sovraccarico" && arg != "--formato" && arg != "--separatore-csv" &&
            arg != "--esporta" && arg != "--relazione") {
            errore("opzione sconosciuta: " + citaTesto(a[k]));
            break;
        }
        if (!haValore) {
            if (k + 1 >= a.size()) {
                errore("manca il valore dell'opzione " + arg);
                break;
            }
            valore = a[++k];
        }
        if (arg == "--sovraccarico") {
            const auto q = leggiSovraccarico(valore);
            if (!q)
                errore("il sovraccarico \"" + citaTesto(valore) +
                       "\" non è un numero (esempi validi: 10, 12.5, 12,5)");
            else if (!(std::fabs(*q) <= SovraccaricoMassimo))
                errore("--sovraccarico: \"" + citaTesto(valore) +
                       "\" è fuori dall'intervallo ammesso, da -1000000 a 1000000 kPa");
            else
                r.opzioni.sovraccarico = *q;
        } else if (arg == "--formato") {
            if (valore == "tabella")
                r.opzioni.formato = Formato::Tabella;
            else if (valore == "csv")
                r.opzioni.formato = Formato::Csv;
            else if (valore == "json")
                r.opzioni.formato = Formato::Json;
            else
                errore("formato sconosciuto: \"" + citaTesto(valore) + "\" (tabella, csv o json)");
        } else if (arg == "--separatore-csv") {
            if (valore == "," || valore == ";")
                r.opzioni.separatoreCsv = valore[0];
            else
                errore("separatore CSV sconosciuto: \"" + citaTesto(valore) + "\" (, oppure ;)");
        } else if (arg == "--esporta") {
            if (valore.empty())
                errore("il nome del file di esportazione è vuoto");
            r.opzioni.esporta = valore;
        } else {
            if (valore.empty())
                errore("il nome del file della relazione è vuoto");
            r.opzioni.relazione = valore;
        }
    }
    const auto data = [&r](std::string_view chiave) {
        return std::any_of(r.opzioni.parametri.begin(), r.opzioni.parametri.end(),
                           [chiave](const auto& x) { return x.first->chiave == chiave; });
    };
    if (r.ok && data("kh") && data("ag"))
        errore("--kh e --ag si escludono: dare i coefficienti sismici (--kh) oppure i parametri "
               "del sito (--ag, --f0)");
    if (r.ok && r.opzioni.progetti.empty())
        errore("nessun file di progetto indicato");
    if (r.ok && r.opzioni.esporta && r.opzioni.progetti.size() != 1)
        errore("--esporta richiede un solo file di progetto");
    if (r.ok && r.opzioni.relazione && r.opzioni.progetti.size() != 1)
        errore("--relazione richiede un solo file di progetto");
    if (r.ok && r.opzioni.separatoreCsv && r.opzioni.formato != Formato::Csv)
        errore("--separatore-csv vale solo con --formato csv");
    return r;
}

// Reads one project as Open does, and its parameter file beside it with the options over it;
// computes the layers and the thrust. The exit code when it cannot.
std::optional<int> carica(Modulo1& m, AnalisiSpinta& analisi, DatiLavoro& dati,
                          const std::string& file, const std::string& nome, const Opzioni& o,
                          std::ostream& err) {
    // The name reaches the file system as the bytes given; messages quote it made safe.
    const LetturaFile letto = leggiFile(PercorsoFile{file});
    if (!letto.ok) {
        err << Programma << ": " << nome << ": " << letto.messaggio.toStdString() << "\n";
        return UscitaFile;
    }
    // A missing parameter file means the defaults; one that cannot be read or used stops the
    // project, so that it is never computed with defaults in place of its own values. The
    // surcharge it holds is the project's, unless --sovraccarico says otherwise.
    const std::string fileParametri = NomeParametri(file);
    const LetturaFile parametri = leggiFile(PercorsoFile{fileParametri});
    double sovraccarico = 0;
    if (parametri.ok) {
        LetturaParametri l = LeggiParametri(parametri.byte);
        if (!l.ok) {
            err << Programma << ": " << citaPercorso(fileParametri);
            if (l.riga > 0)
                err << ", riga " << l.riga;
            err << ": " << l.messaggio << "\n";
            return UscitaFile;
        }
        dati = std::move(l.dati);
        sovraccarico = l.sovraccarico;
    } else if (!parametri.manca) {
        err << Programma << ": " << citaPercorso(fileParametri) << ": "
            << parametri.messaggio.toStdString() << "\n";
        return UscitaFile;
    }
    const EsitoApertura aperto = ApriProgetto(m, letto.byte, o.sovraccarico.value_or(sovraccarico));
    if (!aperto.ok) {
        err << Programma << ": " << nome;
        if (aperto.riga > 0)
            err << ", riga " << aperto.riga;
        err << ": " << aperto.messaggio << "\n";
        return UscitaFile;
    }
    for (const auto& [voce, valore] : o.parametri)
        voce->imposta(dati, valore);
    if (o.progetto)
        if (auto motivo = ControllaParametri(dati.parametri)) {
            err << Programma << ": " << nome << ": " << *motivo << "\n";
            return UscitaUso;
        }
    try {
        CalcolaSpinta(m);
        analisi = AnalizzaSpinta(m);
    } catch (const Errore& e) {
        err << Programma << ": " << nome << ": spinta totale non calcolabile: " << e.what() << "\n";
        return UscitaFile;
    }
    avvisaNonFiniti(err, file, analisi);
    if (const auto a = AvvisoStratiImpossibili(m))
        err << Programma << ": " << nome << ": avviso: " << *a << "\n";
    return std::nullopt;
}

} // namespace

int eseguiCalcola(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
                  const Separatori& sep, ScrittoreRelazione scriviRelazione) {
    const Analisi analisi = analizza(argomenti, out, err);
    if (!analisi.ok)
        return UscitaUso;
    if (analisi.fine)
        return UscitaOk;
    const Opzioni& o = analisi.opzioni;

    // With semicolons, the decimal separator of the regional settings; a semicolon CSV is what a
    // spreadsheet with a decimal comma expects, so a regional period becomes a comma.
    FormaCsv csv;
    if (o.separatoreCsv == ';') {
        csv.campo = ';';
        csv.decimale =
            sep.decimale.empty() || sep.decimale == "." || sep.decimale == ";" ? "," : sep.decimale;
    }
    int esito = UscitaOk;
    // Every project is read and computed first, so that the CSV header knows whether any of them
    // has design results.
    struct Caricato {
        std::string file, nome;
        Modulo1 m;
        AnalisiSpinta analisi;
        DatiLavoro dati;
        std::optional<RisultatoProgetto> progetto;
    };
    std::vector<Caricato> caricati;
    for (const std::string& file : o.progetti) {
        Caricato c{file, citaPercorso(file), {}, {}, {}, std::nullopt};
        if (const auto e = carica(c.m, c.analisi, c.dati, file, c.nome, o, err)) {
            esito = std::max(esito, *e);
            continue;
        }
        if (o.progetto || ParametriDiProgetto(c.dati)) {
            RisultatoProgetto r = CalcolaSpinteProgetto(c.m, c.dati.parametri);
            if (!r.ok) {
                err << Programma << ": " << c.nome
                    << ": spinte di progetto non calcolabili: " << r.messaggio << "\n";
                esito = std::max(esito, int{o.progetto ? UscitaUso : UscitaFile});
                continue;
            }
            for (const std::string& a : r.avvisi)
                err << Programma << ": " << c.nome << ": avviso: " << a << "\n";
            c.progetto = std::move(r);
        }
        caricati.push_back(std::move(c));
    }
    const bool colonneProgetto = std::any_of(
        caricati.begin(), caricati.end(), [](const Caricato& c) { return c.progetto.has_value(); });
    const bool colonneSisma = std::any_of(caricati.begin(), caricati.end(), [](const Caricato& c) {
        return c.progetto && std::any_of(c.progetto->righe.begin(), c.progetto->righe.end(),
                                         [](const RigaProgetto& r) { return r.sisma; });
    });
    if (o.formato == Formato::Csv) {
        bool primaColonna = true;
        for (const char* colonna :
             {"file", "strato", "potenza", "gamma", "coesione", "attrito_interno", "falda", "ka",
              "sv", "sa1", "sa2", "z0", "sovraccarico", "spinta_totale", "u1", "u2", "spinta_acqua",
              "momento", "braccio"}) {
            if (!primaColonna)
                out << csv.campo;
            out << colonna;
            primaColonna = false;
        }
        if (colonneProgetto)
            for (const char* colonna : ColonneProgetto)
                out << csv.campo << colonna;
        if (colonneSisma)
            for (const char* colonna : ColonneSisma)
                out << csv.campo << colonna;
        out << "\r\n";
    }
    bool primo = true;
    for (Caricato& c : caricati) {
        Modulo1& m = c.m;
        const RisultatoProgetto* progetto = c.progetto ? &*c.progetto : nullptr;
        switch (o.formato) {
        case Formato::Json:
            scriviJson(out, c.file, m, c.analisi, progetto);
            break;
        case Formato::Csv:
            scriviCsv(out, c.file, m, c.analisi, csv, progetto, colonneProgetto, colonneSisma);
            break;
        case Formato::Tabella:
            if (!primo)
                out << "\n";
            scriviTabella(out, c.file, m, c.analisi, sep.decimale);
            if (progetto != nullptr)
                scriviTabellaProgetto(out, *progetto, c.dati.parametri, sep.decimale);
            break;
        }
        primo = false;
        if (o.esporta) {
            const auto scritto =
                scriviFileAtomico(PercorsoFile{*o.esporta}, TestoEsportazione(m, sep.decimale));
            if (!scritto.ok) {
                err << Programma << ": " << citaPercorso(*o.esporta)
                    << ": esportazione non riuscita: " << scritto.messaggio.toStdString() << "\n";
                esito = UscitaFile;
            }
        }
        if (o.relazione) {
            const DatiRelazione dati{c.file,
                                     dataOraRelazione(),
                                     programmaRelazione(),
                                     sep.decimale,
                                     &c.dati.parametri,
                                     progetto,
                                     &c.dati.intestazione,
                                     codiceRelazione()};
            const auto scritto =
                scriviRelazione(PercorsoFile{*o.relazione}, ComponiRelazione(m, dati));
            if (!scritto.ok) {
                err << Programma << ": " << citaPercorso(*o.relazione)
                    << ": relazione non scritta: " << scritto.messaggio.toStdString() << "\n";
                esito = UscitaFile;
            }
        }
    }
    out.flush();
    if (!out) {
        err << Programma << ": errore di scrittura dei risultati\n";
        return UscitaFile;
    }
    return esito;
}

} // namespace spintaro
