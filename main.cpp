#include <QApplication>
#include <QTimer>

#include "quiz/cueplayer.h"
#include "quiz/gameoverbox.h"
#include "shell/designfonts.h"
#include "shell/form1.h"
#include "shell/qtplatform.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korubel-oyunu"));
    // Matches the installed desktop entry, so the task bar finds its icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.korubel.oyunu"));
    prepareApplication(app);

    QtClock clock;
    LateCuePlayer sound;
    MixingRandom random;
    MessageBoxPrompt prompt;
    Form1 window(Platform{clock, sound, random, prompt});
    QObject::connect(&window, &Form1::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    QTimer::singleShot(0, &app, [&sound] { sound.start(); });
    return app.exec();
}
