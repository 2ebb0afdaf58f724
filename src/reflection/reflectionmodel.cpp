#include "reflectionmodel.h"

#include <cmath>

void ReflectionModel::calculeConstantes(int mode, int celerite)
{
    m_shared.temps = 0;
    m_state.celeriteOnde = celerite;
    m_shared.longueurOnde[0] = 200.0 / mode;
    m_shared.frequence = mode * m_state.celeriteOnde / 200;
    m_state.periode = 1 / m_shared.frequence;
}

void ReflectionModel::changeCelerite(int mode, int celerite)
{
    m_state.celeriteOnde = celerite;
    const double ancienneFrequence = m_shared.frequence;
    m_shared.frequence = mode * m_state.celeriteOnde / 200;
    m_state.periode = 1 / m_shared.frequence;
    m_shared.temps = m_shared.temps * ancienneFrequence / m_shared.frequence;
}

double ReflectionModel::OndeIncidente(double x, double t) const
{
    return std::cos(deuxPi * (m_shared.frequence * t - x / m_shared.longueurOnde[0]));
}

double ReflectionModel::OndeReflechie(double x, double t) const
{
    return -std::cos(deuxPi * (x / m_shared.longueurOnde[0] + m_shared.frequence * t));
}

double ReflectionModel::OndeResultante(double x, double t) const
{
    const double lambda = m_shared.longueurOnde[0];
    const double f = m_shared.frequence;
    return std::cos(deuxPi * (f * t - x / lambda)) - std::cos(deuxPi * (x / lambda + f * t));
}
