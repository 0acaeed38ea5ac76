#include "platform/caratteri.h"

#include <QStringList>

namespace spintaro {

namespace {

QFont componi(const QStringList& famiglie, double punti, bool grassetto) {
    QFont f;
    f.setFamilies(famiglie);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punti);
    f.setWeight(grassetto ? QFont::Bold : QFont::Normal);
    f.setItalic(false);
    f.setUnderline(false);
    return f;
}

} // namespace

QFont fontArial(double punti, bool grassetto) {
    return componi({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, punti, grassetto);
}

QFont fontMsSansSerif(double punti, bool grassetto) {
    // Where MS Sans Serif is missing, DejaVu Sans Condensed comes closest to its narrow letters;
    // plain DejaVu Sans is too wide for captions such as "Potenza Strato" in their labels.
    return componi({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                   punti, grassetto);
}

} // namespace spintaro
