#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

#include <optional>

// Draws an aliased straight line on an RGB32 image, both ends included, with
// a square pen of `width` device pixels centred on it. The ends are in device
// pixels (pixel i covers [i, i + 1)); the same line drawn twice covers exactly
// the same pixels, which is what erasing by overdraw needs. Segments far
// outside the image are clipped first, and non-finite ends draw nothing, so
// no coordinate can make the loop long. Only pixels inside `clip` change (any
// pixel of the image without one); inside it they are exactly those of the
// whole line. Returns a rectangle holding the pixels whose colour changed (empty
// when none did): what must be shown again.
QRect drawAliasedLine(QImage &image, QPointF from, QPointF to, int width, QRgb color,
                      const std::optional<QRect> &clip = std::nullopt);
