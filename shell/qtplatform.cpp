#include "shell/qtplatform.h"

#include <QTime>
#include <algorithm>
#include <limits>

namespace {

std::uint64_t splitMix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

} // namespace

QtClock::QtClock()
{
    m_elapsed.start();
    m_wake.setTimerType(Qt::PreciseTimer);
    m_wake.setSingleShot(true);
    QObject::connect(&m_wake, &QTimer::timeout, &m_wake, [this] { wake(); });
}

void QtClock::scheduleChanged()
{
    const std::optional<qint64> due = nextDueNs();
    if (!due) {
        m_wake.stop();
        return;
    }
    // Whole milliseconds, rounded up: the QTimer never wakes before the
    // tick is due, so every due tick fires on the first wake.
    const qint64 remainingNs = std::max<qint64>(0, *due - nowNs());
    m_wake.start(int(std::min<qint64>((remainingNs + 999999) / 1000000, std::numeric_limits<int>::max())));
}

void QtClock::wake()
{
    // Woken inside a tick's handler (it runs an event loop of its own): the
    // due ticks wait for it to end, and the tick that ends looks again.
    if (inTick())
        return;
    // Fires what is due by now, not what falls due while it runs, so a
    // slow handler cannot keep the event loop from other events.
    const qint64 now = nowNs();
    while (fireNext(now)) {
    }
    scheduleChanged();
}

int QtClock::secondsOfDay() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

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
