#include "modescorde.h"

#include "controls/controls.h"
#include "controls/formtimer.h"
#include "controls/numberformat.h"
#include "controls/shapecontrol.h"
#include "drawing/drawingsurface.h"
#include "look/colors.h"
#include "look/look.h"
#include "recorder/pointtracker.h"

ModesCorde::ModesCorde(QWidget *parent, SharedVariables &shared, StringModesState &state)
    : Form(parent, tr("Simulation d'une corde vibrante"), sizeTwips.width(), sizeTwips.height(),
           Look::formBackground())
    , m_model(shared, state, *this)
{
    creeFond();
    creeDispositif();
    creePanneau();
    creeHarmoniques();
    creeAnimation();
    Timer1 = new FormTimer(this, intervalleTimer1, false);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connecte();
    m_suivi = new PointTracker(Picture1, m_model);
    // Tab goes down the panel, then to the picture, made first, and the buttons.
    setTabOrder(Harmonique(StringModesModel::nombreHarmoniques), Picture1);
}

void ModesCorde::connecte()
{
    connect(Command1, &CommandButton::clicked, this, &ModesCorde::Command1_Click);
    connect(Arret, &CommandButton::clicked, this, &ModesCorde::Arret_Click);
    connect(Command2, &CommandButton::clicked, this, &ModesCorde::Command2_Click);
    connect(Command3, &CommandButton::clicked, this, &ModesCorde::Command3_Click);
    connect(Longueur, &ScrollBar::Change, this, &ModesCorde::Longueur_Change);
    connect(Masse, &ScrollBar::Change, this, &ModesCorde::Masse_Change);
    connect(Timer1, &FormTimer::Timer, this, &ModesCorde::Timer1_Timer);
}

int ModesCorde::longueurValue() const
{
    return Longueur->Value();
}

int ModesCorde::masseValue() const
{
    return Masse->Value();
}

int ModesCorde::harmoniqueValue(int n) const
{
    return Harmonique(n)->Value();
}

void ModesCorde::LanceSimulation()
{
    m_model.ConstantesModales();
    Timer1->setEnabled(true);
}

void ModesCorde::corde(const double &t)
{
    const StringModesState::Ordonnees ancienne = m_model.nouvelleImage(t);
    const StringModesState::Ordonnees &nouvelle = m_model.ordonnee();
    rendLaCordeAuxImages();
    Picture1->setDrawWidth(2);
    const int segments = m_model.NombreSegments();
    const QColor blanc = Look::white();
    const QColor rouge = Look::red();
    for (int i = 1; i <= segments; ++i) {
        const double x = StringModesModel::pasX * i;
        // The previous frame's segment painted out, then the new one drawn.
        Picture1->Line(x - StringModesModel::pasX, ancienne[i - 1], x, ancienne[i], blanc);
        Picture1->Line(x - StringModesModel::pasX, nouvelle[i - 1], x, nouvelle[i], rouge);
    }
    m_suivi->sample();
    m_suivi->refresh();
}

void ModesCorde::rendLaCordeAuxImages()
{
    Line2->setX2(xMilleTwips);
}

void ModesCorde::EffaceCorde()
{
    m_suivi->cut(); // a string of another length
    rendLaCordeAuxImages();
    Picture1->LineBoxFilled(0, -1, 1000, 1, Look::white());
    // The string at rest beyond the bridge, with whatever pen width is set.
    Picture1->Line(1000, 0, 10 * Longueur->Value(), 0, Look::red());
}

void ModesCorde::Command1_Click()
{
    Command1->giveWayTo(Arret);
    LanceSimulation();
    Label18->setCaption(tr("pause"));
}

void ModesCorde::Arret_Click()
{
    Arret->giveWayTo(Command1);
    Timer1->setEnabled(false);
    Label18->setCaption(tr("animer"));
}

void ModesCorde::Command2_Click()
{
    if (Timer1->Enabled())
        Arret_Click();
    m_model.ConstantesModales();
    corde(m_model.avance(StringModesModel::pasTemps));
}

void ModesCorde::Command3_Click()
{
    Timer1->setEnabled(false);
    close();
}

void ModesCorde::Longueur_Change()
{
    Label5->setCaption(Str(Longueur->quantity()) + Longueur->unit());
    EffaceCorde();
    Shape3(0)->setLeft(10 * Longueur->Value());
    Shape3(1)->setLeft(10 * Longueur->Value());
    if (Timer1->Enabled()) {
        LanceSimulation();
    } else {
        // Back 5 ms, then a whole next image: one frame at the new length,
        // a net advance of 5 ms.
        m_model.avance(-StringModesModel::pasTemps / 2);
        Command2_Click();
    }
}

void ModesCorde::Masse_Change()
{
    Label3->setCaption(Str(Masse->quantity()) + Masse->unit());
    m_suivi->cut(); // the next frame has other periods
    m_suivi->refresh(); // and the recorder shows the speed set
    if (Timer1->Enabled())
        LanceSimulation();
}

void ModesCorde::Timer1_Timer()
{
    corde(m_model.avance(StringModesModel::pasTemps));
}
