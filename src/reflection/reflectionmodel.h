#pragma once

#include "core/angles.h"
#include "core/sharedvariables.h"
#include "core/trackedstring.h"
#include "reflectioninterfaces.h"
#include "reflectionstate.h"

#include <array>
#include <string>

// Incident and reflected waves on a string 100 mm long held fixed at both
// ends, and the geometry of the period dial.
//
// Units: x in mm (0 at the left end, 100 at the fixed end), t in s, c in mm/s,
// f in Hz. Each travelling wave has amplitude 1; the picture shows a value w
// at y = rest + 10·w user units (y grows downward, rest line y = 25).
//
//   λ = 200 / k          (the string holds exactly k half-wavelengths)
//   f = k·c / 200        (the k-th eigenfrequency)
//   incident  yi(x,t) =  cos(2π(f·t − x/λ))     crests move toward +x
//   reflected yr(x,t) = −cos(2π(x/λ + f·t))     crests move toward −x
//   sum       ys(x,t) = yi + yr = 2·sin(2πx/λ)·sin(2πf·t)
//
// 2π and π are the rounded constants 6.2832 and 3.1416, on purpose: the
// pictures and the dial follow them, so the far end x = 100 is a node only
// to within 2·10⁻⁴.
//
// The model owns no data: it works on the module-level state and the shared
// variables and reads the mode rank k and the speed c on the panel through
// ReflectionPanel each time it needs them.
class ReflectionModel : public TrackedString
{
public:
    static constexpr int longueurCorde = 100; // mm, segments of the picture
    static constexpr double repos = 25.0; // y of the rest line
    static constexpr double reposReflechie = 24.8; // reflected wave drawn 0.2 higher
    static constexpr double echelle = 10.0; // drawing units per unit of amplitude

    static constexpr double rayonGraduation = 0.8; // ticks run from here to the rim (radius 1)
    static constexpr double longueurAiguille = 0.7;

    static constexpr double pasTemps = 0.05; // s of model time from one frame to the next

    ReflectionModel(SharedVariables &shared, ReflectionState &state, const ReflectionPanel &panel)
        : m_shared(shared)
        , m_state(state)
        , m_panel(panel)
    { }

    // temps and the window's own time ← 0, then c, λ, f and T from the panel's mode rank k and
    // speed c, in that order. tFin and dt are left alone.
    void calculeConstantes();

    // A new speed keeping the phase f·temps of the frame on display: f and T
    // are recomputed (λ depends on k only) and temps is rescaled by f_old / f.
    void changeCelerite();

    // Time. The window's step dt is set at its load; a step back is a step
    // with dt negated.
    double temps() const { return m_shared.temps; }
    double tempsPrecedent() const { return m_shared.temps - m_shared.dt; }
    double pas() const { return m_shared.dt; }
    void prendLePasDeTemps() { m_shared.dt = pasTemps; }
    void inverseLePas() { m_shared.dt = -m_shared.dt; }
    void avance()
    {
        m_shared.temps = m_shared.dt + m_shared.temps;
        m_state.tempsPropre += m_shared.dt;
    }
    void remetLeTempsAZero()
    {
        m_shared.temps = 0;
        m_state.tempsPropre = 0;
    }
    // A timed run ends a quarter period from now.
    void arreteDansUnQuartDePeriode() { m_state.tFin = m_state.periode / 4 + m_shared.temps; }
    // An armed stop time (tFin ≠ 0) once passed: temps goes back to exactly
    // tFin, the window's own time with it, the stop is disarmed, and the run
    // must end.
    bool finAtteinte();

    // The sum of the two waves at (x, t), as two cosines and one subtraction:
    // exactly 0 at x = 0 for every t.
    double OndeResultante(double x, double t) const;

    // The string's displacement at (x, t), mm, upward positive as the
    // picture shows it: the sum at the picture's scale, whose user units are
    // millimetres and whose y grows downward.
    double hauteur(double x, double t) const { return -echelle * OndeResultante(x, t); }

    // For the point recorder: the picture's x is in mm along the string; the
    // panel sets the speed in cm/s (`celerite` reads mm/s).
    const char *simulation() const override { return "reflexion"; }
    Unites unites() const override { return {{"mm", mmParMetre}, {"cm/s", mmParMetre / 10}}; }
    double snap(double x) const override;
    double metres(double x) const override { return x / mmParMetre; }
    double upwardMm(double x) const override { return hauteur(x, temps()); }
    double tempsPropre() const override { return m_state.tempsPropre; } // see the state's
    double tempsAffiche() const override { return m_state.tempsAffiche; }
    double vitesseReglee() const override { return m_panel.celeriteValue() / mmParMetre; }

    // The incident and reflected waves yi and yr at the abscissas 0 to 100 at
    // time t, within 10⁻¹² of their formulas for the times of a lesson, with
    // four sines and cosines instead of two hundred.
    struct Ondes
    {
        std::array<double, longueurCorde + 1> incidente;
        std::array<double, longueurCorde + 1> reflechie;
    };
    Ondes ondes(double t) const;

    // The ordinates of the three curves at the abscissas 0 to 100 at time t,
    // as handed to the picture (single precision).
    struct Courbes
    {
        std::array<float, longueurCorde + 1> incidente;
        std::array<float, longueurCorde + 1> reflechie;
        std::array<float, longueurCorde + 1> resultante;
    };
    Courbes courbes(double t) const;

    // Dial angles in radians, clockwise on screen from three o'clock (y grows
    // downward). A tick every 10 degrees; the hand turns once per period from
    // twelve o'clock at t = 0 and is not reduced modulo a turn.
    static double angleGraduation(int degres) { return degres * pi / 180; }
    double angleAiguille(double t) const { return t * deuxPi / m_state.periode - pi / 2; }
    // The same angles kept in angleCadran, the dial's drawing angle; the hand's is taken last for
    // each frame drawn, at its time.
    double prendAngleGraduation(int degres)
    {
        return m_state.angleCadran = angleGraduation(degres);
    }
    double prendAngleAiguille(double t)
    {
        m_state.tempsAffiche = t;
        return m_state.angleCadran = angleAiguille(t);
    }

    // What the pictures show, for a screen reader (UTF-8). The waves: the standing wave's rank, its
    // nodes and the time, "Onde stationnaire de rang 2 (somme des ondes incidente et réfléchie) :
    // nœuds à 0, 50 et 100 mm ; t = 1,25 s". The dial: the phase within the period of the hand
    // last drawn, "Cadran : phase 90° (un tour par période)".
    std::string descriptionOndes() const;
    std::string descriptionCadran() const;

private:
    SharedVariables &m_shared;
    ReflectionState &m_state;
    const ReflectionPanel &m_panel;
};
