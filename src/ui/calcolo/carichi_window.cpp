// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calcolo/carichi_window.h"

#include "analisi/carichi.h"
#include "platform/caratteri.h"
#include "platform/fonte_separatori.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "text/testi_numerici.h"
#include "ui/calcolo/controlli.h"
#include "ui/calcolo/disegno_carichi.h"
#include "ui/calcolo/spinte_progetto_window.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace spintaro {

namespace {

QString q(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

constexpr std::array Tipi{TipoCarico::Striscia, TipoCarico::Trapezio, TipoCarico::Linea,
                          TipoCarico::Punto};
constexpr std::array Azioni{AzioneCarico::Variabile, AzioneCarico::Permanente};

// The value columns: every key a kind of load reads, the intensities first, then the distance a
// and the width b; each with its unit.
struct ColonnaValore {
    std::string_view chiave, unita;
};
std::vector<ColonnaValore> colonneValori() {
    std::vector<ColonnaValore> intensita, distanze;
    for (TipoCarico t : Tipi)
        for (const ValoreCarico& v : ValoriCarico(Carico{.tipo = t})) {
            auto& gruppo = v.chiave == "a" || v.chiave == "b" ? distanze : intensita;
            if (std::none_of(gruppo.begin(), gruppo.end(),
                             [&v](const ColonnaValore& c) { return c.chiave == v.chiave; }))
                gruppo.push_back({v.chiave, v.unita});
        }
    std::sort(distanze.begin(), distanze.end(),
              [](const ColonnaValore& x, const ColonnaValore& y) { return x.chiave < y.chiave; });
    intensita.insert(intensita.end(), distanze.begin(), distanze.end());
    return intensita;
}
const std::vector<ColonnaValore>& Colonne() {
    static const std::vector<ColonnaValore> colonne = colonneValori();
    return colonne;
}
constexpr int ColonnaTipo = 1, PrimaValore = 2;
int colonnaAzione() {
    return PrimaValore + static_cast<int>(Colonne().size());
}
int colonnaPsi2() {
    return colonnaAzione() + 1;
}

QString intestazione(std::string_view chiave, std::string_view unita) {
    return unita.empty() ? q(chiave) : QStringLiteral("%1 [%2]").arg(q(chiave), q(unita));
}

// Whether a load of kind t reads the key.
bool usa(TipoCarico t, std::string_view chiave) {
    const auto valori = ValoriCarico(Carico{.tipo = t});
    return std::any_of(valori.begin(), valori.end(),
                       [chiave](const ValoreCarico& v) { return v.chiave == chiave; });
}

// A number as typed, in the text of a load: the period as the decimal separator (the comma parts
// the values).
std::string conPunto(const QString& t) {
    std::string s = t.trimmed().toStdString();
    std::replace(s.begin(), s.end(), ',', '.');
    return s;
}

const VoceParametro& voce(std::string_view chiave) {
    return *CercaParametro(chiave);
}

// What the factor's words show.
QString testoFattore(std::string_view parola) {
    return parola == "2" ? QStringLiteral("2 — muro rigido, non si sposta")
                         : QStringLiteral("1 — muro che cede");
}

} // namespace

CarichiWindow::CarichiWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Carichi, servizi, QStringLiteral("Carichi sul terrapieno")) {
    setFont(fontMsSansSerif(8.25));
    costruisci();
    mostraCarichi();
}

QWidget* CarichiWindow::costruisciFattori() {
    auto* box = new QGroupBox(QStringLiteral("Fattori"));
    auto* griglia = new QGridLayout(box);
    QPalette grigio = palette();
    grigio.setColor(QPalette::WindowText, coloreSecondario(palette()));
    auto clausola = [&](const VoceParametro& v, int riga) {
        auto* l = new QLabel(q(v.clausola));
        l->setPalette(grigio);
        griglia->addWidget(l, riga, 2);
    };

    const VoceParametro& f = voce("fattore-carichi");
    auto* etichettaF = new QLabel(QStringLiteral("&") + q(f.etichetta) + QStringLiteral(":"));
    Fattore = new QComboBox;
    Fattore->setObjectName(q(f.chiave));
    for (std::string_view s : f.scelte)
        Fattore->addItem(testoFattore(s), q(s));
    Fattore->setAccessibleName(q(f.etichetta));
    Fattore->setAccessibleDescription(q(f.clausola));
    etichettaF->setBuddy(Fattore);
    griglia->addWidget(etichettaF, 0, 0);
    griglia->addWidget(Fattore, 0, 1);
    clausola(f, 0);

    const VoceParametro& g = voce("gamma-g2");
    griglia->addWidget(new QLabel(q(g.etichetta) + QStringLiteral(":")), 1, 0);
    auto* riga = new QHBoxLayout;
    for (std::size_t k = 0; k < 2; ++k) {
        auto* insieme = new QLabel(QStringLiteral("A&") + q(g.scelte[k]).mid(1));
        GammaG2[k] = new QLineEdit;
        GammaG2[k]->setObjectName(q(g.chiave) + QStringLiteral("-") + q(g.scelte[k]));
        GammaG2[k]->setAccessibleName(q(g.etichetta) + QStringLiteral(", ") + q(g.scelte[k]));
        GammaG2[k]->setAccessibleDescription(q(g.clausola));
        GammaG2[k]->setMaximumWidth(60);
        insieme->setBuddy(GammaG2[k]);
        riga->addWidget(insieme);
        riga->addWidget(GammaG2[k]);
    }
    riga->addStretch();
    griglia->addLayout(riga, 1, 1);
    clausola(g, 1);
    return box;
}

