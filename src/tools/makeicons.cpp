// Writes the program's icon into an icon theme folder, at build time, from the
// drawing the program itself uses for its window icon:
//   vellane-makeicons FOLDER NAME
// gives FOLDER/hicolor/NxN/apps/NAME.png for every size of the window icon and
// FOLDER/hicolor/scalable/apps/NAME.svg.
#include "look/icons.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: vellane-makeicons FOLDER NAME\n");
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor/");
    const QString name = QString::fromLocal8Bit(argv[2]);
    const auto write = [&](const QString &folder, const QString &file, const auto &save) {
        if (QDir().mkpath(theme + folder) && save(theme + folder + QLatin1Char('/') + file))
            return true;
        std::fprintf(stderr, "vellane-makeicons: cannot write %s\n", qPrintable(theme + folder));
        return false;
    };
    for (const int size : Icons::iconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!write(folder, name + QStringLiteral(".png"), [size](const QString &path) {
                return Icons::standingWave(size).save(path, "PNG");
            }))
            return 1;
    }
    // The SVG is drawn on the 256-pixel grid; it scales to any size.
    return write(QStringLiteral("scalable/apps"), name + QStringLiteral(".svg"),
                 [](const QString &path) {
                     QFile file(path);
                     return file.open(QIODevice::WriteOnly)
                         && file.write(Icons::standingWaveSvg(256)) > 0;
                 })
        ? 0
        : 1;
}
