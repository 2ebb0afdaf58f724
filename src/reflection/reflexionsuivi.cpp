#include "reflexion.h"

#include "controls/controls.h"
#include "drawing/drawingsurface.h"
#include "pictures/pictureexport.h"
#include "pictures/picturemenu.h"
#include "recorder/pointtracker.h"

#include <QMenu>
#include <algorithm>

// Beyond the lesson's own controls: the pictures' right-click menus and
// shortcuts, and the points of the string followed by the recorder. The
// string is the sum of the two waves; x is the click's, in mm.

namespace {

const QString nomSimulation = QStringLiteral("reflexion");
constexpr double mmParMetre = 1000;

} // namespace

void Reflexion::creeSuivi()
{
    // The panel sets the speed in cm/s; the string is 100 mm long.
    const Enregistreur::Unite millimetre {QStringLiteral("mm"), mmParMetre};
    const Enregistreur::Unite centimetreParSeconde {QStringLiteral("cm/s"), mmParMetre / 10};
    m_suivi = new PointTracker(
        Picture1,
        {nomSimulation,
         [](double x) { return std::clamp(x, 0.0, double(ReflectionModel::longueurCorde)); },
         [](double x) { return x / mmParMetre; },
         [this](double x) { return m_model.hauteur(x, m_model.temps()); },
         {millimetre, centimetreParSeconde}});
    afficheVitesse();
    const auto nomImage
        = [this] { return PictureExport::proposedName(nomSimulation, m_model.temps()); };
    installPictureMenu(Picture1, nomImage, [this](QMenu &menu, const QPoint &at) {
        m_suivi->addMenuEntries(menu, at);
    });
    installPictureMenu(pendule, [this] {
        return PictureExport::proposedName(nomSimulation + QStringLiteral("-cadran"),
                                           m_model.temps());
    });
    installPictureShortcuts(this, Picture1, nomImage);
}

void Reflexion::afficheVitesse()
{
    m_suivi->setVitesseReglee(celerite->Value() / mmParMetre); // mm/s to m/s
}

void Reflexion::suitLesPoints()
{
    m_suivi->sample(m_model.tempsPropre());
    m_suivi->refresh();
}
