// The main window as it opens: every control by name, with its kind,
// place, visibility, text, font and colours; the lists' hundred strings;
// the window itself; and that the bundled fonts, and no others, draw every
// text.
#include <QFontDatabase>
#include <QRawFont>
#include <QtTest>

#include "shell/colours.h"
#include "shell/application.h"
#include "shell/designfonts.h"
#include "shell/form1.h"
#include "shell/frmabout.h"
#include "tests/support/namedcontrols.h"
#include "study/tables.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/glyphs.h"

namespace {

struct Design {
    const char *name;
    const char *kind;
    const char *container; // "Form1" or "fr"
    QRect rect;
    bool shown;
    const char *text;
    Face face;
    qreal points;
    bool bold;
    QColor fore; // invalid: system colours
    QColor back;
};

const QColor sys; // system colour: not checked

const Design kDesign[] = {
    {"Label1", "Label", "Form1", {8, 8, 505, 49}, true, "KORUBEL OYUNU", Face::Comic, 26.25, true, colour::red, colour::lightGreen},
    {"tm", "QPushButton", "Form1", {8, 72, 161, 25}, true, "Tüm Tabloyu Göster", Face::SansSerif, 8.25, false, sys, sys},
    {"tbl", "QPushButton", "Form1", {8, 72, 161, 25}, false, "Ezberlemeye Başla", Face::SansSerif, 8.25, false, sys, sys},
    {"oyn", "QPushButton", "Form1", {176, 72, 169, 25}, true, "Oyuna Başla", Face::SansSerif, 8.25, false, sys, sys},
    {"kpt", "QPushButton", "Form1", {176, 72, 169, 25}, false, "Oyunu Bitir", Face::SansSerif, 8.25, false, sys, sys},
    {"cks", "QPushButton", "Form1", {352, 72, 161, 25}, true, "Çıkış", Face::SansSerif, 8.25, false, sys, sys},
    {"hknd", "QPushButton", "Form1", {352, 72, 161, 25}, false, "Program Hakkında", Face::SansSerif, 8.25, false, sys, sys},
    {"p1", "PictureBox", "Form1", {8, 152, 505, 313}, true, "", Face::SansSerif, 8.25, false, sys, sys},
    {"fr", "PictureBox", "Form1", {8, 104, 505, 361}, false, "", Face::SansSerif, 8.25, false, sys, colour::lightGreen},
    {"g", "QPushButton", "Form1", {144, 152, 105, 25}, false, "Geri", Face::Comic, 14.25, true, sys, sys},
    {"i", "QPushButton", "Form1", {256, 152, 105, 25}, false, "İleri", Face::Comic, 14.25, true, sys, sys},
    {"no", "TextField", "Form1", {32, 216, 41, 25}, false, "", Face::SansSerif, 8.25, false, sys, sys},
    {"Label6", "Label", "Form1", {24, 192, 169, 273}, true, "", Face::Comic, 9.75, false, colour::blue, colour::lightGreen},
    {"Label7", "Label", "Form1", {312, 192, 185, 273}, true, "", Face::Comic, 9.75, false, colour::red, colour::lightGreen},
    {"d", "Label", "fr", {32, 8, 241, 41}, true, "", Face::Comic, 20.25, true, colour::red, colour::lightGreen},
    {"pn", "Label", "fr", {272, 8, 137, 41}, true, "", Face::Comic, 20.25, true, colour::blue, colour::lightGreen},
    {"Label8", "Label", "fr", {456, 8, 41, 25}, true, "?", Face::Tahoma, 15.75, true, colour::red, colour::lightGreen},
    {"c", "TextField", "fr", {408, 8, 41, 19}, false, "", Face::SansSerif, 8.25, false, sys, sys},
    {"l", "TextField", "fr", {408, 24, 33, 19}, false, "", Face::SansSerif, 8.25, false, sys, sys},
    {"a", "Label", "fr", {32, 48, 161, 41}, true, "", Face::SansSerif, 24, true, colour::red, colour::lightYellow},
    {"Label3", "Label", "fr", {192, 48, 33, 41}, true, "", Face::SansSerif, 24, true, colour::blue, colour::lightYellow},
    {"b", "Label", "fr", {224, 48, 49, 41}, true, "", Face::SansNarrow, 24, true, colour::red, colour::lightYellow},
    {"s", "QPushButton", "fr", {280, 48, 137, 41}, true, "Başlat", Face::Comic, 14.25, true, sys, sys},
    {"t", "Label", "fr", {424, 48, 49, 41}, true, "", Face::SansSerif, 24, true, colour::red, colour::lightYellow},
    {"Text1", "TextField", "fr", {32, 96, 441, 49}, true, "", Face::Comic, 30, true, colour::red, colour::lightGreen},
    {"a1", "QPushButton", "fr", {32, 152, 105, 49}, true, "1", Face::Comic, 20.25, true, sys, sys},
    {"a2", "QPushButton", "fr", {136, 152, 105, 49}, true, "2", Face::Comic, 20.25, true, sys, sys},
    {"a3", "QPushButton", "fr", {240, 152, 105, 49}, true, "3", Face::Comic, 20.25, true, sys, sys},
    {"a4", "QPushButton", "fr", {32, 200, 105, 49}, true, "4", Face::Comic, 20.25, true, sys, sys},
    {"a5", "QPushButton", "fr", {136, 200, 105, 49}, true, "5", Face::Comic, 20.25, true, sys, sys},
    {"a6", "QPushButton", "fr", {240, 200, 105, 49}, true, "6", Face::Comic, 20.25, true, sys, sys},
    {"a7", "QPushButton", "fr", {32, 248, 105, 49}, true, "7", Face::Comic, 20.25, true, sys, sys},
    {"a8", "QPushButton", "fr", {136, 248, 105, 49}, true, "8", Face::Comic, 20.25, true, sys, sys},
    {"a9", "QPushButton", "fr", {240, 248, 105, 49}, true, "9", Face::Comic, 20.25, true, sys, sys},
    {"a0", "QPushButton", "fr", {32, 296, 313, 57}, true, "0", Face::Comic, 20.25, true, sys, sys},
    {"Label2", "Label", "fr", {352, 152, 121, 33}, true, "Doğru", Face::Comic, 14.25, true, colour::darkGreen, colour::lightYellow},
    {"dgr", "Label", "fr", {352, 192, 121, 33}, true, "0", Face::Terminal, 18, true, colour::red, colour::lightGreen},
    {"Label4", "Label", "fr", {352, 216, 121, 33}, true, "Yanlış", Face::Comic, 14.25, true, colour::darkRed, colour::lightYellow},
    {"ynl", "Label", "fr", {352, 256, 121, 41}, true, "0", Face::Terminal, 18, true, colour::red, colour::lightGreen},
    {"Label5", "Label", "fr", {352, 280, 121, 33}, true, "Puanınız", Face::Comic, 14.25, true, colour::blue, colour::lightYellow},
    {"puan", "Label", "fr", {352, 320, 121, 33}, true, "0", Face::Terminal, 18, true, colour::red, colour::lightGreen},
};

QColor foreOf(QWidget *w)
{
    if (qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractItemView *>(w))
        return w->palette().color(QPalette::Active, QPalette::Text);
    return w->palette().color(QPalette::WindowText);
}

QColor backOf(QWidget *w)
{
    if (qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractItemView *>(w))
        return w->palette().color(QPalette::Base);
    return w->palette().color(QPalette::Window);
}

} // namespace

