#include "imageprobe.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace Probe {

int count(const QImage &image, const QColor &color)
{
    const QRgb wanted = color.rgb();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == wanted ? 1 : 0;
    }
    return n;
}

int countIn(const DrawingSurface &surface, float x1, float y1, float x2, float y2,
            const QColor &color)
{
    const QImage &image = surface.image();
    const qreal ratio = image.devicePixelRatio();
    const QRectF box
        = QRectF(surface.scale().toPixels(x1, y1) * ratio, surface.scale().toPixels(x2, y2) * ratio)
              .normalized();
    const QRgb wanted = color.rgb();
    int n = 0;
    for (int y = std::max(0, int(box.top())); y <= std::min(image.height() - 1, int(box.bottom()));
         ++y) {
        for (int x = std::max(0, int(box.left()));
             x <= std::min(image.width() - 1, int(box.right())); ++x)
            n += image.pixel(x, y) == wanted ? 1 : 0;
    }
    return n;
}

int extra(const QImage &image, const QImage &reference, const QColor &color)
{
    const QRgb wanted = color.rgb();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == wanted && reference.pixel(x, y) != wanted ? 1 : 0;
    }
    return n;
}

bool near(const DrawingSurface &surface, float x, float y, const QColor &color, int radius)
{
    const QImage &image = surface.image();
    const QPointF centre = surface.scale().toPixels(x, y) * image.devicePixelRatio();
    const int cx = int(std::floor(centre.x()));
    const int cy = int(std::floor(centre.y()));
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (image.valid(cx + dx, cy + dy) && image.pixelColor(cx + dx, cy + dy) == color)
                return true;
        }
    }
    return false;
}

QRect part(ScrollBar &bar, QStyle::SubControl control)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.subControls = QStyle::SC_All;
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, control, &bar);
}

void click(ScrollBar &bar, QStyle::SubControl control)
{
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, part(bar, control).center());
}

} // namespace Probe
