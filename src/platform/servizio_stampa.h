// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPrinterInfo>
#include <QSizeF>
#include <QStringList>
#include <functional>

class QPaintDevice;

namespace spintaro {

class FinestraBase;
class ServizioMessaggi;

// Printing a window on the default printer as one print job. What goes on paper is the window's
// own rendering (FinestraBase::stampaSu): the diagrams and the report draw themselves from their
// retained contents, so paper agrees with the screen.
class ServizioStampa {
public:
    virtual ~ServizioStampa() = default;
    // Returns false when nothing was printed or saved (the user has been told why).
    virtual bool stampa(FinestraBase& finestra) = 0;
};

// The default printer through QPrinter. Without a usable printer the user is offered to save
// the page as a PDF file in the working directory instead, named after the window
// ("Sv.pdf", "stampa1.pdf"), written as a whole or not at all.
class StampaPredefinita final : public ServizioStampa {
public:
    // Where the default printer comes from; tests replace it to stand for "no printer".
    using FontePredefinita = std::function<QPrinterInfo()>;

    explicit StampaPredefinita(ServizioMessaggi& messaggi,
                               FontePredefinita predefinita = &QPrinterInfo::defaultPrinter);
    bool stampa(FinestraBase& finestra) override;

    // The PDF file offered for a window when there is no printer.
    static QString nomeFilePdf(const FinestraBase& finestra);

private:
    bool offriPdf(FinestraBase& finestra, const QString& motivo);

    ServizioMessaggi& m_messaggi;
    FontePredefinita m_predefinita;
};

// The scale from screen pixels to the device's dots that keeps content of this on-screen size
// at its physical size on paper, reduced so that it fits the printable area. Never zero.
double scalaPagina(const QPaintDevice& dispositivo, double dpiSchermo, QSizeF contenuto);

// The font with its on-screen pixel size fixed: painted under scalaPagina's scale it keeps the
// proportions the screen shows, whatever the device's resolution.
QFont carattereDelloSchermo(const QFont& carattere);

} // namespace spintaro
