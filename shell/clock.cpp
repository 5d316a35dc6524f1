#include "shell/clock.h"

#include <algorithm>

ClockTimer::ClockTimer(Clock &clock)
    : m_clock(&clock)
{
    m_clock->m_timers.push_back(this);
}

ClockTimer::~ClockTimer()
{
    if (!m_clock)
        return;
    auto &timers = m_clock->m_timers;
    timers.erase(std::find(timers.begin(), timers.end(), this));
    if (m_armed)
        m_clock->changed();
}

void ClockTimer::start(int intervalMs)
{
    if (intervalMs <= 0 || !m_clock) {
        stop();
        return;
    }
    m_intervalNs = qint64(intervalMs) * 1000000;
    m_dueNs = m_clock->startBaseNs() + m_intervalNs;
    m_sequence = m_clock->m_nextSequence++;
    m_armed = true;
    m_clock->changed();
}

void ClockTimer::stop()
{
    if (!m_armed)
        return;
    m_armed = false;
    if (m_clock)
        m_clock->changed();
}

bool ClockTimer::before(const ClockTimer &other) const
{
    return m_dueNs != other.m_dueNs ? m_dueNs < other.m_dueNs : m_sequence < other.m_sequence;
}

void ClockTimer::tick()
{
    if (const std::function<void()> onTick = m_onTick)
        onTick();
}

namespace {

// A tick handled this long after it was due (a modal box was open, the
// machine was suspended) no longer stands for "now": timers started in it
// count from the real moment, so they are not early.
constexpr qint64 kLateTickNs = 50 * 1000000;

} // namespace

Clock::~Clock()
{
    // A timer that outlives its clock must not reach back into it.
    for (ClockTimer *timer : m_timers) {
        timer->m_clock = nullptr;
        timer->m_armed = false;
    }
}

ClockTimer *Clock::earliest() const
{
    ClockTimer *first = nullptr;
    for (ClockTimer *timer : m_timers) {
        if (timer->m_armed && (!first || timer->before(*first)))
            first = timer;
    }
    return first;
}

std::optional<qint64> Clock::nextDueNs() const
{
    if (const ClockTimer *first = earliest())
        return first->m_dueNs;
    return std::nullopt;
}

bool Clock::fireNext(qint64 limitNs)
{
    if (inTick())
        return false;
    ClockTimer *timer = earliest();
    if (!timer || timer->m_dueNs > limitNs)
        return false;

    // Due again one interval after this tick was due, and armed now, so it
    // comes after every timer its handler arms for the same instant.
    const qint64 due = timer->m_dueNs;
    timer->m_dueNs += timer->m_intervalNs;
    const qint64 now = nowNs();
    if (timer->m_dueNs < now)
        timer->m_dueNs = now + timer->m_intervalNs;
    timer->m_sequence = m_nextSequence++;

    m_tickDueNs = due;
    timer->tick(); // may stop, restart or even destroy its timer: touch it no more
    m_tickDueNs = -1;
    return true;
}

qint64 Clock::startBaseNs() const
{
    const qint64 now = nowNs();
    if (inTick() && now - m_tickDueNs < kLateTickNs)
        return m_tickDueNs;
    return now;
}

void Clock::changed()
{
    if (!inTick())
        scheduleChanged();
}
