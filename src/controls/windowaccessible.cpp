#include "windowaccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Asked for each class of an object from the most derived up, before Qt's own
// interfaces: a class Qt knows (a dialog, a menu) has its own interface before
// the search reaches QWidget.
QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (className != QLatin1String("QWidget") || !widget || !widget->isWindow())
        return nullptr;
    // Owned by Qt's accessibility cache, which deletes it with the widget.
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void installWindowAccessibility()
{
    QAccessible::installFactory(windowInterface);
}
