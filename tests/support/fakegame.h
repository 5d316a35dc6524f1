#pragma once

#include <memory>

#include "shell/form1.h"
#include "tests/support/namedcontrols.h"
#include "tests/support/fakeplatform.h"

// The main window, shown, on the fakes: where every window test starts.
struct FakeGame
{
    FakeGame() : form(fake.platform()) { form.show(); }
    FakePlatform fake;
    Form1 form;
};

// The lists of a view, by table; null for a list its page has not yet
// made.
inline QList<QListView *> madeLists(const QObject *window, std::initializer_list<const char *> names)
{
    QList<QListView *> lists;
    for (const char *name : names)
        lists << window->findChild<QListView *>(QLatin1String(name));
    return lists;
}
inline QList<QListView *> memoriseLists(const QObject *window)
{
    return madeLists(window, {"br", "iki", "uc", "dort", "bes", "alt", "yedi", "skz", "dkz", "nn"});
}
inline QList<QListView *> wholeTableLists(const QObject *window)
{
    return madeLists(window, {"l3", "l4", "l6", "l5", "l7", "l8", "l9", "l10", "l1", "l2"});
}

// Opens a memorise page from the start screen as a user does: the whole
// table, "Ezberlemeye Başla", then "İleri" until the page shows.
inline void openMemorisePage(Form1 *form, int page)
{
    named::button(form, "tm")->click();
    named::button(form, "tbl")->click();
    for (int n = 1; n < page; ++n)
        named::button(form, "i")->click();
}
