// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagrams/stampa1_window.h"

#include "diagrams/rapporto.h"
#include "model/modulo1.h"
#include "platform/caratteri.h"
#include "platform/fonte_separatori.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/servizio_stampa.h"
#include "platform/testo_zone.h"

#include <QAction>
#include <QFontMetricsF>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScrollArea>
#include <algorithm>
#include <cmath>

namespace spintaro {

namespace {

constexpr int LarghezzaClient = 10605;
constexpr int AltezzaClient = 5280;
constexpr int Sinistra = 1815;
constexpr int Alto = 5025;

} // namespace

Stampa1Window::Stampa1Window(Servizi& servizi)
    : FinestraBase(IdFinestra::stampa1, servizi, QStringLiteral("stampa")),
      m_twips(Twips::delloSchermo()) {
    // Fixed single border, close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(fontArial(8.25));

    // The client area: the text on the highlight-text colour (white), scrolling when the table
    // is larger than the window.
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, palette().color(QPalette::HighlightedText));
    sfondo.setColor(QPalette::Base, palette().color(QPalette::HighlightedText));
    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("areaClient"));
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setFixedSize(m_twips.dimensione(LarghezzaClient, AltezzaClient));
    m_area->setWidgetResizable(true);
    m_area->setPalette(sfondo);
    m_area->viewport()->setPalette(sfondo);
    m_area->viewport()->setAutoFillBackground(true);
    m_testo = new TestoAZone;
    m_testo->setPalette(sfondo);
    // A screen reader reads it as a list, one item per line.
    m_testo->setAccessibleName(QStringLiteral("Tabella degli strati"));
    m_area->setWidget(m_testo);
    m_barraMenu = impaginaConMenu(m_area, true);

    filw = m_barraMenu->addMenu(QStringLiteral("&File"));
    filw->setObjectName(QStringLiteral("filw"));
    exporta = filw->addAction(QStringLiteral("E&sporta"));
    exporta->setObjectName(QStringLiteral("exporta"));
    Esci = filw->addAction(QStringLiteral("&Esci"));
    Esci->setObjectName(QStringLiteral("Esci"));
    Stampa = m_barraMenu->addAction(QStringLiteral("&Stampa"));
    Stampa->setObjectName(QStringLiteral("Stampa"));
    QObject::connect(exporta, &QAction::triggered, this,
                     [this] { comando([this] { exporta_Click(); }); });
    QObject::connect(Esci, &QAction::triggered, this,
                     [this] { comando([this] { Esci_Click(); }); });
    QObject::connect(Stampa, &QAction::triggered, this,
                     [this] { comando([this] { Stampa_Click(); }); });

    layout()->activate();
    move(m_twips.px(Sinistra), m_twips.px(Alto));
}

void Stampa1Window::caricamento() {
    const std::string decimale = servizi().separatori.separatori().decimale;
    const auto righe = RigheRapporto(servizi().modulo, decimale);
    m_testo->svuota();
    for (const auto& voci : righe) {
        QStringList riga;
        for (const std::string& voce : voci)
            riga.append(QString::fromStdString(voce));
        m_testo->aggiungiRiga(riga);
    }
    // The text is as large as the table: below the window's edge it scrolls.
    m_testo->setMinimumSize(m_testo->sizeHint());
}

void Stampa1Window::stampaSu(QPainter& pittore, QPagedPaintDevice& pagine) {
    const QList<QStringList>& righe = m_testo->righe();
    const QFont carattere = carattereDelloSchermo(m_testo->font());
    pittore.save();
    pittore.setFont(carattere);
    pittore.setPen(Qt::black);
    const QFontMetricsF metriche(carattere, pittore.device());
    const double larghezza =
        std::max<double>(m_area->width(), TestoAZone::larghezzaTesto(righe, metriche));
    // The text keeps its on-screen size on paper, narrowed only when wider than the page.
    const double scala = scalaPagina(pagine, logicalDpiX(), QSizeF(larghezza, 0));
    pittore.scale(scala, scala);
    const double altezzaPagina = pagine.height() / scala;
    const double altezzaRiga = TestoAZone::altezzaRiga(metriche);
    // Every page after the first repeats the header line above its layers.
    const qsizetype perPagina =
        std::max<qsizetype>(2, static_cast<qsizetype>(std::floor(altezzaPagina / altezzaRiga)));

    TestoAZone::dipingiRighe(pittore, righe.mid(0, perPagina), QPointF(0, 0));
    for (qsizetype inizio = perPagina; inizio < righe.size(); inizio += perPagina - 1) {
        if (!pagine.newPage())
            break;
        QList<QStringList> pagina;
        pagina.append(righe.front());
        pagina.append(righe.mid(inizio, perPagina - 1));
        TestoAZone::dipingiRighe(pittore, pagina, QPointF(0, 0));
    }
    pittore.restore();
}

void Stampa1Window::exporta_Click() {
    servizi().finestre.apri(IdFinestra::Esporta);
}

void Stampa1Window::Esci_Click() {
    servizi().finestre.nascondi(IdFinestra::stampa1);
}

void Stampa1Window::Stampa_Click() {
    servizi().finestre.stampa(IdFinestra::stampa1);
}

} // namespace spintaro
