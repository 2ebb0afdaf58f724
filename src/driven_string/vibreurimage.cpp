#include "vibreur.h"

#include "controls/controls.h"
#include "controls/shapecontrol.h"
#include "drawing/drawingsurface.h"
#include "look/colors.h"
#include "look/fonts.h"
#include "look/look.h"
#include "recorder/pointtracker.h"

// The picture of the string. User units: x is the point number (one unit is
// one space step), y the displacement in mm, growing downward; the picture
// spans x from −10 to 105.4 and y from −100 (top) to +100 (bottom).
// Nothing is cleared between frames: each old segment is painted over in the
// erase colour just before the new one is drawn in red.

namespace {

const QColor orangeTrace = RGB(255, 200, 100);
const QColor jaune = RGB(255, 255, 0);
const QColor grillePrincipale = RGB(180, 180, 255);
const QColor grilleIntermediaire = RGB(230, 230, 255);

} // namespace

void Vibreur::creeImage()
{
    Picture1 = new DrawingSurface(this, 3720, 120, 8175, 6375, Look::white(),
                                  DrawingSurface::Border::Flat);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setScale(UserScale(-10, -100, 70.5653, 31.725));
    Picture1->describe(tr("Corde"),
                       [this] { return QString::fromStdString(m_model.description()); });
    // The vibrator rides on point 0; the clamp marks the fixed right end.
    Excitateur = ShapeControl::inPicture(Picture1, ShapeControl::Kind::Rectangle, 150, 3172, 585,
                                         127, jaune, Look::black());
    Excitateur->setObjectName(QStringLiteral("Excitateur"));
    Shape4 = ShapeControl::inPicture(Picture1, ShapeControl::Kind::Rectangle, 7762, 3109, 106, 127,
                                     jaune, Look::black());
    Shape4->setObjectName(QStringLiteral("Shape4"));

    // On the window's dark grey, in the grey of the button captions.
    const QColor fond = Look::formBackground();
    const QColor texte = Look::captionGrey();
    traces = new CheckBox(this, 3720, 6600, 255, 255, texte, fond);
    traces->setObjectName(QStringLiteral("traces"));
    Label14 = new Label(
        this, 3960, 6600, 3135, 255, tr("la corde laisse des traces"),
        {texte, fond, Fonts::sans(8.25, Fonts::Underline), Qt::AlignLeft | Qt::AlignTop, true});
    Label14->setObjectName(QStringLiteral("Label14"));
    nameAfter(traces, {Label14});
    connect(Label14, &Label::clicked, this, &Vibreur::Label14_Click);
}

void Vibreur::apresPas()
{
    m_suivi->sample();
}

void Vibreur::tempsRemisAZero()
{
    m_suivi->cut();
}

void Vibreur::Label14_Click()
{
    traces->setValue(traces->Value() == 1 ? 0 : 1);
}

// `temps` is what the model passes; the drawing does not depend on it.
void Vibreur::corde([[maybe_unused]] double temps)
{
    // Colours taken once a frame: the loops below draw hundreds of segments.
    const QColor blanc = Look::white();
    const QColor rouge = Look::red();
    const QColor effacement = traces->Value() == 0 ? blanc : orangeTrace;
    // The grid is whole wherever nothing was drawn since it was last drawn:
    // drawing it only over what changed since sets the same pixels as drawing
    // all of it, at a tenth of the cost and without asking the screen to
    // show the whole grid again.
    Picture1->setLineClip(Picture1->takeChangedArea());
    Quadrille();
    Picture1->setLineClip(std::nullopt);
    Picture1->takeChangedArea();

    auto &y = m_state;
    // Each old segment painted over, then the new one drawn, left to right.
    const auto redessine = [&](int premier, int dernier, const QColor &couleurEffacement) {
        for (int i = premier; i <= dernier; ++i) {
            Picture1->Line(float(i - 1), float(y.yAffiche[i - 1]), float(i), float(y.yAffiche[i]),
                           couleurEffacement);
            Picture1->Line(float(i - 1), float(y.yNouveau[i - 1]), float(i), float(y.yNouveau[i]),
                           rouge);
            y.yAffiche[i - 1] = y.yNouveau[i - 1];
        }
    };
    constexpr int bout = DrivenStringState::dernierPointCorde;
    redessine(1, bout, effacement);
    if (!Option3->Value()) {
        y.yAffiche[bout] = y.yNouveau[bout];
    } else {
        // The extension runs on past the right edge; traces are never left
        // there, whatever the switch says.
        redessine(bout + 1, DrivenStringState::dernierPoint, blanc);
    }
    // The 4-unit marker spans from 2.5 units above point 0 to 1.5 below.
    Excitateur->setTop(float(y.yNouveau[0] - 2.5));
    m_suivi->refresh();
}

// Main lines every 20 mm and every 10 points, intermediate lines half-way;
// drawn 1 pixel wide, then the pen goes back to the string's 2 pixels.
void Vibreur::Quadrille()
{
    Picture1->setDrawWidth(1);
    for (int k = 0; k <= 100; k += 20) {
        Picture1->Line(0, float(k + 10), 100, float(k + 10), grilleIntermediaire);
        Picture1->Line(0, float(k), 100, float(k), grillePrincipale);
        Picture1->Line(0, float(-k - 10), 100, float(-k - 10), grilleIntermediaire);
        Picture1->Line(0, float(-k), 100, float(-k), grillePrincipale);
    }
    for (int k = 0; k <= 100; k += 10) {
        Picture1->Line(float(k), -100, float(k), 100, grillePrincipale);
        Picture1->Line(float(k + 5), -100, float(k + 5), 100, grilleIntermediaire);
    }
    Picture1->setDrawWidth(2);
}
