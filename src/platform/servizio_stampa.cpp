// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/servizio_stampa.h"

#include "platform/file_system.h"
#include "platform/finestra_base.h"
#include "platform/servizi.h"
#include "platform/servizio_messaggi.h"

#include <QBuffer>
#include <QFontInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace spintaro {

StampaPredefinita::StampaPredefinita(ServizioMessaggi& messaggi, FontePredefinita predefinita)
    : m_messaggi(messaggi), m_predefinita(std::move(predefinita)) {}

QString StampaPredefinita::nomeFilePdf(const FinestraBase& finestra) {
    return nomeFinestra(finestra.id()) + QStringLiteral(".pdf");
}

bool StampaPredefinita::stampa(FinestraBase& finestra) {
    const QPrinterInfo predefinita = m_predefinita ? m_predefinita() : QPrinterInfo();
    if (predefinita.isNull())
        return offriPdf(finestra, QStringLiteral("Nessuna stampante predefinita disponibile"));

    QPrinter stampante(predefinita, QPrinter::HighResolution);
    stampante.setDocName(finestra.windowTitle());
    QPainter pittore;
    if (!pittore.begin(&stampante))
        return offriPdf(
            finestra,
            QStringLiteral("La stampante \"%1\" non è disponibile").arg(predefinita.printerName()));
    finestra.stampaSu(pittore, stampante);
    // end() sends the job; a printer that fails here has not printed anything.
    if (!pittore.end()) {
        m_messaggi.mostra(TitoloApplicazione,
                          QStringLiteral("La stampa di \"%1\" sulla stampante \"%2\" non è "
                                         "riuscita.")
                              .arg(finestra.windowTitle(), predefinita.printerName()),
                          Pulsanti::Ok);
        return false;
    }
    return true;
}

bool StampaPredefinita::offriPdf(FinestraBase& finestra, const QString& motivo) {
    const QString nome = nomeFilePdf(finestra);
    const QString domanda =
        QStringLiteral("%1: impossibile stampare \"%2\".\r\nSalvare la pagina nel file PDF "
                       "\"%3\" nella cartella di lavoro?")
            .arg(motivo, finestra.windowTitle(), nome);
    if (m_messaggi.mostra(TitoloApplicazione, domanda, Pulsanti::SiNo) != Risposta::Si)
        return false;

    // The whole document is built in memory, then written in one go: a failed write leaves any
    // earlier file of that name intact.
    QByteArray byte;
    {
        QBuffer memoria(&byte);
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoria);
        pdf.setTitle(finestra.windowTitle());
        pdf.setCreator(QStringLiteral("Spintaro 1.1"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(600);
        QPainter pittore;
        if (!pittore.begin(&pdf)) {
            m_messaggi.mostra(TitoloApplicazione,
                              QStringLiteral("Impossibile preparare il file PDF \"%1\".").arg(nome),
                              Pulsanti::Ok);
            return false;
        }
        finestra.stampaSu(pittore, pdf);
        pittore.end();
    }
    const EsitoFile esito = scriviFileAtomico(
        nome, std::string(byte.constData(), static_cast<std::size_t>(byte.size())));
    if (!esito.ok) {
        m_messaggi.mostra(TitoloApplicazione,
                          QStringLiteral("Impossibile scrivere il file PDF «%1»:\r\n%2.")
                              .arg(percorsoPerMessaggio(nome), esito.messaggio),
                          Pulsanti::Ok);
        return false;
    }
    m_messaggi.mostra(
        TitoloApplicazione,
        QStringLiteral("La pagina è stata salvata nel file «%1».").arg(percorsoPerMessaggio(nome)),
        Pulsanti::Ok);
    return true;
}

double scalaPagina(const QPaintDevice& dispositivo, double dpiSchermo, QSizeF contenuto) {
    const double dpi = dpiSchermo > 0 ? dpiSchermo : 96.0;
    double scala = dispositivo.logicalDpiX() / dpi;
    if (contenuto.width() > 0 && dispositivo.width() > 0)
        scala = std::min(scala, dispositivo.width() / contenuto.width());
    if (contenuto.height() > 0 && dispositivo.height() > 0)
        scala = std::min(scala, dispositivo.height() / contenuto.height());
    return scala > 0 && std::isfinite(scala) ? scala : 1.0;
}

QFont carattereDelloSchermo(const QFont& carattere) {
    QFont f = carattere;
    f.setPixelSize(std::max(1, QFontInfo(carattere).pixelSize()));
    return f;
}

} // namespace spintaro
