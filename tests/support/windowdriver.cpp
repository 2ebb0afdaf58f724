#include "windowdriver.h"

#include "imageprobe.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

void WindowDriver::click(const QString &names)
{
    for (const QString &name : names.split(' ', Qt::SkipEmptyParts)) {
        QWidget &control = find(name);
        if (!QTest::qVerify(shown(name) && control.isEnabled(), "click", qPrintable(name), __FILE__,
                            __LINE__))
            return;
        // An option button or a check box takes it on its indicator, at its left end.
        const int middle = control.height() / 2;
        const bool indicator
            = qobject_cast<QRadioButton *>(&control) || qobject_cast<QCheckBox *>(&control);
        QTest::mouseClick(&control, Qt::LeftButton, {},
                          indicator ? QPoint(middle, middle) : QPoint());
    }
}

void WindowDriver::type(const QString &name, const QString &text)
{
    auto &box = find<TextBox>(name);
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, text);
}

void WindowDriver::tick(int count)
{
    auto &timer = find<FormTimer>("Timer1");
    for (int i = 0; i < count; ++i) {
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&timer);
        if (!QTest::qVerify(!timers.isEmpty(), "tick", "Timer1 stopped", __FILE__, __LINE__))
            return;
        QTimerEvent event(timers.constFirst().timerId);
        QCoreApplication::sendEvent(&timer, &event);
    }
}

QString WindowDriver::menu(QPointF at, const QString &choice, const QString &picture)
{
    DrawingSurface &surface = find<DrawingSurface>(picture);
    const QPoint pixel = Probe::onScreen(surface, float(at.x()), float(at.y()));
    return answerMenu(surface, choice, [&] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pixel, surface.mapToGlobal(pixel));
        QCoreApplication::sendEvent(&surface, &event);
    });
}

QPoint WindowDriver::keyMenu(QKeyCombination key, const QString &choice, const QString &picture)
{
    DrawingSurface &surface = find<DrawingSurface>(picture);
    QPoint at;
    answerMenu(
        surface, choice, [&] { QTest::keyClick(&surface, key.key(), key.keyboardModifiers()); },
        &at);
    return at;
}

QString WindowDriver::answerMenu(QWidget &picture, const QString &choice,
                                 const std::function<void()> &ask, QPoint *at)
{
    QStringList entries;
    // The menu runs its own event loop: read and answer it from there.
    QTimer::singleShot(0, &picture, [at, &entries, &choice] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QAction *chosen = nullptr;
        for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
            entries << action->text();
            if (!choice.isEmpty() && action->text() == choice && action->isEnabled())
                chosen = action;
        }
        if (menu && at)
            *at = menu->pos();
        if (menu)
            menu->close();
        if (chosen)
            chosen->trigger();
    });
    ask();
    QTest::qVerify(choice.isEmpty() || entries.contains(choice), "menu", qPrintable(choice),
                   __FILE__, __LINE__);
    return entries.join('|');
}
