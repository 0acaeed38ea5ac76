// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/affidabilita.h"

#include "analisi/coefficienti.h"
#include "model/calcolo.h"
#include "report/misure_testo.h"
#include "text/testi_numerici.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace spintaro {

namespace {

constexpr std::string_view Licenza =
    "GPL-3.0-or-later (GNU General Public License, versione 3 o successiva): software libero";

// "Voce: valore" lines, wrapped, the empty values left out.
void voci(Impaginatore& p, std::initializer_list<std::pair<std::string_view, std::string>> righe) {
    for (const auto& [voce, valore] : righe)
        if (!valore.empty())
            p.paragrafo(std::string(voce) + ": " + valore, Carattere::Corpo);
}

// "capitolo N", the number the chapter has in this report.
std::string capitolo(Impaginatore& p, Capitolo c) {
    return "capitolo " + std::to_string(p.numerazione().numero(c));
}

std::string limiti(const std::string& decimale) {
    return TestoValore(RapportoMinimo, 2, decimale) + " e " +
           TestoValore(RapportoMassimo, 2, decimale);
}

// The ratio of the check to the program's value as the table shows it.
std::string rapporto(Giudizio g, double stima, double programma, const std::string& decimale) {
    if (g == Giudizio::NonCalcolabile || programma == 0)
        return "non definito";
    return TestoValore(stima / programma, 3, decimale);
}

// The names of the check's value and of the program's in the judgement: "Seq" and "S".
struct Nomi {
    std::string stima, programma;
};

// The judgement of a check against the program's value, in one sentence.
std::string fraseGiudizio(Giudizio g, double stima, double programma, const Nomi& nomi,
                          const std::string& decimale) {
    const auto v = [&decimale](double x, int cifre = 3) {
        return TestoValore(x, cifre, decimale);
    };
    const double r = programma != 0 ? stima / programma : 0;
    const std::string quoziente = nomi.stima + "/" + nomi.programma + " = " + v(r);
    const std::string differenza =
        "la differenza (" + std::string(r >= 1 ? "+" : "") + v(100 * (r - 1), 1) + " %)";
    const std::string spiega =
        "; il progettista deve esaminarla prima di accettare i risultati (per esempio una "
        "coesione rilevante, strati molto diversi tra loro o una falda che non sta alla base "
        "del profilo).";
    switch (g) {
    case Giudizio::Coerente:
        if (programma == 0)
            return "Giudizio: " + nomi.stima + " e " + nomi.programma +
                   " sono entrambe nulle; il risultato del programma \xC3\xA8 coerente con il "
                   "controllo.";
        return "Giudizio: " + quoziente + ", " + differenza +
               " \xC3\xA8 spiegata dalla semplificazione (parametri medi, \xCF\x80 esatto, "
               "coesione trascurata); il risultato del programma \xC3\xA8 coerente con il "
               "controllo.";
    case Giudizio::NonSpiegato:
        if (programma == 0)
            return "Giudizio: la spinta del programma \xC3\xA8 nulla, quella del controllo no (" +
                   nomi.stima + " = " + v(stima) +
                   " kN/m); la differenza non \xC3\xA8 spiegata dalla semplificazione" + spiega;
        return "Giudizio: " + quoziente + ", non compreso tra " + limiti(decimale) + "; " +
               differenza + " non \xC3\xA8 spiegata dalla semplificazione" + spiega;
    case Giudizio::NonCalcolabile:
        break;
    }
    return "Giudizio: il controllo non \xC3\xA8 calcolabile con questi dati (valori fuori "
           "dall'intervallo dei numeri); il progettista deve verificare i risultati in altro modo.";
}

// The check of the governing static design row, after the check of the results chapter.
void controlloProgetto(Impaginatore& p, const StimaOmogenea& s, double q,
                       const ParametriCalcolo& parametri, const RisultatoProgetto& risultati,
                       const std::string& decimale) {
    const auto v = [&decimale](double x, int cifre = 3) {
        return TestoValore(x, cifre, decimale);
    };
    const std::string progetto = capitolo(p, Capitolo::Progetto);
    const std::string sismiche =
        " Le righe sismiche del " + progetto + " restano fuori dal controllo.";
    p.avanza(8);
    const auto d = StimaRigaGovernante(s, q, parametri, risultati);
    if (!d) {
        p.paragrafo("Spinte di progetto: nel " + progetto +
                        " nessuna combinazione A1+M1 o A2+M2 governa, nessun controllo." + sismiche,
                    Carattere::Corpo);
        return;
    }
    const RigaProgetto& r = *d->riga;
    const std::string k(NomeCoefficiente(parametri.stato, false));
    const std::string attrito = parametri.teoria == Teoria::Rankine
                                    ? "\xCE\xB4 = 0"
                                    : "\xCE\xB4 = (\xCE\xB4/\xCF\x86\xE2\x80\xB2)\xC2\xB7"
                                      "\xCF\x86"
                                      "eq,d";
    p.paragrafo(
        "Spinte di progetto: lo stesso terreno omogeneo, senza coesione e con \xCF\x80 esatto, "
        "nella combinazione che governa il " +
            progetto + " (" + r.nome +
            "), con i suoi coefficienti parziali e la teoria del lavoro (" +
            std::string(NomeTeoria(parametri.teoria)) +
            "): \xCF\x86"
            "eq,d = arctan(tan \xCF\x86"
            "eq/\xCE\xB3\xCF\x86\xE2\x80\xB2), \xCE\xB3"
            "eq,d = \xCE\xB3"
            "eq/\xCE\xB3\xCE\xB3, " +
            attrito + ", \xCE\xB2 = " + v(parametri.beta, 2) +
            "\xC2\xB0, Kh la componente "
            "orizzontale di " +
            k +
            "; Seq,d = \xCE\xB3G1\xC2\xB7[Kh\xC2\xB7(\xCE\xB3"
            "eq,d\xC2\xB7H\xC2\xB2/2 \xE2\x88\x92 \xCE\xB3w\xC2\xB7Hw\xC2\xB2/2) + "
            "\xCE\xB3w\xC2\xB7Hw\xC2\xB2/2] + \xCE\xB3Q\xC2\xB7Kh\xC2\xB7q\xC2\xB7H" +
            (!r.spintaCarichi ? std::string()
                              : " + la quota dei carichi sul terrapieno della riga, che non "
                                "dipende dagli strati") +
            ", con gli stessi limiti del rapporto." + sismiche,
        Carattere::Corpo);
    p.avanza(4);
    const Giudizio g = GiudicaSpinta(d->spinta, r.spinta);
    const std::string frase = fraseGiudizio(g, d->spinta, r.spinta, {"Seq,d", "Sd"}, decimale);
    // The table (its heading and eight rows) and its judgement on one page.
    p.assicura(
        10 * altezzaRiga(Carattere::Tabella) + 4 +
        static_cast<double>(avvolgi(frase, Impaginatore::Larghezza, Carattere::Corpo).size()) *
            altezzaRiga(Carattere::Corpo));
    tabella(p,
            {{"Controllo delle spinte di progetto", "", Allineamento::Sinistra},
             {"Valore", ""},
             {"Unit\xC3\xA0", "", Allineamento::Sinistra}},
            {{"Angolo di attrito di progetto \xCF\x86"
              "eq,d",
              v(d->phi, 2), "\xC2\xB0"},
             {"Peso di volume di progetto \xCE\xB3"
              "eq,d",
              v(d->gamma), "kN/m\xC2\xB3"},
             {"Attrito terra-muro \xCE\xB4", v(d->delta, 2), "\xC2\xB0"},
             {k + ",eq,d", v(d->k, 5), ""},
             {"Kh", v(d->kh, 5), ""},
             {"Terreno omogeneo equivalente Seq,d", v(d->spinta), "kN/m"},
             {"Programma Sd (" + progetto + ", " + r.nome + ")", v(r.spinta), "kN/m"},
             {"Rapporto Seq,d/Sd", rapporto(g, d->spinta, r.spinta, decimale), ""}});
    p.avanza(4);
    p.paragrafo(frase, Carattere::Corpo);
}

} // namespace

