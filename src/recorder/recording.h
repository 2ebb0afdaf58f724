#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

// The record of the point recorder: the displacement y of up to two tracked
// points of a string, A and B, against the simulation's own time, and what
// a student measures on it. Plain C++: the simulations feed it, the
// recorder's window shows it.
//
// Units: t in s, the window's own simulation time, which no other window
// moves; y in mm, upward positive as the pictures show it. The record is cut
// into traces: a reset or a jump in time starts a new trace, and no
// measurement joins two traces.
class Recording
{
public:
    enum Point { A = 0, B = 1 };
    static constexpr int nbPoints = 2;

    struct Sample
    {
        double t; // s
        std::array<double, nbPoints> y; // mm, upward; NaN for a point not tracked
        bool newTrace; // the first sample of a trace
    };

    // The record keeps the latest samples: 100 000 is eight minutes of the
    // driven string at 200 steps a second, 2.4 MB.
    static constexpr std::size_t maxSamples = 100000;

    // Appends one sample. A time that does not follow the last sample's
    // (equal or earlier: a step back) starts a new trace.
    void add(double t, double yA, double yB);
    // The next sample starts a new trace.
    void cut();
    // Forgets every sample.
    void clear();

    const std::deque<Sample> &samples() const { return m_samples; }
    // Where the last trace starts in samples().
    std::size_t lastTrace() const;

    // Measurements on the last trace, empty until they exist:
    // the period, s, between the last two upward zero crossings (linear
    // interpolation between samples);
    std::optional<double> period(Point p) const;
    // the amplitude, mm, half the peak-to-peak over the last full period, or
    // over the whole trace while no period exists (a pulse);
    std::optional<double> amplitude(Point p) const;
    // the delay of B behind A, s: the time at which B reaches its latest
    // extremum less the time at which A reached the same crest or pulse
    // (extrema found by a parabola through the three samples around them).
    // That crest is A's extremum of the same sign nearest to `expected` s
    // before B's, the delay the set speed gives, which may span several
    // periods; empty while that time lies before the trace, or when the
    // nearest is more than a quarter period away from it. With no
    // expectation (NaN), it is A's latest extremum of the same sign before
    // B's, as for a single pulse. 0 when both crests come together.
    std::optional<double> delay(double expected) const;

    // The samples as a CSV file for French spreadsheets: UTF-8, a header line
    // "t (s);yA (mm, vers le haut);yB (mm, vers le haut)", semicolons,
    // decimal commas, an empty field for a point not tracked.
    std::string toCsv() const;

private:
    std::deque<Sample> m_samples;
    bool m_cut = true;
};
