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

} // namespace

std::optional<RiquadroDiagramma> disegnaDiagramma(Impaginatore& p, const Diagramma& d) {
    const double asc = ascendente(Etichette);
    const double desc = discendente(Etichette);
    const double centro = (asc - desc) / 2; // from a line to the baseline of a text centred on it
    const std::string nonDisegnato = "Diagramma di " + d.grandezza + " non disegnato: ";

    // What the plot must show: every line, every boundary and the wall at x = 0.
    double xmin = 0, xmax = 0, zmin = 0, zmax = 0;
    bool finiti = true;
    auto comprendi = [&](double x, double z) {
        finiti = finiti && std::isfinite(x) && std::isfinite(z);
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        zmin = std::min(zmin, z);
        zmax = std::max(zmax, z);
    };
    for (const SegmentoDiagramma& s : d.linee) {
        comprendi(s.x1, s.z1);
        comprendi(s.x2, s.z2);
    }
    for (const ConfineDiagramma& c : d.confini)
        comprendi(0, c.z);
    if (d.spinta)
        comprendi(0, d.spinta->z);
    const auto scalaZ = finiti ? scalaAsse(zmin, zmax) : std::nullopt;
    auto sezione = [&](double altezzaSeguito) {
        if (!d.sezione.empty())
            p.intestazione(d.sezione, altezzaSeguito);
        // The block starts here; below a heading it fits, the heading having asked for its room.
        p.assicura(altezzaSeguito);
    };
    if (!finiti || !scalaZ) {
        sezione(2 * altezzaRiga(Carattere::Corpo));
        p.paragrafo(nonDisegnato + "valori fuori dall'intervallo dei numeri rappresentabili.",
                    Carattere::Corpo);
        return std::nullopt;
    }

    // The column of the boundaries' labels.
    const std::string titoloZ = "z (m)";
    const std::string titoloValori = d.grandezza + " (kPa)";
    std::vector<std::string> profondita, valori;
    for (const ConfineDiagramma& c : d.confini) {
        profondita.push_back(TestoValore(c.z, 3, d.decimale));
        valori.push_back(c.valori);
    }
    const double larghezzaZ = larghezzaMassima(profondita, larghezzaTesto(titoloZ, Etichette));
    const double larghezzaValori =
        larghezzaMassima(valori, larghezzaTesto(titoloValori, Etichette));
    const double colonna = larghezzaZ + Spazio + larghezzaValori;

    // The plot: tall enough for one label per boundary, as wide as the column leaves.
    const double passoEtichette = asc + desc + 0.6;
    const double altezza = std::max(
        AltezzaMinima,
        static_cast<double>(std::max<std::size_t>(d.confini.size(), 1) - 1) * passoEtichette + 10);
    const std::vector<std::string> numeriZ = numeriTacche(*scalaZ, d.decimale);
    const double sinistra = Impaginatore::Sinistra +
                            larghezzaMassima(numeriZ, larghezzaTesto(titoloZ, Etichette)) + Tacca +
                            3;
    std::optional<ScalaAsse> scalaX;
    std::vector<std::string> numeriX;
    double destra = 0, distacco = 0;
    // Fewer ticks until their numbers stand apart.
    for (int intervalli = 8; intervalli >= 1; --intervalli) {
        scalaX = scalaAsse(xmin, xmax, intervalli);
        if (!scalaX)
            break;
        numeriX = numeriTacche(*scalaX, d.decimale);
        const double larghezzaNumeri = larghezzaMassima(numeriX);
        distacco = std::max(18.0, larghezzaNumeri / 2 + 10);
        destra = Impaginatore::Destra - colonna - distacco;
        const double passo =
            (destra - sinistra) /
            static_cast<double>(std::max<std::size_t>(scalaX->tacche.size(), 2) - 1);
        if (passo >= larghezzaNumeri + 4)
            break;
    }
    if (!scalaX || destra - sinistra < LarghezzaMinima) {
        sezione(2 * altezzaRiga(Carattere::Corpo));
        p.paragrafo(nonDisegnato + "valori troppo lunghi da scrivere accanto al diagramma.",
                    Carattere::Corpo);
        return std::nullopt;
    }
    const double larghezza = destra - sinistra;
    const double xColonna = destra + distacco;

    const std::vector<std::string> didascalia =
        avvolgi(d.didascalia, Impaginatore::Larghezza, Carattere::Tabella);
    const double sotto =
        12 + static_cast<double>(didascalia.size()) * altezzaRiga(Carattere::Tabella);
    sezione(SopraPiano + altezza + sotto);
    const double alto = p.y() + SopraPiano;
    const double basso = alto + altezza;
    auto X = [&](double x) {
        return sinistra + (x - scalaX->inizio) / (scalaX->fine - scalaX->inizio) * larghezza;
    };
    auto Z = [&](double z) {
        return alto + (z - scalaZ->inizio) / (scalaZ->fine - scalaZ->inizio) * altezza;
    };

    // Frame, grid, ticks and their numbers, the titles of the axes.
    p.rettangolo(sinistra, alto, larghezza, altezza, Inchiostro::GrigioChiaro, 0.4, false);
    for (std::size_t k = 0; k < scalaX->tacche.size(); ++k) {
        const double x = X(scalaX->tacche[k]);
        p.linea(x, alto, x, basso, Inchiostro::GrigioChiaro, 0.25);
        p.linea(x, alto - Tacca, x, alto, Inchiostro::Nero, 0.5);
        p.testo(x, alto - RigaNumeri, numeriX[k], Etichette, Allineamento::Centro);
    }
    for (std::size_t k = 0; k < scalaZ->tacche.size(); ++k) {
        const double y = Z(scalaZ->tacche[k]);
        p.linea(sinistra - Tacca, y, sinistra, y, Inchiostro::Nero, 0.5);
        p.testo(sinistra - Tacca - 2, y + centro, numeriZ[k], Etichette, Allineamento::Destra);
    }
    p.testo(destra, alto - RigaTitoli, titoloValori, Etichette, Allineamento::Destra);
    p.testo(sinistra - Tacca - 2, alto - RigaTitoli, titoloZ, Etichette, Allineamento::Destra);

    // The layer boundaries, the wall and the ground line, then the diagram itself.
    for (const ConfineDiagramma& c : d.confini)
        p.linea(sinistra, Z(c.z), destra, Z(c.z), Inchiostro::Grigio, 0.3);
    p.linea(X(0), alto, X(0), basso, Inchiostro::Nero, 0.8);
    p.linea(sinistra, Z(0), destra, Z(0), Inchiostro::Nero, 0.8);
    for (const SegmentoDiagramma& s : d.linee)
        if (s.x1 != s.x2 || s.z1 != s.z2)
            p.linea(X(s.x1), Z(s.z1), X(s.x2), Z(s.z2), s.inchiostro, 1.0);

    // The point of application: an arrow onto the wall at its depth, its value above the shaft
    // (below it when the arrow lies at the top of the plot).
    if (d.spinta) {
        const double y = Z(d.spinta->z);
        const double x0 = X(0);
        const std::string etichetta = accorcia(d.spinta->etichetta, larghezza - 4, Etichette);
        const double w = larghezzaTesto(etichetta, Etichette);
        double coda = std::min(destra - 2, std::max(x0 + w + 12, x0 + 0.45 * (destra - x0)));
        p.linea(coda, y, x0, y, Inchiostro::Nero, 1.2);
        p.linea(x0, y, x0 + 5, y - 2.5, Inchiostro::Nero, 1.2);
        p.linea(x0, y, x0 + 5, y + 2.5, Inchiostro::Nero, 1.2);
        double base = y - 3 - desc;
        if (base - asc < alto + 1)
            base = y + 3 + asc;
        coda = std::clamp(coda, sinistra + 2 + w, destra - 2);
        p.testo(coda, base, etichetta, Etichette, Allineamento::Destra);
    }

    // The column: its titles level with the tick numbers, then one label per boundary, as near
    // its line as the labels above and below allow.
    p.testo(xColonna + larghezzaZ, alto - RigaNumeri, titoloZ, Etichette, Allineamento::Destra);
    p.testo(xColonna + larghezzaZ + Spazio, alto - RigaNumeri, titoloValori, Etichette);
    const std::size_t n = d.confini.size();
    std::vector<std::size_t> ordine(n);
    std::iota(ordine.begin(), ordine.end(), std::size_t{0});
    std::stable_sort(ordine.begin(), ordine.end(),
                     [&](std::size_t a, std::size_t b) { return d.confini[a].z < d.confini[b].z; });
    const double primo = alto - RigaNumeri + desc + 0.5 + asc;
    const double ultimo = basso + 4;
    std::vector<double> basi(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double voluta = Z(d.confini[ordine[k]].z) + centro;
        basi[k] = std::max(voluta, k == 0 ? primo : basi[k - 1] + passoEtichette);
    }
    for (std::size_t k = n; k-- > 0;)
        basi[k] = std::min(basi[k], k + 1 == n ? ultimo : basi[k + 1] - passoEtichette);
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = ordine[k];
        p.linea(destra, Z(d.confini[i].z), xColonna - 2, basi[k] - centro, Inchiostro::Grigio, 0.3);
        p.testo(xColonna + larghezzaZ, basi[k], profondita[i], Etichette, Allineamento::Destra);
        p.testo(xColonna + larghezzaZ + Spazio, basi[k], valori[i], Etichette);
    }

    for (std::size_t r = 0; r < didascalia.size(); ++r)
        p.testo(Impaginatore::Sinistra,
                basso + 12 + static_cast<double>(r) * altezzaRiga(Carattere::Tabella) +
                    lineaDiBase(Carattere::Tabella),
                didascalia[r], Carattere::Tabella);
    p.avanza(SopraPiano + altezza + sotto);

    RiquadroDiagramma r;
    r.pagina = p.pagina();
    r.sinistra = sinistra;
    r.alto = alto;
    r.destra = destra;
    r.basso = basso;
    r.x1 = scalaX->inizio;
    r.x2 = scalaX->fine;
    r.z1 = scalaZ->inizio;
    r.z2 = scalaZ->fine;
    return r;
}

} // namespace spintaro
