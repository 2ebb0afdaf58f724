#include "placement.h"

#include <algorithm>
#include <initializer_list>
#include <tuple>
#include <vector>

namespace {

qint64 overlap(const QRect &a, const QRect &b)
{
    const QRect common = a & b;
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

// Pixels between two rectangles, across plus down; 0 when they touch or overlap.
int gap(const QRect &a, const QRect &b)
{
    const int across = std::max({0, b.left() - a.right() - 1, a.left() - b.right() - 1});
    const int down = std::max({0, b.top() - a.bottom() - 1, a.top() - b.bottom() - 1});
    return across + down;
}

// The starts, on one axis, of a length placed against each of these edges, kept on the area
// [first, last] as far as it fits.
std::vector<int> starts(int length, int first, int last, std::initializer_list<int> edges)
{
    std::vector<int> found;
    for (int edge : edges) {
        for (int start : {edge, edge - length})
            found.push_back(std::max(first, std::min(start, last + 1 - length)));
    }
    return found;
}

} // namespace

QPoint placeBeside(QSize size, const QRect &window, const QRect &picture, const QRect &area)
{
    // On each axis, the overlaps change slope only where an edge of the new window meets an edge
    // of the picture, of the window or of the area: the best place has both its coordinates
    // among those. The first edges tried put it to the right of the window, tops aligned.
    const int right = window.right() + 1;
    const int bottom = window.bottom() + 1;
    const std::vector<int> xs = starts(
        size.width(), area.left(), area.right(),
        {right, window.left(), picture.left(), picture.right() + 1, area.left(), area.right() + 1});
    const std::vector<int> ys = starts(
        size.height(), area.top(), area.bottom(),
        {window.top(), bottom, picture.top(), picture.bottom() + 1, area.top(), area.bottom() + 1});
    QRect best;
    std::tuple<qint64, qint64, int> bestCost {};
    for (int y : ys) {
        for (int x : xs) {
            const QRect here(QPoint(x, y), size);
            const std::tuple cost {overlap(here, picture), overlap(here, window),
                                   gap(here, window)};
            if (best.isNull() || cost < bestCost) {
                best = here;
                bestCost = cost;
            }
        }
    }
    return best.topLeft();
}
