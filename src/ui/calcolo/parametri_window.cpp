// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calcolo/parametri_window.h"

#include "analisi/spinte_progetto.h"
#include "files/parametri_lavoro.h"
#include "platform/caratteri.h"
#include "platform/fonte_separatori.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "ui/calcolo/controlli.h"
#include "ui/calcolo/spinte_progetto_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace spintaro {

namespace {

QString q(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// What a word of a choice shows: the combinations by their names, the others as they are written.
QString testoScelta(std::string_view parola) {
    for (Combinazione c : {Combinazione::SLE, Combinazione::A1M1, Combinazione::A2M2})
        if (parola == ParolaCombinazione(c))
            return q(NomeCombinazione(c));
    return q(parola);
}

// The loads' entries have a window of their own: this one keeps them as the job holds them.
constexpr std::string_view ParteCarichi = "Carichi";
ParametriCalcolo conCarichi(ParametriCalcolo p, const ParametriCalcolo& lavoro) {
    p.carichi = lavoro.carichi;
    p.fattoreCarichi = lavoro.fattoreCarichi;
    p.gammaG2 = lavoro.gammaG2;
    return p;
}

// The part of the window an entry belongs to.
QString parteDi(const VoceParametro& v) {
    if (!v.parte.empty())
        return q(v.parte);
    return v.tipo == TipoParametro::PerInsieme ? QStringLiteral("Coefficienti parziali")
                                               : QStringLiteral("Calcolo");
}

} // namespace

ParametriWindow::ParametriWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Parametri, servizi, QStringLiteral("Parametri di calcolo")) {
    setFont(fontMsSansSerif(8.25));
    costruisci();
    mostraParametri();
}

// One entry of the table in its group: caption, control, unit and clause on a row of its own.
void ParametriWindow::aggiungiCampo(const VoceParametro& v, QGridLayout* griglia) {
    const int riga = griglia->rowCount();
    const QString nome = q(v.etichetta);
    auto* etichetta = new QLabel(nome + QStringLiteral(":"));
    griglia->addWidget(etichetta, riga, 0);
    Campo c;
    c.voce = &v;
    auto* valore = new QWidget;
    auto* riga_ = new QHBoxLayout(valore);
    riga_->setContentsMargins(0, 0, 0, 0);
    const QString chiave = q(v.chiave);
    switch (v.tipo) {
    case TipoParametro::Scelta:
        c.scelta = new QComboBox;
        c.scelta->setObjectName(chiave);
        for (std::string_view s : v.scelte)
            c.scelta->addItem(testoScelta(s), q(s));
        riga_->addWidget(c.scelta);
        etichetta->setBuddy(c.scelta);
        break;
    case TipoParametro::Numero:
    case TipoParametro::Testo:
        c.testo[0] = new QLineEdit;
        c.testo[0]->setObjectName(chiave);
        riga_->addWidget(c.testo[0]);
        etichetta->setBuddy(c.testo[0]);
        break;
    case TipoParametro::Interruttore:
        c.interruttore = new QCheckBox(QStringLiteral("sì"));
        c.interruttore->setObjectName(chiave);
        c.interruttore->setAccessibleName(nome);
        riga_->addWidget(c.interruttore);
        etichetta->setBuddy(c.interruttore);
        break;
    case TipoParametro::PerInsieme:
        for (std::size_t k = 0; k < 2; ++k) {
            auto* insieme = new QLabel(q(v.scelte[k]));
            c.testo[k] = new QLineEdit;
            c.testo[k]->setObjectName(chiave + QStringLiteral("-") + q(v.scelte[k]));
            c.testo[k]->setAccessibleName(nome + QStringLiteral(", ") + q(v.scelte[k]));
            c.testo[k]->setMaximumWidth(60);
            insieme->setBuddy(c.testo[k]);
            riga_->addWidget(insieme);
            riga_->addWidget(c.testo[k]);
        }
        etichetta->setBuddy(c.testo[0]);
        break;
    case TipoParametro::Elenco:
        for (std::string_view s : v.scelte) {
            auto* casella = new QCheckBox(testoScelta(s));
            casella->setObjectName(chiave + QStringLiteral("-") + q(s));
            casella->setAccessibleName(nome + QStringLiteral(": ") + testoScelta(s));
            riga_->addWidget(casella);
            c.elenco.push_back(casella);
        }
        etichetta->setBuddy(c.elenco.front());
        break;
    }
    riga_->addStretch();
    griglia->addWidget(valore, riga, 1);
    // No label where there is no unit or clause: a reader would stop on an empty line.
    if (!v.unita.empty())
        griglia->addWidget(new QLabel(q(v.unita)), riga, 2);
    if (!v.clausola.empty()) {
        auto* clausola = new QLabel(q(v.clausola));
        clausola->setObjectName(QStringLiteral("clausola-") + q(v.chiave));
        QPalette grigio = palette();
        grigio.setColor(QPalette::WindowText, coloreSecondario(palette()));
        clausola->setPalette(grigio); // a remark beside the value, grey and readable
        griglia->addWidget(clausola, riga, 3);
    }
    // The caption and the control sit in different containers, where a screen reader would
    // not find the one naming the other: the control carries the caption's words itself.
    if (QWidget* w = controlloDi(c)) {
        if (w->accessibleName().isEmpty())
            w->setAccessibleName(nome);
        w->setAccessibleDescription(q(v.clausola));
    }
    m_campi.push_back(std::move(c));
}

