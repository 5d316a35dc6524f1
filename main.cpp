#include <QApplication>

#include "quiz/cueplayer.h"
#include "quiz/gameoverbox.h"
#include "shell/designfonts.h"
#include "shell/form1.h"
#include "shell/qtplatform.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korubel-oyunu"));
    QApplication::setApplicationDisplayName(QStringLiteral("Korubel Oyunu"));
    QApplication::setDesktopFileName(QStringLiteral("korubel-oyunu"));
    prepareApplication(app);

    QtClock clock;
    SoundEffectPlayer sound;
    MixingRandom random;
    MessageBoxPrompt prompt;
    Form1 window(Platform{clock, sound, random, prompt});
    QObject::connect(&window, &Form1::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
