// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibilita.h"

#include "platform/finestra_base.h"
#include "platform/tela.h"
#include "platform/testo_zone.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QPointer>
#include <QWindow>
#include <vector>

namespace spintaro {

QRect CampoTesto::rettangoloCarattere(int posizione) const {
    // From the cursor, whose place the box knows, by the advance of the text in between.
    const QFontMetrics m(font());
    const QString t = displayText();
    const QRect cursore = cursorRect();
    const int x = cursore.center().x() + m.horizontalAdvance(t.left(posizione)) -
                  m.horizontalAdvance(t.left(cursorPosition()));
    const int larghezza =
        posizione >= 0 && posizione < t.size() ? m.horizontalAdvance(t.at(posizione)) : 1;
    return {x, cursore.top(), larghezza, cursore.height()};
}

namespace {

class CampoAccessibile final : public QAccessibleWidget,
                               public QAccessibleTextInterface,
                               public QAccessibleEditableTextInterface {
public:
    explicit CampoAccessibile(CampoTesto* campo)
        : QAccessibleWidget(campo, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (tipo == QAccessible::EditableTextInterface && !campo()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = campo()->isReadOnly();
        s.editable = !s.readOnly;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? campo()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& testo) override {
        if (t != QAccessible::Value)
            QAccessibleWidget::setText(t, testo);
        else if (!campo()->isReadOnly())
            campo()->setText(testo);
    }

    // The caption that names the field, without the frame that holds it.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation tipo) const override {
        auto r = QAccessibleWidget::relations(tipo);
        r.removeIf([](const auto& coppia) {
            return coppia.second == QAccessible::Label &&
                   qobject_cast<QGroupBox*>(coppia.first->object());
        });
        return r;
    }

    // Text.
    void selection(int indice, int* inizio, int* fine) const override {
        *inizio = *fine = 0;
        if (indice == 0 && campo()->hasSelectedText()) {
            *inizio = campo()->selectionStart();
            *fine = campo()->selectionEnd();
        }
    }
    int selectionCount() const override { return campo()->hasSelectedText() ? 1 : 0; }
    void addSelection(int inizio, int fine) override { setSelection(0, inizio, fine); }
    void removeSelection(int) override { campo()->deselect(); }
    void setSelection(int, int inizio, int fine) override {
        campo()->setSelection(inizio, fine - inizio);
    }
    int cursorPosition() const override { return campo()->cursorPosition(); }
    void setCursorPosition(int posizione) override { campo()->setCursorPosition(posizione); }
    QString text(int inizio, int fine) const override {
        return campo()->text().mid(inizio, fine - inizio);
    }
    int characterCount() const override { return static_cast<int>(campo()->text().size()); }
    QRect characterRect(int posizione) const override {
        const QRect r = campo()->rettangoloCarattere(posizione);
        return {campo()->mapToGlobal(r.topLeft()), r.size()};
    }
    int offsetAtPoint(const QPoint& punto) const override {
        return campo()->cursorPositionAt(campo()->mapFromGlobal(punto));
    }
    void scrollToSubstring(int inizio, int fine) override {
        campo()->setCursorPosition(fine);
        campo()->setCursorPosition(inizio);
    }
    QString attributes(int, int* inizio, int* fine) const override {
        *inizio = 0;
        *fine = characterCount();
        return {};
    }

    // Editable text (only when the user may type).
    void deleteText(int inizio, int fine) override {
        if (inizio < fine) {
            campo()->setSelection(inizio, fine - inizio);
            campo()->del();
        }
    }
    void insertText(int posizione, const QString& testo) override {
        campo()->setCursorPosition(posizione);
        campo()->insert(testo);
    }
    void replaceText(int inizio, int fine, const QString& testo) override {
        campo()->setSelection(inizio, fine - inizio);
        campo()->insert(testo);
    }

private:
    CampoTesto* campo() const { return static_cast<CampoTesto*>(widget()); }
};

// One line of a TestoAZone, read as its items in order.
class RigaAccessibile final : public QAccessibleInterface {
public:
    RigaAccessibile(TestoAZone* testo, int riga) : m_testo(testo), m_riga(riga) {}

    int riga() const { return m_riga; }

    bool isValid() const override { return m_testo && m_riga < m_testo->righe().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_testo ? m_testo->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_testo.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        QStringList voci;
        for (const QString& v : m_testo->righe().at(m_riga))
            voci.append(v.trimmed());
        return voci.join(QStringLiteral("; "));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const int alto = static_cast<int>(TestoAZone::altezzaRiga(QFontMetricsF(m_testo->font())));
        return {m_testo->mapToGlobal(QPoint(0, m_riga * alto)), QSize(m_testo->width(), alto)};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !m_testo || !m_testo->isVisible();
        s.readOnly = true;
        return s;
    }

private:
    QPointer<TestoAZone> m_testo;
    int m_riga;
};

// The table of a TestoAZone: a list whose items are its lines.
class TestoAccessibile final : public QAccessibleWidget {
public:
    explicit TestoAccessibile(TestoAZone* testo) : QAccessibleWidget(testo, QAccessible::List) {}
    ~TestoAccessibile() override {
        for (QAccessible::Id id : m_righe)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }
    TestoAccessibile(const TestoAccessibile&) = delete;
    TestoAccessibile& operator=(const TestoAccessibile&) = delete;

    int childCount() const override { return static_cast<int>(testo()->righe().size()); }
    QAccessibleInterface* child(int indice) const override {
        if (indice < 0 || indice >= childCount())
            return nullptr;
        // One interface per line, made when first asked for, kept until the widget goes.
        if (static_cast<std::size_t>(indice) >= m_righe.size())
            m_righe.resize(static_cast<std::size_t>(indice) + 1, 0);
        QAccessible::Id& id = m_righe[static_cast<std::size_t>(indice)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new RigaAccessibile(testo(), indice));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* figlio) const override {
        const auto* riga = dynamic_cast<const RigaAccessibile*>(figlio);
        return riga != nullptr && riga->isValid() ? riga->riga() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* r = child(i); r != nullptr && r->rect().contains(x, y))
                return r;
        return nullptr;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

private:
    TestoAZone* testo() const { return static_cast<TestoAZone*>(widget()); }

    mutable std::vector<QAccessible::Id> m_righe;
};

QAccessibleInterface* fabbrica(const QString& /*classe*/, QObject* oggetto) {
    if (auto* finestra = qobject_cast<FinestraBase*>(oggetto))
        return new QAccessibleWidget(finestra, finestra->dialogo() ? QAccessible::Dialog
                                                                   : QAccessible::Window);
    if (auto* campo = qobject_cast<CampoTesto*>(oggetto))
        return new CampoAccessibile(campo);
    if (auto* testo = qobject_cast<TestoAZone*>(oggetto))
        return new TestoAccessibile(testo);
    if (auto* tela = qobject_cast<Tela*>(oggetto))
        return new QAccessibleWidget(tela, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installaAccessibilita() {
    static const bool installata = [] {
        QAccessible::installFactory(&fabbrica);
        return true;
    }();
    (void)installata;
}

} // namespace spintaro
