#include "picturemenu.h"

#include "controls/focusmark.h"
#include "drawing/drawingsurface.h"
#include "pictureexport.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QShortcut>

namespace {

// The menu key and Shift+F10 ask the focused picture for its menu at its
// keyboard point, as the system's own request from the keyboard does.
class KeyboardMenu : public QObject
{
public:
    KeyboardMenu(DrawingSurface *picture, KeyboardPoint point)
        : QObject(picture)
        , m_picture(picture)
        , m_point(std::move(point))
    {
        picture->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!asksForMenu(event))
            return false;
        emit m_picture->customContextMenuRequested(m_point ? m_point()
                                                           : m_picture->clientRect().center());
        return true;
    }

private:
    static bool asksForMenu(QEvent *event)
    {
        if (event->type() == QEvent::ContextMenu)
            return static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard;
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        return key->key() == Qt::Key_Menu
            || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
    }

    DrawingSurface *m_picture;
    KeyboardPoint m_point;
};

} // namespace

void installPictureMenu(DrawingSurface *picture, const std::function<QString()> &fileName,
                        const MoreMenuEntries &more, const KeyboardPoint &keyboardPoint)
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

    // By Tab only: a click with the mouse leaves the picture as it was.
    picture->setFocusPolicy(Qt::TabFocus);
    new KeyboardMenu(picture, keyboardPoint);
    // A pixel clear of the border, which would swallow dots beside it.
    QObject::connect(picture, &DrawingSurface::paintedOver, picture, [picture](QPainter &p) {
        if (picture->hasFocus())
            FocusMark::paint(p, picture->clientRect() - QMargins(1, 1, 1, 1), FocusMark::onFace());
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
