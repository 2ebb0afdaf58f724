// Reads the screen of the X display for the end-to-end tests.
//   screenprobe shot FILE                  grab the whole screen into a PNG
//   screenprobe pixel FILE X Y             print the colour at (X, Y) as #rrggbb
//   screenprobe count FILE X Y W H #rrggbb print how many pixels of the box have that colour
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const char *message)
{
    std::fprintf(stderr, "screenprobe: %s\n", message);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3)
        return fail("usage: shot FILE | pixel FILE X Y | count FILE X Y W H #rrggbb");
    const QString command = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    QTextStream out(stdout);

    if (command == QLatin1String("shot")) {
        QGuiApplication app(argc, argv);
        QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen)
            return fail("no screen");
        return screen->grabWindow(0).save(file, "PNG") ? 0 : fail("cannot save the shot");
    }

    const QImage image(file);
    if (image.isNull())
        return fail("cannot read the shot");
    if (command == QLatin1String("pixel") && argc == 5) {
        const int x = QString::fromLocal8Bit(argv[3]).toInt();
        const int y = QString::fromLocal8Bit(argv[4]).toInt();
        if (!image.valid(x, y))
            return fail("pixel outside the shot");
        out << image.pixelColor(x, y).name() << '\n';
        return 0;
    }
    if (command == QLatin1String("count") && argc == 8) {
        const int x0 = QString::fromLocal8Bit(argv[3]).toInt();
        const int y0 = QString::fromLocal8Bit(argv[4]).toInt();
        const int w = QString::fromLocal8Bit(argv[5]).toInt();
        const int h = QString::fromLocal8Bit(argv[6]).toInt();
        const QColor wanted(QString::fromLocal8Bit(argv[7]));
        int count = 0;
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) {
                if (image.valid(x, y) && image.pixelColor(x, y).rgb() == wanted.rgb())
                    ++count;
            }
        }
        out << count << '\n';
        return 0;
    }
    return fail("unknown command");
}
