// The timers on the real clock, for two seconds of wall time: the one test
// whose outcome depends on the machine keeping up, kept apart so that
// builds on busy machines can leave it out.
#include <QtTest>

#include "shell/qtclock.h"
#include "shell/timer.h"

class TestRealClock : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void realClockFiresTiesInArmingOrderEveryTime();
};

// Ticks due together fire in the order they were scheduled on the real
// clock as on the virtual one: pairs of timers made due at the same
// instant (the second armed in the first one's tick, as the flash arms
// Timer6), for two seconds of real time. Every pair alternates, first one
// first, on every tick.
void TestRealClock::realClockFiresTiesInArmingOrderEveryTime()
{
    QtClock clock;
    struct Pair {
        std::unique_ptr<Timer> first, second;
        QString log;
        int interval;
    };
    std::vector<Pair> pairs(8);
    for (size_t n = 0; n < pairs.size(); ++n) {
        Pair &pair = pairs[n];
        pair.interval = 20 + 7 * int(n);
        pair.first = std::make_unique<Timer>(clock, false, pair.interval, nullptr);
        pair.second = std::make_unique<Timer>(clock, false, pair.interval, nullptr);
        connect(pair.first.get(), &Timer::timer, this, [&pair] { pair.log += QLatin1Char('a'); pair.second->setEnabled(true); });
        connect(pair.second.get(), &Timer::timer, this, [&pair] { pair.log += QLatin1Char('b'); });
        pair.first->setEnabled(true);
    }
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    const QRegularExpression alternating(QStringLiteral("^a(ab)+a?$"));
    for (const Pair &pair : pairs) {
        QVERIFY2(alternating.match(pair.log).hasMatch(), qPrintable(QStringLiteral("%1 ms: %2").arg(pair.interval).arg(pair.log)));
        QVERIFY2(pair.log.count(QLatin1Char('b')) >= 1000 / pair.interval, qPrintable(pair.log));
    }
}

QTEST_GUILESS_MAIN(TestRealClock)
#include "tst_realclock.moc"
