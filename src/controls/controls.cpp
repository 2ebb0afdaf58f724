#include "controls.h"

#include "drawing/twips.h"
#include "focusmark.h"
#include "look/fonts.h"
#include "numberformat.h"
#include "shapecontrol.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

namespace {

void applyColors(QWidget *widget, const QColor &foreground, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, foreground);
    palette.setColor(QPalette::Text, foreground);
    palette.setColor(QPalette::ButtonText, foreground);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

// The style tints a focused button or text box, and the selected text, in
// the desktop's highlight colour: the window's own is used instead.
void highlightInWindowColours(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Highlight, FocusMark::onFace());
    widget->setPalette(palette);
}

// A button's picture keeps just inside its focus mark.
const QMargins pictureMargins(3, 3, 3, 3);

// Smallest pixel size a caption is shrunk to before it is left to be cut.
constexpr int minimumPixelSize = 7;

// Shapes and lines are decoration: captions may lie over them.
bool isDecoration(const QObject *object)
{
    return qobject_cast<const ShapeControl *>(object) || qobject_cast<const LineControl *>(object);
}

// Two boxes on one row: the middle of either lies within the height of the other.
bool sameRow(const QRectF &a, const QRectF &b)
{
    const auto within = [](double y, const QRectF &r) { return y >= r.top() && y < r.bottom(); };
    return within(a.center().y(), b) || within(b.center().y(), a);
}

// The controls beside a label that its caption keeps clear of: its siblings
// but for decoration and for windows the parent owns (the recorder, a
// dialog), whose geometry is on the screen, not in the parent.
QList<const QWidget *> solidSiblings(const QWidget *label)
{
    QList<const QWidget *> solid;
    for (const QObject *sibling : label->parentWidget()->children()) {
        const auto *widget = qobject_cast<const QWidget *>(sibling);
        if (widget && widget != label && !widget->isWindow() && !isDecoration(widget))
            solid.append(widget);
    }
    return solid;
}

// Trailing blanks take room on a line but show nothing.
QString inked(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1).isSpace())
        --n;
    return text.left(n);
}

} // namespace

Label::Label(QWidget *parent, int left, int top, int width, int height, const QString &caption,
             const LabelStyle &style)
    : QLabel(parent)
    , m_box(Twips::rect(left, top, width, height))
    , m_font(style.font)
    , m_transparent(!style.background.isValid())
{
    setGeometry(m_box);
    setAlignment(style.alignment);
    setContentsMargins(0, 0, 0, 0);
    applyColors(this, style.foreground, style.background);
    if (style.clickable)
        setCursor(Qt::PointingHandCursor);
    else
        setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setText(caption);
    fitText();
}

void Label::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    fitText();
    emit captionChanged(caption);
}

bool Label::event(QEvent *event)
{
    // A label is polished just before its window first shows, when all the
    // window's controls exist: the caption is fitted again among them.
    if (event->type() == QEvent::Polish)
        fitText();
    return QLabel::event(event);
}

void Label::fitText()
{
    // Every way keeps the caption's size, except the last.
    const QRectF box = room(false);
    if (place(m_font, box, true))
        return;
    const QRectF free = m_transparent ? room(true) : box;
    const QList<QFont> closer = Fonts::closer(m_font);
    // On along its row; a box of one line then keeps its caption on one
    // line with its letters closer, rather than wrap it.
    if (m_transparent && place(m_font, free, false))
        return;
    if (!holdsSeveralLines()) {
        for (const QFont &font : closer) {
            if (place(font, free, false))
                return;
        }
    }
    if (m_transparent) {
        // Wrapped at the width of its box, lower down; else wrapped in all
        // the free space.
        QRectF below = free;
        below.setLeft(std::max(free.left(), box.left()));
        below.setRight(std::min(free.right(), box.right()));
        if (place(m_font, below, true) || place(m_font, free, true))
            return;
    }
    for (const QFont &font : closer) {
        if (place(font, free, true))
            return;
    }
    QFont font = m_font;
    for (int size = m_font.pixelSize() - 1; size >= minimumPixelSize; --size) {
        font.setPixelSize(size);
        if (place(font, free, true))
            return;
    }
    // Nothing fits: the smallest size, wrapped in the box.
    setFont(font);
    setWordWrap(true);
    setContentsMargins(0, 0, 0, 0);
    setGeometry(m_box);
}

bool Label::holdsSeveralLines() const
{
    return m_box.height() > 1.5 * QFontMetricsF(m_font).lineSpacing();
}

