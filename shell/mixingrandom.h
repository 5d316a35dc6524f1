#pragma once

#include <cstdint>
#include <random>

#include "shell/platform.h"

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
