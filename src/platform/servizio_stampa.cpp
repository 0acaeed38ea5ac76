#include "platform/servizio_stampa.h"

#include "platform/finestra_base.h"
#include "platform/servizi.h"
#include "platform/servizio_messaggi.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace spintaro {

bool StampaPredefinita::stampa(FinestraBase& finestra) {
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull()) {
        m_messaggi.mostra(TitoloApplicazione,
                          QStringLiteral("Nessuna stampante predefinita: impossibile stampare."),
                          Pulsanti::Ok);
        return false;
    }
    QPrinter stampante(predefinita, QPrinter::HighResolution);
    stampante.setDocName(finestra.windowTitle());
    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        m_messaggi.mostra(
            TitoloApplicazione,
            QStringLiteral("La stampante \"%1\" non è disponibile.").arg(predefinita.printerName()),
            Pulsanti::Ok);
        return false;
    }
    // The client area at its on-screen size: screen pixels scaled to printer dots.
    const double scala = stampante.logicalDpiX() / double(finestra.logicalDpiX());
    pittore.scale(scala, scala);
    finestra.render(&pittore);
    pittore.end();
    return true;
}

bool StampaRegistrata::stampa(FinestraBase& finestra) {
    m_stampate.append(finestra.objectName());
    m_visibili.append(finestra.isVisible());
    return true;
}

} // namespace spintaro
