#include "pictureexport.h"

#include "controls/filewrite.h"
#include "controls/numberformat.h"
#include "controls/savedialog.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QWidget>

namespace PictureExport {

QImage shown(QWidget *picture)
{
    // The marks of the keyboard focus come on the picture's signals: not kept.
    const QSignalBlocker withoutFocusMarks(picture);
    return picture->grab().toImage();
}

void copy(QWidget *picture)
{
    QGuiApplication::clipboard()->setImage(shown(picture));
}

bool save(QWidget *picture, const QString &proposedName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = askSaveFileName(
        picture->window(), QCoreApplication::translate("PictureExport", "Enregistrer l'image"),
        folder + '/' + proposedName,
        QCoreApplication::translate("PictureExport", "Images PNG (*.png)"));
    return !path.isEmpty() && writePng(picture->window(), shown(picture), path);
}

bool writePng(QWidget *parent, const QImage &image, const QString &path)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"))
        return FileWrite::write(parent, path, png);
    FileWrite::tellFailure(parent, path,
                           QCoreApplication::translate("PictureExport", "l'image est vide"));
    return false;
}

QString proposedName(const QString &simulation, double seconds)
{
    return QStringLiteral("%1-t%2s.png").arg(simulation, frenchLocale().toString(seconds, 'f', 3));
}

} // namespace PictureExport
