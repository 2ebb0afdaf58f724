// How option buttons and check boxes look. The desktop style draws their
// indicators in its own greys, which vanish on this program's coloured
// windows (a grey dot on a grey square, on black); they are drawn here in the
// colours their window gives them instead, so the selection always shows.

#include "controls.h"
#include "focusmark.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal indicatorSize = 13.0; // pixels, the classic indicator

// The indicator's square, at the left and centred vertically.
QRectF indicatorRect(const QWidget *widget)
{
    return {0.5, (widget->height() - indicatorSize) / 2.0, indicatorSize, indicatorSize};
}

// The caption after the indicator, and the focus mark around it (or around
// the indicator when there is no caption), in the caption's colour.
void paintCaption(QPainter &p, const QAbstractButton *button, const QColor &color)
{
    const QRectF indicator = indicatorRect(button);
    // Around the indicator, within the control, which holds it at its left edge.
    QRect focusRect = indicator.toAlignedRect().adjusted(-1, -1, 1, 1) & button->rect();
    if (!button->text().isEmpty()) {
        const QRect textRect = button->rect().adjusted(int(indicator.right()) + 4, 0, 0, 0);
        p.setPen(color);
        p.setFont(button->font());
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, button->text());
        focusRect = p.fontMetrics()
                        .boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter, button->text())
                        .adjusted(-1, 0, 1, 0)
                        .intersected(button->rect());
    }
    if (button->hasFocus())
        FocusMark::paint(p, focusRect, color);
}

// The window's colour behind the control, where it gives one: the desktop
// style would otherwise fill a button with its own grey.
void paintBackground(QPainter &p, const QWidget *widget)
{
    if (widget->autoFillBackground())
        p.fillRect(widget->rect(), widget->palette().color(QPalette::Window));
}

QColor textColor(const QWidget *widget)
{
    return widget->palette().color(widget->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText);
}

} // namespace

void OptionButton::paintEvent(QPaintEvent *)
{
    // A ring in the text colour on the button's own background; the selected
    // button has a dot of the same colour in it.
    QPainter p(this);
    paintBackground(p, this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = textColor(this);
    const QRectF ring = indicatorRect(this).adjusted(0.75, 0.75, -0.75, -0.75);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ring);
    if (isChecked()) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(ring.center(), 3.5, 3.5);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    paintCaption(p, this, ink);
}

void CheckBox::paintEvent(QPaintEvent *)
{
    // A white box with a dark frame, and a black tick when checked: plain on
    // any background.
    QPainter p(this);
    paintBackground(p, this);
    const QRectF box = indicatorRect(this);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(isEnabled() ? Qt::white : QColor(224, 224, 224));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    if (isChecked()) {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath tick;
        tick.moveTo(box.left() + 3, box.center().y());
        tick.lineTo(box.left() + 5.5, box.bottom() - 3.5);
        tick.lineTo(box.right() - 3, box.top() + 3);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    paintCaption(p, this, textColor(this));
}
