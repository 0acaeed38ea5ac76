// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrams/geometria.h"

#include "model/calcolo.h"
#include "model/errore.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace spintaro {

namespace {

class Costruttore {
public:
    explicit Costruttore(const MisuraX& x) : m_x(x) {}

    void scala(double x1, double y1, double x2, double y2) {
        m_ex = m_x.larghezza * std::fabs(x2 - x1) / std::max(m_x.clientLarghezza, 1.0);
        m_ey = m_x.altezza * std::fabs(y2 - y1) / std::max(m_x.clientAltezza, 1.0);
        aggiungi(Primitiva::Tipo::Scala, x1, y1, x2, y2, Colore::PrimoPiano);
    }
    void linea(double x1, double y1, double x2, double y2, Colore c = Colore::PrimoPiano) {
        aggiungi(Primitiva::Tipo::Linea, x1, y1, x2, y2, c);
    }
    void lineaA(double x2, double y2, Colore c = Colore::PrimoPiano) {
        aggiungi(Primitiva::Tipo::LineaA, 0, 0, x2, y2, c);
    }
    void testo(double x, double y, std::string t) {
        aggiungi(Primitiva::Tipo::Testo, x, y, 0, 0, Colore::PrimoPiano);
        m_d.back().testo = std::move(t);
    }
    double ex() const { return m_ex; }
    double ey() const { return m_ey; }
    Disegno fine() { return std::move(m_d); }

private:
    void aggiungi(Primitiva::Tipo t, double ax, double ay, double bx, double by, Colore c) {
        Primitiva p;
        p.tipo = t;
        p.ax = static_cast<float>(ax);
        p.ay = static_cast<float>(ay);
        p.bx = static_cast<float>(bx);
        p.by = static_cast<float>(by);
        p.colore = c;
        m_d.push_back(std::move(p));
    }

    MisuraX m_x;
    double m_ex = 0;
    double m_ey = 0;
    Disegno m_d;
};

// The layers a diagram can show: 1..NumStrati, but never past the table's last record (during
// entry the number of the layer being typed can reach 51).
int strati(const Modulo1& m) {
    return std::clamp<int>(m.NumStrati, 0, UltimoRecord);
}

double altezzaTotale(const Modulo1& m, int n) {
    double h = 0;
    for (int i = 1; i <= n; ++i)
        h = h + m.Strati(i).Potenza;
    return h;
}

// The 16-bit limit of a tick counter that steps by passo; empty when the limit does not round
// into the 16-bit range or the counter would pass 32767 on its way to it.
std::optional<Intero16> limiteTacche(double valore, int passo) {
    try {
        const Intero16 limite = arrotondaIntero16(valore);
        if (limite > 32767 - passo)
            return std::nullopt;
        return limite;
    } catch (const Errore&) {
        return std::nullopt;
    }
}

// The frame both diagrams share: the depth axis with its barb, the horizontal axis from xSinistra
// to xDestra with its barb to xPunta, the two labels.
void cornice(Costruttore& c, double xSinistra, double xDestra, double xPunta, double htot,
             double xEtichetta, const char* etichetta) {
    c.linea(0, 0.5, 0, -htot - 0.1 * htot);
    c.lineaA(-1, -htot - 0.05 * htot);
    c.linea(xSinistra, 0, xDestra, 0);
    c.lineaA(xPunta, 0.5);
    c.testo(xEtichetta + c.ex(), c.ey(), etichetta);
    c.testo(c.ex(), -htot + c.ey(), "h");
}

// Vertical ticks at 10, 20, ... up to the first multiple of 10 not below the limit.
void taccheOrizzontali(Costruttore& c, double valore) {
    const auto limite = limiteTacche(valore, 10);
    if (!limite)
        return;
    for (Intero16 k = 0; k < *limite;) {
        k = somma16(k, 10);
        c.linea(k, 0.3, k, -0.3);
    }
}

} // namespace

