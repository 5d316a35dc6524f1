#include "shell/timer.h"

Timer::Timer(Clock &clock, bool enabled, int intervalMs, QObject *parent)
    : QObject(parent)
    , m_backend(clock)
    , m_enabled(enabled)
    , m_interval(intervalMs)
{
    m_backend.setTickHandler([this] { Q_EMIT timer(); });
    apply();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void Timer::setInterval(int intervalMs)
{
    m_interval = intervalMs;
    apply();
}

void Timer::apply()
{
    if (isArmed())
        m_backend.start(m_interval);
    else
        m_backend.stop();
}