void ParametriWindow::costruisci() {
    auto* principale = new QVBoxLayout(this);
    principale->setSizeConstraint(QLayout::SetFixedSize);

    // The groups in the order their first entry comes in the table, one tab each, so that the
    // window fits a 1024×768 screen whatever the number of entries.
    auto* schede = new QTabWidget(this);
    schede->setObjectName(QStringLiteral("Schede"));
    principale->addWidget(schede);
    std::vector<std::pair<QString, QGridLayout*>> gruppi;
    auto grigliaDi = [&](const QString& parte) {
        for (auto& [nome, griglia] : gruppi)
            if (nome == parte)
                return griglia;
        auto* pagina = new QWidget;
        auto* colonna = new QVBoxLayout(pagina);
        auto* box = new QGroupBox(parte, pagina);
        auto* griglia = new QGridLayout(box);
        griglia->setColumnMinimumWidth(1, 150);
        colonna->addWidget(box);
        colonna->addStretch();
        schede->addTab(pagina, parte);
        gruppi.emplace_back(parte, griglia);
        return griglia;
    };

    for (const VoceParametro& v : VociParametri())
        if (v.parte != ParteCarichi)
            aggiungiCampo(v, grigliaDi(parteDi(v)));

    Esito = creaNota(this, "Esito", QStringLiteral("Esito"));
    principale->addWidget(Esito);

    auto* pulsanti = new QHBoxLayout;
    auto pulsante = [&](const char* nome, const QString& testo) {
        return creaPulsante(this, pulsanti, nome, testo);
    };
    Applica = pulsante("Applica", QStringLiteral("&Applica"));
    Predefiniti = pulsante("Predefiniti", QStringLiteral("&Predefiniti"));
    Risultati = pulsante("Risultati", QStringLiteral("&Spinte di progetto..."));
    pulsanti->addStretch();
    Chiudi = pulsante("Chiudi", QStringLiteral("&Chiudi"));
    principale->addLayout(pulsanti);

    QObject::connect(Applica, &QPushButton::clicked, this,
                     [this] { comando([this] { applica(); }); });
    QObject::connect(Predefiniti, &QPushButton::clicked, this, [this] {
        comando([this] {
            servizi().lavoro.parametri = conCarichi(ParametriCalcolo{}, servizi().lavoro.parametri);
            mostraParametri();
            segnala(QStringLiteral("Ripristinati i parametri predefiniti: il calcolo di progetto "
                                   "coincide con quello degli strati."),
                    false);
            if (auto* r =
                    servizi().finestre.istanzaDi<SpinteProgettoWindow>(IdFinestra::SpinteProgetto))
                r->aggiorna();
        });
    });
    QObject::connect(Risultati, &QPushButton::clicked, this, [this] {
        comando([this] {
            if (applica())
                servizi().finestre.apri(IdFinestra::SpinteProgetto);
        });
    });
    QObject::connect(Chiudi, &QPushButton::clicked, this,
                     [this] { comando([this] { servizi().finestre.nascondi(id()); }); });
}

QWidget* ParametriWindow::controlloDi(const Campo& c) const {
    if (c.scelta != nullptr)
        return c.scelta;
    if (c.interruttore != nullptr)
        return c.interruttore;
    if (!c.elenco.empty())
        return c.elenco.front();
    return c.testo[0];
}

