#include "drivenstringmodel.h"

#include "core/angles.h"
#include "stepreader.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int etapesParAppel = 10;
constexpr int dernierPointCorde = DrivenStringState::dernierPointCorde;
constexpr int dernierPointZone = DrivenStringState::dernierPoint;
constexpr int debutZone = DrivenStringState::debutAmortissementZone;

// The solitary pulse: an upward bump of 40 mm centred on 0.2 s, lasting 0.4 s.
constexpr double impulsionHauteur = 40.0; // mm
constexpr double impulsionCentre = 0.2; // s
constexpr double impulsionRaideur = 15.0; // 1/s
constexpr double impulsionDuree = 0.4; // s

double carre(double x)
{
    return x * x;
}

} // namespace

DrivenStringModel::DrivenStringModel(SharedVariables &shared, DrivenStringState &state,
                                     const DrivenStringPanel &panel, DrivenStringView &view)
    : m_shared(shared)
    , m_state(state)
    , m_panel(panel)
    , m_view(view)
{ }

// The nearest computed point of the string proper.
double DrivenStringModel::snap(double x) const
{
    return std::clamp(std::round(x), 0.0, double(dernierPointCorde));
}

double DrivenStringModel::sech(double x)
{
    return 2.0 / (std::exp(-x) + std::exp(x));
}

double DrivenStringModel::pasX()
{
    if (const auto pas = lirePas(m_panel.pasXText()))
        m_dernierPasX = *pas;
    return m_dernierPasX;
}

double DrivenStringModel::pasT()
{
    if (const auto pas = lirePas(m_panel.pasTText()))
        m_dernierPasT = *pas;
    return m_dernierPasT;
}

void DrivenStringModel::ActualiseConstantes()
{
    m_shared.frequence = m_panel.frequenceValue() / 10.0; // Hz
    m_state.amortissement = m_panel.hScroll1Value() / 10.0; // 1/s
    m_state.dx = pasX(); // m
    m_shared.dt = pasT(); // s
    const double c = vitesseReglee(); // m/s
    m_state.amplitude = static_cast<std::int16_t>(m_panel.ampValue()); // mm

    const double r = m_shared.dt * c / m_state.dx;
    const double g = m_shared.dt * m_state.amortissement;
    m_state.coefA = 2.0 * carre(r) / (g + 2.0);
    m_state.coefB = (1.0 - carre(r)) * 4.0 / (g + 2.0);
    m_state.coefC = (g - 2.0) / (g + 2.0);

    if (m_state.arretDemande) {
        m_state.vibreurActif = false;
        m_state.arretDemande = false;
    }
    m_state.parametresModifies = false;
}

void DrivenStringModel::Ondule()
{
    for (int etape = 1; etape <= etapesParAppel; ++etape)
        avanceUnPas();
    dessine();
}

void DrivenStringModel::avanceUnPas()
{
    auto &y = m_state;

    m_shared.temps = m_shared.temps + m_shared.dt;
    m_state.tempsPropre += m_shared.dt;
    // The phase is taken before any re-synchronisation of this step.
    const double phi = m_shared.frequence * deuxPi * m_shared.temps;

    for (int i = 0; i < dernierPointZone; ++i) {
        y.yAncien[i] = y.yActuel[i];
        y.yActuel[i] = y.yNouveau[i];
    }

    if (y.vibreurActif)
        y.yNouveau[0] = y.amplitude * std::sin(phi);

    // Changed settings reach a running vibrator only when point 0 passes
    // through zero upward; the new sine then starts at the phase whose sine
    // is (to first order) the present position, so the end does not jump.
    const bool passageMontant = y.yNouveau[0] == 0.0 || (y.yNouveau[0] > 0.0 && y.yActuel[0] < 0.0);
    if (passageMontant && y.vibreurActif && y.parametresModifies) {
        y.parametresModifies = false;
        ActualiseConstantes();
        const double pulsation = m_shared.frequence * deuxPi;
        // At 0 Hz the end rests at 0: the phase restarts at 0.
        m_shared.temps = pulsation == 0.0 ? 0.0 : (y.yNouveau[0] / y.amplitude) / pulsation;
    }

    // Applied after the vibrator, so the pulse wins while both run.
    if (y.impulsionActive) {
        if (m_shared.temps < impulsionDuree) {
            const double x = (m_shared.temps - impulsionCentre) * impulsionRaideur;
            y.yNouveau[0] = -impulsionHauteur * carre(sech(x));
        } else {
            y.impulsionActive = false;
        }
    }

    for (int i = 1; i < dernierPointCorde; ++i) {
        y.yNouveau[i] = y.coefA * (y.yActuel[i - 1] + y.yActuel[i + 1]) + y.coefB * y.yActuel[i]
            + y.coefC * y.yAncien[i];
        if (std::fabs(y.yNouveau[i]) > limite)
            depassement(dernierPointCorde);
    }

    switch (m_panel.extremite()) {
    case ExtremiteDroite::Fixe:
        y.yNouveau[dernierPointCorde] = 0.0;
        break;
    case ExtremiteDroite::Libre:
        y.yNouveau[dernierPointCorde] = y.yNouveau[dernierPointCorde - 1];
        break;
    case ExtremiteDroite::Absente:
        zoneAbsorbante();
        break;
    }
    m_view.apresPas();
}

