#include "reflectionmodel.h"

#include <cmath>

void ReflectionModel::calculeConstantes()
{
    m_shared.temps = 0;
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

ReflectionModel::Courbes ReflectionModel::courbes(double t) const
{
    Courbes c;
    for (int x = 0; x <= longueurCorde; ++x) {
        c.incidente[x] = float(yIncidente(x, t));
        c.reflechie[x] = float(yReflechie(x, t));
        c.resultante[x] = float(yResultante(x, t));
    }
    return c;
}

bool ReflectionModel::finAtteinte()
{
    if (m_state.tFin == 0 || m_shared.temps < m_state.tFin)
        return false;
    m_shared.temps = m_state.tFin;
    m_state.tFin = 0;
    return true;
}
