// What a screen reader gets: on every screen, each visible control's
// accessible name is exactly the text it shows, and the controls whose
// role is not obvious from their text carry a Turkish description.
#include <QAccessible>
#include <QtTest>

#include "shell/designfonts.h"
#include "shell/form1.h"
#include "tests/support/fakeplatform.h"

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void everyVisibleControlReadsWhatItShows_data();
    void everyVisibleControlReadsWhatItShows();
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
    const QHash<QString, QString> roles = {
        {"a", "Soru"}, {"b", "Cevap"}, {"t", "Kalan süre"}, {"d", "Sonuç"}, {"pn", "Bu sorunun puanı"},
        {"dgr", "Doğru cevap sayısı"}, {"ynl", "Yanlış cevap sayısı"}, {"puan", "Toplam puan"},
        {"Text1", "Cevabınızı yazın"}, {"Label6", "Fıkra"}, {"Label7", "Bilgiler ve sözler"},
    };
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
        if (auto *list = qobject_cast<QListWidget *>(w)) {
            QCOMPARE(iface->childCount() > 0, true);
            QCOMPARE(iface->child(0)->text(QAccessible::Name), list->item(0)->text());
            QVERIFY(!iface->text(QAccessible::Description).isEmpty());
        }
        if (roles.contains(w->objectName()))
            QCOMPARE(iface->text(QAccessible::Description), roles.value(w->objectName()));
        if (qobject_cast<QAbstractButton *>(w) && w->objectName().size() == 2 && w->objectName().at(0) == QLatin1Char('a'))
            QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Rakam tuşu"));
    }
    QVERIFY(checked >= 3);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
