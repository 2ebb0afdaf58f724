#include "linerasterizer.h"

#include <cmath>
#include <cstdlib>

namespace {

// Liang–Barsky clipping of the segment a→b to the box [lo, hi] on both axes;
// false when nothing of it lies inside.
bool clip(double &ax, double &ay, double &bx, double &by, double loX, double loY, double hiX,
          double hiY)
{
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = bx - ax;
    const double dy = by - ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax - loX, hiX - ax, ay - loY, hiY - ay};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0) {
            if (t > t1)
                return false;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return false;
            if (t < t1)
                t1 = t;
        }
    }
    const double cx = ax + t0 * dx;
    const double cy = ay + t0 * dy;
    bx = ax + t1 * dx;
    by = ay + t1 * dy;
    ax = cx;
    ay = cy;
    return true;
}

} // namespace

void drawAliasedLine(QImage &image, QPointF from, QPointF to, int width, QRgb color)
{
    double ax = from.x();
    double ay = from.y();
    double bx = to.x();
    double by = to.y();
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by))
        return;
    const int w = width < 1 ? 1 : width;
    const int imageWidth = image.width();
    const int imageHeight = image.height();
    if (!clip(ax, ay, bx, by, -w, -w, imageWidth + w, imageHeight + w))
        return;

    // The pen square covers the w pixels whose centres lie within w / 2 of the
    // point: the walk runs on the square's first pixel.
    const double offset = 0.5 - w / 2.0;
    int x0 = int(std::floor(ax + offset));
    int y0 = int(std::floor(ay + offset));
    const int x1 = int(std::floor(bx + offset));
    const int y1 = int(std::floor(by + offset));
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    int error = dx + dy;

    QRgb *bits = reinterpret_cast<QRgb *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    const auto plot = [&](int px, int py) {
        for (int y = py; y < py + w; ++y) {
            if (y < 0 || y >= imageHeight)
                continue;
            QRgb *line = bits + y * stride;
            for (int x = px; x < px + w; ++x) {
                if (x >= 0 && x < imageWidth)
                    line[x] = color;
            }
        }
    };

    // Bresenham's walk from one end to the other.
    for (;;) {
        plot(x0, y0);
        if (x0 == x1 && y0 == y1)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}
