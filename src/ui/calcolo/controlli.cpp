// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calcolo/controlli.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace spintaro {

QLabel* creaNota(QWidget* finestra, const char* nome, const QString& descrizione) {
    auto* nota = new QLabel(finestra);
    nota->setObjectName(QLatin1String(nome));
    nota->setTextFormat(Qt::PlainText);
    nota->setWordWrap(true);
    // A reader names the note by its text (an accessible name would hide it) and says what it is
    // from the description; empty, it is hidden, and keeps its room so the window does not jump.
    nota->setAccessibleDescription(descrizione);
    QSizePolicy posto = nota->sizePolicy();
    posto.setRetainSizeWhenHidden(true);
    nota->setSizePolicy(posto);
    nota->setVisible(false);
    return nota;
}

void scriviNota(QLabel* nota, const QString& testo) {
    nota->setText(testo);
    nota->setVisible(!testo.isEmpty());
}

QPushButton* creaPulsante(QWidget* finestra, QHBoxLayout* riga, const char* nome,
                          const QString& testo) {
    auto* p = new QPushButton(testo, finestra);
    p->setObjectName(QLatin1String(nome));
    p->setAutoDefault(false);
    riga->addWidget(p);
    return p;
}

QColor coloreSecondario(const QPalette& colori) {
    // Three fifths of the text and two of the background: 5.5:1 for black on Fusion's #efefef,
    // 5.5:1 for white on a #353535 window.
    const QColor testo = colori.color(QPalette::WindowText);
    const QColor sfondo = colori.color(QPalette::Window);
    auto misto = [](int t, int s) {
        return (3 * t + 2 * s + 2) / 5;
    };
    return {misto(testo.red(), sfondo.red()), misto(testo.green(), sfondo.green()),
            misto(testo.blue(), sfondo.blue())};
}

void mostraEsito(QLabel* nota, const QString& testo, bool errore) {
    scriviNota(nota, testo);
    QPalette colori = nota->palette();
    colori.setColor(QPalette::WindowText,
                    errore ? QColor(0x99, 0, 0)
                           : nota->parentWidget()->palette().color(QPalette::WindowText));
    nota->setPalette(colori);
}

} // namespace spintaro
