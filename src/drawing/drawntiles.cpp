#include "drawntiles.h"

#include <algorithm>

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

void DrawnTiles::clear()
{
    if (m_empty)
        return;
    std::fill(m_boxes.begin(), m_boxes.end(), Box());
    m_empty = true;
}

QRegion DrawnTiles::region() const
{
    QRegion region;
    for (int band = 0; band < m_bands && !m_empty; ++band) {
        const Box *boxes = m_boxes.data() + std::size_t(band) * std::size_t(m_columns);
        for (int column = 0; column < m_columns; ++column) {
            Box run = boxes[column];
            if (run.isEmpty())
                continue;
            while (column + 1 < m_columns && !boxes[column + 1].isEmpty())
                run.join(boxes[++column]);
            region += QRect(run.left, run.top, run.right - run.left, run.bottom - run.top);
        }
    }
    return region;
}