StimaOmogenea StimaTerrenoOmogeneo(const Modulo1& m, int n) {
    StimaOmogenea s;
    double pesi = 0, angoli = 0;
    for (int i = 1; i <= n; ++i) {
        const Strato& t = m.Strati(i);
        s.altezza += t.Potenza;
        pesi += t.Gamma * t.Potenza;
        angoli += t.AttritoInterno * t.Potenza;
        if (t.Falda != 0)
            s.altezzaFalda += t.Potenza;
    }
    if (s.altezza != 0) {
        s.gamma = pesi / s.altezza;
        s.phi = angoli / s.altezza;
    }
    const double t = std::tan(std::numbers::pi / 4 - s.phi * std::numbers::pi / 360);
    s.ka = t * t;
    const double q = m.Strati(0).Sv, h = s.altezza, hw = s.altezzaFalda;
    s.acqua = GammaAcqua * hw * hw / 2;
    s.spinta = s.ka * (q * h + s.gamma * h * h / 2 - s.acqua) + s.acqua;
    return s;
}

std::optional<StimaProgetto> StimaRigaGovernante(const StimaOmogenea& s, double q,
                                                 const ParametriCalcolo& p,
                                                 const RisultatoProgetto& r) {
    const auto riga = std::find_if(r.righe.begin(), r.righe.end(),
                                   [](const RigaProgetto& x) { return x.governa && !x.sisma; });
    if (riga == r.righe.end())
        return std::nullopt;
    constexpr auto Esatto = ConversioneAngoli::PiEsatto;
    StimaProgetto d;
    d.riga = &*riga;
    d.phi = AttritoDiProgetto(s.phi, riga->gammaPhi, Esatto);
    d.gamma = s.gamma / riga->gammaGamma;
    d.delta = p.teoria == Teoria::Rankine ? 0.0 : p.deltaPhi * d.phi;
    const auto k = CoefficienteSpinta(p.stato, p.teoria, d.phi, d.delta, p.beta, p.ocr, Esatto);
    d.k = k ? k->k : std::nan("");
    d.kh = k ? k->kh : std::nan("");
    const double h = s.altezza;
    // The loads on the backfill do not depend on the layers: their share of the row is added as
    // the row has it.
    d.spinta = riga->gammaG1 * (d.kh * (d.gamma * h * h / 2 - s.acqua) + s.acqua) +
               riga->gammaQ * d.kh * q * h + riga->spintaCarichi.value_or(0);
    return d;
}