void CarichiWindow::costruisci() {
    auto* principale = new QVBoxLayout(this);
    auto* centro = new QHBoxLayout;
    auto* sinistra = new QVBoxLayout;

    auto* etichetta = new QLabel(QStringLiteral("Elenco dei car&ichi:"));
    sinistra->addWidget(etichetta);
    QStringList titoli{QStringLiteral("N"), QStringLiteral("Tipo")};
    for (const ColonnaValore& c : Colonne())
        titoli << intestazione(c.chiave, c.unita);
    titoli << QStringLiteral("Azione") << QStringLiteral("ψ2");
    Tabella = new QTableWidget(0, static_cast<int>(titoli.size()), this);
    Tabella->setObjectName(QStringLiteral("Tabella"));
    Tabella->setAccessibleName(QStringLiteral("Elenco dei carichi"));
    Tabella->setHorizontalHeaderLabels(titoli);
    Tabella->verticalHeader()->setVisible(false);
    Tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabella->setTabKeyNavigation(false);
    Tabella->setColumnWidth(0, 26);
    Tabella->setColumnWidth(ColonnaTipo, 74);
    for (int c = PrimaValore; c < colonnaAzione(); ++c)
        Tabella->setColumnWidth(c, 54);
    Tabella->setColumnWidth(colonnaAzione(), 96);
    Tabella->setColumnWidth(colonnaPsi2(), 40);
    Tabella->setFixedWidth(26 + 74 + 54 * static_cast<int>(Colonne().size()) + 96 + 40 + 24);
    Tabella->setMinimumHeight(260);
    etichetta->setBuddy(Tabella);
    sinistra->addWidget(Tabella);
    sinistra->addWidget(costruisciFattori());
    centro->addLayout(sinistra);

    Disegno = new DisegnoCarichi(this);
    centro->addWidget(Disegno, 1);
    principale->addLayout(centro);

    Esito = creaNota(this, "Esito", QStringLiteral("Esito"));
    principale->addWidget(Esito);

    auto* pulsanti = new QHBoxLayout;
    auto pulsante = [&](const char* nome, const QString& testo) {
        return creaPulsante(this, pulsanti, nome, testo);
    };
    Aggiungi = pulsante("Aggiungi", QStringLiteral("&Aggiungi"));
    Rimuovi = pulsante("Rimuovi", QStringLiteral("&Rimuovi"));
    Applica = pulsante("Applica", QStringLiteral("A&pplica"));
    pulsanti->addStretch();
    Chiudi = pulsante("Chiudi", QStringLiteral("&Chiudi"));
    principale->addLayout(pulsanti);

    QObject::connect(Aggiungi, &QPushButton::clicked, this,
                     [this] { comando([this] { aggiungi(); }); });
    QObject::connect(Rimuovi, &QPushButton::clicked, this,
                     [this] { comando([this] { rimuovi(); }); });
    QObject::connect(Applica, &QPushButton::clicked, this,
                     [this] { comando([this] { applica(); }); });
    QObject::connect(Chiudi, &QPushButton::clicked, this,
                     [this] { comando([this] { servizi().finestre.nascondi(id()); }); });
    // The layers change in the main window while this one is open: the drawing follows them.
    auto* controllo = new QTimer(this);
    controllo->setInterval(500);
    QObject::connect(controllo, &QTimer::timeout, this, [this] {
        if (isVisible() && spessori() != Disegno->spessori())
            ridisegna();
    });
    controllo->start();
    // A box of a row given the focus makes its row the table's current one, which Rimuovi takes.
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* ora) {
        if (ora != nullptr && Tabella->viewport()->isAncestorOf(ora)) {
            const QModelIndex i = Tabella->indexAt(ora->mapTo(Tabella->viewport(), QPoint(1, 1)));
            if (i.isValid())
                Tabella->setCurrentCell(i.row(), i.column());
        }
    });
}

