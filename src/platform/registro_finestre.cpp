// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registro_finestre.h"

#include "platform/servizio_stampa.h"

#include <stdexcept>

namespace spintaro {

RegistroFinestre::RegistroFinestre(ServizioStampa& stampa, std::function<void()> fineProgramma)
    : m_stampa(stampa), m_fineProgramma(std::move(fineProgramma)) {}

RegistroFinestre::~RegistroFinestre() {
    for (auto& [id, finestra] : m_istanze)
        delete finestra.data();
    for (auto& finestra : m_inScarico)
        delete finestra.data();
}

void RegistroFinestre::registra(IdFinestra id, Fabbrica fabbrica) {
    m_fabbriche[id] = std::move(fabbrica);
}

FinestraBase* RegistroFinestre::istanza(IdFinestra id) const {
    const auto it = m_istanze.find(id);
    return it == m_istanze.end() ? nullptr : it->second.data();
}

int RegistroFinestre::caricamenti(IdFinestra id) const {
    const auto it = m_caricamenti.find(id);
    return it == m_caricamenti.end() ? 0 : it->second;
}

FinestraBase* RegistroFinestre::assicura(IdFinestra id) {
    if (FinestraBase* esistente = istanza(id))
        return esistente;
    const auto fabbrica = m_fabbriche.find(id);
    if (fabbrica == m_fabbriche.end())
        throw std::logic_error("finestra non registrata: " + nomeFinestra(id).toStdString());
    std::unique_ptr<FinestraBase> nuova = fabbrica->second();
    FinestraBase* finestra = nuova.get();
    QObject::connect(finestra, &FinestraBase::chiusaDalBordo, finestra,
                     [this](IdFinestra chiusa) { scarica(chiusa); });
    m_istanze[id] = nuova.release();
    ++m_caricamenti[id];
    try {
        finestra->caricamento();
    } catch (...) {
        // A window whose load step failed is not kept half-loaded.
        rimuovi(id);
        throw;
    }
    return finestra;
}

FinestraBase* RegistroFinestre::apri(IdFinestra id) {
    if (m_terminato)
        return nullptr;
    FinestraBase* finestra = assicura(id);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return finestra;
}

void RegistroFinestre::nascondi(IdFinestra id) {
    if (FinestraBase* finestra = istanza(id))
        finestra->hide();
}

void RegistroFinestre::rimuovi(IdFinestra id) {
    const auto it = m_istanze.find(id);
    if (it == m_istanze.end())
        return;
    QPointer<FinestraBase> finestra = it->second;
    m_istanze.erase(it);
    if (!finestra)
        return;
    // The unload may come from a handler of the window itself: delete it once that has returned.
    finestra->hide();
    finestra->deleteLater();
    m_inScarico.push_back(finestra);
    std::erase_if(m_inScarico, [](const QPointer<FinestraBase>& f) { return f.isNull(); });
}

void RegistroFinestre::scarica(IdFinestra id) {
    if (id == IdFinestra::Spintaro)
        terminaProgramma();
    else
        rimuovi(id);
}

void RegistroFinestre::terminaProgramma() {
    if (m_terminato)
        return;
    m_terminato = true;
    // The main window first, then every other one, shown or hidden.
    for (IdFinestra id : TutteLeFinestre)
        rimuovi(id);
    if (m_fineProgramma)
        m_fineProgramma();
}

bool RegistroFinestre::stampa(IdFinestra id) {
    if (m_terminato)
        return false;
    FinestraBase* finestra = assicura(id);
    return m_stampa.stampa(*finestra);
}

FinestraBase* RegistroFinestre::carica(IdFinestra id) {
    if (m_terminato)
        return nullptr;
    return assicura(id);
}

} // namespace spintaro
