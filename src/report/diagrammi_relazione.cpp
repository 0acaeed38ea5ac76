// SPDX-License-Identifier: GPL-3.0-or-later
// The diagrams of the report: a plot with numbered axes, the layer boundaries, and beside it a
// column with the depth and the value at every boundary, joined to its line by a thin leader.

#include "report/impaginatore.h"
#include "report/misure_testo.h"
#include "report/relazione.h"
#include "report/scala_assi.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace spintaro {

namespace {

constexpr Carattere Etichette = Carattere::Piccolo;
constexpr double AltezzaMinima = 200;  // of the plot, points
constexpr double LarghezzaMinima = 80; // below this the plot is not drawn
constexpr double Tacca = 3;            // length of a tick mark
constexpr double SopraPiano = 26;      // two rows above the plot: axis titles, tick numbers
constexpr double RigaTitoli = 17;      // their baselines above the plot
constexpr double RigaNumeri = 7;
constexpr double Spazio = 6; // between the depth and the value of a boundary's label

double larghezzaMassima(const std::vector<std::string>& testi, double minimo = 0) {
    double w = minimo;
    for (const std::string& t : testi)
        w = std::max(w, larghezzaTesto(t, Etichette));
    return w;
}

std::vector<std::string> numeriTacche(const ScalaAsse& s, std::string_view decimale) {
    std::vector<std::string> testi;
    const int decimali = decimaliPasso(s.passo);
    for (double v : s.tacche)
        testi.push_back(TestoValore(v, std::min(decimali, 6), decimale));
    return testi;
}

// What the plot must show: every line, every boundary and the wall at x = 0. False when a value
// is not finite.
struct Estremi {
    double xmin = 0, xmax = 0, zmin = 0, zmax = 0;
    bool finiti = true;

    void comprendi(double x, double z) {
        finiti = finiti && std::isfinite(x) && std::isfinite(z);
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        zmin = std::min(zmin, z);
        zmax = std::max(zmax, z);
    }
};

Estremi estremi(const Diagramma& d) {
    Estremi e;
    for (const SegmentoDiagramma& s : d.linee) {
        e.comprendi(s.x1, s.z1);
        e.comprendi(s.x2, s.z2);
    }
    for (const ConfineDiagramma& c : d.confini)
        e.comprendi(0, c.z);
    if (d.spinta)
        e.comprendi(0, d.spinta->z);
    return e;
}

// The plot as laid out: the frame on the page, the two scales with their numbers, and the column
// of the boundaries' labels to its right.
struct Piano {
    Piano(const Diagramma& diagramma, const ScalaAsse& z) : d(diagramma), scalaZ(z) {}

    const Diagramma& d;
    ScalaAsse scalaZ;
    ScalaAsse scalaX;
    std::vector<std::string> numeriZ, numeriX, profondita, valori;
    std::string titoloZ = "z (m)";
    std::string titoloValori;
    double larghezzaZ = 0;
    double sinistra = 0, destra = 0, alto = 0, altezza = 0, xColonna = 0;
    double asc = ascendente(Etichette);
    double desc = discendente(Etichette);
    double centro = (asc - desc) / 2; // from a line to the baseline of a text centred on it
    double passoEtichette = asc + desc + 0.6;

