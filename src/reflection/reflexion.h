#pragma once

#include "controls/form.h"
#include "reflectionmodel.h"

#include <QColor>

#include <array>
#include <optional>

class CommandButton;
class PointTracker;
class DrawingSurface;
class FormTimer;
class Label;
class ScrollBar;

// The window of the incident and reflected waves: on a string 100 mm long
// fixed at both ends, a wave travelling toward the fixed end, its reflection
// and their sum (the standing wave of rank k), with a dial whose hand turns
// once per period. The mode rank and the speed are set with two scroll bars;
// an animation bar runs, pauses, steps and resets the time.
//
// Frames are never cleared while time moves by one step: each segment of the
// frame on display is painted over in white just before the same segment of
// the frame at temps is drawn. The window remembers what it drew last rather
// than recomputing it at temps − dt, since another open module may have moved
// the shared temps in between. Any other jump of temps goes through
// EffaceDessins first.
//
// Four run states come from the timer, the button shown in the go/pause place
// and tFin: stopped (timer off, go), animating (on, pause), timed run (on, go)
// and frozen (off, pause).
class Reflexion : public Form, private ReflectionPanel
{
    Q_OBJECT

public:
    Reflexion(QWidget *parent, SharedVariables &shared, ReflectionState &state);

    // The window's client size, in twips.
    static constexpr QSize sizeTwips {12000, 9000};
    // ms between two ticks of the animation timer Timer1.
    static constexpr int intervalleTimer1 = 25;

private:
    // Wave picture: x 0..100 mm left to right, y 0..50 downward, rest line y = 25.
    DrawingSurface *Picture1;
    // Period dial: 2 × 2 units, centre (1, 1).
    DrawingSurface *pendule;
    ScrollBar *Mode;
    ScrollBar *celerite;
    Label *Label3;
    Label *Label6;
    Label *Label7;
    // The panel's headings, which name the bars under them.
    const Label *m_titreMode = nullptr;
    const Label *m_titreCelerite = nullptr;
    CommandButton *go;
    CommandButton *pause;
    CommandButton *pas;
    CommandButton *Command2;
    CommandButton *Command1;
    CommandButton *Command4;
    CommandButton *Command3;
    FormTimer *Timer1;

    void Form_Load();
    void Mode_Change();
    void celerite_Change();
    void go_Click();
    void pause_Click();
    void pas_Click();
    void Command2_Click();
    void Command1_Click();
    void Command4_Click();
    void Command3_Click();
    void Timer1_Timer();

    void CalculeConstantes();
    void DessineImage();
    void EffaceDessins();
    void DessineCadran();
    void DessineAiguille();

    using Courbes = ReflectionModel::Courbes;

    void construitDecor();
    void construitControles();
    void connecteControles();
    // Segment i of the three curves, incident and reflected at width 1, then
    // the sum at width 2 over them.
    void traceSegments(const Courbes &courbes, int i, const QColor &incidente,
                       const QColor &reflechie, const QColor &resultante);
    // The hand at that angle.
    void traceAiguille(double angle, const QColor &couleur);

    // ReflectionPanel
    int modeValue() const override;
    int celeriteValue() const override;

    // The wave picture's menu and shortcuts and the point recorder, which
    // samples every frame.
    PointTracker *m_suivi = nullptr;

    ReflectionModel m_model;
    // What the two pictures show now: nothing right after EffaceDessins.
    std::optional<Courbes> m_courbesAffichees;
    std::optional<double> m_angleAffiche; // rad, the hand on the dial
};
