#include "look.h"

#include "colors.h"
#include "fonts.h"

namespace Look {

QColor formBackground()
{
    return RGB(64, 64, 64);
}
QColor leftBand()
{
    return RGB(128, 128, 255);
}
QColor panel()
{
    return RGB(192, 192, 255);
}
QColor navy()
{
    return RGB(0, 0, 128);
}
QColor buttonBar()
{
    return RGB(128, 128, 128);
}
QColor captionGrey()
{
    return RGB(224, 224, 224);
}
QColor slate()
{
    return RGB(102, 102, 153);
}
QColor red()
{
    return RGB(255, 0, 0);
}
QColor white()
{
    return RGB(255, 255, 255);
}
QColor black()
{
    return RGB(0, 0, 0);
}
QColor buttonFace()
{
    return RGB(192, 192, 192);
}

LabelStyle onPanel(const QColor &text, int fontStyle)
{
    // The panel's colour is the panel itself showing through.
    return {text, QColor(), Fonts::sans(8.25, fontStyle), Qt::AlignLeft | Qt::AlignTop, false};
}

LabelStyle heading(const QColor &text)
{
    return {text, QColor(), Fonts::sans(8.25, Fonts::Bold | Fonts::Underline),
            Qt::AlignLeft | Qt::AlignTop, false};
}

LabelStyle buttonCaption()
{
    // On the button bar, whose grey shows through.
    return {captionGrey(), QColor(), Fonts::sans(), Qt::AlignHCenter | Qt::AlignTop, false};
}

} // namespace Look
