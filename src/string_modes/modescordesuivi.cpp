#include "modescorde.h"

#include "controls.h"
#include "drawingsurface.h"
#include "pictureexport.h"
#include "picturemenu.h"
#include "pointtracker.h"

#include <algorithm>

// Beyond the lesson's own controls: the picture's right-click menu and
// shortcuts, and the points of the string followed by the recorder, at the
// x of the click (mm from the fixed end, up to the bridge).

namespace {

const QString nomSimulation = QStringLiteral("modes-propres");

} // namespace

void ModesCorde::creeSuivi()
{
    m_suivi = new PointTracker(
        Picture1, nomSimulation,
        [this](double x) { return std::clamp(x, 0.0, 10.0 * Longueur->Value()); },
        [](double x) { return x / 1000; });
    afficheVitesse();
    const auto nomImage
        = [this] { return PictureExport::proposedName(nomSimulation, m_model.temps() / 1000); };
    installPictureMenu(Picture1, nomImage, m_suivi);
    installPictureShortcuts(this, Picture1, nomImage);
}

void ModesCorde::afficheVitesse()
{
    // The tension is the solid's weight; the string has 1 kg/m.
    m_suivi->setVitesseReglee(StringModesModel::Celerite(Masse->Value() / 1000.0, 1.0));
}

void ModesCorde::suitLesPoints(double t)
{
    if (!m_suivi->recording())
        return;
    // The picture's y unit in mm of the drawing, whose x unit is the mm.
    const UserScale &echelle = Picture1->scale();
    const double mmParUnite = (echelle.yToPixels(1) - echelle.yToPixels(0))
        / (echelle.xToPixels(1) - echelle.xToPixels(0));
    const auto facteurs = m_model.FacteursDuTemps(t);
    const auto y = [&](Recording::Point p) {
        return mmParUnite * m_model.Deplacement(facteurs, m_suivi->x(p));
    };
    m_suivi->sample(t / 1000, y(Recording::A), y(Recording::B), StringModesModel::pasTemps / 1000);
    m_suivi->refresh();
}
