#pragma once

#include <QImage>
#include <QRegion>

// The pixels of `within` where `now` differs from `before`, gathered in
// bands of `bandHeight` rows, each band running from its leftmost to its
// rightmost differing pixel: a few rectangles that hug what changed, however
// many times it was drawn over in between. Both images have the same size
// and a 32-bit format; `within` is in their pixels.
QRegion differingRegion(const QImage &now, const QImage &before, const QRect &within,
                        int bandHeight);

// Copies the pixels of `rect` from `from` to `to` (same size and format).
void copyPixels(QImage &to, const QImage &from, const QRect &rect);
