// Plays the cues through the game's real sound player and clock while a
// recorder captures the sound server's output. Every play() call is written
// to the event log with its time, so the analysis can tell which sound in
// the recording belongs to which call.
#include "tests/e2e/playscript.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>

#include "quiz/pulsecueplayer.h"
#include "quiz/wavdata.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/mixingrandom.h"
#include "tests/support/namedcontrols.h"
#include "shell/qtclock.h"
#include "tests/e2e/soundcheck.h"

namespace {

// Logs each cue, then hands it to the real player.
class LoggingCuePlayer : public CuePlayer
{
public:
    LoggingCuePlayer(CuePlayer &inner, const QElapsedTimer &since, QTextStream &log)
        : m_inner(inner), m_since(since), m_log(log) {}

    void play(Cue cue) override
    {
        m_log << m_since.nsecsElapsed() / 1000 << " play " << cueName(cue) << Qt::endl;
        m_inner.play(cue);
    }
    void prepare() override { m_inner.prepare(); }

private:
    CuePlayer &m_inner;
    const QElapsedTimer &m_since;
    QTextStream &m_log;
};

// How long a cue's file plays, in ms.
int cueMs(Cue cue)
{
    QFile file(QLatin1String(cueResource(cue)));
    WavData wav;
    return file.open(QIODevice::ReadOnly) && decodeWav(file.readAll(), &wav) ? int(wav.durationMs()) : 1000;
}

} // namespace

int gameScript(int argc, char **argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    QtClock clock;
    PulseCuePlayer realPlayer(cueResource);
    QElapsedTimer since;
    since.start();
    QString phase; // the log of the question under way
    QTextStream log;
    LoggingCuePlayer sound(realPlayer, since, log);
    MixingRandom random;
    NoBoxPrompt prompt;
    Form1 window(Platform{clock, sound, random, prompt});
    window.show();
    named::button(&window, "oyn")->click();
    runFor(200);

    // Between questions this thread waits on its input; the sound player
    // goes on in its own threads.
    std::string line;
    while (std::getline(std::cin, line)) {
        const QString command = QString::fromStdString(line).trimmed();
        if (command == QLatin1String("quit"))
            break;
        if (!command.startsWith(QLatin1String("ask "))) {
            qCritical("unknown command: %s", qPrintable(command));
            return 2;
        }
        QFile logFile(command.mid(4));
        if (!logFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            qCritical("cannot write %s", qPrintable(logFile.fileName()));
            return 2;
        }
        log.setDevice(&logFile);
        log << since.nsecsElapsed() / 1000 << " mark countdown" << Qt::endl;
        named::button(&window, "s")->click();
        runFor(6000 + cueMs(Cue::Wrong) + 300);
        log << since.nsecsElapsed() / 1000 << " mark end" << Qt::endl;
        log.setDevice(nullptr);
        std::printf("done\n");
        std::fflush(stdout);
    }
    return 0;
}

int playScript(int argc, char **argv, const QString &logPath)
{
    QApplication app(argc, argv);
    prepareApplication(app);

    QFile logFile(logPath);
    if (!logFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qCritical("cannot write %s", qPrintable(logPath));
        return 2;
    }
    QTextStream log(&logFile);
    QElapsedTimer since;
    since.start();
    const auto mark = [&](const char *scenario) {
        log << since.nsecsElapsed() / 1000 << " mark " << scenario << Qt::endl;
    };

    QtClock clock;
    // The cues go through the program's player, prepared here, before the
    // window enters game mode.
    PulseCuePlayer realPlayer(cueResource);
    realPlayer.prepare();
    LoggingCuePlayer sound(realPlayer, since, log);
    MixingRandom random;
    NoBoxPrompt prompt;

    // The recorder is already running; a moment of silence comes first.
    runFor(300);

    // Each cue on its own.
    for (Cue cue : allCues) {
        mark("alone");
        sound.play(cue);
        runFor(cueMs(cue) + gapMs);
    }

    // A whole question through the window: the question cue, then the
    // countdown 05..00 one second apart, and the charge for no answer at 00.
    Form1 window(Platform{clock, sound, random, prompt});
    window.show();
    named::button(&window, "oyn")->click();
    runFor(200);
    mark("countdown");
    named::button(&window, "s")->click();
    runFor(6000 + cueMs(Cue::Wrong) + gapMs);

    // A cue started while another plays cuts it off.
    mark("cut");
    sound.play(Cue::Correct);
    runFor(cutDelayMs);
    sound.play(Cue::Wrong);
    runFor(cueMs(Cue::Wrong) + gapMs);

    // Leaving the game resets both counters, which plays the correct cue
    // and straight after it the wrong cue: only the wrong cue may be heard.
    mark("leave");
    named::button(&window, "kpt")->click();
    runFor(cueMs(Cue::Wrong) + gapMs);

    mark("end");
    return 0;
}
