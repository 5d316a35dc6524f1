// The memorise pages: the page table with its twenty texts, stepping with
// "Geri" and "İleri", and what an empty or odd page number does.
#include <QtTest>

#include "shell/application.h"
#include "shell/designfonts.h"
#include "shell/form1.h"
#include "tests/support/namedcontrols.h"
#include "study/pagetable.h"
#include "tests/support/fakegame.h"
#include "tests/support/glyphs.h"

namespace {

struct PageRow {
    qreal storyPt;
    bool storyBold;
    int storyLength;
    const char *storyBegins; // "" where only the kind is fixed
    qreal factsPt;
    bool factsBold;
    int factsLength;
    int factsItems;
    const char *factsBegins;
};

const PageRow kPages[10] = {
    {10, false, 339, "", 11, true, 269, 4, "Bir kilo bal;"},
    {11, true, 205, "Adamın biri yoldan geçerken", 10, true, 354, 1, "Dağ tepesinde bir dağ olmazsan"},
    {9, true, 408, "", 10, true, 312, 3, "Servetini kaybeden zarar eder."},
    {11, true, 205, "Öğretmen sınıfa sorar:", 10, true, 288, 4, "Bir bal arısı"},
    {11, true, 179, "Kadı Temel'e sormuş:", 10, true, 294, 4, "Bir karınca ağırlığının"},
    {9, false, 372, "", 11, true, 268, 1, "Günlerini say, büyüklerini say"},
    {10, true, 297, "Adamın biri Bayburt'a gitmiş.", 10, true, 337, 4, "Eğer çok şiddetli hapşırırsak"},
    {11, true, 257, "Televizyona çok meraklı bir çocuğun", 11, true, 214, 3, "Çocuklar ilkbaharda daha fazla büyür."},
    {11, true, 237, "Adam yolda arkadaşına rastlar", 11, true, 224, 4, "Boğalar renk körüdür."},
    {11, true, 245, "Hakim Temel'e sormuş :", 10, true, 299, 5, "Kötülüğe engel olmak"},
};

int codePoints(const QString &text)
{
    return int(text.toUcs4().size());
}

} // namespace

class TestStudy : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init();
    void cleanup();
    void pageTableHoldsEveryPage_data();
    void pageTableHoldsEveryPage();
    void eachPageShowsItsListTextsAndFonts_data();
    void eachPageShowsItsListTextsAndFonts();
    void nineStepsForwardThenOneBack();
    void anEmptyPageNumberOnlyEnablesBothButtons();
    void aPageNumberThatIsNoNumberMakesTheButtonsDoNothing();
    void aNumberThatIsNoPageChangesNothingButTheButtons();
    void wholeTableViewHidesThePageAndEmptiesTheNumber();
    void eachListKeepsItsPickAcrossPagesAndScreens();

private:
    QList<QListView *> shownLists() const;

    std::unique_ptr<FakeGame> m_game;
    FakePlatform *m_fake = nullptr;
    Form1 *m_form = nullptr;
};

void TestStudy::init()
{
    m_game = std::make_unique<FakeGame>();
    m_fake = &m_game->fake;
    m_form = &m_game->form;
}

void TestStudy::cleanup()
{
    m_game.reset();
}

QList<QListView *> TestStudy::shownLists() const
{
    QList<QListView *> shown;
    for (QListView *list : memoriseLists(m_form))
        if (list && list->isVisibleTo(m_form))
            shown << list;
    return shown;
}

void TestStudy::pageTableHoldsEveryPage_data()
{
    QTest::addColumn<int>("page");
    for (int page = 1; page <= 10; ++page)
        QTest::addRow("page %d", page) << page;
}