    [[nodiscard]] double basso() const { return alto + altezza; }
    [[nodiscard]] double larghezza() const { return destra - sinistra; }
    [[nodiscard]] double X(double x) const {
        return sinistra + (x - scalaX.inizio) / (scalaX.fine - scalaX.inizio) * larghezza();
    }
    [[nodiscard]] double Z(double z) const {
        return alto + (z - scalaZ.inizio) / (scalaZ.fine - scalaZ.inizio) * altezza;
    }
};

// The scales, the column and the plot's width; false when the numbers leave the plot too narrow.
bool disponi(Piano& g, const Estremi& e) {
    const Diagramma& d = g.d;
    g.titoloValori = d.grandezza + " (kPa)";
    for (const ConfineDiagramma& c : d.confini) {
        g.profondita.push_back(TestoValore(c.z, 3, d.decimale));
        g.valori.push_back(c.valori);
    }
    g.larghezzaZ = larghezzaMassima(g.profondita, larghezzaTesto(g.titoloZ, Etichette));
    const double colonna = g.larghezzaZ + Spazio +
                           larghezzaMassima(g.valori, larghezzaTesto(g.titoloValori, Etichette));

    // Tall enough for one label per boundary, as wide as the column leaves.
    g.altezza = std::max(AltezzaMinima,
                         static_cast<double>(std::max<std::size_t>(d.confini.size(), 1) - 1) *
                                 g.passoEtichette +
                             10);
    g.numeriZ = numeriTacche(g.scalaZ, d.decimale);
    g.sinistra = Impaginatore::Sinistra +
                 larghezzaMassima(g.numeriZ, larghezzaTesto(g.titoloZ, Etichette)) + Tacca + 3;
    double distacco = 0;
    // Fewer ticks until their numbers stand apart.
    std::optional<ScalaAsse> scalaX;
    for (int intervalli = 8; intervalli >= 1; --intervalli) {
        scalaX = scalaAsse(e.xmin, e.xmax, intervalli);
        if (!scalaX)
            break;
        g.numeriX = numeriTacche(*scalaX, d.decimale);
        const double larghezzaNumeri = larghezzaMassima(g.numeriX);
        distacco = std::max(18.0, larghezzaNumeri / 2 + 10);
        g.destra = Impaginatore::Destra - colonna - distacco;
        const double passo =
            (g.destra - g.sinistra) /
            static_cast<double>(std::max<std::size_t>(scalaX->tacche.size(), 2) - 1);
        if (passo >= larghezzaNumeri + 4)
            break;
    }
    if (!scalaX || g.destra - g.sinistra < LarghezzaMinima)
        return false;
    g.scalaX = *scalaX;
    g.xColonna = g.destra + distacco;
    return true;
}

// Frame, grid, ticks and their numbers, the titles of the axes; the layer boundaries, the wall
// and the ground line, then the diagram itself.
void disegnaPiano(Impaginatore& p, const Piano& g) {
    const double alto = g.alto;
    const double basso = g.basso();
    p.rettangolo(g.sinistra, alto, g.larghezza(), g.altezza, Inchiostro::GrigioChiaro, 0.4, false);
    for (std::size_t k = 0; k < g.scalaX.tacche.size(); ++k) {
        const double x = g.X(g.scalaX.tacche[k]);
        p.linea(x, alto, x, basso, Inchiostro::GrigioChiaro, 0.25);
        p.linea(x, alto - Tacca, x, alto, Inchiostro::Nero, 0.5);
        p.testo(x, alto - RigaNumeri, g.numeriX[k], Etichette, Allineamento::Centro);
    }
    for (std::size_t k = 0; k < g.scalaZ.tacche.size(); ++k) {
        const double y = g.Z(g.scalaZ.tacche[k]);
        p.linea(g.sinistra - Tacca, y, g.sinistra, y, Inchiostro::Nero, 0.5);
        p.testo(g.sinistra - Tacca - 2, y + g.centro, g.numeriZ[k], Etichette,
                Allineamento::Destra);
    }
    p.testo(g.destra, alto - RigaTitoli, g.titoloValori, Etichette, Allineamento::Destra);
    p.testo(g.sinistra - Tacca - 2, alto - RigaTitoli, g.titoloZ, Etichette, Allineamento::Destra);

    for (const ConfineDiagramma& c : g.d.confini)
        p.linea(g.sinistra, g.Z(c.z), g.destra, g.Z(c.z), Inchiostro::Grigio, 0.3);
    p.linea(g.X(0), alto, g.X(0), basso, Inchiostro::Nero, 0.8);
    p.linea(g.sinistra, g.Z(0), g.destra, g.Z(0), Inchiostro::Nero, 0.8);
    for (const SegmentoDiagramma& s : g.d.linee)
        if (s.x1 != s.x2 || s.z1 != s.z2)
            p.linea(g.X(s.x1), g.Z(s.z1), g.X(s.x2), g.Z(s.z2), s.inchiostro, 1.0);
}

// The point of application: an arrow onto the wall at its depth, its value above the shaft
// (below it when the arrow lies at the top of the plot).
void disegnaSpinta(Impaginatore& p, const Piano& g, const PuntoApplicazione& s) {
    const double y = g.Z(s.z);
    const double x0 = g.X(0);
    const std::string etichetta = accorcia(s.etichetta, g.larghezza() - 4, Etichette);
    const double w = larghezzaTesto(etichetta, Etichette);
    double coda = std::min(g.destra - 2, std::max(x0 + w + 12, x0 + 0.45 * (g.destra - x0)));
    p.linea(coda, y, x0, y, Inchiostro::Nero, 1.2);
    p.linea(x0, y, x0 + 5, y - 2.5, Inchiostro::Nero, 1.2);
    p.linea(x0, y, x0 + 5, y + 2.5, Inchiostro::Nero, 1.2);
    double base = y - 3 - g.desc;
    if (base - g.asc < g.alto + 1)
        base = y + 3 + g.asc;
    coda = std::clamp(coda, g.sinistra + 2 + w, g.destra - 2);
    p.testo(coda, base, etichetta, Etichette, Allineamento::Destra);
}

// The column: its titles level with the tick numbers, then one label per boundary, as near its
// line as the labels above and below allow.
void disegnaColonna(Impaginatore& p, const Piano& g) {
    const auto& confini = g.d.confini;
    const double xz = g.xColonna + g.larghezzaZ;
    p.testo(xz, g.alto - RigaNumeri, g.titoloZ, Etichette, Allineamento::Destra);
    p.testo(xz + Spazio, g.alto - RigaNumeri, g.titoloValori, Etichette);
    const std::size_t n = confini.size();
    std::vector<std::size_t> ordine(n);
    std::iota(ordine.begin(), ordine.end(), std::size_t{0});
    std::stable_sort(ordine.begin(), ordine.end(),
                     [&](std::size_t a, std::size_t b) { return confini[a].z < confini[b].z; });
    const double primo = g.alto - RigaNumeri + g.desc + 0.5 + g.asc;
    const double ultimo = g.basso() + 4;
    std::vector<double> basi(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double voluta = g.Z(confini[ordine[k]].z) + g.centro;
        basi[k] = std::max(voluta, k == 0 ? primo : basi[k - 1] + g.passoEtichette);
    }
    for (std::size_t k = n; k-- > 0;)
        basi[k] = std::min(basi[k], k + 1 == n ? ultimo : basi[k + 1] - g.passoEtichette);
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = ordine[k];
        p.linea(g.destra, g.Z(confini[i].z), g.xColonna - 2, basi[k] - g.centro, Inchiostro::Grigio,
                0.3);
        p.testo(xz, basi[k], g.profondita[i], Etichette, Allineamento::Destra);
        p.testo(xz + Spazio, basi[k], g.valori[i], Etichette);
    }
}

} // namespace

