// How long a cue takes from play() to its first sample at the sound
// server's output, side by side with a bare PulseAudio client that plays
// the same samples from the server's sample cache (one request per cue,
// nothing of a player around it).
//
// Needs a PulseAudio-protocol server whose default sink is running (bench/run
// starts a private one with a null sink and a stream of silence). The
// sink's monitor is recorded with a 5 ms fragment, and the moment the first
// fragment with sound arrives is taken as the cue's arrival: the sink hands
// its monitor what it has just mixed, so this is when the cue's first
// samples were mixed, plus the monitor's small delay, which both figures
// share.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <pulse/pulseaudio.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "bench/stats.h"
#include "quiz/pulsecueplayer.h"
#include "quiz/wavdata.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int kRate = 44100;
constexpr int kChannels = 2;
// A fragment with a sample above this (about -40 dBFS) holds sound.
constexpr int kLoud = 328;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench_latency: %s\n", what);
    std::exit(1);
}

double nowMs()
{
    return std::chrono::duration<double, std::milli>(SteadyClock::now().time_since_epoch()).count();
}

// A client of the default server with a recording of the default sink's
// monitor, and a sample of its own in the server's cache.
class Listener
{
public:
    Listener()
    {
        m_loop = pa_threaded_mainloop_new();
        pa_threaded_mainloop_start(m_loop);
        pa_threaded_mainloop_lock(m_loop);
        m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "korubel latency bench");
        pa_context_set_state_callback(m_context, [](pa_context *, void *self) {
            pa_threaded_mainloop_signal(static_cast<Listener *>(self)->m_loop, 0);
        }, this);
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            fail("cannot connect to the sound server");
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(m_context);
            if (state == PA_CONTEXT_READY)
                break;
            if (!PA_CONTEXT_IS_GOOD(state))
                fail("the sound server refused the connection");
            pa_threaded_mainloop_wait(m_loop);
        }
        const pa_sample_spec format{PA_SAMPLE_S16LE, kRate, kChannels};
        m_record = pa_stream_new(m_context, "monitor", &format, nullptr);
        pa_buffer_attr attr;
        std::memset(&attr, 0xff, sizeof attr);
        attr.fragsize = uint32_t(pa_usec_to_bytes(5000, &format));
        pa_stream_set_read_callback(m_record, [](pa_stream *s, size_t, void *self) {
            static_cast<Listener *>(self)->read(s);
        }, this);
        if (pa_stream_connect_record(m_record, "@DEFAULT_MONITOR@", &attr, PA_STREAM_ADJUST_LATENCY) < 0)
            fail("cannot record the default sink's monitor");
        pa_threaded_mainloop_unlock(m_loop);
    }

    ~Listener()
    {
        pa_threaded_mainloop_stop(m_loop);
        pa_stream_unref(m_record);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        pa_threaded_mainloop_free(m_loop);
    }

    // Puts the cue's samples into the server's cache under the given name.
    void upload(const char *name, const WavData &cue)
    {
        const QByteArray &pcm = cue.pcm;
        const pa_sample_spec format{PA_SAMPLE_S16LE, uint32_t(cue.rate), uint8_t(cue.channels)};
        pa_threaded_mainloop_lock(m_loop);
        pa_stream *s = pa_stream_new(m_context, name, &format, nullptr);
        pa_stream_set_state_callback(s, [](pa_stream *, void *loop) {
            pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(loop), 0);
        }, m_loop);
        pa_stream_connect_upload(s, size_t(pcm.size()));
        while (pa_stream_get_state(s) == PA_STREAM_CREATING)
            pa_threaded_mainloop_wait(m_loop);
        pa_stream_write(s, pcm.constData(), size_t(pcm.size()), nullptr, 0, PA_SEEK_RELATIVE);
        pa_stream_finish_upload(s);
        while (pa_stream_get_state(s) == PA_STREAM_READY)
            pa_threaded_mainloop_wait(m_loop);
        if (pa_stream_get_state(s) != PA_STREAM_TERMINATED)
            fail("the upload to the sample cache failed");
        pa_stream_unref(s);
        pa_threaded_mainloop_unlock(m_loop);
    }

    void playSample(const char *name)
    {
        pa_threaded_mainloop_lock(m_loop);
        pa_operation *op = pa_context_play_sample(m_context, name, nullptr, PA_VOLUME_NORM, nullptr, nullptr);
        if (op)
            pa_operation_unref(op);
        pa_threaded_mainloop_unlock(m_loop);
    }

    // The next sound's arrival, in ms on the steady clock, after waiting
    // up to timeoutMs of silence; negative if none came.
    double awaitSound(int timeoutMs)
    {
        m_arrival.store(-1);
        m_listening.store(true);
        const double until = nowMs() + timeoutMs;
        while (m_arrival.load() < 0 && nowMs() < until)
            QThread::usleep(500);
        m_listening.store(false);
        return m_arrival.load();
    }

    // Waits until the output has been silent for quietMs.
    void awaitSilence(int quietMs)
    {
        const double until = nowMs() + 10000;
        while (nowMs() - m_lastLoud.load() < quietMs && nowMs() < until)
            QThread::usleep(1000);
    }

