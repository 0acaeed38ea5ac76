// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/salvaimmagine_window.h"

#include "files/nomi_file.h"
#include "platform/liste_file.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace spintaro {

SalvaimmagineWindow::SalvaimmagineWindow(Servizi& servizi)
    : FinestraSceltaFile(IdFinestra::salvaimmagine, servizi, QStringLiteral("Salva Immagine"), 7035,
                         4500) {
    // After the four bitmap words, the two that write the drawing as vector output. The file
    // list shows every kind of image the dialog writes, so a saved picture is listed.
    const QStringList formati = {QStringLiteral("bmp"), QStringLiteral("jpg"),
                                 QStringLiteral("gif"), QStringLiteral("tif"),
                                 QStringLiteral("svg"), QStringLiteral("pdf")};
    QStringList schemi;
    for (const QString& parola : formati)
        schemi.append(QStringLiteral("*.") + parola);
    Dir1 = creaListaCartelle(120, 840, 3015, 2115);
    File1 = creaListaFile(schemi.join(QLatin1Char(';')), 3240, 840, 3495, 2235);
    Salva = creaPulsante("Salva", QStringLiteral("Salva"), 2760, 3480, 1455, 375);
    txt_salva = creaCasellaNome("txt_salva", QStringLiteral("Nuovo"), 480, 3360, 2055, 285);
    txt_formato = creaFormato(formati, QStringLiteral("bmp"), 480, 3720, 2055, 315);
    Annulla = creaPulsante("Annulla", QStringLiteral("Annulla"), 4440, 3480, 1455, 375);
    Drive1 = creaListaDischi(120, 480, 3015, 315);

    // The file list only shows the images already there: a click does not copy the name.
    collegaListe(Drive1, Dir1, File1, nullptr);
    impostaOrdineTab({Dir1, File1, Salva, txt_salva, txt_formato, Annulla, Drive1});

    QObject::connect(Salva, &QPushButton::clicked, this,
                     [this] { comando([this] { Salva_Click(); }); });
    QObject::connect(Annulla, &QPushButton::clicked, this,
                     [this] { comando([this] { Annulla_Click(); }); });
}

void SalvaimmagineWindow::Salva_Click() {
    const QString nomeFile = QString::fromStdString(NomeFileImmagine(
        txt_salva->text().toStdString(), txt_formato->currentText().toStdString()));
    if (m_salvataggio)
        m_salvataggio(m_diagramma, nomeFile);
    // The new image is listed at once.
    File1->aggiorna();
}

void SalvaimmagineWindow::Annulla_Click() {
    servizi().finestre.nascondi(IdFinestra::salvaimmagine);
}

} // namespace spintaro
