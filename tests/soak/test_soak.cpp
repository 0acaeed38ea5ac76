// SPDX-License-Identifier: GPL-3.0-or-later
// A long random walk of user actions over every window: texts of every kind typed into every box,
// buttons, menu items and toolbar pictures, windows opened, hidden and closed by their frames,
// saves, opens and exports into a temporary folder (some into places that cannot be written).
// After every action: nothing unexpected was reported, no hang, the layer count and the cursor
// stay in range, and every project file written reads back to the job's inputs.
//
// SPINTARO_SOAK_SEED and SPINTARO_SOAK_AZIONI choose the walk; the seed is printed first, so a
// failure can be replayed exactly.

#include "ambiente_prova.h"
#include "files/progetto.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace spintaro {
namespace {

using prova::AmbienteProva;

// The watchdog: an action that has not ended after this long is a hang.
constexpr unsigned SecondiPerAzione = 30;
unsigned long long semeCorrente = 0;
long azioneCorrente = 0;

extern "C" void cane_da_guardia(int) {
    char testo[160];
    const int n =
        std::snprintf(testo, sizeof testo, "\nsoak: azione %ld bloccata da %u s (seme %llu)\n",
                      azioneCorrente, SecondiPerAzione, semeCorrente);
    (void)!write(2, testo, static_cast<std::size_t>(n));
    _exit(3);
}

unsigned long long numeroDaAmbiente(const char* nome, unsigned long long predefinito) {
    const char* v = std::getenv(nome);
    return v != nullptr && *v != '\0' ? std::strtoull(v, nullptr, 10) : predefinito;
}

class Passeggiata {
public:
    explicit Passeggiata(unsigned long long seme) : m_caso(seme) {
        m_radice = QDir(m_dir.path()).canonicalPath();
        QDir(m_radice).mkdir(QStringLiteral("sotto"));
        // Named pipes with nobody at their other end, under the names the windows make of
        // "pipa": opening one for reading or writing would wait for ever.
        for (const char* pipa : {"pipa", "pipa.spt", "pipa.dat", "pipa.bmp", "sotto/pipa.spt"})
            mkfifo(QFile::encodeName(m_radice + '/' + QLatin1String(pipa)).constData(), 0644);
        QDir::setCurrent(m_radice);
        avvia();
    }
    ~Passeggiata() { QDir::setCurrent(m_cartellaIniziale); }

    // What the walk did, for its closing line.
    std::map<std::string, long> conteggi;

    void passo(long k) {
        azioneCorrente = k;
        alarm(SecondiPerAzione);
        m_a->messaggi.setNextAnswer(scegli(2) == 0 ? Risposta::Ok : Risposta::Annulla);
        m_ultima.clear();
        switch (scegli(20)) {
        case 0:
        case 1:
            apriFinestra();
            break;
        case 2:
            chiudiDalBordo();
            break;
        case 3:
        case 4:
        case 5:
        case 6:
        case 7:
            scriviInUnaCasella();
            break;
        case 8:
        case 9:
        case 10:
        case 11:
        case 12:
        case 13:
            premiUnPulsante();
            break;
        case 14:
        case 15:
        case 16:
            sceglieUnaVoceDiMenu();
            break;
        case 17:
            cliccaUnFile();
            break;
        default:
            premiUnTasto();
            break;
        }
        if (!m_ultima.isEmpty())
            ++conteggi[m_ultima.section(' ', 0, 0).toStdString()];
        dopo(k);
        alarm(0);
    }

private:
    // --- the program, started again after "&Chiudi" or the main window's close box ---------
    void avvia() {
        m_a = std::make_unique<AmbienteProva>(scegli(2) ? Separatori{",", "."}
                                                        : Separatori{".", ","});
        ASSERT_NE(m_a->avvia(), nullptr);
    }

    std::size_t scegli(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_caso);
    }

    template <typename T> T* aCaso(const QList<T*>& elenco) {
        return elenco.isEmpty() ? nullptr
                                : elenco[static_cast<qsizetype>(
                                      scegli(static_cast<std::size_t>(elenco.size())))];
    }

    QList<QWidget*> finestreVisibili() const {
        QList<QWidget*> v;
        for (IdFinestra id : TutteLeFinestre)
            if (QWidget* w = m_a->registro().istanza(id); w != nullptr && w->isVisible())
                v.push_back(w);
        return v;
    }

    template <typename T> QList<T*> controlliVisibili() const {
        QList<T*> v;
        for (QWidget* f : finestreVisibili())
            for (T* c : f->findChildren<T*>())
                if (c->isVisibleTo(f) && c->isEnabled() && !vietato(c))
                    v.push_back(c);
        return v;
    }

    // The drive and directory lists would take the walk out of its temporary folder.
    static bool vietato(const QObject* c) {
        for (const QObject* o = c; o != nullptr; o = o->parent())
            if (o->objectName() == QLatin1String("Drive1") ||
                o->objectName() == QLatin1String("Dir1"))
                return true;
        return false;
    }

