// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calcolo/disegno_carichi.h"

#include "diagrams/schema_carichi.h"
#include "text/testi_numerici.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <vector>

namespace spintaro {

namespace {

// An arrow pointing down onto the ground line at x, from h pixels above it.
void freccia(QPainter& p, double x, double y, double h) {
    p.drawLine(QPointF(x, y - h), QPointF(x, y));
    QPainterPath punta;
    punta.moveTo(x, y);
    punta.lineTo(x - 4, y - 8);
    punta.lineTo(x + 4, y - 8);
    punta.closeSubpath();
    p.fillPath(punta, p.pen().color());
}

// The intensity of a load, as its label says it.
QString intensita(const Carico& c, const std::string& decimale) {
    auto n = [&decimale](double v) {
        return QString::fromStdString(TestoParametro(v, decimale));
    };
    switch (c.tipo) {
    case TipoCarico::Striscia:
        return QStringLiteral("q = %1 kPa").arg(n(c.q));
    case TipoCarico::Trapezio:
        return QStringLiteral("q1 = %1, q2 = %2 kPa").arg(n(c.q1), n(c.q2));
    case TipoCarico::Linea:
        return QStringLiteral("Q = %1 kN/m").arg(n(c.Q));
    case TipoCarico::Punto:
        return QStringLiteral("P = %1 kN").arg(n(c.P));
    }
    return {};
}

} // namespace

DisegnoCarichi::DisegnoCarichi(QWidget* genitore) : QWidget(genitore) {
    setObjectName(QStringLiteral("Disegno"));
    setAccessibleName(QStringLiteral("Disegno in scala del muro, degli strati e dei carichi"));
    setMinimumSize(340, 320);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DisegnoCarichi::imposta(std::vector<double> spessori,
                             std::vector<std::pair<int, Carico>> carichi, std::string decimale) {
    m_spessori = std::move(spessori);
    m_carichi = std::move(carichi);
    m_decimale = std::move(decimale);
    update();
}

void DisegnoCarichi::paintEvent(QPaintEvent* /*evento*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const QFontMetricsF metrica(font());
    const double riga = metrica.height();
    std::vector<Carico> carichi;
    for (const auto& [numero, c] : m_carichi)
        carichi.push_back(c);
    // Two lines of label above the loads, one below the ground line for the distances.
    MarginiSchema margini;
    margini.fascia = std::max(40.0, height() / 5.0);
    margini.sopra = 2 * riga + 6;
    margini.sotto = 2 * riga + 4;
    margini.destra = 16;
    const SchemaCarichi s = DisponiCarichi(m_spessori, carichi, width(), height(), margini);
    const QColor testo = palette().color(QPalette::Text);
    const double destra = width() - 4.0;
    const double yBase = s.yTerreno + s.profondita * s.scala;

    // The layers: their bases and their numbers, then the ground line.
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    double sopra = s.yTerreno;
    for (std::size_t i = 0; i < s.yStrati.size(); ++i) {
        p.drawLine(QPointF(s.xMuro, s.yStrati[i]), QPointF(destra, s.yStrati[i]));
        p.drawText(QRectF(s.xMuro + 6, sopra, 40, s.yStrati[i] - sopra),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::number(i + 1));
        sopra = s.yStrati[i];
    }
    p.setPen(QPen(testo, 2));
    p.drawLine(QPointF(s.xMuro, s.yTerreno), QPointF(destra, s.yTerreno));
    // The wall: a bar at the left, its back face at xMuro.
    p.fillRect(QRectF(s.xMuro - 10, s.yTerreno - 6, 10, yBase - s.yTerreno + 6),
               QColor(0x9a, 0x9a, 0x9a));
    p.setPen(QPen(testo, 1));
    p.drawRect(QRectF(s.xMuro - 10, s.yTerreno - 6, 10, yBase - s.yTerreno + 6));

    const QColor colore(0x00, 0x3c, 0x8c);
    // Labels alternate between two lines from the wall outwards, so that neighbours do not meet.
    std::vector<std::size_t> ordine(s.figure.size());
    for (std::size_t k = 0; k < ordine.size(); ++k)
        ordine[k] = k;
    std::stable_sort(ordine.begin(), ordine.end(), [&s](std::size_t x, std::size_t y) {
        return s.figure[x].x1 < s.figure[y].x1;
    });
    std::vector<double> alterne(s.figure.size());
    for (std::size_t i = 0; i < ordine.size(); ++i)
        alterne[ordine[i]] = riga * static_cast<double>(i % 2);
    for (std::size_t k = 0; k < s.figure.size(); ++k) {
        const FiguraCarico& f = s.figure[k];
        const Carico& c = carichi[k];
        const double y = s.yTerreno;
        p.setPen(QPen(colore, 1.5));
        if (f.tipo == TipoCarico::Striscia || f.tipo == TipoCarico::Trapezio) {
            const QPolygonF figura{{QPointF(f.x1, y), QPointF(f.x1, y - f.h1),
                                    QPointF(f.x2, y - f.h2), QPointF(f.x2, y)}};
            QColor riempi = colore;
            riempi.setAlpha(60);
            p.setBrush(riempi);
            p.drawPolygon(figura);
            p.setBrush(Qt::NoBrush);
        } else
            freccia(p, f.x1, y, f.h1);
        const double cima = y - std::max(f.h1, f.h2);
        p.setPen(testo);
        // Neighbours' labels on alternate lines, each whole inside the drawing.
        const double alterna = alterne[k];
        auto scrivi = [&](double x, double yTesto, const QString& t) {
            p.drawText(
                QPointF(std::clamp(x, 2.0, width() - metrica.horizontalAdvance(t) - 2), yTesto), t);
        };
        scrivi(f.x1, cima - 4 - alterna,
               QStringLiteral("%1: %2").arg(m_carichi[k].first).arg(intensita(c, m_decimale)));
        // The distance from the wall, under the ground line.
        scrivi(f.x1 + 2, y + riga + alterna,
               QStringLiteral("a%1 = %2 m")
                   .arg(m_carichi[k].first)
                   .arg(QString::fromStdString(TestoParametro(c.a, m_decimale))));
        p.setPen(QPen(testo, 1, Qt::DotLine));
        p.drawLine(QPointF(f.x1, y), QPointF(f.x1, y + 4));
    }
}

} // namespace spintaro
