// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/parametri.h"

#include "model/errore.h"
#include "text/citazioni.h"
#include "text/testi_numerici.h"

#include <charconv>
#include <cmath>

namespace spintaro {

namespace {

using Esito = std::optional<std::string>;

constexpr std::size_t LunghezzaTesto = 120; // code points of a heading field

std::string citato(std::string_view t) {
    return "«" + citaTesto(t) + "»"; // «…»
}

// The range a number may take, and how the message says it.
struct Intervallo {
    double minimo, massimo;
    bool minimoIncluso, massimoIncluso;
    bool contiene(double v) const {
        return (minimoIncluso ? v >= minimo : v > minimo) &&
               (massimoIncluso ? v <= massimo : v < massimo);
    }
};

Esito numero(std::string_view testo, std::string_view nome, Intervallo r, std::string_view regola,
             double& campo) {
    const auto v = LeggiNumeroParametro(testo);
    if (!v)
        return std::string(nome) + ": " + citato(testo) + " non è un numero";
    if (!r.contiene(*v))
        return std::string(nome) + ": " + citato(testo) + " non è ammesso, " + std::string(regola);
    campo = *v;
    return std::nullopt;
}

// The program applies only unfavourable factors: an action factor from 0.5 to 5, a factor that
// divides a strength or a resistance from 1 (none) to 5.
constexpr Intervallo FattoriAzioni{0.5, 5, true, true};
constexpr std::string_view RegolaAzioni = "deve essere almeno 0,5 e al massimo 5";
constexpr Intervallo FattoriResistenze{1, 5, true, true};
constexpr std::string_view RegolaResistenze = "deve essere almeno 1 e al massimo 5";

// "A1=1.3,A2=1.0": each set given once; a set left out keeps its value.
Esito fattore(std::string_view testo, std::string_view nome, std::string_view a, std::string_view b,
              bool azione, Fattore& campo) {
    Fattore nuovo = campo;
    std::array<bool, 2> visto{};
    std::string_view resto = testo;
    const std::string forma = " (forma: " + std::string(a) + "=1.3," + std::string(b) + "=1.0)";
    if (resto.empty())
        return std::string(nome) + ": valore vuoto" + forma;
    while (true) {
        const auto virgola = resto.find(',');
        const std::string_view voce = resto.substr(0, virgola);
        const auto uguale = voce.find('=');
        if (uguale == std::string_view::npos)
            return std::string(nome) + ": " + citato(voce) + " non indica l'insieme" + forma;
        const std::string_view chiave = voce.substr(0, uguale);
        const std::size_t k = chiave == a ? 0 : chiave == b ? 1 : 2;
        if (k == 2)
            return std::string(nome) + ": l'insieme " + citato(chiave) + " non esiste (" +
                   std::string(a) + " oppure " + std::string(b) + ")";
        if (visto[k])
            return std::string(nome) + ": l'insieme " + std::string(chiave) + " è dato due volte";
        visto[k] = true;
        if (auto e = numero(voce.substr(uguale + 1), std::string(nome) + " " + std::string(chiave),
                            azione ? FattoriAzioni : FattoriResistenze,
                            azione ? RegolaAzioni : RegolaResistenze, nuovo[k]))
            return e;
        if (virgola == std::string_view::npos)
            break;
        resto.remove_prefix(virgola + 1);
    }
    campo = nuovo;
    return std::nullopt;
}

std::string testoFattore(const Fattore& f, std::string_view a, std::string_view b) {
    return std::string(a) + "=" + TestoParametro(f[0]) + "," + std::string(b) + "=" +
           TestoParametro(f[1]);
}

Esito testoIntestazione(std::string_view testo, std::string_view nome, std::string& campo) {
    if (citaTesto(testo, LunghezzaTesto) != testo)
        return std::string(nome) +
               ": il testo deve essere UTF-8, su una riga, senza caratteri di "
               "controllo e di al massimo " +
               std::to_string(LunghezzaTesto) + " caratteri";
    campo = std::string(testo);
    return std::nullopt;
}

// The seismic values per limit state: "SLV=0.25,SLD=0.10", or one number for both. A state left
// out keeps its value.
constexpr std::string_view StatiLimite[] = {"SLV", "SLD"};

Esito perStato(std::string_view testo, std::string_view nome, Intervallo r, std::string_view regola,
               PerStatoLimite& campo) {
    PerStatoLimite nuovo = campo;
    const std::string forma = " (forma: SLV=N,SLD=N oppure un numero per entrambi)";
    if (testo.empty())
        return std::string(nome) + ": valore vuoto" + forma;
    if (testo.find('=') == std::string_view::npos) {
        double v = 0;
        if (auto e = numero(testo, nome, r, regola, v))
            return e;
        campo = {v, v};
        return std::nullopt;
    }
    std::array<bool, NumeroStatiLimite> visto{};
    std::string_view resto = testo;
    while (true) {
        const auto virgola = resto.find(',');
        const std::string_view voce = resto.substr(0, virgola);
        const auto uguale = voce.find('=');
        if (uguale == std::string_view::npos)
            return std::string(nome) + ": " + citato(voce) + " non indica lo stato limite" + forma;
        const std::string_view chiave = voce.substr(0, uguale);
        const std::size_t k = chiave == StatiLimite[0] ? 0 : chiave == StatiLimite[1] ? 1 : 2;
        if (k == 2)
            return std::string(nome) + ": lo stato limite " + citato(chiave) +
                   " non esiste (SLV oppure SLD)";
        if (visto[k])
            return std::string(nome) + ": lo stato limite " + std::string(chiave) +
                   " è dato due volte";
        visto[k] = true;
        double v = 0;
        if (auto e = numero(voce.substr(uguale + 1), std::string(nome) + " " + std::string(chiave),
                            r, regola, v))
            return e;
        nuovo[k] = v;
        if (virgola == std::string_view::npos)
            break;
        resto.remove_prefix(virgola + 1);
    }
    campo = nuovo;
    return std::nullopt;
}

std::string testoPerStato(const PerStatoLimite& v) {
    if (v[0] && v[1] && *v[0] == *v[1])
        return TestoParametro(*v[0]);
    std::string t;
    for (std::size_t k = 0; k < NumeroStatiLimite; ++k)
        if (v[k])
            t += (t.empty() ? "" : ",") + std::string(StatiLimite[k]) + "=" + TestoParametro(*v[k]);
    return t;
}

// A choice among the words of a table, stored as the index of the word.
template <typename E, std::size_t N>
Esito scelta(std::string_view testo, std::string_view nome, const std::string_view (&parole)[N],
             std::string_view cosa, E& campo) {
    for (std::size_t k = 0; k < N; ++k)
        if (testo == parole[k]) {
            campo = static_cast<E>(k);
            return std::nullopt;
        }
    std::string elenco;
    for (std::size_t k = 0; k < N; ++k)
        elenco += std::string(k == 0 ? "" : k + 1 == N ? " o " : ", ") + std::string(parole[k]);
    return std::string(nome) + ": " + citato(testo) + " non è " + std::string(cosa) + " (" +
           elenco + ")";
}

constexpr std::string_view Suoli[] = {"A", "B", "C", "D", "E"};
constexpr std::string_view Topografie[] = {"T1", "T2", "T3", "T4"};
constexpr std::string_view Muri[] = {"libero", "vincolato"};
constexpr std::string_view Acque[] = {"impermeabile", "permeabile"};

// The partial factors and the heading fields: one table entry each, made from its member.
struct DescrizioneFattore {
    std::string_view chiave, etichetta, clausola, aiuto;
    bool azioni; // sets A1, A2; otherwise M1, M2
    bool azione; // a factor on an action (from 0.5); otherwise on a strength or resistance (from 1)
    Fattore ParametriCalcolo::*campo;
};
constexpr DescrizioneFattore DescrizioniFattori[] = {
    {"gamma-g1", "γG1 azioni permanenti sfavorevoli", "NTC 2018 Tab. 6.2.I",
     "coefficiente delle azioni permanenti (terra, acqua) per A1 e A2 (predefinito A1=1.3,A2=1.0)",
     true, true, &ParametriCalcolo::gammaG1},
    {"gamma-q", "γQ azioni variabili sfavorevoli", "NTC 2018 Tab. 6.2.I",
     "coefficiente del sovraccarico per A1 e A2 (predefinito A1=1.5,A2=1.3)", true, true,
     &ParametriCalcolo::gammaQ},
    {"gamma-phi", "γφ′ su tan φ′", "NTC 2018 Tab. 6.2.II",
     "coefficiente su tan(phi') per M1 e M2 (predefinito M1=1,M2=1.25)", false, false,
     &ParametriCalcolo::gammaPhi},
    {"gamma-c", "γc′ sulla coesione efficace", "NTC 2018 Tab. 6.2.II",
     "coefficiente sulla coesione c' per M1 e M2 (predefinito M1=1,M2=1.25)", false, false,
     &ParametriCalcolo::gammaC},
    {"gamma-gamma", "γγ sul peso dell'unità di volume", "NTC 2018 Tab. 6.2.II",
     "coefficiente sul peso di volume per M1 e M2 (predefinito M1=1,M2=1)", false, false,
     &ParametriCalcolo::gammaGamma},
    {"gamma-r", "γR resistenza passiva a valle",
     "NTC 2018 Tab. 6.5.I (A1+M1); R1 di §6.5.3.1.2 (A2+M2)",
     "coefficiente della resistenza passiva accanto a A1+M1 e A2+M2 (predefinito A1=1.4,A2=1)",
     true, false, &ParametriCalcolo::gammaR},
};

constexpr std::string_view insieme(const DescrizioneFattore& f, std::size_t k) {
    constexpr std::string_view nomi[2][2] = {{"M1", "M2"}, {"A1", "A2"}};
    return nomi[f.azioni ? 1 : 0][k];
}

template <std::size_t I> VoceParametro voceFattore() {
    constexpr const DescrizioneFattore& f = DescrizioniFattori[I];
    return {f.chiave,
            f.etichetta,
            "",
            f.clausola,
            f.aiuto,
            f.azioni ? "A1=N,A2=N" : "M1=N,M2=N",
            TipoParametro::PerInsieme,
            {insieme(f, 0), insieme(f, 1)},
            true,
            [](const DatiLavoro& d) {
                constexpr const DescrizioneFattore& g = DescrizioniFattori[I];
                return testoFattore(d.parametri.*g.campo, insieme(g, 0), insieme(g, 1));
            },
            [](DatiLavoro& d, std::string_view t) {
                constexpr const DescrizioneFattore& g = DescrizioniFattori[I];
                return fattore(t, std::string(g.chiave) + " (" + std::string(g.etichetta) + ")",
                               insieme(g, 0), insieme(g, 1), g.azione, d.parametri.*g.campo);
            },
            ""};
}

struct DescrizioneIntestazione {
    std::string_view chiave, etichetta, aiuto;
    std::string Intestazione::*campo;
};
constexpr DescrizioneIntestazione DescrizioniIntestazione[] = {
    {"committente", "Committente", "committente del progetto (intestazione)",
     &Intestazione::committente},
    {"opera", "Opera", "opera (intestazione)", &Intestazione::opera},
    {"localita", "Località", "località (intestazione)", &Intestazione::localita},
    {"progettista", "Progettista", "progettista (intestazione)", &Intestazione::progettista},
    {"data", "Data", "data del progetto (intestazione)", &Intestazione::data},
};

template <std::size_t I> VoceParametro voceIntestazione() {
    constexpr const DescrizioneIntestazione& v = DescrizioniIntestazione[I];
    return {v.chiave,
            v.etichetta,
            "",
            "",
            v.aiuto,
            "TESTO",
            TipoParametro::Testo,
            {},
            false,
            [](const DatiLavoro& d) { return d.intestazione.*DescrizioniIntestazione[I].campo; },
            [](DatiLavoro& d, std::string_view t) {
                constexpr const DescrizioneIntestazione& w = DescrizioniIntestazione[I];
                return testoIntestazione(t, w.chiave, d.intestazione.*w.campo);
            },
            ""};
}

const char* const Combinazioni[] = {"sle", "a1m1", "a2m2"};

// NOLINTBEGIN(readability-function-cognitive-complexity)
const std::vector<VoceParametro>& tabella() {
    using T = TipoParametro;
    static const std::vector<VoceParametro> voci = {
        {"stato",
         "Stato del terreno",
         "",
         "spinta attiva, a riposo (EN 1997-1 §9.5.2), passiva",
         "stato del terreno: attiva (predefinito), riposo o passiva",
         "attiva|riposo|passiva",
         T::Scelta,
         {"attiva", "riposo", "passiva"},
         true,
         [](const DatiLavoro& d) -> std::string {
             const char* nomi[] = {"attiva", "riposo", "passiva"};
             return nomi[static_cast<int>(d.parametri.stato)];
         },
         [](DatiLavoro& d, std::string_view t) -> Esito {
             if (t == "attiva")
                 d.parametri.stato = StatoTerreno::Attiva;
             else if (t == "riposo")
                 d.parametri.stato = StatoTerreno::Riposo;
             else if (t == "passiva")
                 d.parametri.stato = StatoTerreno::Passiva;
             else
                 return "stato: " + citato(t) + " non è uno stato (attiva, riposo o passiva)";
             return std::nullopt;
         },
         ""},
        {"teoria",
         "Teoria",
         "",
         "Rankine; Coulomb (Müller-Breslau); EN 1997-1 Annesso C.2",
         "teoria: rankine (predefinito), coulomb (Müller-Breslau) o annesso-c (EN 1997-1 "
         "Annesso C, superfici di rottura curve)",
         "rankine|coulomb|annesso-c",
         T::Scelta,
         {"rankine", "coulomb", "annesso-c"},
         true,
         [](const DatiLavoro& d) -> std::string {
             return std::string(ParolaTeoria(d.parametri.teoria));
         },
         [](DatiLavoro& d, std::string_view t) -> Esito {
             for (const Teoria x : {Teoria::Rankine, Teoria::Coulomb, Teoria::AnnessoC})
                 if (t == ParolaTeoria(x)) {
                     d.parametri.teoria = x;
                     return std::nullopt;
                 }
             return "teoria: " + citato(t) + " non è una teoria (rankine, coulomb o annesso-c)";
         },
         ""},
        {"delta-phi",
         "Attrito terra-muro δ/φ′",
         "",
         "δ = rapporto · φ′d di ogni combinazione",
         "attrito terra-muro come rapporto delta/phi' (0..1, predefinito 0; es. 1/3, 1/2, 2/3)",
         "R",
         T::Numero,
         {},
         true,
         [](const DatiLavoro& d) { return TestoParametro(d.parametri.deltaPhi); },
         [](DatiLavoro& d, std::string_view t) {
             return numero(t, "delta-phi (δ/φ′)", {0, 1, true, true},
                           "deve essere compreso tra 0 e 1", d.parametri.deltaPhi);
         },
         ""},
        {"beta",
         "Inclinazione del terrapieno β",
         "°",
         "non oltre φ′d di ogni strato",
         "inclinazione del piano campagna dietro il muro, gradi (predefinito 0)",
         "GRADI",
         T::Numero,
         {},
         true,
         [](const DatiLavoro& d) { return TestoParametro(d.parametri.beta); },
         [](DatiLavoro& d, std::string_view t) {
             return numero(t, "beta (β)", {-90, 90, false, false},
                           "deve essere compreso tra -90° e 90° esclusi", d.parametri.beta);
         },
         ""},
        {"ocr",
         "Grado di sovraconsolidazione OCR",
         "",
         "EN 1997-1 §9.5.2, per lo stato a riposo",
         "grado di sovraconsolidazione per lo stato a riposo (1..100, predefinito 1)",
         "N",
         T::Numero,
         {},
         true,
         [](const DatiLavoro& d) { return TestoParametro(d.parametri.ocr); },
         [](DatiLavoro& d, std::string_view t) {
             return numero(t, "ocr", {1, 100, true, true}, "deve essere compreso tra 1 e 100",
                           d.parametri.ocr);
         },
         ""},
        {"coesione-sotto-falda",
         "Coesione c′ sotto falda",
         "",
         "conservata come coesione efficace (altrimenti ignorata)",
         "conserva la coesione c' degli strati sotto falda (predefinito: ignorata)",
         "",
         T::Interruttore,
         {"si", "no"},
         true,
         [](const DatiLavoro& d) -> std::string {
             return d.parametri.coesioneSottoFalda ? "si" : "no";
         },
         [](DatiLavoro& d, std::string_view t) -> Esito {
             if (t != "si" && t != "no")
                 return "coesione-sotto-falda: " + citato(t) + " non è si o no";
             d.parametri.coesioneSottoFalda = t == "si";
             return std::nullopt;
         },
         ""},
        {"pressione-minima",
         "Pressione minima negli strati coesivi",
         "·σ′v",
         "σa ≥ frazione · σ′v (0 = nessun minimo)",
         "spinta attiva: sigma_a non minore di FRAZIONE per sigma'v negli strati coesivi "
         "(0..1, predefinito 0 = nessun minimo)",
         "FRAZIONE",
         T::Numero,
         {},
         true,
         [](const DatiLavoro& d) { return TestoParametro(d.parametri.pressioneMinima); },
         [](DatiLavoro& d, std::string_view t) {
             return numero(t, "pressione-minima", {0, 1, true, true},
                           "deve essere compreso tra 0 e 1", d.parametri.pressioneMinima);
         },
         ""},
        {"combinazioni",
         "Combinazioni",
         "",
         "NTC 2018 §2.5.3 e §6.5.3.1",
         "combinazioni da calcolare, separate da virgole: sle, a1m1, a2m2 (predefinite tutte)",
         "LISTA",
         T::Elenco,
         {"sle", "a1m1", "a2m2"},
         true,
         [](const DatiLavoro& d) {
             std::string s;
             for (std::size_t k = 0; k < NumeroCombinazioni; ++k)
                 if (d.parametri.combinazioni[k])
                     s += (s.empty() ? "" : ",") + std::string(Combinazioni[k]);
             return s;
         },
         [](DatiLavoro& d, std::string_view t) -> Esito {
             std::array<bool, NumeroCombinazioni> scelte{};
             std::string_view resto = t;
             while (true) {
                 const auto virgola = resto.find(',');
                 const std::string_view parola = resto.substr(0, virgola);
                 bool trovata = false;
                 for (std::size_t k = 0; k < NumeroCombinazioni; ++k)
                     if (parola == Combinazioni[k])
                         trovata = scelte[k] = true;
                 if (!trovata)
                     return "combinazioni: " + citato(parola) +
                            " non è una combinazione (sle, a1m1, a2m2)";
                 if (virgola == std::string_view::npos)
                     break;
                 resto.remove_prefix(virgola + 1);
             }
             d.parametri.combinazioni = scelte;
             return std::nullopt;
         },
         ""},
        voceFattore<0>(),
        voceFattore<1>(),
        voceFattore<2>(),
        voceFattore<3>(),
        voceFattore<4>(),
        voceFattore<5>(),
        {"kh",
         "Coefficiente sismico orizzontale kh",
         "",
         "NTC 2018 §7.11.6.2.1 (dato direttamente)",
         "coefficiente sismico orizzontale, uno per tutti gli stati limite di --stati-limite o "
         "SLV=K,SLD=K (0 <= kh < 1; esclude --ag; predefinito: nessuna azione sismica)",
         "K|SLV=K,SLD=K",
         T::PerInsieme,
         {"SLV", "SLD"},
         true,
         [](const DatiLavoro& d) { return testoPerStato(d.parametri.sisma.kh); },
         [](DatiLavoro& d, std::string_view t) {
             return perStato(t, "kh", {0, 1, true, false}, "deve essere almeno 0 e minore di 1",
                             d.parametri.sisma.kh);
         },
         "Sisma"},
        {"kv-kh",
         "Rapporto kv/kh",
         "",
         "NTC 2018 §7.11.6.2.1: kv = ±0.5·kh",
         "coefficiente sismico verticale come frazione di kh (0..1, predefinito 0.5)",
         "R",
         T::Numero,
         {},
         true,
         [](const DatiLavoro& d) { return TestoParametro(d.parametri.sisma.kvKh); },
         [](DatiLavoro& d, std::string_view t) {
             return numero(t, "kv-kh", {0, 1, true, true}, "deve essere compreso tra 0 e 1",
                           d.parametri.sisma.kvKh);
         },
         "Sisma"},
        {"ag",
         "Accelerazione orizzontale massima ag/g",
         "", // a ratio: no unit
         "NTC 2018 §3.2, pericolosità sismica del sito",
         "ag/g del sito per stato limite, SLV=G,SLD=G (0 <= ag/g < 1; esclude --kh)",
         "SLV=G,SLD=G",
         T::PerInsieme,
         {"SLV", "SLD"},
         true,
         [](const DatiLavoro& d) { return testoPerStato(d.parametri.sisma.ag); },
         [](DatiLavoro& d, std::string_view t) {
             return perStato(t, "ag", {0, 1, true, false},
                             "ag/g deve essere almeno 0 e minore di 1", d.parametri.sisma.ag);
         },
         "Sisma"},
        {"f0",
         "Fattore di amplificazione spettrale F0",
         "",
         "NTC 2018 §3.2, pericolosità sismica del sito",
         "F0 del sito per stato limite, SLV=F,SLD=F (maggiore di 0, al massimo 10; serve per le "
         "categorie di sottosuolo B-E)",
         "SLV=F,SLD=F",
         T::PerInsieme,
         {"SLV", "SLD"},
         true,
         [](const DatiLavoro& d) { return testoPerStato(d.parametri.sisma.f0); },
         [](DatiLavoro& d, std::string_view t) {
             return perStato(t, "f0", {0, 10, false, true},
                             "deve essere maggiore di 0 e al massimo 10", d.parametri.sisma.f0);
         },
         "Sisma"},
        {"suolo",
         "Categoria di sottosuolo",
         "",
         "NTC 2018 Tab. 3.2.II; Ss di Tab. 3.2.IV",
         "categoria di sottosuolo A, B, C, D o E (predefinita A)",
         "A..E",
         T::Scelta,
         {"A", "B", "C", "D", "E"},
         true,
         [](const DatiLavoro& d) {
             return std::string(Suoli[static_cast<std::size_t>(d.parametri.sisma.suolo)]);
         },
         [](DatiLavoro& d, std::string_view t) {
             return scelta(t, "suolo", Suoli, "una categoria di sottosuolo",
                           d.parametri.sisma.suolo);
         },
         "Sisma"},
        {"topografia",
         "Categoria topografica",
         "",
         "NTC 2018 Tab. 3.2.III; St di Tab. 3.2.V",
         "categoria topografica T1, T2, T3 o T4 (predefinita T1)",
         "T1..T4",
         T::Scelta,
         {"T1", "T2", "T3", "T4"},
         true,
         [](const DatiLavoro& d) {
             return std::string(Topografie[static_cast<std::size_t>(d.parametri.sisma.topografia)]);
         },
         [](DatiLavoro& d, std::string_view t) {
             return scelta(t, "topografia", Topografie, "una categoria topografica",
                           d.parametri.sisma.topografia);
         },
         "Sisma"},
        {"muro",
         "Spostamenti del muro",
         "",
         "NTC 2018 §7.11.6.2.1: βm di Tab. 7.11.II, oppure βm = 1",
         "muro libero di spostarsi rispetto al terreno (predefinito; βm 0.38 SLV, 0.47 SLD) o "
         "vincolato (βm = 1, incremento a metà altezza)",
         "libero|vincolato",
         T::Scelta,
         {"libero", "vincolato"},
         true,
         [](const DatiLavoro& d) { return std::string(Muri[d.parametri.sisma.vincolato ? 1 : 0]); },
         [](DatiLavoro& d, std::string_view t) {
             std::size_t k = 0;
             if (auto e = scelta(t, "muro", Muri, "un tipo di muro", k))
                 return e;
             d.parametri.sisma.vincolato = k == 1;
             return Esito{};
         },
         "Sisma"},
        {"stati-limite",
         "Stati limite sismici",
         "",
         "NTC 2018 §3.2.1 e §7.11.6",
         "stati limite da calcolare, separati da virgole: SLV, SLD (predefinito SLV)",
         "LISTA",
         T::Elenco,
         {"SLV", "SLD"},
         true,
         [](const DatiLavoro& d) {
             std::string s;
             for (std::size_t k = 0; k < NumeroStatiLimite; ++k)
                 if (d.parametri.sisma.stati[k])
                     s += (s.empty() ? "" : ",") + std::string(StatiLimite[k]);
             return s;
         },
         [](DatiLavoro& d, std::string_view t) -> Esito {
             std::array<bool, NumeroStatiLimite> scelti{};
             std::string_view resto = t;
             while (true) {
                 const auto virgola = resto.find(',');
                 const std::string_view parola = resto.substr(0, virgola);
                 std::size_t k = 0;
                 if (scelta(parola, "", StatiLimite, "", k))
                     return "stati-limite: " + citato(parola) +
                            " non è uno stato limite sismico (SLV, SLD)";
                 scelti[k] = true;
                 if (virgola == std::string_view::npos)
                     break;
                 resto.remove_prefix(virgola + 1);
             }
             d.parametri.sisma.stati = scelti;
             return std::nullopt;
         },
         "Sisma"},
        {"acqua-sisma",
         "Acqua nel terreno sotto sisma",
         "",
         "EN 1998-5 Annesso E, E.6 (impermeabile) o E.7 (permeabile)",
         "terreno sotto falda impermeabile (predefinito: l'acqua si muove con il terreno) o "
         "permeabile (acqua libera, con la pressione idrodinamica)",
         "impermeabile|permeabile",
         T::Scelta,
         {"impermeabile", "permeabile"},
         true,
         [](const DatiLavoro& d) {
             return std::string(Acque[d.parametri.sisma.acquaPermeabile ? 1 : 0]);
         },
         [](DatiLavoro& d, std::string_view t) {
             std::size_t k = 0;
             if (auto e = scelta(t, "acqua-sisma", Acque, "un comportamento dell'acqua", k))
                 return e;
             d.parametri.sisma.acquaPermeabile = k == 1;
             return Esito{};
         },
         "Sisma"},
        {"porosita",
         "Porosità n del terreno sotto falda",
         "",
         "EN 1998-5 E.7: γd = γ − n·γw",
         "porosita' del terreno sotto falda per il peso secco con --acqua-sisma permeabile "
         "(0 <= n < 1, predefinito 0: gamma secco = gamma, a favore di sicurezza)",
         "N",
         T::Numero,
         {},
         true,
         [](const DatiLavoro& d) { return TestoParametro(d.parametri.sisma.porosita); },
         [](DatiLavoro& d, std::string_view t) {
             return numero(t, "porosita", {0, 1, true, false}, "deve essere almeno 0 e minore di 1",
                           d.parametri.sisma.porosita);
         },
         "Sisma"},
        voceIntestazione<0>(),
        voceIntestazione<1>(),
        voceIntestazione<2>(),
        voceIntestazione<3>(),
        voceIntestazione<4>(),
    };
    return voci;
}
// NOLINTEND(readability-function-cognitive-complexity)

} // namespace

std::span<const VoceParametro> VociParametri() {
    return tabella();
}

const VoceParametro* CercaParametro(std::string_view chiave) {
    for (const VoceParametro& v : tabella())
        if (v.chiave == chiave)
            return &v;
    return nullptr;
}

std::string_view ParolaTeoria(Teoria t) {
    switch (t) {
    case Teoria::Rankine:
        return "rankine";
    case Teoria::Coulomb:
        return "coulomb";
    case Teoria::AnnessoC:
        return "annesso-c";
    }
    return {};
}

std::string_view NomeTeoria(Teoria t) {
    switch (t) {
    case Teoria::Rankine:
        return "Rankine";
    case Teoria::Coulomb:
        return "Coulomb (Müller-Breslau)";
    case Teoria::AnnessoC:
        return "EN 1997-1 Annesso C";
    }
    return {};
}

std::string_view NomeCombinazione(Combinazione c) {
    constexpr std::string_view nomi[] = {"SLE", "A1+M1", "A2+M2"};
    return nomi[static_cast<std::size_t>(c)];
}

std::string_view ParolaCombinazione(Combinazione c) {
    return Combinazioni[static_cast<std::size_t>(c)];
}

std::string_view NomeStatoLimite(StatoLimite s) {
    return StatiLimite[static_cast<std::size_t>(s)];
}

bool SismaRichiesto(const ParametriSisma& s) {
    for (std::size_t k = 0; k < NumeroStatiLimite; ++k)
        if (s.kh[k] || s.ag[k])
            return true;
    return false;
}

namespace {

std::optional<std::string> controllaSisma(const ParametriCalcolo& p) {
    const ParametriSisma& s = p.sisma;
    if (!SismaRichiesto(s)) {
        if (s != ParametriSisma{})
            return "parametri sismici senza azione: dare kh (coefficienti sismici) oppure ag "
                   "(parametri del sito) per almeno uno stato limite";
        return std::nullopt;
    }
    const bool diretto = s.kh[0] || s.kh[1];
    if (diretto && (s.ag[0] || s.ag[1]))
        return "kh e ag si escludono: dare i coefficienti sismici (kh) oppure i parametri del "
               "sito (ag, F0), non entrambi";
    if (p.stato == StatoTerreno::Riposo)
        return "l'azione sismica (Mononobe-Okabe) si calcola per la spinta attiva o la "
               "resistenza passiva, non per lo stato a riposo";
    for (std::size_t k = 0; k < NumeroStatiLimite; ++k) {
        if (!s.stati[k])
            continue;
        const std::string stato(StatiLimite[k]);
        if (diretto && !s.kh[k])
            return "stato limite " + stato + ": manca kh (forma: " + stato + "=0.1)";
        if (!diretto && !s.ag[k])
            return "stato limite " + stato + ": manca ag/g del sito (forma: " + stato + "=0.25)";
        if (!diretto && !s.f0[k] && s.suolo != CategoriaSuolo::A)
            return "stato limite " + stato +
                   ": manca F0 del sito, che serve a Ss della "
                   "categoria di sottosuolo " +
                   std::string(Suoli[static_cast<std::size_t>(s.suolo)]) + " (forma: " + stato +
                   "=2.5)";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ControllaParametri(const ParametriCalcolo& p) {
    bool una = false;
    for (bool c : p.combinazioni)
        una = una || c;
    if (!una)
        return "nessuna combinazione da calcolare: sceglierne almeno una (sle, a1m1, a2m2)";
    if (p.teoria == Teoria::Rankine && p.deltaPhi != 0)
        return "l'attrito terra-muro δ/φ′ = " + TestoParametro(p.deltaPhi) +
               " vale solo con la teoria di Coulomb o dell'Annesso C: con Rankine il muro è liscio";
    // The plane failure surface overestimates the passive resistance as δ grows (EN 1997-1
    // Annex C; Caquot and Kérisel): Coulomb is kept where it stays close to curved surfaces.
    if (p.stato == StatoTerreno::Passiva && p.teoria == Teoria::Coulomb && p.deltaPhi > 1.0 / 3.0)
        return "resistenza passiva con la teoria di Coulomb e δ/φ′ = " +
               TestoParametro(p.deltaPhi) +
               ": la superficie di rottura piana sovrastima Kp, a sfavore di sicurezza, quando "
               "δ/φ′ supera 1/3; usare δ/φ′ fino a 1/3 oppure la teoria annesso-c (EN 1997-1 "
               "Annesso C, superfici di rottura curve)";
    if (p.pressioneMinima != 0 && p.stato != StatoTerreno::Attiva)
        return "la pressione minima negli strati coesivi vale solo per la spinta attiva";
    return controllaSisma(p);
}

std::string TestoParametro(double v) {
    if (v == 1.0 / 3.0)
        return "1/3";
    if (v == 2.0 / 3.0)
        return "2/3";
    std::array<char, 32> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return std::string(buf.data(), r.ptr);
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
