#pragma once

#include <QString>

#include <functional>

class PointTracker;
class QWidget;

// The right-click menu of a simulation's picture: "Copier l'image",
// "Enregistrer l'image…" (a PNG named by `fileName`, the simulation and the
// time on display) and, with a tracker, "Suivre ce point" and "Ne plus suivre".
void installPictureMenu(QWidget *picture, const std::function<QString()> &fileName,
                        PointTracker *tracker = nullptr);

// Ctrl+C and Ctrl+S in `window` copy and save `picture`. A step box that has
// the focus keeps Ctrl+C for its own text.
void installPictureShortcuts(QWidget *window, QWidget *picture,
                             const std::function<QString()> &fileName);
