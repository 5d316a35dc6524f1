#include "qtplatform.h"

#include <QTime>
#include <QTimer>

#include <cmath>

class QtTimerBackend : public TimerBackend
{
public:
    explicit QtTimerBackend(QtClock &clock)
        : m_clock(clock)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { fire(); });
    }

    void start(int intervalMs) override
    {
        m_intervalNs = qint64(intervalMs) * 1000000;
        m_dueNs = m_clock.baseNs() + m_intervalNs;
        arm();
    }

    void stop() override { m_timer.stop(); }

private:
    void arm()
    {
        const qint64 remainingNs = m_dueNs - m_clock.nowNs();
        // To the nearest millisecond: the event loop adds its own small delay.
        m_timer.start(int(std::max<qint64>(0, (remainingNs + 500000) / 1000000)));
    }

    void fire()
    {
        const qint64 due = m_dueNs;
        // Due again one interval after this tick was due; the handler may
        // stop or restart the timer.
        m_dueNs += m_intervalNs;
        if (m_dueNs < m_clock.nowNs())
            m_dueNs = m_clock.nowNs() + m_intervalNs; // far behind (a suspend): no burst of ticks
        arm();
        const qint64 outer = m_clock.m_dispatchDueNs;
        m_clock.m_dispatchDueNs = due;
        tick();
        m_clock.m_dispatchDueNs = outer;
    }

    QtClock &m_clock;
    QTimer m_timer;
    qint64 m_intervalNs = 0;
    qint64 m_dueNs = 0;
};

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
}

std::unique_ptr<TimerBackend> QtClock::createTimer()
{
    return std::make_unique<QtTimerBackend>(*this);
}

qint64 QtClock::baseNs() const
{
    const qint64 now = nowNs();
    // A tick handled a long while after it was due (the machine was
    // suspended, a modal box was open) does not make new timers early.
    constexpr qint64 kJitterNs = 50 * 1000000;
    if (m_dispatchDueNs >= 0 && now - m_dispatchDueNs < kJitterNs)
        return m_dispatchDueNs;
    return now;
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
