// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/apri_window.h"

#include "files/parametri_lavoro.h"
#include "files/progetto.h"
#include "platform/collegamenti.h"
#include "platform/file_system.h"
#include "platform/liste_file.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/servizio_messaggi.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace spintaro {

ApriWindow::ApriWindow(Servizi& servizi)
    : FinestraSceltaFile(IdFinestra::Apri, servizi, QStringLiteral("Apri"), 6660, 4050) {
    Dir1 = creaListaCartelle(0, 480, 3015, 3465);
    File1 = creaListaFile(QStringLiteral("*.spt"), 3120, 240, 3495, 2235);
    Apri = creaPulsante("Apri", QStringLiteral("Apri"), 5040, 3000, 1455, 375);
    txt_apri = creaCasellaNome("txt_apri", QString(), 3240, 3240, 1695, 285);
    Annulla = creaPulsante("Annulla", QStringLiteral("Annulla"), 5040, 3600, 1455, 375);
    Drive1 = creaListaDischi(0, 120, 3015, 315);

    collegaListe(Drive1, Dir1, File1, txt_apri);
    impostaOrdineTab({Dir1, File1, Apri, txt_apri, Annulla, Drive1});

    QObject::connect(Apri, &QPushButton::clicked, this,
                     [this] { comando([this] { Apri_Click(); }); });
    QObject::connect(Annulla, &QPushButton::clicked, this,
                     [this] { comando([this] { Annulla_Click(); }); });
}

void ApriWindow::Apri_Click() {
    // The name is used exactly as typed or picked: no extension is added or tested.
    const QString nome = txt_apri->text();
    if (nome.isEmpty()) {
        avvisa(QStringLiteral("inserisci nome file"));
        return;
    }
    if (!apriProgetto(servizi(), nome))
        return;
    servizi().finestre.scarica(IdFinestra::Apri);
}

namespace {

// The read file (or why it could not be read) into the job; nomeNelMessaggio names it, nome is
// what the job remembers as its file.
// parametri is the job's parameter file, read beside it (a missing one means the defaults; one
// that cannot be read or used stops the opening, so that the job is never computed with the
// defaults in place of its own values).
bool apri(Servizi& servizi, const QString& nome, const QString& nomeNelMessaggio,
          const LetturaFile& letto, const QString& parametriNelMessaggio,
          const LetturaFile& parametri) {
    const QString nonAperto = QStringLiteral("Il progetto «%1» non è stato aperto:\r\n%2.\r\n"
                                             "I dati in memoria non sono stati modificati.");
    auto avvisa = [&](const QString& motivo) {
        servizi.messaggi.mostra(TitoloApplicazione, nonAperto.arg(nomeNelMessaggio, motivo),
                                Pulsanti::Ok);
        return false;
    };
    if (!letto.ok)
        return avvisa(letto.messaggio);
    DatiLavoro dati;
    double sovraccarico = 0; // the job's own: 0 when its parameter file does not give one
    if (parametri.ok) {
        LetturaParametri l = LeggiParametri(parametri.byte);
        if (!l.ok)
            return avvisa(QStringLiteral("il file dei parametri «%1»%2: %3")
                              .arg(parametriNelMessaggio,
                                   l.riga > 0 ? QStringLiteral(", riga %1").arg(l.riga) : QString(),
                                   QString::fromStdString(l.messaggio)));
        dati = std::move(l.dati);
        sovraccarico = l.sovraccarico;
    } else if (!parametri.manca) {
        return avvisa(QStringLiteral("il file dei parametri «%1» non si legge: %2")
                          .arg(parametriNelMessaggio, parametri.messaggio));
    }
    // Commits only when the whole file has been read and every layer computed.
    const EsitoApertura esito = ApriProgetto(servizi.modulo, letto.byte, sovraccarico);
    if (!esito.ok) {
        QString motivo = QString::fromStdString(esito.messaggio);
        if (esito.riga > 0)
            motivo = QStringLiteral("riga %1: %2").arg(esito.riga).arg(motivo);
        return avvisa(motivo);
    }
    servizi.lavoro = std::move(dati);
    // The main window numbers the layers read, so that Ok keeps them all.
    servizi.collegamenti.progettoAperto();
    servizi.collegamenti.progettoNelFile(nome);
    return true;
}

} // namespace

bool apriProgetto(Servizi& servizi, const QString& nome) {
    const QString parametri = QString::fromStdString(NomeParametri(nome.toStdString()));
    return apri(servizi, nome, percorsoPerMessaggio(nome), leggiFile(nome),
                percorsoPerMessaggio(parametri), leggiFile(parametri));
}

bool apriProgetto(Servizi& servizi, const PercorsoFile& nome) {
    const PercorsoFile parametri{NomeParametri(nome.byte)};
    return apri(servizi, QFile::decodeName(QByteArray::fromStdString(nome.byte)),
                percorsoPerMessaggio(nome), leggiFile(nome), percorsoPerMessaggio(parametri),
                leggiFile(parametri));
}

void ApriWindow::Annulla_Click() {
    servizi().finestre.scarica(IdFinestra::Apri);
}

} // namespace spintaro
