// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testo_zone.h"

#include "text/zone_stampa.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace spintaro {

TestoAZone::TestoAZone(QWidget* genitore) : QWidget(genitore) {
    setObjectName(QStringLiteral("testo"));
    setAutoFillBackground(true);
}

void TestoAZone::aggiungiRiga(const QStringList& voci) {
    m_righe.append(voci);
    updateGeometry();
    update();
}

void TestoAZone::svuota() {
    m_righe.clear();
    updateGeometry();
    update();
}

double TestoAZone::larghezzaMediaCarattere(const QFontMetricsF& metriche) {
    // Occurrences per thousand characters of text: a to z, then the space.
    static constexpr int Pesi[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                     56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    double somma = 0;
    for (int i = 0; i < 26; ++i)
        somma += Pesi[i] * metriche.horizontalAdvance(QChar(u'a' + i));
    somma += Pesi[26] * metriche.horizontalAdvance(QChar(u' '));
    return std::max(1.0, std::round(somma / 1000.0));
}

double TestoAZone::larghezzaZona(const QFontMetricsF& metriche) {
    return LarghezzaZona * larghezzaMediaCarattere(metriche);
}

double TestoAZone::altezzaRiga(const QFontMetricsF& metriche) {
    return std::max(1.0, metriche.lineSpacing());
}

QList<double> TestoAZone::posizioniVoci(const QStringList& voci, const QFontMetricsF& metriche) {
    std::vector<double> larghezze;
    larghezze.reserve(static_cast<std::size_t>(voci.size()));
    for (const QString& v : voci)
        larghezze.push_back(metriche.horizontalAdvance(v));
    const std::vector<double> posizioni = posizioniAZone(larghezze, larghezzaZona(metriche));
    return QList<double>(posizioni.begin(), posizioni.end());
}

double TestoAZone::larghezzaTesto(const QList<QStringList>& righe, const QFontMetricsF& metriche) {
    double larghezza = 0;
    for (const QStringList& voci : righe) {
        if (voci.isEmpty())
            continue;
        const QList<double> posizioni = posizioniVoci(voci, metriche);
        larghezza = std::max(larghezza, posizioni.back() + metriche.horizontalAdvance(voci.back()));
    }
    return larghezza;
}

void TestoAZone::dipingiRighe(QPainter& pittore, const QList<QStringList>& righe, QPointF origine) {
    const QFontMetricsF metriche(pittore.font(), pittore.device());
    const double altezza = altezzaRiga(metriche);
    double y = origine.y();
    for (const QStringList& voci : righe) {
        const QList<double> posizioni = posizioniVoci(voci, metriche);
        for (qsizetype k = 0; k < voci.size(); ++k)
            pittore.drawText(QPointF(origine.x() + posizioni[k], y + metriche.ascent()), voci[k]);
        y += altezza;
    }
}

QSize TestoAZone::sizeHint() const {
    const QFontMetricsF metriche(font(), this);
    const double larghezza = larghezzaTesto(m_righe, metriche);
    const double altezza = altezzaRiga(metriche) * double(m_righe.size());
    return QSize(static_cast<int>(std::ceil(larghezza)), static_cast<int>(std::ceil(altezza)));
}

void TestoAZone::paintEvent(QPaintEvent* evento) {
    QPainter pittore(this);
    pittore.setClipRect(evento->rect());
    pittore.setFont(font());
    pittore.setPen(palette().color(QPalette::WindowText));
    dipingiRighe(pittore, m_righe, QPointF(0, 0));
}

} // namespace spintaro
