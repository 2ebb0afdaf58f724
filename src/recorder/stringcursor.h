#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class DrawingSurface;
class QPainter;
class TrackedString;

// The keyboard's cursor on a simulation's picture: while the picture has the
// focus, a dotted vertical line over it (never in its image) at a point of the
// string that can be followed. Left and Right move it by a hundredth of the
// string, a tenth with Shift; Home and End take it to the string's ends. The
// picture's menu asked from the keyboard comes at it, so that "Suivre ce
// point" follows the point under it as a right click there would.
class StringCursor : public QObject
{
public:
    // On `picture`, whose user x runs along `string`, which outlives it; at first
    // in the middle of the string.
    StringCursor(DrawingSurface *picture, const TrackedString &string);

    // Where the menu comes from the keyboard: the cursor, halfway down the
    // picture, in the picture widget's pixels.
    QPoint point() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The string's ends, in user x: the points followed nearest the picture's edges.
    double end(bool right) const;
    // The picture widget's column of the cursor, on the string as it is now.
    int column() const;
    // The pixels the cursor covers at `x`.
    QRect band(int x) const;
    void moveTo(double x);
    // Repaints the cursor's old and new places when it moved.
    void follow();
    void paint(QPainter &painter);

    DrawingSurface *m_picture;
    const TrackedString &m_string;
    double m_x; // user x
    int m_shown = 0; // the column last painted
};
