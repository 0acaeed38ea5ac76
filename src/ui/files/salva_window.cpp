// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/salva_window.h"

#include "files/nomi_file.h"
#include "files/parametri_lavoro.h"
#include "files/progetto.h"
#include "model/modulo1.h"
#include "platform/collegamenti.h"
#include "platform/file_system.h"
#include "platform/liste_file.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace spintaro {

SalvaWindow::SalvaWindow(Servizi& servizi)
    : FinestraSceltaFile(IdFinestra::Salva, servizi, QStringLiteral("Salva"), 6855, 4065) {
    Drive1 = creaListaDischi(120, 120, 3015, 315);
    Annulla = creaPulsante("Annulla", QStringLiteral("Annulla"), 4320, 3000, 1455, 375);
    txt_formato = creaFormato({QStringLiteral("spt"), QStringLiteral("*.*")}, QStringLiteral("spt"),
                              360, 3240, 2055, 315);
    txt_salva = creaCasellaNome("txt_salva", QStringLiteral("Nuovo"), 360, 2880, 2055, 285);
    Salva = creaPulsante("Salva", QStringLiteral("Salva"), 2640, 3000, 1455, 375);
    File1 = creaListaFile(QStringLiteral("*.spt;*.dat"), 3240, 480, 3495, 2040);
    Dir1 = creaListaCartelle(120, 480, 3015, 2115);

    collegaListe(Drive1, Dir1, File1, txt_salva);
    impostaOrdineTab({Drive1, Annulla, txt_formato, txt_salva, Salva, File1, Dir1});
    // This window opens at its design place near the top-left corner of the screen.
    posizionaSulloSchermo(180, 1875);

    QObject::connect(Salva, &QPushButton::clicked, this,
                     [this] { comando([this] { Salva_Click(); }); });
    QObject::connect(Annulla, &QPushButton::clicked, this,
                     [this] { comando([this] { Annulla_Click(); }); });
}

void SalvaWindow::Salva_Click() {
    const auto nome = NomeFileProgetto(txt_salva->text().toStdString());
    if (!nome) {
        avvisa(QStringLiteral("inserisci nome file"));
        return;
    }
    Modulo1& m = servizi().modulo;
    // The writer walks the table with IndiceStrato; a save that fails leaves even that as it was,
    // and the window stays open, so that another folder or name can be chosen.
    const Intero16 indice = m.IndiceStrato;
    // The parameter file first, so that a project file never stands beside parameters that are
    // not its own; when the project file then fails, the parameter file comes back as it was.
    const QString nomeParametri = QString::fromStdString(NomeParametri(*nome));
    const std::string parametri = TestoParametri(servizi().lavoro, m.Strati(0).Sv);
    const LetturaFile prima = leggiFile(nomeParametri);
    const bool invariato = parametri.empty() ? prima.manca : prima.ok && prima.byte == parametri;
    if (!invariato) {
        const EsitoFile scritto = parametri.empty() ? rimuoviFile(nomeParametri)
                                                    : scriviFileAtomico(nomeParametri, parametri);
        if (!scritto.ok) {
            avvisa(
                QStringLiteral("Il progetto non è stato salvato nel file «%1»: il file dei "
                               "parametri «%2» non è stato %3:\r\n%4.\r\nI file che esistevano "
                               "con questi nomi non sono stati modificati.")
                    .arg(percorsoPerMessaggio(QString::fromStdString(*nome)),
                         percorsoPerMessaggio(nomeParametri),
                         parametri.empty() ? QStringLiteral("rimosso") : QStringLiteral("scritto"),
                         scritto.messaggio));
            return;
        }
    }
    if (!scriviOAvvisa(QString::fromStdString(*nome), ScriviProgetto(m), indice,
                       QStringLiteral("Il progetto non è stato salvato nel file"))) {
        if (!invariato)
            (void)(prima.ok ? scriviFileAtomico(nomeParametri, prima.byte)
                            : rimuoviFile(nomeParametri));
        return;
    }
    servizi().collegamenti.progettoNelFile(QString::fromStdString(*nome));
    servizi().finestre.scarica(IdFinestra::Salva);
    servizi().finestre.apri(IdFinestra::Nuovolavoro);
}

void SalvaWindow::Annulla_Click() {
    servizi().finestre.scarica(IdFinestra::Salva);
}

} // namespace spintaro
