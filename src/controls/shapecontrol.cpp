#include "shapecontrol.h"

#include "drawing/drawingsurface.h"
#include "drawing/twips.h"

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
    // Shapes are decoration: clicks go to whatever lies under them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

ShapeControl *ShapeControl::inPicture(DrawingSurface *picture, Kind kind, int left, int top,
                                      int width, int height, const QColor &fill,
                                      const QColor &border)
{
    auto *shape = new ShapeControl(static_cast<QWidget *>(picture), kind, left, top, width, height,
                                   fill, border);
    shape->m_surface = picture;
    shape->m_origin = picture->clientRect().topLeft();
    shape->move(shape->pos() + shape->m_origin.toPoint());
    return shape;
}

void ShapeControl::setLeft(double left)
{
    const int px = m_surface
        ? int(std::lround(m_origin.x() + m_surface->scale().xToPixels(float(left))))
        : Twips::toPixels(int(std::lround(left)));
    move(px, y());
}

void ShapeControl::setTop(double top)
{
    const int py = m_surface
        ? int(std::lround(m_origin.y() + m_surface->scale().yToPixels(float(top))))
        : Twips::toPixels(int(std::lround(top)));
    move(x(), py);
}

void ShapeControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (m_kind == Kind::Rectangle) {
        // The pixels of a rectangle stroked with a one-pixel pen, in plain
        // fills (the vibrator's is painted at every frame): the fill leaves
        // the last column and row to what lies under it, the border rings
        // the whole widget.
        p.fillRect(r, m_fill);
        if (m_border.isValid()) {
            const int w = width();
            const int h = height();
            p.fillRect(QRect(0, 0, w, 1), m_border);
            p.fillRect(QRect(0, h - 1, w, 1), m_border);
            p.fillRect(QRect(0, 1, 1, h - 2), m_border);
            p.fillRect(QRect(w - 1, 1, 1, h - 2), m_border);
        }
        return;
    }
    p.setPen(m_border.isValid() ? QPen(m_border) : QPen(Qt::NoPen));
    p.setBrush(m_fill);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_kind == Kind::RoundedRectangle) {
        const qreal radius = std::min(r.width(), r.height()) / 6.0;
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        return;
    }
    const int side = std::min(r.width(), r.height());
    const QRectF square((r.width() - side) / 2.0 + 0.5, (r.height() - side) / 2.0 + 0.5, side - 1.0,
                        side - 1.0);
    p.drawEllipse(square);
}

LineControl::LineControl(QWidget *parent, int x1, int y1, int x2, int y2, const QColor &color,
                         int width)
    : QWidget(parent)
    , m_end1(x1, y1)
    , m_end2(x2, y2)
    , m_color(color)
    , m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

LineControl::LineControl(DrawingSurface *surface, int x1, int y1, int x2, int y2,
                         const QColor &color, int width)
    : QWidget(surface)
    , m_origin(surface->clientRect().topLeft())
    , m_end1(x1, y1)
    , m_end2(x2, y2)
    , m_color(color)
    , m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void LineControl::setX2(int x2)
{
    if (x2 == m_end2.x())
        return;
    m_end2.setX(x2);
    place();
    update();
}

void LineControl::place()
{
    const auto toPixels = [this](QPoint twips) {
        return QPointF(Twips::toPixelsExact(twips.x()), Twips::toPixelsExact(twips.y())) + m_origin;
    };
    const QPointF a = toPixels(m_end1);
    const QPointF b = toPixels(m_end2);
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