QRectF Label::room(bool spread) const
{
    // In the parent's coordinates: the box or, spreading, the shape under the
    // label (or else the parent) a word space in from its edges; on the
    // label's row, short of the neighbours by their gap. A block of text (a
    // caption centred under its control, or a box of several lines) may also
    // grow down to the controls below; a single line keeps its height.
    QRectF room(m_box);
    const QWidget *parent = parentWidget();
    if (!parent)
        return room;
    if (spread) {
        QRectF area(parent->rect());
        // Siblings created later lie above the label, not under it.
        for (const QObject *sibling : parent->children()) {
            if (sibling == this)
                break;
            const auto *shape = qobject_cast<const ShapeControl *>(sibling);
            if (shape && shape->geometry().contains(m_box.topLeft()))
                area = QRectF(shape->geometry()) & QRectF(parent->rect());
        }
        const double margin = std::ceil(QFontMetricsF(m_font).horizontalAdvance(QLatin1Char(' ')));
        room = QRectF(QPointF(area.left() + margin, m_box.top()),
                      QPointF(area.right() - margin, area.bottom()));
    }
    const double left = m_box.left();
    const double right = left + m_box.width();
    const double centre = (left + right) / 2;
    const Qt::Alignment alignment = this->alignment();
    const double anchor = anchoredLeft(0);
    const QList<const QWidget *> solid = solidSiblings(this);
    for (const QWidget *widget : solid) {
        const auto *label = qobject_cast<const Label *>(widget);
        const QRectF other = label ? label->claim() : QRectF(widget->geometry());
        if (other.isEmpty() || !sameRow(QRectF(m_box), other))
            continue;
        if (other.center().x() > anchor)
            room.setRight(std::min(room.right(), other.left() - gapTo(widget)));
        else
            room.setLeft(std::max(room.left(), other.right() + gapTo(widget)));
    }
    // The caption stays anchored where its box puts it: left, right or centred.
    if (alignment & Qt::AlignRight) {
        room.setRight(right);
    } else if (alignment & Qt::AlignHCenter) {
        const double half = std::min(centre - room.left(), room.right() - centre);
        room.setLeft(centre - half);
        room.setRight(centre + half);
    } else {
        room.setLeft(left);
    }
    const bool block = (alignment & Qt::AlignHCenter) || holdsSeveralLines();
    if (!spread || !block) {
        room.setBottom(m_box.top() + m_box.height());
        return room;
    }
    for (const QWidget *widget : solid) {
        const auto *label = qobject_cast<const Label *>(widget);
        const QRectF other(label ? label->m_box : widget->geometry());
        if (other.top() > m_box.top() && !sameRow(QRectF(m_box), other)
            && other.left() < room.right() && other.right() > room.left())
            room.setBottom(std::min(room.bottom(), other.top()));
    }
    return room;
}

QRectF Label::claim() const
{
    // The part of its row the caption takes on one line in the style's font,
    // within the box: what the neighbours keep their distance from.
    const QString caption = inked(text());
    if (caption.trimmed().isEmpty())
        return {};
    const double width
        = std::min(QFontMetricsF(m_font).horizontalAdvance(caption), double(m_box.width()));
    return {anchoredLeft(width), double(m_box.top()), width, double(m_box.height())};
}

double Label::anchoredLeft(double width) const
{
    if (alignment() & Qt::AlignRight)
        return m_box.left() + m_box.width() - width;
    if (alignment() & Qt::AlignHCenter)
        return m_box.left() + (m_box.width() - width) / 2;
    return m_box.left();
}

double Label::gapTo(const QWidget *neighbour) const
{
    // A word space from a control, or from another caption, as between the
    // words of a phrase; two between captions centred under controls of
    // their own, which would otherwise read as one phrase.
    const double space = QFontMetricsF(m_font).horizontalAdvance(QLatin1Char(' '));
    const auto *label = qobject_cast<const Label *>(neighbour);
    const bool captions
        = label && (alignment() & Qt::AlignHCenter) && (label->alignment() & Qt::AlignHCenter);
    return captions ? 2 * space : space;
}

int Label::dropBeside(const QFont &font) const
{
    // The nearest control on the label's row that a caption sits beside,
    // within an em of its box.
    const QRectF own(m_box);
    const QWidget *control = nullptr;
    double distance = font.pixelSize();
    for (const QWidget *widget : solidSiblings(this)) {
        const bool besideCaption = qobject_cast<const TextBox *>(widget)
            || qobject_cast<const ScrollBar *>(widget)
            || qobject_cast<const QAbstractButton *>(widget);
        const QRectF other(widget->geometry());
        if (!besideCaption || qobject_cast<const CommandButton *>(widget) || !sameRow(own, other))
            continue;
        const double apart
            = std::max({0.0, other.left() - own.right(), own.left() - other.right()});
        if (apart <= distance) {
            control = widget;
            distance = apart;
        }
    }
    if (!control)
        return 0;
    // Where the caption's line sits when the label's text is set at its top.
    const QFontMetricsF metrics(font);
    const double top = m_box.top();
    double drop = 0;
    if (const auto *box = qobject_cast<const TextBox *>(control)) {
        // On the same baseline as the box's text.
        drop = control->y() + box->textBaseline() - (top + metrics.ascent());
    } else {
        // The middle of its capitals on the middle of the control.
        drop = control->y() + control->height() / 2.0
            - (top + metrics.ascent() - metrics.capHeight() / 2);
    }
    return std::max(0, int(std::lround(drop)));
}

