#pragma once

#include <QString>

#include <functional>

class DrawingSurface;
class QMenu;
class QPoint;
class QWidget;

// Entries added after a separator to a picture's menu, given the point of the
// picture it was asked for (the recorder's "Suivre ce point"…).
using MoreMenuEntries = std::function<void(QMenu &menu, const QPoint &at)>;
// Where the keyboard asks for a picture's menu, in the picture widget's pixels.
using KeyboardPoint = std::function<QPoint()>;

// The right-click menu of a simulation's picture: "Copier l'image",
// "Enregistrer l'image…" (a PNG named by `fileName`, the simulation and the
// time on display), then the entries `more` adds. The picture also takes the
// focus by Tab, shows it by a dotted mark inside its border, and opens the
// same menu on the menu key or Shift+F10, at `keyboardPoint` (the middle of
// the picture without one).
void installPictureMenu(DrawingSurface *picture, const std::function<QString()> &fileName,
                        const MoreMenuEntries &more = {}, const KeyboardPoint &keyboardPoint = {});

// Ctrl+C and Ctrl+S in `window` copy and save `picture`. A step box that has
// the focus keeps Ctrl+C for its own text.
void installPictureShortcuts(QWidget *window, QWidget *picture,
                             const std::function<QString()> &fileName);
