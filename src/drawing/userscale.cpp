#include "userscale.h"

UserScale UserScale::fromExtent(double left, double top, double width, double height,
                                double clientWidthTwips, double clientHeightTwips)
{
    return UserScale(left, top, clientWidthTwips / width, clientHeightTwips / height);
}

float UserScale::widthToPixels(float width) const
{
    return float(Twips::toPixelsExact(double(width) * m_unitX));
}

QPointF UserScale::toUser(QPointF pixels) const
{
    return QPointF(m_left + pixels.x() * Twips::perPixel / m_unitX,
                   m_top + pixels.y() * Twips::perPixel / m_unitY);
}
