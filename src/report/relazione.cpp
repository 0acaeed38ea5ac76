// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/relazione.h"

#include "analisi/coefficienti.h"
#include "diagrams/geometria.h"
#include "model/calcolo.h"
#include "report/affidabilita.h"
#include "report/capitolo_progetto.h"
#include "report/impaginatore.h"
#include "report/misure_testo.h"
#include "text/citazioni.h"
#include "text/testi_numerici.h"
#include "text/testi_strato.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace spintaro {

namespace {

constexpr std::string_view Titolo = "Relazione di calcolo della spinta attiva";
constexpr std::string_view Lineetta = "\xE2\x80\x94"; // "—"
constexpr std::size_t LunghezzaNome = 80;             // code points of a project's name

// The job as the report reads it: layers 1..NumStrati, never past the table's last record.
int strati(const Modulo1& m) {
    return std::clamp<int>(m.NumStrati, 0, UltimoRecord);
}

// Numbers of the report; remembers whether one could not be written.
class Numeri {
public:
    explicit Numeri(std::string decimale) : m_decimale(std::move(decimale)) {}

    std::string valore(double v, int decimali = 3) {
        m_lineette = m_lineette || !std::isfinite(v);
        return TestoValore(v, decimali, m_decimale);
    }
    // An input as the user typed it (the main window's general form).
    std::string dato(double v) {
        if (!std::isfinite(v)) {
            m_lineette = true;
            return std::string(Lineetta);
        }
        return TestoGenerale(v, m_decimale);
    }
    bool lineette() const { return m_lineette; }
    const std::string& decimale() const { return m_decimale; }

private:
    std::string m_decimale;
    bool m_lineette = false;
};

void intestazioneDocumento(Impaginatore& p, const DatiRelazione& dati,
                           const std::string& progetto) {
    const double w = Impaginatore::Larghezza;
    p.testo(Impaginatore::Sinistra, p.y() + lineaDiBase(Carattere::Titolo), std::string(Titolo),
            Carattere::Titolo);
    p.avanza(altezzaRiga(Carattere::Titolo) + 4);
    // The project's heading data, each filled field on its lines.
    if (dati.intestazione != nullptr) {
        const DatiLavoro lavoro{{}, *dati.intestazione};
        for (const VoceParametro& voce : VociIntestazione())
            if (const std::string valore = voce.testo(lavoro); !valore.empty())
                p.paragrafo(std::string(voce.etichetta) + ": " + citaTesto(valore, 120),
                            Carattere::Corpo);
    }
    const std::pair<const char*, std::string> righe[] = {
        {"Progetto: ", progetto}, {"Data e ora: ", dati.dataOra}, {"Programma: ", dati.programma}};
    for (const auto& [voce, valore] : righe) {
        p.testo(Impaginatore::Sinistra, p.y() + lineaDiBase(Carattere::Corpo),
                accorcia(voce + valore, w, Carattere::Corpo), Carattere::Corpo);
        p.avanza(altezzaRiga(Carattere::Corpo));
    }
    p.avanza(4);
    p.linea(Impaginatore::Sinistra, p.y(), Impaginatore::Destra, p.y(), Inchiostro::Nero, 0.8);
    p.avanza(6);
}

void sezioneDati(Impaginatore& p, const Modulo1& m, int n, Numeri& numeri) {
    p.intestazione(p.numerazione().capitolo(Capitolo::Dati, "Dati"),
                   3 * altezzaRiga(Carattere::Corpo));
    p.paragrafo("Sovraccarico uniforme sul piano campagna: q = " + numeri.dato(m.Strati(0).Sv) +
                    " kPa.",
                Carattere::Corpo);
    if (n == 0) {
        p.paragrafo("Strati: nessuno strato.", Carattere::Corpo);
        return;
    }
    double h = 0;
    for (int i = 1; i <= n; ++i)
        h = h + m.Strati(i).Potenza;
    p.paragrafo("Strati: " + std::to_string(n) +
                    ", dal piano campagna verso il basso; altezza "
                    "del profilo H = " +
                    numeri.dato(h) + " m.",
                Carattere::Corpo);
    p.avanza(4);
    const std::vector<Colonna> colonne = {
        {"Strato", "", Allineamento::Centro},        {"Potenza h", "m"},
        {"Peso di volume \xCE\xB3", "kN/m\xC2\xB3"}, {"Coesione c", "kPa"},
        {"Attrito interno \xCF\x86", "\xC2\xB0"},    {"Sotto falda", "", Allineamento::Centro}};
    std::vector<std::vector<std::string>> righe;
    for (int i = 1; i <= n; ++i) {
        const Strato& s = m.Strati(i);
        righe.push_back({std::to_string(i), numeri.dato(s.Potenza), numeri.dato(s.Gamma),
                         numeri.dato(s.Coesione), numeri.dato(s.AttritoInterno),
                         s.Falda != 0 ? "Si" : "No"});
    }
    tabella(p, colonne, righe);
}

void sezioneModello(Impaginatore& p, const Numeri& numeri) {
    const std::string pi = "3" + numeri.decimale() + "14";
    // Each sentence is written over several literals that the compiler joins.
    // NOLINTBEGIN(bugprone-suspicious-missing-comma)
    const std::string frasi[] = {
        "Muro verticale, piano campagna orizzontale, nessun attrito tra terreno e muro; strati "
        "orizzontali sotto un sovraccarico uniforme q.",
        "Coefficiente di spinta attiva: Ka = tan\xC2\xB2(\xCF\x80/4 \xE2\x88\x92 \xCF\x86/2), con "
        "\xCF\x80 = " +
            pi + " (anche nella conversione dei gradi in radianti).",
        "Tensione verticale totale alla base dello strato: \xCF\x83v = \xCF\x83v sopra + "
        "\xCE\xB3\xC2\xB7h, con \xCF\x83v = q sul piano campagna.",
        "Strato asciutto: \xCF\x83"
        "a = Ka\xC2\xB7\xCF\x83v \xE2\x88\x92 2\xC2\xB7"
        "c\xC2\xB7"
        "\xE2\x88\x9A"
        "Ka; un valore negativo indica trazione.",
        "Strato sotto falda: \xCF\x83"
        "a = (\xCF\x83v \xE2\x88\x92 u)\xC2\xB7Ka + u, senza "
        "coesione; u = \xCE\xB3w\xC2\xB7hw con \xCE\xB3w = 10 kN/m\xC2\xB3, dove hw \xC3\xA8 "
        "l'altezza dal tetto della serie di strati sotto falda consecutivi a cui lo strato "
        "appartiene (uno strato asciutto interrompe la serie).",
        "Profondit\xC3\xA0 z0 dal piano campagna da cui parte la pressione di uno strato in "
        "trazione in alto: dove la retta di \xCF\x83"
        "a dello strato si annulla, z0 = z tetto + h\xC2\xB7(\xE2\x88\x92\xCF\x83"
        "a alto)/(\xCF\x83"
        "a base \xE2\x88\x92 \xCF\x83"
        "a alto), indicata dove \xCF\x83"
        "a in alto \xC3\xA8 negativa e alla base positiva.",
        "Spinta totale S: somma delle aree del diagramma di \xCF\x83"
        "a strato per strato "
        "(trapezio; per uno strato in trazione in alto, il triangolo dalla profondit\xC3\xA0 in "
        "cui la pressione diventa positiva; nulla per uno strato tutto in trazione).",
        "Spinta dell'acqua: somma di (u alto + u base)\xC2\xB7h/2. Momento ribaltante M delle "
        "stesse aree rispetto alla base del profilo; punto di applicazione della spinta a M/S "
        "sopra la base."};
    // NOLINTEND(bugprone-suspicious-missing-comma)
    p.intestazione(p.numerazione().capitolo(Capitolo::Modello, "Modello di calcolo"),
                   2 * altezzaRiga(Carattere::Corpo));
    for (const std::string& f : frasi) {
        p.paragrafo(f, Carattere::Corpo);
        p.avanza(1.5);
    }
}

void sezioneRisultati(Impaginatore& p, const Modulo1& m, int n, const AnalisiSpinta& a,
                      Numeri& numeri) {
    // Kept with what the table keeps together: its header of two lines and its first three rows.
    p.intestazione(p.numerazione().capitolo(Capitolo::Risultati, "Risultati"),
                   5 * altezzaRiga(Carattere::Tabella));
    if (n == 0) {
        p.paragrafo("Nessuno strato: nessun risultato per strato.", Carattere::Corpo);
    } else {
        const std::vector<Colonna> colonne = {{"Strato", "", Allineamento::Centro},
                                              {"Ka", ""},
                                              {"\xCF\x83v base", "kPa"},
                                              {"\xCF\x83"
                                               "a alto",
                                               "kPa"},
                                              {"\xCF\x83"
                                               "a base",
                                               "kPa"},
                                              {"u alto", "kPa"},
                                              {"u base", "kPa"},
                                              {"z0", "m"}};
        std::vector<std::vector<std::string>> righe;
        for (int i = 1; i <= n; ++i) {
            const Strato& s = m.Strati(i);
            const Acqua& u = a.strati[static_cast<std::size_t>(i - 1)];
            const auto z0 = z0Mostrato(m, i);
            righe.push_back({std::to_string(i), numeri.valore(s.Ka, 4), numeri.valore(s.Sv),
                             numeri.valore(s.Sa1), numeri.valore(s.Sa2), numeri.valore(u.u1),
                             numeri.valore(u.u2), z0 ? numeri.valore(*z0) : std::string()});
        }
        tabella(p, colonne, righe);
        if (const auto avviso = AvvisoStratiImpossibili(m)) {
            p.avanza(3);
            p.paragrafo("Avviso: " + *avviso, Carattere::Corpo);
        }
    }

    // The results for the wall: names, values aligned on their right edge, units.
    struct Totale {
        std::string nome, valore, unita;
    };
    std::vector<Totale> totali = {
        {"Spinta attiva totale S", numeri.valore(a.spinta), "kN/m"},
        {"di cui spinta dell'acqua", numeri.valore(a.spintaAcqua), "kN/m"},
        {"Momento ribaltante rispetto alla base del profilo M", numeri.valore(a.momento),
         "kN\xC2\xB7m/m"}};
    if (a.braccio)
        totali.push_back({"Altezza del punto di applicazione sopra la base M/S",
                          numeri.valore(*a.braccio), "m"});
    else if (a.spinta == 0)
        totali.push_back({"Altezza del punto di applicazione sopra la base M/S",
                          "non definita (spinta nulla)", ""});
    else
        totali.push_back({"Altezza del punto di applicazione sopra la base M/S",
                          numeri.valore(std::nan("")), "m"});
    const Carattere c = Carattere::Corpo;
    double nomi = 0, valori = 0;
    for (const Totale& t : totali) {
        nomi = std::max(nomi, larghezzaTesto(t.nome, c));
        valori = std::max(valori, larghezzaTesto(t.valore, c));
    }
    const double destraValori = Impaginatore::Sinistra + nomi + 14 + valori;
    p.avanza(6);
    p.assicura(static_cast<double>(totali.size()) * altezzaRiga(c));
    for (const Totale& t : totali) {
        const double base = p.y() + lineaDiBase(c);
        p.testo(Impaginatore::Sinistra, base, t.nome, c);
        p.testo(destraValori, base, t.valore, c, Allineamento::Destra);
        p.testo(destraValori + 4, base, t.unita, c);
        p.avanza(altezzaRiga(c));
    }
    if (numeri.lineette()) {
        p.avanza(3);
        p.paragrafo(std::string(Lineetta) + " valore non rappresentabile: il calcolo esce "
                                            "dall'intervallo dei numeri (dati estremi).",
                    Carattere::Piccolo);
    }
}

// The coloured lines of a screen diagram, with the current position resolved, in kPa and depth.
std::vector<SegmentoDiagramma> lineeColorate(const Disegno& d) {
    std::vector<SegmentoDiagramma> linee;
    double cx = 0, cy = 0;
    for (const Primitiva& p : d) {
        double ax = cx, ay = cy;
        switch (p.tipo) {
        case Primitiva::Tipo::Scala:
            continue;
        case Primitiva::Tipo::Testo:
            cx = p.ax;
            cy = p.ay;
            continue;
        case Primitiva::Tipo::Linea:
            ax = p.ax;
            ay = p.ay;
            break;
        case Primitiva::Tipo::LineaA:
            break;
        }
        cx = p.bx;
        cy = p.by;
        if (p.colore == Colore::PrimoPiano)
            continue;
        linee.push_back({ax, -ay, cx, -cy,
                         p.colore == Colore::Rosso ? Inchiostro::Rosso : Inchiostro::RossoScuro});
    }
    return linee;
}

void sezioneDiagrammi(Impaginatore& p, const Modulo1& m, int n, const AnalisiSpinta& a,
                      Numeri& numeri, DocumentoRelazione& doc) {
    const std::string titolo = p.numerazione().capitolo(Capitolo::Diagrammi, "Diagrammi");
    if (n == 0) {
        p.intestazione(titolo, altezzaRiga(Carattere::Corpo));
        p.paragrafo("Nessuno strato: nessun diagramma.", Carattere::Corpo);
        return;
    }
    // The report reads the layers 1..n; the screen's drawing functions read NumStrati.
    Modulo1 copia = m;
    copia.NumStrati = static_cast<Intero16>(n);

    Diagramma sv;
    sv.grandezza = "\xCF\x83v";
    sv.decimale = numeri.decimale();
    sv.linee = lineeColorate(DisegnoSv(copia, MisuraX{}));
    Diagramma sa;
    sa.grandezza = "\xCF\x83"
                   "a";
    sa.decimale = numeri.decimale();
    sa.linee = lineeColorate(DisegnoSa(copia, MisuraX{}));
    double z = 0;
    sv.confini.push_back({0, numeri.valore(m.Strati(0).Sv)});
    sa.confini.push_back({0, numeri.valore(m.Strati(1).Sa1)});
    for (int i = 1; i <= n; ++i) {
        z = z + m.Strati(i).Potenza;
        sv.confini.push_back({z, numeri.valore(m.Strati(i).Sv)});
        std::string valori = numeri.valore(m.Strati(i).Sa2);
        if (i < n) {
            const std::string sotto = numeri.valore(m.Strati(i + 1).Sa1);
            if (sotto != valori)
                valori += " / " + sotto;
        }
        sa.confini.push_back({z, valori});
    }
    if (a.braccio && std::isfinite(z - *a.braccio))
        sa.spinta =
            PuntoApplicazione{z - *a.braccio, "S = " + numeri.valore(a.spinta) + " kN/m a " +
                                                  numeri.valore(*a.braccio) + " m dalla base"};
    sv.didascalia = p.numerazione().figura(
        "Tensione verticale totale \xCF\x83v lungo la profondit\xC3\xA0 z dal piano campagna; "
        "in rosso la tensione di ogni strato. A destra, per ogni confine tra gli strati, la "
        "profondit\xC3\xA0 e il valore di \xCF\x83v.");
    sa.didascalia = p.numerazione().figura(
        "Pressione attiva \xCF\x83"
        "a sul muro lungo la profondit\xC3\xA0 z; in rosso la pressione di ogni strato, in "
        "rosso scuro i salti ai confini; la freccia indica il punto di applicazione della spinta "
        "totale. A destra, per ogni confine, i valori sopra / sotto il confine.");
    sv.sezione = titolo;
    if (auto r = disegnaDiagramma(p, sv))
        doc.diagrammaSv = *r;
    p.avanza(10);
    if (auto r = disegnaDiagramma(p, sa))
        doc.diagrammaSa = *r;
}

} // namespace

