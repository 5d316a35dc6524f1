// The how-to-play window: created on first use, one at a time, hidden by
// "Kapat" and reopened where it was, destroyed by its close box.
#include <QtTest>

#include "shell/colours.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/frmabout.h"
#include "tests/support/namedcontrols.h"
#include "tests/support/fakegame.h"
#include "tests/support/glyphs.h"

class TestAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init();
    void cleanup();
    void opensBesideTheGameAtItsFixedPlace_data();
    void opensBesideTheGameAtItsFixedPlace();
    void showsTheRulesAsDesigned();
    void kapatHidesAndTheNextOpeningIsWhereItWas();
    void closeBoxDestroysAndTheNextOpeningIsAtTheFixedPlace();
    void neitherWindowStaysMaximised();
    void openingDuringAQuestionDoesNotStopTheCountdown();
    void enterAndEscapeDoNothingInIt();

private:
    std::unique_ptr<FakeGame> m_game;
    FakePlatform *m_fake = nullptr;
    Form1 *m_form = nullptr;
};

void TestAbout::init()
{
    m_game = std::make_unique<FakeGame>();
    m_fake = &m_game->fake;
    m_form = &m_game->form;
    named::button(m_form, "oyn")->click();
}

void TestAbout::cleanup()
{
    m_game.reset();
}

void TestAbout::opensBesideTheGameAtItsFixedPlace_data()
{
    QTest::addColumn<QString>("opener");
    QTest::newRow("Program Hakkında") << "hknd";
    QTest::newRow("the ? label") << "Label8";
}

void TestAbout::opensBesideTheGameAtItsFixedPlace()
{
    QFETCH(QString, opener);
    const auto open = [&] {
        if (opener == QLatin1String("hknd"))
            named::button(m_form, "hknd")->click();
        else
            Q_EMIT named::label(m_form, "Label8")->clicked();
    };
    QVERIFY(!m_form->about());
    open();
    FrmAbout *about = m_form->about();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->parentWidget(), nullptr);
    QCOMPARE(about->geometry(), QRect(156, 129, 607, 417));
    QVERIFY(m_form->isEnabled());
    open();
    QCOMPARE(m_form->about(), about);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return qobject_cast<FrmAbout *>(w) != nullptr; }), 1);
    // Opening from the menu hides the photograph, which game mode hides already.
    QVERIFY(named::picture(m_form, "p1")->isHidden());
}

void TestAbout::showsTheRulesAsDesigned()
{
    named::button(m_form, "hknd")->click();
    FrmAbout *about = m_form->about();
    QCOMPARE(about->windowTitle(), QStringLiteral("Nasıl Oynanır"));
    QCOMPARE(about->size(), QSize(607, 417));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QCOMPARE(about->palette().color(QPalette::Window), colour::pink);
    QCOMPARE(named::label(about, "lblTitle")->text(), QStringLiteral("Korubel Oyunu"));
    QCOMPARE(named::label(about, "lblVersion")->text(), QStringLiteral("Version   1.00"));
    // Word for word, blanks included: two between "üçüncü" and "saniyede",
    // one after the last full stop; the suffix after the game's name goes
    // after an apostrophe.
    QCOMPARE(named::label(about, "lblDescription")->text(),
             QStringLiteral("Başlat butonuna bastığınızda 5 saniyelik süre başlamış olur. "
                            "Bu süre içinde size Korubel'den rasgele bir çarpım sorulur. "
                            "Cevabı dilerseniz klavyenizden, dilerseniz oyun üzerindeki butonlara "
                            "farenizle basarak yanıtlayabilirsiniz. Cevabı doğru yazarsanız herhangi "
                            "bir tuşa basmanıza gerek yoktur siz basar basmaz cevabınız onaylanacaktır. "
                            "Cevabı süre geri işlerken beşinci saniyede yazarsanız 50 puan dördüncü "
                            "saniyede 40 puan, üçüncü  saniyede 30 puan, ikinci saniyede 20 puan, "
                            "birinci saniyede 10 puan alırsınız. Eğer cevabı 5 saniye bitene kadar "
                            "yazamazsanız 10 puanınız silinir. "));
    QCOMPARE(named::label(about, "lblDescription")->text().size(), 581);
    struct { Label *label; QRect rect; } rows[] = {
        {named::label(about, "lblTitle"), {70, 16, 467, 48}}, {named::label(about, "lblVersion"), {168, 72, 259, 23}},
        {named::label(about, "lblDescription"), {64, 104, 499, 222}}, {named::label(about, "lblDisclaimer"), {104, 336, 258, 63}},
        {named::label(about, "Label1"), {464, 360, 89, 33}},
    };
    for (const auto &row : rows) {
        QCOMPARE(row.label->geometry(), row.rect);
        QVERIFY(!row.label->autoFillBackground()); // transparent over the pink
        QCOMPARE(missingGlyphs(row.label->font(), row.label->text()), QString());
    }
    for (QWidget *w : about->findChildren<QWidget *>())
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
}

void TestAbout::kapatHidesAndTheNextOpeningIsWhereItWas()
{
    named::button(m_form, "hknd")->click();
    QPointer<FrmAbout> about = m_form->about();
    about->move(300, 200);
    const QRect moved = about->geometry();
    Q_EMIT named::label(about, "Label1")->clicked();
    QVERIFY(about);
    QVERIFY(!about->isVisible());
    // mutter reports a window it has unmapped at its frame's corner, a
    // title bar higher; showing it there would creep up at every opening.
    about->setGeometry(moved.translated(0, -37));
    Q_EMIT named::label(m_form, "Label8")->clicked();
    QCOMPARE(m_form->about(), about.data());
    QVERIFY(about->isVisible());
    QCOMPARE(about->geometry(), moved);
}

void TestAbout::neitherWindowStaysMaximised()
{
    named::button(m_form, "hknd")->click();
    for (QWidget *form : {static_cast<QWidget *>(m_form), static_cast<QWidget *>(m_form->about())}) {
        form->setWindowState(Qt::WindowMaximized);
        QCOMPARE(form->windowState(), Qt::WindowNoState);
        form->setWindowState(Qt::WindowFullScreen);
        QCOMPARE(form->windowState(), Qt::WindowNoState);
    }
}

void TestAbout::closeBoxDestroysAndTheNextOpeningIsAtTheFixedPlace()
{
    named::button(m_form, "hknd")->click();
    QPointer<FrmAbout> about = m_form->about();
    about->move(300, 200);
    about->close();
    QTRY_VERIFY(!about);
    QVERIFY(!m_form->about());
    named::button(m_form, "hknd")->click();
    QVERIFY(m_form->about());
    QCOMPARE(m_form->about()->geometry(), QRect(156, 129, 607, 417));
}

void TestAbout::openingDuringAQuestionDoesNotStopTheCountdown()
{
    named::button(m_form, "s")->click();
    Q_EMIT named::label(m_form, "Label8")->clicked();
    m_fake->clock.advance(2000);
    QCOMPARE(named::label(m_form, "t")->caption(), QStringLiteral("04"));
    QVERIFY(named::field(m_form, "Text1")->isEnabled());
}

void TestAbout::enterAndEscapeDoNothingInIt()
{
    named::button(m_form, "hknd")->click();
    FrmAbout *about = m_form->about();
    QTest::keyClick(about, Qt::Key_Return);
    QTest::keyClick(about, Qt::Key_Escape);
    QVERIFY(about->isVisible());
    QVERIFY(m_fake->sound.cues.empty());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