bool Label::place(const QFont &font, const QRectF &room, bool wrap)
{
    // The caption in `font` within `room`: on one line, or else, if `wrap`,
    // wrapped at word breaks. The label then spans the width it was laid out
    // in, at its box's anchor, and at least the box's height.
    int width = int(std::floor(room.width() + 1e-6));
    if ((alignment() & Qt::AlignHCenter) && (width - m_box.width()) % 2 != 0)
        --width; // whole pixels on either side keep a centred caption's middle
    const int height = int(std::floor(room.height() + 1e-6));
    if (width <= 0 || height <= 0)
        return false;
    const QFontMetricsF metrics(font);
    const QString caption = text();
    const bool oneLine
        = metrics.horizontalAdvance(inked(caption)) <= width && metrics.height() <= height;
    double needed = metrics.height();
    if (!oneLine) {
        if (!wrap)
            return false;
        const QRectF wrapped = metrics.boundingRect(QRectF(0, 0, width, 1e6),
                                                    int(alignment()) | Qt::TextWordWrap, caption);
        if (wrapped.width() > width || wrapped.height() > height)
            return false;
        needed = wrapped.height();
    }
    // A line beside a control sits lower in the label, level with it.
    const int drop = oneLine ? dropBeside(font) : 0;
    setFont(font);
    setWordWrap(!oneLine);
    setContentsMargins(0, drop, 0, 0);
    // A centred width keeps the box's parity, so the left edge is a whole pixel.
    setGeometry(int(anchoredLeft(width)), m_box.top(), width,
                std::max(m_box.height(), drop + int(std::ceil(needed))));
    return true;
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

CommandButton::CommandButton(QWidget *parent, int left, int top, int width, int height,
                             const QPixmap &picture, const QColor &face)
    : QToolButton(parent)
{
    setGeometry(Twips::rect(left, top, width, height));
    setIcon(QIcon(picture));
    // A picture too large to keep clear of the frame and the focus mark is
    // drawn smaller, in proportion.
    const QSize room = size().shrunkBy(pictureMargins);
    QSize shown = picture.deviceIndependentSize().toSize();
    if (shown.width() > room.width() || shown.height() > room.height())
        shown.scale(room, Qt::KeepAspectRatio);
    setIconSize(shown);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFocusPolicy(Qt::StrongFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    setPalette(palette);
    highlightInWindowColours(this);
    setAutoFillBackground(false);
}

void CommandButton::setCaptionLabel(Label *label)
{
    const auto takeCaption = [this](const QString &caption) {
        const QString name = caption.trimmed();
        setAccessibleName(name);
        setToolTip(name);
    };
    takeCaption(label->Caption());
    connect(label, &Label::captionChanged, this, takeCaption);
}

void CommandButton::setCaption(const QString &caption)
{
    setText(caption);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAccessibleName(caption);
    setFont(Fonts::sans());
}

void CommandButton::giveWayTo(CommandButton *other)
{
    other->setVisible(true);
    if (hasFocus())
        other->setFocus(Qt::OtherFocusReason);
    setVisible(false);
}

void CommandButton::paintEvent(QPaintEvent *event)
{
    QToolButton::paintEvent(event);
    if (hasFocus())
        FocusMark::paintInsideFrame(this, rect());
}

ScrollBar::ScrollBar(QWidget *parent, int left, int top, int width, int height, int min, int max,
                     int value, int smallChange, int largeChange)
    : QScrollBar(Qt::Horizontal, parent)
{
    setGeometry(Twips::rect(left, top, width, height));
    setRange(min, max);
    setSingleStep(smallChange);
    setPageStep(largeChange);
    setValue(value);
    // Without tracking, a dragged thumb changes the value only when released.
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, &ScrollBar::Change);
    connect(this, &QScrollBar::valueChanged, this, &ScrollBar::describeValue);
    describeValue();
}

void ScrollBar::setQuantity(int stepsPerUnit, const QString &unit)
{
    m_stepsPerUnit = stepsPerUnit;
    m_unit = unit;
    describeValue();
}

void ScrollBar::describeValue()
{
    // Setting the description tells the accessibility bus it changed.
    const QString number = frenchNumber(quantity());
    setAccessibleDescription(m_unit.isEmpty() ? number : number + u' ' + m_unit);
}

void ScrollBar::keyPressEvent(QKeyEvent *event)
{
    // A scroll bar of Qt's reads Up and Page Up as "towards the top of a
    // document", which lowers the value, and its horizontal arrows follow
    // suit; a value bar reads them as "more". Each action moves the value at
    // once, so a key press makes one change.
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepSub;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void ScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    FocusMark::paintInsideFrame(
        this,
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this));
}

