#pragma once

#include <QColor>
#include <QFont>

// The look of a label: colours, font and alignment. An invalid background
// means transparent: what lies under the label shows through, so it may set
// its caption into the free space beside or below its box.
struct LabelStyle
{
    QColor foreground = Qt::black;
    QColor background;
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool clickable = false; // a link: pointing-hand pointer, clicked() signal
};