void CarichiWindow::aggiungiRiga(const TestiRiga& t) {
    const int r = Tabella->rowCount();
    Tabella->insertRow(r);
    const QString carico = QStringLiteral("Carico %1").arg(r + 1);
    auto* numero = new QTableWidgetItem(QString::number(r + 1));
    numero->setTextAlignment(Qt::AlignCenter);
    Tabella->setItem(r, 0, numero);

    auto* tipo = new QComboBox;
    for (TipoCarico k : Tipi)
        tipo->addItem(q(ParolaTipoCarico(k)));
    tipo->setCurrentIndex(
        static_cast<int>(std::find(Tipi.begin(), Tipi.end(), t.tipo) - Tipi.begin()));
    tipo->setAccessibleName(carico + QStringLiteral(", Tipo"));
    tipo->setObjectName(QStringLiteral("tipo-%1").arg(r + 1));
    Tabella->setCellWidget(r, ColonnaTipo, tipo);
    QObject::connect(tipo, &QComboBox::currentIndexChanged, this, [this, tipo] {
        for (int i = 0; i < Tabella->rowCount(); ++i)
            if (Tabella->cellWidget(i, ColonnaTipo) == tipo)
                adattaRiga(i);
        ridisegna();
    });

    auto casella = [&](const QString& testo, const QString& nome, std::string_view chiave,
                       std::string_view unita) {
        auto* e = new QLineEdit(testo);
        e->setFrame(false);
        e->setObjectName(QStringLiteral("%1-%2").arg(q(chiave)).arg(r + 1));
        e->setAccessibleName(carico + QStringLiteral(", ") + nome +
                             (unita.empty() ? QString() : QStringLiteral(" [%1]").arg(q(unita))));
        QObject::connect(e, &QLineEdit::textChanged, this, [this] { ridisegna(); });
        return e;
    };
    for (std::size_t k = 0; k < Colonne().size(); ++k) {
        const ColonnaValore& c = Colonne()[k];
        Tabella->setCellWidget(r, PrimaValore + static_cast<int>(k),
                               casella(t.valori[k], q(c.chiave), c.chiave, c.unita));
    }
    auto* azione = new QComboBox;
    azione->addItem(QStringLiteral("variabile"));
    azione->addItem(QStringLiteral("permanente"));
    azione->setCurrentIndex(t.azione == AzioneCarico::Permanente ? 1 : 0);
    azione->setAccessibleName(carico + QStringLiteral(", Azione"));
    azione->setObjectName(QStringLiteral("azione-%1").arg(r + 1));
    Tabella->setCellWidget(r, colonnaAzione(), azione);
    Tabella->setCellWidget(r, colonnaPsi2(), casella(t.psi2, QStringLiteral("ψ2"), "psi2", ""));
    QObject::connect(azione, &QComboBox::currentIndexChanged, this, [this, azione] {
        for (int i = 0; i < Tabella->rowCount(); ++i)
            if (Tabella->cellWidget(i, colonnaAzione()) == azione)
                adattaRiga(i);
    });
    adattaRiga(r);
}

void CarichiWindow::adattaRiga(int riga) {
    const TipoCarico tipo = Tipi[static_cast<std::size_t>(
        qobject_cast<QComboBox*>(Tabella->cellWidget(riga, ColonnaTipo))->currentIndex())];
    for (std::size_t k = 0; k < Colonne().size(); ++k) {
        auto* e =
            qobject_cast<QLineEdit*>(Tabella->cellWidget(riga, PrimaValore + static_cast<int>(k)));
        const bool usata = usa(tipo, Colonne()[k].chiave);
        if (!usata)
            e->clear();
        e->setEnabled(usata);
    }
    // ψ2 is a variable load's.
    const bool variabile =
        qobject_cast<QComboBox*>(Tabella->cellWidget(riga, colonnaAzione()))->currentIndex() == 0;
    auto* psi2 = qobject_cast<QLineEdit*>(Tabella->cellWidget(riga, colonnaPsi2()));
    if (!variabile)
        psi2->clear();
    psi2->setEnabled(variabile);
}

