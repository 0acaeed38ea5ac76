// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/applicazione.h"

#include "ui/calcolo/carichi_window.h"
#include "ui/calcolo/parametri_window.h"
#include "ui/calcolo/spinte_progetto_window.h"
#include "ui/diagrams/sa_window.h"
#include "ui/diagrams/salva_immagine.h"
#include "ui/diagrams/stampa1_window.h"
#include "ui/diagrams/sv_window.h"
#include "ui/files/apri_window.h"
#include "ui/files/attenzione_window.h"
#include "ui/files/esporta_window.h"
#include "ui/files/intestazione_window.h"
#include "ui/files/nuovolavoro_window.h"
#include "ui/files/salva_window.h"
#include "ui/files/salvaimmagine_window.h"
#include "ui/info/frm_splash_window.h"
#include "ui/info/grazie1_window.h"
#include "ui/main/spintaro_window.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources live in a static library: make sure the linker keeps them.
static void inizializzaRisorse() {
    Q_INIT_RESOURCE(spintaro);
}

namespace spintaro {

namespace {

template <typename Finestra> RegistroFinestre::Fabbrica fabbrica(Servizi& servizi) {
    return [&servizi] {
        return std::make_unique<Finestra>(servizi);
    };
}

} // namespace

Applicazione::Applicazione(ServizioMessaggi& messaggi, const FonteSeparatori& separatori,
                           ServizioStampa& stampa, ServizioDesktop& desktop,
                           std::function<void()> fineProgramma)
    : m_finestre(stampa, std::move(fineProgramma)), m_servizi{m_modulo,   m_lavoro, messaggi,
                                                              separatori, stampa,   m_finestre,
                                                              *this,      desktop} {
    inizializzaRisorse();
    m_finestre.registra(IdFinestra::Spintaro, fabbrica<SpintaroWindow>(m_servizi));
    m_finestre.registra(IdFinestra::Sv, fabbrica<SvWindow>(m_servizi));
    m_finestre.registra(IdFinestra::Sa, fabbrica<SaWindow>(m_servizi));
    m_finestre.registra(IdFinestra::stampa1, fabbrica<Stampa1Window>(m_servizi));
    m_finestre.registra(IdFinestra::Apri, fabbrica<ApriWindow>(m_servizi));
    m_finestre.registra(IdFinestra::Salva, fabbrica<SalvaWindow>(m_servizi));
    m_finestre.registra(IdFinestra::Esporta, fabbrica<EsportaWindow>(m_servizi));
    // The image dialog's Salva writes the diagram it was opened for; the hook is set on every
    // new instance, because the frame's close box discards the old one.
    m_finestre.registra(IdFinestra::salvaimmagine, [this] {
        auto f = std::make_unique<SalvaimmagineWindow>(m_servizi);
        f->impostaSalvataggio([this](IdFinestra diagramma, const QString& nome) {
            salvaImmagineDiagramma(m_servizi, diagramma, nome); // tells the user on failure
        });
        return f;
    });
    m_finestre.registra(IdFinestra::Attenzione, fabbrica<AttenzioneWindow>(m_servizi));
    m_finestre.registra(IdFinestra::Nuovolavoro, fabbrica<NuovolavoroWindow>(m_servizi));
    m_finestre.registra(IdFinestra::frmSplash, fabbrica<FrmSplashWindow>(m_servizi));
    m_finestre.registra(IdFinestra::grazie1, fabbrica<Grazie1Window>(m_servizi));
    m_finestre.registra(IdFinestra::Parametri, fabbrica<ParametriWindow>(m_servizi));
    m_finestre.registra(IdFinestra::SpinteProgetto, fabbrica<SpinteProgettoWindow>(m_servizi));
    m_finestre.registra(IdFinestra::Intestazione, fabbrica<IntestazioneWindow>(m_servizi));
    m_finestre.registra(IdFinestra::Carichi, fabbrica<CarichiWindow>(m_servizi));
}

SpintaroWindow* Applicazione::avvia() {
    return qobject_cast<SpintaroWindow*>(m_finestre.apri(IdFinestra::Spintaro));
}

void Applicazione::lavoroScartato() {
    m_fileProgetto.clear();
    lavoroAzzerato();
    if (auto* principale = m_finestre.istanzaDi<SpintaroWindow>(IdFinestra::Spintaro))
        principale->PulisciVisualizza();
}

void Applicazione::lavoroNuovo() {
    m_fileProgetto.clear();
    lavoroAzzerato();
    // The "Visualizza" frame keeps what it showed; only the layer number starts again.
    if (auto* principale = m_finestre.istanzaDi<SpintaroWindow>(IdFinestra::Spintaro))
        principale->ricominciaNumerazione();
}

// The job's parameters and heading go with its layers; their windows show the defaults again, and
// the results of the job that is gone leave the results window.
void Applicazione::lavoroAzzerato() {
    m_lavoro = DatiLavoro{};
    m_risultatiMostrati = false;
    if (auto* parametri = m_finestre.istanzaDi<ParametriWindow>(IdFinestra::Parametri))
        parametri->mostraParametri();
    if (auto* carichi = m_finestre.istanzaDi<CarichiWindow>(IdFinestra::Carichi))
        carichi->mostraCarichi();
    if (auto* intestazione = m_finestre.istanzaDi<IntestazioneWindow>(IdFinestra::Intestazione))
        intestazione->mostraIntestazione();
    if (auto* risultati = m_finestre.istanzaDi<SpinteProgettoWindow>(IdFinestra::SpinteProgetto))
        risultati->svuota();
}

void Applicazione::progettoAperto() {
    m_risultatiMostrati = false;
    if (auto* parametri = m_finestre.istanzaDi<ParametriWindow>(IdFinestra::Parametri))
        parametri->mostraParametri();
    if (auto* carichi = m_finestre.istanzaDi<CarichiWindow>(IdFinestra::Carichi))
        carichi->mostraCarichi();
    if (auto* intestazione = m_finestre.istanzaDi<IntestazioneWindow>(IdFinestra::Intestazione))
        intestazione->mostraIntestazione();
    if (auto* principale = m_finestre.istanzaDi<SpintaroWindow>(IdFinestra::Spintaro))
        principale->progettoAperto();
}

void Applicazione::apriSalvaImmagine(IdFinestra diagramma) {
    if (auto* dialogo =
            qobject_cast<SalvaimmagineWindow*>(m_finestre.apri(IdFinestra::salvaimmagine)))
        dialogo->impostaDiagramma(diagramma);
}

bool Applicazione::apriAllAvvio(const PercorsoFile& progetto) {
    if (progetto.byte.empty())
        return true;
    if (!apriProgetto(m_servizi, progetto))
        return false;
    // The file windows start in the project's folder, so that saving it again goes there.
    entraNellaCartellaDi(progetto);
    return true;
}

QIcon iconaProgramma() {
    inizializzaRisorse();
    QSvgRenderer svg(QStringLiteral(":/spintaro/spintaro.svg"));
    QIcon icona;
    if (!svg.isValid())
        return icona;
    // The sizes a window manager shows (title bar, task list, switcher); the desktop takes larger
    // ones from the installed icon theme. Every size goes to the display with each window.
    for (int lato : {16, 24, 32, 48, 64}) {
        QPixmap pm(lato, lato);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        svg.render(&p);
        p.end();
        icona.addPixmap(pm);
    }
    return icona;
}

} // namespace spintaro
