// SPDX-License-Identifier: GPL-3.0-or-later
// Time to write the calculation report: the layout alone, the layout and the PDF in memory, and
// the whole command of the batch calculator's kind (layout, PDF, atomic write to a file).
#include "model/calcolo.h"
#include "platform/pittore_relazione.h"
#include "report/relazione.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace spintaro {
namespace {

// A profile of n layers alternating dry sand and submerged cohesive clay, under 10 kPa.
Modulo1 profilo(int n) {
    Modulo1 m;
    m.Strati(0).Sv = 10;
    for (int i = 1; i <= n; ++i)
        m.Strati(i) = i % 2 ? Strato{1.5, 18, 0, 32, 0, 0, 0, 0, 0}
                            : Strato{2.25, 19.5, 12, 24, 0, 0, 0, 0, 1};
    m.NumStrati = static_cast<Intero16>(n);
    CalcolaStrati(m, n);
    return m;
}

const DatiRelazione Dati{"profilo.spt", "01/02/2026 10:30", "Spintaro 1.1.0", ","};

void Impaginazione(benchmark::State& stato) {
    const Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    for (auto _ : stato)
        benchmark::DoNotOptimize(ComponiRelazione(m, Dati));
}
BENCHMARK(Impaginazione)->Arg(2)->Arg(50)->Unit(benchmark::kMicrosecond);

void ImpaginazioneEPdf(benchmark::State& stato) {
    const Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    for (auto _ : stato)
        benchmark::DoNotOptimize(pdfRelazione(ComponiRelazione(m, Dati)));
}
BENCHMARK(ImpaginazioneEPdf)->Arg(2)->Arg(50)->Unit(benchmark::kMillisecond);

void ScritturaFile(benchmark::State& stato) {
    const Modulo1 m = profilo(static_cast<int>(stato.range(0)));
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("relazione.pdf"));
    for (auto _ : stato)
        if (!scriviRelazione(file, ComponiRelazione(m, Dati)).ok)
            stato.SkipWithError("scrittura non riuscita");
}
BENCHMARK(ScritturaFile)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace spintaro

int main(int argc, char** argv) {
    // Fonts need the graphical application object, on the offscreen platform as in the batch
    // calculator.
    const auto grafica = spintaro::ambienteGraficoSeManca();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