class TestDesign : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void windowIsFixedLightGreenAndTitled();
    void everyControlStartsInItsDesignState_data();
    void everyControlStartsInItsDesignState();
    void theWindowHoldsItsControlsAndMakesEachListWithItsScreen_data();
    void theWindowHoldsItsControlsAndMakesEachListWithItsScreen();
    void listsHoldTheirTablesInGridOrder_data();
    void listsHoldTheirTablesInGridOrder();
    void timersStartSilent();
    void stackingPutsUpperMenuButtonsAndLabel5OnTop();
    void bundledFacesDrawEveryTurkishLetter_data();
    void bundledFacesDrawEveryTurkishLetter();
    void onlyTheBundledFontsAreKnown();
    void startPictureIsShownUnscaledAndClipped();

private:
    FakePlatform *m_fake = nullptr;
    Form1 *m_form = nullptr;
};

void TestDesign::initTestCase()
{
    prepareApplication(*qApp);
}

void TestDesign::init()
{
    m_fake = new FakePlatform;
    m_form = new Form1(m_fake->platform());
}

void TestDesign::cleanup()
{
    delete m_form;
    delete m_fake;
}

void TestDesign::windowIsFixedLightGreenAndTitled()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Korubel Oyunu"));
    QCOMPARE(m_form->size(), QSize(521, 471));
    QCOMPARE(m_form->minimumSize(), QSize(521, 471));
    QCOMPARE(m_form->maximumSize(), QSize(521, 471));
    QCOMPARE(m_form->palette().color(QPalette::Window), colour::lightGreen);
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_form->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!m_form->windowIcon().isNull());
    QCOMPARE(m_form->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    QVERIFY(named::button(m_form, "s")->isDefault());
    QVERIFY(!m_form->about());
}

