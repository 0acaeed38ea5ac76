// SPDX-License-Identifier: GPL-3.0-or-later
// The builders of the parameters table's entries: each kind of value read, checked and written
// by one function, its range and default told in --help and in the messages from its description.
#include "analisi/voci_parametri.h"
#include "text/citazioni.h"

#include <algorithm>

namespace spintaro::voci {

std::string citato(std::string_view t) {
    return "«" + citaTesto(t) + "»"; // «…»
}

std::string TestoIntervallo(const Intervallo& r, std::string_view unita,
                            std::string_view decimale) {
    auto n = [&](double v) {
        return TestoParametro(v, decimale) + std::string(unita);
    };
    return (r.minimoIncluso ? "almeno " : "maggiore di ") + n(r.minimo) +
           (r.massimoIncluso ? " e al massimo " : " e minore di ") + n(r.massimo);
}

Esito PerOgniParte(std::string_view testo, const std::function<Esito(std::string_view)>& f) {
    while (true) {
        const auto virgola = testo.find(',');
        if (auto e = f(testo.substr(0, virgola)))
            return e;
        if (virgola == std::string_view::npos)
            return std::nullopt;
        testo.remove_prefix(virgola + 1);
    }
}

Esito numero(std::string_view testo, std::string_view nome, const Intervallo& r,
             std::string_view unita, double& campo) {
    const auto v = LeggiNumeroParametro(testo);
    if (testo.empty())
        return std::string(nome) + ": il valore è vuoto";
    if (!v)
        return std::string(nome) + ": " + citato(testo) + " non è un numero";
    if (!r.contiene(*v))
        return std::string(nome) + ": " + citato(testo) + " non è ammesso, deve essere " +
               TestoIntervallo(r, unita);
    campo = *v;
    return std::nullopt;
}

Esito scelta(std::string_view testo, std::string_view nome,
             std::span<const std::string_view> parole, std::string_view cosa, std::size_t& indice) {
    const auto k = std::find(parole.begin(), parole.end(), testo);
    if (k != parole.end()) {
        indice = static_cast<std::size_t>(k - parole.begin());
        return std::nullopt;
    }
    std::string elenco;
    for (std::size_t j = 0; j < parole.size(); ++j)
        elenco += std::string(j == 0                   ? ""
                              : j + 1 == parole.size() ? " o "
                                                       : ", ") +
                  std::string(parole[j]);
    return std::string(nome) + ": " + citato(testo) + " non è " + std::string(cosa) + " (" +
           elenco + ")";
}

namespace {

std::string unite(std::span<const std::string_view> parole, std::string_view tra) {
    std::string t;
    for (const std::string_view p : parole)
        t += (t.empty() ? "" : std::string(tra)) + std::string(p);
    return t;
}

} // namespace

VoceParametro VoceNumero(const DescrizioneNumero& n) {
    VoceParametro v{.chiave = n.chiave,
                    .etichetta = n.etichetta,
                    .unita = n.unita,
                    .clausola = n.clausola,
                    .forma = std::string(n.forma),
                    .tipo = TipoParametro::Numero,
                    .testo =
                        [campo = n.campo](const DatiLavoro& d) {
                            ParametriCalcolo p = d.parametri;
                            return TestoParametro(campo(p));
                        },
                    .numeri =
                        [campo = n.campo](const DatiLavoro& d) {
                            ParametriCalcolo p = d.parametri;
                            return std::array<std::optional<double>, 2>{campo(p), std::nullopt};
                        },
                    .nome = std::string(n.nome.empty() ? n.chiave : n.nome),
                    .lettore =
                        [n](DatiLavoro& d, std::string_view t, std::string_view nome) {
                            return numero(t, nome, n.intervallo, n.unita, n.campo(d.parametri));
                        },
                    .parte = n.parte};
    v.aiuto = std::string(n.aiuto) + " (" + TestoIntervallo(n.intervallo, "", ".") +
              "; predefinito " + v.testo(DatiLavoro{}) +
              (n.nota.empty() ? "" : "; " + std::string(n.nota)) + ")";
    return v;
}

VoceParametro VoceScelta(const DescrizioneScelta& s) {
    return {
        .chiave = s.chiave,
        .etichetta = s.etichetta,
        .clausola = s.clausola,
        .aiuto = std::string(s.aiuto),
        .forma = unite(s.parole, "|"),
        .tipo = TipoParametro::Scelta,
        .scelte = {s.parole.begin(), s.parole.end()},
        .testo = [s](const DatiLavoro& d) { return std::string(s.parole[s.leggi(d.parametri)]); },
        .nome = std::string(s.chiave),
        .lettore =
            [s](DatiLavoro& d, std::string_view t, std::string_view nome) {
                std::size_t k = 0;
                if (auto e = scelta(t, nome, s.parole, s.cosa, k))
                    return e;
                s.scrivi(d.parametri, k);
                return Esito{};
            },
        .parte = s.parte};
}

VoceParametro VoceElenco(const DescrizioneElenco& e) {
    return {.chiave = e.chiave,
            .etichetta = e.etichetta,
            .clausola = e.clausola,
            .aiuto = std::string(e.aiuto),
            .forma = "LISTA",
            .tipo = TipoParametro::Elenco,
            .scelte = {e.parole.begin(), e.parole.end()},
            .testo =
                [e](const DatiLavoro& d) {
                    ParametriCalcolo p = d.parametri;
                    const std::span<bool> scelte = e.campo(p);
                    std::string t;
                    for (std::size_t k = 0; k < scelte.size(); ++k)
                        if (scelte[k])
                            t += (t.empty() ? "" : ",") + std::string(e.parole[k]);
                    return t;
                },
            .scelti =
                [e](const DatiLavoro& d) {
                    ParametriCalcolo p = d.parametri;
                    const std::span<bool> scelte = e.campo(p);
                    return std::vector<bool>(scelte.begin(), scelte.end());
                },
            .nome = std::string(e.chiave),
            .lettore = [e](DatiLavoro& d, std::string_view t, std::string_view nome) -> Esito {
                std::vector<bool> scelte(e.parole.size(), false);
                if (auto x = PerOgniParte(t, [&](std::string_view parola) -> Esito {
                        std::size_t k = 0;
                        if (scelta(parola, e.chiave, e.parole, e.cosa, k))
                            return std::string(nome) + ": " + citato(parola) + " non è " +
                                   std::string(e.cosa) + " (" + unite(e.parole, ", ") + ")";
                        scelte[k] = true;
                        return std::nullopt;
                    }))
                    return x;
                std::ranges::copy(scelte, e.campo(d.parametri).begin());
                return std::nullopt;
            },
            .parte = e.parte};
}

namespace {

// "A1=1.3,A2=1.0" into campo, each set at most once; with unico, one number alone for both.
template <typename V>
Esito coppia(std::string_view testo, std::string_view chiamato, const DescrizioneCoppia& c,
             bool unico, std::array<V, 2>& campo) {
    const std::string nome(chiamato);
    const std::string articolo = unico ? "lo stato limite" : "l'insieme";
    const std::string forma = " (forma: " + std::string(c.insiemi[0]) + "=N," +
                              std::string(c.insiemi[1]) + "=N" +
                              (unico ? " oppure un numero per entrambi)" : ")");
    if (testo.empty())
        return nome + ": valore vuoto" + forma;
    if (unico && testo.find('=') == std::string_view::npos) {
        double v = 0;
        if (auto e = numero(testo, nome, c.intervallo, "", v))
            return e;
        campo = {v, v};
        return std::nullopt;
    }
    std::array<V, 2> nuovo = campo;
    std::array<bool, 2> visto{};
    if (auto e = PerOgniParte(testo, [&](std::string_view voce) -> Esito {
            const auto uguale = voce.find('=');
            if (uguale == std::string_view::npos)
                return nome + ": " + citato(voce) + " non indica " + articolo + forma;
            const std::string_view chiave = voce.substr(0, uguale);
            const std::size_t k = chiave == c.insiemi[0] ? 0 : chiave == c.insiemi[1] ? 1 : 2;
            if (k == 2)
                return nome + ": " + articolo + " " + citato(chiave) + " non esiste (" +
                       std::string(c.insiemi[0]) + " oppure " + std::string(c.insiemi[1]) + ")";
            if (visto[k])
                return nome + ": " + articolo + " " + std::string(chiave) + " è dato due volte";
            visto[k] = true;
            double v = 0;
            if (auto rifiuto = numero(voce.substr(uguale + 1), nome + " " + std::string(chiave),
                                      c.intervallo, "", v))
                return rifiuto;
            nuovo[k] = v;
            return std::nullopt;
        }))
        return e;
    campo = nuovo;
    return std::nullopt;
}

std::array<std::optional<double>, 2> valoriCoppia(const DescrizioneCoppia& c, const DatiLavoro& d) {
    if (c.fattore)
        return {(d.parametri.*c.fattore)[0], (d.parametri.*c.fattore)[1]};
    return d.parametri.sisma.*c.perStato;
}

std::string testoCoppia(const DescrizioneCoppia& c, const DatiLavoro& d) {
    const std::array<std::optional<double>, 2> v = valoriCoppia(c, d);
    if (c.perStato && v[0] && v[1] && *v[0] == *v[1])
        return TestoParametro(*v[0]);
    std::string t;
    for (std::size_t k = 0; k < 2; ++k)
        if (v[k])
            t += (t.empty() ? "" : ",") + std::string(c.insiemi[k]) + "=" + TestoParametro(*v[k]);
    return t;
}

} // namespace

VoceParametro VoceCoppia(const DescrizioneCoppia& c) {
    const std::string forma =
        c.forma.empty() ? std::string(c.insiemi[0]) + "=N," + std::string(c.insiemi[1]) + "=N"
                        : std::string(c.forma);
    VoceParametro v{
        .chiave = c.chiave,
        .etichetta = c.etichetta,
        .clausola = c.clausola,
        .forma = forma,
        .tipo = TipoParametro::PerInsieme,
        .scelte = {c.insiemi[0], c.insiemi[1]},
        .testo = [c](const DatiLavoro& d) { return testoCoppia(c, d); },
        .numeri = [c](const DatiLavoro& d) { return valoriCoppia(c, d); },
        .nome = c.fattore ? std::string(c.chiave) + " (" + std::string(c.etichetta) + ")"
                          : std::string(c.chiave),
        .lettore =
            [c](DatiLavoro& d, std::string_view t, std::string_view nome) {
                return c.fattore ? coppia(t, nome, c, false, d.parametri.*c.fattore)
                                 : coppia(t, nome, c, true, d.parametri.sisma.*c.perStato);
            },
        .insieme = [c](DatiLavoro& d, std::size_t k, std::string_view t,
                       std::string_view chiamato) -> Esito {
            double x = 0;
            if (auto e = numero(t, std::string(chiamato) + " " + std::string(c.insiemi[k]),
                                c.intervallo, "", x))
                return e;
            if (c.fattore)
                (d.parametri.*c.fattore)[k] = x;
            else
                (d.parametri.sisma.*c.perStato)[k] = x;
            return std::nullopt;
        },
        .parte = c.parte};
    v.aiuto = std::string(c.aiuto) + " (" + TestoIntervallo(c.intervallo, "", ".") + "; " +
              (c.nota.empty() ? "predefinito " + v.testo(DatiLavoro{}) : std::string(c.nota)) + ")";
    return v;
}

} // namespace spintaro::voci
