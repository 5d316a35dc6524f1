#include <QSignalSpy>
#include <QtTest>

#include "shell/controls.h"
#include "shell/application.h"
#include "shell/numbertext.h"
#include "shell/mixingrandom.h"
#include "shell/windowsystem.h"
#include "tests/support/fakeplatform.h"

class TestControls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void labelRunsItsReactionOnEveryCaptionAssignment();
    void textFieldReactsOnlyToRealChangesAndCutsToItsLimit();
    void timerFollowsEnabledAndIntervalRules_data();
    void timerFollowsEnabledAndIntervalRules();
    void ticksDueTogetherFireInTheOrderTheyWereScheduled();
    void aTimerThatOutlivesItsClockStaysQuiet();
    void numbersHeldAsTextUseTheShortestDecimal_data();
    void numbersHeldAsTextUseTheShortestDecimal();
    void mixingRandomStaysInRangeAndVariesWithinOneSecond();
    void windowSystemIsXWhereTheDesktopOffersIt_data();
    void windowSystemIsXWhereTheDesktopOffersIt();
};

void TestControls::labelRunsItsReactionOnEveryCaptionAssignment()
{
    QWidget parent;
    Label label(&parent);
    QSignalSpy spy(&label, &Label::changed);
    label.setCaption(QString());
    label.setCaption(QStringLiteral("05"));
    label.setCaption(QStringLiteral("05"));
    QCOMPARE(spy.count(), 3);
    QCOMPARE(label.caption(), QStringLiteral("05"));
    // Plain text: a caption is never taken for markup.
    label.setCaption(QStringLiteral("<b>x</b>"));
    QCOMPARE(label.textFormat(), Qt::PlainText);
}

void TestControls::textFieldReactsOnlyToRealChangesAndCutsToItsLimit()
{
    QWidget parent;
    TextField field(&parent);
    field.setMaxLength(3);
    QSignalSpy spy(&field, &TextField::textChanged);
    field.setText(QString());
    QCOMPARE(spy.count(), 0);
    field.setText(QStringLiteral("12"));
    field.setText(QStringLiteral("12"));
    QCOMPARE(spy.count(), 1);
    field.setText(QStringLiteral("1234"));
    QCOMPARE(field.text(), QStringLiteral("123"));
    QCOMPARE(spy.count(), 2);
    // Appending to a full field cuts back to the same text: no change.
    field.setText(field.text() + QLatin1Char('9'));
    QCOMPARE(spy.count(), 2);
}

// Each row is a script of operations on one timer and the ticks expected.
// Ops: "E1"/"E0" enabled on/off, "I<ms>" interval, "A<ms>" advance the clock,
// "S<ms>" the machine sleeps that long (no tick is handled), "T<n>" expect
// n ticks so far, "D" the next tick destroys the timer.
void TestControls::timerFollowsEnabledAndIntervalRules_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("script");
    QTest::newRow("enabled with interval 0 never ticks") << true << 0 << "A5000 T0";
    QTest::newRow("disabled with interval never ticks") << false << 500 << "A5000 T0";
    QTest::newRow("ticks every interval while enabled") << false << 500 << "E1 A499 T0 A1 T1 A1000 T3";
    QTest::newRow("enabling an enabled timer keeps its period") << false << 500 << "E1 A400 E1 A100 T1";
    QTest::newRow("a non-zero interval restarts the period") << true << 0 << "I1000 A900 I1000 A900 T0 A100 T1";
    QTest::newRow("interval 0 stops it") << true << 1000 << "A1000 T1 I0 A5000 T1";
    QTest::newRow("disabling stops it, re-enabling starts a fresh period") << true << 1000 << "A1500 E0 A1000 T1 E1 A999 T1 A1 T2";
    QTest::newRow("interval set while disabled waits for enabling") << false << 0 << "I1000 A2000 T0 E1 A1000 T1";
    QTest::newRow("after a sleep one late tick, no burst, then a fresh period") << true << 500 << "A500 T1 S5000 A0 T2 A499 T2 A1 T3";
    QTest::newRow("a tick that fell due in a sleep is discarded by disabling") << true << 500 << "A400 S1000 E0 A0 T0 E1 A499 T0 A1 T1";
    QTest::newRow("a tick may destroy its own timer") << true << 500 << "D A500 T1 A1000 T1";
}

void TestControls::timerFollowsEnabledAndIntervalRules()
{
    QFETCH(bool, enabled);
    QFETCH(int, interval);
    QFETCH(QString, script);
    VirtualClock clock;
    auto timer = std::make_unique<Timer>(clock, enabled, interval, nullptr);
    int ticks = 0;
    connect(timer.get(), &Timer::timer, this, [&ticks] { ++ticks; });
    for (const QString &op : script.split(QLatin1Char(' '))) {
        const int value = op.mid(1).toInt();
        switch (op.at(0).toLatin1()) {
        case 'E': timer->setEnabled(value != 0); break;
        case 'I': timer->setInterval(value); break;
        case 'D': connect(timer.get(), &Timer::timer, this, [&timer] { timer.reset(); }); break;
        case 'A': clock.advance(value); break;
        case 'S': clock.suspend(value); break;
        case 'T': QVERIFY2(ticks == value, qPrintable(QStringLiteral("%1: %2 ticks").arg(op).arg(ticks))); break;
        default: QFAIL("bad op");
        }
    }
}

void TestControls::ticksDueTogetherFireInTheOrderTheyWereScheduled()
{
    VirtualClock clock;
    Timer first(clock, false, 500, nullptr);
    Timer second(clock, false, 500, nullptr);
    QStringList log;
    connect(&first, &Timer::timer, this, [&] { log << QStringLiteral("first@%1").arg(clock.now()); second.setEnabled(true); });
    connect(&second, &Timer::timer, this, [&] { log << QStringLiteral("second@%1").arg(clock.now()); });
    first.setEnabled(true);
    clock.advance(1500);
    QCOMPARE(log, QStringList({"first@500", "first@1000", "second@1000", "first@1500", "second@1500"}));
    // A tick stopped by an earlier tick at the same moment is discarded.
    connect(&first, &Timer::timer, this, [&] { second.setEnabled(false); });
    log.clear();
    clock.advance(500);
    QCOMPARE(log, QStringList({"first@2000"}));
    // Started in a tick handled long after it was due, a timer counts from
    // the moment the tick ran, not from the stale due time.
    Timer third(clock, false, 500, nullptr);
    connect(&third, &Timer::timer, this, [&] { log << QStringLiteral("third@%1").arg(clock.now()); });
    connect(&first, &Timer::timer, this, [&] { third.setEnabled(true); });
    log.clear();
    clock.suspend(700); // first was due at 2500
    clock.advance(500);
    QCOMPARE(log, QStringList({"first@2700", "first@3000", "third@3200"}));
}

void TestControls::aTimerThatOutlivesItsClockStaysQuiet()
{
    // The sanitizer build sees any reach into the gone clock.
    auto clock = std::make_unique<VirtualClock>();
    Timer timer(*clock, true, 500, nullptr);
    clock.reset();
    timer.setInterval(1000);
    timer.setEnabled(false);
    timer.setEnabled(true);
    QVERIFY(timer.isEnabled());
}

void TestControls::numbersHeldAsTextUseTheShortestDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("delta");
    QTest::addColumn<QString>("result");
    QTest::newRow("0 + 1") << "0" << 1.0 << "1";
    QTest::newRow("9 + 1") << "9" << 1.0 << "10";
    QTest::newRow("0 - 10 goes negative") << "0" << -10.0 << "-10";
    QTest::newRow("-10 + 30") << "-10" << 30.0 << "20";
    QTest::newRow("10 - 10 is plain 0") << "10" << -10.0 << "0";
    QTest::newRow("large score stays plain digits") << "99999950" << 50.0 << "100000000";
    QTest::newRow("page 10 - 1") << "10" << -1.0 << "9";
}

void TestControls::numbersHeldAsTextUseTheShortestDecimal()
{
    QFETCH(QString, text);
    QFETCH(double, delta);
    QFETCH(QString, result);
    QCOMPARE(addToNumberText(text, delta), result);
}

void TestControls::mixingRandomStaysInRangeAndVariesWithinOneSecond()
{
    MixingRandom random(42);
    std::array<int, 100> counts{};
    QSet<int> firstDraws;
    for (int n = 0; n < 100000; ++n) {
        random.reseed(3600); // the same second every time
        const double r = random.next();
        QVERIFY(r >= 0.0 && r < 1.0);
        const int index = int(r * 100);
        ++counts[size_t(index)];
        if (n < 20)
            firstDraws.insert(index);
    }
    // Quick restarts within one second do not repeat one question.
    QVERIFY2(firstDraws.size() >= 10, qPrintable(QString::number(firstDraws.size())));
    // Every index is drawn about equally often (1000 expected each).
    for (int count : counts)
        QVERIFY2(count > 800 && count < 1200, qPrintable(QString::number(count)));
}

void TestControls::windowSystemIsXWhereTheDesktopOffersIt_data()
{
    using B = QByteArray;
    const B unset, empty("");
    QTest::addColumn<B>("qtPlatform");
    QTest::addColumn<B>("display");
    QTest::addColumn<B>("waylandDisplay");
    QTest::addColumn<B>("sessionType");
    QTest::addColumn<B>("chosen"); // QT_QPA_PLATFORM afterwards; null: still unset
    QTest::newRow("X11 session") << unset << B(":0") << unset << B("x11") << B("xcb");
    QTest::newRow("X forwarded over SSH") << unset << B("localhost:10.0") << unset << B("tty") << B("xcb");
    QTest::newRow("XWayland in a Wayland session")
        << unset << B(":0") << B("wayland-0") << B("wayland") << B("xcb;wayland");
    QTest::newRow("Wayland session on the default socket")
        << unset << B(":1") << unset << B("wayland") << B("xcb;wayland");
    QTest::newRow("compositor socket, no session type")
        << unset << B(":0") << B("wayland-1") << unset << B("xcb;wayland");
    QTest::newRow("QT_QPA_PLATFORM set but empty")
        << empty << B(":0") << B("wayland-0") << B("wayland") << B("xcb;wayland");
    QTest::newRow("Wayland alone") << unset << unset << B("wayland-0") << B("wayland") << unset;
    QTest::newRow("Wayland alone, DISPLAY empty") << unset << empty << B("wayland-0") << B("tty") << unset;
    QTest::newRow("no window system") << unset << unset << unset << B("tty") << unset;
    QTest::newRow("user chose wayland")
        << B("wayland") << B(":0") << B("wayland-0") << B("wayland") << B("wayland");
    QTest::newRow("user chose xcb") << B("xcb") << B(":0") << unset << B("x11") << B("xcb");
    QTest::newRow("user chose offscreen") << B("offscreen") << unset << unset << unset << B("offscreen");
}

void TestControls::windowSystemIsXWhereTheDesktopOffersIt()
{
    QFETCH(QByteArray, qtPlatform);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, sessionType);
    QFETCH(QByteArray, chosen);
    // Null: unset; empty: set to nothing.
    const auto put = [](const char *name, const QByteArray &value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    const char *const names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"};
    std::vector<QByteArray> saved;
    for (const char *name : names)
        saved.push_back(qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
    const auto restore = qScopeGuard([&] {
        for (size_t n = 0; n < saved.size(); ++n)
            put(names[n], saved[n]);
    });
    put("QT_QPA_PLATFORM", qtPlatform);
    put("DISPLAY", display);
    put("WAYLAND_DISPLAY", waylandDisplay);
    put("XDG_SESSION_TYPE", sessionType);

    chooseWindowSystem();
    if (chosen.isNull())
        QVERIFY2(!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"), qgetenv("QT_QPA_PLATFORM").constData());
    else
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), chosen);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
