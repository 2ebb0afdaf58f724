#include "drawntiles.h"

#include <algorithm>
#include <utility>

DrawnTiles::DrawnTiles(QSize imageSize)
    : m_size(imageSize)
    , m_columns((imageSize.width() + tileWidth - 1) / tileWidth)
    , m_bands((imageSize.height() + tileHeight - 1) / tileHeight)
    , m_boxes(std::size_t(m_columns) * std::size_t(m_bands))
{ }

void DrawnTiles::add(const QRect &pixels)
{
    const int left = std::max(pixels.left(), 0);
    const int top = std::max(pixels.top(), 0);
    const int right = std::min(pixels.right() + 1, m_size.width());
    const int bottom = std::min(pixels.bottom() + 1, m_size.height());
    if (left >= right || top >= bottom)
        return;
    m_empty = false;
    for (int band = top / tileHeight; band <= (bottom - 1) / tileHeight; ++band) {
        Box *boxes = m_boxes.data() + std::size_t(band) * std::size_t(m_columns);
        const int bandTop = std::max(top, band * tileHeight);
        const int bandBottom = std::min(bottom, (band + 1) * tileHeight);
        for (int column = left / tileWidth; column <= (right - 1) / tileWidth; ++column)
            boxes[column].join({std::max(left, column * tileWidth), bandTop,
                                std::min(right, (column + 1) * tileWidth), bandBottom});
    }
}

QRegion DrawnTiles::take(QPoint offset)
{
    QRegion region;
    if (m_empty)
        return region;
    // Rectangles of one band share the band's changed rows, so that they come
    // sorted and banded as QRegion keeps them and the region is built in one
    // pass: merging them one by one cost more than the frame's copies.
    m_rects.clear();
    for (int band = 0; band < m_bands; ++band) {
        Box *boxes = m_boxes.data() + std::size_t(band) * std::size_t(m_columns);
        Box rows;
        for (int column = 0; column < m_columns; ++column)
            rows.join(boxes[column]);
        if (rows.isEmpty())
            continue;
        for (int column = 0; column < m_columns; ++column) {
            Box run = std::exchange(boxes[column], Box());
            if (run.isEmpty())
                continue;
            while (column + 1 < m_columns && !boxes[column + 1].isEmpty())
                run.join(std::exchange(boxes[++column], Box()));
            m_rects.emplace_back(run.left + offset.x(), rows.top + offset.y(), run.right - run.left,
                                 rows.bottom - rows.top);
        }
    }
    m_empty = true;
    region.setRects(m_rects.data(), int(m_rects.size()));
    return region;
}
