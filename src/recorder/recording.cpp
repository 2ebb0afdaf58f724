#include "recording.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

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

std::optional<double> fromFrench(std::string field)
{
    if (field.empty())
        return nan;
    for (char &c : field) {
        if (c == ',')
            c = '.';
    }
    char *end = nullptr;
    const double v = std::strtod(field.c_str(), &end);
    if (end != field.c_str() + field.size())
        return std::nullopt;
    return v;
}

} // namespace

void Recording::add(double t, double yA, double yB, double step)
{
    const bool jump = step > 0.0 && !m_samples.empty()
        && std::fabs(t - (m_samples.back().t + step)) > 1e-9 * std::max(1.0, std::fabs(t));
    const bool newTrace = m_cut || m_samples.empty() || !(t > m_samples.back().t) || jump;
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

// The latest extremum of point p in [first, before) whose sign is `sign`
// (0: either) and whose size is at least half the largest of the trace, so
// that the ripples of a pulse's tail do not count: its sample index.
template<typename Samples>
std::optional<std::size_t> latestExtremum(const Samples &s, std::size_t first, std::size_t before,
                                          int p, int sign)
{
    double largest = 0.0;
    for (std::size_t i = first; i < s.size(); ++i)
        largest = std::max(largest, std::fabs(s[i].y[p]));
    if (!(largest > 0.0))
        return std::nullopt;
    for (std::size_t i = std::min(before, s.size() - 1); i > first + 1; --i) {
        const std::size_t k = i - 1;
        const double y = s[k].y[p];
        const bool peak = (y > 0 ? y >= s[k - 1].y[p] && y > s[k + 1].y[p]
                                 : y <= s[k - 1].y[p] && y < s[k + 1].y[p]);
        if (peak && std::fabs(y) >= largest / 2 && (sign == 0 || (y > 0) == (sign > 0)))
            return k;
    }
    return std::nullopt;
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

std::optional<double> Recording::delay() const
{
    const std::size_t first = lastTrace();
    const auto b = latestExtremum(m_samples, first, m_samples.size() - 1, B, 0);
    if (!b)
        return std::nullopt;
    const int sign = m_samples[*b].y[B] > 0 ? 1 : -1;
    const auto a = latestExtremum(m_samples, first, *b + 1, A, sign);
    if (!a)
        return std::nullopt;
    return peakTime(m_samples, *b, B) - peakTime(m_samples, *a, A);
}

std::string Recording::toCsv() const
{
    std::string csv = "t (s);yA (mm);yB (mm)\n";
    for (const Sample &s : m_samples)
        csv += french(s.t) + ';' + french(s.y[A]) + ';' + french(s.y[B]) + '\n';
    return csv;
}

std::optional<std::vector<Recording::Sample>> Recording::fromCsv(const std::string &text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != "t (s);yA (mm);yB (mm)")
        return std::nullopt;
    std::vector<Sample> samples;
    while (std::getline(in, line)) {
        std::array<std::string, 3> fields;
        std::size_t start = 0;
        for (int f = 0; f < 3; ++f) {
            const std::size_t end = f < 2 ? line.find(';', start) : line.size();
            if (end == std::string::npos)
                return std::nullopt;
            fields[f] = line.substr(start, end - start);
            start = end + 1;
        }
        const auto t = fromFrench(fields[0]);
        const auto yA = fromFrench(fields[1]);
        const auto yB = fromFrench(fields[2]);
        if (!t || !yA || !yB || std::isnan(*t))
            return std::nullopt;
        samples.push_back({*t, {*yA, *yB}, samples.empty() || !(*t > samples.back().t)});
    }
    return samples;
}
