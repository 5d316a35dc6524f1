#pragma once

#include <memory>

#include "shell/form1.h"
#include "shell/namedcontrols.h"
#include "tests/support/fakeplatform.h"

// The main window, shown, on the fakes: where every window test starts.
struct FakeGame
{
    FakeGame() : form(fake.platform()) { form.show(); }
    FakePlatform fake;
    Form1 form;
};

// The memorise view's lists, the table of 1 first.
inline QList<ListBox *> memoriseLists(const QObject *window)
{
    QList<ListBox *> lists;
    for (const char *name : {"br", "iki", "uc", "dort", "bes", "alt", "yedi", "skz", "dkz", "nn"})
        lists << named::list(window, name);
    return lists;
}
