// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagrams/salva_immagine.h"

#include "platform/file_immagine.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/servizio_messaggi.h"
#include "platform/servizio_stampa.h"
#include "platform/tela.h"
#include "ui/diagrams/finestra_diagramma.h"

namespace spintaro {

EsitoFile salvaImmagineDiagramma(Servizi& servizi, IdFinestra diagramma, const QString& nomeFile) {
    EsitoFile esito;
    auto* finestra = qobject_cast<FinestraDiagramma*>(servizi.finestre.carica(diagramma));
    if (finestra == nullptr) {
        esito.messaggio =
            QStringLiteral("la finestra \"%1\" non è un diagramma").arg(nomeFinestra(diagramma));
    } else if (const QString parola = parolaFormato(nomeFile); parolaVettoriale(parola)) {
        // The drawing itself, at the canvas's client size, as the screen shows it but with lines
        // one pixel wide instead of one device dot, so that they keep their width when enlarged.
        const Tela& tela = *finestra->tela();
        StileTela stile = tela.stile();
        stile.carattere = carattereDelloSchermo(tela.font());
        stile.larghezzaLinea = 1;
        const CodificaImmagine codifica = codificaDisegno(tela.disegno(), tela.size(), stile,
                                                          tela.logicalDpiX(), parola.toLatin1());
        esito = codifica.ok ? scriviFileAtomico(nomeFile, codifica.byte)
                            : EsitoFile{false, codifica.messaggio};
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
