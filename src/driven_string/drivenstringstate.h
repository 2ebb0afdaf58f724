#pragma once

#include <array>
#include <cstdint>

// The module-level variables of the driven string: they live for the whole
// run and keep their values when the window `Vibreur` is closed and opened
// again. `temps`, `dt` and `frequence` are shared with the other modules and
// live in SharedVariables.
//
// Grid: points 0 to 200, point i at i·dx from the vibrator end. The string
// proper is points 0 to 100; points 101 to 200 form the absorbing extension
// used when the right end is "pas d'extrémité". Displacements are in mm,
// positive downward (the drawing's y axis grows downward).
struct DrivenStringState
{
    static constexpr int dernierPointCorde = 100; // the right end of the string proper
    static constexpr int dernierPoint = 200; // the far end of the absorbing extension, held at 0
    // Where the absorbing zone's damping starts to grow, ten points past the right end: a wave
    // enters the zone on an unchanged string, so its boundary reflects nothing.
    static constexpr int debutAmortissementZone = 110;
    static constexpr int nbPoints = dernierPoint + 1;
    using Niveau = std::array<double, nbPoints>;

    Niveau yAncien {}; // mm, time step n-1
    Niveau yActuel {}; // mm, time step n
    Niveau yNouveau {}; // mm, time step n+1: the state drawn after `Ondule`
    Niveau yAffiche {}; // mm, what the picture shows now (written only by `corde`)

    // Weights of the three-level scheme:
    // yNouveau(i) = coefA·(yActuel(i-1) + yActuel(i+1)) + coefB·yActuel(i) + coefC·yAncien(i)
    double coefA = 0.0;
    double coefB = 0.0;
    double coefC = 0.0;

    double dx = 0.0; // m, space step
    double amortissement = 0.0; // 1/s, damping coefficient of the string
    double amortissementLocal = 0.0; // 1/s, damping of the point computed in the absorbing zone
    std::int16_t amplitude = 0; // mm, vibrator amplitude
    // s, the sum of this window's own time steps since the string was last reset or an excitation
    // started, where temps restarts at 0 (a re-synchronisation of the vibrator goes on counting):
    // unlike temps, which the open modules share, no other window moves it. The point recorder's
    // clock.
    double tempsPropre = 0.0;
    // s, temps when the string on display was drawn: other windows move temps since.
    double tempsAffiche = 0.0;

    bool vibreurActif = false; // the sinusoidal excitation drives point 0
    bool parametresModifies = false; // a setting changed since the constants were derived
    bool arretDemande = false; // stop the vibrator at the next re-synchronisation
    bool impulsionActive = false; // a solitary pulse drives point 0
};
