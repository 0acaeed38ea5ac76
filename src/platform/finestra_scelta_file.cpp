// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/finestra_scelta_file.h"

#include "model/modulo1.h"
#include "platform/caratteri.h"
#include "platform/file_system.h"
#include "platform/liste_file.h"
#include "platform/servizi.h"
#include "platform/servizio_messaggi.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace spintaro {

FinestraSceltaFile::FinestraSceltaFile(IdFinestra id, Servizi& servizi, const QString& titolo,
                                       int larghezza, int altezza)
    : FinestraBase(id, servizi, titolo), m_twips(Twips::delloSchermo()) {
    setFont(fontMsSansSerif(8.25));
    // The default border: resizable, with minimise and maximise boxes. The controls keep their
    // places when the window is resized.
    resize(m_twips.dimensione(larghezza, altezza));
}

void FinestraSceltaFile::posiziona(QWidget* w, int sinistra, int alto, int larghezza, int altezza) {
    w->setGeometry(m_twips.rettangolo(sinistra, alto, larghezza, altezza));
}

ListaDischi* FinestraSceltaFile::creaListaDischi(int sinistra, int alto, int larghezza,
                                                 int altezza) {
    auto* l = new ListaDischi(this);
    l->setObjectName(QStringLiteral("Drive1"));
    l->setAccessibleName(QStringLiteral("Unità"));
    posiziona(l, sinistra, alto, larghezza, altezza);
    return l;
}

ListaCartelle* FinestraSceltaFile::creaListaCartelle(int sinistra, int alto, int larghezza,
                                                     int altezza) {
    auto* l = new ListaCartelle(this);
    l->setObjectName(QStringLiteral("Dir1"));
    l->setAccessibleName(QStringLiteral("Cartelle"));
    posiziona(l, sinistra, alto, larghezza, altezza);
    return l;
}

ListaFile* FinestraSceltaFile::creaListaFile(const QString& schemi, int sinistra, int alto,
                                             int larghezza, int altezza) {
    auto* l = new ListaFile(schemi, this);
    l->setObjectName(QStringLiteral("File1"));
    l->setAccessibleName(QStringLiteral("File"));
    posiziona(l, sinistra, alto, larghezza, altezza);
    return l;
}

QLineEdit* FinestraSceltaFile::creaCasellaNome(const char* nome, const QString& testo, int sinistra,
                                               int alto, int larghezza, int altezza) {
    auto* c = new QLineEdit(testo, this);
    c->setObjectName(QLatin1String(nome));
    c->setAccessibleName(QStringLiteral("Nome del file"));
    posiziona(c, sinistra, alto, larghezza, altezza);
    return c;
}

QComboBox* FinestraSceltaFile::creaFormato(const QStringList& voci, const QString& testo,
                                           int sinistra, int alto, int larghezza, int altezza) {
    auto* c = new QComboBox(this);
    c->setObjectName(QStringLiteral("txt_formato"));
    c->setAccessibleName(QStringLiteral("Formato"));
    c->setEditable(true);
    // What the user types stays in the box; it does not join the list.
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(voci);
    c->setCurrentText(testo);
    posiziona(c, sinistra, alto, larghezza, altezza);
    return c;
}

QPushButton* FinestraSceltaFile::creaPulsante(const char* nome, const QString& testo, int sinistra,
                                              int alto, int larghezza, int altezza) {
    auto* p = new QPushButton(testo, this);
    p->setObjectName(QLatin1String(nome));
    p->setAutoDefault(false);
    posiziona(p, sinistra, alto, larghezza, altezza);
    return p;
}

void FinestraSceltaFile::collegaListe(ListaDischi* dischi, ListaCartelle* cartelle, ListaFile* file,
                                      QLineEdit* casellaNome) {
    m_dischi = dischi;
    m_cartelle = cartelle;
    m_file = file;

    mostraCartellaDiLavoro();

    QObject::connect(m_cartelle, &ListaCartelle::cartellaCambiata, this,
                     [this](const QString& p) { comando([this, p] { cambiaCartella(p); }); });
    QObject::connect(m_cartelle, &ListaCartelle::cartellaNonApribile, this,
                     [this](const QString& p, const QString& motivo) {
                         comando([this, p, motivo] {
                             avvisa(QStringLiteral("Impossibile aprire la cartella «%1»: %2.")
                                        .arg(percorsoPerMessaggio(p), motivo));
                         });
                     });
    if (m_dischi != nullptr)
        QObject::connect(m_dischi, &ListaDischi::discoScelto, this,
                         [this](const QString& r) { comando([this, r] { scegliDisco(r); }); });
    if (casellaNome != nullptr)
        QObject::connect(m_file, &ListaFile::fileScelto, casellaNome, &QLineEdit::setText);
}

