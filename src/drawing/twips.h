#pragma once

#include <QRect>
#include <QSize>

// Positions and sizes are given in twips (1/1440 inch); at 96 logical dots per
// inch one logical pixel is 15 twips.
namespace Twips {

constexpr int perPixel = 15;

constexpr int toPixels(int twips)
{
    // Round half away from zero so that sizes like 127 twips give 8 pixels.
    return twips >= 0 ? (twips + perPixel / 2) / perPixel : -((-twips + perPixel / 2) / perPixel);
}

constexpr double toPixelsExact(double twips)
{
    return twips / perPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

} // namespace Twips