// Points 100 to 199 continue the string with a damping that grows
// quadratically from point 110 (98.01 times the string's at point 199);
// point 200 is held at rest. The zone always uses the present content of
// the panel: the steps and the wave speed are read again at every step.
void DrivenStringModel::zoneAbsorbante()
{
    auto &y = m_state;
    y.amortissementLocal = y.amortissement;
    y.dx = pasX();
    m_shared.dt = pasT();
    const double c = vitesseReglee(); // m/s
    const double r = c * m_shared.dt / y.dx;

    for (int i = dernierPointCorde; i < dernierPointZone; ++i) {
        if (i >= debutZone)
            y.amortissementLocal = y.amortissement * carre(1.0 + (i - debutZone) / 10.0);
        const double g = y.amortissementLocal * m_shared.dt;
        const double a = 2.0 * carre(r) / (g + 2.0);
        const double b = (1.0 - carre(r)) * 4.0 / (g + 2.0);
        const double e = (g - 2.0) / (g + 2.0);
        y.yNouveau[i]
            = a * (y.yActuel[i - 1] + y.yActuel[i + 1]) + b * y.yActuel[i] + e * y.yAncien[i];
        // Blown up or not finite: the whole line, zone included, goes back
        // to rest, so the zone can never feed a blow-up back.
        if (!(std::fabs(y.yNouveau[i]) <= limiteZone))
            depassement(dernierPointZone);
    }
    y.yNouveau[dernierPointZone] = 0.0;
}

// The user is told first; the string is reset once the message is closed.
// The animation goes on with the string at rest.
void DrivenStringModel::depassement(int dernierEfface)
{
    m_view.afficheDepassement();
    m_state.vibreurActif = false;
    m_state.impulsionActive = false;
    remetAuRepos(dernierEfface);
}

void DrivenStringModel::remetAuRepos(int dernier)
{
    for (int i = 0; i <= dernier; ++i) {
        m_state.yNouveau[i] = 0.0;
        m_state.yActuel[i] = 0.0;
        m_state.yAncien[i] = 0.0;
    }
    m_view.effaceImage();
    remetLeTempsAZero();
    dessine();
}

void DrivenStringModel::dessine()
{
    m_state.tempsAffiche = m_shared.temps;
    m_view.corde(m_shared.temps);
}

void DrivenStringModel::remetLeTempsAZero()
{
    m_shared.temps = 0.0;
    m_state.tempsPropre = 0.0;
    m_view.tempsRemisAZero();
}

void DrivenStringModel::charge()
{
    m_state.parametresModifies = true;
    ActualiseConstantes();
    remetAuRepos(dernierPointZone);
}

void DrivenStringModel::reinitialise()
{
    m_state.vibreurActif = false;
    remetAuRepos(dernierPointZone);
}

void DrivenStringModel::demarreVibreur()
{
    m_state.parametresModifies = true;
    m_state.arretDemande = false;
    ActualiseConstantes();
    m_state.vibreurActif = true;
    remetLeTempsAZero();
}

void DrivenStringModel::arreteVibreur()
{
    m_state.arretDemande = true;
    m_state.parametresModifies = true;
}

void DrivenStringModel::lanceImpulsion()
{
    ActualiseConstantes();
    m_state.impulsionActive = true;
    remetLeTempsAZero();
}
