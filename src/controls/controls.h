#pragma once

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include "look/labelstyle.h"

class Label;

// A label at a rectangle in twips. Its caption is shown whole, in its style's
// font, and keeps a word space from the captions and controls beside it (two
// between captions centred under controls of their own). A caption that does
// not fit wraps at word breaks in its box; a transparent label may also run on
// into the free space after its box. A box of one line then keeps it on one
// line with its letters set closer, or in the family's condensed face; only
// then may a transparent label wrap it downward into free space below, with
// its letters closer if need be, and as a last resort in a smaller size. A
// line beside a text box, scroll bar, check box or option button sits level
// with it.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(QWidget *parent, int left, int top, int width, int height, const QString &caption,
          const LabelStyle &style);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption);
    // The font of the label's style, before any fitting.
    const QFont &styleFont() const { return m_font; }

signals:
    void clicked();
    void captionChanged(const QString &caption);

protected:
    bool event(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitText();
    QRectF room(bool spread) const;
    QRectF claim() const;
    // Where a caption `width` pixels wide starts in the box, as the
    // alignment anchors it (the anchor itself for a width of 0).
    double anchoredLeft(double width) const;
    double gapTo(const QWidget *neighbour) const;
    bool holdsSeveralLines() const;
    // How far below the top of its box a line of the caption in `font` goes
    // so as to sit level with the control beside it on its row, if any: on a
    // text box's baseline, centred on a scroll bar, check box or option button.
    int dropBeside(const QFont &font) const;
    bool place(const QFont &font, const QRectF &room, bool wrap);

    QRect m_box; // the designer rectangle, in pixels of the parent
    QFont m_font;
    bool m_transparent;
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
    // Hides this button for `other` at its place (two taking turns there, as
    // pause and resume do); the keyboard focus stays at the place.
    void giveWayTo(CommandButton *other);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A horizontal scroll bar with 16-bit values. Its change signal comes after a
// click on an arrow or in the trough, after the release of a dragged thumb
// (never while dragging), after a key that moves it, and when the program
// sets Value. The keys follow the slider convention: Right and Up raise the
// value by the small change, Left and Down lower it, Page Up and Page Down by
// the large change, Home and End go to the minimum and the maximum.
class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    ScrollBar(QWidget *parent, int left, int top, int width, int height, int min, int max,
              int value, int smallChange, int largeChange);

    int Value() const { return value(); }
    // What the bar sets: `stepsPerUnit` steps of its value make one `unit`.
    // The window's caption and the value text a screen reader speaks ("1,3
    // Hz", the accessible description) both read it through quantity() and
    // unit().
    void setQuantity(int stepsPerUnit, const QString &unit);
    double quantity() const { return Value() / static_cast<double>(m_stepsPerUnit); }
    const QString &unit() const { return m_unit; }

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // With the focus, the thumb carries the focus mark.
    void paintEvent(QPaintEvent *event) override;

private:
    void describeValue();

    int m_stepsPerUnit = 1;
    QString m_unit;
};

// A single-line text box with centred text, a word space clear of its frame
// on either side: a text too long for that has its letters set closer, then
// goes into the condensed face.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    TextBox(QWidget *parent, int left, int top, int width, int height, const QString &text);

    QString Text() const { return text(); }
    // The baseline of its text, in its own coordinates.
    int textBaseline() const;
    // Marks the text as refused (red frame and text, a tooltip saying what is
    // expected) or accepted again.
    void setRefused(bool refused, const QString &hint = QString());
    bool isRefused() const { return m_refused; }
    // The unit of the number typed, spoken after it ("0,01 m", the accessible
    // description); a refused text is described by its hint instead.
    void setUnit(const QString &unit);

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where the line edit lays out its line, inside its frame.
    QRect lineRect() const;
    void fitText();

    void describeValue();

    QFont m_font;
    bool m_refused = false;
    QString m_unit;
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

protected:
    // Drawn in the colours the window gives it (see indicators.cpp).
    void paintEvent(QPaintEvent *event) override;
};

// A check box with the values 0 and 1. Click comes on a user click and when
// the program changes Value. Its box is white; `foreground`, the colour of
// the captions beside it, marks its focus.
class CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    CheckBox(QWidget *parent, int left, int top, int width, int height, const QColor &foreground,
             const QColor &background);

    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Gives `control` the accessible name its captions make, read in order, each
// without its closing ':' or '=' ("pas du calcul spatial :" and "dx =" name
// the box "pas du calcul spatial dx"), for controls whose captions are labels
// of their own.
void nameAfter(QWidget *control, std::initializer_list<const Label *> captions);

// A frame with a title; controls inside it are placed in twips from its corner.
class Frame : public QGroupBox
{
    Q_OBJECT

public:
    Frame(QWidget *parent, int left, int top, int width, int height, const QString &title,
          const LabelStyle &style);
};
