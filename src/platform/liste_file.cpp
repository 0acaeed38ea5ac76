// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/liste_file.h"

#include "files/volumi.h"
#include "platform/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyledItemDelegate>

namespace spintaro {

namespace {

constexpr int LatoIcona = 16;
// How far each level of the directory list stands in from the one above, in pixels.
constexpr int Rientro = 10;

QPixmap telaIcona() {
    QPixmap pm(LatoIcona, LatoIcona);
    pm.fill(Qt::transparent);
    return pm;
}

// A manila folder; open, its front flap leans forward and shows the inside.
QIcon iconaCartella(bool aperta) {
    QPixmap pm = telaIcona();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor bordo(120, 90, 20);
    const QColor dorso(230, 190, 80);
    const QColor fronte(250, 215, 110);
    p.setPen(QPen(bordo, 1));
    // The back with its tab.
    QPainterPath retro;
    retro.moveTo(1.5, 3.5);
    retro.lineTo(6.5, 3.5);
    retro.lineTo(7.5, 5.0);
    retro.lineTo(14.5, 5.0);
    retro.lineTo(14.5, 13.5);
    retro.lineTo(1.5, 13.5);
    retro.closeSubpath();
    p.setBrush(dorso);
    p.drawPath(retro);
    QPainterPath davanti;
    if (aperta) {
        // A sheet inside, then the flap tilted towards the viewer.
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 4.5, 9.0, 6.0));
        davanti.moveTo(3.5, 7.5);
        davanti.lineTo(15.5, 7.5);
        davanti.lineTo(13.0, 13.5);
        davanti.lineTo(1.5, 13.5);
    } else {
        davanti.moveTo(1.5, 6.5);
        davanti.lineTo(14.5, 6.5);
        davanti.lineTo(14.5, 13.5);
        davanti.lineTo(1.5, 13.5);
    }
    davanti.closeSubpath();
    p.setBrush(fronte);
    p.drawPath(davanti);
    p.end();
    return QIcon(pm);
}

// A disk drive seen from the front: a grey case with a slot and a green light.
QIcon iconaDisco() {
    QPixmap pm = telaIcona();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(0.5, 4.5, 15.0, 8.0), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(3.0, 7.5, 8.0, 1.5));
    p.setBrush(QColor(40, 190, 60));
    p.drawEllipse(QRectF(12.0, 9.0, 2.5, 2.5));
    p.end();
    return QIcon(pm);
}

// Paints each entry of the directory list moved right by its level.
class DelegatoRientro final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pittore, const QStyleOptionViewItem& opzione,
               const QModelIndex& indice) const override {
        QStyleOptionViewItem spostata(opzione);
        spostata.rect.adjust(rientro(indice), 0, 0, 0);
        QStyledItemDelegate::paint(pittore, spostata, indice);
    }

    QSize sizeHint(const QStyleOptionViewItem& opzione, const QModelIndex& indice) const override {
        QSize s = QStyledItemDelegate::sizeHint(opzione, indice);
        s.rwidth() += rientro(indice);
        return s;
    }

private:
    static int rientro(const QModelIndex& indice) {
        return indice.data(ListaCartelle::RuoloLivello).toInt() * Rientro;
    }
};

QString percorsoPulito(const QString& percorso) {
    return QDir::cleanPath(QFileInfo(percorso).absoluteFilePath());
}

} // namespace

// --- Drives -----------------------------------------------------------------------------------

ListaDischi::ListaDischi(QWidget* genitore) : QComboBox(genitore) {
    setEditable(false);
    elenca();
    QObject::connect(this, &QComboBox::activated, this, [this](int indice) {
        if (indice >= 0)
            Q_EMIT discoScelto(itemData(indice).toString());
    });
}

QString ListaDischi::discoDi(const QString& percorso) const {
    // Through symbolic links to the folder itself, so that it counts on the volume that holds it.
    const QString reale = QFileInfo(percorso).canonicalFilePath();
    const QString radice = QString::fromStdString(
        VolumeDi((reale.isEmpty() ? percorso : reale).toStdString(), m_radici));
    return radice;
}

int ListaDischi::aggiungi(const QString& radice, const QString& nome) {
    const QString testo =
        nome.isEmpty() || nome == radice
            ? QDir::toNativeSeparators(radice)
            : QStringLiteral("%1 [%2]").arg(QDir::toNativeSeparators(radice), nome);
    addItem(iconaDisco(), testo, radice);
    m_radici.push_back(radice.toStdString());
    return count() - 1;
}

void ListaDischi::elenca() {
    // The kernel's table of mounts is read as it stands, without touching the mounts themselves:
    // a network share whose server does not answer would make statfs or stat wait.
    const LetturaFile tabella = leggiFile(QStringLiteral("/proc/self/mountinfo"));
    // The home folder as the working directory would name it: through its symbolic links.
    const QFileInfo infoCasa(QDir::homePath());
    const QString casa = infoCasa.isDir() ? infoCasa.canonicalFilePath() : QString();
    const auto volumi = VolumiDaElencare(LeggiMontaggi(tabella.ok ? tabella.byte : std::string()),
                                         casa.toStdString());
    for (const Volume& v : volumi) {
        const QString radice = QString::fromStdString(v.percorso);
        if (radice == casa) {
            aggiungi(radice, QStringLiteral("Cartella personale"));
        } else if (v.remoto) {
            // Offered as it is: the user may choose it, and only then is it opened.
            aggiungi(radice, {});
        } else if (QFileInfo(radice).isDir()) {
            // A local volume answers at once: its label, if it has one. A file mounted in a
            // folder's place (as containers do) is no volume.
            const QStorageInfo volume(radice);
            aggiungi(radice, volume.rootPath() == radice ? volume.name() : QString());
        }
    }
}

