// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pittore_relazione.h"

#include "diagrams/geometria.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <type_traits>
#include <variant>

namespace spintaro {

namespace {

QString daUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

QFont carattereRelazione(Carattere c) {
    QFont f;
    f.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(dimensioneCarattere(c));
    f.setBold(carattereGrassetto(c));
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QColor coloreRelazione(Inchiostro i) {
    switch (i) {
    case Inchiostro::Nero:
        return QColor(0, 0, 0);
    case Inchiostro::Grigio:
        return QColor(110, 110, 110);
    case Inchiostro::GrigioChiaro:
        return QColor(190, 190, 190);
    case Inchiostro::Fondo:
        return QColor(238, 238, 238);
    case Inchiostro::Rosso:
        return QColor(RgbRosso.r, RgbRosso.g, RgbRosso.b);
    case Inchiostro::RossoScuro:
        break;
    }
    return QColor(RgbRossoScuro.r, RgbRossoScuro.g, RgbRossoScuro.b);
}

void dipingiPaginaRelazione(QPainter& pittore, const PaginaRelazione& pagina, double unita) {
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing, true);
    auto penna = [unita](Inchiostro i, double spessore) {
        QPen p(coloreRelazione(i));
        p.setWidthF(spessore * unita);
        p.setCapStyle(Qt::FlatCap);
        p.setJoinStyle(Qt::MiterJoin);
        return p;
    };
    for (const PassoPagina& passo : pagina.passi) {
        std::visit(
            [&](const auto& s) {
                using T = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<T, TestoPagina>) {
                    const QFont f = carattereRelazione(s.carattere);
                    const QString testo = daUtf8(s.testo);
                    pittore.setFont(f);
                    pittore.setPen(coloreRelazione(s.inchiostro));
                    double x = s.x * unita;
                    if (s.allineamento != Allineamento::Sinistra) {
                        const double w =
                            QFontMetricsF(f, pittore.device()).horizontalAdvance(testo);
                        x -= s.allineamento == Allineamento::Centro ? w / 2 : w;
                    }
                    pittore.drawText(QPointF(x, s.y * unita), testo);
                } else if constexpr (std::is_same_v<T, LineaPagina>) {
                    pittore.setPen(penna(s.inchiostro, s.spessore));
                    pittore.drawLine(
                        QLineF(s.x1 * unita, s.y1 * unita, s.x2 * unita, s.y2 * unita));
                } else {
                    const QRectF r(s.x * unita, s.y * unita, s.larghezza * unita,
                                   s.altezza * unita);
                    if (s.pieno) {
                        pittore.fillRect(r, coloreRelazione(s.inchiostro));
                    } else {
                        pittore.setPen(penna(s.inchiostro, s.spessore));
                        pittore.setBrush(Qt::NoBrush);
                        pittore.drawRect(r);
                    }
                }
            },
            passo);
    }
    pittore.restore();
}

PdfRelazione pdfRelazione(const DocumentoRelazione& documento) {
    PdfRelazione esito;
    QByteArray dati;
    {
        QBuffer memoria(&dati);
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoria);
        pdf.setTitle(daUtf8(documento.titolo));
        pdf.setCreator(daUtf8(programmaRelazione()));
        pdf.setResolution(RisoluzioneRelazione);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter pittore;
        if (!pittore.begin(&pdf)) {
            esito.messaggio = QStringLiteral("impossibile preparare il documento PDF");
            return esito;
        }
        const double unita = RisoluzioneRelazione / 72.0;
        for (std::size_t i = 0; i < documento.pagine.size(); ++i) {
            if (i > 0 && !pdf.newPage()) {
                esito.messaggio = QStringLiteral("impossibile aggiungere una pagina al PDF");
                return esito;
            }
            dipingiPaginaRelazione(pittore, documento.pagine[i], unita);
        }
        if (!pittore.end()) {
            esito.messaggio = QStringLiteral("impossibile completare il documento PDF");
            return esito;
        }
    }
    esito.byte.assign(dati.constData(), static_cast<std::size_t>(dati.size()));
    esito.ok = true;
    return esito;
}

namespace {

template <typename Percorso>
EsitoFile scrivi(const Percorso& percorso, const DocumentoRelazione& documento) {
    const PdfRelazione pdf = pdfRelazione(documento);
    if (!pdf.ok)
        return EsitoFile{false, pdf.messaggio};
    return scriviFileAtomico(percorso, pdf.byte);
}

} // namespace

EsitoFile scriviRelazione(const PercorsoFile& percorso, const DocumentoRelazione& documento) {
    return scrivi(percorso, documento);
}

EsitoFile scriviRelazione(const QString& percorso, const DocumentoRelazione& documento) {
    return scrivi(percorso, documento);
}

namespace {

// The toolkit's notes (a missing runtime folder, a font substituted) are no business of the
// batch calculator's user, whose stderr carries Italian messages only; its errors still show.
void soloErrori(QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(testo));
}

// Installs that filter for its own life.
class FiltroMessaggi {
public:
    FiltroMessaggi() : m_precedente(qInstallMessageHandler(soloErrori)) {}
    ~FiltroMessaggi() { qInstallMessageHandler(m_precedente); }
    FiltroMessaggi(const FiltroMessaggi&) = delete;
    FiltroMessaggi& operator=(const FiltroMessaggi&) = delete;

private:
    QtMessageHandler m_precedente;
};

} // namespace

class AmbienteGrafico {
public:
    AmbienteGrafico() : m_app(m_argc, m_argv.data()) {}

private:
    FiltroMessaggi m_filtro;
    int m_argc = 1;
    std::array<char, 17> m_nome{"spintaro-calcola"};
    std::array<char*, 2> m_argv{m_nome.data(), nullptr};
    QGuiApplication m_app;
};

void FineAmbienteGrafico::operator()(AmbienteGrafico* a) const {
    delete a;
}

std::unique_ptr<AmbienteGrafico, FineAmbienteGrafico> ambienteGraficoSeManca() {
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::unique_ptr<AmbienteGrafico, FineAmbienteGrafico>(new AmbienteGrafico);
}

EsitoFile scriviRelazioneSenzaFinestre(const PercorsoFile& percorso,
                                       const DocumentoRelazione& documento) {
    const auto grafica = ambienteGraficoSeManca();
    return scriviRelazione(percorso, documento);
}

} // namespace spintaro
