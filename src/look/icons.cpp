#include "icons.h"

#include "colors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace Icons {

namespace {

constexpr double pi = 3.14159265358979323846;

void drawGlyph(QPainter &p, Glyph glyph, const QRectF &box)
{
    // Glyphs are designed on a 20 × 20 grid and scaled into `box`.
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 20.0, box.height() / 20.0);
    switch (glyph) {
    case Glyph::TriangleRight:
        p.drawPolygon(QPolygonF({{6, 4}, {16, 10}, {6, 16}}));
        break;
    case Glyph::TriangleLeftBar:
        p.drawRect(QRectF(4, 4, 2.5, 12));
        p.drawPolygon(QPolygonF({{16, 4}, {6.5, 10}, {16, 16}}));
        break;
    case Glyph::BarTriangleLeft:
        p.drawPolygon(QPolygonF({{13, 4}, {4, 10}, {13, 16}}));
        p.drawRect(QRectF(13.5, 4, 2.5, 12));
        break;
    case Glyph::TwoBars:
        p.drawRect(QRectF(5, 4, 3.5, 12));
        p.drawRect(QRectF(11.5, 4, 3.5, 12));
        break;
    case Glyph::BarTriangleRight:
        p.drawRect(QRectF(4, 4, 2.5, 12));
        p.drawPolygon(QPolygonF({{7.5, 4}, {16.5, 10}, {7.5, 16}}));
        break;
    case Glyph::Square:
        p.drawRect(QRectF(5, 5, 10, 10));
        break;
    case Glyph::Diamond:
        p.drawPolygon(QPolygonF({{10, 3}, {17, 10}, {10, 17}, {3, 10}}));
        break;
    }
    p.restore();
}

// A white picture of width × height logical pixels, at the screen's pixel
// ratio so that the pictures stay sharp on high-density screens.
QPixmap whitePixmap(int width, int height)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    return pixmap;
}

} // namespace

QPixmap glyph(Glyph glyph, const QColor &color)
{
    QPixmap pixmap = whitePixmap(20, 20);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    drawGlyph(p, glyph, QRectF(0, 0, 20, 20));
    return pixmap;
}

QPixmap curveButton(Curve curve, Glyph arrow)
{
    QPixmap pixmap = whitePixmap(59, 30);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The curve over the left 38 pixels, its rest line at y = 19.
    QPainterPath path;
    constexpr double rest = 19.0;
    for (int x = 2; x <= 38; ++x) {
        const double u = (x - 2) / 36.0;
        double y = rest;
        switch (curve) {
        case Curve::Bump: {
            const double s = 1.0 / std::cosh(9.0 * (u - 0.5));
            y = rest - 13.0 * s * s;
            break;
        }
        case Curve::Sine:
            y = rest - 6.0 - 7.0 * std::sin(3.0 * pi * u);
            break;
        case Curve::Flat:
            break;
        }
        if (x == 2)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    p.setPen(QPen(RGB(226, 0, 26), 2));
    p.drawPath(path);

    p.setPen(Qt::NoPen);
    p.setBrush(RGB(0, 106, 179));
    drawGlyph(p, arrow, QRectF(39, 5, 20, 20));
    return pixmap;
}

QList<Stroke> standingWaveStrokes(double side)
{
    // A string vibrating in its third mode: the shape at several instants of
    // one period, y = A cos(phase) sin(3 pi x / L), three loops and four nodes.
    const double margin = side * 0.05;
    const double length = side - 2 * margin;
    const double amplitude = side * 0.29;
    const double middle = side / 2.0;
    const double thick = std::max(1.0, side / 105.0);
    QList<Stroke> strokes;
    for (int k = 0; k <= 8; ++k) {
        const double weight = std::cos(pi * k / 8.0);
        QPainterPath path(QPointF(margin, middle));
        for (int i = 1; i <= 190; ++i) {
            const double x = length * i / 190.0;
            path.lineTo(margin + x, middle - amplitude * weight * std::sin(3.0 * pi * x / length));
        }
        const bool extreme = k == 0 || k == 8;
        strokes.append(
            {path, QColor(255, 255, 0, extreme ? 255 : 150), extreme ? 2 * thick : thick});
    }
    QPainterPath rest(QPointF(margin / 2, middle));
    rest.lineTo(side - margin / 2, middle);
    strokes.append({rest, QColor(255, 255, 160), thick});
    return strokes;
}

QImage standingWave(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Stroke &stroke : standingWaveStrokes(side)) {
        p.setPen(QPen(stroke.color, stroke.width));
        p.drawPath(stroke.path);
    }
    return image;
}

QByteArray standingWaveSvg(int side)
{
    QByteArray svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                    "height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                                    "<rect width=\"%1\" height=\"%1\" fill=\"#000000\"/>\n")
                         .arg(side)
                         .toUtf8();
    // QPen's default square caps and bevel joins, as the pictures are painted.
    for (const Stroke &stroke : standingWaveStrokes(side)) {
        svg += "<path fill=\"none\" stroke-linecap=\"square\" stroke-linejoin=\"bevel\" d=\"";
        for (int i = 0; i < stroke.path.elementCount(); ++i) {
            const QPainterPath::Element e = stroke.path.elementAt(i);
            svg += (e.isMoveTo() ? "M" : " L") + QByteArray::number(e.x, 'f', 2) + ' '
                + QByteArray::number(e.y, 'f', 2);
        }
        svg += QStringLiteral("\" stroke=\"%1\" stroke-opacity=\"%2\" stroke-width=\"%3\"/>\n")
                   .arg(stroke.color.name())
                   .arg(stroke.color.alphaF(), 0, 'f', 3)
                   .arg(stroke.width, 0, 'f', 3)
                   .toUtf8();
    }
    return svg + "</svg>\n";
}

QPixmap illustration()
{
    return QPixmap::fromImage(standingWave(421));
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : iconSizes)
        icon.addPixmap(QPixmap::fromImage(standingWave(size)));
    return icon;
}

} // namespace Icons
