#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include "shell/clock.h"

// The real clock: the schedule of every timer, woken by one precise
// QTimer armed for the earliest due time. When it wakes, every tick due by
// then fires in the schedule's order (due time, then arming order), one
// after the other in the same pass of the event loop.
class QtClock : public Clock
{
public:
    QtClock();
    int secondsOfDay() const override;
    qint64 nowNs() const override { return m_elapsed.nsecsElapsed(); }

protected:
    void scheduleChanged() override;

private:
    void wake();

    QElapsedTimer m_elapsed;
    QTimer m_wake;
};
