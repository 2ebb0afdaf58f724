#include "controls.h"

#include "fonts.h"
#include "twips.h"

#include <QFontMetrics>
#include <QMouseEvent>

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

// Smallest pixel size a caption is shrunk to before it is left to be cut.
constexpr int minimumPixelSize = 7;

} // namespace

Label::Label(QWidget *parent, int left, int top, int width, int height, const QString &caption,
             const LabelStyle &style)
    : QLabel(parent)
    , m_font(style.font)
{
    setGeometry(Twips::rect(left, top, width, height));
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

void Label::fitText()
{
    // Like the original labels, a caption too long for one line wraps at word
    // breaks; a caption that does not fit even so is drawn smaller.
    QFont font = m_font;
    const int flags = int(alignment()) | Qt::TextWordWrap;
    for (int size = m_font.pixelSize(); size >= minimumPixelSize; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        const QRect needed = metrics.boundingRect(QRect(0, 0, width(), 10000), flags, text());
        if (needed.width() <= width() && needed.height() <= height())
            break;
    }
    setFont(font);
    setWordWrap(QFontMetrics(font).horizontalAdvance(text()) > width());
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
    setIconSize(picture.deviceIndependentSize().toSize());
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFocusPolicy(Qt::StrongFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    setPalette(palette);
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
}

TextBox::TextBox(QWidget *parent, int left, int top, int width, int height, const QString &text)
    : QLineEdit(text, parent)
{
    setGeometry(Twips::rect(left, top, width, height));
    setAlignment(Qt::AlignCenter);
    setFont(Fonts::sans());
    setTextMargins(0, 0, 0, 0);
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
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
                   const QColor &background)
    : QCheckBox(parent)
{
    setGeometry(Twips::rect(left, top, width, height));
    applyColors(this, Qt::black, background);
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
