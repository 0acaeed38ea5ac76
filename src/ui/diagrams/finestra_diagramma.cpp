// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagrams/finestra_diagramma.h"

#include "model/modulo1.h"
#include "platform/caratteri.h"
#include "platform/collegamenti.h"
#include "platform/fonte_separatori.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/tela.h"
#include "text/testi_numerici.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <cmath>

namespace spintaro {

FinestraDiagramma::FinestraDiagramma(IdFinestra id, Servizi& servizi, const QString& titolo,
                                     int larghezzaClient, int altezzaClient,
                                     Costruzione costruzione)
    : FinestraBase(id, servizi, titolo), m_twips(Twips::delloSchermo()),
      m_costruzione(std::move(costruzione)) {
    // The program's window font: the labels of the diagram and the menu.
    setFont(fontArial(8.25));
    m_tela = new Tela(this);
    m_tela->impostaDimensioneIniziale(m_twips.dimensione(larghezzaClient, altezzaClient));
    m_barraMenu = impaginaConMenu(m_tela, false);
}

FinestraDiagramma::VociMenu
FinestraDiagramma::costruisciMenu(const char* nomeMenu, const QString& testoMenu,
                                  const char* nomeSalva, const QString& testoSalva,
                                  const char* nomeStampa, const QString& testoStampa,
                                  const char* nomeChiudi, const QString& testoChiudi) {
    VociMenu v;
    v.menu = m_barraMenu->addMenu(testoMenu);
    v.menu->setObjectName(QLatin1String(nomeMenu));
    auto voce = [this, &v](const char* nome, const QString& testo, auto azione) {
        QAction* a = v.menu->addAction(testo);
        a->setObjectName(QLatin1String(nome));
        QObject::connect(a, &QAction::triggered, this, [this, azione] { comando(azione); });
        return a;
    };
    v.salva = voce(nomeSalva, testoSalva, [this] { salvaImmagine_Click(); });
    v.stampa = voce(nomeStampa, testoStampa, [this] { stampaImmagine_Click(); });
    v.chiudi = voce(nomeChiudi, testoChiudi, [this] { chiudi_Click(); });

    // The initial client size is known only now that the menu bar has its items: the window is
    // as large as the bar plus the canvas's initial size, and the canvas gets that size at once
    // (the load step measures it before the window is ever shown).
    resize(sizeHint());
    layout()->activate();
    return v;
}

void FinestraDiagramma::caricamento() {
    m_tela->impostaDisegno(m_costruzione(servizi().modulo, m_tela->misuraX()));
    // The window and the picture it holds say the same: a reader that walks into the window
    // meets a named image, not an empty filler.
    const QString sintesi = descrizione();
    setAccessibleDescription(sintesi);
    m_tela->setAccessibleName(sintesi);
    m_tela->setAccessibleDescription(sintesi);
}

QString FinestraDiagramma::testoSintesi(const QString& cosa, const SintesiDiagramma& s) const {
    if (s.strati == 0)
        return cosa + QStringLiteral(": nessuno strato.");
    // At most three decimals, with the user's separator.
    const std::string decimale = servizi().separatori.separatori().decimale;
    const auto cifra = [&decimale](double v) {
        const double arrotondato = std::fabs(v) < 1e12 ? std::round(v * 1000) / 1000 : v;
        return QString::fromStdString(TestoGenerale(arrotondato, decimale));
    };
    QString t = QStringLiteral("%1 di %2 %3, profondità totale %4 m, valore massimo %5 kPa")
                    .arg(cosa, QString::number(s.strati),
                         s.strati == 1 ? QStringLiteral("strato") : QStringLiteral("strati"),
                         cifra(s.profondita), cifra(s.massimo));
    if (s.spinta)
        t += QStringLiteral(", spinta totale %1 kN/m").arg(cifra(*s.spinta));
    return t + QLatin1Char('.');
}

void FinestraDiagramma::stampaSu(QPainter& pittore, QPagedPaintDevice& /*pagine*/) {
    m_tela->stampaSu(pittore);
}

QImage FinestraDiagramma::immagine() const {
    return m_tela->immagine();
}

void FinestraDiagramma::salvaImmagine_Click() {
    // The dialog saves the diagram whose save command opened it last.
    servizi().collegamenti.apriSalvaImmagine(id());
}

void FinestraDiagramma::stampaImmagine_Click() {
    servizi().finestre.stampa(id());
}

void FinestraDiagramma::chiudi_Click() {
    servizi().finestre.nascondi(id());
}

} // namespace spintaro
