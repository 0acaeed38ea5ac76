// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calcolatore.h"

#include "files/esportazione.h"
#include "files/progetto.h"
#include "model/calcolo.h"
#include "model/errore.h"
#include "model/programma.h"
#include "platform/file_system.h"
#include "platform/pittore_relazione.h"
#include "report/relazione.h"
#include "text/citazioni.h"
#include "text/testi_strato.h"
#include "text/zone_stampa.h"

#include <array>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <optional>
#include <sstream>

namespace spintaro {

namespace {

constexpr const char* Programma = "spintaro-calcola";

const char* const Uso = "Uso: spintaro-calcola [--sovraccarico KPA] [--formato tabella|csv|json] "
                        "[--separatore-csv ,|;] [--esporta FILE] [--relazione FILE.pdf] "
                        "PROGETTO.spt...\n";

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
    "  --sovraccarico KPA   sovraccarico sul piano campagna in kPa (predefinito 0);\n"
    "                       il separatore decimale può essere il punto o la virgola\n"
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
    "  --version            mostra la versione\n"
    "\n"
    "Codici di uscita: 0 riuscito, 1 file illeggibile o non valido, 2 uso errato.\n";

enum class Formato { Tabella, Csv, Json };

struct Opzioni {
    double sovraccarico = 0;
    Formato formato = Formato::Tabella;
    std::optional<char> separatoreCsv; // as given; ',' when not given
    std::optional<std::string> esporta;
    std::optional<std::string> relazione;
    std::vector<std::string> progetti;
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

void scriviJson(std::ostream& out, const std::string& file, const Modulo1& m,
                const AnalisiSpinta& a) {
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
    out << "]}\n";
}

void scriviCsv(std::ostream& out, const std::string& file, const Modulo1& m, const AnalisiSpinta& a,
               const FormaCsv& f) {
    const Derivati d = derivati(a);
    const char c = f.campo;
    for (int i = 1; i <= m.NumStrati; ++i) {
        const Strato& s = m.Strati(i);
        const auto z0 = z0Mostrato(m, i);
        const Acqua& u = a.strati[static_cast<std::size_t>(i - 1)];
        out << csvCampo(file, c) << c << i << c << f.numero(s.Potenza) << c << f.numero(s.Gamma)
            << c << f.numero(s.Coesione) << c << f.numero(s.AttritoInterno) << c
            << (s.Falda != 0 ? 1 : 0) << c << f.numero(s.Ka) << c << f.numero(s.Sv) << c
            << f.numero(s.Sa1) << c << f.numero(s.Sa2) << c << f.numero(z0) << c
            << f.numero(m.Strati(0).Sv) << c << f.numero(m.SpintaTotale) << c << f.numero(u.u1) << c
            << f.numero(u.u2) << c << f.numero(d.acqua) << c << f.numero(d.momento) << c
            << f.numero(d.braccio) << "\r\n";
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
    std::vector<std::array<std::string, colonneTabella>> righe;
    righe.push_back({});
    righe.push_back({});
    for (std::size_t k = 0; k < titoli.size(); ++k) {
        righe[0][k] = titoli[k];
        righe[1][k] = unita[k];
    }
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
    std::array<std::size_t, colonneTabella> larghezza{};
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
    const Derivati d = derivati(a);
    auto valore = [&](std::optional<double> v, const char* misura) {
        return v ? fisso(*v, 3, sep) + " " + misura : std::string("-");
    };
    out << "Spinta totale: " << fisso(m.SpintaTotale, 3, sep) << " kN/m\n"
        << "Spinta dell'acqua: " << valore(d.acqua, "kN/m") << "\n"
        << "Momento ribaltante rispetto alla base: " << valore(d.momento, "kN·m/m") << "\n"
        << "Punto di applicazione sopra la base: " << valore(d.braccio, "m") << "\n";
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
            out << Uso << "\n" << Aiuto;
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

} // namespace

int eseguiCalcola(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
                  const Separatori& sep) {
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
    // The report's fonts need a graphical application object; it is made only for the report.
    const auto grafica = o.relazione ? ambienteGraficoSeManca() : nullptr;
    int esito = UscitaOk;
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
        out << "\r\n";
    }
    bool primo = true;
    for (const std::string& file : o.progetti) {
        // The name reaches the file system as the bytes given; messages quote it made safe.
        const std::string nome = citaPercorso(file);
        const LetturaFile letto = leggiFile(PercorsoFile{file});
        if (!letto.ok) {
            err << Programma << ": " << nome << ": " << letto.messaggio.toStdString() << "\n";
            esito = UscitaFile;
            continue;
        }
        Modulo1 m;
        m.Strati(0).Sv = o.sovraccarico;
        const EsitoApertura aperto = ApriProgetto(m, letto.byte);
        if (!aperto.ok) {
            err << Programma << ": " << nome;
            if (aperto.riga > 0)
                err << ", riga " << aperto.riga;
            err << ": " << aperto.messaggio << "\n";
            esito = UscitaFile;
            continue;
        }
        AnalisiSpinta analisiSpinta;
        try {
            CalcolaSpinta(m);
            analisiSpinta = AnalizzaSpinta(m);
        } catch (const Errore& e) {
            err << Programma << ": " << nome << ": spinta totale non calcolabile: " << e.what()
                << "\n";
            esito = UscitaFile;
            continue;
        }
        avvisaNonFiniti(err, file, analisiSpinta);
        switch (o.formato) {
        case Formato::Json:
            scriviJson(out, file, m, analisiSpinta);
            break;
        case Formato::Csv:
            scriviCsv(out, file, m, analisiSpinta, csv);
            break;
        case Formato::Tabella:
            if (!primo)
                out << "\n";
            scriviTabella(out, file, m, analisiSpinta, sep.decimale);
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
            const DatiRelazione dati{file, dataOraRelazione(), programmaRelazione(), sep.decimale};
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
