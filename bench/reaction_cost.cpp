// The cost of the game's reaction chains, and of starting a sound cue.
//
// (a)-(c) run the real window on the test fakes (virtual clock, recorded
// cues, scripted draws and prompt), offscreen and shown, and time one whole
// chain at a time with the monotonic clock:
//   (a) a correct answer: Text1 set to the answer, until it returns
//       (grading, the counter, the points, arming the flash);
//   (b) a timeout: the clock advance that makes the countdown show "00",
//       until it returns (the charge, the counter, the points);
//   (c) a question start: clicking "Başlat", until it returns.
// Everything between two timed calls (setting up the next chain, letting Qt
// repaint) is left out of the figures.
//
// (d) times the program's PulseCuePlayer::play(), which hands the cue to
// the sound thread, with the audio set-up the program finds: no PulseAudio
// server, or the one PULSE_SERVER names; and prepare(), which the window's
// thread runs on entering game mode.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <functional>

#include "bench/stats.h"
#include "quiz/pulsecueplayer.h"
#include "quiz/wavdata.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "tests/support/namedcontrols.h"
#include "tests/support/fakeplatform.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

double microsecondsOf(const std::function<void()> &call)
{
    const SteadyClock::time_point begin = SteadyClock::now();
    call();
    const SteadyClock::time_point end = SteadyClock::now();
    return std::chrono::duration<double, std::micro>(end - begin).count();
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench_reactions: %s\n", what);
    std::exit(1);
}

void printRow(const char *name, const std::vector<double> &us)
{
    std::printf("%-44s %10.1f %10.1f %10.1f\n", name, bench::median(us), bench::quantile(us, 0.99),
                bench::maximum(us));
}

// The window on the fakes, in game mode.
struct Game
{
    FakePlatform fake;
    Form1 form{fake.platform()};
    int drawn = 0;

    Game()
    {
        form.show();
        named::button(&form, "oyn")->click();
        QCoreApplication::processEvents();
    }
    // Every question a different product, the same ones in every run.
    void startQuestion()
    {
        fake.random.queueIndex((drawn++ * 37) % 100);
        named::button(&form, "s")->click();
    }
    // Leaves the game and enters it again before the tenth wrong answer
    // would end it.
    void keepPlaying()
    {
        if (named::label(&form, "ynl")->caption() == QLatin1String("9")) {
            named::button(&form, "kpt")->click();
            named::button(&form, "oyn")->click();
        }
    }
    void settle()
    {
        QCoreApplication::processEvents();
        fake.sound.cues.clear();
    }
};

int counter(Label *label)
{
    return label->caption().toInt();
}

void measureReactions(int iterations, int warmup)
{
    Game game;
    Form1 &form = game.form;
    std::vector<double> correct, timeout, start;

    for (int i = 0; i < warmup + iterations; ++i) {
        game.startQuestion();
        game.fake.clock.advance(1000); // "05": a correct answer earns 50
        game.settle();
        const int before = counter(named::label(&form, "dgr"));
        const QString answer = named::field(&form, "l")->text();
        const double us = microsecondsOf([&] { named::field(&form, "Text1")->setText(answer); });
        if (counter(named::label(&form, "dgr")) != before + 1 || named::label(&form, "d")->caption() != QStringLiteral("Doğru Cevap"))
            fail("a correct answer was not graded");
        if (i >= warmup)
            correct.push_back(us);
        game.settle();
    }

    for (int i = 0; i < warmup + iterations; ++i) {
        game.keepPlaying();
        game.startQuestion();
        game.fake.clock.advance(5000); // "05" .. "01"
        game.settle();
        const int before = counter(named::label(&form, "ynl"));
        const double us = microsecondsOf([&] { game.fake.clock.advance(1000); });
        if (named::label(&form, "t")->caption() != QLatin1String("00") || counter(named::label(&form, "ynl")) != before + 1)
            fail("a timeout was not charged");
        if (i >= warmup)
            timeout.push_back(us);
        game.settle();
    }

    // Each start abandons a question answered a moment ago, its flash armed.
    named::button(&game.form, "kpt")->click();
    named::button(&game.form, "oyn")->click();
    for (int i = 0; i < warmup + iterations; ++i) {
        game.settle();
        game.fake.random.queueIndex((game.drawn++ * 37) % 100);
        const double us = microsecondsOf([&] { named::button(&form, "s")->click(); });
        if (named::label(&form, "b")->caption() != QLatin1String("?") || !named::label(&form, "t")->caption().isEmpty() || named::label(&form, "a")->caption().isEmpty())
            fail("a click on the start button did not start a question");
        if (i >= warmup)
            start.push_back(us);
        game.fake.clock.advance(1000);
        named::field(&form, "Text1")->setText(named::field(&form, "l")->text());
    }
    if (form.isUnloaded() || game.fake.prompt.shown > 0)
        fail("the game ended during the run");

    std::printf("Reaction chains on the fakes: %d runs each after %d warm-up runs (microseconds)\n\n",
                iterations, warmup);
    std::printf("%-44s %10s %10s %10s\n", "", "median", "p99", "max");
    printRow("(a) correct answer: Text1 set to the answer", correct);
    printRow("(b) timeout: clock advance that shows \"00\"", timeout);
    printRow("(c) question start: s->click()", start);
}

