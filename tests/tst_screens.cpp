// The five screens: which controls each menu click shows, hides, enables
// and disables, checked after every transition of the menu.
#include <QRawFont>
#include <QtTest>

#include "shell/application.h"
#include "shell/designfonts.h"
#include "shell/form1.h"
#include "tests/support/namedcontrols.h"
#include "tests/support/fakegame.h"

namespace {

// What a screen looks like: every control that is on screen, with "~" after
// the name of one that is greyed.
QStringList screenOf(Form1 *form)
{
    QStringList shown;
    const QStringList names = {"tm", "tbl", "oyn", "kpt", "cks", "hknd", "p1", "fr", "g", "i",
                               "l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8", "l9", "l10",
                               "br", "iki", "uc", "dort", "bes", "alt", "yedi", "skz", "dkz", "nn",
                               "Label6", "Label7"};
    for (const QString &name : names) {
        auto *w = form->findChild<QWidget *>(name);
        if (w && w->isVisibleTo(form))
            shown << name + (w->isEnabled() ? QString() : QStringLiteral("~"));
    }
    return shown;
}

const QStringList kStart = {"tm", "oyn", "cks", "p1", "Label6", "Label7"};
const QStringList kGameFromStart = {"tm~", "kpt", "hknd", "fr", "Label6", "Label7"};
const QStringList kMenu = {"tbl", "oyn", "cks", "p1"};
const QStringList kGameFromMenu = {"tbl~", "kpt", "hknd", "fr"};
const QStringList kWholeFromStart = {"tbl", "oyn", "cks", "l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8", "l9", "l10"};
const QStringList kMemorisePage1 = {"tm", "oyn", "cks", "g~", "i", "br", "Label6", "Label7"};
const QStringList kGameFromMemorise = {"tm~", "kpt", "hknd", "fr", "Label6", "Label7"};

} // namespace

class TestScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init();
    void cleanup();
    void gameModeBringsThePanelFaces_data();
    void gameModeBringsThePanelFaces();
    void menuClicksWalkTheScreens_data();
    void menuClicksWalkTheScreens();
    void coveredButtonsCannotBeReachedAtStart();
    void enteringGameModeFocusesStartAndEnterPressesIt();
    void enterPressesTheFocusedButton();
    void enterDoesNothingWhileStartIsOffScreen();
    void leavingGameModeResetsThePanelAndPlaysBothCues();
    void leavingGameModeKeepsTheEntryAsTheLastQuestionLeftIt();
    void exitClosesBothWindowsAndEndsTheProgram();
    void closeBoxEndsTheProgramEvenWithTheHowToPlayWindowHidden();

private:
    std::unique_ptr<FakeGame> m_game;
    FakePlatform *m_fake = nullptr;
    Form1 *m_form = nullptr;
};

void TestScreens::init()
{
    m_game = std::make_unique<FakeGame>();
    m_fake = &m_game->fake;
    m_form = &m_game->form;
}

void TestScreens::cleanup()
{
    m_game.reset();
}

// The faces only the game panel uses are registered on entering game mode,
// not at start; once there, each is found under its own name.
void TestScreens::gameModeBringsThePanelFaces_data()
{
    QTest::addColumn<int>("face");
    QTest::newRow("counters") << int(Face::Terminal);
    QTest::newRow("narrow answer") << int(Face::SansNarrow);
    QTest::newRow("question mark") << int(Face::Tahoma);
}

void TestScreens::gameModeBringsThePanelFaces()
{
    QFETCH(int, face);
    named::button(m_form, "oyn")->click();
    const QFont font = designFont(Face(face), 18, true);
    QCOMPARE(QFontInfo(font).family(), familyOf(Face(face)));
    QVERIFY(QRawFont::fromFont(font).supportsCharacter(QLatin1Char('0')));
}

