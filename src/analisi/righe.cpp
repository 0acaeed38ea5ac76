// SPDX-License-Identifier: GPL-3.0-or-later
#include "analisi/righe.h"

#include "text/testi_numerici.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace spintaro {

// v·0 is 0 for a finite v and NaN otherwise, and a NaN stays in a sum of such terms (which
// cannot overflow): one test for them all.
bool RigaFinita(const RigaProgetto& r) {
    const auto z = [](double v) {
        return v * 0.0;
    };
    double zero = z(r.spinta) + z(r.spintaVerticale) + z(r.spintaAcqua) + z(r.momento) +
                  z(r.spintaCarichi.value_or(0)) + z(r.momentoCarichi.value_or(0));
    if (r.sisma)
        zero += z(r.sisma->spintaStatica) + z(r.sisma->incremento);
    for (const StratoProgetto& s : r.strati)
        zero += z(s.k.k) + z(s.k.kh) + z(s.sa1) + z(s.sa2) + z(s.sv1) + z(s.sv2) + z(s.u1) +
                z(s.u2) + z(s.theta.value_or(0)) + z(s.pc1.value_or(0)) + z(s.pc2.value_or(0));
    return zero == 0.0;
}

void SegnaGovernanti(std::vector<RigaProgetto>& righe, StatoTerreno stato) {
    const auto misura = [stato](const RigaProgetto& x) {
        return stato == StatoTerreno::Passiva ? -(x.spinta / x.gammaR.value_or(1.0)) : x.spinta;
    };
    // Group 0: the static rows; 1 + s: the rows of seismic limit state s.
    const auto gruppo = [](const RigaProgetto& r) {
        return r.sisma ? 1 + static_cast<std::size_t>(r.sisma->stato) : 0;
    };
    for (std::size_t g = 0; g <= NumeroStatiLimite; ++g) {
        RigaProgetto* governa = nullptr;
        for (RigaProgetto& r : righe) {
            if (gruppo(r) != g || (r.combinazione == Combinazione::SLE && !r.sisma))
                continue;
            if (governa == nullptr || misura(r) > misura(*governa))
                governa = &r;
        }
        if (governa != nullptr)
            governa->governa = true;
    }
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
    {"k", "k", "", "", 4, GruppoColonne::Base,
     [](const StratoProgetto& s) {
         return std::optional(s.k.k);
     }},
    {"theta", "theta", "θ", "°", 2, GruppoColonne::Sisma,
     [](const StratoProgetto& s) {
         return s.theta;
     }},
    {"k_h", "k_h", ",h", "", 4, GruppoColonne::Base,
     [](const StratoProgetto& s) {
         return std::optional(s.k.kh);
     }},
    {"delta", "delta", "δ", "°", 2, GruppoColonne::Base, di<&StratoProgetto::delta>},
    {"phi_d", "phi_d", "φ′d", "°", 2, GruppoColonne::Base, di<&StratoProgetto::phiD>},
    {"c_d", "c_d", "c′d", "kPa", 2, GruppoColonne::Base, di<&StratoProgetto::cD>},
    {"gamma_d", "gamma_d", "γd", "kN/m³", 2, GruppoColonne::Base, di<&StratoProgetto::gammaD>},
    {"sa1", "sa1_d", "σh alto", "kPa", 3, GruppoColonne::Base, di<&StratoProgetto::sa1>},
    {"sa2", "sa2_d", "σh base", "kPa", 3, GruppoColonne::Base, di<&StratoProgetto::sa2>},
    {"sv1", "sv1_d", "σv alto", "kPa", 3, GruppoColonne::Base, di<&StratoProgetto::sv1>},
    {"sv2", "sv2_d", "σv base", "kPa", 3, GruppoColonne::Base, di<&StratoProgetto::sv2>},
    {"u1", "u1_d", "u alto", "kPa", 3, GruppoColonne::Base, di<&StratoProgetto::u1>},
    {"u2", "u2_d", "u base", "kPa", 3, GruppoColonne::Base, di<&StratoProgetto::u2>},
    {"pc1", "pc1", "σh carichi alto", "kPa", 3, GruppoColonne::Carichi,
     [](const StratoProgetto& s) {
         return s.pc1;
     }},
    {"pc2", "pc2", "σh carichi base", "kPa", 3, GruppoColonne::Carichi,
     [](const StratoProgetto& s) {
         return s.pc2;
     }},
};

} // namespace

std::span<const ColonnaStrato> ColonneStrato() {
    return Colonne;
}

namespace {

// The keys are the program's own: an unknown one is a slip in the code, which every test of that
// output then shows.
template <class Colonna>
const Colonna& colonnaDi(std::span<const Colonna> tabella, std::string_view chiave) {
    for (const Colonna& c : tabella)
        if (c.chiave == chiave)
            return c;
    throw std::out_of_range("colonna sconosciuta: " + std::string(chiave));
}

} // namespace

