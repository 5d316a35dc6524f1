#pragma once

#include <QObject>

#include "shell/clock.h"

// A timer on one of the platform's clocks: it ticks every interval while
// enabled with a non-zero interval.
class Timer : public QObject
{
    Q_OBJECT
public:
    Timer(Clock &clock, bool enabled, int intervalMs, QObject *parent);

    // Enabling an enabled timer leaves its period running; disabling
    // discards a tick already due.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    // A non-zero interval on an enabled timer restarts its period;
    // interval 0 stops it and discards a due tick.
    void setInterval(int intervalMs);
    int interval() const { return m_interval; }
    bool isArmed() const { return m_enabled && m_interval > 0; }

Q_SIGNALS:
    void timer();

private:
    void apply();

    ClockTimer m_backend;
    bool m_enabled;
    int m_interval;
};
