#pragma once

#include "twips.h"

#include <QPointF>

// User coordinates of a drawing surface: the top-left corner of the client
// area is (scaleLeft, scaleTop) and one user unit spans unitX twips across
// and unitY twips down (negative to make y grow upward; every surface here
// has y growing downward). Maps user points to logical pixels of the client
// area, in single precision as the drawing operations receive them.
class UserScale
{
public:
    constexpr UserScale() = default;
    constexpr UserScale(double scaleLeft, double scaleTop, double unitXTwips, double unitYTwips)
        : m_left(scaleLeft)
        , m_top(scaleTop)
        , m_unitX(unitXTwips)
        , m_unitY(unitYTwips)
    { }

    // A scale whose client area of clientWidthTwips × clientHeightTwips spans
    // `width` × `height` user units from (left, top).
    static UserScale fromExtent(double left, double top, double width, double height,
                                double clientWidthTwips, double clientHeightTwips);

    // Inline: every segment of every frame converts its two ends.
    float xToPixels(float x) const
    {
        return float(Twips::toPixelsExact((double(x) - m_left) * m_unitX));
    }
    float yToPixels(float y) const
    {
        return float(Twips::toPixelsExact((double(y) - m_top) * m_unitY));
    }
    QPointF toPixels(float x, float y) const { return QPointF(xToPixels(x), yToPixels(y)); }
    // A length along x in user units, in pixels (used for circle radii).
    float widthToPixels(float width) const;
    QPointF toUser(QPointF pixels) const;

private:
    double m_left = 0.0;
    double m_top = 0.0;
    double m_unitX = 15.0;
    double m_unitY = 15.0;
};
