#pragma once

#include <QStringList>

namespace spintaro {

class FinestraBase;
class ServizioMessaggi;

// Printing a window's client area, as drawn, on the default printer as one page.
class ServizioStampa {
public:
    virtual ~ServizioStampa() = default;
    // Returns false when nothing was printed (the user has been told why).
    virtual bool stampa(FinestraBase& finestra) = 0;
};

// The default printer through QPrinter, at the window's on-screen size. With no default printer
// the user is told so and nothing else happens.
class StampaPredefinita final : public ServizioStampa {
public:
    explicit StampaPredefinita(ServizioMessaggi& messaggi) : m_messaggi(messaggi) {}
    bool stampa(FinestraBase& finestra) override;

private:
    ServizioMessaggi& m_messaggi;
};

// For tests: records the names of the windows printed and whether each was visible then.
class StampaRegistrata final : public ServizioStampa {
public:
    bool stampa(FinestraBase& finestra) override;
    const QStringList& stampate() const { return m_stampate; }
    const QList<bool>& visibili() const { return m_visibili; }

private:
    QStringList m_stampate;
    QList<bool> m_visibili;
};

} // namespace spintaro