Giudizio GiudicaSpinta(double stima, double programma) {
    if (!std::isfinite(stima) || !std::isfinite(programma))
        return Giudizio::NonCalcolabile;
    if (programma == 0)
        return stima == 0 ? Giudizio::Coerente : Giudizio::NonSpiegato;
    const double r = stima / programma;
    if (!std::isfinite(r))
        return Giudizio::NonCalcolabile;
    return r >= RapportoMinimo && r <= RapportoMassimo ? Giudizio::Coerente : Giudizio::NonSpiegato;
}

void SezioniAnalisiECodice(Impaginatore& p, const DatiRelazione& dati) {
    const Numerazione& numeri = p.numerazione();
    const bool progetto = numeri.numero(Capitolo::Progetto) != 0;
    p.intestazione("Tipo di analisi", 3 * altezzaRiga(Carattere::Corpo));
    p.paragrafo("Analisi della spinta attiva delle terre, per metro di muro, su un muro di "
                "sostegno verticale con piano campagna orizzontale: strati orizzontali, un "
                "sovraccarico uniforme e l'eventuale falda; nei capitoli " +
                    std::to_string(numeri.numero(Capitolo::Dati)) + "\xE2\x80\x93" +
                    std::to_string(numeri.numero(Capitolo::Diagrammi)) +
                    " analisi statica con i valori caratteristici dei parametri e il coefficiente "
                    "di Rankine." +
                    (progetto ? " Il " + capitolo(p, Capitolo::Progetto) +
                                    " d\xC3\xA0 le spinte di progetto nelle combinazioni scelte "
                                    "delle NTC 2018 (statiche e, se \xC3\xA8 data l'azione "
                                    "sismica, pseudostatiche), con lo stato del terreno e la "
                                    "teoria dei parametri del lavoro."
                              : std::string()),
                Carattere::Corpo);
    p.avanza(1.5);
    p.paragrafo("Presentazione dei risultati: i dati nel " + capitolo(p, Capitolo::Dati) +
                    ", il modello nel " + capitolo(p, Capitolo::Modello) +
                    ", i risultati per strato e per il muro in tabelle nel " +
                    capitolo(p, Capitolo::Risultati) +
                    ", i diagrammi di \xCF\x83v e \xCF\x83"
                    "a nel " +
                    capitolo(p, Capitolo::Diagrammi) +
                    (progetto ? ", le spinte di progetto nel " + capitolo(p, Capitolo::Progetto)
                              : std::string()) +
                    "; il controllo semplificato indipendente e il giudizio sui risultati nel " +
                    capitolo(p, Capitolo::Giudizio) + ".",
                Carattere::Corpo);

    // What is known of the code: its name and version, its licence, where the installed program
    // keeps its validation document (in the build, the source's own copy).
    const std::string& cartella = dati.codice.cartella;
    const std::string documento =
        cartella.empty() ? "docs/validazione.md e docs/validazione.pdf nel codice sorgente"
                         : cartella + "/validazione.md e " + cartella + "/validazione.pdf";
    p.intestazione("Codice di calcolo", 3 * altezzaRiga(Carattere::Corpo));
    voci(p, {{"Programma", dati.programma},
             {"Licenza", std::string(Licenza)},
             {"Documento di validazione",
              documento + (dati.codice.validazione.empty()
                               ? std::string()
                               : ", versione " + dati.codice.validazione)}});
    p.avanza(1.5);
    p.paragrafo("Il documento di validazione descrive la teoria, gli algoritmi e il campo "
                "d'impiego del programma e risolve casi prova commentati, ciascuno con il file "
                "di dati che lo riproduce, come chiedono le NTC 2018 (\xC2\xA7"
                "10.2); i casi sono ricalcolati a ogni modifica del programma.",
                Carattere::Corpo);
}

