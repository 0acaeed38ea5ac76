// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/intestazione_window.h"

#include "platform/caratteri.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "ui/calcolo/controlli.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace spintaro {

namespace {

QString q(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

} // namespace

IntestazioneWindow::IntestazioneWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Intestazione, servizi, QStringLiteral("Intestazione del progetto")) {
    setFont(fontMsSansSerif(8.25));
    auto* principale = new QVBoxLayout(this);
    principale->setSizeConstraint(QLayout::SetFixedSize);
    auto* campi = new QFormLayout;
    for (const VoceParametro& v : VociIntestazione()) {
        auto* testo = new QLineEdit(this);
        testo->setObjectName(q(v.chiave));
        testo->setMinimumWidth(320);
        testo->setAccessibleName(q(v.etichetta)); // the caption's words, without the colon
        auto* etichetta = new QLabel(q(v.etichetta) + QStringLiteral(":"), this);
        etichetta->setBuddy(testo);
        campi->addRow(etichetta, testo);
        m_campi.emplace_back(&v, testo);
    }
    principale->addLayout(campi);

    Esito = creaNota(this, "Esito", QStringLiteral("Esito"));
    principale->addWidget(Esito);

    auto* pulsanti = new QHBoxLayout;
    Applica = creaPulsante(this, pulsanti, "Applica", QStringLiteral("&Applica"));
    pulsanti->addStretch();
    Chiudi = creaPulsante(this, pulsanti, "Chiudi", QStringLiteral("&Chiudi"));
    principale->addLayout(pulsanti);

    QObject::connect(Applica, &QPushButton::clicked, this,
                     [this] { comando([this] { applica(); }); });
    QObject::connect(Chiudi, &QPushButton::clicked, this,
                     [this] { comando([this] { this->servizi().finestre.nascondi(id()); }); });
    mostraIntestazione();
}

void IntestazioneWindow::showEvent(QShowEvent* evento) {
    FinestraBase::showEvent(evento);
    // Opened by the program (not shown again by the window manager): the job's values now.
    if (!evento->spontaneous())
        mostraIntestazione();
}

void IntestazioneWindow::mostraIntestazione() {
    for (const auto& [voce, testo] : m_campi)
        testo->setText(QString::fromStdString(voce->testo(servizi().lavoro)));
    segnala({}, false);
}

bool IntestazioneWindow::applica() {
    DatiLavoro nuovi = servizi().lavoro;
    for (const auto& [voce, testo] : m_campi)
        if (auto motivo =
                voce->imposta(nuovi, testo->text().trimmed().toStdString(), voce->etichetta)) {
            segnala(QStringLiteral("Intestazione non applicata: %1.")
                        .arg(QString::fromStdString(*motivo)),
                    true);
            testo->setFocus(Qt::OtherFocusReason);
            return false;
        }
    servizi().lavoro = nuovi;
    mostraIntestazione();
    segnala(QStringLiteral("Intestazione applicata: la relazione di calcolo la riporta e sarà "
                           "salvata con il progetto."),
            false);
    return true;
}

void IntestazioneWindow::segnala(const QString& testo, bool errore) {
    mostraEsito(Esito, testo, errore);
}

} // namespace spintaro