    // --- actions -----------------------------------------------------------------------------
    void apriFinestra() {
        const IdFinestra id = TutteLeFinestre[scegli(TutteLeFinestre.size())];
        m_ultima = "apri " + nomeFinestra(id);
        m_a->registro().apri(id);
    }

    // Ending the program is one action among many, not one in ten: the walk would keep starting
    // again from an empty job.
    bool fineRara(const QWidget* w) {
        const bool fine = w->objectName() == QLatin1String("Spintaro") ||
                          (w->objectName() == QLatin1String("btn_Chiudi") &&
                           w->window()->objectName() == QLatin1String("Spintaro"));
        return fine && scegli(20) != 0;
    }

    void chiudiDalBordo() {
        if (QWidget* f = aCaso(finestreVisibili()); f != nullptr && !fineRara(f)) {
            m_ultima = "chiudi dal bordo " + f->objectName();
            f->close();
        }
    }

    QString testoACaso() {
        static const char* const fissi[] = {
            "",        "0",     "12",    "2,5",    "2.5",     "1.234,5",
            "1,234.5", "-3",    "1e308", "1E400",  "-1e-400", "9999999999999999999999999",
            "0,0001",  "abc",   "  ",    " 7 ",    ",",       ".",
            ",,",      "1,2,3", "+4",    "30",     "18",      "20",
            "50",      "51",    "32767", "-32769", "1e15",    "3,5"};
        if (scegli(3) > 0)
            return QString::fromLatin1(fissi[scegli(std::size(fissi))]);
        static const char alfabeto[] = "0123456789,.-+eE aX";
        QString t;
        for (std::size_t i = 0, n = scegli(12); i < n; ++i)
            t += QChar::fromLatin1(alfabeto[scegli(sizeof alfabeto - 1)]);
        return t;
    }

    QString nomeACaso() {
        static const char* const nomi[] = {"Nuovo", "prova.spt", "prova.SPT",    "dati.dat", "ab",
                                           ".spt",  "",          "sotto/lavoro", "manca/x",  "muro",
                                           "a b",   "prova",     "pipa",         "pipa.spt"};
        // Names near the system's limit of 255 bytes with the extension the window adds, and
        // beyond it.
        if (scegli(8) == 0)
            return QString(scegli(2) ? 251 : 300, QLatin1Char('l'));
        return QString::fromLatin1(nomi[scegli(std::size(nomi))]);
    }

    void scriviInUnaCasella() {
        if (scegli(4) == 0) {
            if (QComboBox* c = aCaso(controlliVisibili<QComboBox>());
                c != nullptr && c->isEditable()) {
                static const char* const formati[] = {"bmp", "jpg", "gif", "tif", "png", "xyz", ""};
                const QString f = QString::fromLatin1(formati[scegli(std::size(formati))]);
                m_ultima = "formato " + f;
                c->setEditText(f);
                return;
            }
        }
        QLineEdit* e = aCaso(controlliVisibili<QLineEdit>());
        if (e == nullptr || e->isReadOnly())
            return;
        const bool nome = e->objectName() == QLatin1String("txt_salva") ||
                          e->objectName() == QLatin1String("txt_apri");
        const QString t = nome ? nomeACaso() : testoACaso();
        m_ultima = "scrivi \"" + t + "\" in " + e->objectName();
        prova::scrivi(e, t);
    }

    void premiUnPulsante() {
        if (QAbstractButton* b = aCaso(controlliVisibili<QAbstractButton>());
            b != nullptr && !fineRara(b)) {
            m_ultima =
                "premi " + b->objectName() + " (" + b->text() + ") in " + b->window()->objectName();
            QTest::mouseClick(b, Qt::LeftButton);
        }
    }

    void sceglieUnaVoceDiMenu() {
        QList<QAction*> voci;
        for (QWidget* f : finestreVisibili())
            for (QMenuBar* barra : f->findChildren<QMenuBar*>())
                for (QAction* a : barra->findChildren<QAction*>())
                    if (a->isEnabled() && !a->isSeparator() && a->menu() == nullptr &&
                        !a->objectName().isEmpty())
                        voci.push_back(a);
        if (QAction* a = aCaso(voci)) {
            m_ultima = "menu " + a->objectName();
            a->trigger();
        }
    }

    void cliccaUnFile() {
        QListWidget* l = aCaso(controlliVisibili<QListWidget>());
        if (l == nullptr || l->count() == 0)
            return;
        QListWidgetItem* voce =
            l->item(static_cast<int>(scegli(static_cast<std::size_t>(l->count()))));
        m_ultima = "file " + voce->text() + " in " + l->objectName();
        const QRect r = l->visualItemRect(voce);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
    }