void TestScreens::menuClicksWalkTheScreens_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("screen");
    QTest::newRow("start") << QStringList{} << kStart;
    QTest::newRow("start > game") << QStringList{"oyn"} << kGameFromStart;
    QTest::newRow("game > menu") << QStringList{"oyn", "kpt"} << kMenu;
    QTest::newRow("menu > game greys the memorise button") << QStringList{"oyn", "kpt", "oyn"} << kGameFromMenu;
    QTest::newRow("menu > memorise") << QStringList{"oyn", "kpt", "tbl"} << kMemorisePage1;
    QTest::newRow("start > whole table") << QStringList{"tm"} << kWholeFromStart;
    QTest::newRow("whole table > game greys the memorise button") << QStringList{"tm", "oyn"} << kGameFromMenu;
    QTest::newRow("whole table > memorise") << QStringList{"tm", "tbl"} << kMemorisePage1;
    QTest::newRow("memorise > whole table") << QStringList{"tm", "tbl", "tm"} << kWholeFromStart;
    QTest::newRow("memorise > game keeps the covered page texts") << QStringList{"tm", "tbl", "i", "oyn"} << kGameFromMemorise;
    QTest::newRow("memorise > game > menu hides the page texts") << QStringList{"tm", "tbl", "oyn", "kpt"} << kMenu;
    QTest::newRow("memorise page 3 > whole table > memorise starts at 1")
        << QStringList{"tm", "tbl", "i", "i", "tm", "tbl"} << kMemorisePage1;
    QTest::newRow("memorise page 7 > game > menu > memorise starts at 1")
        << QStringList{"tm", "tbl", "i", "i", "i", "i", "i", "i", "oyn", "kpt", "tbl"} << kMemorisePage1;
}

void TestScreens::menuClicksWalkTheScreens()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, screen);
    for (const QString &name : clicks) {
        auto *button = m_form->findChild<QPushButton *>(name);
        QVERIFY2(button && button->isVisibleTo(m_form) && button->isEnabled(), qPrintable(name));
        button->click();
    }
    QCOMPARE(screenOf(m_form), screen);
    // Sound is set up on every entry into game mode and nowhere else.
    QCOMPARE(m_fake->sound.prepares, int(clicks.count(QStringLiteral("oyn"))));
    // The page number is empty on every screen but the memorise view.
    QCOMPARE(named::field(m_form, "no")->text().isEmpty(), !screen.contains(QStringLiteral("br")));
}

void TestScreens::coveredButtonsCannotBeReachedAtStart()
{
    for (QWidget *covered : {static_cast<QWidget *>(named::button(m_form, "tbl")), static_cast<QWidget *>(named::button(m_form, "kpt")),
                             static_cast<QWidget *>(named::button(m_form, "hknd"))}) {
        QVERIFY(!covered->isVisibleTo(m_form));
    }
    // Walking the whole focus chain with Tab never lands on one of them.
    m_form->activateWindow();
    named::button(m_form, "tm")->setFocus();
    for (int n = 0; n < 60; ++n) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : m_form, Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus != named::button(m_form, "tbl") && focus != named::button(m_form, "kpt") && focus != named::button(m_form, "hknd"));
    }
}

void TestScreens::enteringGameModeFocusesStartAndEnterPressesIt()
{
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    named::button(m_form, "oyn")->click();
    QCOMPARE(QApplication::focusWidget(), named::button(m_form, "s"));
    QVERIFY(named::button(m_form, "s")->isDefault());
    QTest::keyClick(named::button(m_form, "s"), Qt::Key_Return);
    QCOMPARE(m_fake->sound.names(), QStringList{"question"});
    QCOMPARE(named::label(m_form, "b")->caption(), QStringLiteral("?"));
    // Enter typed into the answer field starts the next question too.
    QCOMPARE(QApplication::focusWidget(), named::field(m_form, "Text1"));
    QTest::keyClick(named::field(m_form, "Text1"), Qt::Key_Enter);
    QCOMPARE(m_fake->sound.names(), QStringList({"question", "question"}));
}

void TestScreens::enterPressesTheFocusedButton()
{
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    named::button(m_form, "oyn")->setFocus();
    QTest::keyClick(named::button(m_form, "oyn"), Qt::Key_Return);
    QVERIFY(named::picture(m_form, "fr")->isVisibleTo(m_form)); // "Oyuna Başla" pressed
    named::button(m_form, "kpt")->setFocus();
    QTest::keyClick(named::button(m_form, "kpt"), Qt::Key_Enter);
    QVERIFY(!named::picture(m_form, "fr")->isVisibleTo(m_form)); // "Oyunu Bitir", not a question
    QVERIFY(named::label(m_form, "b")->caption().isEmpty());
}

