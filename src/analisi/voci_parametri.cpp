// SPDX-License-Identifier: GPL-3.0-or-later
// The parameters table: the reading and the text of each kind of value, the entries of the
// calculation, the partial factors and the heading; the seismic ones in parametri_sisma.cpp.
#include "analisi/voci_parametri.h"

#include "model/errore.h"
#include "text/citazioni.h"
#include "text/testi_numerici.h"

#include <charconv>
#include <cmath>

namespace spintaro {

namespace voci {

std::string citato(std::string_view t) {
    return "«" + citaTesto(t) + "»"; // «…»
}

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

} // namespace voci

using namespace voci;

namespace {

constexpr std::size_t LunghezzaTesto = 120; // code points of a heading field

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
std::vector<VoceParametro> vociTerreno() {
    using T = TipoParametro;
    return {
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
    };
}

std::vector<VoceParametro> vociCombinazioni() {
    using T = TipoParametro;
    return {
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
    };
}

const std::vector<VoceParametro>& tabella() {
    static const std::vector<VoceParametro> voci = [] {
        std::vector<VoceParametro> v;
        for (auto parte :
             {vociTerreno, vociCombinazioni, vociSismaAzione, vociSismaSito, vociSismaCalcolo})
            for (VoceParametro& x : parte())
                v.push_back(std::move(x));
        for (VoceParametro x : {
                 voceIntestazione<0>(),
                 voceIntestazione<1>(),
                 voceIntestazione<2>(),
                 voceIntestazione<3>(),
                 voceIntestazione<4>(),
             })
            v.push_back(std::move(x));
        return v;
    }();
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

std::string_view ParolaCombinazione(Combinazione c) {
    return Combinazioni[static_cast<std::size_t>(c)];
}

} // namespace spintaro
