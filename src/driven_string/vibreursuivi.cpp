#include "vibreur.h"

#include "pictures/pictureexport.h"
#include "pictures/picturemenu.h"
#include "recorder/enregistreur.h"
#include "recorder/pointtracker.h"
#include "stepreader.h"

#include <QLocale>
#include <QMenu>

#include <algorithm>
#include <cmath>

// Beyond the lesson's own controls: the picture's right-click menu and
// shortcuts, the points followed by the recorder, and the stability number
// of the scheme in the tooltips.

namespace {

const QString nomSimulation = QStringLiteral("corde-vibreur");

} // namespace

void Vibreur::creeSuivi()
{
    // The string's computed points are the integers 0 to 100 of the picture's x; the panel sets
    // the steps in m and the speed in m/s.
    const Enregistreur::Unite metre {QStringLiteral("m"), 1};
    const Enregistreur::Unite metreParSeconde {QStringLiteral("m/s"), 1};
    m_suivi = new PointTracker(Picture1,
                               {nomSimulation,
                                [](double x) {
                                    return std::clamp(std::round(x), 0.0,
                                                      double(DrivenStringState::dernierPointCorde));
                                },
                                [this](double x) { return x * m_state.dx; },
                                [this](double x) { return m_model.hauteur(int(x)); },
                                {metre, metreParSeconde}});
    const auto nomImage
        = [this] { return PictureExport::proposedName(nomSimulation, m_model.temps()); };
    installPictureMenu(Picture1, nomImage, [this](QMenu &menu, const QPoint &at) {
        m_suivi->addMenuEntries(menu, at);
    });
    installPictureShortcuts(this, Picture1, nomImage);
    afficheCourant();
}

void Vibreur::apresPas()
{
    m_suivi->sample(m_model.tempsPropre());
}

void Vibreur::tempsRemisAZero()
{
    m_suivi->cut();
}

// r = c·dt/dx with the steps in the boxes: the explicit scheme is stable for
// r ≤ 1, and the overflow message is what a larger r leads to. A refused box
// keeps its own help.
void Vibreur::afficheCourant()
{
    const double c = célérité->Value() / 10.0; // m/s
    if (m_suivi) // the panel's first settings come before it
        m_suivi->setVitesseReglee(c);
    const auto dx = lirePas(PasX->Text().toStdString());
    const auto dt = lirePas(PasT->Text().toStdString());
    QString texte;
    if (dx && dt)
        texte = QStringLiteral("r = c·dt/dx = %1 : le calcul est stable pour r ≤ 1")
                    .arg(QLocale(QLocale::French).toString(c * *dt / *dx, 'g', 3));
    célérité->setToolTip(texte);
    for (TextBox *pas : {PasX, PasT}) {
        if (!pas->isRefused())
            pas->setToolTip(texte);
    }
}
