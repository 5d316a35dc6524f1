#include "shell/qtclock.h"

#include <QTime>
#include <algorithm>
#include <limits>

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
