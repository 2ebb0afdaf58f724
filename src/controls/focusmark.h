#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

// The mark of the control that has the keyboard focus: a dotted rectangle,
// pixels on and off in turn, in the window's colours. The desktop style marks
// no scroll bar at all and the other controls with a faint tint of its own.
namespace FocusMark {

// On a control's own light face (a button, a scroll bar's thumb, a text
// box): the text colour of the panels.
QColor onFace();

// The dotted rectangle along the inside of `rect`.
void paint(QPainter &painter, const QRect &rect, const QColor &color);

// Over what the style drew on `control`, on its own light face, the mark just
// inside the style's two-pixel frame around `framed` (the control, or a scroll
// bar's thumb).
void paintInsideFrame(QWidget *control, const QRect &framed);

} // namespace FocusMark
