#include "imageprobe.h"

#include "shapecontrol.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace Probe {

Pixels matching(const QImage &image, const std::function<bool(QPoint, QRgb)> &wanted,
                const QRect &area)
{
    const QRect box = area.isNull() ? image.rect() : area & image.rect();
    Pixels found;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (wanted({x, y}, image.pixel(x, y))) {
                ++found.count;
                found.bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

namespace {

// Accepts the pixels of exactly that colour.
auto is(const QColor &color)
{
    return [wanted = color.rgb()](QPoint, QRgb pixel) { return pixel == wanted; };
}

// The device pixels of `surface` around the user points (x1, y1) and (x2, y2).
QRect deviceBox(const DrawingSurface &surface, float x1, float y1, float x2, float y2)
{
    const qreal ratio = surface.image().devicePixelRatio();
    const QRectF box
        = QRectF(surface.scale().toPixels(x1, y1) * ratio, surface.scale().toPixels(x2, y2) * ratio)
              .normalized();
    return QRect(QPoint(int(std::floor(box.left())), int(std::floor(box.top()))),
                 QPoint(int(std::floor(box.right())), int(std::floor(box.bottom()))));
}

} // namespace

Pixels matching(const QImage &image, const QColor &color)
{
    return matching(image, is(color));
}

int countIn(const DrawingSurface &surface, float x1, float y1, float x2, float y2,
            const QColor &color)
{
    return matching(surface.image(), is(color), deviceBox(surface, x1, y1, x2, y2)).count;
}

int extra(const QImage &image, const QImage &reference, const QColor &color)
{
    const QRgb wanted = color.rgb();
    return matching(image,
                    [&](QPoint at, QRgb pixel) {
                        return pixel == wanted && reference.pixel(at) != wanted;
                    })
        .count;
}

bool near(const DrawingSurface &surface, float x, float y, const QColor &color, int radius)
{
    const QRect centre = deviceBox(surface, x, y, x, y);
    return matching(surface.image(), is(color), centre.adjusted(-radius, -radius, radius, radius))
               .count
        > 0;
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

void acceptMessageBox(QObject *context, QString &text)
{
    QTimer::singleShot(0, context, [&text] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
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
    const QRgb background = image.pixel(0, 0);
    return matching(image, [&](QPoint, QRgb pixel) { return pixel != background; })
        .bounds.translated(label.pos());
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
            faults << label->Caption() + " shrunk to " + QString::number(label->font().pixelSize());
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
                faults << labels[i]->Caption() + " and " + labels[j]->Caption() + " "
                        + QString::number(apart) + " px apart";
        }
    }
    const QImage shown = window.grab().toImage();
    for (ShapeControl *shape : window.findChildren<ShapeControl *>(Qt::FindDirectChildrenOnly)) {
        const QImage own = alone(*shape);
        const QRgb fill = own.pixel(own.width() / 2, own.height() / 2);
        const int outside
            = matching(own, [&](QPoint at, QRgb pixel) {
                  at += shape->pos();
                  return qAlpha(pixel) == 0 && shown.valid(at) && shown.pixel(at) == fill;
              }).count;
        if (outside > 0)
            faults << QStringLiteral("%1 pixels outside the shape at %2, %3")
                          .arg(outside)
                          .arg(shape->x())
                          .arg(shape->y());
    }
    return faults;
}

} // namespace Probe
