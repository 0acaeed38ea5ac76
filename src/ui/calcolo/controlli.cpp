// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calcolo/controlli.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace spintaro {

QLabel* creaNota(QWidget* finestra, const char* nome, const QString& nomeAccessibile) {
    auto* nota = new QLabel(finestra);
    nota->setObjectName(QLatin1String(nome));
    nota->setWordWrap(true);
    nota->setAccessibleName(nomeAccessibile);
    return nota;
}

QPushButton* creaPulsante(QWidget* finestra, QHBoxLayout* riga, const char* nome,
                          const QString& testo) {
    auto* p = new QPushButton(testo, finestra);
    p->setObjectName(QLatin1String(nome));
    p->setAutoDefault(false);
    riga->addWidget(p);
    return p;
}

void mostraEsito(QLabel* nota, const QString& testo, bool errore) {
    nota->setText(testo);
    QPalette colori = nota->palette();
    colori.setColor(QPalette::WindowText,
                    errore ? QColor(0x99, 0, 0)
                           : nota->parentWidget()->palette().color(QPalette::WindowText));
    nota->setPalette(colori);
}

} // namespace spintaro
