#include "stringmodesmodel.h"

#include <algorithm>
#include <cmath>

double StringModesModel::Celerite(double masseSolide, double masseLineique)
{
    return std::sqrt(masseSolide * g / masseLineique);
}

void StringModesModel::ConstantesModales()
{
    m_state.longueurCorde = longueurReglee();
    m_state.masseLineique = masseLineique;
    m_state.masseSolide = masseReglee();
    for (int n = 1; n <= nombreHarmoniques; ++n) {
        // The same speed for every harmonic: the tension is the solid's weight.
        const double c = Celerite(m_state.masseSolide, m_state.masseLineique);
        m_state.pulsation[n] = (n * (pi / m_state.longueurCorde)) * c;
        m_shared.longueurOnde[n] = (2 * m_state.longueurCorde) / n;
        for (int i = 0; i < StringModesState::nbPoints; ++i)
            m_state.forme[n][i] = std::sin((deuxPi * (pasX * i)) / m_shared.longueurOnde[n]);
    }
}

int StringModesModel::NombreSegments() const
{
    const int n = static_cast<int>(m_state.longueurCorde / pasX);
    return std::clamp(n, 0, StringModesState::nbPoints - 1);
}

StringModesModel::FacteursTemps StringModesModel::FacteursDuTemps(double t) const
{
    FacteursTemps facteurs {};
    for (int n = 1; n <= nombreHarmoniques; ++n) {
        const double h = m_panel.harmoniqueValue(n);
        facteurs[n] = ((h / 10) * 0.5) * std::sin(m_state.pulsation[n] * t);
    }
    return facteurs;
}

double StringModesModel::Deplacement(const FacteursTemps &facteurs, double abscisse) const
{
    double y = 0.0;
    for (int n = 1; n <= nombreHarmoniques; ++n)
        y = y + facteurs[n] * std::sin((deuxPi * abscisse) / m_shared.longueurOnde[n]);
    return y;
}

StringModesState::Ordonnees StringModesModel::nouvelleImage(double t)
{
    // sin(w_n t) is the same for every point: computed once for the frame.
    const FacteursTemps facteurs = FacteursDuTemps(t);
    const StringModesState::Ordonnees affichee = m_state.ordonnee;
    m_state.tempsAffiche = t;
    // Deplacement at x = 10 i mm, term for term, with the shapes computed
    // with the constants.
    const int segments = NombreSegments();
    for (int i = 1; i <= segments; ++i) {
        double y = 0.0;
        for (int n = 1; n <= nombreHarmoniques; ++n)
            y = y + facteurs[n] * m_state.forme[n][i];
        m_state.ordonnee[i] = y;
    }
    return affichee;
}

double StringModesModel::avance(double ms)
{
    m_state.tempsPropre += ms / msParSeconde;
    return m_shared.temps = m_shared.temps + ms;
}

double StringModesModel::snap(double x) const
{
    return std::clamp(x, 0.0, longueurReglee());
}

double StringModesModel::hauteur(double abscisse, double t) const
{
    constexpr double mmParUnite = twipsParUnite / twipsParMm;
    return -mmParUnite * Deplacement(FacteursDuTemps(t), abscisse);
}
