// Plays the cues through the game's real sound player and clock while a
// recorder captures the sound server's output. Every play() call is written
// to the event log with its time, so the analysis can tell which sound in
// the recording belongs to which call.
#include "tests/e2e/playscript.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include "quiz/cueplayer.h"
#include "quiz/soundmodule.h"
#include "shell/designfonts.h"
#include "shell/form1.h"
#include "shell/qtplatform.h"
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

private:
    CuePlayer &m_inner;
    const QElapsedTimer &m_since;
    QTextStream &m_log;
};

// How long a cue's file plays, in ms (16-bit stereo at 44.1 kHz after a
// 44-byte header, as the embedded cues are; near enough to space them).
int cueMs(Cue cue)
{
    const qint64 bytes = QFile(QLatin1String(AudioCuePlayer::resourceOf(cue))).size() - 44;
    return int(bytes * 1000 / (44100 * 4));
}

} // namespace

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
    // The cues go through the sound module, loaded as the program loads it.
    ModuleCuePlayer realPlayer({QStringLiteral(KORUBEL_SOUND_MODULE_PATH)});
    if (!realPlayer.load()) {
        qCritical("cannot load the sound module %s", KORUBEL_SOUND_MODULE_PATH);
        return 2;
    }
    LoggingCuePlayer sound(realPlayer, since, log);
    MixingRandom random;
    YesPrompt prompt;

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
    window.oyn->click();
    runFor(200);
    mark("countdown");
    window.s->click();
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
    window.kpt->click();
    runFor(cueMs(Cue::Wrong) + gapMs);

    mark("end");
    return 0;
}
