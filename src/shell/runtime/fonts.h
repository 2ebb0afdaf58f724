#pragma once

#include <QFont>

// The fonts of the windows, sized in points at 96 logical dots per inch so
// that text keeps its place among controls laid out in twips.
namespace Fonts {

enum Style { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

// Sans serif (the dialog font); 8.25 pt unless given.
QFont sans(double points = 8.25, int style = Plain);
// Serif (for the formula labels "dx =", "dt =").
QFont serif(double points, int style = Plain);
// The same family's condensed face at the same size and style, for a caption
// a little too long for its place; the font itself if it has none.
QFont condensed(const QFont &font);

} // namespace Fonts