const ColonnaStrato& ColonnaStratoDi(std::string_view chiave) {
    return colonnaDi(ColonneStrato(), chiave);
}

namespace {

template <double RigaProgetto::*campo> std::optional<double> della(const RigaProgetto& r) {
    return r.*campo;
}

template <double DatiSismici::*campo> std::optional<double> sismico(const RigaProgetto& r) {
    return r.sisma ? std::optional((*r.sisma).*campo) : std::nullopt;
}

constexpr ColonnaRiga Righe[] = {
    {"spinta", "spinta_d", "S orizz.", "kN/m", 3, GruppoColonne::Base, false,
     della<&RigaProgetto::spinta>},
    {"spinta_verticale", "spinta_verticale_d", "S vert.", "kN/m", 3, GruppoColonne::Base, false,
     della<&RigaProgetto::spintaVerticale>},
    {"spinta_acqua", "spinta_acqua_d", "di cui acqua", "kN/m", 3, GruppoColonne::Base, false,
     della<&RigaProgetto::spintaAcqua>},
    {"momento", "momento_d", "Momento M", "kN·m/m", 3, GruppoColonne::Base, false,
     della<&RigaProgetto::momento>},
    {"braccio", "braccio_d", "M/S", "m", 3, GruppoColonne::Base, false,
     [](const RigaProgetto& r) {
         return r.braccio;
     }},
    {"governa", "governa", "", "", 0, GruppoColonne::Base, true,
     [](const RigaProgetto& r) {
         return std::optional(r.governa ? 1.0 : 0.0);
     }},
    {"gamma_g1", "", "γG1", "", 2, GruppoColonne::Base, false, della<&RigaProgetto::gammaG1>},
    {"gamma_q", "", "γQ", "", 2, GruppoColonne::Base, false, della<&RigaProgetto::gammaQ>},
    {"gamma_phi", "", "γφ′", "", 2, GruppoColonne::Base, false, della<&RigaProgetto::gammaPhi>},
    {"gamma_c", "", "γc′", "", 2, GruppoColonne::Base, false, della<&RigaProgetto::gammaC>},
    {"gamma_gamma", "", "γγ", "", 2, GruppoColonne::Base, false, della<&RigaProgetto::gammaGamma>},
    {"gamma_r", "", "γR", "", 2, GruppoColonne::Base, false,
     [](const RigaProgetto& r) {
         return r.gammaR;
     }},
    {"kv_segno", "kv_segno", "kv", "", 0, GruppoColonne::Sisma, false,
     [](const RigaProgetto& r) {
         return r.sisma ? std::optional<double>(r.sisma->kvSegno) : std::nullopt;
     }},
    {"kh", "kh_sisma", "kh", "", 4, GruppoColonne::Sisma, false, sismico<&DatiSismici::kh>},
    {"kv", "kv", "kv", "", 4, GruppoColonne::Sisma, false, sismico<&DatiSismici::kv>},
    {"spinta_statica", "spinta_statica", "S statica", "kN/m", 3, GruppoColonne::Sisma, false,
     sismico<&DatiSismici::spintaStatica>},
    {"incremento", "incremento", "ΔS", "kN/m", 3, GruppoColonne::Sisma, false,
     sismico<&DatiSismici::incremento>},
    {"braccio_incremento", "braccio_incremento", "quota di ΔS", "m", 3, GruppoColonne::Sisma, false,
     [](const RigaProgetto& r) {
         return r.sisma ? r.sisma->braccioIncremento : std::nullopt;
     }},
    {"spinta_carichi", "spinta_carichi", "S carichi", "kN/m", 3, GruppoColonne::Carichi, false,
     [](const RigaProgetto& r) {
         return r.spintaCarichi;
     }},
    {"momento_carichi", "momento_carichi", "M carichi", "kN·m/m", 3, GruppoColonne::Carichi, false,
     [](const RigaProgetto& r) {
         return r.momentoCarichi;
     }},
};

} // namespace

std::span<const ColonnaRiga> ColonneRiga() {
    return Righe;
}

const ColonnaRiga& ColonnaRigaDi(std::string_view chiave) {
    return colonnaDi(ColonneRiga(), chiave);
}

std::string EtichettaColonna(const ColonnaStrato& c, StatoTerreno stato, bool sismica) {
    if (c.chiave == "k" || c.chiave == "k_h")
        return std::string(NomeCoefficiente(stato, sismica)) + std::string(c.etichetta);
    return std::string(c.etichetta);
}

std::string_view VersoKv(int segno) {
    return segno > 0 ? "kv verso il basso" : "kv verso l'alto";
}

std::optional<double> Braccio(double momento, double spinta) {
    if (spinta != 0.0 && std::isfinite(momento / spinta))
        return momento / spinta;
    return std::nullopt;
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
