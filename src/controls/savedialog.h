#pragma once

#include <QString>

class QWidget;

// Asks where to save, as QFileDialog::getSaveFileName() does with the same
// arguments; but a name longer than the folder takes, which Qt's dialog only
// refuses by greying its button, gets the message a failed save gives, and
// the dialog stays open to correct it. Returns the path, empty if cancelled.
QString askSaveFileName(QWidget *parent, const QString &title, const QString &proposedPath,
                        const QString &filter);
