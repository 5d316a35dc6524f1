#pragma once

#include <random>

#include "platform.h"

// The real clock: precise QTimers on the event loop, and the time of day.
class QtClock : public Clock
{
public:
    std::unique_ptr<TimerBackend> createTimer() override;
    int secondsOfDay() const override;
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
