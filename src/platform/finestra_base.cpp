// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/finestra_base.h"

#include "platform/accessibilita.h"
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
#include <iterator>

namespace spintaro {

namespace {

struct DatiFinestra {
    const char* nome;
    // Asks a question or picks a file: a dialog to a screen reader; the others are frames.
    bool dialogo;
    // What a screen reader calls a window that has no caption.
    const char* nomeSenzaTitolo = "";
};

// In the order of IdFinestra.
constexpr DatiFinestra Finestre[] = {
    {"Spintaro", false},
    {"Sv", false},
    {"Sa", false},
    {"stampa1", false},
    {"Apri", true},
    {"Salva", true},
    {"Esporta", true},
    {"salvaimmagine", true},
    {"Attenzione", true},
    {"Nuovolavoro", true, "Nuovo Lavoro?"},
    {"frmSplash", false, "Informazioni su Spintaro 1.1"},
    {"grazie1", false},
    {"Parametri", false},
    {"SpinteProgetto", false},
    {"Intestazione", false},
    {"Carichi", false},
};
static_assert(std::size(Finestre) == TutteLeFinestre.size());

const DatiFinestra& dati(IdFinestra id) {
    return Finestre[static_cast<std::size_t>(id)];
}

} // namespace

QString nomeFinestra(IdFinestra id) {
    return QLatin1String(dati(id).nome);
}

FinestraBase::FinestraBase(IdFinestra id, Servizi& servizi, const QString& titolo)
    : QWidget(nullptr, Qt::Window), m_id(id), m_servizi(servizi) {
    installaAccessibilita();
    setObjectName(nomeFinestra(id));
    setWindowTitle(titolo);
    if (*dati(id).nomeSenzaTitolo != '\0')
        setAccessibleName(QString::fromUtf8(dati(id).nomeSenzaTitolo));
}

bool FinestraBase::dialogo() const {
    return dati(m_id).dialogo;
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
