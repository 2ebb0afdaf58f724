#pragma once

#include <QFont>
#include <QList>

// The fonts of the windows, sized in points at 96 logical dots per inch so
// that text keeps its place among controls laid out in twips.
namespace Fonts {

enum Style { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

// Sans serif (the dialog font); 8.25 pt unless given.
QFont sans(double points = 8.25, int style = Plain);
// Serif (for the formula labels "dx =", "dt =").
QFont serif(double points, int style = Plain);
// For a text a little too long for its place, narrower faces of `font` at
// its size, the narrowest last: its letters set closer, step by step, by up
// to a twentieth of its size (half a pixel at the panels' 11-pixel font;
// beyond it words blur), then the condensed face if the family has one.
QList<QFont> closer(const QFont &font);

} // namespace Fonts
