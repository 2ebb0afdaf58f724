// The controls of ModesCorde at their designer positions (twips) and looks.

#include "modescorde.h"

#include "controls/controls.h"
#include "controls/shapecontrol.h"
#include "drawing/drawingsurface.h"
#include "look/colors.h"
#include "look/fonts.h"
#include "look/icons.h"
#include "look/look.h"

namespace {

LabelStyle stylePanneau(int fontStyle = Fonts::Plain)
{
    return Look::onPanel(Look::navy(), fontStyle);
}

} // namespace

void ModesCorde::creeFond()
{
    using Kind = ShapeControl::Kind;
    new ShapeControl(this, Kind::Rectangle, 0, 0, 3015, 9015, Look::leftBand(), Look::black());
    new ShapeControl(this, Kind::RoundedRectangle, 120, 360, 2775, 2775, Look::panel(),
                     Look::panel());
    new ShapeControl(this, Kind::RoundedRectangle, 120, 3960, 2775, 4815, Look::panel(),
                     Look::panel());
    new ShapeControl(this, Kind::Rectangle, 3000, 7320, 9015, 1695, Look::buttonBar(),
                     Look::black());
}

void ModesCorde::creeDispositif()
{
    using Kind = ShapeControl::Kind;
    Picture1 = new DrawingSurface(this, 3240, 240, 8655, 6135, Look::white(),
                                  DrawingSurface::Border::Sunken);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setScale(
        UserScale(0, -1, StringModesModel::twipsParMm, StringModesModel::twipsParUnite));
    Picture1->describe(tr("Corde"),
                       [this] { return QString::fromStdString(m_model.description()); });

    // Positions in twips of Picture1's client area. The rest line, the
    // pulley, the hanging string and the solid never move.
    Line2 = new LineControl(Picture1, 7680, 3044, 0, 3044, Look::red(), 2);
    Line2->setObjectName(QStringLiteral("Line2"));
    ShapeControl::inPicture(Picture1, Kind::Circle, 7440, 3038, 495, 495, RGB(128, 128, 128),
                            Look::black());
    new LineControl(Picture1, 7920, 3241, 7920, 4441, Look::red(), 2);
    ShapeControl::inPicture(Picture1, Kind::Rectangle, 7680, 4440, 495, 495, RGB(255, 255, 128),
                            Look::black());
    // The bridge's jaws, at x = L (1000 mm by design), above and below the
    // string; outlined in black, the window-frame colour.
    const QColor machoire = RGB(192, 192, 255);
    m_shape3[0] = ShapeControl::inPicture(Picture1, Kind::RoundedRectangle, xMilleTwips, 3068, 135,
                                          495, machoire, Look::black());
    m_shape3[1] = ShapeControl::inPicture(Picture1, Kind::RoundedRectangle, xMilleTwips, 2520, 135,
                                          495, machoire, Look::black());
    for (ShapeControl *machoire : m_shape3)
        machoire->setObjectName(QStringLiteral("Shape3"));
}

void ModesCorde::creePanneau()
{
    new Label(this, 240, 600, 2535, 255, tr("Propriétés du dispositif : "),
              stylePanneau(Fonts::Bold | Fonts::Underline));
    const Label *legendeMasse
        = new Label(this, 240, 1080, 2055, 255, tr("Masse du solide suspendu :"), stylePanneau());
    Label3 = new Label(this, 2280, 1080, 615, 255, QStringLiteral("1000 g"), stylePanneau());
    Label3->setObjectName(QStringLiteral("Label3"));
    Masse = new ScrollBar(this, 240, 1320, 2535, 255, 100, 10000, 1000, 100, 1);
    Masse->setObjectName(QStringLiteral("Masse"));
    Masse->setQuantity(1, QStringLiteral("g"));
    nameAfter(Masse, {legendeMasse});
    const Label *legendeLongueur
        = new Label(this, 240, 1920, 1695, 255, tr("Longueur de la corde :"), stylePanneau());
    Label5 = new Label(this, 1920, 1920, 735, 255, QStringLiteral("100 cm"), stylePanneau());
    Label5->setObjectName(QStringLiteral("Label5"));
    Longueur = new ScrollBar(this, 240, 2160, 2535, 255, 10, 100, 100, 1, 10);
    Longueur->setObjectName(QStringLiteral("Longueur"));
    Longueur->setQuantity(1, QStringLiteral("cm"));
    nameAfter(Longueur, {legendeLongueur});
}

void ModesCorde::creeHarmoniques()
{
    auto *Frame1 = new Frame(this, 240, 4200, 2535, 4335, tr("Harmoniques"),
                             stylePanneau(Fonts::Bold | Fonts::Underline));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    for (int k = 1; k <= StringModesModel::nombreHarmoniques; ++k) {
        const int top = 720 + 360 * (k - 1);
        m_harmonique[k - 1]
            = new ScrollBar(Frame1, 480, top, 1695, 255, 0, 10, k == 1 ? 10 : 0, 1, 1);
        m_harmonique[k - 1]->setObjectName(QStringLiteral("Harmonique"));
        // The harmonic's number, never changed.
        const Label *rang
            = new Label(Frame1, 240, top, 255, 255, QString::number(k), stylePanneau(Fonts::Bold));
        m_harmonique[k - 1]->setAccessibleName(tr("Harmonique %1").arg(rang->Caption()));
    }
}

void ModesCorde::creeAnimation()
{
    new Label(this, 3360, 7440, 1575, 255, tr("Animation : "), Look::heading(Qt::white));

    using Icons::Glyph;
    Command1
        = new CommandButton(this, 4080, 7920, 1095, 615,
                            Icons::glyph(Glyph::TriangleRight, Look::slate()), Look::captionGrey());
    Command1->setObjectName(QStringLiteral("Command1"));
    Arret = new CommandButton(this, 4080, 7920, 1095, 615,
                              Icons::glyph(Glyph::TwoBars, Look::slate()), Look::captionGrey());
    Arret->setObjectName(QStringLiteral("Arret"));
    Arret->setVisible(false);
    Label18 = new Label(this, 4080, 8520, 1095, 255, tr("animer"), Look::buttonCaption());
    Label18->setObjectName(QStringLiteral("Label18"));
    Command1->setCaptionLabel(Label18);
    Arret->setCaptionLabel(Label18);

    Command2 = new CommandButton(this, 5520, 7920, 1095, 615,
                                 Icons::glyph(Glyph::BarTriangleRight, Look::slate()),
                                 Look::captionGrey());
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setCaptionLabel(
        new Label(this, 5400, 8520, 1335, 255, tr("image suivante"), Look::buttonCaption()));

    Command3 = new CommandButton(this, 9840, 7920, 735, 615,
                                 Icons::glyph(Glyph::Diamond, Look::red()), Look::captionGrey());
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setCaptionLabel(
        new Label(this, 9840, 8520, 735, 255, tr("Quitter"), Look::buttonCaption()));
}
