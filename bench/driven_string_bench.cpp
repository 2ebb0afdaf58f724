// Cost of the driven string's timer tick: the integrator alone, and a whole
// tick (ten steps plus the redraw on the real picture) for the fixed end and
// for the absorbing extension with traces on. The tick runs every 50 ms.
#include "driven_string/vibreur.h"
#include "support/fakepanel.h"
#include "support/windowdriver.h"
#include "tickbudget.h"

#include <benchmark/benchmark.h>

namespace {

void Ondule(benchmark::State &etat)
{
    SharedVariables shared;
    DrivenStringState state;
    FakePanel panneau {{{"Frequence", 13}, {"Amp", 10}, {"HScroll1", 5}, {"celerite", 10}}};
    panneau.bout = ExtremiteDroite(etat.range(0));
    struct : DrivenStringView
    {
        void afficheDepassement() override { }
        void effaceImage() override { }
        void corde(double) override { }
    } vue;
    DrivenStringModel model(shared, state, panneau, vue);
    model.demarreVibreur();
    for (auto _ : etat) {
        model.Ondule();
        benchmark::DoNotOptimize(state.yNouveau.data());
    }
    intervalleDuTic(etat, Vibreur::intervalleTimer1); // a tick computes once
}
BENCHMARK(Ondule)
    ->ArgName("extremite")
    ->Arg(int(ExtremiteDroite::Fixe))
    ->Arg(int(ExtremiteDroite::Absente))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// A whole tick of Timer1 on the window, the sine running, after those clicks.
void tic(benchmark::State &etat, const char *clics)
{
    SharedVariables shared;
    DrivenStringState state;
    Vibreur w(nullptr, shared, state);
    WindowDriver fenetre {&w};
    fenetre.click(clics);
    for (auto _ : etat)
        fenetre.tick();
    intervalleDuTic(etat, Vibreur::intervalleTimer1);
}

void TicExtremiteFixe(benchmark::State &etat)
{
    tic(etat, "Command1");
}
BENCHMARK(TicExtremiteFixe)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void TicSansExtremiteTraces(benchmark::State &etat)
{
    tic(etat, "Option3 traces Command1");
}
BENCHMARK(TicSansExtremiteTraces)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
