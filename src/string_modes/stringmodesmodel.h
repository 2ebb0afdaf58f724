#pragma once

#include "core/angles.h"
#include "core/sharedvariables.h"
#include "core/trackedstring.h"
#include "stringmodesinterfaces.h"
#include "stringmodesstate.h"

#include <array>
#include <string>

// A string of length L (mm) between a fixed point and a bridge, stretched by
// the weight of a solid of mass m (kg), vibrating as the sum of its first ten
// harmonics:
//
//   y(x, t) = sum over n = 1..10 of 0.05 H_n sin(w_n t) sin(2 pi x / lambda_n)
//
// with c = sqrt(m g / mu) in m/s (= mm/ms), w_n = n pi c / L in rad/ms and
// lambda_n = 2 L / n in mm; t is in ms, x in mm, y in display units (the
// drawing spans y = -1 to +1). H_n is the position 0 to 10 of the harmonic's
// scroll bar. pi and 2 pi are taken as 3.1416 and 6.2832, and g as 9.81.
//
// The model owns no data: it works on the module-level state and the shared
// variables and reads the panel through StringModesPanel.
class StringModesModel : public TrackedString
{
public:
    static constexpr double g = 9.81; // m/s^2
    static constexpr int nombreHarmoniques = StringModesState::nombreHarmoniques;
    static constexpr double pasX = 10.0; // mm between two points of the string
    static constexpr double pasTemps = 10.0; // ms of model time from one frame to the next
    // The picture's scale: twips per mm of string across, twips per display
    // unit down (8595 twips for 1200 mm, 6075 twips for y from -1 to +1).
    static constexpr double twipsParMm = 7.1625;
    static constexpr double twipsParUnite = 3037.5;

    StringModesModel(SharedVariables &shared, StringModesState &state,
                     const StringModesPanel &panel)
        : m_shared(shared)
        , m_state(state)
        , m_panel(panel)
    { }

    // Wave speed in m/s on a string of linear density masseLineique (kg/m)
    // stretched by the weight of masseSolide (kg).
    static double Celerite(double masseSolide, double masseLineique);

    // The modal constants from the panel's length (cm) and mass (g):
    // longueurCorde = 10 x length (mm), masseLineique = 1, masseSolide =
    // mass / 1000 (kg), then pulsation(n) and longueurOnde(n) for n = 1 to 10.
    void ConstantesModales();

    // Number of 10 mm segments of the string: N = L / 10, kept within the 100
    // points that the arrays hold.
    int NombreSegments() const;

    // The time factor of each harmonic in one frame at time t (ms), at index n:
    // ((H_n / 10) x 0.5) x sin(w_n t), multiplied in that order, H_n read on
    // the panel. It does not depend on the point, so a frame computes it once.
    using FacteursTemps = std::array<double, nombreHarmoniques + 1>;
    FacteursTemps FacteursDuTemps(double t) const;

    // Displacement of the point at abscisse (mm): the terms added for n = 1 to
    // 10, each the time factor times sin((6.2832 x abscisse) / lambda_n).
    double Deplacement(const FacteursTemps &facteurs, double abscisse) const;

    // The frame at t (ms), the one on display from now on: ordonnee of points 1 to N become the
    // displacements at t. Returns the ordinates as they were, the frame on display.
    StringModesState::Ordonnees nouvelleImage(double t);
    const StringModesState::Ordonnees &ordonnee() const { return m_state.ordonnee; }

    double temps() const { return m_shared.temps; } // ms

    // Moves the shared time and the window's own time by ms (negative: back);
    // returns the new shared time.
    double avance(double ms);

    // The displacement at abscisse (mm) at t (ms), in mm of the drawing at
    // the scale of the string's length, upward positive as the picture shows
    // it (its y grows downward).
    double hauteur(double abscisse, double t) const;

    // For the point recorder: the picture's x is in mm from the fixed end;
    // the panel sets the length in cm, and the speed, which it does not
    // show, is in m/s.
    const char *simulation() const override { return "modes-propres"; }
    Unites unites() const override { return {{"cm", 100}, {"m/s", 1}}; }
    double snap(double x) const override; // on the string, up to the bridge
    double metres(double x) const override { return x / mmParMetre; }
    double upwardMm(double x) const override { return hauteur(x, temps()); }
    double tempsPropre() const override { return m_state.tempsPropre; } // see the state's
    double tempsAffiche() const override { return m_state.tempsAffiche / msParSeconde; }
    // c = sqrt(m g / mu) for the mass the panel sets now.
    double vitesseReglee() const override { return Celerite(masseReglee(), masseLineique); }

    // What the picture shows, for a screen reader (UTF-8): the string and the harmonics as the
    // panel sets them and the time of the frame on display, "Corde de 100 cm tendue par 1000 g :
    // harmoniques 1 et 3 ; t = 0,25 s".
    std::string description() const;

private:
    static constexpr double msParSeconde = 1000;
    static constexpr double masseLineique = 1.0; // kg/m, the string's
    // The panel's length in mm and mass in kg: it sets them in cm and g.
    double longueurReglee() const { return 10.0 * m_panel.longueurValue(); }
    double masseReglee() const { return m_panel.masseValue() / 1000.0; }

    SharedVariables &m_shared;
    StringModesState &m_state;
    const StringModesPanel &m_panel;
};
