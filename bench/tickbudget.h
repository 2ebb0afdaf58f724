#pragma once

#include <benchmark/benchmark.h>

// Gives the benchmark's results the interval (ms) of the timer whose tick one iteration is, as
// the counter "intervalle_ms": bench/budget.sh checks each median against a tenth of it, the
// budget that keeps animating at a few percent of a core.
inline void intervalleDuTic(benchmark::State &state, int intervalleMs)
{
    state.counters["intervalle_ms"] = intervalleMs;
}