void CapitoloGiudizio(Impaginatore& p, const Modulo1& m, int n, double spinta,
                      const std::string& decimale, const ParametriCalcolo* parametri,
                      const RisultatoProgetto* risultati) {
    const std::string titolo = p.numerazione().capitolo(
        Capitolo::Giudizio, "Giudizio di accettabilit\xC3\xA0 dei risultati");
    const auto v = [&decimale](double x, int cifre = 3) {
        return TestoValore(x, cifre, decimale);
    };
    if (n == 0) {
        p.intestazione(titolo, altezzaRiga(Carattere::Corpo));
        p.paragrafo("Nessuno strato: nessun controllo.", Carattere::Corpo);
        return;
    }
    const StimaOmogenea s = StimaTerrenoOmogeneo(m, n);
    const std::string metodo =
        "Controllo indipendente e semplificato, calcolato dalla relazione stessa: al "
        "posto degli strati un terreno omogeneo della stessa altezza H, con il peso di "
        "volume \xCE\xB3"
        "eq e l'angolo di attrito \xCF\x86"
        "eq medi pesati sugli spessori, Ka,eq = tan\xC2\xB2(45\xC2\xB0 \xE2\x88\x92 "
        "\xCF\x86"
        "eq/2) con \xCF\x80 esatto e senza coesione; l'acqua a parte, idrostatica "
        "sullo spessore sotto falda Hw posto alla base del profilo: Seq = Ka,eq\xC2\xB7"
        "(q\xC2\xB7H + \xCE\xB3"
        "eq\xC2\xB7H\xC2\xB2/2 \xE2\x88\x92 \xCE\xB3w\xC2\xB7Hw\xC2\xB2/2) + "
        "\xCE\xB3w\xC2\xB7Hw\xC2\xB2/2. La differenza \xC3\xA8 spiegata dalla "
        "semplificazione quando il rapporto Seq/S \xC3\xA8 compreso tra " +
        limiti(decimale) + ".";
    // The heading stays with the whole paragraph, which is not split.
    p.intestazione(titolo, static_cast<double>(
                               avvolgi(metodo, Impaginatore::Larghezza, Carattere::Corpo).size()) *
                               altezzaRiga(Carattere::Corpo));
    p.paragrafo(metodo, Carattere::Corpo);
    p.avanza(4);
    const Giudizio g = GiudicaSpinta(s.spinta, spinta);
    tabella(p,
            {{"Controllo semplificato", "", Allineamento::Sinistra},
             {"Valore", ""},
             {"Unit\xC3\xA0", "", Allineamento::Sinistra}},
            {{"Altezza del profilo H", v(s.altezza), "m"},
             {"Spessore sotto falda Hw", v(s.altezzaFalda), "m"},
             {"Peso di volume medio \xCE\xB3"
              "eq",
              v(s.gamma), "kN/m\xC2\xB3"},
             {"Angolo di attrito medio \xCF\x86"
              "eq",
              v(s.phi, 2), "\xC2\xB0"},
             {"Ka,eq", v(s.ka, 4), ""},
             {"Acqua \xCE\xB3w\xC2\xB7Hw\xC2\xB2/2", v(s.acqua), "kN/m"},
             {"Terreno omogeneo equivalente Seq", v(s.spinta), "kN/m"},
             {"Programma S (" + capitolo(p, Capitolo::Risultati) + ")", v(spinta), "kN/m"},
             {"Rapporto Seq/S", rapporto(g, s.spinta, spinta, decimale), ""}});
    p.avanza(4);
    p.paragrafo(fraseGiudizio(g, s.spinta, spinta, {"Seq", "S"}, decimale), Carattere::Corpo);
    if (parametri != nullptr && risultati != nullptr)
        controlloProgetto(p, s, m.Strati(0).Sv, *parametri, *risultati, decimale);
}

} // namespace spintaro