private:
    void read(pa_stream *s)
    {
        const void *data = nullptr;
        size_t bytes = 0;
        while (pa_stream_readable_size(s) > 0 && pa_stream_peek(s, &data, &bytes) == 0 && bytes > 0) {
            const double arrived = nowMs();
            if (data) {
                const auto *samples = static_cast<const int16_t *>(data);
                const size_t count = bytes / 2;
                for (size_t i = 0; i < count; ++i) {
                    if (std::abs(int(samples[i])) < kLoud)
                        continue;
                    m_lastLoud.store(arrived);
                    if (m_listening.load() && m_arrival.load() < 0)
                        m_arrival.store(arrived);
                    break;
                }
            }
            pa_stream_drop(s);
        }
    }

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_record = nullptr;
    std::atomic<bool> m_listening{false};
    std::atomic<double> m_arrival{-1};
    std::atomic<double> m_lastLoud{0};
};

// Plays the cue `runs` times through `play` and returns the latencies (ms).
std::vector<double> measure(Listener &listener, int runs, const std::function<void()> &play, int *missed)
{
    std::vector<double> ms;
    for (int n = 0; n < runs; ++n) {
        listener.awaitSilence(150);
        QThread::msleep(37 + (n * 13) % 50); // not in step with the sink's period
        const double before = nowMs();
        play();
        const double arrived = listener.awaitSound(2000);
        if (arrived < 0)
            ++*missed;
        else
            ms.push_back(arrived - before);
    }
    return ms;
}

void printRow(const char *name, const std::vector<double> &ms, int missed)
{
    std::printf("%-46s %8.1f %8.1f %8.1f %8.1f %7d\n", name, bench::quantile(ms, 0.0), bench::median(ms),
                bench::quantile(ms, 0.9), bench::maximum(ms), missed);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Cues played per figure (40)."), QStringLiteral("n"),
                      QStringLiteral("40")});
    parser.process(app);
    const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());

    QFile file(QLatin1String(cueResource(Cue::Tick)));
    WavData tick;
    if (!file.open(QIODevice::ReadOnly) || !decodeWav(file.readAll(), &tick))
        fail("cannot read the tick cue");

    Listener listener;
    listener.upload("korubel-latency-bench", tick);

    PulseCuePlayer player(cueResource);
    player.prepare();
    // Let the player connect and settle before the first figure.
    player.play(Cue::Tick);
    listener.awaitSound(3000);

    int bareMissed = 0, gameMissed = 0;
    const std::vector<double> bare = measure(listener, runs, [&] { listener.playSample("korubel-latency-bench"); }, &bareMissed);
    const std::vector<double> game = measure(listener, runs, [&] { player.play(Cue::Tick); }, &gameMissed);

    std::printf("From play() to the first sample of the tick cue at the sink's monitor, %d cues each:\n", runs);
    std::printf("%-46s %8s %8s %8s %8s %7s\n", "(ms)", "min", "median", "p90", "max", "missed");
    printRow("bare client, sample cache", bare, bareMissed);
    printRow("the game's player (PulseCuePlayer)", game, gameMissed);
    const double median = bench::median(game), worst = bench::maximum(game);
    std::printf("goal median <= 30 ms: %s; worst <= 100 ms: %s\n", median <= 30 && gameMissed == 0 ? "met" : "not met",
                worst <= 100 && gameMissed == 0 ? "met" : "not met");
    return 0;
}
