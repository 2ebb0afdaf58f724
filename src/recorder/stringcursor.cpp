#include "stringcursor.h"

#include "controls/focusmark.h"
#include "core/trackedstring.h"
#include "drawing/drawingsurface.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace {

constexpr int pointe = 7; // pixels, the height of the arrowheads at the line's ends
constexpr double pasParCorde = 100; // presses of an arrow key along the whole string
constexpr double grandPas = 10; // times a step, with Shift

} // namespace

StringCursor::StringCursor(DrawingSurface *picture, const TrackedString &string)
    : QObject(picture)
    , m_picture(picture)
    , m_string(string)
    , m_x(string.snap((end(false) + end(true)) / 2))
{
    m_shown = column();
    picture->installEventFilter(this);
    connect(picture, &DrawingSurface::paintedOver, this, &StringCursor::paint);
}

double StringCursor::end(bool right) const
{
    const QRect client = m_picture->clientRect();
    return m_string.snap(m_picture->scale().toUser(QPointF(right ? client.width() : 0, 0)).x());
}

int StringCursor::column() const
{
    return m_picture->clientRect().left()
        + int(std::lround(m_picture->scale().xToPixels(float(m_string.snap(m_x)))));
}

QPoint StringCursor::point() const
{
    return {column(), m_picture->clientRect().center().y()};
}

QRect StringCursor::band(int x) const
{
    const QRect client = m_picture->clientRect();
    return {x - pointe, client.top(), 2 * pointe + 1, client.height()};
}

void StringCursor::moveTo(double x)
{
    m_x = m_string.snap(x);
    follow();
}

void StringCursor::follow()
{
    const int x = column();
    if (x != m_shown) {
        m_picture->update(QRegion(band(m_shown)) + band(x));
        m_shown = x;
    }
}

bool StringCursor::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return false;
    const double pas
        = (end(true) - end(false)) / pasParCorde * (modifiers == Qt::ShiftModifier ? grandPas : 1);
    switch (key->key()) {
    case Qt::Key_Left:
        moveTo(m_x - pas);
        return true;
    case Qt::Key_Right:
        moveTo(m_x + pas);
        return true;
    case Qt::Key_Home:
        moveTo(end(false));
        return true;
    case Qt::Key_End:
        moveTo(end(true));
        return true;
    default:
        return false;
    }
}

void StringCursor::paint(QPainter &painter)
{
    if (!m_picture->hasFocus())
        return;
    follow(); // the eigenmodes' string may have become shorter than the cursor's place
    const int x = m_shown;
    const QRect client = m_picture->clientRect();
    // Every other pixel, so that the string shows through it.
    QPolygon dots;
    for (int y = client.top(); y <= client.bottom(); y += 2)
        dots << QPoint(x, y);
    // Arrowheads at both ends, seen from afar on a projector, clear of the focus mark.
    const int top = client.top() + 3;
    const int bottom = client.bottom() - 3;
    const QPolygon pointeVersLeHaut {
        {x - pointe, bottom}, {x + pointe, bottom}, {x, bottom - pointe}};
    const QPolygon pointeVersLeBas {{x - pointe, top}, {x + pointe, top}, {x, top + pointe}};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(FocusMark::onFace(), 1)); // a logical pixel, at any zoom
    painter.drawPoints(dots);
    painter.setBrush(FocusMark::onFace());
    painter.drawPolygon(pointeVersLeHaut);
    painter.drawPolygon(pointeVersLeBas);
    painter.restore();
}
