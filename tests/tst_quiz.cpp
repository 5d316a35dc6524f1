// The quiz in virtual time: the question bank, answer entry, the countdown
// with its grading and score, the flash, the counters and game over, and the
// faults the game guards against.
#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>

#include "quiz/questionbank.h"
#include "shell/colours.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "tests/support/namedcontrols.h"
#include "tests/support/fakegame.h"

class TestQuiz : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init();
    void cleanup();

    void questionBankMapsEveryIndex_data();
    void questionBankMapsEveryIndex();
    void theHundredIndicesAskEveryProductOnce();
    void textsThatAreNoIndexChangeNothing_data();
    void textsThatAreNoIndexChangeNothing();
    void startAsksTheDrawnQuestionAndClearsThePanel();
    void sameIndexTwiceShowsTheQuestionAgainAfterAGameEnd();
    void keyFilterPassesDigitsAndBackspaceOnly_data();
    void keyFilterPassesDigitsAndBackspaceOnly();
    void pasteAndDropCannotBringInNonDigits();
    void aFourthCharacterIsRefusedAndChecksNothing();
    void answerCountsTheMomentItIsComplete_data();
    void answerCountsTheMomentItIsComplete();
    void countdownStepsOnceASecondWithATickEach();
    void pointsFollowTheSecondShowing_data();
    void pointsFollowTheSecondShowing();
    void timeoutDisablesEntryShowsProductAndCharges();
    void scoreHasNoFloor();
    void flashRunsOnItsTimings();
    void tenthTimeoutShowsTheBoxBeforeTheScoreDrops();
    void gameOverEndsTheProgramWithTheHowToPlayWindowOpen();

    void noGradingBeforeTheFirstQuestion();
    void aQuestionIsGradedOnlyOnce();
    void startDuringACountdownGivesTheFullFiveSeconds();
    void leavingGameModeStopsTheCountdownAndTheFlash();
    void resultTextIsRedAgainAfterAFlash();
    void everyDrawReseedsFromTheTimeOfDay();
    void enterHeldDownLeavesOneQuestionWithItsFullTime();

private:
    void start(int index);
    void typeOnKeypad(const QString &digits);
    QStringList cues() const { return m_fake->sound.names(); }

    std::unique_ptr<FakeGame> m_game;
    FakePlatform *m_fake = nullptr;
    Form1 *m_form = nullptr;
};

void TestQuiz::init()
{
    m_game = std::make_unique<FakeGame>();
    m_fake = &m_game->fake;
    m_form = &m_game->form;
    named::button(m_form, "oyn")->click();
}

void TestQuiz::cleanup()
{
    m_game.reset();
}

void TestQuiz::start(int index)
{
    m_fake->random.queueIndex(index);
    named::button(m_form, "s")->click();
}

void TestQuiz::typeOnKeypad(const QString &digits)
{
    for (QChar digit : digits)
        named::digitKey(m_form, digit.digitValue())->click();
}

void TestQuiz::questionBankMapsEveryIndex_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::newRow("index 0 is 1x1") << "0" << "1x1" << "1";
    QTest::newRow("index 9 is 1x10") << "9" << "1x10" << "10";
    QTest::newRow("index 10 is 2x1") << "10" << "2x1" << "2";
    QTest::newRow("index 26 is 3x7") << "26" << "3x7" << "21";
    QTest::newRow("index 62 is 7x3") << "62" << "7x3" << "21";
    QTest::newRow("index 77 is 8x8") << "77" << "8x8" << "64";
    QTest::newRow("index 90 is 10x1") << "90" << "10x1" << "10";
    QTest::newRow("index 99 is 10x10") << "99" << "10x10" << "100";
}

void TestQuiz::questionBankMapsEveryIndex()
{
    QFETCH(QString, index);
    QFETCH(QString, question);
    QFETCH(QString, answer);
    start(index.toInt());
    QCOMPARE(named::label(m_form, "a")->caption(), question);
    QCOMPARE(named::field(m_form, "l")->text(), answer);
}

