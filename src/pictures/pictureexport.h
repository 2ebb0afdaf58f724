#pragma once

#include <QImage>
#include <QString>

class QWidget;

// Keeping what a picture shows: on the clipboard or in a PNG file.
namespace PictureExport {

// What `picture` shows on screen, the controls over it included, at the
// screen's pixel density; the marks of the keyboard focus left out.
QImage shown(QWidget *picture);

void copy(QWidget *picture);

// Asks where to save, proposing `proposedName` in the user's pictures
// folder, then writes the PNG; says in French why when it cannot. Returns
// whether a file was written.
bool save(QWidget *picture, const QString &proposedName);

// Writes `image` to `path` as PNG, whole or not at all (see FileWrite::write).
// Returns whether the file was written.
bool writePng(QWidget *parent, const QImage &image, const QString &path);

// "corde-vibreur-t1,250s.png": the simulation and the time on display.
QString proposedName(const QString &simulation, double seconds);

} // namespace PictureExport
