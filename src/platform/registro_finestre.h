// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/finestra_base.h"

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace spintaro {

class ServizioStampa;

// The single instances of the program's windows and the four operations on them.
//
// - apri: creates the window if it has no instance and runs its load step (once per instance),
//   then shows, raises and activates it. An instance that exists, shown or hidden, is shown
//   unchanged.
// - nascondi: makes it invisible; the instance and its contents live on.
// - scarica: discards the instance; the next apri creates a new one. The frame's close box does
//   this too. Unloading the main window ends the program: every other window is unloaded, then
//   the end-of-program action runs.
// - stampa: prints the window, creating it (load step included) without showing it if needed.
//
// Windows have no owner; the registry deletes whatever is left when it is destroyed.
class RegistroFinestre {
public:
    using Fabbrica = std::function<std::unique_ptr<FinestraBase>()>;

    RegistroFinestre(ServizioStampa& stampa, std::function<void()> fineProgramma);
    ~RegistroFinestre();
    RegistroFinestre(const RegistroFinestre&) = delete;
    RegistroFinestre& operator=(const RegistroFinestre&) = delete;

    void registra(IdFinestra id, Fabbrica fabbrica);

    // Null only once the program has ended.
    FinestraBase* apri(IdFinestra id);
    void nascondi(IdFinestra id);
    void scarica(IdFinestra id);
    // False when nothing was printed (the print service has told the user why).
    bool stampa(IdFinestra id);
    // The instance, created and loaded without showing it when there is none (as stampa does);
    // null only once the program has ended.
    FinestraBase* carica(IdFinestra id);

    // The instance, or null when the window is not loaded.
    FinestraBase* istanza(IdFinestra id) const;
    template <typename T> T* istanzaDi(IdFinestra id) const {
        return qobject_cast<T*>(istanza(id));
    }

    // How many times the window's load step has run (over all its instances).
    int caricamenti(IdFinestra id) const;
    bool terminato() const { return m_terminato; }

private:
    FinestraBase* assicura(IdFinestra id);
    void rimuovi(IdFinestra id);
    void terminaProgramma();

    ServizioStampa& m_stampa;
    std::function<void()> m_fineProgramma;
    std::map<IdFinestra, Fabbrica> m_fabbriche;
    std::map<IdFinestra, QPointer<FinestraBase>> m_istanze;
    std::map<IdFinestra, int> m_caricamenti;
    // Instances unloaded but not yet deleted by the event loop.
    std::vector<QPointer<FinestraBase>> m_inScarico;
    bool m_terminato = false;
};

} // namespace spintaro