    void premiUnTasto() {
        QWidget* f = aCaso(finestreVisibili());
        if (f == nullptr)
            return;
        QWidget* fuoco = f->focusWidget() != nullptr ? f->focusWidget() : f;
        if (vietato(fuoco))
            return;
        static const Qt::Key tasti[] = {Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Return,
                                        Qt::Key_Space, Qt::Key_Escape,  Qt::Key_Up,
                                        Qt::Key_Down};
        const Qt::Key t = tasti[scegli(std::size(tasti))];
        m_ultima = QStringLiteral("tasto %1 su %2").arg(int(t)).arg(fuoco->objectName());
        QTest::keyClick(fuoco, t);
    }

    // --- checks after every action ------------------------------------------------------------
    void dopo(long k) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        const std::string dove =
            "azione " + std::to_string(k) + " (" + m_ultima.toStdString() + ")";

        conteggi["messaggi"] += static_cast<long>(m_a->messaggi.messaggi().size());
        for (const QString& t : m_a->messaggi.testi()) {
            ASSERT_FALSE(t.contains(QLatin1String("imprevisto")))
                << dove << ": " << t.toStdString();
            conteggi["pipe rifiutate"] += t.contains(QLatin1String("pipe con nome"));
            conteggi["nomi troppo lunghi"] += t.contains(QLatin1String("troppo lungo"));
        }
        m_a->messaggi.azzera();

        if (m_a->fini > 0) { // "&Chiudi" or the main window's close box ended the program
            ASSERT_TRUE(finestreVisibili().isEmpty()) << dove;
            ++conteggi["riavvii"];
            avvia();
            return;
        }
        const Modulo1& m = m_a->m();
        ASSERT_GE(m.NumStrati, 0) << dove;
        ASSERT_LE(m.NumStrati, 51) << dove;
        ASSERT_GE(m.IndiceStrato, 0) << dove;
        ASSERT_LE(m.IndiceStrato, 52) << dove;

        // The walk stays in its folder, whatever the lists did.
        if (QDir::currentPath() != m_radice && !QDir::currentPath().startsWith(m_radice + '/'))
            QDir::setCurrent(m_radice);

        controllaProgetti(dove);
    }

    void controllaProgetti(const std::string& dove) {
        QDirIterator it(m_radice, {QStringLiteral("*.spt")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString percorso = it.next();
            QFile f(percorso);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << dove;
            const QByteArray byte = f.readAll();
            if (m_progetti[percorso] == byte)
                continue;
            m_progetti[percorso] = byte;
            ++conteggi["progetti scritti"];
            // Written by this action: it holds the job's inputs exactly as the writer puts them.
            Modulo1 copia = m_a->m();
            ASSERT_EQ(ScriviProgetto(copia), byte.toStdString())
                << dove << ": " << percorso.toStdString();
            // The reader gives back those inputs, record by record.
            const LetturaProgetto letto = LeggiProgetto(byte.toStdString());
            ASSERT_TRUE(letto.ok) << dove << ": " << letto.messaggio;
            ASSERT_EQ(static_cast<long>(letto.record.size()), copia.NumStrati + 1L) << dove;
            Modulo1 riletto;
            for (std::size_t i = 0; i < letto.record.size(); ++i)
                riletto.Strati(static_cast<long long>(i)) = letto.record[i];
            riletto.NumStrati = copia.NumStrati;
            ASSERT_EQ(ScriviProgetto(riletto), byte.toStdString()) << dove;
            // Opening it works, unless inputs typed in but never computed overflow the
            // computation, which Open refuses with its reason.
            const EsitoApertura aperto = ApriProgetto(riletto, byte.toStdString());
            ASSERT_TRUE(aperto.ok || aperto.messaggio.find("non calcolabile") != std::string::npos)
                << dove << ": " << aperto.messaggio;
        }
    }

    std::mt19937_64 m_caso;
    QTemporaryDir m_dir;
    QString m_radice;
    QString m_cartellaIniziale = QDir::currentPath();
    std::unique_ptr<AmbienteProva> m_a;
    QString m_ultima;
    std::map<QString, QByteArray> m_progetti;
};

TEST(Soak, RandomWalkOverEveryWindow) {
    semeCorrente = numeroDaAmbiente("SPINTARO_SOAK_SEED", 20261206);
    const long azioni = static_cast<long>(numeroDaAmbiente("SPINTARO_SOAK_AZIONI", 20000));
    std::cout << "soak: seme " << semeCorrente << ", " << azioni << " azioni" << std::endl;
    std::signal(SIGALRM, cane_da_guardia);
    // The offscreen platform says so each time a window is raised; that is not news here.
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo != QtDebugMsg && !testo.contains(QLatin1String("does not support")))
            std::cerr << testo.toStdString() << '\n';
    });
    Passeggiata p(semeCorrente);
    for (long k = 1; k <= azioni && !testing::Test::HasFatalFailure(); ++k)
        p.passo(k);
    std::cout << "soak:";
    for (const auto& [cosa, quante] : p.conteggi)
        std::cout << ' ' << cosa << '=' << quante;
    std::cout << std::endl;
}

} // namespace
} // namespace spintaro
