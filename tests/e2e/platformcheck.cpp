// korubel-platformcheck: the game's window with the real clock, on the
// window system the program itself chooses from this environment (for the
// end-to-end check run-desktop-check, on Wayland alone, where no X input
// tool reaches the window). It enters game mode, asks one question, opens the how-to-play
// window from the game panel while the countdown runs, and prints one line
// per event as it happens:
//
//   platform wayland          the Qt plugin the window runs on
//   shown                     the main window is on screen
//   t 05 1001                 a countdown value and the ms since "Başlat"
//   about 1500                the how-to-play window is on screen
//   qt-warning <category>: <text>   anything Qt warned about
//   done                      half a second after "00"
//
// Sound is not played: the cues go to a recorder.
//
// With --commands it enters game mode and then does what each line of its
// standard input says, for checks that press keys on the desktop and ask the
// compositor what it did:
//
//   focus    gives "Program Hakkında" the keyboard focus, so that a key
//            pressed on the desktop opens the window     prints "focused"
//   hide     clicks "Kapat"                               prints "about hidden"
#include <QApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "shell/application.h"
#include "shell/form1.h"
#include "shell/mixingrandom.h"
#include "tests/support/namedcontrols.h"
#include "shell/qtclock.h"
#include "shell/windowsystem.h"
#include "tests/support/fakeplatform.h"

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void reportWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        say(QStringLiteral("qt-warning %1: %2").arg(QLatin1String(context.category), message));
}

// The --commands mode, in game mode: one command a line on standard input,
// until it ends.
int runCommands(QApplication &app, Form1 &window)
{
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char line[64];
        if (!std::fgets(line, sizeof line, stdin)) {
            app.quit();
            return;
        }
        const QByteArray command = QByteArray(line).trimmed();
        if (command == "hide" && window.about()) {
            Q_EMIT named::label(window.about(), "Label1")->clicked();
            say(window.about()->isVisible() ? QStringLiteral("still shown") : QStringLiteral("about hidden"));
        } else if (command == "focus") {
            named::button(&window, "hknd")->setFocus();
            say(QStringLiteral("focused"));
        } else {
            say(QStringLiteral("unknown command ") + QString::fromLatin1(command));
        }
    });
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(reportWarnings);
    chooseWindowSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korubel-oyunu"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.korubel.oyunu"));
    prepareApplication(app);
    say(QStringLiteral("platform ") + QGuiApplication::platformName());

    QtClock clock;
    RecordingCuePlayer sound;
    MixingRandom random;
    ScriptedPrompt prompt;
    Form1 window(Platform{clock, sound, random, prompt});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window, 10000)) {
        say(QStringLiteral("the main window was not shown within 10 s"));
        return 1;
    }
    say(QStringLiteral("shown"));
    named::button(&window, "oyn")->click();
    if (app.arguments().contains(QStringLiteral("--commands")))
        return runCommands(app, window);
    QElapsedTimer sinceStart;
    QObject::connect(named::label(&window, "t"), &Label::changed, &app, [&] {
        const QString value = named::label(&window, "t")->caption();
        if (value.isEmpty())
            return; // "Başlat" clears it
        say(QStringLiteral("t %1 %2").arg(value).arg(sinceStart.elapsed()));
        if (value == QLatin1String("00"))
            QTimer::singleShot(500, &app, &QApplication::quit);
    });
    // Halfway through "05", so the window opens between two ticks.
    QTimer::singleShot(1500, &app, [&] {
        Q_EMIT named::label(&window, "Label8")->clicked();
        if (window.about() && QTest::qWaitForWindowExposed(window.about(), 5000))
            say(QStringLiteral("about %1").arg(sinceStart.elapsed()));
        else
            say(QStringLiteral("the how-to-play window was not shown"));
    });
    QTimer::singleShot(15000, &app, [&] {
        say(QStringLiteral("no \"00\" within 15 s"));
        app.exit(1);
    });
    sinceStart.start();
    named::button(&window, "s")->click();
    const int status = app.exec();
    say(QStringLiteral("done"));
    return status;
}
