#include "shapecontrol.h"

#include "drawingsurface.h"
#include "twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

ShapeControl::ShapeControl(QWidget *parent, Kind kind, int left, int top, int width, int height,
                           const QColor &fill, const QColor &border)
    : QWidget(parent)
    , m_kind(kind)
    , m_fill(fill)
    , m_border(border)
{
    setGeometry(Twips::rect(left, top, width, height));
    m_left = left;
    m_top = top;
    // Shapes are decoration: clicks go to whatever lies under them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

ShapeControl::ShapeControl(DrawingSurface *surface, Kind kind, int left, int top, int width,
                           int height, const QColor &fill, const QColor &border)
    : ShapeControl(static_cast<QWidget *>(surface), kind, left, top, width, height, fill, border)
{
    m_surface = surface;
    m_origin = surface->clientRect().topLeft();
    move(pos() + surface->clientRect().topLeft());
    const QPointF user
        = surface->scale().toUser(QPointF(Twips::toPixelsExact(left), Twips::toPixelsExact(top)));
    m_left = user.x();
    m_top = user.y();
}

double ShapeControl::Left() const
{
    return m_left;
}

double ShapeControl::Top() const
{
    return m_top;
}

void ShapeControl::setLeft(double left)
{
    m_left = left;
    const int px = m_surface
        ? int(std::lround(m_origin.x() + m_surface->scale().xToPixels(float(left))))
        : Twips::toPixels(int(std::lround(left)));
    move(px, y());
}

void ShapeControl::setTop(double top)
{
    m_top = top;
    const int py = m_surface
        ? int(std::lround(m_origin.y() + m_surface->scale().yToPixels(float(top))))
        : Twips::toPixels(int(std::lround(top)));
    move(x(), py);
}

void ShapeControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(m_border.isValid() ? QPen(m_border) : QPen(Qt::NoPen));
    p.setBrush(m_fill);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    switch (m_kind) {
    case Kind::Rectangle:
        p.drawRect(r);
        break;
    case Kind::RoundedRectangle: {
        p.setRenderHint(QPainter::Antialiasing);
        const qreal radius = std::min(r.width(), r.height()) / 6.0;
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        break;
    }
    case Kind::Circle: {
        p.setRenderHint(QPainter::Antialiasing);
        const int side = std::min(r.width(), r.height());
        const QRectF square((r.width() - side) / 2.0 + 0.5, (r.height() - side) / 2.0 + 0.5,
                            side - 1.0, side - 1.0);
        p.drawEllipse(square);
        break;
    }
    }
}

LineControl::LineControl(QWidget *parent, int x1, int y1, int x2, int y2, const QColor &color,
                         int width)
    : QWidget(parent)
    , m_color(color)
    , m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place(QPoint(0, 0), x1, y1, x2, y2);
}

LineControl::LineControl(DrawingSurface *surface, int x1, int y1, int x2, int y2,
                         const QColor &color, int width)
    : QWidget(surface)
    , m_color(color)
    , m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place(surface->clientRect().topLeft(), x1, y1, x2, y2);
}

void LineControl::place(QPoint origin, int x1, int y1, int x2, int y2)
{
    const QPointF a = QPointF(Twips::toPixelsExact(x1), Twips::toPixelsExact(y1)) + origin;
    const QPointF b = QPointF(Twips::toPixelsExact(x2), Twips::toPixelsExact(y2)) + origin;
    // The widget covers the stroke with a margin of its width on every side.
    const QRect box
        = QRectF(a, b).normalized().toAlignedRect().adjusted(-m_width, -m_width, m_width, m_width);
    setGeometry(box);
    m_from = a - box.topLeft();
    m_to = b - box.topLeft();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPen pen(m_color);
    pen.setWidth(m_width);
    p.setPen(pen);
    p.drawLine(m_from, m_to);
}