void TestDesign::everyControlStartsInItsDesignState_data()
{
    QTest::addColumn<int>("row");
    for (int n = 0; n < int(std::size(kDesign)); ++n)
        QTest::newRow(kDesign[n].name) << n;
}

void TestDesign::everyControlStartsInItsDesignState()
{
    QFETCH(int, row);
    const Design &want = kDesign[row];
    auto *w = m_form->findChild<QWidget *>(QLatin1String(want.name));
    QVERIFY2(w, want.name);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), QString::fromLatin1(want.kind));
    // Positions inside the game panel count from the inside of its border.
    QWidget *container = QLatin1String(want.container) == QLatin1String("fr") ? named::picture(m_form, "fr")->inner() : m_form;
    QCOMPARE(w->parentWidget(), container);
    QCOMPARE(w->geometry(), want.rect);
    QCOMPARE(!w->isHidden(), want.shown);
    QCOMPARE(textOf(w), QString::fromUtf8(want.text));
    QCOMPARE(w->font().family(), familyOf(want.face));
    QCOMPARE(w->font().pixelSize(), pixelsForPoints(want.points));
    QCOMPARE(w->font().bold(), want.bold);
    if (want.fore.isValid())
        QCOMPARE(foreOf(w), want.fore);
    if (want.back.isValid())
        QCOMPARE(backOf(w), want.back);
    if (auto *label = qobject_cast<Label *>(w))
        QVERIFY(label->autoFillBackground()); // opaque
    QCOMPARE(w->isEnabled(), true);
}

void TestDesign::theWindowHoldsItsControlsAndMakesEachListWithItsScreen_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("lists");
    const QStringList whole = {"l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8", "l9", "l10"};
    const QStringList memorise = {"br", "iki", "uc", "dort", "bes", "alt", "yedi", "skz", "dkz", "nn"};
    QTest::newRow("none at start") << QStringList{} << QStringList{};
    QTest::newRow("the whole table makes its ten") << QStringList{"tm"} << whole;
    QTest::newRow("the memorise view from the menu makes br") << QStringList{"oyn", "kpt", "tbl"} << QStringList{"br"};
    QTest::newRow("page 3 after the whole table") << QStringList{"tm", "tbl", "i", "i"} << whole + memorise.mid(0, 3);
    QStringList everyPage = {"tm", "tbl"};
    for (int n = 0; n < 9; ++n)
        everyPage << "i";
    QTest::newRow("every screen makes all twenty") << everyPage << whole + memorise;
}

