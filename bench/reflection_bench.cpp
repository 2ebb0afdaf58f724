// One frame of the incident and reflected waves: 100 segments of three
// curves, each erased then drawn again (600 lines) on the real drawing
// surface, and the two strokes of the dial hand. The tick
// interval is 25 ms.

#include "reflection/reflexion.h"
#include "support/windowdriver.h"
#include "tickbudget.h"

#include <benchmark/benchmark.h>

namespace {

// A tick of the running animation, one step of 0.05 s after the last frame, for the mode rank
// given as argument.
void DessineImage(benchmark::State &bench)
{
    SharedVariables shared;
    ReflectionState state;
    Reflexion window(nullptr, shared, state);
    WindowDriver fenetre {&window};
    fenetre.bar("Mode").setValue(int(bench.range(0)));
    fenetre.click("go");
    for (auto _ : bench)
        fenetre.tick();
    bench.SetItemsProcessed(bench.iterations() * 600);
    intervalleDuTic(bench, Reflexion::intervalleTimer1);
}

BENCHMARK(DessineImage)
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace
