// Every text a control can come to show fits it in its own font: the main
// window's values, the lists' ten items, the how-to-play window's texts
// and each memorise page's story and facts. The measures are the bundled
// fonts' as the Qt release at hand lays them out, which differ by a pixel
// here and there between releases (Qt 6.4 and 6.8 give some texts a line
// or an advance one pixel apart), so this test has a label of its own and
// package builds leave it out.
#include <QScrollBar>
#include <QStyleOption>
#include <QtTest>

#include "shell/application.h"
#include "shell/frmabout.h"
#include "tests/support/fakegame.h"
#include "tests/support/glyphs.h"

namespace {

// Empty when the text, wrapped at word boundaries in the label's width as
// the label draws it, fits the label; otherwise what it needs.
QString overflow(const QLabel *label, const QString &text, Qt::Alignment alignment)
{
    const QRect need = QFontMetrics(label->font())
                           .boundingRect(QRect(QPoint(), label->size()), Qt::TextWordWrap | alignment, text);
    if (need.width() <= label->width() && need.height() <= label->height())
        return {};
    return QStringLiteral("%1 needs %2 x %3 in %4 x %5")
        .arg(label->objectName()).arg(need.width()).arg(need.height()).arg(label->width()).arg(label->height());
}

} // namespace

class TestFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init() { m_game = std::make_unique<FakeGame>(); m_form = &m_game->form; }
    void cleanup() { m_game.reset(); }
    void everyValueFitsItsControl_data();
    void everyValueFitsItsControl();
    void theRulesFitTheirLabels();
    void eachTablesListsAndPageFit_data();
    void eachTablesListsAndPageFit();

private:
    std::unique_ptr<FakeGame> m_game;
    Form1 *m_form = nullptr;
};

// Every text each control of the main window can come to show.
void TestFit::everyValueFitsItsControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *control, const QString &text) {
        QTest::addRow("%s %s", control, qPrintable(text)) << QString::fromLatin1(control) << text;
    };
    for (const char *name : {"Label1", "tm", "tbl", "oyn", "kpt", "cks", "hknd", "g", "i", "s", "Label2", "Label4", "Label5", "Label8"})
        row(name, QString());
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b) {
            row("a", QStringLiteral("%1x%2").arg(a).arg(b));
            row("b", QString::number(a * b));
        }
    row("b", QStringLiteral("?"));
    row("Label3", QStringLiteral("="));
    for (const char *value : {"05", "04", "03", "02", "01", "00"})
        row("t", QString::fromLatin1(value));
    for (const char *value : {"Doğru Cevap", "Yanlış Cevap", "Dogru Cevap", "Tebrikler"})
        row("d", QString::fromUtf8(value));
    for (const char *value : {"50 Puan", "40 Puan", "30 Puan", "20 Puan", "10 Puan", "-10 Puan"})
        row("pn", QString::fromLatin1(value));
    for (const char *value : {"0", "9", "10", "999", "9999", "-9999", "99999"}) {
        row("dgr", QString::fromLatin1(value));
        row("puan", QString::fromLatin1(value));
    }
    row("ynl", QStringLiteral("10"));
    row("Text1", QStringLiteral("100"));
    row("Text1", QStringLiteral("888"));
}

void TestFit::everyValueFitsItsControl()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    // In game mode, where the panel's controls show.
    named::button(m_form, "oyn")->click();
    auto *w = m_form->findChild<QWidget *>(control);
    QVERIFY(w);
    const QString shown = text.isEmpty() ? textOf(w) : text;
    const QFont font = w->font();
    const QFontMetrics metrics(font);
    QCOMPARE(missingGlyphs(font, shown), QString());
    if (qobject_cast<QLabel *>(w)) {
        int visible = w->height();
        if (w == named::label(m_form, "ynl"))
            visible = named::label(m_form, "Label5")->y() - w->y(); // the rest lies under Label5
        // Every value is one line, within the width, and its letters are
        // not cut at the bottom (the space below the baseline is kept for
        // descenders only where the label has room for it).
        const QRect bounds = metrics.boundingRect(QRect(0, 0, w->width(), 10000), Qt::TextWordWrap | Qt::AlignHCenter, shown);
        QVERIFY2(metrics.horizontalAdvance(shown) <= w->width(),
                 qPrintable(QStringLiteral("%1 px wide in %2").arg(metrics.horizontalAdvance(shown)).arg(w->width())));
        QVERIFY2(bounds.height() < metrics.height() + metrics.lineSpacing() / 2, "wraps to a second line");
        const bool descends = shown.contains(QRegularExpression(QStringLiteral("[gjpqyşçğ,]")));
        const int needed = descends ? metrics.ascent() + metrics.descent() : metrics.ascent();
        QVERIFY2(needed <= visible, qPrintable(QStringLiteral("%1 px high in %2").arg(needed).arg(visible)));
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QVERIFY2(metrics.horizontalAdvance(shown) <= inside.width(),
                 qPrintable(QStringLiteral("%1 px in %2").arg(metrics.horizontalAdvance(shown)).arg(inside.width())));
        QVERIFY2(metrics.ascent() + metrics.descent() <= button->height(),
                 qPrintable(QStringLiteral("%1 px high in %2").arg(metrics.ascent() + metrics.descent()).arg(button->height())));
    } else if (qobject_cast<QLineEdit *>(w)) {
        QVERIFY(metrics.horizontalAdvance(shown) < w->width() - 8);
        QVERIFY2(metrics.ascent() <= w->height() - 4, qPrintable(QString::number(metrics.ascent())));
    }
}

void TestFit::theRulesFitTheirLabels()
{
    named::button(m_form, "oyn")->click();
    named::button(m_form, "hknd")->click();
    FrmAbout *about = m_form->about();
    QVERIFY(about);
    for (const char *name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer", "Label1"}) {
        Label *label = named::label(about, name);
        QCOMPARE(overflow(label, label->text(), Qt::AlignHCenter), QString());
    }
}

// Each table's whole-table list and memorise list show all ten items
// inside the list, unscrolled, each on its own screen; its memorise page's
// story and facts fit their labels.
void TestFit::eachTablesListsAndPageFit_data()
{
    QTest::addColumn<int>("table");
    for (int table = 1; table <= 10; ++table)
        QTest::addRow("table of %d", table) << table;
}

void TestFit::eachTablesListsAndPageFit()
{
    QFETCH(int, table);
    const auto showsAllTen = [](QListView *list) {
        QVERIFY(list && list->isVisible());
        const QRect last = list->visualRect(list->model()->index(9, 0));
        QVERIFY2(list->viewport()->rect().contains(last),
                 qPrintable(QStringLiteral("%1: the last item at %2 + %3").arg(list->objectName()).arg(last.y()).arg(last.height())));
        QVERIFY(!list->verticalScrollBar()->isVisible());
    };
    openMemorisePage(m_form, table);
    showsAllTen(memoriseLists(m_form).at(table - 1));
    for (const char *name : {"Label6", "Label7"}) {
        Label *label = named::label(m_form, name);
        QCOMPARE(overflow(label, label->caption(), label->alignment()), QString());
    }
    QVERIFY(named::button(m_form, "tm")->isVisible());
    named::button(m_form, "tm")->click();
    showsAllTen(wholeTableLists(m_form).at(table - 1));
}

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
