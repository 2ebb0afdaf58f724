#include "modescorde.h"

#include "colors.h"
#include "controls.h"
#include "drawingsurface.h"
#include "formtimer.h"
#include "look.h"
#include "numberformat.h"
#include "shapecontrol.h"

ModesCorde::ModesCorde(QWidget *parent, SharedVariables &shared, StringModesState &state)
    : Form(parent, QStringLiteral("Simulation d'une corde vibrante"), 12000, 9000,
           Look::formBackground())
    , m_shared(shared)
    , m_state(state)
{
    creeFond();
    creeDispositif();
    creePanneau();
    creeHarmoniques();
    creeAnimation();
    Timer1 = new FormTimer(this, 25, false);
    connecte();
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

EigenModes::Amplitudes ModesCorde::lisHarmoniques() const
{
    // Read once per frame: nothing can move a scroll bar while a frame is drawn.
    EigenModes::Amplitudes h {};
    for (int n = 1; n <= EigenModes::nombreHarmoniques; ++n)
        h[n] = Harmonique(n)->Value();
    return h;
}

void ModesCorde::LanceSimulation()
{
    EigenModes::ConstantesModales(Longueur->Value(), Masse->Value(), m_state, m_shared);
    Timer1->setEnabled(true);
}

void ModesCorde::corde(const double &t)
{
    // sin(w_n t) is the same for every point: computed once for the frame.
    const EigenModes::FacteursTemps facteurs
        = EigenModes::FacteursDuTemps(lisHarmoniques(), m_state, t);
    const QColor blanc = RGB(255, 255, 255);
    const QColor rouge = Look::red();
    std::array<double, StringModesState::nbPoints> ancienneOrdonnee {};
    auto &ordonnee = m_state.ordonnee;
    rendLaCordeAuxImages();
    const int segments = EigenModes::NombreSegments(m_state);
    for (int i = 1; i <= segments; ++i) {
        ancienneOrdonnee[i] = ordonnee[i];
        const double abscisse = EigenModes::pasX * i;
        ordonnee[i] = EigenModes::Deplacement(facteurs, m_shared, abscisse);
        Picture1->setDrawWidth(2);
        // The previous frame's segment painted out, then the new one drawn.
        Picture1->Line(abscisse - 10, ancienneOrdonnee[i - 1], abscisse, ancienneOrdonnee[i],
                       blanc);
        Picture1->Line(abscisse - 10, ordonnee[i - 1], abscisse, ordonnee[i], rouge);
    }
}

void ModesCorde::rendLaCordeAuxImages()
{
    Line2->setX2(xMilleTwips);
}

void ModesCorde::EffaceCorde()
{
    rendLaCordeAuxImages();
    Picture1->LineBoxFilled(0, -1, 1000, 1, RGB(255, 255, 255));
    // The string at rest beyond the bridge, with whatever pen width is set.
    Picture1->Line(1000, 0, 10 * Longueur->Value(), 0, Look::red());
}

void ModesCorde::Command1_Click()
{
    Command1->setVisible(false);
    Arret->setVisible(true);
    LanceSimulation();
    Label18->setCaption(QStringLiteral("pause"));
}

void ModesCorde::Arret_Click()
{
    Arret->setVisible(false);
    Command1->setVisible(true);
    Timer1->setEnabled(false);
    Label18->setCaption(QStringLiteral("animer"));
}

void ModesCorde::Command2_Click()
{
    if (Timer1->Enabled())
        Arret_Click();
    EigenModes::ConstantesModales(Longueur->Value(), Masse->Value(), m_state, m_shared);
    m_shared.temps = m_shared.temps + 10;
    corde(m_shared.temps);
}

void ModesCorde::Command3_Click()
{
    Timer1->setEnabled(false);
    close();
}

void ModesCorde::Longueur_Change()
{
    Label5->setCaption(Str(Longueur->Value()) + QStringLiteral("cm"));
    EffaceCorde();
    Shape3(0)->setLeft(10 * Longueur->Value());
    Shape3(1)->setLeft(10 * Longueur->Value());
    if (Timer1->Enabled()) {
        LanceSimulation();
    } else {
        // Back 5 ms, then a whole next image: one frame at the new length,
        // a net advance of 5 ms.
        m_shared.temps = m_shared.temps - 5;
        Command2_Click();
    }
}

void ModesCorde::Masse_Change()
{
    Label3->setCaption(Str(Masse->Value()) + QStringLiteral("g"));
    if (Timer1->Enabled())
        LanceSimulation();
}

void ModesCorde::Timer1_Timer()
{
    m_shared.temps = m_shared.temps + 10;
    corde(m_shared.temps);
}
