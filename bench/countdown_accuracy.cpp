// How closely the countdown keeps its schedule on the real clock.
//
// The real window runs on QtClock in a real event loop (offscreen unless
// QT_QPA_PLATFORM says otherwise), with a silent sound player (or, with
// --with-sound, the program's own, with its sound thread). Each question is started by clicking "Başlat"; every time the
// countdown label shows "05".."00" the monotonic time since the click is
// taken and compared with the schedule: "05" at 1000 ms, "04" at 2000 ms, ... "00" at 6000 ms. The
// stage timers are chained (each stage arms the next one), so a late tick
// also delays every later one: the error of "00" is the whole drift of a
// question. No question is answered; after "00" the next one starts, and
// every ninth wrong answer the game is left and entered again, so the tenth
// never ends it.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <array>
#include <chrono>
#include <cstdio>
#include <memory>

#include "bench/stats.h"
#include "quiz/countdownstage.h"
#include "quiz/pulsecueplayer.h"
#include "quiz/wavdata.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/mixingrandom.h"
#include "tests/support/namedcontrols.h"
#include "shell/qtclock.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

class SilentCuePlayer : public CuePlayer
{
public:
    void play(Cue) override {}
};

class CountingPrompt : public GameOverPrompt
{
public:
    void show(QWidget *, const QString &, const QString &) override { ++shown; }
    int shown = 0;
};

constexpr int kStages = int(quiz::kCountdownStages);

int stageOf(const QString &caption)
{
    for (int k = 0; k < kStages; ++k) {
        if (caption == QLatin1String(quiz::kCountdown[k].shows))
            return k;
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Countdown accuracy on the real clock"));
    parser.addHelpOption();
    const QCommandLineOption questionsOption(QStringLiteral("questions"),
                                             QStringLiteral("Number of questions (default 20)."),
                                             QStringLiteral("N"), QStringLiteral("20"));
    const QCommandLineOption withSoundOption(QStringLiteral("with-sound"),
                                             QStringLiteral("Play the cues with the real sound player."));
    parser.addOptions({questionsOption, withSoundOption});
    parser.process(app);
    bool ok = false;
    const int questions = parser.value(questionsOption).toInt(&ok);
    if (!ok || questions < 1) {
        std::fprintf(stderr, "bench_countdown: --questions needs a positive number\n");
        return 2;
    }

    QtClock clock;
    SilentCuePlayer silent;
    std::unique_ptr<PulseCuePlayer> real;
    if (parser.isSet(withSoundOption))
        real = std::make_unique<PulseCuePlayer>(cueResource);
    CuePlayer &sound = real ? static_cast<CuePlayer &>(*real) : silent;
    MixingRandom random;
    CountingPrompt prompt;
    Form1 form(Platform{clock, sound, random, prompt});
    form.show();
    named::button(&form, "oyn")->click();

    // errors[k]: signed error of stage k (ms, positive = late), every question.
    std::array<std::vector<double>, kStages> errors;
    int asked = 0;
    int nextStage = 0;
    bool outOfOrder = false;
    SteadyClock::time_point start;

    const auto startQuestion = [&] {
        if (asked == questions) {
            app.exit(0); // quit() would close the window first
            return;
        }
        if (named::label(&form, "ynl")->caption() == QLatin1String("9")) {
            named::button(&form, "kpt")->click();
            named::button(&form, "oyn")->click();
        }
        ++asked;
        nextStage = 0;
        start = SteadyClock::now();
        named::button(&form, "s")->click();
    };

    QObject::connect(named::label(&form, "t"), &Label::changed, &app, [&] {
        const SteadyClock::time_point now = SteadyClock::now();
        const int stage = stageOf(named::label(&form, "t")->caption());
        if (stage < 0)
            return;
        if (stage != nextStage)
            outOfOrder = true;
        nextStage = stage + 1;
        const double elapsedMs = std::chrono::duration<double, std::milli>(now - start).count();
        errors[size_t(stage)].push_back(elapsedMs - 1000.0 * (stage + 1));
        if (stage == kStages - 1)
            QTimer::singleShot(0, &app, startQuestion);
    });

    // A countdown that stalls must not hang the run.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&watchdog, &QTimer::timeout, &app, [&] {
        timedOut = true;
        app.exit(1);
    });
    watchdog.start(questions * 6000 + 30000);

    std::printf("Countdown on the real clock: %d questions, %s platform, %s\n", questions,
                qPrintable(QGuiApplication::platformName()),
                real ? (qEnvironmentVariableIsEmpty("PULSE_SERVER") ? "real sound player"
                                                                     : "real sound player on PULSE_SERVER")
                     : "silent sound player");
    std::fflush(stdout);
    QTimer::singleShot(0, &app, startQuestion);
    app.exec();

    if (timedOut || errors[kStages - 1].size() != size_t(questions)) {
        std::fprintf(stderr, "bench_countdown: the countdown stalled (%zu of %d questions reached \"00\")\n",
                     errors[kStages - 1].size(), questions);
        return 1;
    }
    if (outOfOrder || prompt.shown > 0 || form.isUnloaded()) {
        std::fprintf(stderr, "bench_countdown: the countdown ran out of order or the game ended\n");
        return 1;
    }

    // "added" is how much later than its predecessor a stage came than the
    // 1000 ms it should take: the lateness each re-arming adds to the chain.
    std::printf("\n%-6s %8s %12s %12s %12s %12s\n", "shows", "due ms", "median |err|", "max |err|", "mean err",
                "mean added");
    std::vector<double> all;
    for (int k = 0; k < kStages; ++k) {
        std::vector<double> absolute, added;
        for (size_t q = 0; q < errors[size_t(k)].size(); ++q) {
            absolute.push_back(std::abs(errors[size_t(k)][q]));
            added.push_back(errors[size_t(k)][q] - (k > 0 ? errors[size_t(k - 1)][q] : 0.0));
        }
        all.insert(all.end(), absolute.begin(), absolute.end());
        std::printf("%-6s %8d %12.3f %12.3f %+12.3f %+12.3f\n", quiz::kCountdown[k].shows, 1000 * (k + 1),
                    bench::median(absolute), bench::maximum(absolute), bench::mean(errors[size_t(k)]),
                    bench::mean(added));
    }
    const double worst = bench::maximum(all);
    std::printf("%-6s %8s %12.3f %12.3f\n", "all", "", bench::median(all), worst);
    std::printf("(ms; err > 0 means late; the first stage's \"added\" counts from the click)\n");
    std::printf("\ngoal every tick within 5 ms of its schedule: %s (worst %.3f ms over %zu ticks)\n",
                worst <= 5.0 ? "met" : "NOT met", worst, all.size());
    return 0;
}
