#include "linerasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Liang–Barsky clipping of the segment a→b to the box [lo, hi] on both axes;
// false when nothing of it lies inside.
bool clipSegment(double &ax, double &ay, double &bx, double &by, double loX, double loY, double hiX,
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

// floor(v) for the ends of a clipped segment, well within the range of an
// int: a conversion and a compare instead of the library's general floor
// (several a line, every frame).
int floorToInt(double v)
{
    const int truncated = int(v);
    return v < truncated ? truncated - 1 : truncated;
}

// The pixel holding a pen corner at v. A value within 10⁻³ pixel of a pixel
// boundary counts as on it: the two ends of a line meant to be vertical or
// horizontal may straddle a boundary by a few 10⁻⁴ pixel (single precision,
// or π taken as 3.1416 in an angle), and rounding them apart would step the
// line sideways halfway along.
int firstPixel(double v)
{
    // The nearest integer as floor(v + 0.5): it differs from round(v) only
    // at ties, half a pixel from any boundary, where v is taken down anyway.
    const int nearest = floorToInt(v + 0.5);
    return std::abs(v - nearest) < 1e-3 ? nearest : floorToInt(v);
}

} // namespace

QRect drawAliasedLine(QImage &image, QPointF from, QPointF to, int width, QRgb color,
                      const std::optional<QRect> &clip)
{
    double ax = from.x();
    double ay = from.y();
    double bx = to.x();
    double by = to.y();
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by))
        return {};
    const int w = width < 1 ? 1 : width;
    const int imageWidth = image.width();
    const int imageHeight = image.height();
    // The walk is clipped to the image, never to `clip`, so that it steps
    // through the same pixels whatever part of the line is kept.
    const double loX = -w;
    const double loY = -w;
    const double hiX = imageWidth + w;
    const double hiY = imageHeight + w;
    const auto inside = [](double v, double lo, double hi) { return v > lo && v < hi; };
    if (inside(ax, loX, hiX) && inside(bx, loX, hiX) && inside(ay, loY, hiY)
        && inside(by, loY, hiY)) {
        // Nothing to cut (most segments): the far end as the clipping
        // computes it, without its divisions.
        bx = ax + (bx - ax);
        by = ay + (by - ay);
    } else if (!clipSegment(ax, ay, bx, by, loX, loY, hiX, hiY)) {
        return {};
    }
    const QRect kept = clip ? *clip & image.rect() : image.rect();
    if (kept.isEmpty())
        return {};
    const int keptLeft = kept.left();
    const int keptTop = kept.top();
    const int keptRight = kept.right() + 1; // past the last kept column
    const int keptBottom = kept.bottom() + 1;

    // The pen square covers the w pixels whose centres lie within w / 2 of the
    // point: the walk runs on the square's first pixel.
    const double offset = 0.5 - w / 2.0;
    int x0 = firstPixel(ax + offset);
    int y0 = firstPixel(ay + offset);
    const int x1 = firstPixel(bx + offset);
    const int y1 = firstPixel(by + offset);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    int error = dx + dy;

    QRgb *bits = reinterpret_cast<QRgb *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));

    if (y0 == y1 || x0 == x1) {
        // Along an axis (the driven string's grid, redrawn at every frame):
        // the pen's rows or columns run through in memory order, and only the
        // rows where a pixel changed count: a grid line drawn again over
        // itself changes nothing and asks for no repaint.
        const int left = std::max(std::min(x0, x1), keptLeft);
        const int right = std::max(left, std::min(std::max(x0, x1) + w, keptRight));
        const int top = std::max(std::min(y0, y1), keptTop);
        const int bottom = std::min(std::max(y0, y1) + w, keptBottom);
        int changedTop = -1; // none yet
        int changedBottom = -1;
        for (int y = top; y < bottom; ++y) {
            bool changed = false;
            for (QRgb *pixel = bits + y * stride + left; pixel < bits + y * stride + right;
                 ++pixel) {
                changed |= *pixel != color; // no branch: the write costs no more than the test
                *pixel = color;
            }
            if (changed) {
                if (changedTop < 0)
                    changedTop = y;
                changedBottom = y;
            }
        }
        if (changedTop < 0)
            return {}; // nothing changed, or nothing of the line is kept
        return QRect(QPoint(left, changedTop), QPoint(right - 1, changedBottom));
    }

    // Bresenham's walk from one end to the other, `plot` putting the pen
    // square at each step; what it may have changed is the box of its pen
    // squares.
    const auto walk = [&](auto plot) {
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
    };
    const int boxLeft = std::min(x0, x1);
    const int boxTop = std::min(y0, y1);
    const int boxRight = std::max(x0, x1) + w;
    const int boxBottom = std::max(y0, y1) + w;
    const int walkedLeft = std::max(boxLeft, keptLeft);
    const int walkedTop = std::max(boxTop, keptTop);
    const int walkedRight = std::min(boxRight, keptRight);
    const int walkedBottom = std::min(boxBottom, keptBottom);
    const QRect walked = walkedLeft < walkedRight && walkedTop < walkedBottom
        ? QRect(walkedLeft, walkedTop, walkedRight - walkedLeft, walkedBottom - walkedTop)
        : QRect();
    const auto square = [&](int px, int py) {
        QRgb *row = bits + py * stride + px;
        for (int y = 0; y < w; ++y, row += stride)
            std::fill(row, row + w, color);
    };
    if (boxLeft >= keptLeft && boxTop >= keptTop && boxRight <= keptRight
        && boxBottom <= keptBottom) {
        // Every pen square is kept (most segments): no clamping, and the
        // pens of one and two pixels written out directly.
        if (w == 1) {
            walk([&](int px, int py) { bits[py * stride + px] = color; });
        } else if (w == 2) {
            walk([&](int px, int py) {
                QRgb *row = bits + py * stride + px;
                row[0] = row[1] = color;
                row[stride] = row[stride + 1] = color;
            });
        } else {
            walk(square);
        }
        return walked;
    }
    walk([&](int px, int py) {
        if (px >= keptLeft && py >= keptTop && px + w <= keptRight && py + w <= keptBottom) {
            square(px, py);
            return;
        }
        const int left = std::max(px, keptLeft);
        const int right = std::min(px + w, keptRight);
        if (left >= right)
            return; // wholly beside what is kept
        const int bottom = std::min(py + w, keptBottom);
        for (int y = std::max(py, keptTop); y < bottom; ++y)
            std::fill(bits + y * stride + left, bits + y * stride + right, color);
    });
    return walked;
}