void FinestraSceltaFile::scegliDisco(const QString& radice) {
    // A drive's current directory: the working directory when it lies on that drive.
    const QString lavoro = QDir::currentPath();
    const QString destinazione = m_dischi->discoDi(lavoro) == radice ? lavoro : radice;
    if (destinazione == m_cartelle->cartella())
        return;
    if (const QString motivo = ListaCartelle::motivoNonApribile(destinazione); !motivo.isEmpty()) {
        // The drive cannot be read: the lists stay where they were.
        m_dischi->mostraDiscoDi(m_cartelle->cartella());
        avvisa(QStringLiteral("Impossibile aprire l'unità «%1»: %2.")
                   .arg(percorsoPerMessaggio(radice), motivo));
        return;
    }
    m_cartelle->impostaCartella(destinazione);
    cambiaCartella(m_cartelle->cartella());
}

void FinestraSceltaFile::cambiaCartella(const QString& percorso) {
    m_file->impostaCartella(percorso);
    if (m_dischi != nullptr)
        m_dischi->mostraDiscoDi(percorso);
    if (!QDir::setCurrent(percorso))
        avvisa(QStringLiteral("La cartella «%1» non può diventare la cartella di lavoro: i file "
                              "saranno letti e scritti in «%2».")
                   .arg(percorsoPerMessaggio(percorso), percorsoPerMessaggio(QDir::currentPath())));
}

void FinestraSceltaFile::mostraCartellaDiLavoro() {
    // If the working directory has gone (removed from under the program), the root instead.
    if (!m_cartelle->impostaCartella(QDir::currentPath()))
        m_cartelle->impostaCartella(QDir::rootPath());
    m_file->impostaCartella(m_cartelle->cartella());
    if (m_dischi != nullptr)
        m_dischi->mostraDiscoDi(m_cartelle->cartella());
}

void FinestraSceltaFile::impostaOrdineTab(const QList<QWidget*>& ordine) {
    for (qsizetype i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
    if (!ordine.isEmpty())
        ordine.front()->setFocus(Qt::OtherFocusReason);
}

void FinestraSceltaFile::posizionaSulloSchermo(int sinistra, int alto) {
    setGeometry(QRect(QPoint(m_twips.px(sinistra), m_twips.px(alto)), size()));
}

void FinestraSceltaFile::avvisa(const QString& testo) {
    servizi().messaggi.mostra(TitoloApplicazione, testo, Pulsanti::Ok);
}

bool FinestraSceltaFile::scriviOAvvisa(const QString& nomeFile, const std::string& byte,
                                       Intero16 indicePrima, const QString& nonRiuscito) {
    const EsitoFile esito = scriviFileAtomico(nomeFile, byte);
    if (esito.ok)
        return true;
    servizi().modulo.IndiceStrato = indicePrima;
    avvisa(QStringLiteral("%1 «%2»:\r\n%3.\r\nUn file che esisteva con questo nome non è stato "
                          "modificato.")
               .arg(nonRiuscito, percorsoPerMessaggio(nomeFile), esito.messaggio));
    return false;
}

void FinestraSceltaFile::showEvent(QShowEvent* evento) {
    FinestraBase::showEvent(evento);
    if (m_cartelle == nullptr)
        return;
    // Another window may have changed the working directory while this one was hidden: the
    // folder in view becomes the working directory again, so that a file goes where the user
    // sees it. A folder that has gone meanwhile gives way to the working directory.
    if (QDir::setCurrent(m_cartelle->cartella())) {
        m_cartelle->aggiorna();
        m_file->aggiorna();
    } else {
        mostraCartellaDiLavoro();
    }
}

} // namespace spintaro
