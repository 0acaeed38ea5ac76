// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gestures on the file lists, the one message a failure shows, the program in a temporary
// working directory.

#include "ambiente_prova.h"
#include "platform/liste_file.h"

namespace spintaro::prova {

// Clicks an entry of a list, then with doppio opens it with a double click.
inline void clicVoce(QListWidget* lista, QListWidgetItem* voce, bool doppio = false) {
    ASSERT_NE(voce, nullptr) << "not listed";
    lista->scrollToItem(voce);
    const QPoint punto = lista->visualItemRect(voce).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, punto);
    if (doppio)
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, punto);
}
inline void apriCartella(ListaCartelle* lista, const QString& percorso) {
    clicVoce(lista, lista->item(lista->rigaDi(percorso)), true);
}
inline void clicFile(ListaFile* lista, const QString& nome) {
    const auto trovati = lista->findItems(nome, Qt::MatchExactly);
    clicVoce(lista, trovati.size() == 1 ? trovati.front() : nullptr);
}

// "" when exactly one short OK box with the program's title was shown, holding every word, with
// no control character but the line ends; otherwise what is wrong.
inline std::string unMessaggio(const MessaggiRegistrati& m, const QStringList& parole) {
    if (m.messaggi().size() != 1)
        return "messages: " + m.testi().join('|').toStdString();
    const auto& msg = m.messaggi().front();
    if (msg.titolo != TitoloApplicazione || msg.pulsanti != Pulsanti::Ok || msg.testo.size() > 400)
        return "not a short OK box with the program's title: " + msg.testo.toStdString();
    for (const QChar c : msg.testo)
        if ((c.category() == QChar::Other_Control && c != u'\r' && c != u'\n') ||
            c.category() == QChar::Other_Format)
            return "a control character in " + msg.testo.toStdString();
    for (const QString& parola : parole)
        if (!msg.testo.contains(parola))
            return msg.testo.toStdString() + " lacks " + parola.toStdString();
    return {};
}

// The program started in a temporary working directory, with helpers to drive it.
class ProvaFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(f = a.avvia(), nullptr); }
    template <typename T = FinestraBase> T* apri(IdFinestra id) {
        return qobject_cast<T*>(a.registro().apri(id));
    }
    template <typename T = FinestraBase> T* istanza(IdFinestra id) {
        return qobject_cast<T*>(a.registro().istanza(id));
    }
    template <typename T = QLineEdit> T* in(QWidget* w, const char* nome) {
        return w->findChild<T*>(QLatin1String(nome));
    }

    // First: the working directory before any window exists, the old one back after they go.
    CartellaDiLavoro cartella;
    AmbienteProva a;
    SpintaroWindow* f = nullptr;
};

} // namespace spintaro::prova