void TestScreens::enterDoesNothingWhileStartIsOffScreen()
{
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QTest::keyClick(m_form, Qt::Key_Return);
    named::button(m_form, "tm")->click();
    named::list(m_form, "l3")->setFocus();
    QTest::keyClick(named::list(m_form, "l3"), Qt::Key_Return);
    named::button(m_form, "tbl")->click();
    QTest::keyClick(m_form, Qt::Key_Enter);
    QVERIFY(m_fake->sound.cues.empty());
    QVERIFY(named::label(m_form, "b")->caption().isEmpty());
}

void TestScreens::leavingGameModeResetsThePanelAndPlaysBothCues()
{
    // A right answer at "04", then a timeout: the panel shows something everywhere.
    named::button(m_form, "oyn")->click();
    m_fake->random.queueIndex(66); // 7x7
    named::button(m_form, "s")->click();
    m_fake->clock.advance(2000);
    named::button(m_form, "a4")->click();
    named::button(m_form, "a9")->click();
    m_fake->random.queueIndex(99); // 10x10
    named::button(m_form, "s")->click();
    m_fake->clock.advance(6000);
    QCOMPARE(named::label(m_form, "a")->caption() + named::label(m_form, "b")->caption(), QStringLiteral("10x10100"));
    QCOMPARE(named::label(m_form, "dgr")->caption() + named::label(m_form, "ynl")->caption(), QStringLiteral("11"));
    QCOMPARE(named::label(m_form, "puan")->caption(), QStringLiteral("30"));
    m_fake->sound.cues.clear();
    named::button(m_form, "kpt")->click();
    for (const char *label : {"a", "b", "Label3", "t", "d", "pn"})
        QCOMPARE(named::label(m_form, label)->caption(), QString());
    QCOMPARE(named::label(m_form, "dgr")->caption(), QStringLiteral("0"));
    QCOMPARE(named::label(m_form, "ynl")->caption(), QStringLiteral("0"));
    QCOMPARE(named::label(m_form, "puan")->caption(), QStringLiteral("0"));
    QCOMPARE(named::field(m_form, "Text1")->text(), QString());
    // Both counter reactions run, also with both counters at "0": the wrong
    // cue cuts the correct one off. No countdown goes on behind the panel.
    QCOMPARE(m_fake->sound.names(), QStringList({"correct", "wrong"}));
    QVERIFY(!m_fake->clock.nextDueNs());
    QCOMPARE(m_fake->prompt.shown, 0);
}

void TestScreens::leavingGameModeKeepsTheEntryAsTheLastQuestionLeftIt()
{
    // A timeout leaves the answer field and the keypad disabled.
    named::button(m_form, "oyn")->click();
    named::button(m_form, "s")->click();
    m_fake->clock.advance(6000);
    named::button(m_form, "kpt")->click();
    named::button(m_form, "oyn")->click();
    QVERIFY(!named::field(m_form, "Text1")->isEnabled());
    QVERIFY(!named::button(m_form, "a5")->isEnabled());
}

void TestScreens::exitClosesBothWindowsAndEndsTheProgram()
{
    QSignalSpy ended(m_form, &Form1::unloaded);
    named::button(m_form, "oyn")->click();
    named::button(m_form, "hknd")->click();
    QVERIFY(m_form->about());
    named::button(m_form, "kpt")->click();
    named::button(m_form, "cks")->click();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!m_form->isVisible());
    QVERIFY(!m_form->about());
}

void TestScreens::closeBoxEndsTheProgramEvenWithTheHowToPlayWindowHidden()
{
    QSignalSpy ended(m_form, &Form1::unloaded);
    named::button(m_form, "oyn")->click();
    named::label(m_form, "Label8")->clicked();
    QVERIFY(m_form->about());
    m_form->about()->hide();
    named::button(m_form, "s")->click(); // a countdown is running
    m_form->close();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!m_form->about());
    // Nothing of the game runs after the window has gone.
    m_fake->sound.cues.clear();
    m_fake->clock.advance(10000);
    QVERIFY(m_fake->sound.cues.empty());
    QCOMPARE(named::label(m_form, "t")->caption(), QString());
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
