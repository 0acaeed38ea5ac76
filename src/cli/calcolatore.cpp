// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calcolatore.h"

#include "analisi/spinte_progetto.h"
#include "cli/opzioni.h"
#include "cli/scrittori.h"
#include "files/esportazione.h"
#include "files/parametri_lavoro.h"
#include "files/progetto.h"
#include "model/calcolo.h"
#include "model/errore.h"
#include "platform/file_system.h"
#include "platform/intestazione_relazione.h"
#include "report/relazione.h"
#include "text/citazioni.h"

#include <algorithm>
#include <optional>

namespace spintaro {

using namespace calcola;

namespace {

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
    // The loads of the options take the place of the project's, as any option does.
    for (const auto& [voce, valore] : o.parametri)
        if (voce->ripetuto)
            dati.parametri.carichi.clear();
    for (const auto& [voce, valore] : o.parametri)
        static_cast<void>(voce->imposta(dati, valore)); // checked when the options were read
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

// A project read and computed, with its design results when asked for.
struct Caricato {
    std::string file, nome;
    Modulo1 m;
    AnalisiSpinta analisi;
    DatiLavoro dati;
    std::optional<RisultatoProgetto> progetto;
};

// The export table and the report of a project, when asked for: the exit code.
int scriviFile(Caricato& c, const Opzioni& o, const Separatori& sep,
               ScrittoreRelazione scriviRelazione, std::ostream& err) {
    Modulo1& m = c.m; // the export walks the table with its cursor
    const RisultatoProgetto* progetto = c.progetto ? &*c.progetto : nullptr;
    int esito = UscitaOk;
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
        const DatiRelazione dati{
            c.file,   dataOraRelazione(),   programmaRelazione(), sep.decimale, &c.dati.parametri,
            progetto, &c.dati.intestazione, codiceRelazione()};
        const auto scritto = scriviRelazione(PercorsoFile{*o.relazione}, ComponiRelazione(m, dati));
        if (!scritto.ok) {
            err << Programma << ": " << citaPercorso(*o.relazione)
                << ": relazione non scritta: " << scritto.messaggio.toStdString() << "\n";
            esito = UscitaFile;
        }
    }
    return esito;
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
    ColonneCsv gruppi;
    for (const Caricato& c : caricati) {
        if (!c.progetto)
            continue;
        gruppi.progetto = true;
        gruppi.carichi = gruppi.carichi || !c.progetto->carichi.empty();
        for (const RigaProgetto& r : c.progetto->righe)
            gruppi.sisma = gruppi.sisma || r.sisma.has_value();
    }
    if (o.formato == Formato::Csv)
        scriviIntestazioneCsv(out, csv, gruppi);
    bool primo = true;
    for (Caricato& c : caricati) {
        Modulo1& m = c.m;
        const RisultatoProgetto* progetto = c.progetto ? &*c.progetto : nullptr;
        switch (o.formato) {
        case Formato::Json:
            scriviJson(out, c.file, m, c.analisi, progetto);
            break;
        case Formato::Csv:
            scriviCsv(out, c.file, m, c.analisi, csv, progetto, gruppi);
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
        esito = std::max(esito, scriviFile(c, o, sep, scriviRelazione, err));
    }
    out.flush();
    if (!out) {
        err << Programma << ": errore di scrittura dei risultati\n";
        return UscitaFile;
    }
    return esito;
}

} // namespace spintaro
