// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_immagine.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <gif_lib.h>
#include <vector>

namespace spintaro {

namespace {

// giflib's output callback: the encoded bytes go into the string the file was opened with.
int scriviInMemoria(GifFileType* gif, const GifByteType* dati, int quanti) {
    auto* uscita = static_cast<std::string*>(gif->UserData);
    uscita->append(reinterpret_cast<const char*>(dati), static_cast<std::size_t>(quanti));
    return quanti;
}

QString erroreGif(int codice) {
    const char* testo = GifErrorString(codice);
    return QStringLiteral("codifica GIF non riuscita (%1)")
        .arg(testo != nullptr ? QString::fromLatin1(testo) : QString::number(codice));
}

CodificaImmagine codificaGif(const QImage& immagine) {
    CodificaImmagine esito;
    esito.formato = "gif";
    // A diagram has a handful of colours (background, foreground, two reds and the grey edges of
    // the text): an exact palette, no dithering.
    const QImage indicizzata =
        immagine.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const QList<QRgb> tabella = indicizzata.colorTable();
    if (indicizzata.isNull() || tabella.isEmpty() || tabella.size() > 256) {
        esito.messaggio = QStringLiteral("impossibile ridurre l'immagine a 256 colori");
        return esito;
    }
    // The GIF palette has a power-of-two size, at least 2.
    int bit = 1;
    while ((1 << bit) < tabella.size())
        ++bit;
    ColorMapObject* mappa = GifMakeMapObject(1 << bit, nullptr);
    if (mappa == nullptr) {
        esito.messaggio = QStringLiteral("memoria insufficiente per la tavolozza GIF");
        return esito;
    }
    for (int i = 0; i < mappa->ColorCount; ++i) {
        const QRgb c = i < tabella.size() ? tabella[i] : qRgb(0, 0, 0);
        mappa->Colors[i].Red = static_cast<GifByteType>(qRed(c));
        mappa->Colors[i].Green = static_cast<GifByteType>(qGreen(c));
        mappa->Colors[i].Blue = static_cast<GifByteType>(qBlue(c));
    }

    int errore = 0;
    GifFileType* gif = EGifOpen(&esito.byte, scriviInMemoria, &errore);
    if (gif == nullptr) {
        GifFreeMapObject(mappa);
        esito.messaggio = erroreGif(errore);
        return esito;
    }
    const int w = indicizzata.width();
    const int h = indicizzata.height();
    bool riuscita = EGifPutScreenDesc(gif, w, h, bit, 0, mappa) == GIF_OK &&
                    EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> riga(static_cast<std::size_t>(w));
    for (int y = 0; riuscita && y < h; ++y) {
        const uchar* sorgente = indicizzata.constScanLine(y);
        std::copy(sorgente, sorgente + w, riga.begin());
        riuscita = EGifPutLine(gif, riga.data(), w) == GIF_OK;
    }
    if (!riuscita)
        errore = gif->Error;
    int erroreChiusura = 0;
    if (EGifCloseFile(gif, &erroreChiusura) != GIF_OK && riuscita) {
        riuscita = false;
        errore = erroreChiusura;
    }
    GifFreeMapObject(mappa);
    if (!riuscita) {
        esito.byte.clear();
        esito.messaggio = erroreGif(errore);
        return esito;
    }
    esito.ok = true;
    return esito;
}

CodificaImmagine codificaQt(const QImage& immagine, const QByteArray& formato) {
    CodificaImmagine esito;
    esito.formato = formato;
    QByteArray dati;
    QBuffer memoria(&dati);
    memoria.open(QIODevice::WriteOnly);
    QImageWriter scrittore(&memoria, formato);
    if (!scrittore.write(immagine)) {
        esito.messaggio = QStringLiteral("codifica %1 non riuscita: %2")
                              .arg(QString::fromLatin1(formato).toUpper(), scrittore.errorString());
        return esito;
    }
    esito.byte.assign(dati.constData(), static_cast<std::size_t>(dati.size()));
    esito.ok = true;
    return esito;
}

} // namespace

QString parolaFormato(const QString& nomeFile) {
    const qsizetype barra =
        std::max(nomeFile.lastIndexOf(QLatin1Char('/')), nomeFile.lastIndexOf(QLatin1Char('\\')));
    const qsizetype punto = nomeFile.lastIndexOf(QLatin1Char('.'));
    if (punto < 0 || punto < barra)
        return {};
    return nomeFile.mid(punto + 1).toLower();
}

QByteArray formatoPerParola(const QString& parola) {
    const QByteArray p = parola.toLower().toLatin1();
    if (p == "jpg" || p == "jpeg")
        return "jpeg";
    if (p == "tif" || p == "tiff")
        return "tiff";
    if (p == "gif")
        return "gif";
    if (p == "bmp")
        return "bmp";
    if (!p.isEmpty() && QImageWriter::supportedImageFormats().contains(p))
        return p;
    return "bmp";
}

CodificaImmagine codificaImmagine(const QImage& immagine, const QByteArray& formato) {
    if (immagine.isNull()) {
        CodificaImmagine esito;
        esito.formato = formato;
        esito.messaggio = QStringLiteral("l'immagine è vuota");
        return esito;
    }
    CodificaImmagine esito =
        formato == "gif" ? codificaGif(immagine) : codificaQt(immagine, formato);
    if (!esito.ok && formato != "bmp") {
        // The word names a format that cannot hold this image: a bitmap is still a file the
        // user can open, as the program always wrote.
        CodificaImmagine bitmap = codificaQt(immagine, "bmp");
        if (bitmap.ok)
            return bitmap;
    }
    return esito;
}

bool parolaVettoriale(const QString& parola) {
    const QString p = parola.toLower();
    return p == QLatin1String("svg") || p == QLatin1String("pdf");
}

CodificaImmagine codificaDisegno(const Disegno& disegno, QSize dimensione, const StileTela& stile,
                                 double dpi, const QByteArray& formato) {
    CodificaImmagine esito;
    esito.formato = formato;
    const QSize lati = dimensione.expandedTo(QSize(1, 1));
    const int risoluzione = dpi > 0 ? static_cast<int>(std::lround(dpi)) : 96;
    QByteArray dati;
    QBuffer memoria(&dati);
    memoria.open(QIODevice::WriteOnly);
    auto dipingi = [&](QPaintDevice& dispositivo) {
        QPainter pittore;
        if (!pittore.begin(&dispositivo))
            return false;
        const QRectF area(QPointF(0, 0), QSizeF(lati));
        pittore.fillRect(area, stile.sfondo);
        dipingiDisegno(pittore, area, disegno, stile);
        return pittore.end();
    };
    bool riuscita = false;
    if (formato == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&memoria);
        svg.setSize(lati);
        svg.setViewBox(QRect(QPoint(0, 0), lati));
        svg.setResolution(risoluzione);
        riuscita = dipingi(svg);
    } else {
        QPdfWriter pdf(&memoria);
        pdf.setResolution(risoluzione);
        pdf.setCreator(QStringLiteral("Spintaro"));
        // One page of the drawing's size: pixels at dpi, in points.
        const QSizeF punti = QSizeF(lati) * (72.0 / risoluzione);
        pdf.setPageLayout(
            QPageLayout(QPageSize(punti, QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        riuscita = dipingi(pdf);
    }
    if (riuscita && formato == "svg") {
        // The generator gives the size in millimetres, rounded, and a reader then makes one pixel
        // more of it: state the size in pixels, as the drawing has it.
        static const QRegularExpression dimensioni(
            QStringLiteral("(<svg[^>]*?) width=\"[^\"]*\" height=\"[^\"]*\""));
        QString testo = QString::fromUtf8(dati);
        testo.replace(
            dimensioni,
            QStringLiteral("\\1 width=\"%1\" height=\"%2\"").arg(lati.width()).arg(lati.height()));
        dati = testo.toUtf8();
    }
    if (!riuscita) {
        esito.messaggio =
            QStringLiteral("disegno %1 non riuscito").arg(QString::fromLatin1(formato).toUpper());
        return esito;
    }
    esito.byte.assign(dati.constData(), static_cast<std::size_t>(dati.size()));
    esito.ok = true;
    return esito;
}

EsitoFile scriviImmagine(const QString& percorso, const QImage& immagine) {
    const CodificaImmagine codifica =
        codificaImmagine(immagine, formatoPerParola(parolaFormato(percorso)));
    if (!codifica.ok)
        return EsitoFile{false, codifica.messaggio};
    return scriviFileAtomico(percorso, codifica.byte);
}

} // namespace spintaro
