// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/caratteri.h"

#include <QFontDatabase>
#include <QStringList>

namespace spintaro {

namespace {

// The first of the families that is installed. Naming only that one spares the font database a
// search through its fallbacks for every missing name, which is most of the program's start-up
// time; the generic sans-serif hint still covers a system that has none of them.
QString primaInstallata(const QStringList& famiglie) {
    for (const QString& f : famiglie)
        if (QFontDatabase::hasFamily(f))
            return f;
    return famiglie.back();
}

QFont componi(const QString& famiglia, double punti, bool grassetto) {
    QFont f(famiglia);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punti);
    f.setWeight(grassetto ? QFont::Bold : QFont::Normal);
    f.setItalic(false);
    f.setUnderline(false);
    return f;
}

} // namespace

QFont fontArial(double punti, bool grassetto) {
    // Liberation Sans has Arial's metrics.
    static const QString famiglia =
        primaInstallata({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    return componi(famiglia, punti, grassetto);
}

QFont fontMsSansSerif(double punti, bool grassetto) {
    // Where MS Sans Serif is missing, DejaVu Sans Condensed comes closest to its narrow letters;
    // plain DejaVu Sans is too wide for captions such as "Potenza Strato" in their labels.
    static const QString famiglia =
        primaInstallata({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"),
                         QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    return componi(famiglia, punti, grassetto);
}

} // namespace spintaro
