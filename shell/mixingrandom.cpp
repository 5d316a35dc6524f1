#include "shell/mixingrandom.h"

namespace {

std::uint64_t splitMix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

} // namespace

MixingRandom::MixingRandom()
    : MixingRandom(std::random_device{}())
{
}

MixingRandom::MixingRandom(std::uint64_t initialSeed)
    : m_engine(initialSeed)
{
}

void MixingRandom::reseed(int secondsOfDay)
{
    m_engine.seed(m_engine() ^ splitMix(std::uint64_t(secondsOfDay)));
}

double MixingRandom::next()
{
    // 53 random bits scaled into [0, 1): never 1.0.
    return double(m_engine() >> 11) * 0x1.0p-53;
}
