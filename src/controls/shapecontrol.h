#pragma once

#include "drawing/userscale.h"

#include <QColor>
#include <QWidget>

class DrawingSurface;

// A shape control: rectangle, rounded rectangle or circle, filled opaque and
// outlined. It moves in the units of its container: twips on a window, user
// units inside a drawing surface (made with inPicture).
class ShapeControl : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Rectangle, RoundedRectangle, Circle };

    // Placed on a window (or a plain container) at a rectangle in twips.
    ShapeControl(QWidget *parent, Kind kind, int left, int top, int width, int height,
                 const QColor &fill, const QColor &border);
    // Placed inside a drawing surface at a rectangle in twips of its client
    // area; it then moves in the surface's user units.
    static ShapeControl *inPicture(DrawingSurface *picture, Kind kind, int left, int top, int width,
                                   int height, const QColor &fill, const QColor &border);
    // Inside a picture the units differ from a window's: use inPicture.
    ShapeControl(DrawingSurface *, Kind, int, int, int, int, const QColor &, const QColor &)
        = delete;

    // Moves the left or top edge to that abscissa or ordinate.
    void setLeft(double left);
    void setTop(double top);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The painting names its colours: painters start without the widget's
    // palette, font and pen (shapes over a picture are painted with its frames).
    void initPainter(QPainter *) const override { }

private:
    Kind m_kind;
    QColor m_fill;
    QColor m_border;
    DrawingSurface *m_surface = nullptr;
    QPointF m_origin; // logical pixels of the container's client origin
};

// A line control: a straight stroke between two points given in twips of its
// container's client area.
class LineControl : public QWidget
{
    Q_OBJECT

public:
    LineControl(QWidget *parent, int x1, int y1, int x2, int y2, const QColor &color, int width);
    LineControl(DrawingSurface *surface, int x1, int y1, int x2, int y2, const QColor &color,
                int width);

    // Moves the second end across, in twips like the constructor's.
    void setX2(int x2);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The painting names its colours: painters start without the widget's
    // palette, font and pen (shapes over a picture are painted with its frames).
    void initPainter(QPainter *) const override { }

private:
    void place();

    QPoint m_origin; // the container's client corner, in logical pixels
    QPoint m_end1; // twips
    QPoint m_end2; // twips
    QPointF m_from;
    QPointF m_to;
    QColor m_color;
    int m_width;
};