void ListaDischi::mostraDiscoDi(const QString& percorso) {
    const QString radice = discoDi(percorso);
    int indice = findData(radice);
    if (indice < 0)
        indice = aggiungi(radice, {});
    setCurrentIndex(indice);
}

QString ListaDischi::disco() const {
    return currentData().toString();
}

QStringList ListaDischi::dischi() const {
    QStringList r;
    for (int i = 0; i < count(); ++i)
        r.append(itemData(i).toString());
    return r;
}

// --- Directories ------------------------------------------------------------------------------

ListaCartelle::ListaCartelle(QWidget* genitore) : QListWidget(genitore) {
    setItemDelegate(new DelegatoRientro(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setIconSize(QSize(LatoIcona, LatoIcona));
    QObject::connect(this, &QListWidget::itemActivated, this,
                     [this](QListWidgetItem* voce) { apriVoce(voce); });
}

QString ListaCartelle::motivoNonApribile(const QString& percorso) {
    if (percorso.isEmpty())
        return QStringLiteral("nessuna cartella indicata");
    const QFileInfo info(percorso);
    if (!info.exists())
        return QStringLiteral("la cartella non esiste (più)");
    if (!info.isDir())
        return QStringLiteral("non è una cartella");
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("non si hanno i permessi per aprirla");
    return {};
}

bool ListaCartelle::impostaCartella(const QString& percorso) {
    if (!motivoNonApribile(percorso).isEmpty())
        return false;
    m_cartella = percorsoPulito(percorso);
    aggiorna();
    return true;
}

void ListaCartelle::aggiorna() {
    const QSignalBlocker blocco(this);
    clear();
    if (m_cartella.isEmpty())
        return;
    // The path from the root down: each ancestor, then the directory itself.
    QStringList percorso;
    for (QDir d(m_cartella);;) {
        percorso.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    const QIcon aperta = iconaCartella(true);
    const QIcon chiusa = iconaCartella(false);
    int livello = 0;
    for (const QString& p : percorso) {
        const QString nome = livello == 0 ? QDir::toNativeSeparators(p) : QFileInfo(p).fileName();
        auto* voce = new QListWidgetItem(aperta, nome, this);
        voce->setData(RuoloPercorso, p);
        voce->setData(RuoloLivello, livello);
        ++livello;
    }
    QListWidgetItem* corrente = item(count() - 1);
    const QFileInfoList sotto =
        QDir(m_cartella)
            .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& s : sotto) {
        auto* voce = new QListWidgetItem(chiusa, s.fileName(), this);
        voce->setData(RuoloPercorso, percorsoPulito(s.absoluteFilePath()));
        voce->setData(RuoloLivello, livello);
    }
    setCurrentItem(corrente);
    scrollToItem(corrente);
}

int ListaCartelle::rigaDi(const QString& percorso) const {
    const QString cercato = percorsoPulito(percorso);
    for (int i = 0; i < count(); ++i)
        if (item(i)->data(RuoloPercorso).toString() == cercato)
            return i;
    return -1;
}

void ListaCartelle::apriVoce(QListWidgetItem* voce) {
    if (voce == nullptr)
        return;
    // Read before the list is rebuilt: the entry is deleted then.
    const QString percorso = voce->data(RuoloPercorso).toString();
    if (percorso == m_cartella)
        return;
    if (const QString motivo = motivoNonApribile(percorso); !motivo.isEmpty()) {
        Q_EMIT cartellaNonApribile(percorso, motivo);
        return;
    }
    impostaCartella(percorso);
    Q_EMIT cartellaCambiata(m_cartella);
}

// --- Files ------------------------------------------------------------------------------------

ListaFile::ListaFile(const QString& schemi, QWidget* genitore) : QListWidget(genitore) {
    for (const QString& s : schemi.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (const QString pulito = s.trimmed(); !pulito.isEmpty())
            m_schemi.append(pulito);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    QObject::connect(this, &QListWidget::itemClicked, this,
                     [this](QListWidgetItem* voce) { Q_EMIT fileScelto(voce->text()); });
    QObject::connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> scelti = selectedItems();
        if (!scelti.isEmpty())
            Q_EMIT fileScelto(scelti.front()->text());
    });
}

void ListaFile::impostaCartella(const QString& percorso) {
    m_cartella = percorsoPulito(percorso);
    aggiorna();
}

void ListaFile::aggiorna() {
    // Refilling the list is not the user's pick.
    const QSignalBlocker blocco(this);
    clear();
    if (m_cartella.isEmpty())
        return;
    // Name filters match regardless of case unless told otherwise.
    addItems(QDir(m_cartella).entryList(m_schemi, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QStringList ListaFile::nomi() const {
    QStringList r;
    for (int i = 0; i < count(); ++i)
        r.append(item(i)->text());
    return r;
}

} // namespace spintaro
