// SPDX-License-Identifier: GPL-3.0-or-later
// Time to write the calculation report: the layout alone, the layout and the PDF in memory, and
// the whole command of the batch calculator's kind (layout, PDF, atomic write to a file).
#include "model/calcolo.h"
#include "platform/pittore_relazione.h"
#include "profilo_prova.h"
#include "report/relazione.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace spintaro {
namespace {

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
