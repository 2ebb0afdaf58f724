#pragma once

#include "controls/controls.h"
#include "controls/formtimer.h"
#include "core/sharedvariables.h"
#include "drawing/drawingsurface.h"

#include <QPointer>

#include <functional>

// A window driven as its user and its timer drive it: controls found by their names, clicks where
// a mouse clicks, ticks of Timer1 as the event loop delivers them. What a user could not do (a
// click on a hidden button, a tick of a stopped timer) fails the test.
struct WindowDriver
{
    QPointer<QWidget> window;

    // The index-th control of that name, in the order they were made; none ends the program.
    template<class T = QWidget> T &find(const QString &name, int index = 0) const
    {
        const QList<T *> found = window->findChildren<T *>(name);
        if (index >= found.size())
            qFatal("no control %s (%d)", qPrintable(name), index);
        return *found[index];
    }
    ScrollBar &bar(const QString &name, int i = 0) const { return find<ScrollBar>(name, i); }
    DrawingSurface &picture(const QString &n = "Picture1") const { return find<DrawingSurface>(n); }
    QString caption(const QString &name) const { return find<Label>(name).Caption(); }
    bool shown(const QString &name) const { return find(name).isVisibleTo(window); }
    bool ticking() const { return find<FormTimer>("Timer1").Enabled(); }

    // Clicks on shown and enabled controls, their names apart by spaces.
    void click(const QString &names);
    // Types over the text of a text box.
    void type(const QString &name, const QString &text);
    void tick(int count = 1);
    // A picture's right-click menu at user (x, y): its entries apart by "|"; `choice` chosen.
    QString menu(QPointF at, const QString &choice = {}, const QString &picture = "Picture1");
    // The same asked by a key on the picture: where it opened on the screen.
    QPoint keyMenu(QKeyCombination key, const QString &choice, const QString &picture = "Picture1");

private:
    QString answerMenu(QWidget &picture, const QString &choice, const std::function<void()> &ask,
                       QPoint *at = nullptr);
};

// A module's window on module variables of its own, which the test owns; deleted at the end.
template<class Window, class State> struct ModuleWindow : WindowDriver
{
    SharedVariables shared;
    State state;

    ModuleWindow() { open(); }
    ~ModuleWindow() { delete window.data(); }
    // Opened again, after it closed, on the same variables.
    void open() { window = new Window(nullptr, shared, state); }
    bool closed() const { return window.isNull(); }
};
