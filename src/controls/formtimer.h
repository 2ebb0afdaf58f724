#pragma once

#include <QBasicTimer>
#include <QObject>

// A timer that raises Timer every Interval ms while enabled. Its ticks come to
// it as timer events, as to any Qt timer. Ticks never pile up, and no tick is
// delivered while another tick's handler, or a message box opened inside a
// handler, is still running: such ticks are dropped. A timer whose parent is a
// window stops when that window unloads.
class FormTimer : public QObject
{
    Q_OBJECT

public:
    FormTimer(QObject *parent, int intervalMs, bool enabled);

    bool Enabled() const { return m_timer.isActive(); }
    void setEnabled(bool enabled);

signals:
    void Timer();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void tick();

    QBasicTimer m_timer;
    const int m_intervalMs;
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
