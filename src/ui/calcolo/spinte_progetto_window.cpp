// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calcolo/spinte_progetto_window.h"

#include "analisi/spinte_progetto.h"
#include "platform/caratteri.h"
#include "platform/collegamenti.h"
#include "platform/fonte_separatori.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "text/testi_numerici.h"
#include "ui/calcolo/controlli.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace spintaro {

namespace {

QString daVista(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// How often the shown window compares the job with what it computed.
constexpr int IntervalloControllo = 500; // ms

QTableWidget* tabella(QWidget* genitore, const char* nome, const QString& descrizione,
                      const QStringList& colonne) {
    auto* t = new QTableWidget(0, static_cast<int>(colonne.size()), genitore);
    t->setObjectName(QLatin1String(nome));
    t->setAccessibleName(descrizione);
    t->setHorizontalHeaderLabels(colonne);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->setTabKeyNavigation(false); // Tab leaves the table; the arrows move within it
    return t;
}

// The cells of a table; the first column and the column of notes (when given) are text, the
// others numbers.
void riempi(QTableWidget* t, const std::vector<QStringList>& righe, int note = -1) {
    t->setRowCount(static_cast<int>(righe.size()));
    for (int r = 0; r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c) {
            auto* voce = new QTableWidgetItem(righe[static_cast<std::size_t>(r)].value(c));
            voce->setTextAlignment(c == 0 || c == note ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(r, c, voce);
        }
}

// The layer columns the window shows, from the one table of the outputs.
constexpr std::string_view ChiaviStrati[] = {"phi_d", "c_d", "gamma_d", "delta", "k",
                                             "k_h",   "sa1", "sa2",     "sv1",   "sv2",
                                             "u1",    "u2",  "theta",   "pc1",   "pc2"};

// The rows' columns, from the same table.
constexpr std::string_view ChiaviRighe[] = {"spinta",          "spinta_verticale", "spinta_acqua",
                                            "momento",         "braccio",          "spinta_carichi",
                                            "momento_carichi", "gamma_r"};

// Shows the loads' columns (after the first, the row's or the layer's name) only for a job with
// loads: without them the tables are as they always were.
template <std::size_t N>
void colonneCarichi(QTableWidget* t, const std::string_view (&chiavi)[N], bool carichi) {
    for (std::size_t k = 0; k < N; ++k)
        if (chiavi[k].starts_with("pc") || chiavi[k].ends_with("_carichi"))
            t->setColumnHidden(static_cast<int>(k) + 1, !carichi);
}

// Which calculation: the theory, δ/φ′ and β, and for each seismic state its site values.
QStringList righeCalcolo(const RisultatoProgetto& r, const ParametriCalcolo& p,
                         const std::string& dec) {
    QStringList calcolo;
    if (r.ok) {
        calcolo << QStringLiteral("Calcolo: %1.")
                       .arg(QString::fromStdString(DescrizioneCalcolo(p, dec, true)));
        for (const RigaProgetto& x : r.righe)
            if (x.sisma && x.sisma->kvSegno > 0)
                calcolo << QStringLiteral("%1: %2, kh = %3.")
                               .arg(QString::fromStdString(x.nome),
                                    QString::fromStdString(DescrizioneSito(*x.sisma, dec)),
                                    QString::fromStdString(TestoValore(x.sisma->kh, 4, dec)));
        if (std::any_of(r.carichi.begin(), r.carichi.end(),
                        [](const EsitoCarico& e) { return e.carico.tipo == TipoCarico::Punto; }))
            calcolo << QStringLiteral("Carichi sul terrapieno: un carico punto conta per metro di "
                                      "muro nella sezione davanti al carico, la più caricata.");
    }
    return calcolo;
}

// A column's title: its label, then its unit in brackets.
QString intestazione(std::string_view etichetta, std::string_view unita) {
    return daVista(etichetta) +
           (unita.empty() ? QString() : QStringLiteral(" [%1]").arg(daVista(unita)));
}

QStringList intestazioniStrati(StatoTerreno stato, bool sismica) {
    QStringList t{QStringLiteral("Strato")};
    for (const std::string_view chiave : ChiaviStrati) {
        const ColonnaStrato& c = ColonnaStratoDi(chiave);
        t << intestazione(EtichettaColonna(c, stato, sismica), c.unita);
    }
    return t;
}

} // namespace

SpinteProgettoWindow::SpinteProgettoWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::SpinteProgetto, servizi, QStringLiteral("Spinte di progetto")) {
    setFont(fontMsSansSerif(8.25));
    auto* principale = new QVBoxLayout(this);

    Stato = creaNota(this, "Stato", QStringLiteral("Stato del calcolo"));
    principale->addWidget(Stato);
    Calcolo = creaNota(this, "Calcolo", QStringLiteral("Parametri del calcolo"));
    principale->addWidget(Calcolo);

    QStringList titoli{QStringLiteral("Combinazione")};
    for (const std::string_view chiave : ChiaviRighe)
        titoli << intestazione(ColonnaRigaDi(chiave).etichetta, ColonnaRigaDi(chiave).unita);
    titoli << QStringLiteral("Note");
    Combinazioni = tabella(this, "Combinazioni", QStringLiteral("Spinte per combinazione"), titoli);
    // The notes take the width the numbers leave and wrap there, whole: no "…", no sideways
    // scrolling; each row as high as its note.
    const int note = Combinazioni->columnCount() - 1;
    Combinazioni->setTextElideMode(Qt::ElideNone);
    Combinazioni->setWordWrap(true);
    Combinazioni->horizontalHeader()->setSectionResizeMode(note, QHeaderView::Stretch);
    Combinazioni->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QObject::connect(Combinazioni->horizontalHeader(), &QHeaderView::sectionResized, this,
                     [this, note](int colonna) {
                         if (colonna == note)
                             adattaRighe();
                     });
    adattaRighe();
    principale->addWidget(Combinazioni);

    TitoloStrati = new QLabel(this);
    TitoloStrati->setObjectName(QStringLiteral("TitoloStrati"));
    principale->addWidget(TitoloStrati);
    StratiRiga = tabella(this, "StratiRiga", QStringLiteral("Strati della combinazione scelta"),
                         intestazioniStrati(StatoTerreno::Attiva, false));
    TitoloStrati->setBuddy(StratiRiga);
    principale->addWidget(StratiRiga);
    colonneCarichi(Combinazioni, ChiaviRighe, false);
    colonneCarichi(StratiRiga, ChiaviStrati, false);

    Avvisi = creaNota(this, "Avvisi", QStringLiteral("Note e avvisi"));
    principale->addWidget(Avvisi);

    auto* pulsanti = new QHBoxLayout;
    auto pulsante = [&](const char* nome, const QString& testo) {
        return creaPulsante(this, pulsanti, nome, testo);
    };
    Aggiorna = pulsante("Aggiorna", QStringLiteral("A&ggiorna"));
    Parametri = pulsante("Parametri", QStringLiteral("&Parametri di calcolo..."));
    pulsanti->addStretch();
    Chiudi = pulsante("Chiudi", QStringLiteral("&Chiudi"));
    principale->addLayout(pulsanti);
    resize(980, 560);

    QObject::connect(Aggiorna, &QPushButton::clicked, this,
                     [this] { comando([this] { aggiorna(); }); });
    QObject::connect(Parametri, &QPushButton::clicked, this, [this] {
        comando([this] { this->servizi().finestre.apri(IdFinestra::Parametri); });
    });
    QObject::connect(Chiudi, &QPushButton::clicked, this,
                     [this] { comando([this] { this->servizi().finestre.nascondi(id()); }); });
    QObject::connect(Combinazioni, &QTableWidget::currentCellChanged, this,
                     [this](int riga) { comando([this, riga] { mostraStrati(riga); }); });

    m_controllo = new QTimer(this);
    m_controllo->setInterval(IntervalloControllo);
    QObject::connect(m_controllo, &QTimer::timeout, this,
                     [this] { comando([this] { controllaCambiamenti(); }); });
}

SpinteProgettoWindow::~SpinteProgettoWindow() {
    QObject::disconnect(Combinazioni->horizontalHeader(), nullptr, this, nullptr);
}

SpinteProgettoWindow::Fotografia SpinteProgettoWindow::fotografia() const {
    const Modulo1& m = servizi().modulo;
    Fotografia f;
    f.sovraccarico = m.Strati(0).Sv;
    for (long long i = 1; i <= std::clamp<long long>(m.NumStrati, 0, UltimoRecord); ++i) {
        Strato s = m.Strati(i);
        s.Ka = s.Sv = s.Sa1 = s.Sa2 = 0; // results, not data
        f.strati.push_back(s);
    }
    f.parametri = servizi().lavoro.parametri;
    return f;
}

void SpinteProgettoWindow::aggiorna() {
    const Modulo1& m = servizi().modulo;
    const ParametriCalcolo& p = servizi().lavoro.parametri;
    const std::string dec = servizi().separatori.separatori().decimale;
    servizi().collegamenti.risultatiProgettoMostrati();
    m_calcolato = fotografia();
    m_cambiato = false;
    m_strati.clear();
    m_intestazioni.clear();

    const RisultatoProgetto r = CalcolaSpinteProgetto(m, p);
    const QString ora = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    auto v = [&dec](double x, int decimali = 3) {
        return QString::fromStdString(TestoValore(x, decimali, dec));
    };
    std::vector<QStringList> righe;
    if (!r.ok) {
        m_statoCalcolo = QStringLiteral("Spinte di progetto non calcolabili (%1): %2.")
                             .arg(ora, QString::fromStdString(r.messaggio));
    } else {
        m_statoCalcolo =
            QStringLiteral(
                "Calcolato alle %1 sugli strati del lavoro (%2), sovraccarico q = %3 kPa.")
                .arg(ora)
                .arg(m_calcolato.strati.size() == 1
                         ? QStringLiteral("1 strato")
                         : QStringLiteral("%1 strati").arg(m_calcolato.strati.size()))
                .arg(v(m.Strati(0).Sv));
        for (const RigaProgetto& x : r.righe) {
            QString nome = QString::fromStdString(x.nome);
            QString note = QString::fromStdString(x.nota);
            if (x.sisma) {
                // The kv sign in the name; the action and the split of the thrust in the notes.
                const DatiSismici& d = *x.sisma;
                nome += QStringLiteral(" (%1)").arg(daVista(VersoKv(d.kvSegno)));
                QString sisma =
                    QStringLiteral("kh = %1, kv = %2; statica %3 kN/m, incremento %4 kN/m")
                        .arg(v(d.kh, 4), v(d.kv, 4), v(d.spintaStatica), v(d.incremento));
                if (d.braccioIncremento)
                    sisma += QStringLiteral(" a %1 m dalla base").arg(v(*d.braccioIncremento));
                note = note.isEmpty() ? sisma : sisma + QStringLiteral("; ") + note;
            }
            if (x.governa)
                note = QStringLiteral("governa") +
                       (note.isEmpty() ? QString() : QStringLiteral("; ") + note);
            QStringList riga{nome};
            for (const std::string_view chiave : ChiaviRighe) {
                const ColonnaRiga& c = ColonnaRigaDi(chiave);
                const auto valore = c.valore(x);
                riga << (valore           ? v(*valore, c.decimali)
                         : c.unita == "m" ? QStringLiteral("non definito")
                                          : QString());
            }
            righe.push_back(riga << note);
            std::vector<QStringList> strati;
            for (std::size_t i = 0; i < x.strati.size(); ++i) {
                QStringList celle{QString::number(i + 1)};
                for (const std::string_view chiave : ChiaviStrati) {
                    const ColonnaStrato& c = ColonnaStratoDi(chiave);
                    const auto valore = c.valore(x.strati[i]);
                    celle << (valore ? v(*valore, c.decimali) : QString());
                }
                strati.push_back(std::move(celle));
            }
            m_strati.push_back(std::move(strati));
            m_intestazioni.push_back(intestazioniStrati(p.stato, x.sisma.has_value()));
        }
    }
    const QStringList calcolo = righeCalcolo(r, p, dec);
    Calcolo->setText(calcolo.join(QLatin1Char('\n')));
    Calcolo->setVisible(!calcolo.isEmpty());
    QStringList avvisi;
    for (const std::string& a : r.avvisi)
        avvisi << QStringLiteral("Avviso: ") + QString::fromStdString(a);
    scriviNota(Avvisi, avvisi.join(QLatin1Char('\n')));
    const bool carichi = r.ok && !r.carichi.empty();
    colonneCarichi(Combinazioni, ChiaviRighe, carichi);
    colonneCarichi(StratiRiga, ChiaviStrati, carichi);
    riempi(Combinazioni, righe, Combinazioni->columnCount() - 1);
    adattaRighe();
    scriviNota(Stato, m_statoCalcolo);
    // The first governing row (the static one) is selected first; without one, the first row.
    int scelta = righe.empty() ? -1 : 0;
    for (std::size_t i = 0; i < r.righe.size() && r.ok && scelta <= 0; ++i)
        if (r.righe[i].governa)
            scelta = static_cast<int>(i);
    if (scelta >= 0)
        Combinazioni->setCurrentCell(scelta, 0);
    mostraStrati(scelta);
}

void SpinteProgettoWindow::adattaRighe() {
    Combinazioni->resizeRowsToContents();
    // Every row in view: at least the three combinations and the four seismic rows of two limit
    // states on a line each, and as many lines as the notes take.
    int alto =
        Combinazioni->horizontalHeader()->sizeHint().height() + 2 * Combinazioni->frameWidth();
    const int riga = Combinazioni->verticalHeader()->defaultSectionSize();
    for (int r = 0; r < std::max(Combinazioni->rowCount(), 7); ++r)
        alto += r < Combinazioni->rowCount() ? Combinazioni->rowHeight(r) : riga;
    Combinazioni->setMinimumHeight(alto);
}

void SpinteProgettoWindow::svuota() {
    m_calcolato = fotografia();
    m_cambiato = false;
    m_strati.clear();
    m_intestazioni.clear();
    m_statoCalcolo = QStringLiteral("Nessun risultato: il lavoro è nuovo. Inserire gli strati e "
                                    "premere Aggiorna.");
    riempi(Combinazioni, {});
    colonneCarichi(Combinazioni, ChiaviRighe, false);
    colonneCarichi(StratiRiga, ChiaviStrati, false);
    mostraStrati(-1);
    scriviNota(Avvisi, {});
    scriviNota(Stato, m_statoCalcolo);
}

void SpinteProgettoWindow::mostraStrati(int riga) {
    if (riga < 0 || static_cast<std::size_t>(riga) >= m_strati.size()) {
        TitoloStrati->setText(QStringLiteral("Strati: nessuna combinazione calcolata"));
        riempi(StratiRiga, {});
        return;
    }
    TitoloStrati->setText(
        QStringLiteral("Strati nella combinazione %1:").arg(Combinazioni->item(riga, 0)->text()));
    StratiRiga->setHorizontalHeaderLabels(m_intestazioni[static_cast<std::size_t>(riga)]);
    riempi(StratiRiga, m_strati[static_cast<std::size_t>(riga)]);
}

void SpinteProgettoWindow::controllaCambiamenti() {
    const bool cambiato = !(fotografia() == m_calcolato);
    if (cambiato == m_cambiato)
        return;
    m_cambiato = cambiato;
    scriviNota(Stato, cambiato
                          ? m_statoCalcolo + QStringLiteral("\nGli strati, il sovraccarico o i "
                                                            "parametri sono cambiati dopo il "
                                                            "calcolo: premere Aggiorna.")
                          : m_statoCalcolo);
}

void SpinteProgettoWindow::showEvent(QShowEvent* evento) {
    FinestraBase::showEvent(evento);
    // Opened by the program (not shown again by the window manager): the job as it is now.
    if (!evento->spontaneous())
        aggiorna();
    controllaCambiamenti();
    m_controllo->start();
}

void SpinteProgettoWindow::hideEvent(QHideEvent* evento) {
    m_controllo->stop();
    FinestraBase::hideEvent(evento);
}

} // namespace spintaro
