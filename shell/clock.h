#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

class Clock;

// One repeating timer on a clock. start() (re)starts the period; stop()
// also discards a tick that is already due.
class ClockTimer
{
public:
    explicit ClockTimer(Clock &clock);
    ClockTimer(const ClockTimer &) = delete;
    ClockTimer &operator=(const ClockTimer &) = delete;
    ~ClockTimer();

    void start(int intervalMs);
    void stop();
    void setTickHandler(std::function<void()> onTick) { m_onTick = std::move(onTick); }

private:
    friend class Clock;
    bool before(const ClockTimer &other) const;
    // The handler may destroy this timer, and with it m_onTick: it runs
    // from a copy, and nothing of the timer is touched after it.
    void tick();

    Clock *m_clock; // null once the clock is gone: it never ticks again
    std::function<void()> m_onTick;
    bool m_armed = false;
    qint64 m_dueNs = 0;
    qint64 m_intervalNs = 0;
    quint64 m_sequence = 0;
};

// The timers of one clock in one schedule: the rules every clock of the
// program keeps, written once. The real clock (QtClock) drives it from the
// event loop and the tests' virtual clock from the time a test advances, so
// both fire the same ticks in the same order. What differs between them is
// where time comes from: nowNs(), secondsOfDay() and scheduleChanged().
//
//  - An armed timer is due one interval after the moment it was started.
//    Started inside a tick, that moment is the tick's due time, not the
//    moment its handler got to run, so a chain of stages keeps its schedule.
//  - Due ticks fire earliest first; ticks due at the same instant fire in
//    the order their timers were armed. A repeating timer is armed anew
//    when its tick fires, before its handler runs.
//  - Stopping a timer discards a tick already due; starting it again
//    counts a fresh period.
//  - A repeating timer that has fallen a whole period behind (the machine
//    was suspended) ticks once and counts on from then: no burst.
//  - A tick never fires inside another tick's handler.
//  - A tick's handler may stop, restart or destroy its own timer.
class Clock
{
public:
    Clock() = default;
    Clock(const Clock &) = delete;
    Clock &operator=(const Clock &) = delete;
    virtual ~Clock();

    // The clock's own time line, in nanoseconds.
    virtual qint64 nowNs() const = 0;
    // Seconds since midnight, whole seconds: what the question draw reseeds from.
    virtual int secondsOfDay() const = 0;

    // The earliest due time of an armed timer, if any; none when nothing
    // is armed.
    std::optional<qint64> nextDueNs() const;

protected:
    // Fires the earliest tick due at or before limitNs; false if there is
    // none, or a tick's handler is running. A clock calls it as its time
    // moves on.
    bool fireNext(qint64 limitNs);
    bool inTick() const { return m_tickDueNs >= 0; }
    // The earliest due time may have changed. Not called while a tick's
    // handler runs; a clock that waits for the next due time looks again
    // once the tick is over.
    virtual void scheduleChanged() {}

private:
    friend class ClockTimer;
    ClockTimer *earliest() const;
    qint64 startBaseNs() const;
    void changed();

    std::vector<ClockTimer *> m_timers;
    quint64 m_nextSequence = 0;
    qint64 m_tickDueNs = -1; // due time of the tick being handled, or -1
};
