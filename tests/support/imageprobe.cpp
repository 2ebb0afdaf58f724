#include "imageprobe.h"

#include "controls/shapecontrol.h"
#include "drawing/linerasterizer.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace Probe {

namespace {

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

// What `widget` paints by itself, without what lies under it.
QImage alone(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// The ink of a label's letters: its ink less, in an underlined font, the rows
// that run across all of it.
QRect letters(Label &label)
{
    if (!label.font().underline())
        return ink(label);
    const QImage image = alone(label);
    const auto inked
        = [background = image.pixel(0, 0)](QPoint, QRgb pixel) { return pixel != background; };
    const QRect all = matching(image, inked).bounds;
    QRect kept;
    for (int y = all.top(); y <= all.bottom(); ++y) {
        const Pixels row = matching(image, inked, QRect(all.left(), y, all.width(), 1));
        if (row.count < all.width() * 9 / 10)
            kept |= row.bounds;
    }
    return kept.translated(label.pos());
}

// The controls of `label`'s container that a caption may stand beside.
QList<QWidget *> controlsBeside(const Label &label)
{
    QList<QWidget *> controls;
    for (QObject *child : label.parent()->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && !widget->isWindow() && !widget->isHidden() && !qobject_cast<Label *>(widget)
            && !qobject_cast<ShapeControl *>(widget) && !qobject_cast<LineControl *>(widget))
            controls << widget;
    }
    return controls;
}

} // namespace

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

Pixels matching(const QImage &image, const QColor &color, const QRect &area)
{
    return matching(
        image, [rgb = color.rgb()](QPoint, QRgb pixel) { return pixel == rgb; }, area);
}

int countIn(const DrawingSurface &surface, float x1, float y1, float x2, float y2,
            const QColor &color)
{
    return matching(surface.image(), color, deviceBox(surface, x1, y1, x2, y2)).count;
}

int extra(const QImage &image, const QImage &reference, const QColor &color)
{
    const QRgb wanted = color.rgb();
    const auto added
        = [&](QPoint at, QRgb pixel) { return pixel == wanted && reference.pixel(at) != wanted; };
    return matching(image, added).count;
}

int ghosts(const DrawingSurface &surface, const QList<QPointF> &points, const QColor &color)
{
    const QImage &shown = surface.image();
    QImage alone(shown.size(), QImage::Format_RGB32);
    alone.fill(Qt::white);
    const qreal ratio = shown.devicePixelRatio();
    for (qsizetype i = 1; i < points.size(); ++i) {
        const auto device = [&](QPointF p) {
            return surface.scale().toPixels(float(p.x()), float(p.y())) * ratio;
        };
        drawAliasedLine(alone, device(points[i - 1]), device(points[i]), int(2 * ratio),
                        color.rgb());
    }
    return extra(shown, alone, color);
}

QPoint onScreen(const DrawingSurface &surface, float x, float y)
{
    return (surface.scale().toPixels(x, y) + surface.clientRect().topLeft()).toPoint();
}

QColor pixel(const DrawingSurface &surface, float x, float y)
{
    const QImage &image = surface.image();
    const QPoint at = deviceBox(surface, x, y, x, y).topLeft();
    return image.pixelColor(std::clamp(at.x(), 0, image.width() - 1),
                            std::clamp(at.y(), 0, image.height() - 1));
}

bool near(const DrawingSurface &surface, float x, float y, const QColor &color, int radius)
{
    const QRect centre = deviceBox(surface, x, y, x, y);
    return matching(surface.image(), color, centre.adjusted(-radius, -radius, radius, radius)).count
        > 0;
}

QRect part(ScrollBar &bar, QStyle::SubControl control)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.pageStep = bar.pageStep();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, control, &bar);
}

double readout(const QString &text, const QString &before, const QString &unit)
{
    const auto found = QRegularExpression(QRegularExpression::escape(before) + "([0-9]+(,[0-9]+)?) "
                                          + QRegularExpression::escape(unit) + "(?![\\w/])")
                           .match(text);
    return found.hasMatch() ? QLocale(QLocale::French).toDouble(found.captured(1)) : qQNaN();
}

void acceptMessageBox(QObject *context, QString &text, bool *whole)
{
    QTimer::singleShot(0, context, [&text, whole] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            const QRect room(0, 0, label->width(), 10000);
            const QRect needed
                = label->fontMetrics().boundingRect(room, Qt::TextWordWrap, label->text());
            if (whole)
                *whole = needed.width() <= label->width();
            box->accept();
        }
    });
}

QRect ink(QWidget &widget)
{
    const QImage image = alone(widget);
    const QRgb background = image.pixel(0, 0);
    return matching(image, [&](QPoint, QRgb pixel) { return pixel != background; })
        .bounds.translated(widget.pos());
}

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
    // Captions beside a control on their row, within an em (11 pixels).
    constexpr int em = 11;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QRect &a = inks[i];
        for (QWidget *control : controlsBeside(*labels[i])) {
            const QRect b = ink(*control);
            const int apart = std::max(b.left() - a.right(), a.left() - b.right()) - 1;
            if (a.isEmpty() || b.isEmpty() || a.bottom() < b.top() || b.bottom() < a.top()
                || apart > em)
                continue;
            // A word space before a control after it; one before it is the
            // control the caption names, as close as its own caption would be.
            if (b.left() > a.right() && apart < wordSpace)
                faults << labels[i]->Caption() + " " + QString::number(apart)
                        + " px before a control";
            // Level with a scroll bar, check box or option button: the
            // middles of its letters and of the control within a pixel and a
            // half (descenders and accents weigh on either side).
            const QRect text = letters(*labels[i]);
            const int offset = (text.top() + text.bottom()) - (b.top() + b.bottom()); // half-pixels
            const bool level = (qobject_cast<QAbstractButton *>(control)
                                && !qobject_cast<CommandButton *>(control))
                || qobject_cast<ScrollBar *>(control);
            if (level && std::abs(offset) > 3)
                faults << labels[i]->Caption() + " " + QString::number(offset / 2.0)
                        + " px off the middle of its control";
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
            faults << QString::asprintf("%d pixels outside the shape at %d, %d", outside,
                                        shape->x(), shape->y());
    }
    return faults;
}

} // namespace Probe