void TestDesign::theWindowHoldsItsControlsAndMakesEachListWithItsScreen()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, lists);
    for (const QString &name : clicks)
        named::button(m_form, name.toLatin1().constData())->click();
    QStringList names, made;
    for (QObject *child : m_form->findChildren<QObject *>()) {
        const QString kind = QString::fromLatin1(child->metaObject()->className());
        if (QStringList{"Label", "QPushButton", "TextField", "QListView", "PictureBox", "Timer"}.contains(kind))
            names << child->objectName();
        if (kind == QLatin1String("QListView"))
            made << child->objectName();
    }
    QCOMPARE(names.size(), 49 + lists.size());
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    made.sort();
    lists.sort();
    QCOMPARE(made, lists);

    // The Tab key goes through the controls that exist in the design's
    // order; a list made late takes its place in it.
    const QStringList design = {"br", "iki", "dort", "uc", "bes", "alt", "yedi", "skz", "dkz", "nn", "no",
                                "l1", "l3", "l4", "l5", "l6", "l7", "l8", "l9", "l10", "Text1", "l", "c", "l2", "p1",
                                "tbl", "tm", "kpt", "oyn", "hknd", "cks", "fr",
                                "a0", "a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "s", "g", "i"};
    QStringList order;
    for (const QString &name : design)
        if (m_form->findChild<QWidget *>(name))
            order << name;
    // Follow the focus chain from the first one, keeping only the
    // window's own controls (Qt adds inner widgets such as viewports).
    QStringList chain;
    QWidget *const first = m_form->findChild<QWidget *>(order.first());
    QWidget *w = first;
    do {
        if (order.contains(w->objectName()) && !chain.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    QCOMPARE(chain, order);
    // Labels never take the focus.
    for (Label *label : m_form->findChildren<Label *>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestDesign::listsHoldTheirTablesInGridOrder_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("wholeName");
    QTest::addColumn<QRect>("wholeRect");
    QTest::addColumn<QString>("memoriseName");
    const char *const memorise[] = {"br", "iki", "uc", "dort", "bes", "alt", "yedi", "skz", "dkz", "nn"};
    const char *const whole[] = {"l3", "l4", "l6", "l5", "l7", "l8", "l9", "l10", "l1", "l2"};
    for (int n = 1; n <= 10; ++n)
        QTest::addRow("table of %d", n) << n << QString::fromLatin1(whole[n - 1])
                                        << QRect(24 + 96 * ((n - 1) % 5), n <= 5 ? 152 : 312, 89, 147)
                                        << QString::fromLatin1(memorise[n - 1]);
}

void TestDesign::listsHoldTheirTablesInGridOrder()
{
    QFETCH(int, table);
    QFETCH(QString, wholeName);
    QFETCH(QRect, wholeRect);
    QFETCH(QString, memoriseName);
    // The item strings, spot-checked against their irregular spacing.
    const QStringList items = study::tableItems(table);
    QCOMPARE(items.size(), 10);
    QCOMPARE(items.first(), QStringLiteral("%1 X 1 =%2%3").arg(table).arg(table == 10 ? "" : " ").arg(table));
    const QString last = table == 10 ? QStringLiteral("10x10=100")
                         : table <= 2 ? QStringLiteral("%1 x 10 = %2").arg(table).arg(table * 10)
                                      : QStringLiteral("%1 x 10 =%2").arg(table).arg(table * 10);
    QCOMPARE(items.last(), last);
    for (int k = 2; k <= 9; ++k)
        QCOMPARE(items.at(k - 1), QStringLiteral("%1 x %2 =%3%4").arg(table).arg(k).arg(table == 10 ? "" : " ").arg(table * k));

    // Both show the table's items, each list on its own screen (that all
    // ten fit without scrolling is ui-fit's to check).
    const auto showsItsItems = [&items](QListView *list) {
        QStringList shown;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            shown << list->model()->index(row, 0).data().toString();
        QCOMPARE(shown, items);
        QVERIFY(list->isVisible());
    };
    m_form->show();
    named::button(m_form, "tm")->click();
    auto *wholeList = named::list(m_form, wholeName.toLatin1().constData());
    QCOMPARE(wholeList->geometry(), wholeRect);
    QCOMPARE(wholeList->font().family(), familyOf(Face::SansSerif));
    QVERIFY(wholeList->font().bold());
    QCOMPARE(foreOf(wholeList), colour::blue);
    showsItsItems(wholeList);
    named::button(m_form, "tbl")->click();
    for (int page = 1; page < table; ++page)
        named::button(m_form, "i")->click();
    auto *memoriseList = named::list(m_form, memoriseName.toLatin1().constData());
    QCOMPARE(memoriseList->geometry(), QRect(200, 192, 105, 264));
    QCOMPARE(memoriseList->font().family(), familyOf(Face::Comic));
    QCOMPARE(memoriseList->font().pixelSize(), 19);
    QVERIFY(!memoriseList->font().bold());
    QCOMPARE(foreOf(memoriseList), colour::white);
    QCOMPARE(backOf(memoriseList), colour::black);
    showsItsItems(memoriseList);
    QCOMPARE(memoriseList->model(), wholeList->model());
}

void TestDesign::timersStartSilent()
{
    struct { const char *timer; bool enabled; int interval; } rows[] = {
        {"Timer8", false, 0}, {"Timer7", true, 0}, {"Timer1", true, 0}, {"Timer2", true, 0},
        {"Timer3", true, 0}, {"Timer4", true, 0}, {"Timer5", false, 500}, {"Timer6", false, 500},
    };
    for (const auto &row : rows) {
        QCOMPARE(named::timer(m_form, row.timer)->isEnabled(), row.enabled);
        QCOMPARE(named::timer(m_form, row.timer)->interval(), row.interval);
    }
    QVERIFY(!m_fake->clock.nextDueNs());
    m_fake->clock.advance(60000);
    QVERIFY(m_fake->sound.cues.empty());
    QCOMPARE(named::label(m_form, "t")->caption(), QString());
}

void TestDesign::stackingPutsUpperMenuButtonsAndLabel5OnTop()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    // At each menu place the upper button is what a click reaches.
    QCOMPARE(m_form->childAt(80, 80), named::button(m_form, "tm"));
    QCOMPARE(m_form->childAt(250, 80), named::button(m_form, "oyn"));
    QCOMPARE(m_form->childAt(400, 80), named::button(m_form, "cks"));
    // The photograph covers the two page-text labels.
    QWidget *const photo = named::picture(m_form, "p1");
    QCOMPARE(m_form->childAt(100, 300)->parentWidget() == photo || m_form->childAt(100, 300) == photo, true);
    // In the panel, Label5 is drawn over the lower part of ynl.
    const QList<QObject *> siblings = named::picture(m_form, "fr")->inner()->children();
    QVERIFY(siblings.indexOf(named::label(m_form, "Label5")) > siblings.indexOf(named::label(m_form, "ynl")));
    // Labels lie beneath every other control of their container.
    for (QObject *child : siblings)
        if (qobject_cast<QLabel *>(child))
            QVERIFY(siblings.indexOf(child) < siblings.indexOf(named::field(m_form, "Text1")));
}

void TestDesign::bundledFacesDrawEveryTurkishLetter_data()
{
    QTest::addColumn<int>("face");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Comic regular") << int(Face::Comic) << false;
    QTest::newRow("Comic bold") << int(Face::Comic) << true;
    QTest::newRow("Sans regular") << int(Face::SansSerif) << false;
    QTest::newRow("Sans bold") << int(Face::SansSerif) << true;
    QTest::newRow("Sans narrow bold") << int(Face::SansNarrow) << true;
    QTest::newRow("Tahoma bold") << int(Face::Tahoma) << true;
}

void TestDesign::bundledFacesDrawEveryTurkishLetter()
{
    QFETCH(int, face);
    QFETCH(bool, bold);
    const QFont font = designFont(Face(face), 14.25, bold);
    QCOMPARE(QFontInfo(font).family(), familyOf(Face(face)));
    const QRawFont raw = QRawFont::fromFont(font);
    QCOMPARE(raw.familyName(), familyOf(Face(face)));
    QCOMPARE(missingGlyphs(font, QStringLiteral("çÇğĞıİöÖşŞüÜ")), QString());
}

void TestDesign::onlyTheBundledFontsAreKnown()
{
    // No system font can stand in for a bundled one, nor fill in a glyph.
    QStringList bundled;
    for (Face face : {Face::Comic, Face::SansSerif, Face::SansNarrow, Face::Tahoma, Face::Terminal})
        bundled << familyOf(face);
    bundled.sort();
    QStringList known = QFontDatabase::families();
    // Qt's generic names, which fontconfig maps onto the fonts it knows.
    for (const char *generic : {"Sans Serif", "Serif", "Monospace"})
        known.removeOne(QLatin1String(generic));
    known.sort();
    QCOMPARE(known, bundled);
    // Every text the window starts with has its glyphs in its own font.
    for (QWidget *w : m_form->findChildren<QWidget *>())
        QVERIFY2(missingGlyphs(w->font(), textOf(w)).isEmpty(), qPrintable(w->objectName()));
}

void TestDesign::startPictureIsShownUnscaledAndClipped()
{
    const QImage photo = named::picture(m_form, "p1")->picture().toImage();
    QCOMPARE(photo.size(), QSize(504, 321));
    // The inside of the sunken border is smaller than the photograph.
    const QRect inside = named::picture(m_form, "p1")->inner()->geometry();
    QVERIFY(inside.width() < 504 && inside.height() < 321);
    QCOMPARE(inside.topLeft(), QPoint(2, 2));
    // Drawn pixel for pixel, every row, from the photograph's corner.
    const QImage shown = named::picture(m_form, "p1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.copy(inside), photo.copy(QRect(QPoint(), inside.size())).convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(TestDesign)
#include "tst_design.moc"
