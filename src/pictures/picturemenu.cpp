#include "picturemenu.h"

#include "pictureexport.h"

#include <QCoreApplication>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

void installPictureMenu(QWidget *picture, const std::function<QString()> &fileName,
                        const MoreMenuEntries &more)
{
    picture->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        picture, &QWidget::customContextMenuRequested, picture,
        [picture, fileName, more](QPoint at) {
            QMenu menu(picture);
            menu.addAction(QCoreApplication::translate("PictureMenu", "Copier l'image"),
                           [picture] { PictureExport::copy(picture); });
            menu.addAction(QCoreApplication::translate("PictureMenu", "Enregistrer l'image…"),
                           [picture, fileName] { PictureExport::save(picture, fileName()); });
            if (more) {
                menu.addSeparator();
                more(menu, at);
            }
            menu.exec(picture->mapToGlobal(at));
        });
}

void installPictureShortcuts(QWidget *window, QWidget *picture,
                             const std::function<QString()> &fileName)
{
    // Window shortcuts: a focused line edit claims Ctrl+C first (its own copy).
    QObject::connect(new QShortcut(QKeySequence::Copy, window), &QShortcut::activated, picture,
                     [picture] { PictureExport::copy(picture); });
    QObject::connect(new QShortcut(QKeySequence::Save, window), &QShortcut::activated, picture,
                     [picture, fileName] { PictureExport::save(picture, fileName()); });
}
