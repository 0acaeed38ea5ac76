// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/passata.h"

#include <algorithm>

namespace spintaro {

namespace {

// Layer s cut at the minimum pressure: its share into buffer, split at the crossing when its line
// crosses the minimum inside it; the pressures that the layer's own values keep.
Pressioni taglia(Strato s, double svSopra, const Acqua& u, Pressioni pr, double f,
                 double tanInclinazione, Segmenti& buffer) {
    const Pressioni minimo{f * (svSopra - u.u1) + u.u1, f * (s.Sv - u.u2) + u.u2};
    const bool sottoAlto = pr.alto < minimo.alto, sottoBase = pr.base < minimo.base;
    if (sottoAlto != sottoBase) {
        // Where the two straight lines meet, as a fraction of the layer from its top.
        const double t =
            (minimo.alto - pr.alto) / ((minimo.alto - pr.alto) - (minimo.base - pr.base));
        const double pz = pr.alto + t * (pr.base - pr.alto);
        Strato sopra = s, sotto = s;
        sopra.Potenza = s.Potenza * t;
        sotto.Potenza = s.Potenza - sopra.Potenza;
        sopra.Sa1 = sottoAlto ? minimo.alto : pr.alto;
        sopra.Sa2 = pz;
        sotto.Sa1 = pz;
        sotto.Sa2 = sottoBase ? minimo.base : pr.base;
        buffer.aggiungi(sopra, tanInclinazione);
        buffer.aggiungi(sotto, tanInclinazione);
    }
    const Pressioni taglio{std::max(pr.alto, minimo.alto), std::max(pr.base, minimo.base)};
    if (sottoAlto == sottoBase) {
        s.Sa1 = taglio.alto;
        s.Sa2 = taglio.base;
        buffer.aggiungi(s, tanInclinazione);
    }
    // The layer's own values keep the ends of its line where the cut is at u alone.
    return f > 0 ? taglio : pr;
}

} // namespace

void Passa(const Modulo1& m, std::span<const StratoPassata> strati, const std::vector<Acqua>& acqua,
           double q, const RegolePassata& regole, Segmenti& buffer, Passata& r) {
    buffer.svuota(2 * strati.size());
    r.pressioni.clear();
    r.pressioni.reserve(strati.size());
    r.inizi.assign(strati.size(), std::nullopt);
    double svSopra = q;
    double zBase = 0;
    for (std::size_t i = 0; i < strati.size(); ++i) {
        const Strato& dato = m.Strati(static_cast<long long>(i) + 1);
        const StratoPassata& d = strati[i];
        Strato s;
        s.Potenza = dato.Potenza;
        s.Falda = dato.Falda;
        s.AttritoInterno = d.phi;
        s.Gamma = d.gamma;
        s.Coesione = d.c;
        s.Ka = d.k;
        s.Sv = s.Gamma * s.Potenza + svSopra;
        const Acqua u = acqua[i];
        Pressioni pr =
            PressioneLaterale(s, svSopra, u, d.k, regole.segno, regole.coesioneSottoFalda, d.kc);
        zBase = zBase + s.Potenza;
        if (d.coesioneUsata && (regole.pressioneMinima > 0 || s.Falda != 0)) {
            pr = taglia(s, svSopra, u, pr, regole.pressioneMinima, d.tanInclinazione, buffer);
        } else {
            s.Sa1 = pr.alto;
            s.Sa2 = pr.base;
            buffer.aggiungi(s, d.tanInclinazione);
            if (pr.alto < 0 && pr.base > 0) // in tension at its top: where its triangle starts
                r.inizi[i] = InizioTrazione(s, zBase);
        }
        r.pressioni.push_back(pr);
        svSopra = s.Sv;
    }
    SommaSegmenti somma = SommaDiSegmenti(buffer);
    r.analisi = std::move(somma.analisi);
    r.spintaVerticale = somma.verticale;
}

} // namespace spintaro
