#pragma once

#include <QElapsedTimer>
#include <random>

#include "platform.h"

// The real clock: precise QTimers on the event loop, and the time of day.
//
// A timer started while another tick is being handled counts its interval
// from the moment that tick was due, not from the moment its handler got
// to run, and a repeating timer counts each period from the last due time.
// So the countdown's chain of one-second stages keeps to its schedule
// instead of adding each tick's small lateness to the next, exactly as the
// virtual clock of the tests behaves.
class QtClock : public Clock
{
public:
    QtClock();
    std::unique_ptr<TimerBackend> createTimer() override;
    int secondsOfDay() const override;

    qint64 nowNs() const { return m_elapsed.nsecsElapsed(); }
    // The due time a newly started timer counts from.
    qint64 baseNs() const;

private:
    friend class QtTimerBackend;
    QElapsedTimer m_elapsed;
    qint64 m_dispatchDueNs = -1; // due time of the tick being handled, or -1
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
