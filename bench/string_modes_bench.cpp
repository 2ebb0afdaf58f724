// One frame of the vibrating string at its heaviest: length 100 cm (100
// segments) with all ten harmonics at 10, i.e. 1000 terms and 200 lines on
// the real drawing surface. The tick interval is 25 ms.

#include "string_modes/modescorde.h"
#include "support/windowdriver.h"
#include "tickbudget.h"

#include <benchmark/benchmark.h>

namespace {

// "animer" computes the constants; each tick then advances 10 ms and draws.
void TickCordeComplete(benchmark::State &bench)
{
    SharedVariables shared;
    StringModesState state;
    ModesCorde window(nullptr, shared, state);
    WindowDriver fenetre {&window};
    for (int k = 0; k < StringModesModel::nombreHarmoniques; ++k)
        fenetre.bar("Harmonique", k).setValue(10);
    fenetre.click("Command1");
    for (auto _ : bench)
        fenetre.tick();
    bench.SetItemsProcessed(bench.iterations() * 1000);
    intervalleDuTic(bench, ModesCorde::intervalleTimer1);
}

BENCHMARK(TickCordeComplete)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace
