#include "drawingsurface.h"

#include "linerasterizer.h"
#include "picturedescription.h"
#include "twips.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

int borderWidth(DrawingSurface::Border border)
{
    switch (border) {
    case DrawingSurface::Border::None:
        return 0;
    case DrawingSurface::Border::Flat:
        return 1;
    case DrawingSurface::Border::Sunken:
        return 2;
    }
    return 0;
}

qreal screenRatio(const QWidget *widget)
{
    if (widget)
        return widget->devicePixelRatioF();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

DrawingSurface::DrawingSurface(QWidget *parent, int left, int top, int width, int height,
                               const QColor &background, Border border)
    : QWidget(parent)
    , m_background(background)
    , m_border(border)
{
    setGeometry(Twips::rect(left, top, width, height));
    const int b = borderWidth(border);
    m_client = QRect(b, b, this->width() - 2 * b, this->height() - 2 * b);
    const qreal ratio = screenRatio(parent);
    m_image = QImage(
        QSize(int(std::ceil(m_client.width() * ratio)), int(std::ceil(m_client.height() * ratio))),
        QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(m_background);
    m_drawn = DrawnTiles(m_image.size());
    m_changedSinceTaken = m_image.rect();
    setDrawWidth(m_drawWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingSurface::describe(const QString &name, std::function<QString()> description)
{
    m_description = new PictureDescription(this, name, std::move(description));
}

void DrawingSurface::setDrawWidth(int pixels)
{
    m_drawWidth = pixels;
    m_lineWidth = int(std::lround(pixels * m_image.devicePixelRatio()));
}

DrawingSurface::~DrawingSurface() = default;

QPainter &DrawingSurface::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
    return *m_painter;
}

void DrawingSurface::endPainting() const
{
    m_painter.reset();
}

const QImage &DrawingSurface::image() const
{
    endPainting();
    return m_image;
}

void DrawingSurface::setPen(const QColor &color, int width)
{
    QPen pen(color);
    pen.setWidthF(std::max(width, 1));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter().setPen(pen);
}

void DrawingSurface::Cls()
{
    endPainting();
    m_image.fill(m_background);
    scheduleRepaint(m_image.rect());
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2, const QColor &color)
{
    // Lines are rasterised straight into the image: exact overdraw, and cheap
    // enough for the hundreds of segments of every frame.
    endPainting();
    const qreal ratio = m_image.devicePixelRatio();
    scheduleRepaint(drawAliasedLine(m_image, m_scale.toPixels(x1, y1) * ratio,
                                    m_scale.toPixels(x2, y2) * ratio, m_lineWidth, color.rgb(),
                                    m_lineClip));
}

void DrawingSurface::LineBoxFilled(float x1, float y1, float x2, float y2, const QColor &color)
{
    const QPointF a = m_scale.toPixels(x1, y1);
    const QPointF b = m_scale.toPixels(x2, y2);
    // Both corners belong to the box: round outward to whole pixels.
    const QRectF box(
        QPointF(std::floor(std::min(a.x(), b.x())), std::floor(std::min(a.y(), b.y()))),
        QPointF(std::floor(std::max(a.x(), b.x())) + 1.0,
                std::floor(std::max(a.y(), b.y())) + 1.0));
    painter().fillRect(box, color);
    scheduleRepaint(devicePixels(box, 0));
}

void DrawingSurface::Circle(float x, float y, float radius, const QColor &outline)
{
    setPen(outline, m_drawWidth);
    QPainter &p = painter();
    p.setBrush(m_fillSolid ? QBrush(m_fillColor) : QBrush(Qt::NoBrush));
    const float r = m_scale.widthToPixels(radius);
    const QPointF centre = m_scale.toPixels(x, y);
    p.drawEllipse(centre, r, r);
    p.setBrush(Qt::NoBrush);
    scheduleRepaint(
        devicePixels(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), m_drawWidth));
}

QRect DrawingSurface::devicePixels(const QRectF &pixels, int pen) const
{
    const qreal ratio = m_image.devicePixelRatio();
    const qreal margin = pen / 2.0 + 1; // the pen's half width and antialiasing
    const QRectF box = pixels.adjusted(-margin, -margin, margin, margin);
    return QRectF(box.topLeft() * ratio, box.bottomRight() * ratio).toAlignedRect()
        & m_image.rect();
}

void DrawingSurface::scheduleRepaint(const QRect &changed)
{
    if (changed.isEmpty())
        return;
    m_drawn.add(changed);
    m_changedSinceTaken |= changed;
    // A hidden surface is painted anyway when it is shown. The repaint is
    // asked once the drawing in progress (a whole frame) is over.
    if (!m_repaintPending && isVisible()) {
        m_repaintPending = true;
        QMetaObject::invokeMethod(this, &DrawingSurface::repaintChanged, Qt::QueuedConnection);
    }
}

void DrawingSurface::repaintChanged()
{
    m_repaintPending = false;
    // Only what the frame's drawings changed, in a few small rectangles,
    // each a plain copy.
    const qreal ratio = m_image.devicePixelRatio();
    const QRegion changed = m_drawn.take(ratio == 1.0 ? m_client.topLeft() : QPoint());
    if (changed.isEmpty())
        return;
    if (ratio == 1.0) {
        update(changed);
    } else {
        // Each rectangle widened to whole logical pixels; neighbouring bands
        // may then overlap, so the region is merged rectangle by rectangle.
        QRegion logical;
        for (const QRect &r : changed)
            logical += QRectF(QPointF(r.topLeft()) / ratio,
                              QPointF(r.bottomRight() + QPoint(1, 1)) / ratio)
                           .toAlignedRect();
        update(logical.translated(m_client.topLeft()));
    }
    if (m_description)
        m_description->changed();
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    endPainting();
    QPainter p(this);
    if (!m_client.contains(event->rect()))
        paintBorder(p);
    // Only what the event asks for: the image already has the backing
    // store's format, so each rectangle is a plain copy.
    const qreal ratio = m_image.devicePixelRatio();
    // At a fractional scale (--zoom 1,7) a rectangle's edges fall inside
    // device pixels, which the scaled copy may leave out: they get the
    // background first rather than what the window's buffer held.
    const qreal shown = p.deviceTransform().m11();
    const bool fractional = shown != std::floor(shown);
    for (const QRect &r : event->region()) {
        const QRect target = r & m_client;
        if (target.isEmpty())
            continue;
        if (fractional)
            p.fillRect(target, m_background);
        const QRectF source(QPointF(target.topLeft() - m_client.topLeft()) * ratio,
                            QSizeF(target.size()) * ratio);
        p.drawImage(QRectF(target), m_image, source);
    }
    emit paintedOver(p);
}

void DrawingSurface::paintBorder(QPainter &p) const
{
    // The surface is opaque: every border pixel is painted here, or the
    // screen would show whatever the window's buffer last held there. The
    // rings are filled bands one logical pixel wide, which tile the border
    // without a gap at any scale factor (lines would leave device pixels out
    // at a fractional one).
    const auto ring = [&p](const QRect &r, const QColor &shade, const QColor &light) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), shade);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), shade);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), light);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), light);
    };
    const QRect r = rect();
    switch (m_border) {
    case Border::None:
        break;
    case Border::Flat:
        ring(r, Qt::black, Qt::black);
        break;
    case Border::Sunken:
        // Two rings lit from the top left: dark above and left, light below
        // and right.
        ring(r, QColor(128, 128, 128), Qt::white);
        ring(r.adjusted(1, 1, -1, -1), QColor(64, 64, 64), QColor(212, 208, 200));
        break;
    }
}
