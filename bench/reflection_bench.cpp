// One frame of the incident and reflected waves: 100 segments of three
// curves, each erased then drawn again (600 lines) on the real drawing
// surface, and the two strokes of the dial hand. The tick
// interval is 25 ms.

#include "controls/controls.h"
#include "reflection/reflexion.h"

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

} // namespace
