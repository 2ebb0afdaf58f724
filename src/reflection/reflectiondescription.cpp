#include "reflectionmodel.h"

#include "core/frenchtext.h"

#include <cmath>
#include <vector>

std::string ReflectionModel::descriptionOndes() const
{
    // The sum 2·sin(2πx/λ)·sin(2πf·t) is still wherever 2x/λ is whole: every half-wavelength from
    // the left end, k of them along the string.
    const double demiOnde = m_shared.longueurOnde[0] / 2; // mm
    const long rang = std::lround(longueurCorde / demiOnde);
    std::vector<std::string> noeuds;
    for (long n = 0; n <= rang; ++n)
        noeuds.push_back(nombreFrancais(n * demiOnde, 1));
    return "Onde stationnaire de rang " + std::to_string(rang)
        + " (somme des ondes incidente et réfléchie) : nœuds à " + enumeration(noeuds)
        + " mm ; t = " + nombreFrancais(tempsAffiche(), 3) + " s";
}

std::string ReflectionModel::descriptionCadran() const
{
    // The hand leaves twelve o'clock, a quarter turn before the angles' origin, at the start of
    // each period.
    const double degres = std::fmod((m_state.angleCadran + pi / 2) * 180 / pi, 360);
    const long phase = std::lround(degres < 0 ? degres + 360 : degres) % 360;
    return "Cadran : phase " + std::to_string(phase) + "° (un tour par période)";
}