void TestStudy::pageTableHoldsEveryPage()
{
    QFETCH(int, page);
    const PageRow &want = kPages[page - 1];
    const study::Page *got = study::pageFor(QString::number(page));
    QVERIFY(got);
    QCOMPARE(got->table, page);
    QCOMPARE(got->storyPoints, want.storyPt);
    QCOMPARE(got->storyBold, want.storyBold);
    QCOMPARE(got->factsPoints, want.factsPt);
    QCOMPARE(got->factsBold, want.factsBold);

    QCOMPARE(codePoints(got->story), want.storyLength);
    QCOMPARE(codePoints(got->facts), want.factsLength);
    QVERIFY(got->story.startsWith(QString::fromUtf8(want.storyBegins)));
    QVERIFY(got->facts.startsWith(QString::fromUtf8(want.factsBegins)));
    for (const QString &text : {got->story, got->facts}) {
        QVERIFY(!text.contains(QLatin1Char('\n')));
        QVERIFY(!text.contains(QStringLiteral("  ")));
    }

    // Items are separated by " *** "; page 3 ends in " ***" after its last
    // saying, pages 8 and 9 end in a blank.
    QString facts = got->facts;
    if (page == 3) {
        QVERIFY(facts.endsWith(QStringLiteral(". ***")));
        facts.chop(4);
    }
    QCOMPARE(facts.split(QStringLiteral(" *** ")).size(), want.factsItems);
    QCOMPARE(facts.count(QStringLiteral("***")), want.factsItems - 1);
    QCOMPARE(got->facts.endsWith(QLatin1Char(' ')), page == 8 || page == 9);
    QCOMPARE(got->story.endsWith(QLatin1Char(' ')), page == 10);
    QCOMPARE(got->story.count(QStringLiteral("-----------")), page == 10 ? 1 : 0);
    if (page == 10) {
        const int join = int(got->story.indexOf(QStringLiteral(" -----------")));
        QVERIFY(join > 0);
        const QChar after = got->story.at(join + 12);
        QVERIFY(after != QLatin1Char(' ') && after != QLatin1Char('-'));
    }
}

void TestStudy::eachPageShowsItsListTextsAndFonts_data()
{
    pageTableHoldsEveryPage_data();
}

void TestStudy::eachPageShowsItsListTextsAndFonts()
{
    QFETCH(int, page);
    const PageRow &want = kPages[page - 1];
    openMemorisePage(m_form, page);
    QCOMPARE(named::field(m_form, "no")->text(), QString::number(page));
    QCOMPARE(shownLists(), QList<QListView *>{memoriseLists(m_form).at(page - 1)});
    QCOMPARE(named::button(m_form, "g")->isEnabled(), page != 1);
    QCOMPARE(named::button(m_form, "i")->isEnabled(), page != 10);
    const study::Page *text = study::pageFor(QString::number(page));
    struct { Label *label; QString caption; qreal points; bool bold; } sides[] = {
        {named::label(m_form, "Label6"), text->story, want.storyPt, want.storyBold},
        {named::label(m_form, "Label7"), text->facts, want.factsPt, want.factsBold},
    };
    for (const auto &side : sides) {
        QVERIFY(side.label->isVisibleTo(m_form));
        QCOMPARE(side.label->caption(), side.caption);
        QCOMPARE(side.label->font().pixelSize(), pixelsForPoints(side.points));
        QCOMPARE(side.label->font().bold(), side.bold);
        QCOMPARE(side.label->font().family(), familyOf(Face::Comic));
        QCOMPARE(missingGlyphs(side.label->font(), side.caption), QString());
    }
}

