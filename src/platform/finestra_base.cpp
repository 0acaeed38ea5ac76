// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/finestra_base.h"

#include "platform/servizi.h"
#include "platform/servizio_messaggi.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QMenuBar>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace spintaro {

QString nomeFinestra(IdFinestra id) {
    switch (id) {
    case IdFinestra::Spintaro:
        return QStringLiteral("Spintaro");
    case IdFinestra::Sv:
        return QStringLiteral("Sv");
    case IdFinestra::Sa:
        return QStringLiteral("Sa");
    case IdFinestra::stampa1:
        return QStringLiteral("stampa1");
    case IdFinestra::Apri:
        return QStringLiteral("Apri");
    case IdFinestra::Salva:
        return QStringLiteral("Salva");
    case IdFinestra::Esporta:
        return QStringLiteral("Esporta");
    case IdFinestra::salvaimmagine:
        return QStringLiteral("salvaimmagine");
    case IdFinestra::Attenzione:
        return QStringLiteral("Attenzione");
    case IdFinestra::Nuovolavoro:
        return QStringLiteral("Nuovolavoro");
    case IdFinestra::frmSplash:
        return QStringLiteral("frmSplash");
    case IdFinestra::grazie1:
        return QStringLiteral("grazie1");
    }
    return {};
}

FinestraBase::FinestraBase(IdFinestra id, Servizi& servizi, const QString& titolo)
    : QWidget(nullptr, Qt::Window), m_id(id), m_servizi(servizi) {
    setObjectName(nomeFinestra(id));
    setWindowTitle(titolo);
}

void FinestraBase::stampaSu(QPainter& pittore, QPagedPaintDevice& pagine) {
    // Screen pixels scaled to the device's dots, and down to the page when the window is larger.
    const double scala = pagine.logicalDpiX() / double(std::max(1, logicalDpiX()));
    const double adatta = std::min({scala, pagine.width() / double(std::max(1, width())),
                                    pagine.height() / double(std::max(1, height()))});
    pittore.save();
    pittore.scale(adatta, adatta);
    render(&pittore);
    pittore.restore();
}

QMenuBar* FinestraBase::impaginaConMenu(QWidget* client, bool dimensioneFissa) {
    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->setContentsMargins(0, 0, 0, 0);
    impaginazione->setSpacing(0);
    if (dimensioneFissa)
        impaginazione->setSizeConstraint(QLayout::SetFixedSize);
    auto* barra = new QMenuBar(this);
    barra->setObjectName(QStringLiteral("barraMenu"));
    impaginazione->setMenuBar(barra);
    impaginazione->addWidget(client);
    return barra;
}

void FinestraBase::setVisible(bool visibile) {
    if (visibile && !isVisible() && m_postoLasciato) {
        setGeometry(*m_postoLasciato);
        // Given to the native window as well, even when the widget's place did not change: so the
        // window manager is told that the place is the program's own and keeps it.
        if (QWindow* finestra = windowHandle())
            finestra->setGeometry(*m_postoLasciato);
    }
    QWidget::setVisible(visibile);
}

void FinestraBase::hideEvent(QHideEvent* evento) {
    QWidget::hideEvent(evento);
    // The window system's own hides (minimising) change nothing.
    if (!evento->spontaneous())
        m_postoLasciato = geometry();
}

void FinestraBase::closeEvent(QCloseEvent* evento) {
    evento->accept();
    Q_EMIT chiusaDalBordo(m_id);
}

void FinestraBase::segnalaErroreImprevisto(const char* cosa) noexcept {
    try {
        QString testo = QStringLiteral("Si è verificato un errore imprevisto");
        if (cosa != nullptr && *cosa != '\0')
            testo += QStringLiteral(": ") + QString::fromUtf8(cosa);
        testo += QStringLiteral(".\r\nI dati in memoria non sono stati persi.");
        m_servizi.messaggi.mostra(TitoloApplicazione, testo, Pulsanti::Ok);
    } catch (...) {
        // Nothing is left to tell the user with; the event loop must go on.
    }
}

} // namespace spintaro
