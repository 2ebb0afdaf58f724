#pragma once

#include "controls/form.h"
#include "drivenstringinterfaces.h"
#include "drivenstringmodel.h"

class CheckBox;
class CommandButton;
class DrawingSurface;
class FormTimer;
class Label;
class OptionButton;
class PointTracker;
class ScrollBar;
class ShapeControl;
class TextBox;

// The driven-string window: the parameter panel on the left, the picture of
// the string, the trace switch and the row of run-control buttons. The model
// reads the panel and draws through this window.
class Vibreur : public Form, private DrivenStringPanel, private DrivenStringView
{
    Q_OBJECT

public:
    // Builds the controls at their designer values and runs Form_Load. The
    // state and the shared variables outlive the window.
    Vibreur(QWidget *parent, SharedVariables &shared, DrivenStringState &state);

    // The window's client size, in twips.
    static constexpr QSize sizeTwips {12000, 8520};
    // ms between two ticks of the animation timer Timer1.
    static constexpr int intervalleTimer1 = 50;

private:
    void Form_Load();

    // Display: the string from yNouveau over the grid, and the vibrator marker.
    void corde(double temps) override;
    void Quadrille();
    void Label14_Click();

    // Parameter panel.
    void Amp_Change();
    void Frequence_Change();
    void HScroll1_Change();
    void célérité_Change();
    void PasT_Change();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();

    // Run control.
    void Timer1_Timer();
    void pause_Click();
    void Reprise_Click();
    void Command6_Click();
    void Command1_Click();
    void Command3_Click();
    void Command5_Click();
    void Command4_Click();
    void Command2_Click();

    // Parameter panel.
    ScrollBar *Frequence;
    ScrollBar *Amp;
    ScrollBar *HScroll1;
    ScrollBar *célérité;
    TextBox *PasX;
    TextBox *PasT;
    OptionButton *Option1;
    OptionButton *Option2;
    OptionButton *Option3;
    Label *Label5; // frequency
    Label *Label18; // amplitude
    Label *Label24; // damping
    Label *Label4; // wave speed
    Label *Label2; // fundamental frequency

    // Display.
    DrawingSurface *Picture1;
    ShapeControl *Excitateur;
    ShapeControl *Shape4;
    CheckBox *traces;
    Label *Label14;

    // Run control.
    FormTimer *Timer1;
    CommandButton *Command5;
    CommandButton *Command1;
    CommandButton *Command3;
    CommandButton *Command4;
    CommandButton *pause;
    CommandButton *Reprise;
    CommandButton *Command6;
    CommandButton *Command2;
    Label *Label13;
    Label *Label21;

    void creePanneau();
    void creeImage();
    void creeCommandes();
    void connectePanneau();
    void connecteCommandes();
    // Marks a refused step; an accepted one shows the stability number.
    void marquePas(TextBox *box);

    // The Courant number in the tooltips of the steps and the wave speed.
    void afficheCourant();

    // The picture's menu and shortcuts and the point recorder, which samples
    // every time step.
    void apresPas() override;
    void tempsRemisAZero() override;
    PointTracker *m_suivi = nullptr;

    // DrivenStringPanel
    int frequenceValue() const override;
    int hScroll1Value() const override;
    int celeriteValue() const override;
    int ampValue() const override;
    std::string pasXText() const override;
    std::string pasTText() const override;
    ExtremiteDroite extremite() const override;

    // DrivenStringView
    void afficheDepassement() override;
    void effaceImage() override;

    DrivenStringState &m_state; // `corde` draws yNouveau and keeps what it shows in yAffiche

    DrivenStringModel m_model;
};
