// Plays questions through the real window, clock and sound player while a
// 1 ms precise timer samples how late the window's event loop gets to it:
// the longest stall of the window's thread over entering game mode, the
// countdowns and leaving. Prints the figures; fails if a countdown value
// came later than the tolerance after its due time, or the program could
// not end at once.
//
// With hungServer, the sound server is a socket that takes the connection
// and never answers, as an audio service that hangs does.
#include "tests/e2e/stallcheck.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "quiz/pulsecueplayer.h"
#include "quiz/wavdata.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/mixingrandom.h"
#include "tests/support/namedcontrols.h"
#include "shell/qtclock.h"
#include "tests/e2e/soundcheck.h"

namespace {

// Ending the program may not wait for the sound server: this is far more
// than stopping a thread that is waiting in its poll takes.
constexpr qint64 kEndWithinMs = 100;

// Listens and never accepts: the client's connect() succeeds (the kernel
// queues it) and then waits for an answer that never comes.
int listenWithoutAnswering(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (fd < 0 || name.size() >= qsizetype(sizeof address.sun_path))
        return -1;
    std::copy(name.begin(), name.end(), address.sun_path);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 16) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

class GapSampler
{
public:
    GapSampler()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            const qint64 now = m_since.nsecsElapsed();
            const qint64 gapUs = (now - m_last) / 1000;
            if (gapUs > m_worstUs) {
                m_worstUs = gapUs;
                m_worstAtMs = now / 1000000;
            }
            m_gapsUs.push_back(gapUs);
            m_last = now;
        });
        m_since.start();
        m_timer.start(1);
    }
    // The longest time between two samples, less the 1 ms period: how long
    // the thread could not run its event loop.
    double worstStallMs() const { return std::max<qint64>(0, m_worstUs - 1000) / 1000.0; }
    // When the worst stall ended, in ms since sampling began.
    qint64 worstAtMs() const { return m_worstAtMs; }
    // The stall that only one sample in a hundred exceeds.
    double p99StallMs() const
    {
        std::vector<qint64> sorted = m_gapsUs;
        std::sort(sorted.begin(), sorted.end());
        const qint64 gap = sorted.empty() ? 0 : sorted[sorted.size() * 99 / 100];
        return std::max<qint64>(0, gap - 1000) / 1000.0;
    }
    size_t samples() const { return m_gapsUs.size(); }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    qint64 m_last = 0;
    qint64 m_worstUs = 0;
    qint64 m_worstAtMs = 0;
    std::vector<qint64> m_gapsUs;
};

} // namespace

int stallCheck(int argc, char **argv, bool hungServer, int questions, int toleranceMs)
{
    QTemporaryDir scratch;
    int hungSocket = -1;
    if (hungServer) {
        const QString path = scratch.filePath(QStringLiteral("hung.sock"));
        hungSocket = listenWithoutAnswering(path);
        if (hungSocket < 0) {
            std::fprintf(stderr, "cannot listen on %s\n", qPrintable(path));
            return 2;
        }
        qputenv("PULSE_SERVER", QByteArray("unix:") + QFile::encodeName(path));
    }

    QApplication app(argc, argv);
    prepareApplication(app);
    QtClock clock;
    auto sound = std::make_unique<PulseCuePlayer>(cueResource);
    MixingRandom random;
    NoBoxPrompt prompt;
    auto form = std::make_unique<Form1>(Platform{clock, *sound, random, prompt});
    Form1 &window = *form;
    window.show();
    runFor(300);

    // The yardstick: the same sampling of this event loop with nothing to
    // do, as long as the questions below take. What it finds is the
    // machine's, not the game's.
    double idleWorstMs = 0, idleP99Ms = 0;
    {
        GapSampler idle;
        runFor(200 + 6500 * questions);
        idleWorstMs = idle.worstStallMs();
        idleP99Ms = idle.p99StallMs();
    }

    GapSampler sampler;
    QElapsedTimer since;
    since.start();
    qint64 startedNs = 0;
    double worstLateMs = 0;
    int valuesSeen = 0;
    QObject::connect(named::label(&window, "t"), &Label::changed, &window, [&] {
        const QString shown = named::label(&window, "t")->caption();
        if (shown.size() != 2)
            return; // emptied for the next question, or on leaving
        const int value = shown.toInt();
        const double dueMs = (5 - value + 1) * 1000.0;
        const double lateMs = (since.nsecsElapsed() - startedNs) / 1e6 - dueMs;
        worstLateMs = std::max(worstLateMs, std::abs(lateMs));
        ++valuesSeen;
    });

    named::button(&window, "oyn")->click(); // the player reads its cues and starts its thread
    runFor(200);
    for (int n = 0; n < questions; ++n) {
        startedNs = since.nsecsElapsed();
        named::button(&window, "s")->click();
        runFor(6500);
    }
    named::button(&window, "kpt")->click();
    runFor(500);

    // What the program does last: the window goes, then the player, which
    // must not wait for the sound server.
    form.reset();
    QElapsedTimer ending;
    ending.start();
    sound.reset();
    const qint64 endMs = ending.elapsed();

    std::printf("%s: %d question(s), %zu samples; stalls of the window's thread: worst %.1f ms "
                "(%lld ms in; game mode entered at 0, questions every 6500 ms from 200), p99 %.1f ms; "
                "countdown values %d/%d, worst off schedule %.1f ms; sound player ended in %lld ms\n"
                "  the same event loop idle for as long, before the game: worst %.1f ms, p99 %.1f ms\n",
                hungServer ? "hung sound server" : "sound server", questions, sampler.samples(),
                sampler.worstStallMs(), sampler.worstAtMs(), sampler.p99StallMs(), valuesSeen, 6 * questions,
                worstLateMs, qint64(endMs), idleWorstMs, idleP99Ms);
    int status = 0;
    if (valuesSeen != 6 * questions || worstLateMs > toleranceMs) {
        std::fprintf(stderr, "the countdown was not on schedule (tolerance %d ms)\n", toleranceMs);
        status = 1;
    }
    if (endMs > kEndWithinMs) {
        std::fprintf(stderr, "ending the sound player took %lld ms\n", qint64(endMs));
        status = 1;
    }
    if (hungSocket >= 0)
        ::close(hungSocket);
    return status;
}
