#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a new window of frame size `size` opens beside `window` (its frame), all in screen
// coordinates: on `area`, the screen's available area, clear of the window where there is room,
// and otherwise covering as little of `picture` as it can, then as little of the window. Never
// off the area, except a window larger than the area, which keeps its top-left corner on it.
// Returns the top-left corner of its frame.
QPoint placeBeside(QSize size, const QRect &window, const QRect &picture, const QRect &area);
