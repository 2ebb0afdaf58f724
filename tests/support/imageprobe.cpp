#include "imageprobe.h"

#include "shapecontrol.h"

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

QRect bounds(const QImage &image, const QColor &color)
{
    const QRgb wanted = color.rgb();
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == wanted)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
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

namespace {

// What `widget` paints by itself, without what lies under it.
QImage alone(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// Where a label puts ink, in its parent's coordinates: the pixels unlike its
// top-left corner, which is background (or nothing).
QRect ink(Label &label)
{
    const QImage image = alone(label);
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box.translated(label.pos());
}

} // namespace

QStringList captionFaults(QWidget &window)
{
    constexpr int wordSpace = 3;
    window.ensurePolished();
    QStringList faults;
    const QList<Label *> labels = window.findChildren<Label *>();
    QList<QRect> inks;
    for (Label *label : labels) {
        inks << ink(*label);
        if (label->font().pixelSize() != label->styleFont().pixelSize())
            faults << QStringLiteral("\"%1\" at %2 px instead of %3")
                          .arg(label->Caption())
                          .arg(label->font().pixelSize())
                          .arg(label->styleFont().pixelSize());
    }
    for (qsizetype i = 0; i < labels.size(); ++i) {
        for (qsizetype j = i + 1; j < labels.size(); ++j) {
            const QRect &a = inks[i];
            const QRect &b = inks[j];
            if (labels[i]->parent() != labels[j]->parent() || a.isEmpty() || b.isEmpty()
                || a.bottom() < b.top() || b.bottom() < a.top())
                continue;
            const int apart = std::max(b.left() - a.right(), a.left() - b.right()) - 1;
            const bool captions = (labels[i]->alignment() & Qt::AlignHCenter)
                && (labels[j]->alignment() & Qt::AlignHCenter);
            if (apart < (captions ? 2 : 1) * wordSpace)
                faults << QStringLiteral("\"%1\" and \"%2\" %3 px apart")
                              .arg(labels[i]->Caption(), labels[j]->Caption())
                              .arg(apart);
        }
    }
    const QImage shown = window.grab().toImage();
    for (ShapeControl *shape : window.findChildren<ShapeControl *>(Qt::FindDirectChildrenOnly)) {
        const QImage own = alone(*shape);
        const QRgb fill = own.pixel(own.width() / 2, own.height() / 2);
        int outside = 0;
        for (int y = 0; y < own.height(); ++y) {
            for (int x = 0; x < own.width(); ++x) {
                const QPoint at = shape->pos() + QPoint(x, y);
                outside
                    += qAlpha(own.pixel(x, y)) == 0 && shown.valid(at) && shown.pixel(at) == fill
                    ? 1
                    : 0;
            }
        }
        if (outside > 0)
            faults << QStringLiteral("%1 pixels of the shape at (%2, %3) outside it")
                          .arg(outside)
                          .arg(shape->x())
                          .arg(shape->y());
    }
    return faults;
}

} // namespace Probe