CarichiWindow::TestiRiga CarichiWindow::testiRiga(int riga) const {
    TestiRiga t;
    t.tipo = Tipi[static_cast<std::size_t>(
        qobject_cast<QComboBox*>(Tabella->cellWidget(riga, ColonnaTipo))->currentIndex())];
    for (std::size_t k = 0; k < Colonne().size(); ++k)
        t.valori[k] =
            qobject_cast<QLineEdit*>(Tabella->cellWidget(riga, PrimaValore + static_cast<int>(k)))
                ->text();
    t.azione = Azioni[static_cast<std::size_t>(
        qobject_cast<QComboBox*>(Tabella->cellWidget(riga, colonnaAzione()))->currentIndex())];
    t.psi2 = qobject_cast<QLineEdit*>(Tabella->cellWidget(riga, colonnaPsi2()))->text();
    return t;
}

void CarichiWindow::riempi(const std::vector<TestiRiga>& righe) {
    // The boxes go now, not later as the table would let them go: the new rows' boxes take
    // their names.
    for (int r = 0; r < Tabella->rowCount(); ++r)
        for (int c = 0; c < Tabella->columnCount(); ++c)
            delete Tabella->cellWidget(r, c);
    Tabella->setRowCount(0);
    for (const TestiRiga& t : righe)
        aggiungiRiga(t);
    ridisegna();
}

std::optional<std::string> CarichiWindow::testoCarico(const TestiRiga& t, int riga,
                                                      std::string& testo) {
    const std::string chi =
        "Carico " + std::to_string(riga + 1) + " (" + std::string(ParolaTipoCarico(t.tipo)) + "): ";
    testo = std::string(ParolaTipoCarico(t.tipo));
    char separatore = ':';
    for (const ValoreCarico& v : ValoriCarico(Carico{.tipo = t.tipo})) {
        std::size_t k = 0;
        while (Colonne()[k].chiave != v.chiave)
            ++k;
        const std::string valore = conPunto(t.valori[k]);
        if (valore.empty())
            return chi + "la casella " + std::string(v.chiave) + " è vuota";
        testo += separatore + std::string(v.chiave) + "=" + valore;
        separatore = ',';
    }
    if (t.azione == AzioneCarico::Permanente)
        testo += ",azione=permanente";
    else if (!conPunto(t.psi2).empty())
        testo += ",psi2=" + conPunto(t.psi2);
    return std::nullopt;
}

QLineEdit* CarichiWindow::casellaRifiutata(int riga) const {
    const TestiRiga t = testiRiga(riga);
    const auto casella = [this, riga](int colonna) {
        return qobject_cast<QLineEdit*>(Tabella->cellWidget(riga, colonna));
    };
    const auto legge = [riga](const TestiRiga& prova) {
        std::string testo;
        Carico c;
        return !testoCarico(prova, riga, testo) && !LeggiCarico(testo, std::size_t(riga) + 1, c);
    };
    // The first box whose value, put right (1 is a sound value of every box), makes it read.
    for (std::size_t k = 0; k < Colonne().size(); ++k) {
        TestiRiga prova = t;
        prova.valori[k] = QStringLiteral("1");
        if (casella(PrimaValore + static_cast<int>(k))->isEnabled() && legge(prova))
            return casella(PrimaValore + static_cast<int>(k));
    }
    return casella(legge(TestiRiga{t.tipo, t.valori, t.azione, QStringLiteral("1")}) ? colonnaPsi2()
                                                                                     : PrimaValore);
}

std::vector<double> CarichiWindow::spessori() const {
    std::vector<double> s;
    const Modulo1& m = servizi().modulo;
    for (int i = 1; i <= std::min<int>(m.NumStrati, UltimoRecord); ++i)
        s.push_back(m.Strati(i).Potenza);
    return s;
}

void CarichiWindow::ridisegna() {
    std::vector<std::pair<int, Carico>> carichi;
    for (int r = 0; r < Tabella->rowCount(); ++r) {
        std::string testo;
        Carico c;
        if (!testoCarico(testiRiga(r), r, testo) && !LeggiCarico(testo, std::size_t(r) + 1, c))
            carichi.emplace_back(r + 1, c);
    }
    Disegno->imposta(spessori(), std::move(carichi), servizi().separatori.separatori().decimale);
}

void CarichiWindow::aggiungi() {
    if (std::size_t(Tabella->rowCount()) >= MassimoCarichi) {
        segnala(QStringLiteral("Carico non aggiunto: al massimo %1 carichi.").arg(MassimoCarichi),
                true);
        return;
    }
    aggiungiRiga(TestiRiga{});
    const int r = Tabella->rowCount() - 1;
    Tabella->setCurrentCell(r, ColonnaTipo);
    Tabella->cellWidget(r, PrimaValore)->setFocus(Qt::OtherFocusReason);
    segnala({}, false);
    ridisegna();
}

