#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

// The record of the point recorder: the displacement y of up to two tracked
// points of a string, A and B, against the simulation's own time, and what
// a student measures on it. Plain C++: the simulations feed it, the
// recorder's window shows it.
//
// Units: t in s, y in mm. The record is cut into traces: a reset or a jump in
// time starts a new trace, and no measurement joins two traces.
class Recording
{
public:
    enum Point { A = 0, B = 1 };
    static constexpr int nbPoints = 2;

    struct Sample
    {
        double t; // s
        std::array<double, nbPoints> y; // mm; NaN for a point not tracked
        bool newTrace; // the first sample of a trace
    };

    // The record keeps the latest samples: 100 000 is eight minutes of the
    // driven string at 200 steps a second, 2.4 MB.
    static constexpr std::size_t maxSamples = 100000;

    // Appends one sample. A time that does not follow the last sample's
    // (equal or earlier), or, when the simulation's step (s) is given, that
    // is not the last time plus one step, starts a new trace: another
    // window moved the shared time in between.
    void add(double t, double yA, double yB, double step = 0.0);
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
    // extremum less the time at which A reached the same crest or pulse, that
    // is its latest extremum of the same sign before B's (extrema found by a
    // parabola through the three samples around them).
    std::optional<double> delay() const;

    // The samples as a CSV file for French spreadsheets: UTF-8, a header line
    // "t (s);yA (mm);yB (mm)", semicolons, decimal commas, an empty field for
    // a point not tracked.
    std::string toCsv() const;
    // Reads such a file back (the header is checked); empty if it is not one.
    static std::optional<std::vector<Sample>> fromCsv(const std::string &text);

private:
    std::deque<Sample> m_samples;
    bool m_cut = true;
};
