#pragma once

#include "drawntiles.h"
#include "userscale.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class PictureDescription;
class QPainter;

// A retained drawing surface (the picture box): what is drawn stays on its
// image until it is cleared or drawn over. Lines are aliased and their ends
// reach the surface in single precision, so drawing a line again in the
// background colour removes it pixel for pixel, which the animations rely on
// to erase the previous frame without clearing.
//
// The image is kept at the screen's device pixel ratio; user coordinates do
// not depend on it. Shape and line controls placed inside it are child
// widgets, drawn above the image.
class DrawingSurface : public QWidget
{
    Q_OBJECT

public:
    enum class Border { None, Flat, Sunken };

    // The outer rectangle in twips in the parent's client area; the client
    // area is what remains inside the border (1 pixel flat, 2 pixels sunken).
    DrawingSurface(QWidget *parent, int left, int top, int width, int height,
                   const QColor &background, Border border);

    void setScale(const UserScale &scale) { m_scale = scale; }
    const UserScale &scale() const { return m_scale; }

    void setForeColor(const QColor &color) { m_foreColor = color; }
    void setFillColor(const QColor &color) { m_fillColor = color; }
    // Circles are filled with the fill colour when true (solid fill style).
    void setFillSolid(bool solid) { m_fillSolid = solid; }
    // Pen width in logical pixels.
    void setDrawWidth(int pixels);

    // The client area's origin inside the widget and its size, in logical pixels.
    QRect clientRect() const { return m_client; }

    // Lines change only the device pixels inside `clip` (all of them without
    // one), each of them exactly as the whole line would.
    void setLineClip(const std::optional<QRect> &clip) { m_lineClip = clip; }
    // The device pixels changed since the last call (all of them at first):
    // where a window must draw a still layer again after its animation went
    // over it.
    QRect takeChangedArea() { return std::exchange(m_changedSinceTaken, QRect()); }

    void Cls();
    void Line(float x1, float y1, float x2, float y2, const QColor &color);
    // Filled box between two corners, both included.
    void LineBoxFilled(float x1, float y1, float x2, float y2, const QColor &color);
    // Circle of `radius` x units, outlined in `outline` and filled with the
    // fill colour when the fill is solid.
    void Circle(float x, float y, float radius, const QColor &outline);
    void Circle(float x, float y, float radius) { Circle(x, y, radius, m_foreColor); }

    // The picture as drawn (at the device pixel ratio), without the controls placed over it.
    const QImage &image() const;

    // Read by screen readers as an image named `name` showing what `description` says, told of a
    // change as frames are shown.
    void describe(const QString &name, std::function<QString()> description);

    ~DrawingSurface() override;

signals:
    // At the end of each repaint, with the widget's painter (logical pixels of the widget, clipped
    // to what is repainted): what goes over the picture without being part of it, as the marks of
    // the keyboard focus do.
    void paintedOver(QPainter &painter);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Painters on the surface start bare: its painting names every colour,
    // and copying the widget's palette, font and pen into each of the frames'
    // painters cost about a fortieth of the animation's processor.
    void initPainter(QPainter *) const override { }

private:
    // Drawing goes through one painter kept open between calls (a frame draws
    // hundreds of segments); it is closed before the image is read or shown.
    QPainter &painter();
    void endPainting() const;
    void setPen(const QColor &color, int width);
    // Adds `changed` (device pixels of the image) to what the next repaint
    // shows, and asks for that one repaint however many drawings follow
    // before it comes: only the pixels that changed reach the screen.
    void scheduleRepaint(const QRect &changed);
    void repaintChanged();
    void paintBorder(QPainter &p) const;
    // The device pixels of a user-space rectangle widened by the pen.
    QRect devicePixels(const QRectF &pixels, int pen) const;

    UserScale m_scale;
    QColor m_background;
    QColor m_foreColor = Qt::black;
    QColor m_fillColor = Qt::black;
    bool m_fillSolid = false;
    int m_drawWidth = 1;
    int m_lineWidth = 1; // the pen of lines, in device pixels
    Border m_border;
    QRect m_client;
    bool m_repaintPending = false;
    std::optional<QRect> m_lineClip;
    QRect m_changedSinceTaken;
    DrawnTiles m_drawn {QSize()}; // what was drawn on since the last repaint
    QImage m_image;
    mutable std::unique_ptr<QPainter> m_painter;
    PictureDescription *m_description = nullptr; // a child, once described
};
