// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random walk of user actions over every window (any text in any box, buttons, menus,
// keys, frames closed; saves, opens and exports into a folder with named pipes, under names near
// and beyond the system's limit). After each action: nothing unexpected reported, layer count and
// cursor in range, project files read back to the job's inputs, no action over 30 s (SIGALRM).

#include "ambiente_prova.h"
#include "files/progetto.h"

#include <QAbstractButton>
#include <QAction>
#include <QDirIterator>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMenuBar>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>

namespace spintaro {
namespace {

class Passeggiata {
public:
    explicit Passeggiata(unsigned long long seme) : m_caso(seme) {
        QDir(m_radice).mkdir("sotto");
        // Named pipes with nobody at their other end, under the names the windows make of "pipa".
        for (const char* pipa : {"pipa", "pipa.spt", "pipa.dat", "pipa.bmp", "sotto/pipa.spt"})
            mkfifo(QFile::encodeName(m_radice + '/' + pipa).constData(), 0644);
        QDir::setCurrent(m_radice);
        avvia();
    }

    void passo(long k) {
        alarm(30);
        m_a->messaggi.setNextAnswer(scegli(2) == 0 ? Risposta::Ok : Risposta::Annulla);
        m_ultima.clear();
        agisci();
        dopo("azione " + std::to_string(k) + " (" + m_ultima.toStdString() + ")");
        alarm(0);
    }

private:
    void avvia() { // again after "&Chiudi" or the main window's close box
        m_a = std::make_unique<prova::AmbienteProva>(scegli(2) ? Separatori{",", "."}
                                                               : Separatori{".", ","});
        ASSERT_NE(m_a->avvia(), nullptr);
    }

    std::size_t scegli(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_caso);
    }

    template <typename Elenco> auto aCaso(const Elenco& e) {
        return e.isEmpty() ? typename Elenco::value_type{} : e[qsizetype(scegli(size_t(e.size())))];
    }

    template <typename T = QWidget> QList<T*> visibili() const {
        QList<T*> v;
        for (IdFinestra id : TutteLeFinestre)
            if (QWidget* f = m_a->registro().istanza(id); f != nullptr && f->isVisible()) {
                if constexpr (std::is_same_v<T, QWidget>)
                    v.push_back(f);
                else
                    for (T* c : f->findChildren<T*>())
                        if (c->isVisibleTo(f) && c->isEnabled() && !vietato(c))
                            v.push_back(c);
            }
        return v;
    }

    // The drive and directory lists would take the walk out of its temporary folder.
    static bool vietato(const QObject* o) {
        return o != nullptr &&
               (o->objectName() == "Drive1" || o->objectName() == "Dir1" || vietato(o->parent()));
    }

    // Ending the program is rare, or the walk would keep starting again from an empty job.
    bool fineRara(const QWidget* w) {
        return (w->objectName() == "Spintaro" ||
                (w->objectName() == "btn_Chiudi" && w->window()->objectName() == "Spintaro")) &&
               scegli(20) != 0;
    }

    // One action, chosen with weights: typing and buttons most often.
    void agisci() {
        switch (std::discrete_distribution<int>({2, 1, 5, 6, 3, 1, 2})(m_caso)) {
        case 0: {
            const IdFinestra id = TutteLeFinestre[scegli(TutteLeFinestre.size())];
            m_ultima = "apri " + nomeFinestra(id);
            m_a->registro().apri(id);
            break;
        }
        case 1:
            if (QWidget* f = aCaso(visibili()); f != nullptr && !fineRara(f)) {
                m_ultima = "chiudi " + f->objectName();
                f->close();
            }
            break;
        case 2:
            if (QLineEdit* e = aCaso(visibili<QLineEdit>()); e != nullptr && !e->isReadOnly()) {
                const QString t = testoACaso(e->objectName());
                m_ultima = "scrivi \"" + t + "\" in " + e->objectName();
                prova::scrivi(e, t);
            }
            break;
        case 3:
            if (QAbstractButton* b = aCaso(visibili<QAbstractButton>()); b && !fineRara(b)) {
                m_ultima = "premi " + b->objectName() + " in " + b->window()->objectName();
                QTest::mouseClick(b, Qt::LeftButton);
            }
            break;
        case 4: {
            QList<QAction*> voci;
            for (QMenuBar* barra : visibili<QMenuBar>())
                for (QAction* a : barra->findChildren<QAction*>())
                    if (a->isEnabled() && a->menu() == nullptr && !a->objectName().isEmpty())
                        voci.push_back(a);
            if (QAction* a = aCaso(voci)) {
                m_ultima = "menu " + a->objectName();
                a->trigger();
            }
            break;
        }
        case 5:
            if (QListWidget* l = aCaso(visibili<QListWidget>()); l != nullptr && l->count() > 0) {
                QListWidgetItem* voce = l->item(int(scegli(std::size_t(l->count()))));
                m_ultima = "file " + voce->text() + " in " + l->objectName();
                QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                                  l->visualItemRect(voce).center());
            }
            break;
        default:
            QWidget* f = aCaso(visibili());
            if (QWidget* w = f && f->focusWidget() ? f->focusWidget() : f; w && !vietato(w)) {
                const auto t =
                    aCaso(QList{Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Space,
                                Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down});
                m_ultima = QStringLiteral("tasto %1 su %2").arg(int(t)).arg(w->objectName());
                QTest::keyClick(w, t);
            }
        }
    }

