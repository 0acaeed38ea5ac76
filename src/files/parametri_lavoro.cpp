// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/parametri_lavoro.h"

#include "text/citazioni.h"

#include <cmath>
#include <set>

namespace spintaro {

namespace {

constexpr std::string_view ChiaveSovraccarico = "sovraccarico";

std::string_view spazi(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string NomeParametri(std::string_view progetto) {
    constexpr std::string_view spt = ".spt";
    if (progetto.size() > spt.size() && progetto.substr(progetto.size() - spt.size()) == spt)
        progetto.remove_suffix(spt.size());
    return std::string(progetto) + ".parametri";
}

std::string TestoParametri(const DatiLavoro& d, double sovraccarico) {
    static const DatiLavoro predefiniti;
    std::string righe;
    if (sovraccarico != 0)
        righe = std::string(ChiaveSovraccarico) + " = " + TestoParametro(sovraccarico) + "\r\n";
    for (const auto voci : {VociParametri(), VociIntestazione()})
        for (const VoceParametro& v : voci) {
            const std::string valore = v.testo(d);
            if (valore == v.testo(predefiniti))
                continue;
            // An entry given once per value (a load) writes a line for each.
            std::string_view resto = valore;
            while (true) {
                const auto fine = v.ripetuto ? resto.find('\n') : std::string_view::npos;
                righe +=
                    std::string(v.chiave) + " = " + std::string(resto.substr(0, fine)) + "\r\n";
                if (fine == std::string_view::npos)
                    break;
                resto.remove_prefix(fine + 1);
            }
        }
    if (righe.empty())
        return righe;
    return "# Spintaro: sovraccarico, parametri di calcolo e intestazione del lavoro\r\n" + righe;
}

LetturaParametri LeggiParametri(std::string_view testo) {
    LetturaParametri r;
    if (testo.rfind("\xEF\xBB\xBF", 0) == 0)
        testo.remove_prefix(3);
    std::set<std::string_view> viste;
    int numero = 0;
    while (!testo.empty()) {
        ++numero;
        const auto fine = testo.find('\n');
        std::string_view riga = testo.substr(0, fine);
        testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
        if (!riga.empty() && riga.back() == '\r')
            riga.remove_suffix(1);
        riga = spazi(riga);
        if (riga.empty() || riga.front() == '#')
            continue;
        auto rifiuta = [&](std::string messaggio) {
            r.messaggio = std::move(messaggio);
            r.riga = numero;
            return r;
        };
        const auto uguale = riga.find('=');
        if (uguale == std::string_view::npos)
            return rifiuta("la riga non ha la forma «chiave = valore»");
        const std::string_view chiave = spazi(riga.substr(0, uguale));
        const std::string_view valore = spazi(riga.substr(uguale + 1));
        if (chiave == ChiaveSovraccarico) {
            if (!viste.insert(ChiaveSovraccarico).second)
                return rifiuta("il sovraccarico è dato due volte");
            const auto q = LeggiNumeroParametro(valore);
            if (!q || !(std::fabs(*q) <= SovraccaricoMassimo))
                return rifiuta("sovraccarico: «" + citaTesto(valore) +
                               "» non è un numero da -1000000 a 1000000 kPa");
            r.sovraccarico = *q;
            continue;
        }
        const VoceParametro* voce = CercaParametro(chiave);
        if (voce == nullptr)
            return rifiuta("«" + citaTesto(chiave) + "» non è un parametro di Spintaro");
        if (!voce->ripetuto && !viste.insert(voce->chiave).second)
            return rifiuta("il parametro " + std::string(chiave) + " è dato due volte");
        if (auto motivo = voce->imposta(r.dati, valore))
            return rifiuta(*motivo);
    }
    if (auto motivo = ControllaParametri(r.dati.parametri)) {
        r.messaggio = *motivo;
        return r;
    }
    r.ok = true;
    return r;
}

bool ParametriDiProgetto(const DatiLavoro& d) {
    return d.parametri != ParametriCalcolo{};
}

} // namespace spintaro