void TestStudy::nineStepsForwardThenOneBack()
{
    openMemorisePage(m_form, 1);
    QStringList seen;
    for (int n = 0; n < 9; ++n) {
        QVERIFY(named::button(m_form, "i")->isEnabled());
        named::button(m_form, "i")->click();
        seen << named::field(m_form, "no")->text();
    }
    QCOMPARE(seen, QStringList({"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    QVERIFY(!named::button(m_form, "i")->isEnabled());
    QVERIFY(named::button(m_form, "g")->isEnabled());
    named::button(m_form, "g")->click();
    QCOMPARE(named::field(m_form, "no")->text(), QStringLiteral("9"));
    QVERIFY(named::button(m_form, "i")->isEnabled());
    QCOMPARE(shownLists(), QList<QListView *>{named::list(m_form, "dkz")});
}

void TestStudy::anEmptyPageNumberOnlyEnablesBothButtons()
{
    openMemorisePage(m_form, 1);
    const QString story = named::label(m_form, "Label6")->caption();
    const QFont font = named::label(m_form, "Label6")->font();
    named::field(m_form, "no")->setText(QString());
    QVERIFY(named::button(m_form, "g")->isEnabled());
    QVERIFY(named::button(m_form, "i")->isEnabled());
    QCOMPARE(shownLists(), QList<QListView *>{named::list(m_form, "br")});
    QCOMPARE(named::label(m_form, "Label6")->caption(), story);
    QCOMPARE(named::label(m_form, "Label6")->font(), font);
}

void TestStudy::aPageNumberThatIsNoNumberMakesTheButtonsDoNothing()
{
    openMemorisePage(m_form, 4);
    named::field(m_form, "no")->setText(QStringLiteral("dört"));
    named::button(m_form, "i")->click();
    named::button(m_form, "g")->click();
    QCOMPARE(named::field(m_form, "no")->text(), QStringLiteral("dört"));
    QCOMPARE(shownLists(), QList<QListView *>{named::list(m_form, "dort")});
    named::field(m_form, "no")->setText(QString());
    named::button(m_form, "g")->click();
    QCOMPARE(named::field(m_form, "no")->text(), QString());
}

void TestStudy::aNumberThatIsNoPageChangesNothingButTheButtons()
{
    openMemorisePage(m_form, 10);
    named::button(m_form, "i")->setEnabled(true);
    named::button(m_form, "i")->click(); // "11" is no page
    QCOMPARE(named::field(m_form, "no")->text(), QStringLiteral("11"));
    QCOMPARE(shownLists(), QList<QListView *>{named::list(m_form, "nn")});
    QVERIFY(named::button(m_form, "g")->isEnabled());
    QVERIFY(named::button(m_form, "i")->isEnabled());
    named::button(m_form, "g")->click();
    QCOMPARE(named::field(m_form, "no")->text(), QStringLiteral("10"));
    QVERIFY(!named::button(m_form, "i")->isEnabled());
}

void TestStudy::wholeTableViewHidesThePageAndEmptiesTheNumber()
{
    openMemorisePage(m_form, 6);
    named::button(m_form, "tm")->click();
    QCOMPARE(named::field(m_form, "no")->text(), QString());
    QVERIFY(shownLists().isEmpty());
    QVERIFY(!named::button(m_form, "g")->isVisibleTo(m_form));
    QVERIFY(!named::button(m_form, "i")->isVisibleTo(m_form));
    QVERIFY(!named::label(m_form, "Label6")->isVisibleTo(m_form));
    for (const char *list : {"l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8", "l9", "l10"})
        QVERIFY(named::list(m_form, list)->isVisibleTo(m_form));
}

void TestStudy::eachListKeepsItsPickAcrossPagesAndScreens()
{
    const auto pick = [this](const char *name, int row) {
        QListView *list = named::list(m_form, name);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
    };
    const auto picked = [this](const char *name) {
        QList<int> rows;
        for (const QModelIndex &index : named::list(m_form, name)->selectionModel()->selectedRows())
            rows << index.row();
        return rows;
    };
    openMemorisePage(m_form, 1);
    pick("br", 4);
    named::button(m_form, "i")->click();
    pick("iki", 7);
    named::button(m_form, "g")->click();
    QCOMPARE(picked("br"), QList<int>{4});
    // The whole table's list of 1 shows the same items with a pick of its own.
    named::button(m_form, "tm")->click();
    QCOMPARE(picked("l3"), QList<int>{});
    pick("l3", 2);
    openMemorisePage(m_form, 2);
    QCOMPARE(picked("iki"), QList<int>{7});
    QCOMPARE(picked("br"), QList<int>{4});
    named::button(m_form, "tm")->click();
    QCOMPARE(picked("l3"), QList<int>{2});
}

QTEST_MAIN(TestStudy)
#include "tst_study.moc"
