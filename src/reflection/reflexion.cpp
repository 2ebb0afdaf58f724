#include "reflexion.h"

#include "controls/controls.h"
#include "controls/formtimer.h"
#include "controls/numberformat.h"
#include "controls/shapecontrol.h"
#include "drawing/drawingsurface.h"
#include "drawing/twips.h"
#include "look/colors.h"
#include "look/fonts.h"
#include "look/icons.h"
#include "look/look.h"
#include "pictures/picturemenu.h"
#include "recorder/pointtracker.h"

#include <cmath>

namespace {

const QColor couleurIncidente = RGB(0, 200, 150);
const QColor couleurReflechie = RGB(0, 0, 255);
const QColor couleurResultante = RGB(200, 50, 100);
const QColor couleurAiguille = RGB(255, 0, 0);

const QColor faceBouton = Look::buttonFace();

LabelStyle stylePanneau(int fontStyle = Fonts::Plain)
{
    return Look::onPanel(Look::navy(), fontStyle);
}

// User scale spanning the client area (inside the sunken border) of a surface.
UserScale echelle(const DrawingSurface *surface, double largeur, double hauteur)
{
    const QRect client = surface->clientRect();
    return UserScale::fromExtent(0, 0, largeur, hauteur, client.width() * Twips::perPixel,
                                 client.height() * Twips::perPixel);
}

} // namespace

Reflexion::Reflexion(QWidget *parent, SharedVariables &shared, ReflectionState &state)
    : Form(parent, tr("Superposition d'une onde incidente et d'une onde rfléchie"),
           sizeTwips.width(), sizeTwips.height(), Look::formBackground())
    , m_model(shared, state, *this)
{
    construitDecor();
    construitControles();
    connecteControles();
    m_suivi = new PointTracker(Picture1, m_model);
    installPictureMenu(pendule, [this] { return m_suivi->pictureName(QStringLiteral("-cadran")); });
    // Tab goes down the panel, the dial last, then to the wave picture and the
    // buttons: the pictures were made first.
    setTabOrder(celerite, pendule);
    setTabOrder(pendule, Picture1);
    Form_Load();
}

void Reflexion::construitDecor()
{
    // Created first so that they lie behind everything placed on them.
    using Kind = ShapeControl::Kind;
    new ShapeControl(this, Kind::Rectangle, 0, 0, 3015, 9015, Look::leftBand(), QColor());
    new ShapeControl(this, Kind::Rectangle, 3000, 7320, 9015, 1695, Look::buttonBar(), QColor());
    new ShapeControl(this, Kind::RoundedRectangle, 120, 360, 2775, 1455, Look::panel(), QColor());
    new ShapeControl(this, Kind::RoundedRectangle, 120, 2160, 2775, 1455, Look::panel(), QColor());
    new ShapeControl(this, Kind::RoundedRectangle, 120, 4680, 2775, 3495, Look::panel(), QColor());

    const int titre = Fonts::Bold | Fonts::Underline;
    m_titreMode = new Label(this, 240, 600, 2655, 255, tr("Rang du mode de vibration"),
                            stylePanneau(titre));
    new Label(this, 240, 1440, 255, 255, QStringLiteral("k="), stylePanneau());
    m_titreCelerite
        = new Label(this, 240, 2400, 2655, 255, tr("Célérité de l'onde"), stylePanneau(titre));
    new Label(this, 240, 3120, 255, 255, QStringLiteral("c="), stylePanneau());
    new Label(this, 240, 4920, 1215, 255, tr("temps écoulé"), stylePanneau(titre));
    new Label(this, 240, 5160, 2415, 375,
              tr("Un tour de cadran  représente une période temporelle de l'onde"), stylePanneau());

    new Label(this, 3360, 7440, 1575, 255, tr("Animation : "), Look::heading(Qt::white));
}

