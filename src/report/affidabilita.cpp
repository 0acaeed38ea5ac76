// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/affidabilita.h"

#include "model/calcolo.h"
#include "report/misure_testo.h"
#include "text/testi_numerici.h"

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

std::string capitolo(int n) {
    return "capitolo " + std::to_string(n);
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

void SezioniAnalisiECodice(Impaginatore& p, const DatiRelazione& dati, bool progetto,
                           int capitoloGiudizio) {
    p.intestazione("Tipo di analisi", 3 * altezzaRiga(Carattere::Corpo));
    p.paragrafo("Analisi della spinta attiva delle terre, per metro di muro, su un muro di "
                "sostegno verticale con piano campagna orizzontale: strati orizzontali, un "
                "sovraccarico uniforme e l'eventuale falda; nei capitoli 1\xE2\x80\x93"
                "4 analisi statica con i valori caratteristici dei parametri e il coefficiente "
                "di Rankine." +
                    std::string(progetto ? " Il capitolo 5 d\xC3\xA0 le spinte di progetto "
                                           "nelle combinazioni scelte delle NTC 2018 (statiche "
                                           "e, se \xC3\xA8 data l'azione sismica, "
                                           "pseudostatiche), con lo stato del terreno e la "
                                           "teoria dei parametri del lavoro."
                                         : ""),
                Carattere::Corpo);
    p.avanza(1.5);
    p.paragrafo("Presentazione dei risultati: i dati nel capitolo 1, il modello nel capitolo 2, "
                "i risultati per strato e per il muro in tabelle nel capitolo 3, i diagrammi "
                "di \xCF\x83v e \xCF\x83"
                "a nel capitolo 4" +
                    std::string(progetto ? ", le spinte di progetto nel capitolo 5" : "") +
                    "; il controllo semplificato indipendente e il giudizio sui risultati nel " +
                    capitolo(capitoloGiudizio) + ".",
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
                      const std::string& titolo, const std::string& decimale) {
    const auto v = [&decimale](double x, int cifre = 3) {
        return TestoValore(x, cifre, decimale);
    };
    if (n == 0) {
        p.intestazione(titolo, altezzaRiga(Carattere::Corpo));
        p.paragrafo("Nessuno strato: nessun controllo.", Carattere::Corpo);
        return;
    }
    const StimaOmogenea s = StimaTerrenoOmogeneo(m, n);
    const std::string limiti = v(RapportoMinimo, 2) + " e " + v(RapportoMassimo, 2);
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
        limiti + ".";
    // The heading stays with the whole paragraph, which is not split.
    p.intestazione(titolo, static_cast<double>(
                               avvolgi(metodo, Impaginatore::Larghezza, Carattere::Corpo).size()) *
                               altezzaRiga(Carattere::Corpo));
    p.paragrafo(metodo, Carattere::Corpo);
    p.avanza(4);
    const Giudizio g = GiudicaSpinta(s.spinta, spinta);
    const double r = spinta != 0 ? s.spinta / spinta : 0;
    const bool rapporto = g != Giudizio::NonCalcolabile && spinta != 0;
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
             {"Programma S (capitolo 3)", v(spinta), "kN/m"},
             {"Rapporto Seq/S", rapporto ? v(r) : std::string("non definito"), ""}});
    p.avanza(4);
    std::string giudizio;
    const std::string spiega =
        "; il progettista deve esaminarla prima di accettare i risultati (per esempio una "
        "coesione rilevante, strati molto diversi tra loro o una falda che non sta alla base "
        "del profilo).";
    switch (g) {
    case Giudizio::Coerente:
        giudizio = spinta == 0 ? "Giudizio: Seq e S sono entrambe nulle; il risultato del "
                                 "programma \xC3\xA8 coerente con il controllo."
                               : "Giudizio: Seq/S = " + v(r) + ", la differenza (" +
                                     (r >= 1 ? "+" : "") + v(100 * (r - 1), 1) +
                                     " %) \xC3\xA8 spiegata dalla semplificazione (parametri "
                                     "medi, \xCF\x80 esatto, coesione trascurata); il risultato "
                                     "del programma \xC3\xA8 coerente con il controllo.";
        break;
    case Giudizio::NonSpiegato:
        giudizio = spinta == 0
                       ? "Giudizio: la spinta del programma \xC3\xA8 nulla, quella del "
                         "controllo no (Seq = " +
                             v(s.spinta) +
                             " kN/m); la differenza non \xC3\xA8 spiegata dalla "
                             "semplificazione" +
                             spiega
                       : "Giudizio: Seq/S = " + v(r) + ", non compreso tra " + limiti +
                             "; la differenza (" + (r >= 1 ? "+" : "") + v(100 * (r - 1), 1) +
                             " %) non \xC3\xA8 spiegata dalla semplificazione" + spiega;
        break;
    case Giudizio::NonCalcolabile:
        giudizio = "Giudizio: il controllo non \xC3\xA8 calcolabile con questi dati (valori fuori "
                   "dall'intervallo dei numeri); il progettista deve verificare i risultati in "
                   "altro modo.";
        break;
    }
    p.paragrafo(giudizio, Carattere::Corpo);
}

} // namespace spintaro