std::string NomeProgettoRelazione(std::string_view percorso) {
    if (const auto barra = percorso.find_last_of('/'); barra != std::string_view::npos)
        percorso.remove_prefix(barra + 1);
    return citaTesto(percorso, LunghezzaNome);
}

DocumentoRelazione ComponiRelazione(const Modulo1& m, const DatiRelazione& dati) {
    const int n = strati(m);
    Modulo1 letto = m;
    letto.NumStrati = static_cast<Intero16>(n);
    const AnalisiSpinta a = AnalizzaSpinta(letto);

    const std::string progetto =
        dati.progetto.empty() ? "progetto non salvato" : NomeProgettoRelazione(dati.progetto);
    Impaginatore p(std::string(Titolo) + " \xE2\x80\x93 " + progetto);
    Numeri numeri(dati.decimale);
    DocumentoRelazione& doc = p.documento();
    doc.titolo = std::string(Titolo) + " \xE2\x80\x93 " + progetto;
    doc.diagrammaSv.pagina = -1;
    doc.diagrammaSa.pagina = -1;

    const bool capitoloProgetto = dati.risultati != nullptr && dati.parametri != nullptr &&
                                  dati.risultati->ok && !dati.risultati->righe.empty();
    std::vector<Capitolo> capitoli = {Capitolo::Dati, Capitolo::Modello, Capitolo::Risultati,
                                      Capitolo::Diagrammi};
    if (capitoloProgetto)
        capitoli.push_back(Capitolo::Progetto);
    capitoli.push_back(Capitolo::Giudizio);
    p.numerazione().prevedi(std::move(capitoli));

    intestazioneDocumento(p, dati, progetto);
    SezioniAnalisiECodice(p, dati);
    sezioneDati(p, m, n, numeri);
    sezioneModello(p, numeri);
    sezioneRisultati(p, m, n, a, numeri);
    sezioneDiagrammi(p, m, n, a, numeri, doc);
    if (capitoloProgetto)
        CapitoloProgetto(p, letto, *dati.parametri, *dati.risultati, dati.decimale);
    CapitoloGiudizio(p, letto, n, a.spinta, dati.decimale,
                     capitoloProgetto ? dati.parametri : nullptr,
                     capitoloProgetto ? dati.risultati : nullptr);
    return p.chiudi();
}

} // namespace spintaro
