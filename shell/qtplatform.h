#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <random>

#include "shell/platform.h"
#include "shell/scheduledclock.h"

// The real clock: the schedule of every timer, woken by one precise
// QTimer armed for the earliest due time. When it wakes, every tick due by
// then fires in the schedule's order (due time, then arming order), one
// after the other in the same pass of the event loop.
class QtClock : public ScheduledClock
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

// A 64-bit Mersenne Twister. Reseeding mixes the time into the running
// state instead of replacing it, so two draws within the same second still
// differ, and every draw stays uniform over [0, 1).
class MixingRandom : public RandomSource
{
public:
    MixingRandom();
    explicit MixingRandom(std::uint64_t initialSeed);
    void reseed(int secondsOfDay) override;
    double next() override;

private:
    std::mt19937_64 m_engine;
};
