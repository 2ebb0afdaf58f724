#pragma once

#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPainterPath>
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

// The program's picture: a string vibrating in its third mode, yellow on
// black, drawn as strokes on a square of `side` pixels. The same strokes make
// the home screen's illustration, the window icon and the installed icons.
struct Stroke
{
    QPainterPath path;
    QColor color;
    double width; // pixels
};
QList<Stroke> standingWaveStrokes(double side);
QImage standingWave(int side); // painted, antialiased
QByteArray standingWaveSvg(int side); // the same strokes as an SVG document

// The picture at 421 × 421 pixels, for the home screen.
QPixmap illustration();

// The sizes of the icon, in pixels, in the window and in the icon theme.
inline constexpr int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
QIcon programIcon();

} // namespace Icons
