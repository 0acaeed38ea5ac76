// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/righe.h"

#include "text/testi_numerici.h"

#include <algorithm>
#include <cmath>

namespace spintaro {

// v·0 is 0 for a finite v and NaN otherwise, and a NaN stays in a sum of such terms (which
// cannot overflow): one test for them all.
bool RigaFinita(const RigaProgetto& r) {
    const auto z = [](double v) {
        return v * 0.0;
    };
    double zero = z(r.spinta) + z(r.spintaVerticale) + z(r.spintaAcqua) + z(r.momento);
    if (r.sisma)
        zero += z(r.sisma->spintaStatica) + z(r.sisma->incremento);
    for (const StratoProgetto& s : r.strati)
        zero += z(s.k.k) + z(s.k.kh) + z(s.sa1) + z(s.sa2) + z(s.sv1) + z(s.sv2) + z(s.u1) +
                z(s.u2) + z(s.theta.value_or(0));
    return zero == 0.0;
}

void SegnaGovernante(std::vector<RigaProgetto>& righe, std::size_t da, std::size_t a,
                     StatoTerreno stato) {
    const auto misura = [stato](const RigaProgetto& x) {
        return stato == StatoTerreno::Passiva ? -(x.spinta / x.gammaR.value_or(1.0)) : x.spinta;
    };
    RigaProgetto* governa = nullptr;
    for (std::size_t i = da; i < a; ++i) {
        RigaProgetto& r = righe[i];
        if (r.combinazione == Combinazione::SLE && !r.sisma)
            continue;
        if (governa == nullptr || misura(r) > misura(*governa))
            governa = &r;
    }
    if (governa != nullptr)
        governa->governa = true;
}

SommaSegmenti SommaDiSegmenti(const Segmenti& s) {
    SommaSegmenti r;
    r.analisi = AnalizzaStrati(s.strati);
    for (std::size_t k = 0; k < s.strati.size(); ++k) {
        const Acqua& u = r.analisi.strati[k];
        const double acqua = (u.u1 + u.u2) * s.strati[k].Potenza / 2.0;
        if (s.inclinazioni[k] != 0)
            r.verticale += std::max(0.0, r.analisi.aree[k] - acqua) * s.inclinazioni[k];
    }
    return r;
}

std::string_view NomeCoefficiente(StatoTerreno stato, bool sismica) {
    switch (stato) {
    case StatoTerreno::Riposo:
        return "K0";
    case StatoTerreno::Passiva:
        return sismica ? "K_PE" : "Kp";
    case StatoTerreno::Attiva:
        break;
    }
    return sismica ? "K_AE" : "Ka";
}

namespace {

template <double StratoProgetto::*campo> std::optional<double> di(const StratoProgetto& s) {
    return s.*campo;
}

constexpr ColonnaStrato Colonne[] = {
    {"k", "k", "", "", 4, false,
     [](const StratoProgetto& s) {
         return std::optional(s.k.k);
     }},
    {"theta", "theta", "θ", "°", 2, true,
     [](const StratoProgetto& s) {
         return s.theta;
     }},
    {"k_h", "k_h", ",h", "", 4, false,
     [](const StratoProgetto& s) {
         return std::optional(s.k.kh);
     }},
    {"delta", "delta", "δ", "°", 2, false, di<&StratoProgetto::delta>},
    {"phi_d", "phi_d", "φ′d", "°", 2, false, di<&StratoProgetto::phiD>},
    {"c_d", "c_d", "c′d", "kPa", 2, false, di<&StratoProgetto::cD>},
    {"gamma_d", "gamma_d", "γd", "kN/m³", 2, false, di<&StratoProgetto::gammaD>},
    {"sa1", "sa1_d", "σh alto", "kPa", 3, false, di<&StratoProgetto::sa1>},
    {"sa2", "sa2_d", "σh base", "kPa", 3, false, di<&StratoProgetto::sa2>},
    {"sv1", "sv1_d", "σv alto", "kPa", 3, false, di<&StratoProgetto::sv1>},
    {"sv2", "sv2_d", "σv base", "kPa", 3, false, di<&StratoProgetto::sv2>},
    {"u1", "u1_d", "u alto", "kPa", 3, false, di<&StratoProgetto::u1>},
    {"u2", "u2_d", "u base", "kPa", 3, false, di<&StratoProgetto::u2>},
};

} // namespace

std::span<const ColonnaStrato> ColonneStrato() {
    return Colonne;
}

const ColonnaStrato& ColonnaStratoDi(std::string_view chiave) {
    for (const ColonnaStrato& c : Colonne)
        if (c.chiave == chiave)
            return c;
    return Colonne[0]; // not reached: the keys are the program's own
}

std::string EtichettaColonna(const ColonnaStrato& c, StatoTerreno stato, bool sismica) {
    if (c.chiave == "k" || c.chiave == "k_h")
        return std::string(NomeCoefficiente(stato, sismica)) + std::string(c.etichetta);
    return std::string(c.etichetta);
}

std::string_view VersoKv(int segno) {
    return segno > 0 ? "kv verso il basso" : "kv verso l'alto";
}

std::string TestoGradi(double v) {
    return TestoParametro(std::round(v * 100) / 100) + "°";
}

std::string DescrizioneSito(const DatiSismici& d, std::string_view decimale) {
    if (!d.ss || !d.st || !d.amax || !d.betaM)
        return "kh dato direttamente (NTC 2018 §7.11.6.2.1)";
    return "Ss = " + TestoValore(*d.ss, 3, decimale) +
           " (Tab. 3.2.IV), St = " + TestoValore(*d.st, 2, decimale) +
           " (Tab. 3.2.V), amax/g = " + TestoValore(*d.amax, 4, decimale) +
           ", βm = " + TestoValore(*d.betaM, 2, decimale) + " (Tab. 7.11.II)";
}

} // namespace spintaro