// Runs the event loop for the given time, so that a started cue plays.
void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void measureSound(int calls, int gapMs)
{
    const QByteArray server = qgetenv("PULSE_SERVER");
    const QString setUp = server.isEmpty() ? QStringLiteral("no PulseAudio server")
                                           : QStringLiteral("PulseAudio server at %1").arg(QString::fromLocal8Bit(server));

    PulseCuePlayer player(cueResource);
    const double prepareUs = microsecondsOf([&] { player.prepare(); });
    // Let whatever the player starts in the background (its audio output)
    // get going, as it has by the time the first question is asked.
    runEventLoopFor(300);

    const Cue cues[] = {Cue::Question, Cue::Tick, Cue::Tick, Cue::Correct, Cue::Tick, Cue::Wrong};
    std::vector<double> us;
    for (int i = 0; i < calls; ++i) {
        us.push_back(microsecondsOf([&] { player.play(cues[i % 6]); }));
        runEventLoopFor(gapMs);
    }
    const std::vector<double> afterFirst(us.begin() + 1, us.end());

    std::printf("(d) PulseCuePlayer::play(), %s: %d calls, %d ms apart (microseconds)\n", qPrintable(setUp),
                calls, gapMs);
    std::printf("    prepare() read the cues and started the sound thread in %.1f us\n", prepareUs);
    std::printf("%-44s %10s %10s %10s\n", "", "median", "p99", "max");
    printRow("play(), all calls", us);
    printRow("play(), after the first call", afterFirst);
    std::printf("first call: %.1f us\n", us.front());
    const double worst = bench::maximum(us);
    std::printf("goal play() returns in under 1 ms (%s): %s (max %.1f us)\n", qPrintable(setUp),
                worst < 1000.0 ? "met" : "NOT met", worst);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Cost of the reaction chains and of play()"));
    parser.addHelpOption();
    const QCommandLineOption iterationsOption(QStringLiteral("iterations"),
                                              QStringLiteral("Timed runs of each chain (default 10000)."),
                                              QStringLiteral("N"), QStringLiteral("10000"));
    const QCommandLineOption soundCallsOption(QStringLiteral("sound-calls"),
                                              QStringLiteral("Timed play() calls (default 200)."),
                                              QStringLiteral("N"), QStringLiteral("200"));
    const QCommandLineOption soundOnlyOption(QStringLiteral("sound-only"), QStringLiteral("Only time play()."));
    const QCommandLineOption noSoundOption(QStringLiteral("no-sound"), QStringLiteral("Do not time play()."));
    parser.addOptions({iterationsOption, soundCallsOption, soundOnlyOption, noSoundOption});
    parser.process(app);
    bool ok1 = false, ok2 = false;
    const int iterations = parser.value(iterationsOption).toInt(&ok1);
    const int soundCalls = parser.value(soundCallsOption).toInt(&ok2);
    if (!ok1 || !ok2 || iterations < 1 || soundCalls < 2) {
        std::fprintf(stderr, "bench_reactions: --iterations needs a positive number, --sound-calls at least 2\n");
        return 2;
    }

    if (!parser.isSet(soundOnlyOption))
        measureReactions(iterations, std::max(1, iterations / 50));
    if (!parser.isSet(soundOnlyOption) && !parser.isSet(noSoundOption))
        std::printf("\n");
    if (!parser.isSet(noSoundOption))
        measureSound(soundCalls, 20);
    return 0;
}
