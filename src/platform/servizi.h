// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace spintaro {

class Modulo1;
struct DatiLavoro;
class ServizioMessaggi;
class FonteSeparatori;
class ServizioStampa;
class RegistroFinestre;
class Collegamenti;
class ServizioDesktop;

// The title that message boxes without a title of their own carry.
inline const QString TitoloApplicazione = QStringLiteral("Spintaro");

// What every window receives at construction: the one job in memory (its layers, and its design
// parameters and heading data) and the platform services.
// The application owns all of them and outlives every window.
struct Servizi {
    Modulo1& modulo;
    DatiLavoro& lavoro;
    ServizioMessaggi& messaggi;
    const FonteSeparatori& separatori;
    ServizioStampa& stampa;
    RegistroFinestre& finestre;
    Collegamenti& collegamenti;
    ServizioDesktop& desktop;
};

} // namespace spintaro
