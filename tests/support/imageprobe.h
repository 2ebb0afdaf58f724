#pragma once

#include "controls/controls.h"
#include "drawing/drawingsurface.h"

#include <QImage>
#include <QRectF>
#include <QStringList>
#include <QStyle>

#include <functional>

// Helpers the widget tests share: colours counted on a picture, scroll bars clicked.
namespace Probe {

struct Pixels
{
    int count = 0;
    QRect bounds; // the smallest rectangle holding them (empty if none)
};
// The pixels of `image` inside `area` (all of it if null) that `wanted` accepts, or of exactly
// that colour.
Pixels matching(const QImage &image, const std::function<bool(QPoint, QRgb)> &wanted,
                const QRect &area = QRect());
Pixels matching(const QImage &image, const QColor &color, const QRect &area = QRect());

// On `surface`, at user points: the pixels of that colour in the box from (x1, y1) to (x2, y2);
// the colour at (x, y); whether that colour lies within `radius` pixels of it; where it is on the
// widget, as a click there gives it.
int countIn(const DrawingSurface &surface, float x1, float y1, float x2, float y2,
            const QColor &color);
QColor pixel(const DrawingSurface &surface, float x, float y);
bool near(const DrawingSurface &surface, float x, float y, const QColor &color, int radius = 1);
QPoint onScreen(const DrawingSurface &surface, float x, float y);

// Pixels of that colour on `image` that `reference` does not have there.
int extra(const QImage &image, const QImage &reference, const QColor &color);

// Pixels of that colour on `surface` that the polyline through `points` (user units), drawn alone
// two pixels wide, does not have there: what earlier frames left behind.
int ghosts(const DrawingSurface &surface, const QList<QPointF> &points, const QColor &color);
// The polyline through y[0] to y[last] at x = 0, step, 2 step...
template<class Y> QList<QPointF> polyline(const Y &y, int last, double step = 1)
{
    QList<QPointF> points;
    for (int i = 0; i <= last; ++i)
        points << QPointF(i * step, y[i]);
    return points;
}

// Where a part of the scroll bar stands (arrows, thumb, trough on either side).
QRect part(ScrollBar &bar, QStyle::SubControl control);

// The number, with a French decimal comma, that `text` shows between `before` and a space and
// `unit` (a whole unit: "m" is not "m/s"); NaN if none.
double readout(const QString &text, const QString &before, const QString &unit);

// Once the event loop runs (inside a modal box's own), accepts that box and keeps its text;
// `whole` tells whether the box's label has the room its text needs, wrapped as it wraps it.
void acceptMessageBox(QObject *context, QString &text, bool *whole = nullptr);

// Where a control inks by itself (unlike its top-left corner), in its parent's coordinates.
QRect ink(QWidget &widget);

// The faults a reader would see in `window`'s captions, one a line: shrunk; closer than a word
// space (3 px; two under buttons) to another caption or to a control after it on its row; not
// level with a scroll bar, check box or option button beside it; a shape's colour outside it.
QStringList captionFaults(QWidget &window);

} // namespace Probe
