#pragma once

#include "reflectionstate.h"
#include "sharedvariables.h"

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
// The mode rank k and the speed c are never stored by the model: callers pass
// the scroll bars' current values each time.
class ReflectionModel
{
public:
    static constexpr double deuxPi = 6.2832;
    static constexpr double pi = 3.1416;

    static constexpr int longueurCorde = 100; // mm, segments of the picture
    static constexpr double repos = 25.0; // y of the rest line
    static constexpr double reposReflechie = 24.8; // reflected wave drawn 0.2 higher
    static constexpr double echelle = 10.0; // drawing units per unit of amplitude

    static constexpr double rayonGraduation = 0.8; // ticks run from here to the rim (radius 1)
    static constexpr double longueurAiguille = 0.7;

    ReflectionModel(SharedVariables &shared, ReflectionState &state)
        : m_shared(shared)
        , m_state(state)
    { }

    // temps ← 0, then c, λ, f and T from the mode rank k (1..10) and the speed
    // c (1..100 mm/s), in that order. tFin and dt are left alone.
    void calculeConstantes(int mode, int celerite);

    // A new speed keeping the phase f·temps of the frame on display: f and T
    // are recomputed (λ depends on k only) and temps is rescaled by f_old / f.
    void changeCelerite(int mode, int celerite);

    double OndeIncidente(double x, double t) const;
    double OndeReflechie(double x, double t) const;
    // Two cosines and one subtraction, not the sum of the two functions above:
    // exactly 0 at x = 0 for every t.
    double OndeResultante(double x, double t) const;

    // Picture ordinates of the three curves at (x, t).
    double yIncidente(double x, double t) const { return repos + echelle * OndeIncidente(x, t); }
    double yReflechie(double x, double t) const
    {
        return reposReflechie + echelle * OndeReflechie(x, t);
    }
    double yResultante(double x, double t) const { return repos + echelle * OndeResultante(x, t); }

    // Dial angles in radians, clockwise on screen from three o'clock (y grows
    // downward). A tick every 10 degrees; the hand turns once per period from
    // twelve o'clock at t = 0 and is not reduced modulo a turn.
    static double angleGraduation(int degres) { return degres * pi / 180; }
    double angleAiguille(double t) const { return t * deuxPi / m_state.periode - pi / 2; }

private:
    SharedVariables &m_shared;
    ReflectionState &m_state;
};