Disegno DisegnoSv(const Modulo1& m, const MisuraX& x) {
    const int n = strati(m);
    const double svn = m.Strati(n).Sv;
    const double htot = altezzaTotale(m, n);

    Costruttore c(x);
    c.scala(-1, 0.5, 0.1 * svn + svn, -htot - 0.1 * htot);
    cornice(c, -1, 0.1 * svn + svn, 0.05 * svn + svn, htot, svn - 3, "Sv");
    taccheOrizzontali(c, svn);

    double zTop = 0;
    for (int i = 1; i <= n; ++i) {
        zTop = zTop + m.Strati(i - 1).Potenza;
        const double zBase = zTop + m.Strati(i).Potenza;
        c.linea(m.Strati(i - 1).Sv, -zTop, m.Strati(i).Sv, -zBase, Colore::Rosso);
        c.linea(m.Strati(i).Sv, -zBase, 0, -zBase, Colore::Rosso);
    }
    return c.fine();
}

Disegno DisegnoSa(const Modulo1& m, const MisuraX& x) {
    const int n = strati(m);
    double pmax = 0;
    for (int i = 1; i <= n; ++i)
        if (pmax < m.Strati(i).Sa1)
            pmax = m.Strati(i).Sa1;
    for (int i = 1; i <= n; ++i)
        if (pmax < m.Strati(i).Sa2)
            pmax = m.Strati(i).Sa2;
    const double htot = altezzaTotale(m, n);

    Costruttore c(x);
    c.scala(-2, 0.5, pmax + 2, -htot - 0.1 * htot);
    cornice(c, -2, pmax + 2, pmax - 1.5, htot, pmax - 3, "Sa");
    taccheOrizzontali(c, pmax - 2);
    if (const auto limite = limiteTacche(htot, 5)) {
        for (Intero16 d = 0; d < *limite;) {
            d = somma16(d, 5);
            c.linea(-0.5, -d, 0.5, -d);
        }
    }

    double z = 0;
    for (int i = 1; i <= n; ++i) {
        const Strato& s = m.Strati(i);
        z = z + s.Potenza;
        switch (classificaPressione(s)) {
        case CasoPressione::TuttoInTrazione:
            c.linea(0, 0, 0, 0, Colore::Rosso);
            break;
        case CasoPressione::Trazione:
            c.linea(0, -InizioTrazione(s, z), s.Sa2, -z, Colore::Rosso);
            break;
        case CasoPressione::Trapezio:
        case CasoPressione::Nessuno:
            // The straight pressure line from the top of the layer to its base.
            c.linea(s.Sa1, -z + s.Potenza, s.Sa2, -z, Colore::Rosso);
            break;
        }
        if (i < n && m.Strati(i + 1).Sa1 > 0)
            c.lineaA(m.Strati(i + 1).Sa1, -z, Colore::RossoScuro);
        else
            c.lineaA(0, -z, Colore::RossoScuro);
    }
    return c.fine();
}

SintesiDiagramma SintesiSv(const Modulo1& m) {
    const int n = strati(m);
    SintesiDiagramma s{n, altezzaTotale(m, n), m.Strati(0).Sv, std::nullopt};
    for (int i = 1; i <= n; ++i)
        s.massimo = std::max(s.massimo, m.Strati(i).Sv);
    return s;
}

SintesiDiagramma SintesiSa(const Modulo1& m) {
    const int n = strati(m);
    SintesiDiagramma s{n, altezzaTotale(m, n), 0, std::nullopt};
    for (int i = 1; i <= n; ++i) {
        const double piu = std::max(m.Strati(i).Sa1, m.Strati(i).Sa2);
        s.massimo = i == 1 ? piu : std::max(s.massimo, piu);
    }
    Modulo1 copia = m;
    copia.NumStrati = aIntero16(n);
    try {
        s.spinta = CalcolaSpinta(copia);
    } catch (const Errore&) {
        // A sum that is not finite: no thrust to tell.
    }
    return s;
}

} // namespace spintaro
