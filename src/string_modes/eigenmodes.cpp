#include "eigenmodes.h"

#include <algorithm>
#include <cmath>

namespace EigenModes {

double Celerite(double masseSolide, double masseLineique)
{
    return std::sqrt(masseSolide * g / masseLineique);
}

void ConstantesModales(int longueurValue, int masseValue, StringModesState &state,
                       SharedVariables &shared)
{
    state.longueurCorde = 10 * longueurValue;
    state.masseLineique = 1.0;
    state.masseSolide = masseValue / 1000.0;
    for (int n = 1; n <= nombreHarmoniques; ++n) {
        // The same speed for every harmonic: the tension is the solid's weight.
        const double c = Celerite(state.masseSolide, state.masseLineique);
        state.pulsation[n] = (n * (pi / state.longueurCorde)) * c;
        shared.longueurOnde[n] = (2 * state.longueurCorde) / n;
    }
}

int NombreSegments(const StringModesState &state)
{
    const int n = static_cast<int>(state.longueurCorde / pasX);
    return std::clamp(n, 0, static_cast<int>(state.ordonnee.size()) - 1);
}

FacteursTemps FacteursDuTemps(const Amplitudes &harmoniques, const StringModesState &state,
                              double t)
{
    FacteursTemps facteurs {};
    for (int n = 1; n <= nombreHarmoniques; ++n) {
        const double h = harmoniques[n];
        facteurs[n] = ((h / 10) * 0.5) * std::sin(state.pulsation[n] * t);
    }
    return facteurs;
}

double Deplacement(const FacteursTemps &facteurs, const SharedVariables &shared, double abscisse)
{
    double y = 0.0;
    for (int n = 1; n <= nombreHarmoniques; ++n)
        y = y + facteurs[n] * std::sin((deuxPi * abscisse) / shared.longueurOnde[n]);
    return y;
}

} // namespace EigenModes
