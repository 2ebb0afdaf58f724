// The retained drawing surface and its line rasteriser: where each operation
// paints, and erasing by drawing over in the background colour.
#include "colors.h"
#include "drawingsurface.h"
#include "imageprobe.h"
#include "linerasterizer.h"
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
    void rasterizedLine_data()
    {
        QTest::addColumn<QPointF>("from"); // device pixels; pixel i covers [i, i + 1)
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<int>("width");
        QTest::addColumn<QRect>("covered"); // every pixel of it, and nothing else
        QTest::newRow("pen 1 on a pixel edge")
            << QPointF(3, 10) << QPointF(20, 10) << 1 << QRect(3, 10, 18, 1);
        QTest::newRow("pen 2 on both sides of the edge")
            << QPointF(3, 10) << QPointF(20, 10) << 2 << QRect(2, 9, 19, 2);
        QTest::newRow("vertical, ends 4e-4 pixel either side of an edge")
            << QPointF(10.0004, 2) << QPointF(9.9997, 30) << 1 << QRect(10, 2, 1, 29);
        QTest::newRow("pen 2 along the right edge, half inside")
            << QPointF(40, 4) << QPointF(40, 12) << 2 << QRect(39, 3, 1, 10);
    }

    void rasterizedLine()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(int, width);
        QFETCH(QRect, covered);
        QImage image(40, 32, QImage::Format_RGB32);
        image.fill(Qt::white);
        drawAliasedLine(image, from, to, width, qRgb(255, 0, 0));
        const Probe::Pixels red
            = Probe::matching(image, [](QPoint, QRgb c) { return c != qRgb(255, 255, 255); });
        QCOMPARE(red.bounds, covered);
        QCOMPARE(red.count, covered.width() * covered.height());
    }

    void frameOverdrawnInWhiteLeavesNoGhost()
    {
        QWidget window;
        const auto surface = drivenPicture(&window);
        // A wavy polyline in single precision, drawn red, then the same
        // segments in white, as the animations erase their previous frame.
        const auto y = [](int i) { return float(60.0 * std::sin(i * 0.37) + 0.3 * i); };
        const auto polyline = [&](const QColor &color) {
            for (int i = 1; i <= 100; ++i)
                surface->Line(float(i - 1), y(i - 1), float(i), y(i), color);
        };
        const QImage &image = surface->image();
        int thinner = 0;
        for (int width : {1, 2}) {
            surface->setDrawWidth(width);
            polyline(Qt::red);
            QCOMPARE(surface->pixelAt(50, y(50)), QColor(Qt::red));
            // Aliased: every pixel is the background or the pen; a pen twice as wide.
            const int red = Probe::count(image, Qt::red);
            QCOMPARE(red + Probe::count(image, Qt::white), image.width() * image.height());
            QVERIFY2(red > 1.8 * thinner && red > 400, qPrintable(QString::number(red)));
            thinner = red;
            polyline(Qt::white);
            QVERIFY(surface->isBlank());
        }
    }

    void wildCoordinatesNeitherFreezeNorStain()
    {
        QWidget window;
        const auto surface = drivenPicture(&window);
        QElapsedTimer clock;
        clock.start();
        // A blown-up value far outside the picture: clipped, not walked.
        surface->Line(0, 0, 1, 3e37f, RGB(255, 0, 0));
        QVERIFY(clock.elapsed() < 100);
        QCOMPARE(surface->pixelAt(0.2f, 50), QColor(Qt::red));
        surface->Line(0, 0, 1, 3e37f, Qt::white);
        // Just outside the edges, or not finite: nothing.
        surface->Line(-11, 0, -10.5f, 100, RGB(255, 0, 0));
        surface->Line(0, 101, 100, 101, RGB(255, 0, 0));
        surface->Line(0, std::nanf(""), 1, 0, RGB(255, 0, 0));
        surface->Line(0, 0, INFINITY, 0, RGB(255, 0, 0));
        QVERIFY(surface->isBlank());
    }

    void boxAndCircle()
    {
        QWidget window;
        const QColor lavender = RGB(192, 192, 255);
        DrawingSurface dial(&window, 360, 5640, 2295, 2295, lavender,
                            DrawingSurface::Border::Sunken);
        dial.setScale(UserScale::fromExtent(0, 0, 2, 2, 2235, 2235));
        // A filled box holds both its corners.
        dial.LineBoxFilled(0, 0, 1, 1, RGB(0, 0, 255));
        QVERIFY(dial.pixelAt(0, 0) == Qt::blue && dial.pixelAt(1, 1) == Qt::blue);
        QCOMPARE(dial.pixelAt(1.03f, 0.5f), lavender);
        dial.Cls();
        QVERIFY(dial.isBlank());
        dial.setFillColor(Qt::white);
        dial.setFillSolid(true);
        dial.setDrawWidth(2);
        dial.Circle(1, 1, 1, Qt::black);
        QCOMPARE(dial.pixelAt(1, 1), QColor(Qt::white));
        QCOMPARE(dial.pixelAt(1, 0.005f), QColor(Qt::black));
        QCOMPARE(dial.pixelAt(0.05f, 0.05f), lavender);
    }

    void shapeInsideSurfaceMovesInUserUnits()
    {
        QWidget window;
        const auto surface = drivenPicture(&window);
        ShapeControl &marker
            = *ShapeControl::inPicture(surface.get(), ShapeControl::Kind::Rectangle, 150, 3172, 585,
                                       127, RGB(255, 255, 0), QColor());
        QVERIFY(std::abs(marker.Left() + 7.874) < 1e-3);
        // 97.5 units of 31.725 twips below the top, then 10 units (317.25 twips) lower.
        marker.setTop(-2.5);
        QCOMPARE(marker.y(), 1 + 206);
        marker.setTop(7.5);
        QCOMPARE(marker.y(), 1 + 227);
    }
};

QTEST_MAIN(TestDrawingSurface)
#include "tst_drawingsurface.moc"
