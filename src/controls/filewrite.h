#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// Saving a whole file, the pictures and the recorder's CSV alike: written to
// a temporary file beside it, which replaces the earlier file only once every
// byte has reached the disk.
namespace FileWrite {

// Writes `bytes` to `path`. When it cannot, a file already there keeps its
// contents byte for byte and a message box names the whole path and says why
// in French (permission, missing folder, full disk…). Returns whether the
// file was written.
bool write(QWidget *parent, const QString &path, const QByteArray &bytes);

// Why the system refused a write with `error` (errno), in French, for the
// usual cases (permission, missing folder, full disk, read-only disk, name too
// long); empty for the others.
QString reason(int error);

// The message box of a save of `path` that failed for `reason`, in French.
void tellFailure(QWidget *parent, const QString &path, const QString &reason);

} // namespace FileWrite