TextBox::TextBox(QWidget *parent, int left, int top, int width, int height, const QString &text)
    : QLineEdit(text, parent)
    , m_font(Fonts::sans())
{
    setGeometry(Twips::rect(left, top, width, height));
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    highlightInWindowColours(this);
    fitText();
    connect(this, &QLineEdit::textChanged, this, &TextBox::fitText);
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
    connect(this, &QLineEdit::textChanged, this, &TextBox::describeValue);
}

void TextBox::setUnit(const QString &unit)
{
    m_unit = unit;
    describeValue();
}

void TextBox::describeValue()
{
    // Spoken as French writes it, whichever separator was typed.
    setAccessibleDescription(m_refused ? toolTip()
                                       : QString(text()).replace(u'.', u',') + u' ' + m_unit);
}

QRect TextBox::lineRect() const
{
    // As the line edit lays it out: its contents inside the style's frame,
    // less its own margin of 2 pixels on either side, the line of text
    // centred in the height.
    constexpr int horizontalMargin = 2;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    const QFontMetrics metrics(font());
    const int top = contents.y() + (contents.height() - metrics.height() + 1) / 2;
    return {contents.x() + horizontalMargin, top, contents.width() - 2 * horizontalMargin,
            metrics.height()};
}

int TextBox::textBaseline() const
{
    return lineRect().top() + QFontMetrics(font()).ascent();
}

void TextBox::fitText()
{
    // The style's font if it leaves a word space clear on either side, else
    // the first narrower face that does, else the narrowest.
    const double room
        = lineRect().width() - 2 * QFontMetricsF(m_font).horizontalAdvance(QLatin1Char(' '));
    QList<QFont> faces = Fonts::closer(m_font);
    faces.prepend(m_font);
    for (const QFont &face : faces) {
        if (QFontMetricsF(face).horizontalAdvance(text()) <= room || face == faces.constLast()) {
            setFont(face);
            return;
        }
    }
}

void TextBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (hasFocus())
        FocusMark::paintInsideFrame(this, rect());
}

void TextBox::setRefused(bool refused, const QString &hint)
{
    if (refused == m_refused && (!refused || toolTip() == hint))
        return;
    m_refused = refused;
    setStyleSheet(
        refused ? QStringLiteral("QLineEdit { color: rgb(200,0,0); border: 2px solid rgb(220,0,0);"
                                 " background: rgb(255,230,230); }")
                : QString());
    setToolTip(refused ? hint : QString());
    describeValue();
    fitText(); // within the frame it now has
}

void nameAfter(QWidget *control, std::initializer_list<const Label *> captions)
{
    QStringList words;
    for (const Label *caption : captions) {
        QString word = caption->Caption().trimmed();
        while (word.endsWith(u':') || word.endsWith(u'='))
            word = word.chopped(1).trimmed();
        words << word;
    }
    control->setAccessibleName(words.join(u' '));
}

OptionButton::OptionButton(QWidget *parent, int left, int top, int width, int height,
                           const QString &caption, const LabelStyle &style)
    : QRadioButton(caption, parent)
{
    setGeometry(Twips::rect(left, top, width, height));
    setFont(style.font);
    applyColors(this, style.foreground, style.background);
    if (style.clickable)
        setCursor(Qt::PointingHandCursor);
    connect(this, &QRadioButton::clicked, this, &OptionButton::Click);
}

void OptionButton::setValue(bool value)
{
    if (!value) {
        // An exclusive button cannot be unchecked directly.
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
        return;
    }
    setChecked(true);
    emit Click();
}

CheckBox::CheckBox(QWidget *parent, int left, int top, int width, int height,
                   const QColor &foreground, const QColor &background)
    : QCheckBox(parent)
{
    setGeometry(Twips::rect(left, top, width, height));
    applyColors(this, foreground, background);
    connect(this, &QCheckBox::clicked, this, &CheckBox::Click);
}

void CheckBox::setValue(int value)
{
    const bool checked = value != 0;
    if (checked == isChecked())
        return;
    setChecked(checked);
    emit Click();
}

Frame::Frame(QWidget *parent, int left, int top, int width, int height, const QString &title,
             const LabelStyle &style)
    : QGroupBox(title, parent)
{
    setGeometry(Twips::rect(left, top, width, height));
    setFont(style.font);
    applyColors(this, style.foreground, style.background);
}