void TestQuiz::theHundredIndicesAskEveryProductOnce()
{
    // Read back from what the window shows: each question is two factors
    // 1..10 with their product as the answer, and no two indices ask the
    // same one, so the hundred indices cover the whole table.
    QSet<QString> asked;
    for (int n = 0; n < 100; ++n) {
        start(n);
        const QStringList factors = named::label(m_form, "a")->caption().split(QLatin1Char('x'));
        QCOMPARE(factors.size(), 2);
        const int first = factors.at(0).toInt(), second = factors.at(1).toInt();
        QVERIFY2(first >= 1 && first <= 10 && second >= 1 && second <= 10, qPrintable(named::label(m_form, "a")->caption()));
        QCOMPARE(named::field(m_form, "l")->text().toInt(), first * second);
        asked.insert(named::label(m_form, "a")->caption());
    }
    QCOMPARE(asked.size(), 100);
}

void TestQuiz::textsThatAreNoIndexChangeNothing_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : {"", "00", "07", " 7", "7 ", "100", "-1", "+5", "1.0", "x", "٣"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestQuiz::textsThatAreNoIndexChangeNothing()
{
    QFETCH(QString, text);
    named::field(m_form, "c")->setText(QStringLiteral("55"));
    named::field(m_form, "c")->setText(text);
    QCOMPARE(named::label(m_form, "a")->caption(), QStringLiteral("6x6"));
    QCOMPARE(named::field(m_form, "l")->text(), QStringLiteral("36"));
    QVERIFY(!quiz::questionFor(text));
}

void TestQuiz::startAsksTheDrawnQuestionAndClearsThePanel()
{
    // A wrong answer left to time out: "12" typed, "00", "-10 Puan", "Yanlış Cevap".
    start(5);
    typeOnKeypad(QStringLiteral("12"));
    m_fake->clock.advance(6000);
    QCOMPARE(named::label(m_form, "pn")->caption(), QStringLiteral("-10 Puan"));
    m_fake->sound.cues.clear();
    start(62);
    QCOMPARE(named::label(m_form, "a")->caption(), QStringLiteral("7x3"));
    QCOMPARE(named::label(m_form, "Label3")->caption(), QStringLiteral("="));
    QCOMPARE(named::label(m_form, "b")->caption(), QStringLiteral("?"));
    QCOMPARE(named::field(m_form, "l")->text(), QStringLiteral("21"));
    QCOMPARE(named::field(m_form, "c")->text(), QStringLiteral("62"));
    for (Label *emptied : {named::label(m_form, "t"), named::label(m_form, "d"), named::label(m_form, "pn")})
        QCOMPARE(emptied->caption(), QString());
    QCOMPARE(named::field(m_form, "Text1")->text(), QString());
    QVERIFY(named::field(m_form, "Text1")->isEnabled());
    QCOMPARE(m_form->focusWidget(), named::field(m_form, "Text1"));
    for (QPushButton *key : named::digitKeys(m_form))
        QVERIFY(key->isEnabled());
    QCOMPARE(cues(), QStringList{"question"});
    QVERIFY(named::timer(m_form, "Timer8")->isArmed());
    QCOMPARE(named::timer(m_form, "Timer8")->interval(), 1000);
}

void TestQuiz::sameIndexTwiceShowsTheQuestionAgainAfterAGameEnd()
{
    start(26);
    QCOMPARE(named::label(m_form, "a")->caption(), QStringLiteral("3x7"));
    named::button(m_form, "kpt")->click();
    QCOMPARE(named::label(m_form, "a")->caption(), QString());
    named::button(m_form, "oyn")->click();
    start(26);
    QCOMPARE(named::label(m_form, "a")->caption(), QStringLiteral("3x7"));
    QCOMPARE(named::label(m_form, "b")->caption(), QStringLiteral("?"));
}

// Each character of "typed" is one key press; "\b" is Backspace. Keys are
// sent as the keyboard sends them, with their text, so letters outside
// Latin-1 and keypad digits are covered too.
void TestQuiz::keyFilterPassesDigitsAndBackspaceOnly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("text");
    QTest::newRow("digits") << "42" << false << "42";
    QTest::newRow("keypad digits") << "72" << true << "72";
    for (const char *junk : {"a", "Z", " ", "-", ".", ",", "+", "ş", "İ", "½", "٣", "\t"})
        QTest::addRow("'%s' dropped", junk) << QStringLiteral("1") + QString::fromUtf8(junk) + QStringLiteral("2") << false << "12";
    QTest::newRow("backspace corrects") << "13\b2" << false << "12";
    QTest::newRow("a fourth digit is refused") << "1234" << false << "123";
}

void TestQuiz::keyFilterPassesDigitsAndBackspaceOnly()
{
    QFETCH(QString, typed);
    QFETCH(bool, keypad);
    QFETCH(QString, text);
    start(99); // 10x10: nothing typed here completes it
    for (QChar ch : typed) {
        const bool back = ch == QLatin1Char('\b');
        const int key = back ? Qt::Key_Backspace
                        : ch.isDigit() && ch.unicode() < 128 ? Qt::Key_0 + (ch.unicode() - '0')
                                                             : int(ch.toUpper().unicode());
        const Qt::KeyboardModifiers mods = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        QKeyEvent press(QEvent::KeyPress, key, mods, QString(ch));
        QApplication::sendEvent(named::field(m_form, "Text1"), &press);
        QKeyEvent release(QEvent::KeyRelease, key, mods, QString(ch));
        QApplication::sendEvent(named::field(m_form, "Text1"), &release);
    }
    QCOMPARE(named::field(m_form, "Text1")->text(), text);
}

void TestQuiz::pasteAndDropCannotBringInNonDigits()
{
    start(99);
    QApplication::clipboard()->setText(QStringLiteral("1a"));
    named::field(m_form, "Text1")->paste();
    QCOMPARE(named::field(m_form, "Text1")->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("-5"));
    named::field(m_form, "Text1")->paste();
    QCOMPARE(named::field(m_form, "Text1")->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("10"));
    named::field(m_form, "Text1")->paste();
    QCOMPARE(named::field(m_form, "Text1")->text(), QStringLiteral("10"));
    QApplication::clipboard()->setText(QStringLiteral("0"));
    named::field(m_form, "Text1")->paste();
    QCOMPARE(named::field(m_form, "Text1")->text(), QStringLiteral("100"));
    QCOMPARE(named::label(m_form, "dgr")->caption(), QStringLiteral("1")); // a pasted answer counts like a typed one
    QApplication::clipboard()->setText(QStringLiteral("5"));
    named::field(m_form, "Text1")->paste();
    QCOMPARE(named::field(m_form, "Text1")->text(), QStringLiteral("100"));
}

void TestQuiz::aFourthCharacterIsRefusedAndChecksNothing()
{
    start(98); // 10x9
    typeOnKeypad(QStringLiteral("100"));
    QSignalSpy checks(named::field(m_form, "Text1"), &QLineEdit::textChanged);
    named::label(m_form, "d")->setCaption(QStringLiteral("x")); // an answer check would empty it
    typeOnKeypad(QStringLiteral("0"));
    QCOMPARE(named::field(m_form, "Text1")->text(), QStringLiteral("100"));
    QCOMPARE(checks.count(), 0);
    QCOMPARE(named::label(m_form, "d")->caption(), QStringLiteral("x"));
}

void TestQuiz::answerCountsTheMomentItIsComplete_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("gradedAfter"); // prefix of typed at which it counts; empty: never
    QTest::newRow("1x1 counts at once") << 0 << "1" << "1";
    QTest::newRow("2x5 needs both digits") << 14 << "10" << "10";
    QTest::newRow("10x10 needs three digits") << 99 << "100" << "100";
    QTest::newRow("a leading zero never matches") << 55 << "036" << "";
    QTest::newRow("13 for 2x6 is not judged") << 15 << "13" << "";
}

void TestQuiz::answerCountsTheMomentItIsComplete()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, gradedAfter);
    start(index);
    m_fake->clock.advance(1000);
    for (int n = 1; n <= typed.size(); ++n) {
        QTest::keyClick(named::field(m_form, "Text1"), typed.at(n - 1).toLatin1());
        const bool graded = !gradedAfter.isEmpty() && n >= gradedAfter.size();
        QCOMPARE(named::label(m_form, "dgr")->caption(), QString::fromLatin1(graded ? "1" : "0"));
        QCOMPARE(named::label(m_form, "b")->caption(), graded ? named::field(m_form, "l")->text() : QStringLiteral("?"));
        if (graded && n == gradedAfter.size())
            QCOMPARE(named::label(m_form, "d")->caption(), QStringLiteral("Doğru Cevap"));
    }
}

void TestQuiz::countdownStepsOnceASecondWithATickEach()
{
    QStringList shown;
    connect(named::label(m_form, "t"), &Label::changed, this, [&] {
        shown << QStringLiteral("%1@%2").arg(named::label(m_form, "t")->caption()).arg(m_fake->clock.now());
    });
    m_fake->sound.cues.clear();
    start(99);
    m_fake->clock.advance(20000);
    QCOMPARE(shown, QStringList({"@0", "05@1000", "04@2000", "03@3000", "02@4000", "01@5000", "00@6000"}));
    QCOMPARE(cues(), QStringList({"question", "tick", "tick", "tick", "tick", "tick", "wrong"}));
    QVERIFY(!m_fake->clock.nextDueNs());
}

void TestQuiz::pointsFollowTheSecondShowing_data()
{
    QTest::addColumn<int>("answerAtMs");
    QTest::addColumn<QString>("countdown");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("score");
    QTest::newRow("first second, before 05: none") << 500 << "" << "" << "0";
    QTest::newRow("05: 50") << 1000 << "05" << "50 Puan" << "50";
    QTest::newRow("04: 40") << 2500 << "04" << "40 Puan" << "40";
    QTest::newRow("03: 30") << 3000 << "03" << "30 Puan" << "30";
    QTest::newRow("02: 20") << 4999 << "02" << "20 Puan" << "20";
    QTest::newRow("01: 10") << 5999 << "01" << "10 Puan" << "10";
}

void TestQuiz::pointsFollowTheSecondShowing()
{
    QFETCH(int, answerAtMs);
    QFETCH(QString, countdown);
    QFETCH(QString, points);
    QFETCH(QString, score);
    start(54); // 6x5
    m_fake->clock.advance(answerAtMs);
    m_fake->sound.cues.clear();
    typeOnKeypad(QStringLiteral("30"));
    QCOMPARE(named::label(m_form, "t")->caption(), countdown);
    QCOMPARE(named::label(m_form, "pn")->caption(), points);
    QCOMPARE(named::label(m_form, "puan")->caption(), score);
    QCOMPARE(named::label(m_form, "dgr")->caption(), QStringLiteral("1"));
    QCOMPARE(cues(), QStringList{"correct"});
    QVERIFY(named::timer(m_form, "Timer5")->isArmed());
    // The countdown stops where it is; no timeout follows.
    m_fake->clock.advance(10000);
    QCOMPARE(named::label(m_form, "t")->caption(), countdown);
    QCOMPARE(named::label(m_form, "ynl")->caption(), QStringLiteral("0"));
    QVERIFY(named::field(m_form, "Text1")->isEnabled());
}

void TestQuiz::timeoutDisablesEntryShowsProductAndCharges()
{
    start(76); // 8x7
    m_fake->clock.advance(3000);
    typeOnKeypad(QStringLiteral("54"));
    m_fake->clock.advance(3000);
    QCOMPARE(named::label(m_form, "t")->caption(), QStringLiteral("00"));
    QVERIFY(!named::field(m_form, "Text1")->isEnabled());
    for (QPushButton *key : named::digitKeys(m_form))
        QVERIFY(!key->isEnabled());
    QCOMPARE(named::field(m_form, "Text1")->text(), QStringLiteral("54"));
    QCOMPARE(named::label(m_form, "b")->caption(), QStringLiteral("56"));
    QCOMPARE(named::label(m_form, "d")->caption(), QStringLiteral("Yanlış Cevap"));
    QCOMPARE(named::label(m_form, "pn")->caption(), QStringLiteral("-10 Puan"));
    QCOMPARE(named::label(m_form, "ynl")->caption(), QStringLiteral("1"));
    QCOMPARE(named::label(m_form, "puan")->caption(), QStringLiteral("-10"));
    QCOMPARE(named::label(m_form, "dgr")->caption(), QStringLiteral("0"));
    QCOMPARE(m_form->focusWidget(), named::button(m_form, "s"));
    QCOMPARE(cues().last(), QStringLiteral("wrong"));
}

void TestQuiz::scoreHasNoFloor()
{
    for (int n = 0; n < 3; ++n) {
        start(n);
        m_fake->clock.advance(6000);
    }
    QCOMPARE(named::label(m_form, "puan")->caption(), QStringLiteral("-30"));
    start(27); // 3x8 answered at "03": -30 + 30
    m_fake->clock.advance(3000);
    typeOnKeypad(QStringLiteral("24"));
    QCOMPARE(named::label(m_form, "puan")->caption(), QStringLiteral("0"));
    QCOMPARE(named::label(m_form, "dgr")->caption(), QStringLiteral("1"));
    QCOMPARE(named::label(m_form, "ynl")->caption(), QStringLiteral("3"));
}

void TestQuiz::flashRunsOnItsTimings()
{
    start(1); // 1x2
    m_fake->clock.advance(1200);
    QStringList looks;
    const auto look = [&] {
        const Label *d = named::label(m_form, "d");
        return QStringLiteral("%1@%2 %3/%4").arg(d->caption()).arg(m_fake->clock.now() - 1200)
            .arg(d->foreColor() == colour::red ? "red" : "white")
            .arg(d->backColor() == colour::red ? "red" : d->backColor() == colour::white ? "white" : "green");
    };
    connect(named::label(m_form, "d"), &Label::changed, this, [&] { looks << look(); });
    typeOnKeypad(QStringLiteral("2"));
    m_fake->clock.advance(1600);
    // d changes inside each tick before its text colour is set, so the log
    // shows the colours of the moment the caption changed.
    QCOMPARE(looks, QStringList({"@0 red/green", "Doğru Cevap@0 red/green",
                                 "Dogru Cevap@500 red/white",
                                 "Dogru Cevap@1000 red/white", "Tebrikler@1000 red/red",
                                 "Dogru Cevap@1500 white/white", "Tebrikler@1500 red/red"}));
    QCOMPARE(look(), QStringLiteral("Tebrikler@1600 white/red"));
    // The flash never grades again.
    QCOMPARE(named::label(m_form, "dgr")->caption(), QStringLiteral("1"));
    QCOMPARE(named::label(m_form, "puan")->caption(), QStringLiteral("50"));
    // A start stops it at once.
    start(2);
    looks.clear();
    m_fake->clock.advance(900);
    QCOMPARE(looks, QStringList());
    QCOMPARE(named::label(m_form, "d")->backColor(), colour::lightGreen);
}

void TestQuiz::tenthTimeoutShowsTheBoxBeforeTheScoreDrops()
{
    QSignalSpy ended(m_form, &Form1::unloaded);
    QStringList atBox;
    m_fake->prompt.whileShown = [&] {
        atBox << named::label(m_form, "ynl")->caption() << named::label(m_form, "puan")->caption() << named::label(m_form, "pn")->caption()
              << named::label(m_form, "d")->caption() << m_fake->sound.names().last();
        QVERIFY(!m_fake->clock.nextDueNs());
    };
    QElapsedTimer real;
    real.start();
    for (int n = 0; n < 10; ++n) {
        start(n * 11);
        if (n == 4) { // a correct answer between the timeouts
            m_fake->clock.advance(1500);
            typeOnKeypad(named::field(m_form, "l")->text());
            start(7);
        }
        QCOMPARE(m_fake->prompt.shown, 0);
        m_fake->clock.advance(6000);
    }
    QCOMPARE(m_fake->prompt.shown, 1);
    QCOMPARE(m_fake->prompt.lastTitle, QStringLiteral("Oyun Bitti"));
    QCOMPARE(m_fake->prompt.lastText, QStringLiteral("Üzgünüz 10 kez yanlış cevap verdiniz. Oyun bitti."));
    QCOMPARE(atBox, QStringList({"10", "-40", "-10 Puan", "Yanlış Cevap", "wrong"}));
    QCOMPARE(ended.count(), 1);
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_form->isUnloaded());
    // Nothing goes on after the window has closed.
    m_fake->sound.cues.clear();
    m_fake->clock.advance(60000);
    QVERIFY(m_fake->sound.cues.empty());
    qInfo("a whole game took %lld ms of real time", real.elapsed());
}

void TestQuiz::gameOverEndsTheProgramWithTheHowToPlayWindowOpen()
{
    QSignalSpy ended(m_form, &Form1::unloaded);
    named::button(m_form, "hknd")->click();
    QVERIFY(m_form->about());
    for (int n = 1; n <= 10; ++n) {
        QCOMPARE(m_fake->prompt.shown, 0);
        start(3);
        m_fake->clock.advance(6000);
    }
    QCOMPARE(m_fake->prompt.shown, 1);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!m_form->about());
    QVERIFY(!m_form->isVisible());
}

void TestQuiz::noGradingBeforeTheFirstQuestion()
{
    // A digit typed and deleted before any question leaves an empty field
    // that equals the still empty answer: that is no correct answer.
    QTest::keyClick(named::field(m_form, "Text1"), '5');
    QTest::keyClick(named::field(m_form, "Text1"), Qt::Key_Backspace);
    QCOMPARE(named::label(m_form, "dgr")->caption(), QStringLiteral("0"));
    QCOMPARE(named::label(m_form, "d")->caption(), QString());
    QVERIFY(m_fake->sound.cues.empty());
    // The first start clears a digit typed before it; the countdown still runs.
    typeOnKeypad(QStringLiteral("7"));
    start(99);
    QCOMPARE(named::label(m_form, "dgr")->caption(), QStringLiteral("0"));
    m_fake->clock.advance(1000);
    QCOMPARE(named::label(m_form, "t")->caption(), QStringLiteral("05"));
    // Nor does an empty field grade after a game has ended.
    named::button(m_form, "kpt")->click();
    named::button(m_form, "oyn")->click();
    QCOMPARE(named::label(m_form, "dgr")->caption(), QStringLiteral("0"));
}

void TestQuiz::aQuestionIsGradedOnlyOnce()
{
    start(33); // 4x4
    m_fake->clock.advance(1000);
    typeOnKeypad(QStringLiteral("16"));
    QCOMPARE(named::label(m_form, "puan")->caption(), QStringLiteral("50"));
    m_fake->sound.cues.clear();
    for (int n = 0; n < 3; ++n) {
        QTest::keyClick(named::field(m_form, "Text1"), Qt::Key_Backspace);
        QTest::keyClick(named::field(m_form, "Text1"), '6');
    }
    QCOMPARE(named::label(m_form, "dgr")->caption(), QStringLiteral("1"));
    QCOMPARE(named::label(m_form, "puan")->caption(), QStringLiteral("50"));
    QVERIFY(m_fake->sound.cues.empty());
}

void TestQuiz::startDuringACountdownGivesTheFullFiveSeconds()
{
    start(99);
    m_fake->clock.advance(3500); // "03" showing
    QStringList shown;
    connect(named::label(m_form, "t"), &Label::changed, this, [&] {
        shown << QStringLiteral("%1@%2").arg(named::label(m_form, "t")->caption()).arg(m_fake->clock.now() - 3500);
    });
    start(98);
    m_fake->clock.advance(10000);
    QCOMPARE(shown, QStringList({"@0", "05@1000", "04@2000", "03@3000", "02@4000", "01@5000", "00@6000"}));
    // Only the question that ran out is charged.
    QCOMPARE(named::label(m_form, "ynl")->caption(), QStringLiteral("1"));
    QCOMPARE(named::label(m_form, "puan")->caption(), QStringLiteral("-10"));
}

void TestQuiz::leavingGameModeStopsTheCountdownAndTheFlash()
{
    start(99);
    m_fake->clock.advance(2500);
    named::button(m_form, "kpt")->click();
    m_fake->clock.advance(10000);
    QCOMPARE(named::label(m_form, "ynl")->caption(), QStringLiteral("0"));
    QCOMPARE(named::label(m_form, "puan")->caption(), QStringLiteral("0"));
    QVERIFY(m_form->focusWidget() != named::button(m_form, "s"));
    QVERIFY(!m_fake->clock.nextDueNs());

    named::button(m_form, "oyn")->click();
    start(0);
    typeOnKeypad(QStringLiteral("1"));
    m_fake->clock.advance(1200); // flashing
    named::button(m_form, "kpt")->click();
    QVERIFY(!m_fake->clock.nextDueNs());
    QCOMPARE(named::label(m_form, "d")->caption(), QString());
    QCOMPARE(named::label(m_form, "d")->backColor(), colour::lightGreen);
}

void TestQuiz::resultTextIsRedAgainAfterAFlash()
{
    start(0);
    typeOnKeypad(QStringLiteral("1"));
    m_fake->clock.advance(1000); // last tick: "Tebrikler", white text
    QCOMPARE(named::label(m_form, "d")->foreColor(), colour::white);
    start(99);
    QCOMPARE(named::label(m_form, "d")->foreColor(), colour::red);
    QCOMPARE(named::label(m_form, "d")->backColor(), colour::lightGreen);
    m_fake->clock.advance(6000);
    QCOMPARE(named::label(m_form, "d")->caption(), QStringLiteral("Yanlış Cevap"));
    QCOMPARE(named::label(m_form, "d")->foreColor(), colour::red);
}

void TestQuiz::everyDrawReseedsFromTheTimeOfDay()
{
    m_fake->clock.setSecondsOfDay(43200);
    start(5);
    start(6);
    m_fake->clock.advance(2000);
    start(7);
    QCOMPARE(m_fake->random.reseeds, std::vector<int>({43200, 43200, 43202}));
    QCOMPARE(named::label(m_form, "a")->caption(), QStringLiteral("1x8"));
}

void TestQuiz::enterHeldDownLeavesOneQuestionWithItsFullTime()
{
    start(99);
    // Auto-repeat: a press every 30 ms for three seconds.
    for (int n = 0; n < 100; ++n) {
        m_fake->random.queueIndex(n % 100);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), n > 0);
        QApplication::sendEvent(m_form->focusWidget() ? m_form->focusWidget() : m_form, &press);
        m_fake->clock.advance(30);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(m_form, &release);
    QCOMPARE(named::label(m_form, "b")->caption(), QStringLiteral("?"));
    QCOMPARE(named::label(m_form, "t")->caption(), QString());
    m_fake->clock.advance(5960); // the last press came 30 ms ago
    QCOMPARE(named::label(m_form, "t")->caption(), QStringLiteral("01"));
    QCOMPARE(named::label(m_form, "ynl")->caption(), QStringLiteral("0"));
    m_fake->clock.advance(40);
    QCOMPARE(named::label(m_form, "t")->caption(), QStringLiteral("00"));
    QCOMPARE(named::label(m_form, "ynl")->caption(), QStringLiteral("1"));
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
