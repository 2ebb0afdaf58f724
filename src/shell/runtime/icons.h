#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

// Every picture of the program is drawn here: button icons, the home screen's
// illustration and the window icon.
namespace Icons {

// The 20 × 20 pictures, on white.
enum class Glyph {
    TriangleRight, // play, "animer", "Démarrer"
    TriangleLeftBar, // a triangle pointing left against a bar: back to the start
    BarTriangleLeft, // a triangle pointing left then a bar: one image back
    TwoBars, // pause
    BarTriangleRight, // a bar then a triangle pointing right: one step
    Square, // stop
    Diamond, // quit
};
QPixmap glyph(Glyph glyph, const QColor &color);

// The 59 × 30 pictures of the driven string: a red curve then a blue triangle.
enum class Curve { Bump, Sine, Flat };
QPixmap curveButton(Curve curve, Glyph arrow);

// A yellow standing wave with three loops on black (421 × 421 pixels).
QPixmap illustration();

QIcon programIcon();

} // namespace Icons
