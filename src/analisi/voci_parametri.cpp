// SPDX-License-Identifier: GPL-3.0-or-later
// The parameters table: the entries of the calculation, the partial factors and the heading; the
// seismic ones in parametri_sisma.cpp, the builders of each kind in costruttori_voci.cpp.
#include "analisi/voci_parametri.h"

#include "text/citazioni.h"

namespace spintaro {

using namespace voci;

namespace {

constexpr std::size_t LunghezzaTesto = 120; // code points of a heading field

// The program applies only unfavourable factors: an action factor from 0.5 to 5, a factor that
// divides a strength or a resistance from 1 (none) to 5.
constexpr Intervallo FattoriAzioni{0.5, 5, true, true};
constexpr Intervallo FattoriResistenze{1, 5, true, true};

constexpr std::string_view Stati[] = {"attiva", "riposo", "passiva"};
constexpr std::string_view Teorie[] = {"rankine", "coulomb", "annesso-c"};
constexpr std::string_view Combinazioni[] = {"sle", "a1m1", "a2m2"};

std::vector<VoceParametro> vociTerreno() {
    return {
        VoceScelta(
            {.chiave = "stato",
             .etichetta = "Stato del terreno",
             .clausola = "spinta attiva, a riposo (EN 1997-1 §9.5.2), passiva",
             .aiuto = "stato del terreno: attiva (predefinito), riposo o passiva",
             .parole = Stati,
             .cosa = "uno stato",
             .leggi = [](const ParametriCalcolo& p) { return static_cast<std::size_t>(p.stato); },
             .scrivi =
                 [](ParametriCalcolo& p, std::size_t k) {
                     p.stato = static_cast<StatoTerreno>(k);
                 }}),
        VoceScelta(
            {.chiave = "teoria",
             .etichetta = "Teoria",
             .clausola = "Rankine; Coulomb (Müller-Breslau); EN 1997-1 Annesso C.2",
             .aiuto = "teoria: rankine (predefinito), coulomb (Müller-Breslau) o annesso-c "
                      "(EN 1997-1 Annesso C, superfici di rottura curve)",
             .parole = Teorie,
             .cosa = "una teoria",
             .leggi = [](const ParametriCalcolo& p) { return static_cast<std::size_t>(p.teoria); },
             .scrivi =
                 [](ParametriCalcolo& p, std::size_t k) {
                     p.teoria = static_cast<Teoria>(k);
                 }}),
        VoceNumero({.chiave = "delta-phi",
                    .etichetta = "Attrito terra-muro δ/φ′",
                    .clausola = "δ = rapporto · φ′d di ogni combinazione",
                    .aiuto = "attrito terra-muro come rapporto delta/phi'",
                    .nome = "delta-phi (δ/φ′)",
                    .forma = "R",
                    .intervallo = {0, 1, true, true},
                    .campo = [](ParametriCalcolo& p) -> double& { return p.deltaPhi; },
                    .nota = "es. 1/3, 1/2, 2/3"}),
        VoceNumero({.chiave = "beta",
                    .etichetta = "Inclinazione del terrapieno β",
                    .unita = "°",
                    .clausola = "non oltre φ′d di ogni strato",
                    .aiuto = "inclinazione del piano campagna dietro il muro, gradi",
                    .nome = "beta (β)",
                    .forma = "GRADI",
                    .intervallo = {-90, 90, false, false},
                    .campo = [](ParametriCalcolo& p) -> double& {
                        return p.beta;
                    }}),
        VoceNumero({.chiave = "ocr",
                    .etichetta = "Grado di sovraconsolidazione OCR",
                    .clausola = "EN 1997-1 §9.5.2, per lo stato a riposo",
                    .aiuto = "grado di sovraconsolidazione per lo stato a riposo",
                    .intervallo = {1, 100, true, true},
                    .campo = [](ParametriCalcolo& p) -> double& {
                        return p.ocr;
                    }}),
    };
}

std::vector<VoceParametro> vociCombinazioni() {
    return {
        {.chiave = "coesione-sotto-falda",
         .etichetta = "Coesione c′ sotto falda",
         .clausola = "conservata come coesione efficace (altrimenti ignorata)",
         .aiuto = "conserva la coesione c' degli strati sotto falda (predefinito: ignorata)",
         .tipo = TipoParametro::Interruttore,
         .scelte = {"si", "no"},
         .testo = [](const DatiLavoro& d) -> std::string {
             return d.parametri.coesioneSottoFalda ? "si" : "no";
         },
         .nome = "coesione-sotto-falda",
         .lettore = [](DatiLavoro& d, std::string_view t, std::string_view nome) -> Esito {
             if (t != "si" && t != "no")
                 return std::string(nome) + ": " + citato(t) + " non è si o no";
             d.parametri.coesioneSottoFalda = t == "si";
             return std::nullopt;
         }},
        VoceNumero({.chiave = "pressione-minima",
                    .etichetta = "Pressione minima negli strati coesivi",
                    .unita = "·σ′v",
                    .clausola = "σa ≥ frazione · σ′v (0 = nessun minimo)",
                    .aiuto = "spinta attiva: sigma_a non minore di FRAZIONE per sigma'v negli "
                             "strati coesivi",
                    .forma = "FRAZIONE",
                    .intervallo = {0, 1, true, true},
                    .campo = [](ParametriCalcolo& p) -> double& { return p.pressioneMinima; },
                    .nota = "0 = nessun minimo"}),
        VoceElenco({.chiave = "combinazioni",
                    .etichetta = "Combinazioni",
                    .clausola = "NTC 2018 §2.5.3 e §6.5.3.1",
                    .aiuto = "combinazioni da calcolare, separate da virgole: sle, a1m1, a2m2 "
                             "(predefinite tutte)",
                    .parole = Combinazioni,
                    .cosa = "una combinazione",
                    .campo =
                        [](ParametriCalcolo& p) {
                            return std::span<bool>(p.combinazioni);
                        }}),
        VoceCoppia({.chiave = "gamma-g1",
                    .etichetta = "γG1 azioni permanenti sfavorevoli",
                    .clausola = "NTC 2018 Tab. 6.2.I",
                    .aiuto = "coefficiente delle azioni permanenti (terra, acqua) per A1 e A2",
                    .insiemi = {"A1", "A2"},
                    .intervallo = FattoriAzioni,
                    .fattore = &ParametriCalcolo::gammaG1}),
        VoceCoppia({.chiave = "gamma-q",
                    .etichetta = "γQ azioni variabili sfavorevoli",
                    .clausola = "NTC 2018 Tab. 6.2.I",
                    .aiuto = "coefficiente del sovraccarico per A1 e A2",
                    .insiemi = {"A1", "A2"},
                    .intervallo = FattoriAzioni,
                    .fattore = &ParametriCalcolo::gammaQ}),
        VoceCoppia({.chiave = "gamma-phi",
                    .etichetta = "γφ′ su tan φ′",
                    .clausola = "NTC 2018 Tab. 6.2.II",
                    .aiuto = "coefficiente su tan(phi') per M1 e M2",
                    .insiemi = {"M1", "M2"},
                    .intervallo = FattoriResistenze,
                    .fattore = &ParametriCalcolo::gammaPhi}),
        VoceCoppia({.chiave = "gamma-c",
                    .etichetta = "γc′ sulla coesione efficace",
                    .clausola = "NTC 2018 Tab. 6.2.II",
                    .aiuto = "coefficiente sulla coesione c' per M1 e M2",
                    .insiemi = {"M1", "M2"},
                    .intervallo = FattoriResistenze,
                    .fattore = &ParametriCalcolo::gammaC}),
        VoceCoppia({.chiave = "gamma-gamma",
                    .etichetta = "γγ sul peso dell'unità di volume",
                    .clausola = "NTC 2018 Tab. 6.2.II",
                    .aiuto = "coefficiente sul peso di volume per M1 e M2",
                    .insiemi = {"M1", "M2"},
                    .intervallo = FattoriResistenze,
                    .fattore = &ParametriCalcolo::gammaGamma}),
        VoceCoppia({.chiave = "gamma-r",
                    .etichetta = "γR resistenza passiva a valle",
                    .clausola = "NTC 2018 Tab. 6.5.I (A1+M1); R1 di §6.5.3.1.2 (A2+M2)",
                    .aiuto = "coefficiente della resistenza passiva accanto a A1+M1 e A2+M2",
                    .insiemi = {"A1", "A2"},
                    .intervallo = FattoriResistenze,
                    .fattore = &ParametriCalcolo::gammaR}),
    };
}

// The heading's fields: a line of text each, kept with the parameters but not part of the
// calculation.
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

VoceParametro voceIntestazione(const DescrizioneIntestazione& v) {
    return {.chiave = v.chiave,
            .etichetta = v.etichetta,
            .aiuto = std::string(v.aiuto),
            .forma = "TESTO",
            .tipo = TipoParametro::Testo,
            .calcolo = false,
            .testo = [campo = v.campo](const DatiLavoro& d) { return d.intestazione.*campo; },
            .nome = std::string(v.chiave),
            .lettore = [v](DatiLavoro& d, std::string_view t, std::string_view nome) -> Esito {
                if (citaTesto(t, LunghezzaTesto) != t)
                    return std::string(nome) +
                           ": il testo deve essere UTF-8, su una riga, senza caratteri di "
                           "controllo e di al massimo " +
                           std::to_string(LunghezzaTesto) + " caratteri";
                d.intestazione.*v.campo = std::string(t);
                return std::nullopt;
            }};
}

} // namespace

std::span<const VoceParametro> VociParametri() {
    static const std::vector<VoceParametro> voci = [] {
        std::vector<VoceParametro> v;
        for (auto parte : {vociTerreno, vociCombinazioni, vociSismaAzione, vociSismaSito,
                           vociSismaCalcolo, vociCarichi})
            for (VoceParametro& x : parte())
                v.push_back(std::move(x));
        return v;
    }();
    return voci;
}

std::span<const VoceParametro> VociIntestazione() {
    static const std::vector<VoceParametro> voci = [] {
        std::vector<VoceParametro> v;
        for (const DescrizioneIntestazione& x : DescrizioniIntestazione)
            v.push_back(voceIntestazione(x));
        return v;
    }();
    return voci;
}

const VoceParametro* CercaParametro(std::string_view chiave) {
    for (const auto voci : {VociParametri(), VociIntestazione()})
        for (const VoceParametro& v : voci)
            if (v.chiave == chiave)
                return &v;
    return nullptr;
}

std::string_view ParolaCombinazione(Combinazione c) {
    return Combinazioni[static_cast<std::size_t>(c)];
}

} // namespace spintaro
