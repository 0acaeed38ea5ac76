// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/capitolo_progetto.h"

#include "analisi/carichi_righe.h"
#include "report/capitolo_carichi.h"
#include "report/misure_testo.h"
#include "text/testi_numerici.h"

#include <algorithm>

namespace spintaro {

namespace {

// The layers of a row in the columns of these keys, as the one table of the outputs names them.
void tabellaStrati(Impaginatore& p, const RigaProgetto& r, StatoTerreno stato,
                   std::initializer_list<std::string_view> chiavi, const std::string& d) {
    std::vector<Colonna> colonne{{"Strato", "", Allineamento::Centro}};
    for (const std::string_view chiave : chiavi) {
        const ColonnaStrato& c = ColonnaStratoDi(chiave);
        colonne.push_back({EtichettaColonna(c, stato, r.sisma.has_value()), std::string(c.unita)});
    }
    std::vector<std::vector<std::string>> righe;
    for (std::size_t i = 0; i < r.strati.size(); ++i) {
        std::vector<std::string> riga{std::to_string(i + 1)};
        for (const std::string_view chiave : chiavi) {
            const ColonnaStrato& c = ColonnaStratoDi(chiave);
            riga.push_back(TestoValore(c.valore(r.strati[i]).value_or(0.0), c.decimali, d));
        }
        righe.push_back(std::move(riga));
    }
    tabella(p, colonne, righe);
}

// The row columns of the two tables of thrusts, static and seismic, from the one table of the
// outputs; the seismic one names the thrust with the earthquake.
constexpr std::string_view ChiaviRighe[] = {"spinta", "spinta_verticale", "spinta_acqua", "momento",
                                            "braccio"};
constexpr std::string_view ChiaviSismiche[] = {"spinta", "spinta_statica", "incremento",
                                               "braccio_incremento", "momento"};

std::string cella(const RigaProgetto& r, std::string_view chiave, std::string_view senza,
                  const std::string& d) {
    const ColonnaRiga& c = ColonnaRigaDi(chiave);
    const auto v = c.valore(r);
    return v ? TestoValore(*v, c.decimali, d) : std::string(senza);
}

std::vector<Colonna> colonneRighe(std::string primo, std::span<const std::string_view> chiavi,
                                  std::optional<Colonna> secondo, bool sismica) {
    std::vector<Colonna> colonne{{std::move(primo), "", Allineamento::Sinistra}};
    if (secondo)
        colonne.push_back(*secondo);
    for (const std::string_view chiave : chiavi) {
        const ColonnaRiga& c = ColonnaRigaDi(chiave);
        colonne.push_back({sismica && chiave == "spinta" ? "S con sisma" : std::string(c.etichetta),
                           std::string(c.unita)});
    }
    colonne.push_back({"", "", Allineamento::Sinistra});
    return colonne;
}

void paragrafi(Impaginatore& p, std::initializer_list<std::string> frasi) {
    for (const std::string& f : frasi) {
        p.paragrafo(f, Carattere::Corpo);
        p.avanza(1.5);
    }
}

// The pressure diagram of one combination: each layer's line from its top to its base, the jumps
// between layers, the values at every boundary and the point of application of the thrust. With
// loads on the backfill their pressure, weighted as in the row, is added: not linear, each layer
// is drawn in pieces. The caller writes the caption, with the figure's number.
Diagramma diagrammaDi(const Modulo1& m, const ParametriCalcolo& par, const RigaProgetto& r,
                      const std::string& d) {
    const double h = AltezzaProfilo(m, r.strati.size());
    const bool carichi = r.spintaCarichi.has_value();
    const auto deiCarichi = [&](double z) {
        double s = 0;
        for (const Carico& c : par.carichi)
            s += FattoreCarico(r, c, par) * PressioneCarico(c, z, h, par.fattoreCarichi);
        return s;
    };
    const int pezzi = carichi ? 12 : 1;
    Diagramma g;
    g.grandezza = "σh";
    g.decimale = d;
    double z = 0;
    const auto alto = [&](std::size_t i) {
        return r.strati[i].sa1 + r.strati[i].pc1.value_or(0);
    };
    g.confini.push_back({0, TestoValore(alto(0), 3, d)});
    for (std::size_t i = 0; i < r.strati.size(); ++i) {
        const StratoProgetto& s = r.strati[i];
        const double sopra = z;
        z = z + m.Strati(static_cast<long long>(i) + 1).Potenza;
        // A layer in tension at its top starts where the diagram with the surcharge crosses zero.
        const double z1 = s.inizioTrazione.value_or(sopra), x1 = s.inizioTrazione ? 0 : s.sa1;
        for (int k = 0; k < pezzi; ++k) {
            // The ends exactly at the layer's own values, the pieces between on its line.
            const double za = k == 0 ? z1 : z1 + (z - z1) * k / pezzi;
            const double zb = k + 1 == pezzi ? z : z1 + (z - z1) * (k + 1) / pezzi;
            const auto terra = [&](double zz) {
                return zz == z ? s.sa2 : zz == z1 ? x1 : x1 + (s.sa2 - x1) * (zz - z1) / (z - z1);
            };
            g.linee.push_back({terra(za) + (carichi ? deiCarichi(za) : 0), za,
                               terra(zb) + (carichi ? deiCarichi(zb) : 0), zb, Inchiostro::Rosso});
        }
        const double base = s.sa2 + s.pc2.value_or(0);
        std::string valori = TestoValore(base, 3, d);
        if (i + 1 < r.strati.size()) {
            const double sotto = alto(i + 1);
            g.linee.push_back({base, z, sotto, z, Inchiostro::RossoScuro});
            if (const std::string t = TestoValore(sotto, 3, d); t != valori)
                valori += " / " + t;
        }
        g.confini.push_back({z, valori});
    }
    if (r.braccio)
        g.spinta =
            PuntoApplicazione{z - *r.braccio, "S = " + TestoValore(r.spinta, 3, d) + " kN/m a " +
                                                  TestoValore(*r.braccio, 3, d) + " m dalla base"};
    return g;
}

// The layers and the pressure diagram of the row that governs a seismic limit state.
void stratiRigaSismica(Impaginatore& p, const Modulo1& m, const RigaProgetto& governa,
                       const ParametriCalcolo& par, const std::string& d) {
    const StatoTerreno stato = par.stato;
    const auto v = [&d](double x, int cifre = 3) {
        return TestoValore(x, cifre, d);
    };
    const std::string kv(VersoKv(governa.sisma->kvSegno));
    p.avanza(6);
    const Impaginatore::Segno didascalia = p.segno();
    p.paragrafo("Strati nella riga " + governa.nome + ", " + kv + ":", Carattere::Corpo);
    p.legaAlSeguito(didascalia);
    tabellaStrati(p, governa, stato, {"phi_d", "theta", "k", "k_h", "delta", "sa1", "sa2"}, d);
    p.avanza(10);
    Diagramma g = diagrammaDi(m, par, governa, d);
    g.didascalia = p.numerazione().figura(
        "Pressione orizzontale σh con l'azione sismica " + governa.nome + " (" + kv +
        "), lungo la profondità z; la freccia indica il punto di applicazione della spinta "
        "totale" +
        (governa.sisma->braccioIncremento
             ? ", l'incremento ΔS agisce a " + v(*governa.sisma->braccioIncremento) +
                   " m dalla base."
             : "."));
    disegnaDiagramma(p, g);
}

// The seismic section: the action of each limit state with its clauses, the formulas, the rows,
// the layers and the pressure diagram of the governing seismic row.
void sezioneSismica(Impaginatore& p, const Modulo1& m, const ParametriCalcolo& parametri,
                    const RisultatoProgetto& r, const std::string& d) {
    const auto v = [&d](double x, int cifre = 3) {
        return TestoValore(x, cifre, d);
    };
    const auto opzionale = [&v](std::optional<double> x, int cifre) {
        return x ? v(*x, cifre) : std::string("–");
    };
    p.avanza(8);
    p.intestazione(p.numerazione().sezione("Azione sismica (NTC 2018 §7.11.6)"),
                   4 * altezzaRiga(Carattere::Tabella));
    paragrafi(
        p,
        {"Metodo pseudostatico (NTC 2018 §7.11.6.2.1): coefficienti sismici kh e kv, spinta "
         "di Mononobe-Okabe (EN 1998-5 Annesso E) per muro verticale, uno strato alla volta "
         "sulla tensione verticale efficace progressiva come nel calcolo statico. Azioni con "
         "coefficiente 1 e parametri M1 (§7.11.6.2.2); la coesione c′ non è usata." +
         std::string(r.carichi.empty() ? ""
                                       : " I carichi sul terrapieno contano con ψ2 se variabili e "
                                         "con 1 se permanenti, senza la loro inerzia sismica.")});
    std::vector<std::vector<std::string>> righe;
    for (const RigaProgetto& x : r.righe) {
        if (!x.sisma || x.sisma->kvSegno < 0)
            continue;
        const auto k = static_cast<std::size_t>(x.sisma->stato);
        righe.push_back({x.nome, opzionale(parametri.sisma.ag[k], 3),
                         opzionale(x.sisma->ss ? parametri.sisma.f0[k] : std::nullopt, 2),
                         opzionale(x.sisma->ss, 3), opzionale(x.sisma->st, 2),
                         opzionale(x.sisma->amax, 4), opzionale(x.sisma->betaM, 2),
                         v(x.sisma->kh, 4), v(x.sisma->kv, 4)});
    }
    tabella(p,
            {{"Stato limite", "", Allineamento::Sinistra},
             {"ag/g", "§3.2"},
             {"F0", "§3.2"},
             {"Ss", "Tab. 3.2.IV"},
             {"St", "Tab. 3.2.V"},
             {"amax/g", "Ss·St·ag/g"},
             {"βm", "Tab. 7.11.II"},
             {"kh", "βm·amax/g"},
             {"kv", "kv/kh·kh"}},
            righe);
    p.avanza(6);
    paragrafi(p,
              {"Con s = +1 (forza d'inerzia verticale verso il basso) o −1 (verso l'alto), il "
               "fattore (1 + s·kv) moltiplica il peso, il sovraccarico e il denominatore di "
               "tan θ = kh/(1 + s·kv) (Kramer 1996, §11.6). Sotto falda: terreno impermeabile "
               "tan θ = γ/(γ − γw)·kh/(1 + s·kv) (EN 1998-5 E.6); permeabile "
               "tan θ = γd/(γ − γw)·kh/(1 + s·kv) con la pressione idrodinamica "
               "7/12·kh·γw·H′² (E.7).",
               "K_AE = cos²(φ′d − θ)/(cos θ·cos(θ + δ)·[1 + √(sin(φ′d + δ)·sin(φ′d − β − θ)/"
               "(cos(θ + δ)·cos β))]²) per β ≤ φ′d − θ (E.2), senza la radice per β > φ′d − θ "
               "(E.3); passiva senza attrito terra-muro (E.4). σh = (1 + s·kv)·K_AE,h·σ′v + u.",
               parametri.sisma.vincolato
                   ? "Muro vincolato: l'incremento di spinta agisce a metà altezza del muro "
                     "(NTC 2018 §7.11.6.2.1)."
                   : "Muro libero di traslare o ruotare intorno al piede: l'incremento di spinta "
                     "agisce nel punto della spinta statica (NTC 2018 §7.11.6.2.1).",
               parametri.sisma.acquaPermeabile
                   ? "Terreno sotto falda permeabile (E.7), porosità n = " +
                         v(parametri.sisma.porosita, 2) + ", γd = γ − n·γw."
                   : "Terreno sotto falda impermeabile (E.6): l'acqua si muove con il terreno."});
    righe.clear();
    // The row that governs each limit state, as the calculation decided it.
    std::vector<const RigaProgetto*> governanti;
    for (const RigaProgetto& x : r.righe) {
        if (!x.sisma)
            continue;
        if (x.governa)
            governanti.push_back(&x);
        std::vector<std::string> riga{x.nome, std::string(VersoKv(x.sisma->kvSegno)).substr(3)};
        for (const std::string_view chiave : ChiaviSismiche)
            riga.push_back(cella(x, chiave, "–", d));
        riga.emplace_back(x.governa ? "governa" : "");
        righe.push_back(std::move(riga));
    }
    tabella(p,
            colonneRighe("Stato limite", ChiaviSismiche, Colonna{"kv", "", Allineamento::Sinistra},
                         true),
            righe);
    for (const RigaProgetto* governa : governanti)
        stratiRigaSismica(p, m, *governa, parametri, d);
}

// The chapter's two tables of inputs: the parameters of the calculation with their clauses, and
// the partial factors of each static row.
void tabelleParametri(Impaginatore& p, const ParametriCalcolo& parametri,
                      const RisultatoProgetto& r, const std::string& decimale) {
    const auto v = [&decimale](double x, int cifre = 3) {
        return TestoValore(x, cifre, decimale);
    };
    const DatiLavoro lavoro{parametri, {}};
    std::vector<std::vector<std::string>> righe;
    for (const VoceParametro& voce : VociParametri())
        if (voce.tipo != TipoParametro::PerInsieme && voce.parte.empty())
            righe.push_back(
                {std::string(voce.etichetta),
                 voce.testo(lavoro) + (voce.unita.empty() ? "" : " ") + std::string(voce.unita),
                 std::string(voce.clausola)});
    tabella(p,
            {{"Parametro", "", Allineamento::Sinistra},
             {"Valore", "", Allineamento::Sinistra},
             {"Riferimento", "", Allineamento::Sinistra}},
            righe);

    p.avanza(6);
    righe.clear();
    for (const RigaProgetto& x : r.righe)
        if (!x.sisma)
            righe.push_back({x.nome, v(x.gammaG1, 2), v(x.gammaQ, 2), v(x.gammaPhi, 2),
                             v(x.gammaC, 2), v(x.gammaGamma, 2),
                             x.gammaR ? v(*x.gammaR, 2) : std::string()});
    tabella(p,
            {{"Combinazione", "", Allineamento::Sinistra},
             {"γG1", "Tab. 6.2.I"},
             {"γQ", "Tab. 6.2.I"},
             {"γφ′", "Tab. 6.2.II"},
             {"γc′", "Tab. 6.2.II"},
             {"γγ", "Tab. 6.2.II"},
             {"γR", "Tab. 6.5.I"}},
            righe);
}

} // namespace

void CapitoloProgetto(Impaginatore& p, const Modulo1& m, const ParametriCalcolo& parametri,
                      const RisultatoProgetto& r, const std::string& decimale) {
    p.intestazione(p.numerazione().capitolo(Capitolo::Progetto, "Spinte di progetto (NTC 2018)"),
                   4 * altezzaRiga(Carattere::Tabella));
    paragrafi(p, {"Spinte di progetto secondo le NTC 2018 (D.M. 17/01/2018) e la Circolare "
                  "21/01/2019 n. 7, con i parametri del lavoro qui sotto. I valori caratteristici "
                  "(SLE) e le combinazioni A1+M1 e A2+M2 usano gli stessi strati, la stessa regola "
                  "dell'acqua e la stessa conversione degli angoli del calcolo dei capitoli "
                  "precedenti."});

    tabelleParametri(p, parametri, r, decimale);

    p.avanza(6);
    paragrafi(p,
              {"Parametri di progetto: φ′d = arctan(tan φ′/"
               "γφ′), c′d = c′/γ"
               "c′, γd = γ/γγ (NTC 2018 §6.2.4.1.2).",
               "Coefficienti: a riposo K0 = (1 − sin φ′)·√"
               "OCR·(1 + sin β) (EN 1997-1 §9.5.2), al più il passivo di Rankine Kp·cos β; "
               "Rankine tan²(45° ∓ φ′/2); Coulomb (Müller-Breslau) per muro verticale "
               "con attrito δ e pendio β, in resistenza passiva solo con δ ≤ φ′/3; EN 1997-1 "
               "Annesso C.2, superfici di rottura curve (per terrapieno orizzontale la forma "
               "chiusa di Lancellotta, Géotechnique 52(8), 2002). Pressione orizzontale σh = Kh·"
               "σ′v ∓ 2·c′d·√Kh + u "
               "(EN 1997-1 Annesso C, (C.1) e (C.2)); con l'Annesso C σh = Kγ·σ′v ∓ Kc·c′d + u, "
               "normale al muro. Sotto falda il terreno non trae il muro: la parte efficace è "
               "presa non minore di zero.",
               "Teoria usata: " + std::string(NomeTeoria(parametri.teoria)) + ".",
               "Azioni (NTC 2018 §2.5.3 e §6.2.4.1.1): terra e acqua permanenti "
               "G1, sovraccarico variabile, tutte sfavorevoli: S_d = γG1·S(q = 0) + "
               "γQ·[S(q) − S(q = 0)], ciascun S con i parametri di progetto; "
               "lo stesso per momento, acqua e pressioni. La resistenza passiva ha le azioni con "
               "coefficiente 1 e va divisa per γR nella verifica."});

    p.avanza(4);
    std::vector<std::vector<std::string>> righe;
    const RigaProgetto* governa = &r.righe.front();
    for (const RigaProgetto& x : r.righe) {
        if (x.sisma)
            continue;
        if (x.governa)
            governa = &x;
        std::vector<std::string> riga{x.nome};
        for (const std::string_view chiave : ChiaviRighe)
            riga.push_back(cella(x, chiave, "non definito", decimale));
        riga.emplace_back(x.governa ? "governa" : "");
        righe.push_back(std::move(riga));
    }
    tabella(p, colonneRighe("Combinazione", ChiaviRighe, {}, false), righe);
    p.avanza(3);
    for (const RigaProgetto& x : r.righe)
        if (x.combinazione != Combinazione::SLE && !x.sisma)
            p.paragrafo(x.nome + ": " + x.nota + ".", Carattere::Piccolo);
    for (const std::string& a : r.avvisi)
        p.paragrafo("Avviso: " + a, Carattere::Corpo);

    p.avanza(6);
    const Impaginatore::Segno didascalia = p.segno();
    p.paragrafo("Strati nella combinazione " + governa->nome + ":", Carattere::Corpo);
    p.legaAlSeguito(didascalia);
    tabellaStrati(p, *governa, parametri.stato,
                  {"phi_d", "c_d", "k", "k_h", "delta", "sa1", "sa2", "u1", "u2"}, decimale);
    p.avanza(10);
    Diagramma g = diagrammaDi(m, parametri, *governa, decimale);
    g.didascalia = p.numerazione().figura(
        "Pressione orizzontale di progetto σh sul muro nella combinazione " + governa->nome +
        (governa->spintaCarichi ? ", con i carichi sul terrapieno" : "") +
        ", lungo la profondità z; la freccia indica il punto di applicazione della spinta di "
        "progetto.");
    disegnaDiagramma(p, g);
    // The sections that follow, numbered in their order.
    SezioneCarichi(p, m, parametri, r, decimale);
    if (std::any_of(r.righe.begin(), r.righe.end(), [](const RigaProgetto& x) { return x.sisma; }))
        sezioneSismica(p, m, parametri, r, decimale);
}

} // namespace spintaro