std::optional<RiquadroDiagramma> disegnaDiagramma(Impaginatore& p, const Diagramma& d) {
    const std::string nonDisegnato = "Diagramma di " + d.grandezza + " non disegnato: ";
    auto sezione = [&](double altezzaSeguito) {
        if (!d.sezione.empty())
            p.intestazione(d.sezione, altezzaSeguito);
        // The block starts here; below a heading it fits, the heading having asked for its room.
        p.assicura(altezzaSeguito);
    };
    auto rifiuta = [&](std::string_view perche) -> std::optional<RiquadroDiagramma> {
        sezione(2 * altezzaRiga(Carattere::Corpo));
        p.paragrafo(nonDisegnato + std::string(perche), Carattere::Corpo);
        return std::nullopt;
    };

    const Estremi e = estremi(d);
    const auto scalaZ = e.finiti ? scalaAsse(e.zmin, e.zmax) : std::nullopt;
    if (!scalaZ)
        return rifiuta("valori fuori dall'intervallo dei numeri rappresentabili.");
    Piano g(d, *scalaZ);
    if (!disponi(g, e))
        return rifiuta("valori troppo lunghi da scrivere accanto al diagramma.");

    const std::vector<std::string> didascalia =
        avvolgi(d.didascalia, Impaginatore::Larghezza, Carattere::Tabella);
    const double sotto =
        12 + static_cast<double>(didascalia.size()) * altezzaRiga(Carattere::Tabella);
    sezione(SopraPiano + g.altezza + sotto);
    g.alto = p.y() + SopraPiano;
    disegnaPiano(p, g);
    if (d.spinta)
        disegnaSpinta(p, g, *d.spinta);
    disegnaColonna(p, g);
    for (std::size_t r = 0; r < didascalia.size(); ++r)
        p.testo(Impaginatore::Sinistra,
                g.basso() + 12 + static_cast<double>(r) * altezzaRiga(Carattere::Tabella) +
                    lineaDiBase(Carattere::Tabella),
                didascalia[r], Carattere::Tabella);
    p.avanza(SopraPiano + g.altezza + sotto);

    RiquadroDiagramma r;
    r.pagina = p.pagina();
    r.sinistra = g.sinistra;
    r.alto = g.alto;
    r.destra = g.destra;
    r.basso = g.basso();
    r.x1 = g.scalaX.inizio;
    r.x2 = g.scalaX.fine;
    r.z1 = g.scalaZ.inizio;
    r.z2 = g.scalaZ.fine;
    return r;
}

} // namespace spintaro
