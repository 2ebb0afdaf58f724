#include "differingregion.h"

#include <QList>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Columns are compared 32 pixels at a time: a band's rectangles break where
// a whole chunk of columns is unchanged, so three curves far apart give three
// rectangles, not one spanning the picture.
constexpr int chunkWidth = 32;

bool sameRow(const QRgb *a, const QRgb *b, int n)
{
    return std::memcmp(a, b, std::size_t(n) * sizeof(QRgb)) == 0;
}

} // namespace

QRegion differingRegion(const QImage &now, const QImage &before, const QRect &within,
                        int bandHeight)
{
    const QRect area = within & now.rect() & before.rect();
    QRegion region;
    if (area.isEmpty())
        return region;
    const int left = area.left();
    const int width = area.width();
    const int chunks = (width + chunkWidth - 1) / chunkWidth;
    // Per chunk of the band: its first and last differing column (first > last
    // while it has none).
    std::vector<int> first(std::size_t(chunks), 0);
    std::vector<int> last(std::size_t(chunks), 0);
    QList<QRect> rects;
    for (int bandTop = area.top(); bandTop <= area.bottom(); bandTop += bandHeight) {
        const int bandBottom = std::min(bandTop + bandHeight - 1, area.bottom());
        std::fill(first.begin(), first.end(), width);
        std::fill(last.begin(), last.end(), -1);
        bool changed = false;
        for (int y = bandTop; y <= bandBottom; ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(now.constScanLine(y)) + left;
            const auto *b = reinterpret_cast<const QRgb *>(before.constScanLine(y)) + left;
            if (sameRow(a, b, width)) // most rows are untouched
                continue;
            changed = true;
            for (int c = 0; c < chunks; ++c) {
                const int x0 = c * chunkWidth;
                const int x1 = std::min(x0 + chunkWidth, width);
                if (sameRow(a + x0, b + x0, x1 - x0))
                    continue;
                int i = x0;
                while (a[i] == b[i])
                    ++i;
                int j = x1 - 1;
                while (a[j] == b[j])
                    --j;
                first[std::size_t(c)] = std::min(first[std::size_t(c)], i);
                last[std::size_t(c)] = std::max(last[std::size_t(c)], j);
            }
        }
        if (!changed)
            continue;
        // Runs of neighbouring changed chunks make one rectangle each.
        for (int c = 0; c < chunks; ++c) {
            if (last[std::size_t(c)] < 0)
                continue;
            const int runFirst = first[std::size_t(c)];
            while (c + 1 < chunks && last[std::size_t(c + 1)] >= 0)
                ++c;
            rects.append(QRect(QPoint(left + runFirst, bandTop),
                               QPoint(left + last[std::size_t(c)], bandBottom)));
        }
    }
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}

void copyPixels(QImage &to, const QImage &from, const QRect &rect)
{
    const QRect r = rect & to.rect() & from.rect();
    if (r.isEmpty())
        return;
    const int depth = to.depth() / 8;
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(to.scanLine(y) + r.left() * depth, from.constScanLine(y) + r.left() * depth,
                    std::size_t(r.width()) * depth);
}
