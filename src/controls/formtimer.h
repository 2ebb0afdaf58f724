#pragma once

#include <QObject>
#include <QTimer>

// A timer that raises Timer every Interval ms while enabled. Ticks never pile
// up, and no tick is delivered while another tick's handler, or a message box
// opened inside a handler, is still running: such ticks are dropped. A timer
// whose parent is a window stops when that window unloads.
class FormTimer : public QObject
{
    Q_OBJECT

public:
    FormTimer(QObject *parent, int intervalMs, bool enabled);

    bool Enabled() const { return m_timer.isActive(); }
    void setEnabled(bool enabled);

signals:
    void Timer();

private:
    void tick();

    QTimer m_timer;
};

// Counts the handlers that must not be interrupted by a tick (a tick in
// progress, an open message box). While it is above zero ticks are dropped.
class HandlerGuard
{
public:
    HandlerGuard();
    ~HandlerGuard();
    HandlerGuard(const HandlerGuard &) = delete;
    HandlerGuard &operator=(const HandlerGuard &) = delete;

    static bool active();
};
