// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/opzioni.h"

#include "files/parametri_lavoro.h"
#include "model/errore.h"
#include "model/programma.h"
#include "text/citazioni.h"
#include "text/testi_numerici.h"
#include "text/zone_stampa.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace spintaro::calcola {

namespace {

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

// One option and its help, "  --chiave FORMA   aiuto", wrapped at 79 columns, the help from
// column 24.
std::string aiutoOpzione(const VoceParametro& v) {
    std::string t;
    std::string opzione = "  --" + std::string(v.chiave);
    if (!v.forma.empty())
        opzione += " " + std::string(v.forma);
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
    return t;
}

// The design options and the heading's, from the parameters' tables.
std::string aiutoParametri() {
    std::string t;
    for (const auto voci : {VociParametri(), VociIntestazione()})
        for (const VoceParametro& v : voci)
            t += aiutoOpzione(v);
    return t;
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

// The value of one of the calculator's own options into o; the reason when it is not valid.
std::optional<std::string> impostaOpzione(const std::string& arg, const std::string& valore,
                                          Opzioni& o) {
    if (arg == "--sovraccarico") {
        const auto q = leggiSovraccarico(valore);
        if (!q)
            return "il sovraccarico \"" + citaTesto(valore) +
                   "\" non è un numero (esempi validi: 10, 12.5, 12,5)";
        if (!(std::fabs(*q) <= SovraccaricoMassimo))
            return "--sovraccarico: \"" + citaTesto(valore) +
                   "\" è fuori dall'intervallo ammesso, da -1000000 a 1000000 kPa";
        o.sovraccarico = *q;
    } else if (arg == "--formato") {
        if (valore == "tabella")
            o.formato = Formato::Tabella;
        else if (valore == "csv")
            o.formato = Formato::Csv;
        else if (valore == "json")
            o.formato = Formato::Json;
        else
            return "formato sconosciuto: \"" + citaTesto(valore) + "\" (tabella, csv o json)";
    } else if (arg == "--separatore-csv") {
        if (valore == "," || valore == ";")
            o.separatoreCsv = valore[0];
        else
            return "separatore CSV sconosciuto: \"" + citaTesto(valore) + "\" (, oppure ;)";
    } else if (arg == "--esporta") {
        if (valore.empty())
            return "il nome del file di esportazione è vuoto";
        o.esporta = valore;
    } else {
        if (valore.empty())
            return "il nome del file della relazione è vuoto";
        o.relazione = valore;
    }
    return std::nullopt;
}

// What the options say together: the reason when they cannot be used so.
std::optional<std::string> controllaInsieme(const Opzioni& o) {
    const auto data = [&o](std::string_view chiave) {
        return std::any_of(o.parametri.begin(), o.parametri.end(),
                           [chiave](const auto& x) { return x.first->chiave == chiave; });
    };
    if (data("kh") && data("ag"))
        return "--kh e --ag si escludono: dare i coefficienti sismici (--kh) oppure i parametri "
               "del sito (--ag, --f0)";
    if (o.progetti.empty())
        return "nessun file di progetto indicato";
    if (o.esporta && o.progetti.size() != 1)
        return "--esporta richiede un solo file di progetto";
    if (o.relazione && o.progetti.size() != 1)
        return "--relazione richiede un solo file di progetto";
    if (o.separatoreCsv && o.formato != Formato::Csv)
        return "--separatore-csv vale solo con --formato csv";
    return std::nullopt;
}

} // namespace

Analisi analizza(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    Analisi r;
    auto errore = [&](const std::string& messaggio) {
        err << Programma << ": " << messaggio << "\n"
            << Uso << "Per maggiori informazioni: spintaro-calcola --help\n";
        r.ok = false;
    };
    bool soloFile = false;
    std::set<std::string> viste; // the options met so far
    DatiLavoro prova;            // the values tried so far: a load's number counts the earlier
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
        // An option given twice would leave one of the two values unsaid; a load is given once
        // for each.
        const VoceParametro* voce = CercaParametro(std::string_view(arg).substr(2));
        if ((voce == nullptr || !voce->ripetuto) && !viste.insert(arg).second) {
            errore("l'opzione " + citaTesto(arg) + " è data due volte: darla una volta sola");
            break;
        }
        if (voce != nullptr) {
            if (voce->tipo == TipoParametro::Interruttore && !haValore) {
                valore = "si";
            } else if (!haValore) {
                if (k + 1 >= a.size()) {
                    errore("manca il valore dell'opzione " + arg);
                    break;
                }
                valore = a[++k];
            }
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
        if (auto e = impostaOpzione(arg, valore, r.opzioni))
            errore(*e);
    }
    if (r.ok)
        if (auto e = controllaInsieme(r.opzioni))
            errore(*e);
    return r;
}

} // namespace spintaro::calcola
