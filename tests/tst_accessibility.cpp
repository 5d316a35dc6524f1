// What a screen reader gets: on every screen, each visible control's
// accessible name is exactly the text it shows, and the controls whose
// role is not obvious from their text carry a Turkish description; what it
// is told of a turn while the focus stays where it is.
#include <QAccessible>
#include <QtTest>

#include "shell/accessibility.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "tests/support/fakeplatform.h"

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        prepareAccessibility();
        prepareApplication(*qApp);
    }
    void everyVisibleControlReadsWhatItShows_data();
    void everyVisibleControlReadsWhatItShows();
    void aFewRolesReadAsWritten_data();
    void aFewRolesReadAsWritten();
    void theQuestionAndACorrectAnswerAreTold();
};


void TestAccessibility::everyVisibleControlReadsWhatItShows_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::newRow("start") << QStringList{};
    QTest::newRow("game with a question") << QStringList{"oyn", "s"};
    QTest::newRow("game after a timeout") << QStringList{"oyn", "s", "wait"};
    QTest::newRow("whole table") << QStringList{"tm"};
    QTest::newRow("memorise page 1") << QStringList{"tm", "tbl"};
    QTest::newRow("memorise page 2") << QStringList{"tm", "tbl", "i"};
    QTest::newRow("menu") << QStringList{"oyn", "kpt"};
}

void TestAccessibility::everyVisibleControlReadsWhatItShows()
{
    QFETCH(QStringList, clicks);
    FakePlatform fake;
    Form1 form(fake.platform());
    form.show();
    for (const QString &name : clicks) {
        if (name == QLatin1String("wait"))
            fake.clock.advance(6000);
        else
            form.findChild<QPushButton *>(name)->click();
    }
    int checked = 0;
    for (QWidget *w : form.findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) || !w->isVisibleTo(&form))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(iface, qPrintable(w->objectName()));
        QString shown;
        if (auto *label = qobject_cast<QLabel *>(w))
            shown = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            shown = button->text();
        if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)) {
            QCOMPARE(iface->text(QAccessible::Name), shown);
            ++checked;
        }
        if (auto *field = qobject_cast<QLineEdit *>(w))
            QCOMPARE(iface->text(QAccessible::Value), field->text());
        if (auto *list = qobject_cast<QListView *>(w)) {
            QCOMPARE(iface->childCount() > 0, true);
            QCOMPARE(iface->child(0)->text(QAccessible::Name), list->model()->index(0, 0).data().toString());
            QVERIFY(!iface->text(QAccessible::Description).isEmpty());
        }
        // What shows no word of its own (a number, a sum, nothing yet, a
        // field) says in words what it is for.
        static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
        if (qobject_cast<QLineEdit *>(w) || ((qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w))
                                             && !word.match(shown).hasMatch()))
            QVERIFY2(word.match(iface->text(QAccessible::Description)).hasMatch(), qPrintable(w->objectName()));
    }
    QVERIFY(checked >= 3);
}

void TestAccessibility::aFewRolesReadAsWritten_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("description");
    QTest::newRow("the seconds left") << QStringList{} << "t" << "Kalan süre";
    QTest::newRow("the total score") << QStringList{} << "puan" << "Toplam puan";
    QTest::newRow("the answer field") << QStringList{} << "Text1" << "Cevabınızı yazın";
    QTest::newRow("a digit key") << QStringList{} << "a7" << "Rakam tuşu";
    QTest::newRow("a list of the whole table") << QStringList{"tm"} << "l3" << "Çarpım tablosu";
    QTest::newRow("the list of a page") << QStringList{"tm", "tbl", "i"} << "iki" << "Bu sayfanın çarpım tablosu";
    QTest::newRow("Başlat after a timeout") << QStringList{"oyn", "s", "wait"} << "s" << "Yanlış Cevap. 1x1 = 1. -10 Puan";
    QTest::newRow("Başlat at the next question") << QStringList{"oyn", "s", "wait", "s"} << "s" << "Yeni soru sorar";
    QTest::newRow("the panel: counters and score") << QStringList{"oyn", "s", "wait"} << "fr"
                                                   << "Doğru 0. Yanlış 1. Puanınız -10";
}

void TestAccessibility::aFewRolesReadAsWritten()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, control);
    QFETCH(QString, description);
    FakePlatform fake;
    Form1 form(fake.platform());
    for (const QString &name : clicks) {
        if (name == QLatin1String("wait"))
            fake.clock.advance(6000);
        else
            form.findChild<QPushButton *>(name)->click();
    }
    auto *widget = form.findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description), description);
}

void TestAccessibility::theQuestionAndACorrectAnswerAreTold()
{
    // How it reaches Orca, the end-to-end check hears; here, what it says.
    FakePlatform fake; // every draw is question 0, "1x1"
    Form1 form(fake.platform());
    auto *notice = form.findChild<Notice *>();
    QVERIFY(notice);
    form.findChild<QPushButton *>("oyn")->click();
    form.findChild<QPushButton *>("s")->click();
    QCOMPARE(notice->accessibleName(), "1x1");
    fake.clock.advance(1000); // "05" shows: 50 points
    form.findChild<QLineEdit *>("Text1")->setText("1");
    QCOMPARE(notice->accessibleName(), "Doğru Cevap. 50 Puan");
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