    // Names near and beyond 255 bytes with the extension added; elsewhere numbers and noise.
    QString testoACaso(const QString& casella) {
        if (casella == "txt_salva" || casella == "txt_apri")
            return scegli(8) == 0 ? QString(scegli(2) ? 251 : 300, 'l')
                                  : una("Nuovo|prova.spt|prova.SPT|dati.dat|ab|.spt||sotto/lavoro|"
                                        "manca/x|a b|pipa|pipa.spt");
        if (scegli(3) > 0)
            return una("|0|12|2,5|2.5|1.234,5|1,234.5|-3|1e308|1E400|-1e-400|0,0001|abc|  | 7 |"
                       ",|.|,,|1,2,3|+4|30|51|32767|-32769|1e15|9999999999999999999999999|bmp");
        QString t;
        for (std::size_t i = 0, n = scegli(12); i < n; ++i)
            t += QLatin1Char("0123456789,.-+eE aX"[scegli(19)]);
        return t;
    }
    QString una(const QString& scelte) { return aCaso(scelte.split('|')); }

    void dopo(const std::string& dove) {
        prova::eliminaScaricate();
        for (const QString& t : m_a->messaggi.testi())
            ASSERT_FALSE(t.contains("imprevisto")) << dove << ": " << t.toStdString();
        m_a->messaggi.azzera();
        if (m_a->fini > 0) { // "&Chiudi" or the main window's close box ended the program
            ASSERT_TRUE(visibili().isEmpty()) << dove;
            avvia();
            return;
        }
        const Modulo1& m = m_a->m();
        ASSERT_TRUE(m.NumStrati >= 0 && m.NumStrati <= 51 && m.IndiceStrato >= 0 &&
                    m.IndiceStrato <= 52)
            << dove << ": " << m.NumStrati << " strati, cursore " << m.IndiceStrato;
        // The walk stays in its folder, whatever the lists did.
        if (QDir::currentPath() != m_radice && !QDir::currentPath().startsWith(m_radice + '/'))
            QDir::setCurrent(m_radice);
        for (QDirIterator it(m_radice, {"*.spt"}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << dove;
            const std::string byte = f.readAll().toStdString();
            if (std::exchange(m_progetti[f.fileName()], byte) == byte)
                continue;
            // Just written: the job's inputs, which Open reads back (or refuses as not computable).
            Modulo1 copia = m_a->m(), riletto;
            ASSERT_EQ(ScriviProgetto(copia), byte) << dove << ": " << f.fileName().toStdString();
            const EsitoApertura aperto = ApriProgetto(riletto, byte);
            ASSERT_TRUE(aperto.ok || aperto.messaggio.find("non calcolabile") != std::string::npos)
                << dove << ": " << aperto.messaggio;
            ASSERT_TRUE(!aperto.ok || ScriviProgetto(riletto) == byte) << dove;
        }
    }

    std::mt19937_64 m_caso;
    QTemporaryDir m_dir;
    QString m_radice = QDir(m_dir.path()).canonicalPath();
    std::unique_ptr<prova::AmbienteProva> m_a;
    QString m_ultima;
    std::map<QString, std::string> m_progetti;
};

TEST(Soak, PasseggiataACasoSuOgniFinestra) {
    const auto seme = qEnvironmentVariable("SPINTARO_SOAK_SEED", "20261206").toULongLong();
    const long azioni = qEnvironmentVariable("SPINTARO_SOAK_AZIONI", "20000").toLong();
    std::cout << "soak: seme " << seme << ", " << azioni << " azioni" << std::endl;
    // The offscreen platform warns each time a window is raised; that is not news here.
    QLoggingCategory::setFilterRules("qt.qpa.*=false\ndefault.warning=false");
    Passeggiata p(seme);
    for (long k = 1; k <= azioni && !testing::Test::HasFatalFailure(); ++k)
        p.passo(k);
}

} // namespace
} // namespace spintaro
