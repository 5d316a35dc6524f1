#pragma once

#include <memory>

#include "shell/form1.h"
#include "tests/support/fakeplatform.h"

// The main window, shown, on the fakes: where every window test starts.
struct FakeGame
{
    FakeGame() : form(fake.platform()) { form.show(); }
    FakePlatform fake;
    Form1 form;
};
