#pragma once

#include <QtGlobal>
#include <optional>
#include <vector>

#include "shell/platform.h"

class ScheduledTimer;

// The timers of one clock in one schedule: the rules every clock of the
// program keeps, written once. The real clock drives it from the event loop
// and the tests' virtual clock from the time a test advances, so both fire
// the same ticks in the same order.
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
class ScheduledClock : public Clock
{
public:
    ScheduledClock() = default;
    ScheduledClock(const ScheduledClock &) = delete;
    ScheduledClock &operator=(const ScheduledClock &) = delete;
    ~ScheduledClock() override;

    std::unique_ptr<TimerBackend> createTimer() override;

    // The clock's own time line, in nanoseconds.
    virtual qint64 nowNs() const = 0;

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
    friend class ScheduledTimer;
    ScheduledTimer *earliest() const;
    qint64 startBaseNs() const;
    void changed();

    std::vector<ScheduledTimer *> m_timers;
    quint64 m_nextSequence = 0;
    qint64 m_tickDueNs = -1; // due time of the tick being handled, or -1
};
