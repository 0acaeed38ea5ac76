// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/spintaro_window.h"

#include "model/calcolo.h"
#include "model/errore.h"
#include "model/modulo1.h"
#include "platform/accessibilita.h"
#include "platform/caratteri.h"
#include "platform/collegamenti.h"
#include "platform/fonte_separatori.h"
#include "platform/pulsante_immagine.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/servizio_messaggi.h"
#include "text/testi_numerici.h"
#include "text/testi_strato.h"
#include "ui/diagrams/comando_relazione.h"
#include "ui/info/indirizzi.h"
#include "ui/main/impaginazione_principale.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <string>
#include <type_traits>
#include <variant>

namespace spintaro {

namespace {

// Sizes of the window, in twips.
constexpr int LarghezzaClient = 7875;
constexpr int AltezzaClient = 6015;
// Where the client area's top-left corner stands on the screen at start.
constexpr int ClientSinistra = 165;
constexpr int ClientAlto = 750;

std::string testo(const QLineEdit* casella) {
    return casella->text().toStdString();
}

QString daStd(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

SpintaroWindow::SpintaroWindow(Servizi& servizi)
    : FinestraBase(IdFinestra::Spintaro, servizi, QStringLiteral("Spintaro 1.1")),
      m_twips(Twips::delloSchermo()) {
    // Fixed single border, close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(fontArial(8.25));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("areaClient"));
    m_client->setFixedSize(m_twips.dimensione(LarghezzaClient, AltezzaClient));
    m_barraMenu = impaginaConMenu(m_client, true);

    costruisciMenu();
    costruisciControlli();
    collegaComandi();
    impostaOrdineTab();

    layout()->activate();
    // Near the top-left corner of the screen, not centred: the client area's corner at its place.
    setGeometry(QRect(
        QPoint(m_twips.px(ClientSinistra), m_twips.px(ClientAlto) - m_client->geometry().top()),
        size()));
    txt_potenza->setFocus(Qt::OtherFocusReason);
}

void SpintaroWindow::caricamento() {
    servizi().modulo.IndiceStrato = 0;
}

// --- Layout -----------------------------------------------------------------------------------

void SpintaroWindow::posiziona(QWidget* w, int sinistra, int alto, int larghezza, int altezza) {
    QRect r = m_twips.rettangolo(sinistra, alto, larghezza, altezza);
    if (QWidget* genitore = w->parentWidget(); genitore != nullptr && genitore != m_client)
        r.translate(-genitore->mapTo(m_client, QPoint(0, 0)));
    w->setGeometry(r);
}

namespace {

using Tipo = ControlloPrincipale::Tipo;

QWidget* crea(Tipo tipo, const QString& testo, QWidget* genitore) {
    switch (tipo) {
    case Tipo::Cornice:
        return new QGroupBox(testo, genitore);
    case Tipo::Etichetta: {
        auto* l = new QLabel(testo, genitore);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    }
    case Tipo::Campo:
    case Tipo::SolaLettura: {
        auto* c = new CampoTesto(testo, genitore);
        c->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        c->setReadOnly(tipo == Tipo::SolaLettura);
        return c;
    }
    case Tipo::Pulsante: {
        auto* p = new QPushButton(testo, genitore);
        p->setAutoDefault(false);
        return p;
    }
    case Tipo::Opzione:
        return new QRadioButton(testo, genitore);
    case Tipo::Immagine:
        return new PulsanteImmagine(testo, QSize(16, 15), genitore);
    }
    return nullptr;
}

// The name a screen reader gives the control: the row's own, else a button's caption or a
// picture's tooltip; labels are read by their text.
QString nomeAccessibile(const ControlloPrincipale& c) {
    if (*c.nomeAccessibile != '\0')
        return QString::fromUtf8(c.nomeAccessibile);
    if (c.tipo == Tipo::Pulsante || c.tipo == Tipo::Opzione)
        return QString::fromUtf8(c.testo).remove(QLatin1Char('&'));
    return c.tipo == Tipo::Immagine ? QString::fromUtf8(c.suggerimento) : QString();
}

} // namespace

void SpintaroWindow::costruisciControlli() {
    for (const ControlloPrincipale& c : impaginazionePrincipale()) {
        QWidget* genitore =
            c.cornice ? m_client->findChild<QWidget*>(QLatin1String(c.cornice)) : m_client;
        QWidget* w = crea(c.tipo, QString::fromUtf8(c.testo), genitore);
        w->setObjectName(QLatin1String(c.nome));
        const ControlloPrincipale::Carattere& f = c.carattere;
        w->setFont(f.msSansSerif ? fontMsSansSerif(f.punti, f.grassetto)
                                 : fontArial(f.punti, f.grassetto));
        w->setToolTip(QString::fromUtf8(c.suggerimento));
        w->setAccessibleName(nomeAccessibile(c));
        w->setAccessibleDescription(QString::fromUtf8(c.descrizione));
        posiziona(w, c.sinistra, c.alto, c.larghezza, c.altezza);
        // The window's member named in the row, if any, keeps the control.
        std::visit(
            [this, w]<typename M>(M membro) {
                if constexpr (!std::is_same_v<M, std::monostate>)
                    this->*membro =
                        qobject_cast<std::remove_reference_t<decltype(this->*membro)>>(w);
            },
            c.membro);
    }
    // Each field is named by its caption, for a screen reader.
    for (const ControlloPrincipale& c : impaginazionePrincipale())
        if (*c.etichetta != '\0')
            m_client->findChild<QLabel*>(QLatin1String(c.etichetta))
                ->setBuddy(m_client->findChild<QWidget*>(QLatin1String(c.nome)));
    OptNo->setChecked(true);
}

void SpintaroWindow::costruisciMenu() {
    auto voce = [](QMenu* menu, const char* nome, const QString& testo) {
        QAction* a = menu->addAction(testo);
        a->setObjectName(QLatin1String(nome));
        return a;
    };
    File = m_barraMenu->addMenu(QStringLiteral("&File"));
    File->setObjectName(QStringLiteral("File"));
    new_ = voce(File, "new", QStringLiteral("&Nuovo Calcolo"));
    Open = voce(File, "Open", QStringLiteral("&Apri"));
    Save = voce(File, "Save", QStringLiteral("&Salva"));
    esportamenu = voce(File, "esportamenu", QStringLiteral("&Esporta"));
    stampa = voce(File, "stampa", QStringLiteral("S&tampa"));
    intestazione = voce(File, "intestazione", QStringLiteral("&Intestazione del progetto..."));
    relazione = voce(File, "relazione", QStringLiteral("&Relazione di calcolo..."));

    Immagini = m_barraMenu->addMenu(QStringLiteral("&Immagini"));
    Immagini->setObjectName(QStringLiteral("Immagini"));
    Salva_Sv = voce(Immagini, "Salva_Sv", QStringLiteral("Salva S&v"));
    stampasv = voce(Immagini, "stampasv", QStringLiteral("S&tampaSv"));
    Salva_Sa = voce(Immagini, "Salva_Sa", QStringLiteral("Salva S&a"));
    stampasa = voce(Immagini, "stampasa", QStringLiteral("St&ampa Sa"));

    Calcolo = m_barraMenu->addMenu(QStringLiteral("&Calcolo"));
    Calcolo->setObjectName(QStringLiteral("Calcolo"));
    parametri = voce(Calcolo, "parametri", QStringLiteral("&Parametri di calcolo..."));
    carichi = voce(Calcolo, "carichi", QStringLiteral("Carichi sul &terrapieno..."));
    spinte_progetto = voce(Calcolo, "spinte_progetto", QStringLiteral("&Spinte di progetto..."));

    info = m_barraMenu->addMenu(QStringLiteral("&?"));
    info->setObjectName(QStringLiteral("info"));
    info_programma = voce(info, "info_programma", QStringLiteral("Informazioni su &Spintaro 1.1"));
    grazie = voce(info, "grazie", QStringLiteral("&E Grazie..."));
}

void SpintaroWindow::collegaComandi() {
    auto suClic = [this](QAbstractButton* b, auto azione) {
        QObject::connect(b, &QAbstractButton::clicked, this, [this, azione] { comando(azione); });
    };
    auto suVoce = [this](QAction* a, auto azione) {
        QObject::connect(a, &QAction::triggered, this, [this, azione] { comando(azione); });
    };
    auto apre = [this](IdFinestra id) {
        return [this, id] {
            apri(id);
        };
    };

    suClic(Picture1, apre(IdFinestra::Attenzione));
    suVoce(new_, apre(IdFinestra::Attenzione));
    suClic(Picture4, apre(IdFinestra::Apri));
    suVoce(Open, apre(IdFinestra::Apri));
    suClic(Picture2, apre(IdFinestra::Salva));
    suVoce(Save, apre(IdFinestra::Salva));
    suVoce(esportamenu, apre(IdFinestra::Esporta));
    suClic(Picture7, apre(IdFinestra::stampa1));
    suVoce(stampa, apre(IdFinestra::stampa1));
    suVoce(intestazione, apre(IdFinestra::Intestazione));
    suVoce(relazione, [this] { relazione_Click(); });
    suVoce(Salva_Sv, [this] { servizi().collegamenti.apriSalvaImmagine(IdFinestra::Sv); });
    suVoce(stampasv, [this] { stampaFinestra(IdFinestra::Sv); });
    suVoce(Salva_Sa, [this] { servizi().collegamenti.apriSalvaImmagine(IdFinestra::Sa); });
    suVoce(stampasa, [this] { stampaFinestra(IdFinestra::Sa); });
    suVoce(parametri, apre(IdFinestra::Parametri));
    suVoce(carichi, apre(IdFinestra::Carichi));
    suVoce(spinte_progetto, apre(IdFinestra::SpinteProgetto));
    suVoce(info_programma, apre(IdFinestra::frmSplash));
    suVoce(grazie, apre(IdFinestra::grazie1));
    suClic(Grafico, apre(IdFinestra::Sv));
    suClic(Command1, apre(IdFinestra::Sa));
    suClic(Command2, [this] { Command2_Click(); });
    suClic(nuovo, [this] { nuovo_Click(); });
    suClic(Fine, [this] { Fine_Click(); });
    suClic(precedente, [this] { precedente_Click(); });
    suClic(successivo, [this] { successivo_Click(); });
    suClic(btn_Chiudi, [this] { btn_Chiudi_Click(); });

    // The "Sotto Falda" group is one stop of the Tab key, on the selected option; the arrow keys
    // move the selection within the group.
    auto aggiornaFermata = [this] {
        for (QRadioButton* o : {OptSi, OptNo})
            o->setFocusPolicy(o->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(OptSi, &QRadioButton::toggled, this, aggiornaFermata);
    aggiornaFermata();
}

void SpintaroWindow::impostaOrdineTab() {
    const QList<QWidget*> ordine = {
        txt_potenza, txt_gamma, txt_coesione,  txt_attrint,      OptSi,      OptNo,
        nuovo,       Fine,      Grafico,       Command1,         precedente, successivo,
        txt_gam,     txt_coes,  txt_strat,     txt_sovraccarico, txt_ka,     txt_Sv,
        txt_sa1,     txt_sa2,   txt_attritint, txt_pot,          txt_strato, Picture4,
        Picture1,    Picture2,  Picture7,      btn_Chiudi,       txt_spinta, Command2,
        txt_z0,
    };
    for (qsizetype i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
}

// --- Commands ---------------------------------------------------------------------------------

Separatori SpintaroWindow::separatori() const {
    return servizi().separatori.separatori();
}

QString SpintaroWindow::testoDisplay(double v) const {
    return daStd(FormatoDisplay(v, 3, separatori().decimale));
}

void SpintaroWindow::apri(IdFinestra id) {
    servizi().finestre.apri(id);
}

void SpintaroWindow::stampaFinestra(IdFinestra id) {
    servizi().finestre.stampa(id);
}

void SpintaroWindow::LeggiDati() {
    Modulo1& m = servizi().modulo;
    const Separatori sep = separatori();
    // Each value is read, then stored into the record NumStrati names at that moment.
    const double potenza = LeggiValoreCasella(testo(txt_potenza), sep);
    m.Strati(m.NumStrati).Potenza = potenza;
    const double gammaLetto = LeggiValoreCasella(testo(txt_gamma), sep);
    m.Strati(m.NumStrati).Gamma = gammaLetto;
    const double coesione = LeggiValoreCasella(testo(txt_coesione), sep);
    m.Strati(m.NumStrati).Coesione = coesione;
    const double attrito = LeggiValoreCasella(testo(txt_attrint), sep);
    m.Strati(m.NumStrati).AttritoInterno = attrito;
    m.Strati(m.NumStrati).Falda = OptSi->isChecked() ? Intero16{1} : Intero16{0};
    pulisciCaselle();
}

void SpintaroWindow::pulisciCaselle() {
    txt_potenza->clear();
    txt_coesione->clear();
    txt_gamma->clear();
    txt_attrint->clear();
    OptNo->setChecked(true);
}

bool SpintaroWindow::caselleVuote() const {
    return txt_potenza->text().isEmpty() && txt_gamma->text().isEmpty() &&
           txt_coesione->text().isEmpty() && txt_attrint->text().isEmpty() && !OptSi->isChecked();
}

bool SpintaroWindow::conservaStrato(long long n) const {
    // A layer of zeros stays the same either way; any other stored layer is kept.
    return m_stratoMemorizzato && n >= 1 && n <= servizi().modulo.NumStrati && caselleVuote();
}

namespace {

// The captions of the value boxes, for the messages that name one.
struct Didascalia {
    QLineEdit* SpintaroWindow::*casella;
    const char* testo;
};
constexpr Didascalia Didascalie[] = {
    {&SpintaroWindow::txt_sovraccarico, "Sovraccarico"},
    {&SpintaroWindow::txt_potenza, "Potenza Strato"},
    {&SpintaroWindow::txt_gamma, "γ"},
    {&SpintaroWindow::txt_coesione, "Coesione"},
    {&SpintaroWindow::txt_attrint, "Attrito interno"},
};

} // namespace

QLineEdit* SpintaroWindow::primaCasellaIllegibile(std::span<QLineEdit* const> caselle) const {
    const Separatori sep = separatori();
    for (QLineEdit* casella : caselle) {
        try {
            (void)LeggiValoreCasella(testo(casella), sep);
        } catch (const Errore&) {
            return casella;
        }
    }
    return nullptr;
}

void SpintaroWindow::evidenzia(QLineEdit* casella) {
    if (casella == nullptr)
        return;
    casella->setFocus(Qt::OtherFocusReason);
    casella->selectAll();
}

void SpintaroWindow::segnalaTabellaPiena(const QString& seguito) {
    servizi().messaggi.mostra(
        TitoloApplicazione,
        QStringLiteral("La tabella contiene al massimo %1 strati: ").arg(UltimoRecord) + seguito,
        Pulsanti::Ok);
}

void SpintaroWindow::nuovo_Click() {
    Modulo1& m = servizi().modulo;
    // "Annulla" in the trap's question puts back the job (the record and NumStrati) and the
    // number shown as they were before the command.
    const Modulo1 prima = m;
    const QString stratoPrima = txt_strato->text();
    try {
        const Intero16 n = LeggiIntero16(testo(txt_strato), separatori());
        if (n > UltimoRecord) {
            // The number past the last record only says that the table is full: nothing to store.
            servizi().messaggi.beep();
            segnalaTabellaPiena(
                QStringLiteral("premi Ok per chiudere l'immissione dei dati con quelli inseriti."));
            return;
        }
        const bool conserva = conservaStrato(n);
        m.NumStrati = n;
        // Empty boxes over a stored layer (Ok, then "Nuovo" to add a layer) leave it as it is.
        if (!conserva)
            LeggiDati();
        const Intero16 prossimo = arrotondaIntero16(LeggiNumeroIniziale(testo(txt_strato)) + 1.0);
        // After the fiftieth layer the number shown is 51 while NumStrati stays at the 50 layers
        // stored, so that every walk over the table (thrust, save, export, report, diagrams)
        // keeps within it.
        m.NumStrati = std::min<Intero16>(prossimo, UltimoRecord);
        txt_strato->setText(daStd(TestoIntero(prossimo)));
        m_stratoMemorizzato = false;
    } catch (const Errore& e) {
        trappolaNuovo(e.codice(), prima, stratoPrima);
    }
}

void SpintaroWindow::trappolaNuovo(int codice, const Modulo1& prima, const QString& stratoPrima) {
    ServizioMessaggi& messaggi = servizi().messaggi;
    messaggi.beep();
    if (codice == ErroreTipo) {
        messaggi.mostra(TitoloApplicazione,
                        QStringLiteral("Controlla che tutti i dati siano stati inseriti."),
                        Pulsanti::Ok);
        // OK: back to the window with the steps done so far kept (a value read before the bad one
        // stays stored) and the boxes holding their text, to correct them and press "Nuovo"
        // again; going on from the failed step would store a layer nobody has corrected, and
        // running it again under the unchanged boxes would only fail again, for ever.
        // "Annulla": the command is cancelled, the job is put back as it was before it. Neither
        // answer ends the program.
        const Risposta risposta =
            messaggi.mostra(TitoloApplicazione,
                            QStringLiteral("Se l'errore e' stato corretto fai click su Ok.\r\n"
                                           "altrimenti dai click su Annulla."),
                            Pulsanti::OkAnnulla);
        if (risposta == Risposta::Annulla) {
            servizi().modulo = prima;
            txt_strato->setText(stratoPrima);
        }
        evidenzia(primaCasellaIllegibile(caselleStrato()));
        return;
    }
    // Any other code (6: a value too large) is reported and the user goes back to the window.
    messaggi.mostra(TitoloApplicazione,
                    QStringLiteral("avvisate l'operatore che \r\nsi è verificato l'errore ") +
                        QString::number(codice),
                    Pulsanti::Ok);
    evidenzia(primaCasellaIllegibile(caselleStrato()));
}

void SpintaroWindow::Fine_Click() {
    Modulo1& m = servizi().modulo;
    // Ok has several steps that can fail after others have changed things: take a copy of the
    // job and of the boxes it clears, and put them back if any step fails.
    const Modulo1 copia = m;
    const QString strato = txt_strato->text();
    const QString potenza = txt_potenza->text();
    const QString gammaTesto = txt_gamma->text();
    const QString coesione = txt_coesione->text();
    const QString attrito = txt_attrint->text();
    const bool sottoFalda = OptSi->isChecked();
    bool piena = false;
    try {
        const Intero16 n = arrotondaIntero16(LeggiNumeroIniziale(testo(txt_strato)));
        // Past the fiftieth layer the entry closes with the fifty layers stored; the boxes are
        // not stored. Empty boxes over a stored layer (Ok pressed again) only recompute.
        piena = n > UltimoRecord;
        const bool conserva = !piena && conservaStrato(n);
        m.NumStrati = piena ? Intero16{UltimoRecord} : n;
        txt_strato->clear();
        const QString sovraccarico = txt_sovraccarico->text();
        m.Strati(0).Sv = sovraccarico.isEmpty()
                             ? 0.0
                             : LeggiValoreCasella(sovraccarico.toStdString(), separatori());
        if (piena)
            pulisciCaselle();
        else if (!conserva)
            LeggiDati();
        CalcolaStrati(m, m.NumStrati);
        m.IndiceStrato = 1;
        MostraStrato(1);
        m_stratoMemorizzato = true;
    } catch (const Errore& e) {
        m = copia;
        txt_strato->setText(strato);
        txt_potenza->setText(potenza);
        txt_gamma->setText(gammaTesto);
        txt_coesione->setText(coesione);
        txt_attrint->setText(attrito);
        (sottoFalda ? OptSi : OptNo)->setChecked(true);
        // The boxes in the order Ok reads them; past the table only the surcharge is read.
        const std::array<QLineEdit*, 5> lette = {txt_sovraccarico, txt_potenza, txt_gamma,
                                                 txt_coesione, txt_attrint};
        segnalaErroreOk(e.codice(),
                        primaCasellaIllegibile(std::span(lette).first(piena ? 1 : lette.size())));
        return;
    }
    if (piena) {
        const bool conDati = !(potenza.isEmpty() && gammaTesto.isEmpty() && coesione.isEmpty() &&
                               attrito.isEmpty() && !sottoFalda);
        segnalaTabellaPiena(QStringLiteral("l'immissione dei dati è stata chiusa con %1 strati.")
                                .arg(UltimoRecord) +
                            (conDati ? QStringLiteral("\r\nI valori nelle caselle non sono stati "
                                                      "memorizzati.")
                                     : QString()));
    }
}

void SpintaroWindow::segnalaErroreOk(int codice, QLineEdit* casella) {
    QString campo;
    for (const Didascalia& d : Didascalie)
        if (this->*d.casella == casella)
            campo = QStringLiteral(" nel campo «%1»").arg(QString::fromUtf8(d.testo));
    servizi().messaggi.beep();
    servizi().messaggi.mostra(
        TitoloApplicazione,
        QStringLiteral("Immissione dei dati non completata: ") + daStd(descrizioneErrore(codice)) +
            campo +
            QStringLiteral(".\r\nI dati sono rimasti come prima di Ok: correggili e premi di "
                           "nuovo Ok."),
        Pulsanti::Ok);
    evidenzia(casella);
}

void SpintaroWindow::successivo_Click() {
    Modulo1& m = servizi().modulo;
    try {
        const Intero16 i = somma16(m.IndiceStrato, 1);
        m.IndiceStrato = i;
        if (i <= m.NumStrati)
            MostraStrato(i);
        else
            m.IndiceStrato = m.NumStrati;
    } catch (const Errore& e) {
        servizi().messaggi.mostra(TitoloApplicazione,
                                  QStringLiteral("Strato successivo non disponibile: ") +
                                      daStd(descrizioneErrore(e.codice())) + QStringLiteral("."),
                                  Pulsanti::Ok);
    }
}

void SpintaroWindow::precedente_Click() {
    Modulo1& m = servizi().modulo;
    try {
        const Intero16 i = somma16(m.IndiceStrato, -1);
        m.IndiceStrato = i;
        if (i >= 1)
            MostraStrato(i);
        else
            m.IndiceStrato = 1;
    } catch (const Errore& e) {
        servizi().messaggi.mostra(TitoloApplicazione,
                                  QStringLiteral("Strato precedente non disponibile: ") +
                                      daStd(descrizioneErrore(e.codice())) + QStringLiteral("."),
                                  Pulsanti::Ok);
    }
}

void SpintaroWindow::svuotaVisualizza() {
    for (QLineEdit* c :
         {txt_pot, txt_gam, txt_coes, txt_attritint, txt_ka, txt_Sv, txt_sa1, txt_sa2, txt_z0})
        c->clear();
}

void SpintaroWindow::PulisciVisualizza() {
    ricominciaNumerazione();
    for (QLineEdit* c :
         {txt_strat, txt_pot, txt_gam, txt_coes, txt_attritint, txt_ka, txt_Sv, txt_sa1, txt_sa2})
        c->clear();
}

void SpintaroWindow::ricominciaNumerazione() {
    txt_strato->setText(QStringLiteral("1"));
    m_stratoMemorizzato = false;
}

void SpintaroWindow::progettoAperto() {
    // The project's surcharge, in force since the open, in its box (empty for none).
    const double q = servizi().modulo.Strati(0).Sv;
    txt_sovraccarico->setText(q == 0 ? QString() : daStd(TestoGenerale(q, separatori().decimale)));
    const Intero16 n = servizi().modulo.NumStrati;
    if (n < 1) {
        ricominciaNumerazione();
        return;
    }
    // Ok right after the open closes the entry with every layer read, as they are.
    txt_strato->setText(daStd(TestoIntero(n)));
    m_stratoMemorizzato = true;
}

void SpintaroWindow::MostraStrato(Intero16 n) noexcept {
    try {
        const Modulo1& m = servizi().modulo;
        txt_strato->setText(daStd(TestoIntero(m.NumStrati)));
        const TestiStrato testi = TestiMostraStrato(m, n, separatori().decimale);
        const std::pair<QLineEdit*, const std::string*> caselle[] = {
            {txt_strat, &testi.strat},
            {txt_pot, &testi.pot},
            {txt_gam, &testi.gam},
            {txt_coes, &testi.coes},
            {txt_attritint, &testi.attritint},
            {txt_ka, &testi.ka},
            {txt_Sv, &testi.Sv},
            {txt_sa1, &testi.sa1},
            {txt_z0, &testi.z0},
            {txt_sa2, &testi.sa2}};
        for (const auto& [casella, testo] : caselle)
            casella->setText(daStd(*testo));
    } catch (...) {
        svuotaVisualizza();
    }
}

void SpintaroWindow::Command2_Click() {
    Modulo1& m = servizi().modulo;
    const Modulo1 copia = m;
    try {
        const double spinta = CalcolaSpinta(m);
        txt_spinta->setText(testoDisplay(spinta));
    } catch (const Errore& e) {
        // No total: the table and the cursor are as they were, and no stale figure stays shown.
        m = copia;
        txt_spinta->clear();
        servizi().messaggi.beep();
        servizi().messaggi.mostra(TitoloApplicazione,
                                  QStringLiteral("Spinta totale non calcolata: ") +
                                      daStd(descrizioneErrore(e.codice())) +
                                      QStringLiteral(".\r\nControlla i dati degli strati."),
                                  Pulsanti::Ok);
    }
}

void SpintaroWindow::relazione_Click() {
    comandoRelazione(servizi(), this);
}

void SpintaroWindow::btn_Chiudi_Click() {
    servizi().finestre.scarica(IdFinestra::Spintaro);
}

} // namespace spintaro
