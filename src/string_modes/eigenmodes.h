#pragma once

#include "sharedvariables.h"
#include "stringmodesstate.h"

#include <array>

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
namespace EigenModes {

constexpr double g = 9.81; // m/s^2
constexpr double pi = 3.1416;
constexpr double deuxPi = 6.2832;
constexpr int nombreHarmoniques = 10;
constexpr double pasX = 10.0; // mm between two points of the string

// Scroll bar positions of the harmonics, H_n at index n (1 to 10); index 0 is unused.
using Amplitudes = std::array<int, nombreHarmoniques + 1>;

// Wave speed in m/s on a string of linear density masseLineique (kg/m)
// stretched by the weight of masseSolide (kg).
double Celerite(double masseSolide, double masseLineique);

// The modal constants from the length scroll bar (cm, 10 to 100) and the mass
// scroll bar (g, 100 to 10000): longueurCorde = 10 x length (mm),
// masseLineique = 1, masseSolide = mass / 1000 (kg), then pulsation(n) and
// longueurOnde(n) for n = 1 to 10.
void ConstantesModales(int longueurValue, int masseValue, StringModesState &state,
                       SharedVariables &shared);

// Number of 10 mm segments of the string: N = L / 10, kept within the 100
// points that the arrays hold.
int NombreSegments(const StringModesState &state);

// The time factor of each harmonic in one frame at time t (ms), at index n:
// ((H_n / 10) x 0.5) x sin(w_n t), multiplied in that order. It does not
// depend on the point, so a frame computes it once.
using FacteursTemps = std::array<double, nombreHarmoniques + 1>;
FacteursTemps FacteursDuTemps(const Amplitudes &harmoniques, const StringModesState &state,
                              double t);

// Displacement of the point at abscisse (mm): the terms added for n = 1 to
// 10, each the time factor times sin((6.2832 x abscisse) / lambda_n).
double Deplacement(const FacteursTemps &facteurs, const SharedVariables &shared, double abscisse);

} // namespace EigenModes
