// One frame of the incident and reflected waves: 100 segments of three
// curves, each erased then drawn again (1200 wave evaluations, 600 lines) on
// the real drawing surface, and the two strokes of the dial hand. The tick
// interval is 25 ms.

#include "controls.h"
#include "reflectionmodel.h"
#include "reflexion.h"

#include <benchmark/benchmark.h>

// Drives the window as its timer does.
struct ReflexionBench
{
    // DessineImage as a tick calls it, one step of 0.05 s after the last
    // frame, for the mode rank given as argument.
    static void DessineImage(benchmark::State &bench)
    {
        SharedVariables shared;
        ReflectionState state;
        Reflexion window(nullptr, shared, state);
        window.Mode->setValue(int(bench.range(0)));
        for (auto _ : bench) {
            shared.temps = shared.dt + shared.temps;
            window.DessineImage();
        }
        bench.SetItemsProcessed(bench.iterations() * 600);
    }
};

namespace {

BENCHMARK(ReflexionBench::DessineImage)
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The 1200 wave evaluations of one frame alone, without drawing.
void BM_OndesSeules(benchmark::State &bench)
{
    SharedVariables shared;
    ReflectionState state;
    ReflectionModel model(shared, state);
    model.calculeConstantes(10, 25);
    double t = 0.0;
    for (auto _ : bench) {
        t += 0.05;
        double somme = 0.0;
        for (int passage = 0; passage < 2; ++passage) {
            for (int i = 1; i <= ReflectionModel::longueurCorde; ++i) {
                for (int x = i - 1; x <= i; ++x)
                    somme += model.yIncidente(x, t) + model.yReflechie(x, t)
                        + model.yResultante(x, t);
            }
        }
        benchmark::DoNotOptimize(somme);
    }
    bench.SetItemsProcessed(bench.iterations() * 1200);
}
BENCHMARK(BM_OndesSeules)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace
