#include <QSignalSpy>
#include <QtTest>

#include "controls.h"
#include "fakeplatform.h"
#include "numbertext.h"
#include "qtplatform.h"

class TestControls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void labelRunsItsReactionOnEveryCaptionAssignment();
    void textFieldReactsOnlyToRealChangesAndCutsToItsLimit();
    void timerFollowsEnabledAndIntervalRules_data();
    void timerFollowsEnabledAndIntervalRules();
    void ticksDueTogetherFireInTheOrderTheyWereScheduled();
    void numbersHeldAsTextUseTheShortestDecimal_data();
    void numbersHeldAsTextUseTheShortestDecimal();
    void mixingRandomStaysInRangeAndVariesWithinOneSecond();
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
// "T<n>" expect n ticks so far.
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
}

void TestControls::timerFollowsEnabledAndIntervalRules()
{
    QFETCH(bool, enabled);
    QFETCH(int, interval);
    QFETCH(QString, script);
    VirtualClock clock;
    Timer timer(clock, enabled, interval, nullptr);
    int ticks = 0;
    connect(&timer, &Timer::timer, this, [&ticks] { ++ticks; });
    for (const QString &op : script.split(QLatin1Char(' '))) {
        const int value = op.mid(1).toInt();
        switch (op.at(0).toLatin1()) {
        case 'E': timer.setEnabled(value != 0); break;
        case 'I': timer.setInterval(value); break;
        case 'A': clock.advance(value); break;
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

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
