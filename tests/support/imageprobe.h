#pragma once

#include "controls.h"
#include "drawingsurface.h"

#include <QImage>
#include <QRectF>
#include <QStringList>
#include <QStyle>

#include <functional>

// Helpers the widget tests share: counting colours on a picture and clicking
// the parts of a scroll bar as a user does.
namespace Probe {

struct Pixels
{
    int count = 0;
    QRect bounds; // the smallest rectangle holding them (empty if none)
};
// The pixels of `image` inside `area` (all of it if null) that `wanted` accepts.
Pixels matching(const QImage &image, const std::function<bool(QPoint, QRgb)> &wanted,
                const QRect &area = QRect());

// The pixels of `image` with exactly that colour.
Pixels matching(const QImage &image, const QColor &color);

// Pixels of that colour on `surface` inside the user-coordinate box between
// (x1, y1) and (x2, y2).
int countIn(const DrawingSurface &surface, float x1, float y1, float x2, float y2,
            const QColor &color);

// Pixels of that colour on `image` that `reference` does not have there.
int extra(const QImage &image, const QImage &reference, const QColor &color);

// Whether a pixel of that colour lies within `radius` pixels of the user point (x, y).
bool near(const DrawingSurface &surface, float x, float y, const QColor &color, int radius = 1);

// Where a part of the scroll bar stands (arrows, thumb, trough on either side).
QRect part(ScrollBar &bar, QStyle::SubControl control);
// A left-button click in the middle of that part.
void click(ScrollBar &bar, QStyle::SubControl control);

// Once the event loop runs (inside a modal box's own loop), accepts the
// modal message box open then and keeps its text in `text`.
void acceptMessageBox(QObject *context, QString &text);

// Where a control puts ink by itself, in its parent's coordinates: the
// pixels unlike its top-left corner, which is background (or nothing).
QRect ink(QWidget &widget);

// What a reader would find wrong with the captions of `window`, one line per
// fault: a caption drawn smaller than its style's font; two captions of one
// container whose inks on one row come closer than a word space (3 pixels),
// or closer than two when both are centred under controls of their own; a
// caption closer than a word space to a control beside it on its row, or,
// beside a scroll bar, check box or option button, not level with it; and
// pixels of a shape's colour where the shape paints nothing (a label's square
// corner beyond a rounded panel).
QStringList captionFaults(QWidget &window);

} // namespace Probe
