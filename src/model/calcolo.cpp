// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/calcolo.h"

#include "model/errore.h"

#include <cmath>

namespace spintaro {

namespace {

void richiediFinito(double v) {
    if (!std::isfinite(v))
        throw Errore(ErroreOverflow);
}

} // namespace

double Radianti(double gradi) {
    return gradi * PiGreco / 180.0;
}

Strato CalcolaKa(Strato& s) {
    const double fi = Radianti(s.AttritoInterno);
    const double x = PiGreco / 4.0 - fi / 2.0;
    const double t = std::tan(x);
    s.Ka = t * t;
    return s;
}

void CalcolaStrato(Modulo1& m, long long i) {
    if (i < 1)
        throw Errore(ErroreIndice);
    Strato s = m.Strati(i);
    const double svSopra = m.Strati(i - 1).Sv;

    s = CalcolaKa(s);
    s.Sv = s.Gamma * s.Potenza + svSopra;
    if (s.Falda != 0) {
        // Below the water table: effective stress on this layer's own water head, cohesion unused.
        s.Sa1 = svSopra * s.Ka;
        s.Sa2 = (s.Sv - GammaAcqua * s.Potenza) * s.Ka + GammaAcqua * s.Potenza;
    } else {
        const double r = std::sqrt(s.Ka);
        s.Sa1 = svSopra * s.Ka - (s.Coesione + s.Coesione) * r;
        s.Sa2 = s.Sv * s.Ka - (s.Coesione + s.Coesione) * r;
    }
    for (double v : {s.Ka, s.Sv, s.Sa1, s.Sa2})
        richiediFinito(v);
    m.Strati(i) = s;
}

void CalcolaStrati(Modulo1& m, long long n) {
    percorri(m, 1, n, [&](int i) { CalcolaStrato(m, i); });
}

std::optional<double> ProfonditaTrazione(const Strato& s) {
    const double divisore = std::sqrt(s.Ka) * s.Gamma;
    if (divisore == 0.0 || !std::isfinite(divisore))
        return std::nullopt;
    const double z0 = (s.Coesione + s.Coesione) / divisore;
    if (!std::isfinite(z0))
        return std::nullopt;
    return z0;
}

CasoPressione classificaPressione(const Strato& s) {
    if (s.Sa1 < 0 && s.Sa2 < 0)
        return CasoPressione::TuttoInTrazione;
    if (s.Sa1 < 0 && s.Sa2 > 0)
        return CasoPressione::Trazione;
    if (s.Sa1 >= 0 && s.Sa2 > 0)
        return CasoPressione::Trapezio;
    return CasoPressione::Nessuno;
}

double InizioTrazione(const Strato& s, double zBase) {
    const double zTop = zBase - s.Potenza;
    const double alto = std::fmin(zTop, zBase);
    const double basso = std::fmax(zTop, zBase);
    if (const auto z0 = ProfonditaTrazione(s); z0 && *z0 >= alto && *z0 <= basso)
        return *z0;
    // Where the pressure line between the top and the base crosses zero. Sa1 < 0 < Sa2 here, so
    // the fraction lies strictly between 0 and 1.
    const double frazione = -s.Sa1 / (s.Sa2 - s.Sa1);
    return zTop + frazione * s.Potenza;
}

double QuotaSpinta(const Strato& s, double zBase) {
    switch (classificaPressione(s)) {
    case CasoPressione::Trazione:
        return (zBase - InizioTrazione(s, zBase)) * s.Sa2 / 2.0;
    case CasoPressione::Trapezio:
        return (s.Sa1 + s.Sa2) * s.Potenza / 2.0;
    case CasoPressione::TuttoInTrazione:
    case CasoPressione::Nessuno:
        break;
    }
    return 0.0;
}

double CalcolaSpinta(Modulo1& m) {
    double totale = 0.0;
    double z = 0.0;
    percorri(m, 1, m.NumStrati, [&](int i) {
        const Strato& s = m.Strati(i);
        z = z + s.Potenza;
        totale = totale + QuotaSpinta(s, z);
        richiediFinito(totale);
    });
    m.SpintaTotale = totale;
    return totale;
}

} // namespace spintaro
