#include "filewrite.h"

#include "messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace FileWrite {

QString reason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("FileWrite",
                                           "vous n'avez pas le droit d'écrire à cet endroit");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("FileWrite", "le dossier n'existe pas");
    case ENOSPC:
        return QCoreApplication::translate("FileWrite", "le disque est plein");
    case EDQUOT:
        return QCoreApplication::translate("FileWrite", "votre quota d'espace disque est atteint");
    case EROFS:
        return QCoreApplication::translate("FileWrite", "le disque est en lecture seule");
    case ENAMETOOLONG:
        return QCoreApplication::translate("FileWrite", "le nom du fichier est trop long");
    default:
        return {};
    }
}

bool write(QWidget *parent, const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, every write reaches the system at once and a full disk
    // shows here: buffered, it would fail only inside commit(), which (Qt 6.4)
    // still renames the short file over the earlier one. Qt leaves in errno
    // the system's error of the call that failed.
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && file.write(bytes) == bytes.size()
        // Network file systems may report a full disk only when the data reaches it.
        && ::fsync(file.handle()) == 0 && file.commit())
        return true;
    const QString why = reason(errno);
    // Otherwise Qt's own text, French where its catalogue has it.
    tellFailure(parent, path, why.isEmpty() ? file.errorString() : why);
    return false;
}

void tellFailure(QWidget *parent, const QString &path, const QString &reason)
{
    MsgBox(parent,
           QCoreApplication::translate("FileWrite",
                                       "Impossible d'enregistrer le fichier %1\u00a0: %2.")
               .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason));
}

} // namespace FileWrite
