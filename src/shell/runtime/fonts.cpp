#include "fonts.h"

#include <QStringList>

#include <cmath>

namespace Fonts {

namespace {

QFont make(const QStringList &families, double points, int style)
{
    QFont font;
    font.setFamilies(families);
    // Pixel sizes at 96 dots per inch keep the text in proportion with the
    // layout in twips whatever the screen's logical resolution.
    font.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    font.setUnderline(style & Underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QFont sans(double points, int style)
{
    return make(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")},
        points, style);
}

QFont serif(double points, int style)
{
    return make({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                 QStringLiteral("DejaVu Serif")},
                points, style);
}

} // namespace Fonts
