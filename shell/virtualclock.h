#pragma once

#include "shell/clock.h"

// A clock that only moves when its user advances it (the tests, the
// screenshot renderer), on the same schedule as the real clock: due ticks
// fire in time order, ticks due at the same moment in the order their
// timers were armed.
class VirtualClock : public Clock
{
public:
    int secondsOfDay() const override { return m_baseSecondsOfDay + int(now() / 1000); }
    qint64 nowNs() const override { return m_nowNs; }

    // Moves time on by ms, firing every tick that falls due on the way.
    void advance(qint64 ms);
    // Moves time on by ms with no tick handled on the way, as when the
    // machine sleeps: the next advance() handles what fell due, late.
    void suspend(qint64 ms) { m_nowNs += ms * 1000000; }
    qint64 now() const { return m_nowNs / 1000000; }
    void setSecondsOfDay(int seconds) { m_baseSecondsOfDay = seconds - int(now() / 1000); }

private:
    qint64 m_nowNs = 0;
    int m_baseSecondsOfDay = 10 * 3600;
};
