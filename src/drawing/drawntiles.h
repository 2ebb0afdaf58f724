#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <algorithm>
#include <vector>

// What an image's drawings changed since the last repaint, kept per tile of
// 32 × 16 pixels as the box of the changes inside it: the repaint after a
// frame covers the few rectangles its strokes went over, not the box around
// all of them (three curves far apart, or a string across a picture whose
// other rows did not change).
class DrawnTiles
{
public:
    static constexpr int tileWidth = 32;
    static constexpr int tileHeight = 16;

    explicit DrawnTiles(QSize imageSize);

    // Adds pixels that changed.
    void add(const QRect &pixels);

    // The changes since the last call, moved by `offset`, and forgets them.
    // In each band of tiles, one rectangle for each run of neighbouring tiles
    // holding changes: the columns the run's changes span, over the rows the
    // band's changes span.
    QRegion take(QPoint offset);

private:
    // A box of pixels, its right and bottom ends excluded; empty when
    // left >= right. Plain integers: a frame adds hundreds of boxes.
    struct Box
    {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;

        bool isEmpty() const { return left >= right; }
        // The box around both; an empty box adds nothing.
        void join(const Box &other)
        {
            if (other.isEmpty())
                return;
            if (isEmpty()) {
                *this = other;
                return;
            }
            left = std::min(left, other.left);
            top = std::min(top, other.top);
            right = std::max(right, other.right);
            bottom = std::max(bottom, other.bottom);
        }
    };

    QSize m_size;
    int m_columns;
    int m_bands;
    std::vector<Box> m_boxes; // a box a tile, band after band
    std::vector<QRect> m_rects; // kept between frames for its capacity
    bool m_empty = true;
};
