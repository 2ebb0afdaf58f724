#include "recording.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

constexpr const char *csvHeader = "t (s);yA (mm, vers le haut);yB (mm, vers le haut)";

// A number with a decimal comma, as French spreadsheets read it; empty for NaN.
std::string french(double v)
{
    if (std::isnan(v))
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", v);
    std::string s = text;
    for (char &c : s) {
        if (c == '.')
            c = ',';
    }
    return s;
}

} // namespace

void Recording::add(double t, double yA, double yB)
{
    const bool newTrace = m_cut || m_samples.empty() || !(t > m_samples.back().t);
    m_samples.push_back({t, {yA, yB}, newTrace});
    m_cut = false;
    if (m_samples.size() > maxSamples) {
        m_samples.pop_front();
        m_samples.front().newTrace = true;
    }
}

void Recording::cut()
{
    m_cut = true;
}

void Recording::clear()
{
    m_samples.clear();
    m_cut = true;
}

std::size_t Recording::lastTrace() const
{
    std::size_t i = m_samples.size();
    while (i > 0 && !m_samples[i - 1].newTrace)
        --i;
    return i > 0 ? i - 1 : 0;
}

namespace {

// The times of the upward zero crossings of y in [first, end), interpolated
// linearly between the samples on either side.
template<typename Samples>
std::vector<double> upwardCrossings(const Samples &s, std::size_t first, int p)
{
    std::vector<double> times;
    for (std::size_t i = first + 1; i < s.size(); ++i) {
        const double y0 = s[i - 1].y[p];
        const double y1 = s[i].y[p];
        if (y0 < 0.0 && y1 >= 0.0)
            times.push_back(s[i - 1].t + (s[i].t - s[i - 1].t) * (-y0 / (y1 - y0)));
    }
    return times;
}

// The extremum at sample i (a local maximum of sign·y), refined by the
// parabola through samples i − 1, i and i + 1: its time.
template<typename Samples> double peakTime(const Samples &s, std::size_t i, int p)
{
    const double a = s[i - 1].y[p];
    const double b = s[i].y[p];
    const double c = s[i + 1].y[p];
    const double curvature = a - 2 * b + c;
    const double h = s[i].t - s[i - 1].t;
    return curvature == 0.0 ? s[i].t : s[i].t + h * (a - c) / (2 * curvature);
}

// The extrema of point p in [first, before), in time order, whose sign is
// `sign` (0: either) and whose size is at least half the largest of the
// trace, so that the ripples of a pulse's tail do not count: their sample
// indices.
template<typename Samples>
std::vector<std::size_t> extrema(const Samples &s, std::size_t first, std::size_t before, int p,
                                 int sign)
{
    double largest = 0.0;
    for (std::size_t i = first; i < s.size(); ++i)
        largest = std::max(largest, std::fabs(s[i].y[p]));
    std::vector<std::size_t> found;
    if (!(largest > 0.0))
        return found;
    for (std::size_t k = first + 1; k + 1 < std::min(before + 1, s.size()); ++k) {
        const double y = s[k].y[p];
        const bool peak = (y > 0 ? y >= s[k - 1].y[p] && y > s[k + 1].y[p]
                                 : y <= s[k - 1].y[p] && y < s[k + 1].y[p]);
        if (peak && std::fabs(y) >= largest / 2 && (sign == 0 || (y > 0) == (sign > 0)))
            found.push_back(k);
    }
    return found;
}

} // namespace

std::optional<double> Recording::period(Point p) const
{
    const std::vector<double> crossings = upwardCrossings(m_samples, lastTrace(), p);
    if (crossings.size() < 2)
        return std::nullopt;
    return crossings.back() - crossings[crossings.size() - 2];
}

std::optional<double> Recording::amplitude(Point p) const
{
    const std::size_t first = lastTrace();
    if (first >= m_samples.size() || std::isnan(m_samples.back().y[p]))
        return std::nullopt;
    const std::optional<double> T = period(p);
    const double from = T ? m_samples.back().t - *T : -std::numeric_limits<double>::infinity();
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (std::size_t i = first; i < m_samples.size(); ++i) {
        if (m_samples[i].t >= from) {
            low = std::min(low, m_samples[i].y[p]);
            high = std::max(high, m_samples[i].y[p]);
        }
    }
    return (high - low) / 2;
}

std::optional<double> Recording::delay(double expected) const
{
    const std::size_t first = lastTrace();
    const auto b = extrema(m_samples, first, m_samples.size() - 1, B, 0);
    if (b.empty())
        return std::nullopt;
    const int sign = m_samples[b.back()].y[B] > 0 ? 1 : -1;
    const auto a = extrema(m_samples, first, b.back() + 1, A, sign);
    if (a.empty())
        return std::nullopt;
    const double tB = peakTime(m_samples, b.back(), B);
    // Two points of a standing wave reach their crests together: a difference that is only the
    // rounding of the times is no delay.
    const auto behind = [tB](double tA) {
        return std::fabs(tB - tA) <= 1e-9 * std::max(1.0, std::fabs(tB)) ? 0.0 : tB - tA;
    };
    if (std::isnan(expected))
        return behind(peakTime(m_samples, a.back(), A));
    // The crest left A `expected` s before B's: not recorded yet, or the one nearest to then.
    const double then = tB - expected;
    if (then < m_samples[first].t)
        return std::nullopt;
    std::vector<double> crests(a.size());
    std::transform(a.begin(), a.end(), crests.begin(),
                   [this](std::size_t i) { return peakTime(m_samples, i, A); });
    const auto nearest = std::min_element(crests.begin(), crests.end(), [then](double u, double v) {
        return std::fabs(u - then) < std::fabs(v - then);
    });
    // More than a quarter of the crests' spacing away, it is none of B's: B is no wave that went
    // from A at the set speed (a standing wave, across a node).
    if (crests.size() > 1) {
        const auto next = nearest == crests.begin() ? nearest + 1 : nearest;
        if (std::fabs(*nearest - then) > (*next - *(next - 1)) / 4)
            return std::nullopt;
    }
    return behind(*nearest);
}

std::string Recording::toCsv() const
{
    std::string csv = std::string(csvHeader) + '\n';
    for (const Sample &s : m_samples)
        csv += french(s.t) + ';' + french(s.y[A]) + ';' + french(s.y[B]) + '\n';
    return csv;
}
