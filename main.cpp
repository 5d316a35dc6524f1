#include <QApplication>

#include "quiz/messageboxprompt.h"
#include "quiz/pulsecueplayer.h"
#include "quiz/wavdata.h"
#include "shell/accessibility.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/mixingrandom.h"
#include "shell/qtclock.h"
#include "shell/windowsystem.h"

int main(int argc, char *argv[])
{
    chooseWindowSystem(); // X where the desktop offers it, see windowsystem.h
    prepareAccessibility();
    QApplication app(argc, argv);
    // On X11 this is also the window's class, which the desktop entry's
    // StartupWMClass names so docks match the window to its menu entry.
    QApplication::setApplicationName(QStringLiteral("korubel-oyunu"));
    // Matches the installed desktop entry, so the task bar finds its icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.korubel.oyunu"));
    prepareApplication(app);

    QtClock clock;
    // Reads its cues and starts its thread on entering game mode.
    PulseCuePlayer sound(cueResource);
    MixingRandom random;
    MessageBoxPrompt prompt;
    Form1 window(Platform{clock, sound, random, prompt});
    QObject::connect(&window, &Form1::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
