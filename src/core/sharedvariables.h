#pragma once

#include <array>

// The variables that the simulation modules share by name for the whole run.
// `temps` is the simulation time: seconds for the driven string and the
// reflection window, milliseconds for the eigenmodes. Each module writes what
// it reads first, so two modules animating at once advance the same clock.
struct SharedVariables
{
    double temps = 0.0; // s or ms, see above
    double dt = 0.0; // s, time step of the driven string and the reflection window
    double frequence = 0.0; // Hz
    // Wavelengths in mm: element 0 for the reflection window, 1 to 10 for the
    // eigenmodes' harmonics.
    std::array<double, 21> longueurOnde {};
};
