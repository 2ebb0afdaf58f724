#pragma once

#include <QImage>
#include <QRegion>

#include <vector>

// The parts of an image drawn on since they were last compared with the
// screen, kept as tiles of 32 × 16 pixels: after a frame, only the tiles its
// strokes went over are compared, not the box around all of them.
class DrawnTiles
{
public:
    static constexpr int tileWidth = 32;
    static constexpr int tileHeight = 16;

    explicit DrawnTiles(QSize imageSize);

    // Marks the tiles `pixels` reaches.
    void add(const QRect &pixels);
    bool isEmpty() const { return m_empty; }
    void clear();

    // Where the drawn tiles of `now` differ from `before` (both of the size
    // given, 32 bits a pixel): in each band of tiles, one rectangle for each
    // run of neighbouring tiles that differ, the box of their differing
    // pixels. A few rectangles that hug what
    // changed, however many times it was drawn over in between.
    QRegion differing(const QImage &now, const QImage &before) const;

private:
    QSize m_size;
    int m_columns;
    int m_bands;
    std::vector<char> m_drawn; // a flag a tile, band after band
    bool m_empty = true;
};

// Copies the pixels of `rect` from `from` to `to` (same size and format).
void copyPixels(QImage &to, const QImage &from, const QRect &rect);
