// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/calcolo.h"

#include "model/errore.h"

#include <algorithm>
#include <cmath>

namespace spintaro {

namespace {

void richiediFinito(double v) {
    if (!std::isfinite(v))
        throw Errore(ErroreOverflow);
}

// The water rule in one place. Fed the layers in order from the top of a run (or from layer 1),
// it carries the water head: a submerged layer starts at the head the layer above ended with, a
// dry layer has none and ends the run. The head is summed from the top of the run down, so the
// head at the base of a layer and at the top of the next are the same number.
class FaldaContinua {
public:
    Acqua prossimo(const Strato& s) {
        if (s.Falda == 0) {
            m_altezza = 0;
            return {};
        }
        const double sopra = m_altezza;
        m_altezza = m_altezza + s.Potenza;
        return {GammaAcqua * sopra, GammaAcqua * m_altezza};
    }

private:
    double m_altezza = 0; // m of water above the next layer's top
};

void calcolaStratoCon(Modulo1& m, long long i, Acqua u) {
    Strato s = m.Strati(i);
    const double svSopra = m.Strati(i - 1).Sv;

    s = CalcolaKa(s);
    s.Sv = s.Gamma * s.Potenza + svSopra;
    // Active, cohesion unused below the water table.
    const Pressioni p = PressioneLaterale(s, svSopra, u, s.Ka, -1.0, false);
    s.Sa1 = p.alto;
    s.Sa2 = p.base;
    for (double v : {s.Ka, s.Sv, s.Sa1, s.Sa2})
        richiediFinito(v);
    m.Strati(i) = s;
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

Pressioni PressioneLaterale(const Strato& s, double svSopra, Acqua u, double k, double segno,
                            bool coesioneSottoFalda, const std::optional<double>& kc) {
    // s·(2c·√k): with s = −1 this is exactly the subtraction k·σv − 2c·√k.
    const double coesione = segno == 0.0 ? 0.0
                            : kc         ? segno * (s.Coesione * *kc)
                                         : segno * ((s.Coesione + s.Coesione) * std::sqrt(k));
    if (s.Falda != 0) {
        // Below the water table: effective stress times k plus the pore pressure.
        Pressioni p{(svSopra - u.u1) * k + u.u1, (s.Sv - u.u2) * k + u.u2};
        if (coesioneSottoFalda) {
            p.alto = p.alto + coesione;
            p.base = p.base + coesione;
        }
        return p;
    }
    return {svSopra * k + coesione, s.Sv * k + coesione};
}

Acqua PressioneAcqua(const Modulo1& m, long long i) {
    if (i < 1)
        throw Errore(ErroreIndice);
    const Strato& strato = m.Strati(i);
    long long inizio = i; // the top layer of the run that layer i would continue
    while (inizio > 1 && m.Strati(inizio - 1).Falda != 0)
        --inizio;
    FaldaContinua falda;
    for (long long j = inizio; j < i; ++j)
        falda.prossimo(m.Strati(j));
    return falda.prossimo(strato);
}

std::vector<Acqua> PressioniAcqua(const Modulo1& m, long long n) {
    std::vector<Acqua> u;
    u.reserve(static_cast<std::size_t>(std::max(n, 0LL)));
    FaldaContinua falda;
    for (long long i = 1; i <= n; ++i)
        u.push_back(falda.prossimo(m.Strati(i)));
    return u;
}

void CalcolaStrato(Modulo1& m, long long i) {
    calcolaStratoCon(m, i, PressioneAcqua(m, i));
}

void CalcolaStrati(Modulo1& m, long long n) {
    // The pass carries the water head from layer to layer instead of walking back up each run.
    FaldaContinua falda;
    percorri(m, 1, n, [&](int i) { calcolaStratoCon(m, i, falda.prossimo(m.Strati(i))); });
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

double AltezzaProfilo(const Modulo1& m, std::size_t strati) {
    double h = 0;
    for (std::size_t i = 1; i <= strati; ++i)
        h += m.Strati(static_cast<long long>(i)).Potenza;
    return h;
}

double InizioTrazione(const Strato& s, double zBase) {
    // Where the layer's own pressure line, from Sa1 at its top to Sa2 at its base, crosses zero:
    // the pressure diagram is the soil's, whatever lies above the layer. Sa1 < 0 < Sa2 here, so
    // the fraction lies strictly between 0 and 1.
    const double zTop = zBase - s.Potenza;
    const double frazione = -s.Sa1 / (s.Sa2 - s.Sa1);
    return zTop + frazione * s.Potenza;
}

Quota QuotaSpinta(const Strato& s, double zBase) {
    switch (classificaPressione(s)) {
    case CasoPressione::Trazione: {
        // The triangle from zero at its start to Sa2 at the base: centroid a third of the way up.
        const double altezza = zBase - InizioTrazione(s, zBase);
        return {altezza * s.Sa2 / 2.0, altezza / 3.0};
    }
    case CasoPressione::Trapezio: {
        // Sa1 >= 0 and Sa2 > 0, so the sum is positive.
        const double somma = s.Sa1 + s.Sa2;
        return {somma * s.Potenza / 2.0, s.Potenza * (2.0 * s.Sa1 + s.Sa2) / (3.0 * somma)};
    }
    case CasoPressione::TuttoInTrazione:
    case CasoPressione::Nessuno:
        break;
    }
    return {};
}

double CalcolaSpinta(Modulo1& m) {
    double totale = 0.0;
    double z = 0.0;
    percorri(m, 1, m.NumStrati, [&](int i) {
        const Strato& s = m.Strati(i);
        z = z + s.Potenza;
        totale = totale + QuotaSpinta(s, z).area;
        richiediFinito(totale);
    });
    m.SpintaTotale = totale;
    return totale;
}

AnalisiSpinta AnalizzaSpinta(const Modulo1& m) {
    const int n = m.NumStrati;
    if (n > UltimoRecord)
        throw Errore(ErroreIndice);
    std::vector<Strato> strati;
    strati.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 1; i <= n; ++i)
        strati.push_back(m.Strati(i));
    return AnalizzaStrati(strati);
}

AnalisiSpinta AnalizzaStrati(const std::vector<Strato>& strati) {
    AnalisiSpinta a;
    // The depth of the profile's base, summed in the order z is summed below, so that the lowest
    // layer's base lies exactly on it.
    double altezza = 0.0;
    for (const Strato& s : strati)
        altezza = altezza + s.Potenza;
    a.strati.reserve(strati.size());
    a.aree.reserve(strati.size());
    FaldaContinua falda;
    double z = 0.0;
    for (const Strato& s : strati) {
        z = z + s.Potenza;
        const Quota q = QuotaSpinta(s, z);
        a.spinta = a.spinta + q.area;
        a.momento = a.momento + q.area * (q.braccio + (altezza - z));
        const Acqua u = falda.prossimo(s);
        a.spintaAcqua = a.spintaAcqua + (u.u1 + u.u2) * s.Potenza / 2.0;
        a.strati.push_back(u);
        a.aree.push_back(q.area);
    }
    if (a.spinta != 0.0) {
        const double braccio = a.momento / a.spinta;
        if (std::isfinite(braccio))
            a.braccio = braccio;
    }
    return a;
}

} // namespace spintaro
