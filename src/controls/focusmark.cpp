#include "focusmark.h"

#include "look/look.h"

#include <QPainter>
#include <QPolygon>
#include <QWidget>

namespace FocusMark {

QColor onFace()
{
    return Look::navy();
}

void paint(QPainter &painter, const QRect &rect, const QColor &color)
{
    // Every other pixel, counted from the top-left corner.
    QPolygon dots;
    const auto dot = [&](int x, int y) {
        if ((x - rect.left() + y - rect.top()) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        dot(rect.right(), y);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, 1)); // a logical pixel, at any zoom
    painter.drawPoints(dots);
    painter.restore();
}

void paintInsideFrame(QWidget *control, const QRect &framed)
{
    QPainter p(control);
    paint(p, framed - QMargins(2, 2, 2, 2), onFace());
}

} // namespace FocusMark
