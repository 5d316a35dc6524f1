#include "shell/scheduledclock.h"

#include <algorithm>

class ScheduledTimer : public TimerBackend
{
public:
    explicit ScheduledTimer(ScheduledClock &clock) : m_clock(&clock) { m_clock->m_timers.push_back(this); }
    ~ScheduledTimer() override
    {
        if (!m_clock)
            return;
        auto &timers = m_clock->m_timers;
        timers.erase(std::find(timers.begin(), timers.end(), this));
        if (m_armed)
            m_clock->changed();
    }

    void start(int intervalMs) override
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

    void stop() override
    {
        if (!m_armed)
            return;
        m_armed = false;
        if (m_clock)
            m_clock->changed();
    }

    // The clock is going: this timer never ticks again.
    void orphan()
    {
        m_clock = nullptr;
        m_armed = false;
    }

    bool before(const ScheduledTimer &other) const
    {
        return m_dueNs != other.m_dueNs ? m_dueNs < other.m_dueNs : m_sequence < other.m_sequence;
    }

    bool m_armed = false;
    qint64 m_dueNs = 0;
    qint64 m_intervalNs = 0;
    quint64 m_sequence = 0;

    using TimerBackend::tick;

private:
    ScheduledClock *m_clock;
};

namespace {

// A tick handled this long after it was due (a modal box was open, the
// machine was suspended) no longer stands for "now": timers started in it
// count from the real moment, so they are not early.
constexpr qint64 kLateTickNs = 50 * 1000000;

} // namespace

ScheduledClock::~ScheduledClock()
{
    // A timer that outlives its clock must not reach back into it.
    for (ScheduledTimer *timer : m_timers)
        timer->orphan();
}

std::unique_ptr<TimerBackend> ScheduledClock::createTimer()
{
    return std::make_unique<ScheduledTimer>(*this);
}

ScheduledTimer *ScheduledClock::earliest() const
{
    ScheduledTimer *first = nullptr;
    for (ScheduledTimer *timer : m_timers) {
        if (timer->m_armed && (!first || timer->before(*first)))
            first = timer;
    }
    return first;
}

std::optional<qint64> ScheduledClock::nextDueNs() const
{
    if (const ScheduledTimer *first = earliest())
        return first->m_dueNs;
    return std::nullopt;
}

bool ScheduledClock::fireNext(qint64 limitNs)
{
    if (inTick())
        return false;
    ScheduledTimer *timer = earliest();
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

qint64 ScheduledClock::startBaseNs() const
{
    const qint64 now = nowNs();
    if (inTick() && now - m_tickDueNs < kLateTickNs)
        return m_tickDueNs;
    return now;
}

void ScheduledClock::changed()
{
    if (!inTick())
        scheduleChanged();
}
