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
    const QRect r = pixels & QRect(QPoint(0, 0), m_size);
    if (r.isEmpty())
        return;
    m_empty = false;
    for (int band = r.top() / tileHeight; band <= r.bottom() / tileHeight; ++band) {
        for (int column = r.left() / tileWidth; column <= r.right() / tileWidth; ++column) {
            const QRect tile(column * tileWidth, band * tileHeight, tileWidth, tileHeight);
            m_boxes[std::size_t(band) * std::size_t(m_columns) + std::size_t(column)] |= r & tile;
        }
    }
}

void DrawnTiles::clear()
{
    if (m_empty)
        return;
    std::fill(m_boxes.begin(), m_boxes.end(), QRect());
    m_empty = true;
}

QRegion DrawnTiles::region() const
{
    QRegion region;
    for (int band = 0; band < m_bands && !m_empty; ++band) {
        const QRect *boxes = m_boxes.data() + std::size_t(band) * std::size_t(m_columns);
        for (int column = 0; column < m_columns; ++column) {
            QRect run = boxes[column];
            if (run.isEmpty())
                continue;
            while (column + 1 < m_columns && !boxes[column + 1].isEmpty())
                run |= boxes[++column];
            region += run;
        }
    }
    return region;
}
