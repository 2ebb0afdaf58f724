#pragma once

#include <array>

// The eigenmode window's own variables. They live for the whole run and keep
// their values while the window is closed and opened again.
struct StringModesState
{
    static constexpr int nbPoints = 101; // at most 100 segments of 10 mm, point 0 included
    static constexpr int nombreHarmoniques = 10;
    using Ordonnees = std::array<double, nbPoints>;

    double longueurCorde = 0.0; // mm, vibrating length L from the fixed end to the bridge
    double masseSolide = 0.0; // kg, mass m of the solid hanging over the pulley
    double masseLineique = 0.0; // kg/m, linear mass density mu of the string
    // rad/ms, angular eigenfrequency of harmonic n at index n (1 to 10).
    std::array<double, 21> pulsation {};
    // Display units, displacement of string point i (x = 10 i mm) as last
    // drawn; index 0, the fixed end, is never written.
    Ordonnees ordonnee {};
    // The shape of harmonic n at point i, sin(2 pi x_i / lambda_n), at [n][i]:
    // it changes only with the length, so a frame need not compute it.
    std::array<Ordonnees, nombreHarmoniques + 1> forme {};
    // s, the sum of this window's own time steps: unlike temps, which the open
    // modules share, no other window moves it. The point recorder's clock.
    double tempsPropre = 0.0;
    // ms, the time of the frame on display: other windows move temps since.
    double tempsAffiche = 0.0;
};
