// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagrams/comando_relazione.h"

#include "analisi/spinte_progetto.h"
#include "files/parametri_lavoro.h"
#include "model/modulo1.h"
#include "platform/collegamenti.h"
#include "platform/fonte_separatori.h"
#include "platform/pittore_relazione.h"
#include "platform/servizi.h"
#include "platform/servizio_desktop.h"
#include "platform/servizio_messaggi.h"
#include "report/relazione.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace spintaro {

void comandoRelazione(Servizi& servizi, QWidget* genitore) {
    // The design chapter when the job has parameters of its own or its design results were shown;
    // a report that should hold it and cannot is not written.
    std::optional<RisultatoProgetto> progettazione;
    if (ParametriDiProgetto(servizi.lavoro) || servizi.collegamenti.risultatiProgettoRichiesti()) {
        progettazione = CalcolaSpinteProgetto(servizi.modulo, servizi.lavoro.parametri);
        if (!progettazione->ok) {
            servizi.messaggi.mostra(TitoloApplicazione,
                                    QStringLiteral("La relazione di calcolo non è stata scritta: "
                                                   "le spinte di progetto non sono calcolabili:"
                                                   "\r\n%1.")
                                        .arg(QString::fromStdString(progettazione->messaggio)),
                                    Pulsanti::Ok);
            return;
        }
    }
    const QString progetto = servizi.collegamenti.fileProgetto();
    // The dialog starts in the working directory, which the file windows share, with the
    // project's name.
    const QString proposto =
        QDir::current().filePath((progetto.isEmpty() ? QStringLiteral("relazione")
                                                     : QFileInfo(progetto).completeBaseName()) +
                                 QStringLiteral(".pdf"));
    const auto scelto = servizi.desktop.chiediFileDaSalvare(
        genitore, QStringLiteral("Relazione di calcolo"), proposto,
        QStringLiteral("Documenti PDF (*.pdf)"), QStringLiteral("pdf"));
    if (!scelto || scelto->isEmpty())
        return;
    QString nome = *scelto;
    if (!nome.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        nome += QStringLiteral(".pdf");

    const DatiRelazione dati{progetto.toStdString(),
                             dataOraRelazione(),
                             programmaRelazione(),
                             servizi.separatori.separatori().decimale,
                             progettazione ? &servizi.lavoro.parametri : nullptr,
                             progettazione ? &*progettazione : nullptr,
                             &servizi.lavoro.intestazione,
                             codiceRelazione()};
    const EsitoFile esito = scriviRelazione(nome, ComponiRelazione(servizi.modulo, dati));
    if (!esito.ok) {
        servizi.messaggi.mostra(TitoloApplicazione,
                                QStringLiteral("Impossibile scrivere la relazione di calcolo "
                                               "«%1»:\r\n%2.")
                                    .arg(percorsoPerMessaggio(nome), esito.messaggio),
                                Pulsanti::Ok);
        return;
    }
    const QString domanda = QStringLiteral("La relazione di calcolo è stata salvata nel file "
                                           "«%1».\r\nAprirla con il visualizzatore di PDF?")
                                .arg(percorsoPerMessaggio(nome));
    if (servizi.messaggi.mostra(TitoloApplicazione, domanda, Pulsanti::SiNo) != Risposta::Si)
        return;
    if (!servizi.desktop.apriDocumento(QFileInfo(nome).absoluteFilePath()))
        servizi.messaggi.mostra(TitoloApplicazione,
                                QStringLiteral("Impossibile aprire «%1»: il desktop non ha un "
                                               "visualizzatore di PDF da avviare.")
                                    .arg(percorsoPerMessaggio(nome)),
                                Pulsanti::Ok);
}

} // namespace spintaro
