#include "formtimer.h"

#include "form.h"

#include <QTimerEvent>

namespace {
int guardDepth = 0;
}

HandlerGuard::HandlerGuard()
{
    ++guardDepth;
}

HandlerGuard::~HandlerGuard()
{
    --guardDepth;
}

bool HandlerGuard::active()
{
    return guardDepth > 0;
}

FormTimer::FormTimer(QObject *parent, int intervalMs, bool enabled)
    : QObject(parent)
    , m_intervalMs(intervalMs)
{
    // A window's timer stops when the window unloads, however it is closed.
    if (const auto *form = qobject_cast<Form *>(parent))
        connect(form, &Form::unloading, this, [this] { setEnabled(false); });
    setEnabled(enabled);
}

void FormTimer::setEnabled(bool enabled)
{
    if (enabled && !m_timer.isActive())
        m_timer.start(m_intervalMs, this);
    else if (!enabled)
        m_timer.stop();
}

void FormTimer::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId())
        tick();
    else
        QObject::timerEvent(event);
}

void FormTimer::tick()
{
    // A tick that falls due while a handler or a message box is still open is
    // dropped, so ticks never pile up or run inside one another.
    if (HandlerGuard::active())
        return;
    const HandlerGuard guard;
    emit Timer();
}