void Reflexion::construitControles()
{
    Picture1 = new DrawingSurface(this, 3240, 240, 8535, 6615, Look::white(),
                                  DrawingSurface::Border::Sunken);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setScale(echelle(Picture1, 100, 50));
    Picture1->describe(tr("Ondes sur la corde"),
                       [this] { return QString::fromStdString(m_model.descriptionOndes()); });
    pendule = new DrawingSurface(this, 360, 5640, 2295, 2295, Look::panel(),
                                 DrawingSurface::Border::Sunken);
    pendule->setObjectName(QStringLiteral("pendule"));
    pendule->setScale(echelle(pendule, 2, 2));
    pendule->describe(tr("Cadran"),
                      [this] { return QString::fromStdString(m_model.descriptionCadran()); });
    pendule->setFillSolid(true);

    Mode = new ScrollBar(this, 240, 960, 2415, 255, 1, 10, 1, 1, 1);
    Mode->setObjectName(QStringLiteral("Mode"));
    nameAfter(Mode, {m_titreMode});
    celerite = new ScrollBar(this, 240, 2760, 2415, 255, 1, 100, 25, 1, 10);
    celerite->setObjectName(QStringLiteral("celerite"));
    celerite->setQuantity(10, QStringLiteral("cm/s"));
    nameAfter(celerite, {m_titreCelerite});
    Label3 = new Label(this, 480, 1440, 255, 255, QStringLiteral("1"), stylePanneau());
    Label3->setObjectName(QStringLiteral("Label3"));
    Label6 = new Label(this, 480, 3120, 855, 255, QStringLiteral("2,5 cm/s"), stylePanneau());
    Label6->setObjectName(QStringLiteral("Label6"));

    using Icons::Glyph;
    go = new CommandButton(this, 3720, 7800, 975, 615,
                           Icons::glyph(Glyph::TriangleRight, Look::slate()), faceBouton);
    go->setObjectName(QStringLiteral("go"));
    pause = new CommandButton(this, 3720, 7800, 975, 615,
                              Icons::glyph(Glyph::TwoBars, Look::slate()), faceBouton);
    pause->setObjectName(QStringLiteral("pause"));
    pause->setVisible(false);
    pas = new CommandButton(this, 5040, 7800, 975, 615,
                            Icons::glyph(Glyph::BarTriangleRight, Look::slate()), faceBouton);
    pas->setObjectName(QStringLiteral("pas"));
    Command2 = new CommandButton(this, 6360, 7800, 975, 615,
                                 Icons::glyph(Glyph::BarTriangleLeft, Look::slate()), faceBouton);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new CommandButton(this, 7800, 7800, 975, 615,
                                 Icons::glyph(Glyph::TriangleRight, Look::slate()), faceBouton);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setCaption(QStringLiteral("T/4"));
    Command4 = new CommandButton(this, 9240, 7800, 975, 615,
                                 Icons::glyph(Glyph::BarTriangleLeft, Look::red()), faceBouton);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command3 = new CommandButton(this, 10920, 7800, 735, 615,
                                 Icons::glyph(Glyph::Diamond, Look::red()), Look::captionGrey());
    Command3->setObjectName(QStringLiteral("Command3"));

    Label7 = new Label(this, 3720, 8520, 975, 255, tr("animer"), Look::buttonCaption());
    Label7->setObjectName(QStringLiteral("Label7"));
    go->setCaptionLabel(Label7);
    pause->setCaptionLabel(Label7);
    pas->setCaptionLabel(
        new Label(this, 4920, 8520, 1215, 255, tr("image suivante"), Look::buttonCaption()));
    Command2->setCaptionLabel(
        new Label(this, 6120, 8520, 1335, 255, tr("image précédente"), Look::buttonCaption()));
    Command1->setCaptionLabel(new Label(this, 7560, 8520, 1455, 375,
                                        tr("animer pendant un quart de période"),
                                        Look::buttonCaption()));
    Command4->setCaptionLabel(
        new Label(this, 9000, 8520, 1335, 255, tr("réinitialiser"), Look::buttonCaption()));
    Command3->setCaptionLabel(
        new Label(this, 10920, 8400, 735, 255, tr("Quitter"), Look::buttonCaption()));

    Timer1 = new FormTimer(this, intervalleTimer1, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void Reflexion::connecteControles()
{
    connect(Mode, &ScrollBar::Change, this, &Reflexion::Mode_Change);
    connect(celerite, &ScrollBar::Change, this, &Reflexion::celerite_Change);
    connect(go, &CommandButton::clicked, this, &Reflexion::go_Click);
    connect(pause, &CommandButton::clicked, this, &Reflexion::pause_Click);
    connect(pas, &CommandButton::clicked, this, &Reflexion::pas_Click);
    connect(Command2, &CommandButton::clicked, this, &Reflexion::Command2_Click);
    connect(Command1, &CommandButton::clicked, this, &Reflexion::Command1_Click);
    connect(Command4, &CommandButton::clicked, this, &Reflexion::Command4_Click);
    connect(Command3, &CommandButton::clicked, this, &Reflexion::Command3_Click);
    connect(Timer1, &FormTimer::Timer, this, &Reflexion::Timer1_Timer);
}

void Reflexion::Form_Load()
{
    Timer1->setEnabled(false);
    DessineCadran();
    CalculeConstantes();
    m_model.prendLePasDeTemps();
}

int Reflexion::modeValue() const
{
    return Mode->Value();
}

int Reflexion::celeriteValue() const
{
    return celerite->Value();
}

void Reflexion::Mode_Change()
{
    Label3->setCaption(Str(Mode->Value()));
    CalculeConstantes();
}

void Reflexion::celerite_Change()
{
    m_model.changeCelerite();
    Label6->setCaption(Str(celerite->quantity()) + u' ' + celerite->unit());
    EffaceDessins();
    DessineImage();
}

void Reflexion::go_Click()
{
    Timer1->setEnabled(true);
    go->giveWayTo(pause);
    Label7->setCaption(tr("pause"));
}

void Reflexion::pause_Click()
{
    Timer1->setEnabled(false);
    pause->giveWayTo(go);
    Label7->setCaption(tr("animer"));
}

void Reflexion::pas_Click()
{
    pause_Click();
    m_model.avance();
    DessineImage();
}

void Reflexion::Command2_Click()
{
    // One step with dt negated: the frame erased is the one on display, the
    // one drawn is 0.05 s earlier.
    pause_Click();
    m_model.inverseLePas();
    pas_Click();
    m_model.inverseLePas();
}

void Reflexion::Command1_Click()
{
    m_model.arreteDansUnQuartDePeriode();
    Timer1->setEnabled(true);
}

void Reflexion::Command4_Click()
{
    m_model.remetLeTempsAZero();
    Timer1->setEnabled(false);
    EffaceDessins();
    DessineImage();
}

void Reflexion::Command3_Click()
{
    Timer1->setEnabled(false);
    close();
}

void Reflexion::Timer1_Timer()
{
    m_model.avance();
    DessineImage();
    // An armed stop time ends the run, whichever button started it, on the
    // frame exactly at tFin.
    if (m_model.finAtteinte()) {
        EffaceDessins();
        DessineImage();
        Timer1->setEnabled(false);
    }
}

void Reflexion::CalculeConstantes()
{
    m_model.calculeConstantes();
    EffaceDessins();
    DessineImage();
}

void Reflexion::DessineImage()
{
    // Right after a clear the picture is blank; the frame at temps − dt is
    // painted over all the same, white on white, so that a frame drawn after a
    // clear comes out pixel for pixel like the same frame reached by a step
    // (the white strokes nick the new curves where they cross them).
    const Courbes anciennes
        = m_courbesAffichees ? *m_courbesAffichees : m_model.courbes(m_model.tempsPrecedent());
    const Courbes nouvelles = m_model.courbes(m_model.temps());
    const QColor blanc = Look::white();
    for (int i = 1; i <= ReflectionModel::longueurCorde; ++i) {
        traceSegments(anciennes, i, blanc, blanc, blanc);
        traceSegments(nouvelles, i, couleurIncidente, couleurReflechie, couleurResultante);
    }
    m_courbesAffichees = nouvelles;
    DessineAiguille();
    m_suivi->sample();
    m_suivi->refresh();
}

void Reflexion::traceSegments(const Courbes &courbes, int i, const QColor &incidente,
                              const QColor &reflechie, const QColor &resultante)
{
    const float x0 = float(i - 1);
    const float x1 = float(i);
    Picture1->setDrawWidth(1);
    Picture1->Line(x0, courbes.incidente[i - 1], x1, courbes.incidente[i], incidente);
    Picture1->Line(x0, courbes.reflechie[i - 1], x1, courbes.reflechie[i], reflechie);
    Picture1->setDrawWidth(2);
    Picture1->Line(x0, courbes.resultante[i - 1], x1, courbes.resultante[i], resultante);
}

void Reflexion::EffaceDessins()
{
    Picture1->Cls();
    // The blank centre covers the hand, which is shorter.
    pendule->Circle(1, 1, float(ReflectionModel::rayonGraduation), Look::white());
    m_courbesAffichees.reset();
    m_angleAffiche.reset();
    m_suivi->cut();
}

void Reflexion::DessineCadran()
{
    pendule->setFillColor(Look::white());
    pendule->setForeColor(Look::black());
    pendule->setDrawWidth(2);
    pendule->Circle(1, 1, 1);
    pendule->setDrawWidth(1);
    for (int a = 0; a <= 350; a += 10) {
        const double angle = m_model.prendAngleGraduation(a);
        pendule->Line(1, 1, float(1 + std::cos(angle)), float(1 + std::sin(angle)), Look::black());
    }
    pendule->Circle(1, 1, float(ReflectionModel::rayonGraduation), Look::white());
    // Width of the hand from now on.
    pendule->setDrawWidth(2);
}

void Reflexion::DessineAiguille()
{
    // As for the curves: after a clear, the hand at temps − dt, white on white.
    traceAiguille(m_angleAffiche ? *m_angleAffiche
                                 : m_model.prendAngleAiguille(m_model.tempsPrecedent()),
                  Look::white());
    m_angleAffiche = m_model.prendAngleAiguille(m_model.temps());
    traceAiguille(*m_angleAffiche, couleurAiguille);
}

void Reflexion::traceAiguille(double angle, const QColor &couleur)
{
    const double longueur = ReflectionModel::longueurAiguille;
    pendule->Line(1, 1, float(1 + longueur * std::cos(angle)),
                  float(1 + longueur * std::sin(angle)), couleur);
}
