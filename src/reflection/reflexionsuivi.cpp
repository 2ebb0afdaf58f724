#include "reflexion.h"

#include "controls.h"
#include "drawingsurface.h"
#include "pictureexport.h"
#include "picturemenu.h"
#include "pointtracker.h"

#include <algorithm>

// Beyond the lesson's own controls: the pictures' right-click menus and
// shortcuts, and the points of the string followed by the recorder. The
// string is the sum of the two waves; x is the click's, in mm.

namespace {

const QString nomSimulation = QStringLiteral("reflexion");

} // namespace

void Reflexion::creeSuivi()
{
    m_suivi = new PointTracker(
        Picture1, nomSimulation,
        [](double x) { return std::clamp(x, 0.0, double(ReflectionModel::longueurCorde)); },
        [](double x) { return x / 1000; });
    m_suivi->setVitesseReglee(celerite->Value() / 1000.0); // mm/s to m/s
    const auto nomImage
        = [this] { return PictureExport::proposedName(nomSimulation, m_model.temps()); };
    installPictureMenu(Picture1, nomImage, m_suivi);
    installPictureMenu(pendule, [this] {
        return PictureExport::proposedName(nomSimulation + QStringLiteral("-cadran"),
                                           m_model.temps());
    });
    installPictureShortcuts(this, Picture1, nomImage);
}

void Reflexion::suitLesPoints()
{
    if (!m_suivi->recording())
        return;
    const double t = m_model.temps();
    m_suivi->sample(t, m_model.deplacement(m_suivi->x(Recording::A), t),
                    m_model.deplacement(m_suivi->x(Recording::B), t), m_model.pas());
    m_suivi->refresh();
}
