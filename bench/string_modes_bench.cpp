// One frame of the vibrating string at its heaviest: length 100 cm (100
// segments) with all ten harmonics at 10, i.e. 1000 terms and 200 lines on
// the real drawing surface. The tick interval is 25 ms.

#include "controls/controls.h"
#include "string_modes/modescorde.h"

#include <benchmark/benchmark.h>

// Drives the window as its timer does.
struct ModesCordeBench
{
    static void TickCordeComplete(benchmark::State &bench)
    {
        SharedVariables shared;
        StringModesState state;
        ModesCorde window(nullptr, shared, state);
        for (int k = 1; k <= StringModesModel::nombreHarmoniques; ++k)
            window.Harmonique(k)->setValue(10);
        // Next image computes the constants; each tick then advances 10 ms and draws.
        window.Command2_Click();
        for (auto _ : bench)
            window.Timer1_Timer();
        bench.SetItemsProcessed(bench.iterations() * 1000);
    }
};

namespace {

BENCHMARK(ModesCordeBench::TickCordeComplete)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace
