// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrams/salva_immagine.h"

#include "diagrams/finestra_diagramma.h"
#include "platform/file_immagine.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/servizio_messaggi.h"

namespace spintaro {

EsitoFile salvaImmagineDiagramma(Servizi& servizi, IdFinestra diagramma, const QString& nomeFile) {
    EsitoFile esito;
    auto* finestra = qobject_cast<FinestraDiagramma*>(servizi.finestre.carica(diagramma));
    if (finestra == nullptr) {
        esito.messaggio =
            QStringLiteral("la finestra \"%1\" non è un diagramma").arg(nomeFinestra(diagramma));
    } else {
        esito = scriviImmagine(nomeFile, finestra->immagine());
    }
    if (!esito.ok) {
        servizi.messaggi.mostra(TitoloApplicazione,
                                QStringLiteral("Impossibile salvare l'immagine «%1»:\r\n%2.")
                                    .arg(percorsoPerMessaggio(nomeFile), esito.messaggio),
                                Pulsanti::Ok);
    }
    return esito;
}

} // namespace spintaro
