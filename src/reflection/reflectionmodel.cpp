#include "reflectionmodel.h"

#include <algorithm>
#include <cmath>

void ReflectionModel::calculeConstantes()
{
    remetLeTempsAZero();
    m_state.celeriteOnde = m_panel.celeriteValue();
    m_shared.longueurOnde[0] = 200.0 / m_panel.modeValue();
    m_shared.frequence = m_panel.modeValue() * m_state.celeriteOnde / 200;
    m_state.periode = 1 / m_shared.frequence;
}

void ReflectionModel::changeCelerite()
{
    m_state.celeriteOnde = m_panel.celeriteValue();
    const double ancienneFrequence = m_shared.frequence;
    m_shared.frequence = m_panel.modeValue() * m_state.celeriteOnde / 200;
    m_state.periode = 1 / m_shared.frequence;
    m_shared.temps = m_shared.temps * ancienneFrequence / m_shared.frequence;
}

// Anywhere on the string: the sum of the waves is known at every x.
double ReflectionModel::snap(double x) const
{
    return std::clamp(x, 0.0, double(longueurCorde));
}

double ReflectionModel::OndeResultante(double x, double t) const
{
    const double lambda = m_shared.longueurOnde[0];
    const double f = m_shared.frequence;
    return std::cos(deuxPi * (f * t - x / lambda)) - std::cos(deuxPi * (x / lambda + f * t));
}

ReflectionModel::Ondes ReflectionModel::ondes(double t) const
{
    // Along the string the phases step by b = 2π/λ from one millimetre to
    // the next, from a = 2π·f·t at x = 0: the incident wave is cos(a − b·x),
    // the reflected one −cos(a + b·x). Angle addition carries cosine and sine
    // from each abscissa to the next; the rounding it adds over 100 steps
    // stays near 10⁻¹⁴.
    const double a = deuxPi * (m_shared.frequence * t);
    const double b = deuxPi / m_shared.longueurOnde[0];
    const double cb = std::cos(b);
    const double sb = std::sin(b);
    double ci = std::cos(a); // cos(a − b·x)
    double si = std::sin(a);
    double cr = ci; // cos(a + b·x)
    double sr = si;
    Ondes o;
    for (int x = 0; x <= longueurCorde; ++x) {
        o.incidente[x] = ci;
        o.reflechie[x] = -cr;
        const double ciSuivant = ci * cb + si * sb;
        si = si * cb - ci * sb;
        ci = ciSuivant;
        const double crSuivant = cr * cb - sr * sb;
        sr = sr * cb + cr * sb;
        cr = crSuivant;
    }
    return o;
}

ReflectionModel::Courbes ReflectionModel::courbes(double t) const
{
    const Ondes o = ondes(t);
    Courbes c;
    for (int x = 0; x <= longueurCorde; ++x) {
        c.incidente[x] = float(repos + echelle * o.incidente[x]);
        c.reflechie[x] = float(reposReflechie + echelle * o.reflechie[x]);
        // The sum is exactly 0 at x = 0, as OndeResultante.
        c.resultante[x] = float(repos + echelle * (o.incidente[x] + o.reflechie[x]));
    }
    return c;
}

bool ReflectionModel::finAtteinte()
{
    if (m_state.tFin == 0 || m_shared.temps < m_state.tFin)
        return false;
    m_state.tempsPropre += m_state.tFin - m_shared.temps;
    m_shared.temps = m_state.tFin;
    m_state.tFin = 0;
    return true;
}
