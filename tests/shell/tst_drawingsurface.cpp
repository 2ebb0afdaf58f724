// The retained drawing surface: user coordinates, what each operation paints,
// and erasing by drawing over in the background colour.
#include "colors.h"
#include "drawingsurface.h"
#include "imageprobe.h"
#include "shapecontrol.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>

namespace {

// The driven string's picture: 8175 × 6375 twips with a flat border.
std::unique_ptr<DrawingSurface> drivenPicture(QWidget *parent)
{
    auto surface = std::make_unique<DrawingSurface>(parent, 3720, 120, 8175, 6375, Qt::white,
                                                    DrawingSurface::Border::Flat);
    surface->setScale(UserScale(-10, -100, 70.5653, 31.725));
    return surface;
}

} // namespace

class TestDrawingSurface : public QObject
{
    Q_OBJECT

private slots:
    void clientAreaExcludesTheBorder()
    {
        QWidget window;
        const auto flat = drivenPicture(&window);
        QCOMPARE(flat->clientRect(), QRect(1, 1, 543, 423));
        const DrawingSurface sunken(&window, 3240, 240, 8655, 6135, Qt::white,
                                    DrawingSurface::Border::Sunken);
        QCOMPARE(sunken.clientRect(), QRect(2, 2, 573, 405));
    }

    void frameOverdrawnInWhiteLeavesNoGhost_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("pen 1") << 1;
        QTest::newRow("pen 2") << 2;
    }

    void frameOverdrawnInWhiteLeavesNoGhost()
    {
        QFETCH(int, width);
        QWidget window;
        const auto surface = drivenPicture(&window);
        surface->setDrawWidth(width);
        // A wavy polyline in single precision, drawn red, then the same
        // segments in white, as the animations erase their previous frame.
        const auto y = [](int i) { return float(60.0 * std::sin(i * 0.37) + 0.3 * i); };
        for (int i = 1; i <= 100; ++i)
            surface->Line(float(i - 1), y(i - 1), float(i), y(i), RGB(255, 0, 0));
        QVERIFY(!surface->isBlank());
        QVERIFY(Probe::count(surface->image(), Qt::red) > 400);
        for (int i = 1; i <= 100; ++i)
            surface->Line(float(i - 1), y(i - 1), float(i), y(i), Qt::white);
        QVERIFY(surface->isBlank());
    }

    void linesAreAliased()
    {
        QWidget window;
        const auto surface = drivenPicture(&window);
        surface->setDrawWidth(2);
        surface->Line(0, 10, 50, 37, RGB(255, 0, 0));
        // No blended shades: every pixel is either background or the pen colour.
        const QImage &image = surface->image();
        for (int yy = 0; yy < image.height(); ++yy) {
            for (int xx = 0; xx < image.width(); ++xx) {
                const QColor c = image.pixelColor(xx, yy);
                QVERIFY2(c == Qt::white || c == Qt::red, qPrintable(c.name()));
            }
        }
    }

    void lineLandsWhereTheUserScaleSays()
    {
        QWidget window;
        const auto surface = drivenPicture(&window);
        surface->setDrawWidth(1);
        surface->Line(0, 10, 100, 10, RGB(255, 0, 0));
        QCOMPARE(surface->pixelAt(50, 10), QColor(Qt::red));
        QCOMPARE(surface->pixelAt(50, 12), QColor(Qt::white));
        QCOMPARE(surface->pixelAt(-5, 10), QColor(Qt::white));
    }

    void wildCoordinatesNeitherFreezeNorStain()
    {
        QWidget window;
        const auto surface = drivenPicture(&window);
        surface->setDrawWidth(2);
        QElapsedTimer clock;
        clock.start();
        // A blown-up value far outside the picture: clipped, not walked.
        surface->Line(0, 0, 1, 3e37f, RGB(255, 0, 0));
        QVERIFY(clock.elapsed() < 100);
        QCOMPARE(surface->pixelAt(0.2f, 50), QColor(Qt::red));
        surface->Line(0, 0, 1, 3e37f, Qt::white);
        QVERIFY(surface->isBlank());
        // Segments running along the edges and just outside them.
        surface->Line(106, 0, 107, 0, RGB(255, 0, 0));
        surface->Line(-11, 0, -10.5f, 100, RGB(255, 0, 0));
        surface->Line(0, 101, 100, 101, RGB(255, 0, 0));
        surface->Line(0, std::nanf(""), 1, 0, RGB(255, 0, 0));
        surface->Line(0, 0, INFINITY, 0, RGB(255, 0, 0));
        QVERIFY(surface->isBlank());
    }

    void filledBoxCoversBothCorners()
    {
        QWidget window;
        DrawingSurface modes(&window, 3240, 240, 8655, 6135, Qt::white,
                             DrawingSurface::Border::Sunken);
        modes.setScale(UserScale(0, -1, 7.1625, 3037.5));
        modes.LineBoxFilled(0, -1, 1200, 1, RGB(0, 0, 255));
        QCOMPARE(Probe::count(modes.image(), Qt::blue),
                 modes.image().width() * modes.image().height());
        modes.LineBoxFilled(0, -1, 1000, 1, Qt::white);
        QCOMPARE(modes.pixelAt(999, 0.99f), QColor(Qt::white));
        QCOMPARE(modes.pixelAt(1010, 0), QColor(Qt::blue));
    }

    void circleOutlinedAndFilled()
    {
        QWidget window;
        DrawingSurface dial(&window, 360, 5640, 2295, 2295, RGB(192, 192, 255),
                            DrawingSurface::Border::Sunken);
        dial.setScale(UserScale::fromExtent(0, 0, 2, 2, 2235, 2235));
        dial.setFillColor(Qt::white);
        dial.setFillSolid(true);
        dial.setDrawWidth(2);
        dial.Circle(1, 1, 1, Qt::black);
        QCOMPARE(dial.pixelAt(1, 1), QColor(Qt::white));
        QCOMPARE(dial.pixelAt(1, 0.005f), QColor(Qt::black));
        QCOMPARE(dial.pixelAt(0.05f, 0.05f), RGB(192, 192, 255));
        dial.Cls();
        QVERIFY(dial.isBlank());
    }

    void shapeInsideSurfaceMovesInUserUnits()
    {
        QWidget window;
        const auto surface = drivenPicture(&window);
        ShapeControl marker(surface.get(), ShapeControl::Kind::Rectangle, 150, 3172, 585, 127,
                            RGB(255, 255, 0), QColor());
        QVERIFY(std::abs(marker.Left() + 7.874) < 1e-3);
        marker.setTop(-2.5);
        QCOMPARE(marker.Top(), -2.5);
        QCOMPARE(marker.y(), 1 + 206); // border, then 97.5 units of 31.725 twips
        // 10 units lower is 317.25 twips, 21 pixels further down.
        marker.setTop(7.5);
        QCOMPARE(marker.Top(), 7.5);
        QCOMPARE(marker.y(), 1 + 227);
    }
};

QTEST_MAIN(TestDrawingSurface)
#include "tst_drawingsurface.moc"
