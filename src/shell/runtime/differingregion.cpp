#include "differingregion.h"

#include <algorithm>
#include <cstring>

DrawnTiles::DrawnTiles(QSize imageSize)
    : m_size(imageSize)
    , m_columns((imageSize.width() + tileWidth - 1) / tileWidth)
    , m_bands((imageSize.height() + tileHeight - 1) / tileHeight)
    , m_drawn(std::size_t(m_columns) * std::size_t(m_bands), 0)
{ }

void DrawnTiles::add(const QRect &pixels)
{
    const QRect r = pixels & QRect(QPoint(0, 0), m_size);
    if (r.isEmpty())
        return;
    m_empty = false;
    for (int band = r.top() / tileHeight; band <= r.bottom() / tileHeight; ++band) {
        char *row = m_drawn.data() + std::size_t(band) * std::size_t(m_columns);
        std::fill(row + r.left() / tileWidth, row + r.right() / tileWidth + 1, char(1));
    }
}

void DrawnTiles::clear()
{
    if (m_empty)
        return;
    std::fill(m_drawn.begin(), m_drawn.end(), char(0));
    m_empty = true;
}

QRegion DrawnTiles::differing(const QImage &now, const QImage &before) const
{
    QRegion region;
    // Per tile of the band: the box of its differing pixels (empty while it
    // has none).
    std::vector<QRect> boxes(static_cast<std::size_t>(m_columns));
    for (int band = 0; band < m_bands && !m_empty; ++band) {
        const char *drawn = m_drawn.data() + std::size_t(band) * std::size_t(m_columns);
        if (std::find(drawn, drawn + m_columns, char(1)) == drawn + m_columns)
            continue;
        const int top = band * tileHeight;
        const int bottom = std::min(top + tileHeight, m_size.height()) - 1;
        std::fill(boxes.begin(), boxes.end(), QRect());
        for (int y = top; y <= bottom; ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(now.constScanLine(y));
            const auto *b = reinterpret_cast<const QRgb *>(before.constScanLine(y));
            for (int c = 0; c < m_columns; ++c) {
                if (!drawn[c])
                    continue;
                // A run of drawn tiles is compared whole first: most rows of
                // it are unchanged.
                int end = c;
                while (end + 1 < m_columns && drawn[end + 1])
                    ++end;
                const int runLeft = c * tileWidth;
                const int runRight = std::min((end + 1) * tileWidth, m_size.width());
                if (std::memcmp(a + runLeft, b + runLeft,
                                std::size_t(runRight - runLeft) * sizeof(QRgb))
                    == 0) {
                    c = end;
                    continue;
                }
                for (; c <= end; ++c) {
                    const int x0 = c * tileWidth;
                    const int x1 = std::min(x0 + tileWidth, m_size.width());
                    int i = x0;
                    while (i < x1 && a[i] == b[i])
                        ++i;
                    if (i == x1)
                        continue;
                    int j = x1 - 1;
                    while (a[j] == b[j])
                        --j;
                    boxes[std::size_t(c)] |= QRect(QPoint(i, y), QPoint(j, y));
                }
                c = end;
            }
        }
        // Runs of neighbouring differing tiles make one rectangle each, the
        // box of their differing pixels.
        for (int c = 0; c < m_columns; ++c) {
            QRect run = boxes[std::size_t(c)];
            if (run.isEmpty())
                continue;
            while (c + 1 < m_columns && !boxes[std::size_t(c + 1)].isEmpty())
                run |= boxes[std::size_t(++c)];
            region += run;
        }
    }
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
