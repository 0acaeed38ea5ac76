#pragma once

// Helpers of the diagram, image and report tests: example jobs, a working directory of the test's
// own, pixel look-ups.

#include "model/calcolo.h"
#include "model/modulo1.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>

namespace spintaro::prova {

// 20 kPa of surcharge over one dry layer of 5 m, γ 18, φ 30: Sv at the base is 20 + 5·18 = 110.
inline void esempioVentiKpa(Modulo1& m) {
    m.Strati(0).Sv = 20;
    Strato& s = m.Strati(1);
    s.Potenza = 5;
    s.Gamma = 18;
    s.Coesione = 0;
    s.AttritoInterno = 30;
    s.Falda = 0;
    m.NumStrati = 1;
    CalcolaStrati(m, 1);
}

// The two-layer example: 10 kPa; layer 1 h 2, γ 18, c 0, φ 30, dry; layer 2 h 3, γ 20, c 5,
// φ 25, below the water table.
inline void esempioDueStrati(Modulo1& m) {
    m.Strati(0).Sv = 10;
    Strato& a = m.Strati(1);
    a.Potenza = 2;
    a.Gamma = 18;
    a.Coesione = 0;
    a.AttritoInterno = 30;
    a.Falda = 0;
    Strato& b = m.Strati(2);
    b.Potenza = 3;
    b.Gamma = 20;
    b.Coesione = 5;
    b.AttritoInterno = 25;
    b.Falda = 1;
    m.NumStrati = 2;
    CalcolaStrati(m, 2);
}

// Makes a fresh temporary folder the working directory for the test's life.
class CartellaDiLavoro {
public:
    CartellaDiLavoro() : m_precedente(QDir::currentPath()) { QDir::setCurrent(m_cartella.path()); }
    ~CartellaDiLavoro() { QDir::setCurrent(m_precedente); }
    CartellaDiLavoro(const CartellaDiLavoro&) = delete;
    CartellaDiLavoro& operator=(const CartellaDiLavoro&) = delete;

    QString percorso(const QString& nome) const { return m_cartella.filePath(nome); }
    bool valida() const { return m_cartella.isValid(); }

private:
    QTemporaryDir m_cartella;
    QString m_precedente;
};

inline QByteArray leggiTutto(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline bool rossoPuro(QRgb c) {
    return qRed(c) == 255 && qGreen(c) == 0 && qBlue(c) == 0;
}

// A pure red pixel within raggio pixels of the pixel holding the point (x, y).
inline bool rossoVicino(const QImage& img, double x, double y, int raggio = 1) {
    const int cx = static_cast<int>(std::floor(x));
    const int cy = static_cast<int>(std::floor(y));
    for (int dy = -raggio; dy <= raggio; ++dy)
        for (int dx = -raggio; dx <= raggio; ++dx)
            if (img.valid(cx + dx, cy + dy) && rossoPuro(img.pixel(cx + dx, cy + dy)))
                return true;
    return false;
}

// How many pixels of the image have exactly this colour.
inline int conta(const QImage& img, QRgb colore) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) == (colore & 0xFFFFFF))
                ++n;
    return n;
}

} // namespace spintaro::prova
