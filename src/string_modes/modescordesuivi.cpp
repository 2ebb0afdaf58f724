#include "modescorde.h"

#include "controls/controls.h"
#include "drawing/drawingsurface.h"
#include "pictures/pictureexport.h"
#include "pictures/picturemenu.h"
#include "recorder/pointtracker.h"

#include <QMenu>
#include <algorithm>

// Beyond the lesson's own controls: the picture's right-click menu and
// shortcuts, and the points of the string followed by the recorder, at the
// x of the click (mm from the fixed end, up to the bridge).

namespace {

const QString nomSimulation = QStringLiteral("modes-propres");

} // namespace

void ModesCorde::creeSuivi()
{
    // The panel sets the length in cm; the speed, which it does not show, is the model's m/s.
    const Enregistreur::Unite centimetre {QStringLiteral("cm"), 100};
    const Enregistreur::Unite metreParSeconde {QStringLiteral("m/s"), 1};
    m_suivi = new PointTracker(
        Picture1,
        {nomSimulation,
         [this](double x) { return std::clamp(x, 0.0, 10.0 * Longueur->Value()); },
         [](double x) { return x / 1000; },
         [this](double x) { return m_model.hauteur(x, m_model.temps()); },
         {centimetre, metreParSeconde}});
    afficheVitesse();
    const auto nomImage
        = [this] { return PictureExport::proposedName(nomSimulation, m_model.temps() / 1000); };
    installPictureMenu(Picture1, nomImage, [this](QMenu &menu, const QPoint &at) {
        m_suivi->addMenuEntries(menu, at);
    });
    installPictureShortcuts(this, Picture1, nomImage);
}

void ModesCorde::afficheVitesse()
{
    // The tension is the solid's weight; the string has 1 kg/m.
    m_suivi->setVitesseReglee(StringModesModel::Celerite(Masse->Value() / 1000.0, 1.0));
}

void ModesCorde::suitLesPoints()
{
    m_suivi->sample(m_model.tempsPropre());
    m_suivi->refresh();
}