void ParametriWindow::mostra(const Campo& c, const DatiLavoro& d) {
    const std::string decimale = servizi().separatori.separatori().decimale;
    const auto numero = [&](const std::optional<double>& v) {
        return v ? QString::fromStdString(TestoParametro(*v, decimale)) : QString();
    };
    switch (c.voce->tipo) {
    case TipoParametro::Scelta:
        c.scelta->setCurrentIndex(c.scelta->findData(QString::fromStdString(c.voce->testo(d))));
        break;
    case TipoParametro::Numero:
        c.testo[0]->setText(numero(c.voce->numeri(d)[0]));
        break;
    case TipoParametro::Testo:
        c.testo[0]->setText(QString::fromStdString(c.voce->testo(d)));
        break;
    case TipoParametro::Interruttore:
        c.interruttore->setChecked(c.voce->testo(d) == "si");
        break;
    case TipoParametro::PerInsieme: {
        const auto valori = c.voce->numeri(d);
        c.testo[0]->setText(numero(valori[0]));
        c.testo[1]->setText(numero(valori[1]));
        break;
    }
    case TipoParametro::Elenco: {
        const std::vector<bool> scelti = c.voce->scelti(d);
        for (std::size_t k = 0; k < c.elenco.size(); ++k)
            c.elenco[k]->setChecked(scelti[k]);
        break;
    }
    }
}

std::optional<std::string> ParametriWindow::leggi(const Campo& c, DatiLavoro& d) const {
    const VoceParametro& v = *c.voce;
    switch (v.tipo) {
    case TipoParametro::Scelta:
        return v.imposta(d, c.scelta->currentData().toString().toStdString(), v.etichetta);
    case TipoParametro::Numero:
        return v.imposta(d, c.testo[0]->text().trimmed().toStdString(), v.etichetta);
    case TipoParametro::Testo:
        return v.imposta(d, c.testo[0]->text().toStdString(), v.etichetta);
    case TipoParametro::Interruttore:
        return v.imposta(d, c.interruttore->isChecked() ? "si" : "no", v.etichetta);
    case TipoParametro::PerInsieme:
        // A value that may be absent (its default is) is left out when its field is empty; the
        // others must be given.
        for (std::size_t k = 0; k < 2; ++k) {
            const std::string valore = c.testo[k]->text().trimmed().toStdString();
            if (valore.empty() && !v.numeri(DatiLavoro{})[k])
                continue;
            if (auto e = v.insieme(d, k, valore, std::string(v.etichetta) + ","))
                return e;
        }
        return std::nullopt;
    case TipoParametro::Elenco: {
        std::string elenco;
        for (std::size_t k = 0; k < c.elenco.size(); ++k)
            if (c.elenco[k]->isChecked())
                elenco += (elenco.empty() ? "" : ",") + std::string(v.scelte[k]);
        if (elenco.empty())
            return std::string(v.etichetta) + ": sceglierne almeno una";
        return v.imposta(d, elenco, v.etichetta);
    }
    }
    return std::nullopt;
}

void ParametriWindow::showEvent(QShowEvent* evento) {
    FinestraBase::showEvent(evento);
    // Opened by the program (not shown again by the window manager): the job's values now.
    if (!evento->spontaneous())
        mostraParametri();
}

void ParametriWindow::mostraParametri() {
    for (const Campo& c : m_campi)
        mostra(c, servizi().lavoro);
    segnala({}, false);
}

bool ParametriWindow::applica() {
    // Every value of the window is read over the defaults: a value left empty where it may be
    // absent is absent.
    DatiLavoro nuovi;
    nuovi.intestazione = servizi().lavoro.intestazione;
    nuovi.parametri = conCarichi(nuovi.parametri, servizi().lavoro.parametri);
    for (const Campo& c : m_campi)
        if (auto motivo = leggi(c, nuovi)) {
            segnala(
                QStringLiteral("Parametri non applicati: %1.").arg(QString::fromStdString(*motivo)),
                true);
            // The refused value in sight: its tab first, then the field.
            QWidget* campo = controlloDi(c);
            auto* schede = findChild<QTabWidget*>(QStringLiteral("Schede"));
            for (int i = 0; i < schede->count(); ++i)
                if (schede->widget(i)->isAncestorOf(campo))
                    schede->setCurrentIndex(i);
            campo->setFocus(Qt::OtherFocusReason);
            return false;
        }
    for (const auto& motivo : {ControllaParametri(nuovi.parametri),
                               ControllaInclinazione(servizi().modulo, nuovi.parametri)})
        if (motivo) {
            segnala(
                QStringLiteral("Parametri non applicati: %1.").arg(QString::fromStdString(*motivo)),
                true);
            return false;
        }
    servizi().lavoro = nuovi;
    mostraParametri(); // the values as the job now holds them
    segnala(ParametriDiProgetto(nuovi)
                ? QStringLiteral("Parametri applicati al lavoro: saranno salvati con il progetto.")
                : QStringLiteral("Parametri applicati: sono quelli predefiniti."),
            false);
    if (auto* r = servizi().finestre.istanzaDi<SpinteProgettoWindow>(IdFinestra::SpinteProgetto))
        r->aggiorna();
    return true;
}

void ParametriWindow::segnala(const QString& testo, bool errore) {
    mostraEsito(Esito, testo, errore);
}

} // namespace spintaro