void CarichiWindow::rimuovi() {
    const int scelta = Tabella->currentRow();
    if (scelta < 0 || scelta >= Tabella->rowCount()) {
        segnala(QStringLiteral("Nessun carico rimosso: sceglierne uno nell'elenco."), true);
        return;
    }
    std::vector<TestiRiga> righe;
    for (int r = 0; r < Tabella->rowCount(); ++r)
        if (r != scelta)
            righe.push_back(testiRiga(r));
    riempi(righe);
    if (!righe.empty())
        Tabella->setCurrentCell(std::min(scelta, Tabella->rowCount() - 1), 0);
    segnala(QStringLiteral("Carico %1 rimosso: Applica lo toglie dal lavoro.").arg(scelta + 1),
            false);
}

void CarichiWindow::showEvent(QShowEvent* evento) {
    FinestraBase::showEvent(evento);
    // Opened by the program (not shown again by the window manager): the job's loads now.
    if (!evento->spontaneous())
        mostraCarichi();
}

void CarichiWindow::mostraCarichi() {
    const DatiLavoro& d = servizi().lavoro;
    const std::string decimale = servizi().separatori.separatori().decimale;
    std::vector<TestiRiga> righe;
    for (const Carico& c : d.parametri.carichi) {
        TestiRiga t;
        t.tipo = c.tipo;
        t.azione = c.azione;
        for (const ValoreCarico& v : ValoriCarico(c))
            for (std::size_t k = 0; k < Colonne().size(); ++k)
                if (Colonne()[k].chiave == v.chiave)
                    t.valori[k] = QString::fromStdString(TestoParametro(v.valore, decimale));
        if (c.azione == AzioneCarico::Variabile && (c.psi2Dato || c.psi2 != 0))
            t.psi2 = QString::fromStdString(TestoParametro(c.psi2, decimale));
        righe.push_back(t);
    }
    riempi(righe);

    const VoceParametro& f = voce("fattore-carichi");
    Fattore->setCurrentIndex(Fattore->findData(QString::fromStdString(f.testo(d))));
    const auto g = voce("gamma-g2").numeri(d);
    for (std::size_t k = 0; k < 2; ++k)
        GammaG2[k]->setText(QString::fromStdString(TestoParametro(g[k].value_or(0), decimale)));
    segnala({}, false);
}

bool CarichiWindow::applica() {
    DatiLavoro nuovi = servizi().lavoro;
    nuovi.parametri.carichi.clear();
    auto rifiuta = [this](const std::string& motivo) {
        segnala(QStringLiteral("Carichi non applicati: %1.").arg(QString::fromStdString(motivo)),
                true);
        return false;
    };
    const VoceParametro& carico = voce("carico");
    for (int r = 0; r < Tabella->rowCount(); ++r) {
        std::string testo;
        auto motivo = testoCarico(testiRiga(r), r, testo);
        if (!motivo)
            motivo = carico.imposta(nuovi, testo, carico.etichetta);
        if (motivo) {
            Tabella->setCurrentCell(r, 0);
            casellaRifiutata(r)->setFocus(Qt::OtherFocusReason);
            return rifiuta(*motivo);
        }
    }
    const VoceParametro& f = voce("fattore-carichi");
    if (auto motivo =
            f.imposta(nuovi, Fattore->currentData().toString().toStdString(), f.etichetta))
        return rifiuta(*motivo);
    const VoceParametro& g = voce("gamma-g2");
    for (std::size_t k = 0; k < 2; ++k)
        if (auto motivo = g.insieme(nuovi, k, GammaG2[k]->text().trimmed().toStdString(),
                                    std::string(g.etichetta) + ",")) {
            GammaG2[k]->setFocus(Qt::OtherFocusReason);
            return rifiuta(*motivo);
        }
    for (const auto& motivo :
         {ControllaCarichi(nuovi.parametri.carichi, nuovi.parametri.fattoreCarichi),
          ControllaParametri(nuovi.parametri)})
        if (motivo)
            return rifiuta(*motivo);
    servizi().lavoro = nuovi;
    mostraCarichi(); // the values as the job now holds them
    segnala(QStringLiteral("Carichi applicati al lavoro: saranno salvati con il progetto."), false);
    if (auto* r = servizi().finestre.istanzaDi<SpinteProgettoWindow>(IdFinestra::SpinteProgetto))
        r->aggiorna();
    return true;
}

void CarichiWindow::segnala(const QString& testo, bool errore) {
    mostraEsito(Esito, testo, errore);
}

} // namespace spintaro
