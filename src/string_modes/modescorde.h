#pragma once

#include "controls/form.h"
#include "stringmodesmodel.h"

#include <array>

class CommandButton;
class DrawingSurface;
class FormTimer;
class Label;
class LineControl;
class PointTracker;
class ScrollBar;
class ShapeControl;

// The eigenmode window: a string between a fixed point (x = 0) and a bridge
// (x = L), stretched by a solid hanging over a pulley, drawn vibrating as the
// sum of its first ten harmonics. The panel sets the length (cm), the mass
// (g) and each harmonic's amplitude; the run state is whether Timer1 is
// enabled (stopped: Command1 "animer" shown; running: Arret "pause" shown).
//
// Picture1's user units: x in mm from 0 (left edge) to 1200 (right edge),
// y in display units from -1 (top) to +1 (bottom), so a positive
// displacement is drawn below the rest line. The model time `temps` is in ms
// and shared with the other windows; this window never resets it.
class ModesCorde : public Form, private StringModesPanel
{
    Q_OBJECT

public:
    ModesCorde(QWidget *parent, SharedVariables &shared, StringModesState &state);

    // The window's client size, in twips.
    static constexpr QSize sizeTwips {12000, 9000};
    // ms between two ticks of the animation timer Timer1.
    static constexpr int intervalleTimer1 = 25;

private:
    // The scroll bar of harmonic k, k = 1 to 10, and the bridge's jaws
    // Shape3(0) (lower) and Shape3(1) (upper).
    ScrollBar *Harmonique(int k) const { return m_harmonique[k - 1]; }
    ShapeControl *Shape3(int index) const { return m_shape3[index]; }

    // Computes the modal constants from Longueur and Masse, then starts the timer.
    void LanceSimulation();
    // Draws one frame at time t (ms): for each segment, from left to right,
    // the previous frame's segment in white then the new one in red.
    void corde(const double &t);
    // Wipes the string's area (x 0 to 1000) and draws the rest line between
    // the bridge and x = 1000.
    void EffaceCorde();

    void Command1_Click();
    void Arret_Click();
    void Command2_Click();
    void Command3_Click();
    void Longueur_Change();
    void Masse_Change();
    void Timer1_Timer();

    DrawingSurface *Picture1 = nullptr;
    LineControl *Line2 = nullptr;
    Label *Label3 = nullptr;
    ScrollBar *Masse = nullptr;
    Label *Label5 = nullptr;
    ScrollBar *Longueur = nullptr;
    CommandButton *Command1 = nullptr;
    CommandButton *Arret = nullptr;
    Label *Label18 = nullptr;
    CommandButton *Command2 = nullptr;
    CommandButton *Command3 = nullptr;
    FormTimer *Timer1 = nullptr;

    // Twips from Picture1's client corner to x = 1000 mm, the end of the area
    // the frames draw in and the bridge's place at the designer length.
    static constexpr int xMilleTwips = 7162;

    // The rest line Line2 lies above the picture: once a frame or a wipe has
    // drawn the string's area, it shows only beyond x = 1000.
    void rendLaCordeAuxImages();
    void creeFond();
    void creeDispositif();
    void creePanneau();
    void creeHarmoniques();
    void creeAnimation();
    void connecte();

    // StringModesPanel
    int longueurValue() const override;
    int masseValue() const override;
    int harmoniqueValue(int n) const override;

    // The picture's menu and shortcuts and the point recorder, which samples
    // every frame.
    PointTracker *m_suivi = nullptr;

    StringModesModel m_model;
    std::array<ScrollBar *, StringModesModel::nombreHarmoniques> m_harmonique {};
    std::array<ShapeControl *, 2> m_shape3 {};
};
