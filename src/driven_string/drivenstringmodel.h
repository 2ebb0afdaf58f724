#pragma once

#include "core/sharedvariables.h"
#include "core/trackedstring.h"
#include "core/translatable.h"
#include "drivenstringinterfaces.h"
#include "drivenstringstate.h"

#include <string>

// The integrator of the driven string: the damped wave equation
//     ∂²y/∂t² + amortissement·∂y/∂t = c²·∂²y/∂x²
// advanced by centred differences on three time levels (y in mm, x in m,
// t in s, c in m/s). Point 0 is driven by the vibrator or the solitary pulse;
// point 100 is fixed, free, or continued by an absorbing zone up to point 200.
//
// The model owns no data: it works on the module-level state and the shared
// variables, reads the panel through DrivenStringPanel and draws, clears and
// reports through DrivenStringView.
class DrivenStringModel : public TrackedString
{
public:
    DrivenStringModel(SharedVariables &shared, DrivenStringState &state,
                      const DrivenStringPanel &panel, DrivenStringView &view);

    // Reads the panel into frequence, amortissement, dx, dt, c and amplitude,
    // then derives, with r = dt·c/dx (Courant number) and g = dt·amortissement,
    //     coefA = 2r²/(g+2), coefB = (1−r²)·4/(g+2), coefC = (g−2)/(g+2);
    // honours a pending stop of the vibrator and clears parametresModifies.
    void ActualiseConstantes();

    // Ten time steps, then one redraw by the view's `corde`.
    void Ondule();
    // One time step: temps advances by dt, the time levels shift, point 0
    // follows the vibrator and the pulse, then the interior and the right end.
    void avanceUnPas();

    double temps() const { return m_shared.temps; } // s
    double dt() const { return m_shared.dt; } // s
    // The displacement of a point of yNouveau, mm, upward positive as the picture shows it (the
    // state's displacements, like the picture's y axis, grow downward).
    double hauteur(int point) const { return -m_state.yNouveau[point]; }

    // For the point recorder: the picture's x is the point number, a point every dx m; the panel
    // sets the steps in m and the speed in m/s.
    const char *simulation() const override { return "corde-vibreur"; }
    Unites unites() const override { return {{"m", 1}, {"m/s", 1}}; }
    double snap(double x) const override;
    double metres(double x) const override { return x * m_state.dx; }
    double upwardMm(double x) const override { return hauteur(int(x)); }
    double tempsPropre() const override { return m_state.tempsPropre; } // see the state's
    double tempsAffiche() const override { return m_state.tempsAffiche; }
    // The panel's `célérité` is in tenths of m/s.
    double vitesseReglee() const override { return m_panel.celeriteValue() / 10.0; }

    // What the picture shows, for a screen reader (UTF-8): the time, the point of the string
    // farthest from rest and the right end, "Corde à t = 1,25 s : déplacement maximal 12 mm vers
    // le haut à 0,4 m ; extrémité droite fixe".
    std::string description() const;

    // Hyperbolic secant, 2/(e^−x + e^x).
    static double sech(double x);

    // Run-control operations on the state.
    // At the window's load: the constants from the panel, the string at rest
    // and drawn at temps 0; the excitation flags keep their values.
    void charge();
    // "Réinitialiser": the vibrator off, the string at rest and drawn at temps 0.
    void reinitialise();
    void demarreVibreur(); // start the sinusoidal excitation (phase 0)
    void arreteVibreur(); // stop it at the next upward zero crossing of point 0
    void lanceImpulsion(); // start a solitary pulse (temps back to 0)
    // A setting changed on the panel: a running vibrator takes it at its next
    // upward zero crossing.
    void signaleModification() { m_state.parametresModifies = true; }

    // Overflow limit of the displacements, mm: the half-height of the picture.
    static constexpr double limite = 100.0;
    // The absorbing zone lies beyond the picture and may carry large waves
    // back; only a real blow-up there (mm, or a value that is not finite)
    // runs the overflow handling.
    static constexpr double limiteZone = 1e6;
    static constexpr const char *messageDepassement = TRANSLATABLE(
        "DrivenStringModel",
        "Dépassement de capacité ! Veuillez modifier les paramètres de la simulation.");

private:
    void zoneAbsorbante();
    void depassement(int dernierEfface);
    // Points 0 to `dernier` of the three time levels back to rest, the
    // picture cleared, temps 0, the string drawn.
    void remetAuRepos(int dernier);
    // temps and the window's own time back to 0.
    void remetLeTempsAZero();
    // The view draws yNouveau at temps.
    void dessine();
    double pasX();
    double pasT();

    SharedVariables &m_shared;
    DrivenStringState &m_state;
    const DrivenStringPanel &m_panel;
    DrivenStringView &m_view;
    // The last accepted steps, used while a step box holds a refused text;
    // the boxes' initial contents until then.
    double m_dernierPasX = 0.01;
    double m_dernierPasT = 0.0025;
};
