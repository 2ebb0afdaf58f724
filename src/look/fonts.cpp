#include "fonts.h"

#include <QFontDatabase>
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

const QString sansFamily = QStringLiteral("Liberation Sans");
const QString sansCondensed = QStringLiteral("Liberation Sans Narrow");

constexpr double maximumTightening = 1.0 / 20; // of the pixel size
constexpr double tighteningStep = 0.05; // pixels

// The same family's condensed face at the same size and style; the font
// itself if it has none.
QFont condensed(const QFont &font)
{
    if (font.families().value(0) != sansFamily || !QFontDatabase::hasFamily(sansCondensed))
        return font;
    QFont narrow = font;
    narrow.setFamilies({sansCondensed});
    return narrow;
}

} // namespace

QFont sans(double points, int style)
{
    return make({sansFamily, QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")}, points,
                style);
}

QFont serif(double points, int style)
{
    return make({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                 QStringLiteral("DejaVu Serif")},
                points, style);
}

QList<QFont> closer(const QFont &font)
{
    QList<QFont> faces;
    QFont tight = font;
    const double most = maximumTightening * font.pixelSize();
    for (double spacing = tighteningStep; spacing <= most + 1e-9; spacing += tighteningStep) {
        tight.setLetterSpacing(QFont::AbsoluteSpacing, -spacing);
        faces.append(tight);
    }
    const QFont narrow = condensed(font);
    if (narrow != font)
        faces.append(narrow);
    return faces;
}

} // namespace Fonts
