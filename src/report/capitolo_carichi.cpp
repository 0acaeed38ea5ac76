// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/capitolo_carichi.h"

#include "analisi/carichi_righe.h"
#include "report/misure_testo.h"
#include "text/testi_numerici.h"

namespace spintaro {

namespace {

// Pieces of the curve of the loads' pressure over the wall's height: the pressure is not linear.
constexpr int PezziCurva = 40;

// The characteristic pressure of all the loads (factor 1 each) over the height, with its values at
// the top, at every layer boundary and at the base, and the point of application of their thrust.
Diagramma diagrammaCarichi(const Modulo1& m, const ParametriCalcolo& parametri,
                           const RisultatoProgetto& r, std::size_t strati, const std::string& d) {
    const double h = AltezzaProfilo(m, strati);
    const auto pressione = [&](double z) {
        double s = 0;
        for (const Carico& c : parametri.carichi)
            s += PressioneCarico(c, z, h, parametri.fattoreCarichi);
        return s;
    };
    Diagramma g;
    g.grandezza = "σh";
    g.decimale = d;
    for (int k = 0; k < PezziCurva; ++k) {
        const double z1 = h * k / PezziCurva, z2 = h * (k + 1) / PezziCurva;
        g.linee.push_back({pressione(z1), z1, pressione(z2), z2, Inchiostro::Rosso});
    }
    double z = 0;
    g.confini.push_back({0, TestoValore(pressione(0), 3, d)});
    for (std::size_t i = 1; i <= strati; ++i) {
        z += m.Strati(static_cast<long long>(i)).Potenza;
        g.confini.push_back({z, TestoValore(pressione(z), 3, d)});
    }
    double spinta = 0, momento = 0;
    for (const EsitoCarico& e : r.carichi) {
        spinta += e.caratteristica.spinta;
        momento += e.caratteristica.momento;
    }
    if (spinta > 0)
        g.spinta = PuntoApplicazione{h - momento / spinta,
                                     "S = " + TestoValore(spinta, 3, d) + " kN/m a " +
                                         TestoValore(momento / spinta, 3, d) + " m dalla base"};
    return g;
}

} // namespace

void SezioneCarichi(Impaginatore& p, const Modulo1& m, const ParametriCalcolo& parametri,
                    const RisultatoProgetto& r, const std::string& decimale) {
    if (r.carichi.empty())
        return;
    const auto v = [&decimale](double x, int cifre = 3) {
        return TestoValore(x, cifre, decimale);
    };
    p.avanza(8);
    p.intestazione(p.numerazione().sezione("Carichi sul terrapieno"),
                   4 * altezzaRiga(Carattere::Tabella));
    for (const std::string& f :
         {"Pressione orizzontale dei carichi per la teoria dell'elasticità (Boussinesq) in un "
          "terreno omogeneo, indipendente dagli strati, moltiplicata per f = " +
              TestoParametro(parametri.fattoreCarichi, decimale) +
              (parametri.fattoreCarichi == FattoreMuroRigido
                   ? " (muro rigido che non si sposta: Terzaghi 1954; NAVFAC DM-7.2)."
                   : " (muro che cede: semispazio elastico)."),
          std::string("Striscia: σh = f·(q/π)·(β − sin β·cos 2α); trapezio: integrale sulla "
                      "larghezza del carico lineare con l'intensità lineare q(x); carico lineare: "
                      "σh = f·(2Q/π)·x²z/(x² + z²)² con x = max(a, 0,4·H); carico concentrato "
                      "(NAVFAC DM-7.2, m = a/H, n = z/H): σh = 0,28·(P/H²)·n²/(0,16 + n²)³ per "
                      "m ≤ 0,4, 1,77·(P/H²)·m²n²/(m² + n²)³ per m > 0,4, per f/2, nella sezione "
                      "del muro davanti al carico (la maggiore), per metro di muro. Spinta e "
                      "momento sono l'integrale esatto della pressione sull'altezza H del muro."),
          std::string("Nelle combinazioni: coefficiente 1 in SLE; γQ per un carico variabile e "
                      "γG2 (NTC 2018 Tab. 6.2.I) per uno permanente in A1+M1 e A2+M2; ψ2 per un "
                      "carico variabile e 1 per uno permanente nelle righe sismiche, senza "
                      "l'inerzia sismica dei carichi. Le pressioni σh degli strati non li "
                      "comprendono: le colonne dei carichi stanno accanto.")}) {
        p.paragrafo(f, Carattere::Corpo);
        p.avanza(1.5);
    }
    std::vector<std::vector<std::string>> righe;
    for (std::size_t k = 0; k < r.carichi.size(); ++k)
        righe.push_back(CelleCarico(r.carichi[k], k + 1, decimale, "–"));
    tabella(p,
            {{"N", "", Allineamento::Centro},
             {"Carico", "", Allineamento::Sinistra},
             {"Azione", "", Allineamento::Sinistra},
             {"ψ2", ""},
             {"S", "kN/m"},
             {"M", "kN·m/m"},
             {"quota", "m"}},
            righe);
    p.avanza(4);
    righe.clear();
    for (const RigaProgetto& x : r.righe)
        righe.push_back({x.nome + (x.sisma ? " " + std::string(VersoKv(x.sisma->kvSegno)) : ""),
                         v(x.spintaCarichi.value_or(0)), v(x.momentoCarichi.value_or(0)),
                         v(x.spinta)});
    tabella(p,
            {{"Riga", "", Allineamento::Sinistra},
             {"S carichi", "kN/m"},
             {"M carichi", "kN·m/m"},
             {"S orizz. totale", "kN/m"}},
            righe);
    p.avanza(10);
    Diagramma g = diagrammaCarichi(m, parametri, r, r.righe.front().strati.size(), decimale);
    g.didascalia = p.numerazione().figura(
        "Pressione orizzontale caratteristica dei carichi sul terrapieno sul muro, lungo la "
        "profondità z; la freccia indica il punto di applicazione della loro spinta.");
    disegnaDiagramma(p, g);
}

} // namespace spintaro
