#include "vibreur.h"

#include "controls/controls.h"
#include "controls/formtimer.h"
#include "controls/shapecontrol.h"
#include "look/colors.h"
#include "look/fonts.h"
#include "look/icons.h"
#include "look/look.h"

// The row of buttons under the picture and the animation timer. Two
// independent state machines: the animation (running or paused: `Timer1`,
// `pause`/`Reprise`) and the excitation (`Command1`/`Command3`, `Command5`).

namespace {

const QColor faceBouton = Look::captionGrey();

} // namespace

void Vibreur::creeCommandes()
{
    using Icons::Curve;
    using Icons::Glyph;
    new ShapeControl(this, ShapeControl::Kind::Rectangle, 3360, 6960, 8655, 1575, Look::buttonBar(),
                     QColor());
    new Label(this, 3960, 7080, 2655, 255, tr("Commande du vibreur"), Look::heading(Qt::white));
    new Label(this, 8040, 7080, 1815, 255, tr("Animation : "), Look::heading(Qt::white));

    constexpr int haut = 7440;
    constexpr int hauteur = 615;
    Command5 = new CommandButton(this, 3960, haut, 975, hauteur,
                                 Icons::curveButton(Curve::Bump, Glyph::TriangleRight), faceBouton);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command1 = new CommandButton(this, 5160, haut, 975, hauteur,
                                 Icons::curveButton(Curve::Sine, Glyph::TriangleRight), faceBouton);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command3 = new CommandButton(this, 5160, haut, 975, hauteur,
                                 Icons::glyph(Glyph::Square, Look::slate()), faceBouton);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4
        = new CommandButton(this, 6360, haut, 855, hauteur,
                            Icons::curveButton(Curve::Flat, Glyph::TriangleLeftBar), faceBouton);
    Command4->setObjectName(QStringLiteral("Command4"));
    pause = new CommandButton(this, 8160, haut, 615, hauteur,
                              Icons::glyph(Glyph::TwoBars, Look::slate()), faceBouton);
    pause->setObjectName(QStringLiteral("pause"));
    Reprise = new CommandButton(this, 8160, haut, 615, hauteur,
                                Icons::glyph(Glyph::TriangleRight, Look::slate()), faceBouton);
    Reprise->setObjectName(QStringLiteral("Reprise"));
    Command6 = new CommandButton(this, 9240, haut, 615, hauteur,
                                 Icons::glyph(Glyph::BarTriangleRight, Look::slate()), faceBouton);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command2 = new CommandButton(this, 11160, haut, 735, hauteur,
                                 Icons::glyph(Glyph::Diamond, Look::red()), faceBouton);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setVisible(false);
    Reprise->setVisible(false);

    // The captions, centred under their buttons; long ones wrap on two lines.
    constexpr int legendeHaut = 8070;
    constexpr int legendeHauteur = 420;
    const LabelStyle l = Look::buttonCaption();
    auto *Label19
        = new Label(this, 3862, legendeHaut, 1170, legendeHauteur, tr("Impulsion solitaire"), l);
    Label19->setObjectName(QStringLiteral("Label19"));
    Label13
        = new Label(this, 5062, legendeHaut, 1170, legendeHauteur, tr("Excitation sinusoïdale"), l);
    Label13->setObjectName(QStringLiteral("Label13"));
    auto *Label15
        = new Label(this, 6262, legendeHaut, 1050, legendeHauteur, tr("Réinitialiser"), l);
    Label15->setObjectName(QStringLiteral("Label15"));
    Label21 = new Label(this, 7980, legendeHaut, 975, legendeHauteur, tr("Pause"), l);
    Label21->setObjectName(QStringLiteral("Label21"));
    auto *Label22 = new Label(this, 9060, legendeHaut, 975, legendeHauteur, tr("Pas à pas"), l);
    Label22->setObjectName(QStringLiteral("Label22"));
    auto *Label11 = new Label(this, 11100, legendeHaut, 855, legendeHauteur, tr("Quitter"), l);
    Label11->setObjectName(QStringLiteral("Label11"));
    Command5->setCaptionLabel(Label19);
    Command1->setCaptionLabel(Label13);
    Command3->setCaptionLabel(Label13);
    Command4->setCaptionLabel(Label15);
    pause->setCaptionLabel(Label21);
    Reprise->setCaptionLabel(Label21);
    Command6->setCaptionLabel(Label22);
    Command2->setCaptionLabel(Label11);

    Timer1 = new FormTimer(this, intervalleTimer1, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void Vibreur::connecteCommandes()
{
    connect(Timer1, &FormTimer::Timer, this, &Vibreur::Timer1_Timer);
    connect(pause, &QAbstractButton::clicked, this, &Vibreur::pause_Click);
    connect(Reprise, &QAbstractButton::clicked, this, &Vibreur::Reprise_Click);
    connect(Command6, &QAbstractButton::clicked, this, &Vibreur::Command6_Click);
    connect(Command1, &QAbstractButton::clicked, this, &Vibreur::Command1_Click);
    connect(Command3, &QAbstractButton::clicked, this, &Vibreur::Command3_Click);
    connect(Command5, &QAbstractButton::clicked, this, &Vibreur::Command5_Click);
    connect(Command4, &QAbstractButton::clicked, this, &Vibreur::Command4_Click);
    connect(Command2, &QAbstractButton::clicked, this, &Vibreur::Command2_Click);
}

void Vibreur::Timer1_Timer()
{
    m_model.Ondule();
}

void Vibreur::pause_Click()
{
    Timer1->setEnabled(false);
    pause->giveWayTo(Reprise);
    Label21->setCaption(tr("Reprise"));
}

void Vibreur::Reprise_Click()
{
    Reprise->giveWayTo(pause);
    Timer1->setEnabled(true);
    Label21->setCaption(tr("Pause"));
}

void Vibreur::Command6_Click()
{
    pause_Click();
    m_model.Ondule();
}

void Vibreur::Command1_Click()
{
    Command5->setEnabled(false);
    m_model.demarreVibreur();
    Command1->giveWayTo(Command3);
}

void Vibreur::Command3_Click()
{
    Command1->setEnabled(true);
    Command5->setEnabled(true);
    m_model.arreteVibreur();
    Command3->giveWayTo(Command1);
}

void Vibreur::Command5_Click()
{
    m_model.lanceImpulsion();
}

void Vibreur::Command4_Click()
{
    Command1->setEnabled(true);
    Command5->setEnabled(true);
    // Off before the redraw, so that the string at rest leaves no trace.
    traces->setValue(0);
    m_model.reinitialise();
    Command3->giveWayTo(Command1);
}

void Vibreur::Command2_Click()
{
    Timer1->setEnabled(false);
    close();
}
