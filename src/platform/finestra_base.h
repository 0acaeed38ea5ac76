// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

class QPagedPaintDevice;
class QPainter;

class QMenuBar;

namespace spintaro {

struct Servizi;
class ServizioMessaggi;

// The sixteen windows of the program. Each has at most one instance at a time.
enum class IdFinestra {
    Spintaro,
    Sv,
    Sa,
    stampa1,
    Apri,
    Salva,
    Esporta,
    salvaimmagine,
    Attenzione,
    Nuovolavoro,
    frmSplash,
    grazie1,
    Parametri,
    SpinteProgetto,
    Intestazione,
    Carichi,
};

inline constexpr std::array<IdFinestra, 16> TutteLeFinestre = {
    IdFinestra::Spintaro,     IdFinestra::Sv,
    IdFinestra::Sa,           IdFinestra::stampa1,
    IdFinestra::Apri,         IdFinestra::Salva,
    IdFinestra::Esporta,      IdFinestra::salvaimmagine,
    IdFinestra::Attenzione,   IdFinestra::Nuovolavoro,
    IdFinestra::frmSplash,    IdFinestra::grazie1,
    IdFinestra::Parametri,    IdFinestra::SpinteProgetto,
    IdFinestra::Intestazione, IdFinestra::Carichi,
};

// The window's name, which is also its objectName.
QString nomeFinestra(IdFinestra id);

// The common ground of every window: a top-level widget with no owner, the window's name as
// objectName, the program's icon, the services, and a load step that the registry runs once per
// instance. The frame's close box unloads the window (the registry hears chiusaDalBordo).
class FinestraBase : public QWidget {
    Q_OBJECT

public:
    FinestraBase(IdFinestra id, Servizi& servizi, const QString& titolo);

    IdFinestra id() const { return m_id; }
    // A window that asks a question or picks a file: a dialog to a screen reader, not a frame.
    bool dialogo() const;

    // The window's load step, run once by the registry after creating the instance.
    virtual void caricamento() {}

    // Paints the window's content for printing with a painter open on a printer or a PDF file.
    // The default paints the window as it stands, at its on-screen size; windows with a retained
    // drawing or text paint that instead, so the page is vector output, and may add pages.
    virtual void stampaSu(QPainter& pittore, QPagedPaintDevice& pagine);

    // A window hidden by the program (its own close command) and shown again comes back with the
    // place and size it had when it was hidden, wherever the user had dragged it: without a
    // position of its own a window manager would place it anew.
    void setVisible(bool visibile) override;

Q_SIGNALS:
    void chiusaDalBordo(spintaro::IdFinestra id);

protected:
    Servizi& servizi() const { return m_servizi; }
    // Lays the window out as a menu bar above its client area, which fills the rest; with
    // dimensioneFissa the window takes the client area's size and keeps it. Returns the menu bar.
    QMenuBar* impaginaConMenu(QWidget* client, bool dimensioneFissa);

    // Runs a command handler so that nothing it throws reaches the event loop: a failure that the
    // handler did not deal with itself is reported as a message.
    template <typename Corpo> void comando(Corpo&& corpo) noexcept;
    void segnalaErroreImprevisto(const char* cosa) noexcept;

    void closeEvent(QCloseEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    IdFinestra m_id;
    Servizi& m_servizi;
    std::optional<QRect> m_postoLasciato;
};

template <typename Corpo> void FinestraBase::comando(Corpo&& corpo) noexcept {
    try {
        corpo();
    } catch (const std::exception& e) {
        segnalaErroreImprevisto(e.what());
    } catch (...) {
        segnalaErroreImprevisto(nullptr);
    }
}

} // namespace spintaro
