// Cost of the driven string's timer tick: the integrator alone, and a whole
// tick (ten steps plus the redraw on the real picture) for the fixed end and
// for the absorbing extension with traces on. The tick runs every 50 ms.
#include "driven_string/vibreur.h"

#include <benchmark/benchmark.h>

// Drives the window as its timer does.
struct VibreurBench
{
    // A whole tick of Timer1 on the window, the sine running.
    static void tic(benchmark::State &etat, bool sansExtremiteAvecTraces)
    {
        SharedVariables shared;
        DrivenStringState state;
        Vibreur w(nullptr, shared, state);
        w.Timer1->setEnabled(false);
        if (sansExtremiteAvecTraces) {
            w.Option3->setValue(true);
            w.traces->setValue(1);
        }
        w.Command1_Click();
        for (auto _ : etat)
            w.Timer1_Timer();
    }
};

namespace {

struct PanneauInitial : DrivenStringPanel
{
    ExtremiteDroite bord = ExtremiteDroite::Fixe;

    int frequenceValue() const override { return 13; }
    int hScroll1Value() const override { return 5; }
    int celeriteValue() const override { return 10; }
    int ampValue() const override { return 10; }
    std::string pasXText() const override { return "0.01"; }
    std::string pasTText() const override { return "0.0025"; }
    ExtremiteDroite extremite() const override { return bord; }
};

struct VueMuette : DrivenStringView
{
    void afficheDepassement() override { }
    void effaceImage() override { }
    void corde(double) override { }
};

void Ondule(benchmark::State &etat)
{
    SharedVariables shared;
    DrivenStringState state;
    PanneauInitial panneau;
    panneau.bord = ExtremiteDroite(etat.range(0));
    VueMuette vue;
    DrivenStringModel model(shared, state, panneau, vue);
    model.demarreVibreur();
    for (auto _ : etat) {
        model.Ondule();
        benchmark::DoNotOptimize(state.yNouveau.data());
    }
}
BENCHMARK(Ondule)
    ->ArgName("extremite")
    ->Arg(int(ExtremiteDroite::Fixe))
    ->Arg(int(ExtremiteDroite::Absente))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void TicExtremiteFixe(benchmark::State &etat)
{
    VibreurBench::tic(etat, false);
}
BENCHMARK(TicExtremiteFixe)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void TicSansExtremiteTraces(benchmark::State &etat)
{
    VibreurBench::tic(etat, true);
}
BENCHMARK(TicSansExtremiteTraces)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
