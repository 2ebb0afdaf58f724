// Reads the screen of the X display for the end-to-end tests.
//   screenprobe shot FILE                  grab the whole screen into a PNG
//   screenprobe pixel FILE X Y             print the colour at (X, Y) as #rrggbb
//   screenprobe count FILE X Y W H #rrggbb print how many pixels of the box have that colour
//   screenprobe size FILE                  print the picture's width and height
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    const auto fail = [](const char *message) {
        std::fprintf(stderr, "screenprobe: %s\n", message);
        return 2;
    };
    const auto arg = [&](int i) { return QString::fromLocal8Bit(argv[i]); };
    if (argc < 3)
        return fail("usage: shot FILE | pixel FILE X Y | count FILE X Y W H #rrggbb | size FILE");
    if (arg(1) == QLatin1String("shot")) {
        QGuiApplication app(argc, argv);
        QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen)
            return fail("no screen");
        return screen->grabWindow(0).save(arg(2), "PNG") ? 0 : fail("cannot save the shot");
    }
    const QImage image(arg(2));
    if (image.isNull())
        return fail("cannot read the shot");
    if (arg(1) == QLatin1String("size")) {
        std::printf("%d %d\n", image.width(), image.height());
        return 0;
    }
    if (arg(1) == QLatin1String("pixel") && argc == 5) {
        const QPoint at(arg(3).toInt(), arg(4).toInt());
        if (!image.valid(at))
            return fail("pixel outside the shot");
        std::printf("%s\n", qPrintable(image.pixelColor(at).name()));
        return 0;
    }
    if (arg(1) == QLatin1String("count") && argc == 8) {
        const QRect box(arg(3).toInt(), arg(4).toInt(), arg(5).toInt(), arg(6).toInt());
        const QRgb wanted = QColor(arg(7)).rgb();
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x)
                count += image.valid(x, y) && image.pixel(x, y) == wanted;
        }
        std::printf("%d\n", count);
        return 0;
    }
    return fail("unknown command");
}
