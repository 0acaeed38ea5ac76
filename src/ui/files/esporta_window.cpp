// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/esporta_window.h"

#include "files/esportazione.h"
#include "files/nomi_file.h"
#include "model/modulo1.h"
#include "platform/fonte_separatori.h"
#include "platform/liste_file.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"

#include <QLineEdit>
#include <QPushButton>

namespace spintaro {

EsportaWindow::EsportaWindow(Servizi& servizi)
    : FinestraSceltaFile(IdFinestra::Esporta, servizi, QStringLiteral("Esporta"), 5745, 2325) {
    Dir1 = creaListaCartelle(0, 0, 2535, 1890);
    File1 = creaListaFile(QStringLiteral("*.dat"), 2640, 0, 3135, 1845);
    Annulla = creaPulsante("Annulla", QStringLiteral("Annulla"), 4440, 1920, 1095, 375);
    Salva = creaPulsante("Salva", QStringLiteral("Salva"), 2880, 1920, 1095, 375);
    txt_salva = creaCasellaNome("txt_salva", QString(), 360, 1920, 1935, 285);

    collegaListe(nullptr, Dir1, File1, txt_salva);
    impostaOrdineTab({Dir1, File1, Annulla, Salva, txt_salva});

    QObject::connect(Salva, &QPushButton::clicked, this,
                     [this] { comando([this] { Salva_Click(); }); });
    QObject::connect(Annulla, &QPushButton::clicked, this,
                     [this] { comando([this] { Annulla_Click(); }); });
}

void EsportaWindow::Salva_Click() {
    // ".dat" is always appended, also to a name that already ends in it; an empty name would only
    // make a hidden file called ".dat", so the user is asked for one instead.
    const auto nome = NomeFileEsportazione(txt_salva->text().toStdString());
    if (!nome) {
        avvisa(QStringLiteral("inserisci nome file"));
        return;
    }
    Modulo1& m = servizi().modulo;
    const Intero16 indice = m.IndiceStrato;
    const std::string testo = TestoEsportazione(m, servizi().separatori.separatori().decimale);
    if (!scriviOAvvisa(QString::fromStdString(*nome), testo, indice,
                       QStringLiteral("La tabella non è stata esportata nel file")))
        return;
    servizi().finestre.nascondi(IdFinestra::Esporta);
}

void EsportaWindow::Annulla_Click() {
    servizi().finestre.nascondi(IdFinestra::Esporta);
}

} // namespace spintaro
