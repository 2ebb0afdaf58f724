#pragma once

// The reflection window's own module-level variables. They live for the whole
// run of the program and keep their values while the window is closed.
struct ReflectionState
{
    double celeriteOnde = 0.0; // mm/s, wave speed c
    double periode = 0.0; // s, T = 1 / f
    double tFin = 0.0; // s, end of a quarter-period run; 0 = none armed
    double angleCadran = 0.0; // rad, angle of the dial tick or hand being drawn
    // s, the sum of this window's own time steps since temps was last set to 0: unlike temps,
    // which the open modules share, no other window moves it. The point recorder's clock.
    double tempsPropre = 0.0;
    // s, the time of the frame on display, whose hand was taken last: other windows move temps.
    double tempsAffiche = 0.0;
};
