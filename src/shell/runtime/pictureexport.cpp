#include "pictureexport.h"

#include "messagebox.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

namespace PictureExport {

QImage shown(QWidget *picture)
{
    return picture->grab().toImage();
}

void copy(QWidget *picture)
{
    QGuiApplication::clipboard()->setImage(shown(picture));
}

bool save(QWidget *picture, const QString &proposedName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = QFileDialog::getSaveFileName(
        picture->window(), QStringLiteral("Enregistrer l'image"), folder + '/' + proposedName,
        QStringLiteral("Images PNG (*.png)"));
    return !path.isEmpty() && writePng(picture->window(), shown(picture), path);
}

bool writePng(QWidget *parent, const QImage &image, const QString &path)
{
    // Written to a temporary file renamed at the end: a failure leaves any
    // file already there as it was.
    QSaveFile file(path);
    QByteArray png;
    QBuffer buffer(&png);
    const bool encoded = buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG");
    if (encoded && file.open(QIODevice::WriteOnly) && file.write(png) == png.size()
        && file.commit())
        return true;
    MsgBox(parent,
           QStringLiteral("Impossible d'enregistrer l'image dans %1 : %2")
               .arg(QFileInfo(path).fileName(),
                    encoded ? file.errorString() : QStringLiteral("image vide")));
    return false;
}

QString proposedName(const QString &simulation, double seconds)
{
    QLocale french(QLocale::French);
    french.setNumberOptions(QLocale::OmitGroupSeparator); // no blank inside a file name
    return QStringLiteral("%1-t%2s.png").arg(simulation, french.toString(seconds, 'f', 3));
}

} // namespace PictureExport
