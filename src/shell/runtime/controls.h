#pragma once

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

class Label;

// The look of a label: colours (an invalid background means transparent),
// font and alignment.
struct LabelStyle
{
    QColor foreground = Qt::black;
    QColor background;
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool clickable = false; // a link: pointing-hand pointer, clicked() signal
};

// A label at a rectangle in twips. Its text wraps at word breaks like the
// original labels; a text that would still be cut is drawn in a smaller font,
// so a caption is always shown whole.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(QWidget *parent, int left, int top, int width, int height, const QString &caption,
          const LabelStyle &style);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption);

signals:
    void clicked();
    void captionChanged(const QString &caption);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitText();

    QFont m_font;
};

// A graphical command button: a picture and no caption. The grey label under
// it names it; that caption is also the button's accessible name and tooltip.
class CommandButton : public QToolButton
{
    Q_OBJECT

public:
    CommandButton(QWidget *parent, int left, int top, int width, int height, const QPixmap &picture,
                  const QColor &face);
    // Takes the caption of `label` (now and whenever it changes) as its name.
    void setCaptionLabel(Label *label);
    // For buttons that show a caption under their picture (home screen, "T/4").
    void setCaption(const QString &caption);
};

// A horizontal scroll bar with 16-bit values. Its change signal comes after a
// click on an arrow or in the trough, after the release of a dragged thumb
// (never while dragging), and when the program sets Value.
class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    ScrollBar(QWidget *parent, int left, int top, int width, int height, int min, int max,
              int value, int smallChange, int largeChange);

    int Value() const { return value(); }

signals:
    void Change();
};

// A single-line text box with centred text.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    TextBox(QWidget *parent, int left, int top, int width, int height, const QString &text);

    QString Text() const { return text(); }
    // Marks the text as refused (red frame and text, a tooltip saying what is
    // expected) or accepted again.
    void setRefused(bool refused, const QString &hint = QString());
    bool isRefused() const { return m_refused; }

signals:
    void Change();

private:
    bool m_refused = false;
};

// An option button; those with the same parent form one group with exactly one
// selected. Click comes on a user click and whenever Value is set to true.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    OptionButton(QWidget *parent, int left, int top, int width, int height, const QString &caption,
                 const LabelStyle &style);

    bool Value() const { return isChecked(); }
    void setValue(bool value);

signals:
    void Click();
};

// A check box with the values 0 and 1. Click comes on a user click and when
// the program changes Value.
class CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    CheckBox(QWidget *parent, int left, int top, int width, int height, const QColor &background);

    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value);

signals:
    void Click();
};

// A frame with a title; controls inside it are placed in twips from its corner.
class Frame : public QGroupBox
{
    Q_OBJECT

public:
    Frame(QWidget *parent, int left, int top, int width, int height, const QString &title,
          const LabelStyle &style);
};
