// SPDX-License-Identifier: GPL-3.0-or-later
// Time per call of the core's work on a job of 1, 10 and 50 layers.
#include "analisi/sisma.h"
#include "analisi/spinte_progetto.h"
#include "files/esportazione.h"
#include "files/progetto.h"
#include "model/calcolo.h"
#include "profilo_prova.h"

#include <benchmark/benchmark.h>

namespace spintaro {
namespace {

void CalcoloESpinta(benchmark::State& stato) {
    Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    for (auto _ : stato) {
        CalcolaStrati(m, m.NumStrati);
        benchmark::DoNotOptimize(CalcolaSpinta(m));
    }
}
BENCHMARK(CalcoloESpinta)->Arg(1)->Arg(10)->Arg(50);

// The whole of a profile's results: every layer, the total thrust, and the analysis with the
// moment, its arm and the water part.
void CalcoloSpintaMomento(benchmark::State& stato) {
    Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    for (auto _ : stato) {
        CalcolaStrati(m, m.NumStrati);
        benchmark::DoNotOptimize(CalcolaSpinta(m));
        benchmark::DoNotOptimize(AnalizzaSpinta(m));
    }
}
BENCHMARK(CalcoloSpintaMomento)->Arg(1)->Arg(10)->Arg(50);

// The same with every layer below the water table: one run of 50 layers, the longest water head.
void CalcoloSpintaMomentoSommerso(benchmark::State& stato) {
    Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    for (int i = 1; i <= m.NumStrati; ++i)
        m.Strati(i).Falda = 1;
    for (auto _ : stato) {
        CalcolaStrati(m, m.NumStrati);
        benchmark::DoNotOptimize(CalcolaSpinta(m));
        benchmark::DoNotOptimize(AnalizzaSpinta(m));
    }
}
BENCHMARK(CalcoloSpintaMomentoSommerso)->Arg(50);

// The design calculation: SLE, A1+M1 and A2+M2, with Coulomb on a slope and the minimum pressure
// (two passes per factored combination, the split layers); with diversi, a friction angle of its
// own in every layer, so that no layer shares a coefficient.
void spinteProgetto(benchmark::State& stato, bool diversi) {
    Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    for (int i = 1; i <= m.NumStrati && diversi; ++i)
        m.Strati(i).AttritoInterno = 22 + 0.25 * i;
    ParametriCalcolo p;
    p.teoria = Teoria::Coulomb;
    p.deltaPhi = 2.0 / 3.0;
    p.beta = 10;
    p.pressioneMinima = 0.2;
    for (auto _ : stato)
        benchmark::DoNotOptimize(CalcolaSpinteProgetto(m, p));
}
void SpinteProgetto(benchmark::State& stato) {
    spinteProgetto(stato, false);
}
BENCHMARK(SpinteProgetto)->Arg(1)->Arg(50);
void SpinteProgettoAngoliDiversi(benchmark::State& stato) {
    spinteProgetto(stato, true);
}
BENCHMARK(SpinteProgettoAngoliDiversi)->Arg(50);

// Every row, static and seismic (SLV and SLD, both kv signs), with 20 loads on the backfill of
// the four kinds, half of them permanent; without loads, the same rows for the ratio.
void spinteCarichi(benchmark::State& stato, std::size_t quanti) {
    const Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    ParametriCalcolo p;
    p.sisma.kh = {0.15, 0.06};
    p.sisma.stati = {true, true};
    const char* const tipi[] = {"striscia:q=20,a=1,b=3", "trapezio:q1=0,q2=30,a=2,b=4",
                                "linea:Q=44,a=1", "punto:P=100,a=2"};
    for (std::size_t k = 0; k < quanti; ++k) {
        Carico c;
        LeggiCarico(tipi[k % 4], k + 1, c);
        c.a += 0.5 * static_cast<double>(k);
        c.azione = k % 2 ? AzioneCarico::Permanente : AzioneCarico::Variabile;
        p.carichi.push_back(c);
    }
    for (auto _ : stato)
        benchmark::DoNotOptimize(CalcolaSpinteProgetto(m, p));
}
void SpinteCarichi(benchmark::State& stato) {
    spinteCarichi(stato, MassimoCarichi);
}
BENCHMARK(SpinteCarichi)->Arg(50);
void SpinteSenzaCarichi(benchmark::State& stato) {
    spinteCarichi(stato, 0);
}
BENCHMARK(SpinteSenzaCarichi)->Arg(50);

// The seismic rows alone: SLV and SLD from the site, both kv signs, free water with its
// hydrodynamic pressure (four rows and the static pass beside them).
void SpinteSismiche(benchmark::State& stato) {
    const Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    ParametriCalcolo p;
    p.sisma.ag = {0.25, 0.10};
    p.sisma.f0 = {2.5, 2.4};
    p.sisma.suolo = CategoriaSuolo::C;
    p.sisma.stati = {true, true};
    p.sisma.acquaPermeabile = true;
    std::vector<RigaProgetto> righe;
    for (auto _ : stato) {
        righe.clear();
        benchmark::DoNotOptimize(AggiungiRigheSismiche(m, p, righe));
    }
}
BENCHMARK(SpinteSismiche)->Arg(1)->Arg(50);

void Spinta(benchmark::State& stato) {
    Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    for (auto _ : stato)
        benchmark::DoNotOptimize(CalcolaSpinta(m));
}
BENCHMARK(Spinta)->Arg(1)->Arg(10)->Arg(50);

void ScritturaProgetto(benchmark::State& stato) {
    Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    for (auto _ : stato)
        benchmark::DoNotOptimize(ScriviProgetto(m));
}
BENCHMARK(ScritturaProgetto)->Arg(1)->Arg(50);

void AperturaProgetto(benchmark::State& stato) {
    Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    const std::string testo = ScriviProgetto(m);
    for (auto _ : stato) {
        auto esito = ApriProgetto(m, testo);
        benchmark::DoNotOptimize(esito);
    }
}
BENCHMARK(AperturaProgetto)->Arg(1)->Arg(50);

void Esportazione(benchmark::State& stato) {
    Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    for (auto _ : stato)
        benchmark::DoNotOptimize(TestoEsportazione(m, ","));
}
BENCHMARK(Esportazione)->Arg(1)->Arg(50);

} // namespace
} // namespace spintaro

BENCHMARK_MAIN();
