// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/spintaro_window.h"

#include "info/indirizzi.h"
#include "model/calcolo.h"
#include "model/errore.h"
#include "model/modulo1.h"
#include "platform/caratteri.h"
#include "platform/collegamenti.h"
#include "platform/fonte_separatori.h"
#include "platform/pulsante_immagine.h"
#include "platform/registro_finestre.h"
#include "platform/servizi.h"
#include "platform/servizio_messaggi.h"
#include "text/testi_numerici.h"
#include "text/testi_strato.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <string>

namespace spintaro {

namespace {

// Sizes of the window, in twips.
constexpr int LarghezzaClient = 7875;
constexpr int AltezzaClient = 6015;
// Where the client area's top-left corner stands on the screen at start.
constexpr int ClientSinistra = 165;
constexpr int ClientAlto = 750;

// Every entry row: caption at the left, field at 1200, unit at 1920.
constexpr int CampoInserimento = 1200;
constexpr int LarghezzaCampoInserimento = 615;
constexpr int UnitaInserimento = 1920;
// Display rows: captions at 3000 (3120 from "Ka" down), field at 4080, unit at 5160.
constexpr int DidascaliaVisualizza = 3000;
constexpr int DidascaliaVisualizzaBassa = 3120;
constexpr int CampoVisualizza = 4080;
constexpr int LarghezzaCampoVisualizza = 975;
constexpr int UnitaVisualizza = 5160;
constexpr int AltezzaEtichetta = 255;

std::string testo(const QLineEdit* casella) {
    return casella->text().toStdString();
}

QString daStd(const std::string& s) {
    return QString::fromStdString(s);
}

QString senzaTastoDiAccesso(QString testo) {
    return testo.remove(QLatin1Char('&'));
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

QLabel* SpintaroWindow::etichetta(QWidget* genitore, const char* nome, const QString& testo,
                                  const QFont& f, int sinistra, int alto, int larghezza,
                                  int altezza) {
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(QLatin1String(nome));
    l->setFont(f);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    posiziona(l, sinistra, alto, larghezza, altezza);
    return l;
}

QLineEdit* SpintaroWindow::casella(QWidget* genitore, const char* nome,
                                   const QString& nomeAccessibile, bool visualizzazione,
                                   const QFont& f, int sinistra, int alto, int larghezza,
                                   int altezza) {
    auto* c = new QLineEdit(genitore);
    c->setObjectName(QLatin1String(nome));
    c->setAccessibleName(nomeAccessibile);
    c->setFont(f);
    c->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Display fields are written by the program only; they still take the focus, so that their
    // text can be selected and copied.
    c->setReadOnly(visualizzazione);
    posiziona(c, sinistra, alto, larghezza, altezza);
    return c;
}

QPushButton* SpintaroWindow::pulsante(QWidget* genitore, const char* nome, const QString& testo,
                                      const QString& suggerimento, const QFont& f, int sinistra,
                                      int alto, int larghezza, int altezza) {
    auto* p = new QPushButton(testo, genitore);
    p->setObjectName(QLatin1String(nome));
    p->setAccessibleName(senzaTastoDiAccesso(testo));
    p->setToolTip(suggerimento);
    p->setFont(f);
    p->setAutoDefault(false);
    posiziona(p, sinistra, alto, larghezza, altezza);
    return p;
}

void SpintaroWindow::costruisciControlli() {
    const QFont arial = fontArial(8.25);
    const QFont msSans = fontMsSansSerif(8.25);
    const QFont lettera = fontArial(9.75);   // γ and the degree sign
    const QFont sigma = fontArial(12);       // σ
    const QFont indice = fontArial(6);       // the subscripts of σ
    const QFont esponente = fontArial(8.25); // "³" is a superscript glyph by itself
    const QString kPa = QStringLiteral("kPa");
    const QString kNm = QStringLiteral("kN / m");
    const QString cubo = QString(QChar(0x00B3));
    const QString gamma = QString(QChar(0x03B3));
    const QString sigmaTesto = QString(QChar(0x03C3));
    const QString gradi = QString(QChar(0x00B0));
    const QString inserimento = QStringLiteral(" (Inserimento dati)");
    const QString visualizza = QStringLiteral(" (Visualizza)");

    // Toolbar: four picture buttons in a captionless frame.
    Frame3 = new QGroupBox(m_client);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    posiziona(Frame3, 120, 0, 1455, 375);
    auto immagine = [&](const char* nome, const char* risorsa, const QString& suggerimento,
                        int sinistra, int larghezza) {
        auto* p = new PulsanteImmagine(QString::fromLatin1(risorsa), QSize(16, 15), Frame3);
        p->setObjectName(QLatin1String(nome));
        p->setToolTip(suggerimento);
        p->setAccessibleName(suggerimento);
        posiziona(p, sinistra, 120, larghezza, 255);
        return p;
    };
    Picture1 =
        immagine("Picture1", ":/spintaro/nuovo.svg", QStringLiteral("Nuovo calcolo"), 120, 255);
    Picture4 =
        immagine("Picture4", ":/spintaro/apri.svg", QStringLiteral("Apri progetto"), 360, 375);
    Picture2 =
        immagine("Picture2", ":/spintaro/salva.svg", QStringLiteral("Salva progetto"), 720, 255);
    Picture7 = immagine("Picture7", ":/spintaro/stampa.svg", QStringLiteral("Stampa"), 1320, 255);

    // Data-entry panel.
    Frame1 = new QGroupBox(QStringLiteral("Inserimento dati"), m_client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(fontMsSansSerif(8.25, true));
    posiziona(Frame1, 0, 600, 2655, 5055);
    QWidget* f1 = Frame1;
    const int wDid = CampoInserimento - 120;
    etichetta(f1, "lab_sovraccarico", QStringLiteral("Sovraccarico"), arial, 120, 1560, wDid,
              AltezzaEtichetta);
    txt_sovraccarico = casella(f1, "txt_sovraccarico", QStringLiteral("Sovraccarico"), false, arial,
                               CampoInserimento, 1560, LarghezzaCampoInserimento, 315);
    etichetta(f1, "lab_sovraccarico_unita", kPa, arial, UnitaInserimento, 1680, 375,
              AltezzaEtichetta);

    etichetta(f1, "lab_strato", QStringLiteral("Strato"), msSans, 120, 1920, wDid,
              AltezzaEtichetta);
    txt_strato = casella(f1, "txt_strato", QStringLiteral("Strato") + inserimento, true, msSans,
                         CampoInserimento, 1920, LarghezzaCampoInserimento, 285);
    txt_strato->setText(QStringLiteral("1"));

    etichetta(f1, "lab_potenza", QStringLiteral("Potenza Strato"), msSans, 120, 2280, 1095,
              AltezzaEtichetta);
    txt_potenza = casella(f1, "txt_potenza", QStringLiteral("Potenza Strato"), false, msSans,
                          CampoInserimento, 2280, LarghezzaCampoInserimento, 285);
    etichetta(f1, "lab_potenza_unita", QStringLiteral("m"), arial, UnitaInserimento, 2400, 375,
              AltezzaEtichetta);

    etichetta(f1, "lab_gamma", gamma, lettera, 240, 2640, 135, AltezzaEtichetta);
    txt_gamma = casella(f1, "txt_gamma", gamma + inserimento, false, msSans, CampoInserimento, 2640,
                        LarghezzaCampoInserimento, 285);
    etichetta(f1, "lab_gamma_unita", kNm, arial, UnitaInserimento, 2760, 495, AltezzaEtichetta);
    etichetta(f1, "lab_gamma_esponente", cubo, esponente, 2400, 2760, 135, 135);

    etichetta(f1, "lab_coesione", QStringLiteral("Coesione"), msSans, 120, 3000, wDid,
              AltezzaEtichetta);
    txt_coesione = casella(f1, "txt_coesione", QStringLiteral("Coesione") + inserimento, false,
                           msSans, CampoInserimento, 3000, LarghezzaCampoInserimento, 285);
    etichetta(f1, "lab_coesione_unita", kPa, arial, UnitaInserimento, 3120, 375, AltezzaEtichetta);

    etichetta(f1, "lab_attrinterno", QStringLiteral("Attrito interno"), arial, 120, 3360, wDid,
              AltezzaEtichetta);
    txt_attrint = casella(f1, "txt_attrint", QStringLiteral("Attrito interno") + inserimento, false,
                          msSans, CampoInserimento, 3360, LarghezzaCampoInserimento, 285);
    etichetta(f1, "lab_attrinterno_unita", gradi, lettera, UnitaInserimento, 3360, 255,
              AltezzaEtichetta);

    etichetta(f1, "lab_falda", QStringLiteral("Sotto Falda"), arial, 120, 3960, wDid,
              AltezzaEtichetta);
    OptSi = new QRadioButton(QStringLiteral("Si"), f1);
    OptSi->setObjectName(QStringLiteral("OptSi"));
    OptNo = new QRadioButton(QStringLiteral("No"), f1);
    OptNo->setObjectName(QStringLiteral("OptNo"));
    for (QRadioButton* o : {OptSi, OptNo}) {
        o->setFont(arial);
        o->setAccessibleName(o->text());
        o->setAccessibleDescription(QStringLiteral("Sotto Falda"));
    }
    posiziona(OptSi, CampoInserimento, 3960, 495, 255);
    posiziona(OptNo, 1800, 3960, 615, 255);
    OptNo->setChecked(true);

    nuovo = pulsante(f1, "nuovo", QStringLiteral("Nuovo"),
                     QStringLiteral("Inserisci un nuovo strato"), msSans, 1320, 4320, 975, 495);
    Fine = pulsante(f1, "Fine", QStringLiteral("Ok"),
                    QStringLiteral("Fine dell'immissione dei dati"), msSans, 1320, 4920, 975, 495);

    // Display panel.
    Frame2 = new QGroupBox(QStringLiteral("Visualizza"), m_client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFont(fontArial(8.25, true));
    posiziona(Frame2, 2760, 600, 3135, 5055);
    QWidget* f2 = Frame2;
    const int wDidV = CampoVisualizza - DidascaliaVisualizza;
    const int wDidVB = CampoVisualizza - DidascaliaVisualizzaBassa;
    auto campoV = [&](const char* nome, const QString& nomeAccessibile, const QFont& f, int alto,
                      int altezza) {
        return casella(f2, nome, nomeAccessibile, true, f, CampoVisualizza, alto,
                       LarghezzaCampoVisualizza, altezza);
    };
    auto sigmaRiga = [&](const char* nome, const char* nomeIndice, const QString& testoIndice,
                         int alto) {
        etichetta(f2, nome, sigmaTesto, sigma, DidascaliaVisualizzaBassa, alto, 255, 255);
        auto* l = etichetta(f2, nomeIndice, testoIndice, indice, 3240, alto + 120, 135, 135);
        l->raise();
    };

    etichetta(f2, "lab_strat", QStringLiteral("Strato"), arial, DidascaliaVisualizza, 1080, wDidV,
              AltezzaEtichetta);
    txt_strat = campoV("txt_strat", QStringLiteral("Strato") + visualizza, msSans, 1080, 285);

    etichetta(f2, "lab_pot", QStringLiteral("Potenza"), arial, DidascaliaVisualizza, 1440, wDidV,
              AltezzaEtichetta);
    txt_pot = campoV("txt_pot", QStringLiteral("Potenza"), arial, 1440, 315);
    etichetta(f2, "lab_pot_unita", QStringLiteral("m"), arial, UnitaVisualizza, 1440, 375,
              AltezzaEtichetta);

    etichetta(f2, "lab_gam", gamma, lettera, DidascaliaVisualizza, 1800, 135, AltezzaEtichetta);
    txt_gam = campoV("txt_gam", gamma + visualizza, msSans, 1800, 285);
    etichetta(f2, "lab_gam_unita", kNm, arial, UnitaVisualizza, 1920, 495, AltezzaEtichetta);
    etichetta(f2, "lab_gam_esponente", cubo, esponente, 5640, 1920, 135, 135);

    etichetta(f2, "lab_coes", QStringLiteral("Coesione"), arial, DidascaliaVisualizza, 2160, wDidV,
              AltezzaEtichetta);
    txt_coes = campoV("txt_coes", QStringLiteral("Coesione") + visualizza, msSans, 2160, 285);
    etichetta(f2, "lab_coes_unita", kPa, arial, UnitaVisualizza, 2280, 375, AltezzaEtichetta);

    etichetta(f2, "lab_attritint", QStringLiteral("Attrito interno"), arial, DidascaliaVisualizza,
              2520, wDidV, AltezzaEtichetta);
    txt_attritint =
        campoV("txt_attritint", QStringLiteral("Attrito interno") + visualizza, arial, 2520, 315);
    etichetta(f2, "lab_attritint_unita", gradi, lettera, UnitaVisualizza, 2520, 255,
              AltezzaEtichetta);

    etichetta(f2, "lab_ka", QStringLiteral("Ka"), arial, DidascaliaVisualizzaBassa, 2880, wDidVB,
              AltezzaEtichetta);
    txt_ka = campoV("txt_ka", QStringLiteral("Ka"), arial, 2880, 315);

    sigmaRiga("lab_sv", "lab_sv_indice", QStringLiteral("v"), 3240);
    txt_Sv = campoV("txt_Sv", sigmaTesto + QStringLiteral("v"), arial, 3240, 315);
    etichetta(f2, "lab_sv_unita", kPa, arial, UnitaVisualizza, 3360, 375, AltezzaEtichetta);

    sigmaRiga("lab_sa1", "lab_sa1_indice", QStringLiteral("A1"), 3600);
    txt_sa1 = campoV("txt_sa1", sigmaTesto + QStringLiteral("A1"), arial, 3600, 315);
    etichetta(f2, "lab_sa1_unita", kPa, arial, UnitaVisualizza, 3720, 375, AltezzaEtichetta);

    sigmaRiga("lab_sa2", "lab_sa2_indice", QStringLiteral("A2"), 3960);
    txt_sa2 = campoV("txt_sa2", sigmaTesto + QStringLiteral("A2"), arial, 3960, 315);
    etichetta(f2, "lab_sa2_unita", kPa, arial, UnitaVisualizza, 4080, 375, AltezzaEtichetta);

    etichetta(f2, "lab_z0", QStringLiteral("z0"), arial, DidascaliaVisualizzaBassa, 4440, wDidVB,
              AltezzaEtichetta);
    txt_z0 = campoV("txt_z0", QStringLiteral("z0"), arial, 4320, 315);
    etichetta(f2, "lab_z0_unita", QStringLiteral("m"), arial, UnitaVisualizza, 4440, 375,
              AltezzaEtichetta);

    precedente =
        pulsante(f2, "precedente", QStringLiteral("&Precedente"),
                 QStringLiteral("Valori Strato Precedente "), msSans, 3720, 4920, 975, 495);
    successivo = pulsante(f2, "successivo", QStringLiteral("&Successivo"),
                          QStringLiteral("Valori Strato Successivo"), msSans, 4680, 4920, 975, 495);

    // Units' descriptions, for whoever reads the fields without seeing the labels.
    txt_sovraccarico->setAccessibleDescription(kPa);
    txt_potenza->setAccessibleDescription(QStringLiteral("m"));
    txt_gamma->setAccessibleDescription(QStringLiteral("kN/m") + cubo);
    txt_coesione->setAccessibleDescription(kPa);
    txt_attrint->setAccessibleDescription(QStringLiteral("gradi"));
    txt_pot->setAccessibleDescription(QStringLiteral("m"));
    txt_gam->setAccessibleDescription(QStringLiteral("kN/m") + cubo);
    txt_coes->setAccessibleDescription(kPa);
    txt_attritint->setAccessibleDescription(QStringLiteral("gradi"));
    for (QLineEdit* c : {txt_Sv, txt_sa1, txt_sa2})
        c->setAccessibleDescription(kPa);
    txt_z0->setAccessibleDescription(QStringLiteral("m"));

    // Diagrams.
    Grafico = pulsante(m_client, "Grafico", QStringLiteral("Diagramma S&v"),
                       QStringLiteral("Mostra Diagramma "), msSans, 6120, 720, 1575, 495);
    Command1 = pulsante(m_client, "Command1", QStringLiteral("Diagramma S&a"),
                        QStringLiteral("Mostra Diagramma "), arial, 6120, 1320, 1575, 495);

    // Total thrust.
    Frame4 = new QGroupBox(m_client);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    posiziona(Frame4, 6000, 2040, 1815, 1335);
    Command2 = pulsante(Frame4, "Command2", QStringLiteral("Spinta Totale"),
                        QStringLiteral("Calcola Spinta"), arial, 6120, 2280, 1575, 495);
    txt_spinta = casella(Frame4, "txt_spinta", QStringLiteral("Spinta Totale (risultato)"), true,
                         arial, 6120, 2880, 1095, 315);
    txt_spinta->setAccessibleDescription(QStringLiteral("kN/m"));
    etichetta(Frame4, "lab_spinta_unita", kPa, arial, 7320, 3000, 375, AltezzaEtichetta);

    btn_Chiudi = pulsante(m_client, "btn_Chiudi", QStringLiteral("&Chiudi"),
                          QStringLiteral("Chiudi"), arial, 6840, 5400, 975, 375);

    lab_contatto = etichetta(m_client, "lab_contatto",
                             QStringLiteral("Per suggerimenti o problemi: ") + indirizzoContatto(),
                             arial, 1440, 5760, 3735, AltezzaEtichetta);
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

    Immagini = m_barraMenu->addMenu(QStringLiteral("&Immagini"));
    Immagini->setObjectName(QStringLiteral("Immagini"));
    Salva_Sv = voce(Immagini, "Salva_Sv", QStringLiteral("Salva S&v"));
    stampasv = voce(Immagini, "stampasv", QStringLiteral("S&tampaSv"));
    Salva_Sa = voce(Immagini, "Salva_Sa", QStringLiteral("Salva S&a"));
    stampasa = voce(Immagini, "stampasa", QStringLiteral("St&ampa Sa"));

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
    suVoce(Salva_Sv, [this] { servizi().collegamenti.apriSalvaImmagine(IdFinestra::Sv); });
    suVoce(stampasv, [this] { stampaFinestra(IdFinestra::Sv); });
    suVoce(Salva_Sa, [this] { servizi().collegamenti.apriSalvaImmagine(IdFinestra::Sa); });
    suVoce(stampasa, [this] { stampaFinestra(IdFinestra::Sa); });
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
    txt_potenza->clear();
    txt_coesione->clear();
    txt_gamma->clear();
    txt_attrint->clear();
    OptNo->setChecked(true);
}

void SpintaroWindow::nuovo_Click() {
    Modulo1& m = servizi().modulo;
    try {
        m.NumStrati = LeggiIntero16(testo(txt_strato), separatori());
        LeggiDati();
        m.NumStrati = arrotondaIntero16(LeggiNumeroIniziale(testo(txt_strato)) + 1.0);
        txt_strato->setText(daStd(TestoIntero(m.NumStrati)));
    } catch (const Errore& e) {
        trappolaNuovo(e.codice());
    }
}

void SpintaroWindow::trappolaNuovo(int codice) {
    ServizioMessaggi& messaggi = servizi().messaggi;
    messaggi.beep();
    if (codice == ErroreTipo) {
        messaggi.mostra(TitoloApplicazione,
                        QStringLiteral("Controlla che tutti i dati siano stati inseriti."),
                        Pulsanti::Ok);
        // Whatever the answer, the user goes back to the window with the steps done so far kept
        // (a value read before the bad one stays stored) and the boxes holding their text. Going
        // on from the failed step would store a layer nobody has corrected, and running it again
        // under the unchanged boxes would only fail again, for ever: the user corrects the boxes
        // and presses "Nuovo" again. "Annulla" does not end the program: the job is kept.
        messaggi.mostra(TitoloApplicazione,
                        QStringLiteral("Se l'errore e' stato corretto fai click su Ok.\r\n"
                                       "altrimenti dai click su Annulla."),
                        Pulsanti::OkAnnulla);
        return;
    }
    // Any other code (9: a 51st layer) is reported and the user goes back to the window. The
    // failing step has stored nothing, so the job in memory is kept as it was.
    messaggi.mostra(TitoloApplicazione,
                    QStringLiteral("avvisate l'operatore che \r\nsi è verificato l'errore ") +
                        QString::number(codice),
                    Pulsanti::Ok);
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
    try {
        const Intero16 n = arrotondaIntero16(LeggiNumeroIniziale(testo(txt_strato)));
        m.NumStrati = n;
        txt_strato->clear();
        const QString sovraccarico = txt_sovraccarico->text();
        m.Strati(0).Sv = sovraccarico.isEmpty()
                             ? 0.0
                             : LeggiValoreCasella(sovraccarico.toStdString(), separatori());
        LeggiDati();
        CalcolaStrati(m, n);
        m.IndiceStrato = 1;
        MostraStrato(1);
    } catch (const Errore& e) {
        m = copia;
        txt_strato->setText(strato);
        txt_potenza->setText(potenza);
        txt_gamma->setText(gammaTesto);
        txt_coesione->setText(coesione);
        txt_attrint->setText(attrito);
        (sottoFalda ? OptSi : OptNo)->setChecked(true);
        segnalaErroreOk(e.codice());
    }
}

void SpintaroWindow::segnalaErroreOk(int codice) {
    servizi().messaggi.beep();
    servizi().messaggi.mostra(
        TitoloApplicazione,
        QStringLiteral("Immissione dei dati non completata: ") + daStd(descrizioneErrore(codice)) +
            QStringLiteral(".\r\nI dati sono rimasti come prima di Ok: correggili e premi di "
                           "nuovo Ok."),
        Pulsanti::Ok);
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

void SpintaroWindow::btn_Chiudi_Click() {
    servizi().finestre.scarica(IdFinestra::Spintaro);
}

} // namespace spintaro
