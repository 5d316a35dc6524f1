#include "quiz/pulsecueplayer.h"

#include <QStringList>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <array>

#include "quiz/cueslot.h"
#include "quiz/wavdata.h"

namespace {

constexpr std::array<Cue, 4> kCues{Cue::Question, Cue::Tick, Cue::Correct, Cue::Wrong};

// Why a connection failed, for the one warning when the sound goes.
const char *reasonFor(pa_context *context)
{
    const int error = pa_context_errno(context);
    return error != PA_OK ? pa_strerror(error) : "the sound server refused the cues";
}

pa_usec_t fromNow(int ms)
{
    return pa_rtclock_now() + pa_usec_t(ms) * PA_USEC_PER_MSEC;
}

} // namespace

int PulseCuePlayer::retryDelayMs(int failedTries)
{
    // 100, 200, 400, 800 ms, then once a second for as long as it takes.
    return failedTries >= 4 ? 1000 : 100 << std::max(failedTries, 0);
}

// The sound thread is libpulse's threaded main loop. Apart from the
// constructor and the destructor, which run while the loop is stopped,
// everything below runs on that thread, in the loop's callbacks, with the
// loop's lock held. The window's thread only leaves a cue in the slot and,
// holding the lock for that moment, turns on the wake-up event.
struct PulseCuePlayer::SoundThread
{
    enum class State { Down, Connecting, Opening, Ready };

    explicit SoundThread(CueFiles files);
    ~SoundThread();

    void wake();

    void newContext();
    void connect();
    void drop(const char *why);
    void openStream();
    void onStreamState();
    void playWaiting();
    void onAnswer();
    void onDeadline();
    void setDeadline(int ms);
    void clearDeadline();
    void corkWhenOver(int cueMs);
    void cork(bool corked);
    // The connection is dropped on the loop's next round, not from inside
    // the libpulse callback that found it broken.
    void fail() { api->defer_enable(failEvent, 1); }

    std::array<WavData, 4> cues; // empty where the file could not be read
    pa_sample_spec format{};     // the cues' one format
    QByteArray trailingSilence;  // kTrailingSilenceMs of it, in that format
    CueSlot slot;
    pa_threaded_mainloop *loop = nullptr;
    pa_mainloop_api *api = nullptr;
    pa_defer_event *wakeEvent = nullptr; // a cue waits in the slot
    pa_defer_event *failEvent = nullptr; // the connection is broken
    pa_proplist *clientProps = nullptr;
    pa_proplist *streamProps = nullptr;

    // On the sound thread. The time events are the connection's: made on
    // its context, freed when it is dropped.
    State state = State::Down;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;
    pa_time_event *retryEvent = nullptr;    // the next try, while Down
    pa_time_event *deadlineEvent = nullptr; // Connecting, Opening, or an answer due
    pa_time_event *corkEvent = nullptr;     // corks the stream once the last cue is over
    int failedTries = 0;       // tries in a row that did not get to Ready
    // Flushes sent and answered on this connection; the server answers them
    // in order.
    quint64 sent = 0, answered = 0;
};

PulseCuePlayer::SoundThread::SoundThread(CueFiles files)
{
    QStringList unreadable;
    for (Cue cue : kCues) {
        WavData &wav = cues[size_t(cue)];
        if (!decodeWav(fileBytes(files(cue)), &wav)) {
            unreadable << QLatin1String(files(cue));
            continue;
        }
        // All cues go through one stream, in the format of the first one
        // read; a cue in another format stays silent.
        if (format.rate == 0) {
            format = pa_sample_spec{PA_SAMPLE_S16LE, uint32_t(wav.rate), uint8_t(wav.channels)};
        } else if (wav.rate != int(format.rate) || wav.channels != int(format.channels)) {
            unreadable << QLatin1String(files(cue));
            wav = WavData();
        }
    }
    if (!unreadable.isEmpty())
        qWarning("No sound for %s: not a 16-bit PCM WAV file in the cues' one format",
                 qPrintable(unreadable.join(QLatin1String(", "))));
    if (format.rate == 0)
        return; // nothing to play: no thread, no server
    trailingSilence = QByteArray(int(pa_usec_to_bytes(kTrailingSilenceMs * PA_USEC_PER_MSEC, &format)), '\0');

    clientProps = pa_proplist_new();
    pa_proplist_sets(clientProps, PA_PROP_APPLICATION_NAME, "Korubel Oyunu");
    pa_proplist_sets(clientProps, PA_PROP_APPLICATION_ID, "io.github.korubel.oyunu");
    pa_proplist_sets(clientProps, PA_PROP_APPLICATION_ICON_NAME, "io.github.korubel.oyunu");
    // A game's own sounds, not the desktop's alert sounds: turning those
    // down must not silence the game.
    streamProps = pa_proplist_new();
    pa_proplist_sets(streamProps, PA_PROP_MEDIA_ROLE, "game");

    if (!(loop = pa_threaded_mainloop_new())) {
        qWarning("No sound: cannot start the sound thread");
        return;
    }
    pa_threaded_mainloop_set_name(loop, "korubel-sound");
    api = pa_threaded_mainloop_get_api(loop);
    wakeEvent = api->defer_new(api, [](pa_mainloop_api *api, pa_defer_event *e, void *self) {
        api->defer_enable(e, 0);
        static_cast<SoundThread *>(self)->playWaiting();
    }, this);
    failEvent = api->defer_new(api, [](pa_mainloop_api *api, pa_defer_event *e, void *self) {
        api->defer_enable(e, 0);
        auto *thread = static_cast<SoundThread *>(self);
        thread->drop(reasonFor(thread->context));
    }, this);
    api->defer_enable(wakeEvent, 0);
    api->defer_enable(failEvent, 0);
    // The first try, as soon as the thread runs.
    newContext();
    connect();
    if (pa_threaded_mainloop_start(loop) < 0) {
        qWarning("No sound: cannot start the sound thread");
        drop(nullptr);
        api->defer_free(wakeEvent);
        api->defer_free(failEvent);
        pa_threaded_mainloop_free(loop);
        loop = nullptr;
    }
}

PulseCuePlayer::SoundThread::~SoundThread()
{
    if (loop) {
        // The thread only ever waits in its poll, which this wakes: the stop
        // is at once, whatever the server is doing.
        pa_threaded_mainloop_stop(loop);
        drop(nullptr);
        api->defer_free(wakeEvent);
        api->defer_free(failEvent);
        pa_threaded_mainloop_free(loop);
    }
    if (clientProps)
        pa_proplist_free(clientProps);
    if (streamProps)
        pa_proplist_free(streamProps);
}

void PulseCuePlayer::SoundThread::wake()
{
    // The loop's thread holds the lock only while it handles an event, never
    // while it waits, so this takes microseconds.
    pa_threaded_mainloop_lock(loop);
    api->defer_enable(wakeEvent, 1);
    pa_threaded_mainloop_unlock(loop);
}

void PulseCuePlayer::SoundThread::newContext()
{
    context = pa_context_new_with_proplist(api, nullptr, clientProps);
    if (!context)
        return;
    pa_context_set_state_callback(context, [](pa_context *c, void *self) {
        auto *thread = static_cast<SoundThread *>(self);
        const pa_context_state_t now = pa_context_get_state(c);
        if (now == PA_CONTEXT_READY)
            thread->openStream();
        else if (!PA_CONTEXT_IS_GOOD(now))
            thread->fail();
    }, this);
}

void PulseCuePlayer::SoundThread::setDeadline(int ms)
{
    if (deadlineEvent) {
        pa_context_rttime_restart(context, deadlineEvent, fromNow(ms));
        return;
    }
    deadlineEvent = pa_context_rttime_new(context, fromNow(ms), [](pa_mainloop_api *, pa_time_event *, const struct timeval *, void *self) {
        static_cast<SoundThread *>(self)->onDeadline();
    }, this);
}

void PulseCuePlayer::SoundThread::clearDeadline()
{
    if (deadlineEvent)
        api->time_free(deadlineEvent);
    deadlineEvent = nullptr;
}

void PulseCuePlayer::SoundThread::onDeadline()
{
    if (state == State::Ready)
        drop("the sound server stopped answering");
    else
        drop("the sound server did not answer in time");
}

void PulseCuePlayer::SoundThread::connect()
{
    if (!context) {
        qWarning("No sound: cannot make a sound server client");
        return;
    }
    state = State::Connecting;
    setDeadline(kConnectTimeoutMs);
    // No autospawn: a desktop starts its sound server itself, and a game
    // should not start one behind its back.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        drop(reasonFor(context));
}

void PulseCuePlayer::SoundThread::drop(const char *why)
{
    api->defer_enable(failEvent, 0);
    clearDeadline();
    for (pa_time_event **event : {&retryEvent, &corkEvent}) {
        if (*event)
            api->time_free(*event);
        *event = nullptr;
    }
    if (stream) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }
    if (context) {
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }
    state = State::Down;
    sent = answered = 0;
    if (!why)
        return; // shutting down
    // One line when the sound goes, none for each retry.
    if (failedTries == 0)
        qWarning("No sound for now (%s); trying again in the background", why);
    // The next connection's context is made now, and connects when its
    // time comes.
    newContext();
    if (!context) {
        connect(); // says why there is no sound
        return;
    }
    retryEvent = pa_context_rttime_new(context, fromNow(retryDelayMs(failedTries++)),
                                       [](pa_mainloop_api *api, pa_time_event *e, const struct timeval *, void *self) {
        auto *thread = static_cast<SoundThread *>(self);
        api->time_free(e);
        thread->retryEvent = nullptr;
        thread->connect();
    }, this);
}

void PulseCuePlayer::SoundThread::openStream()
{
    state = State::Opening;
    stream = pa_stream_new_with_proplist(context, "Korubel Oyunu", &format, nullptr, streamProps);
    if (!stream) {
        fail();
        return;
    }
    pa_stream_set_state_callback(stream, [](pa_stream *, void *self) {
        static_cast<SoundThread *>(self)->onStreamState();
    }, this);
    // A short target latency: a cue written after a flush is heard that
    // soon even on an output that cannot rewind what it has mixed ahead.
    // The server takes each cue whole, however long, so nothing here has to
    // keep a cue fed while it plays.
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(pa_usec_to_bytes(kLatencyMs * PA_USEC_PER_MSEC, &format));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    // No device is named: the stream plays on the server's default output,
    // and follows it when it changes.
    const auto flags = pa_stream_flags_t(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(stream, nullptr, &buffer, flags, nullptr, nullptr) < 0)
        fail();
}

void PulseCuePlayer::SoundThread::onStreamState()
{
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        if (state != State::Opening)
            return;
        state = State::Ready;
        if (failedTries > 0)
            qInfo("Sound is back");
        failedTries = 0;
        clearDeadline();
        playWaiting();
        return;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED: // the server removed the stream
        fail();
        return;
    case PA_STREAM_UNCONNECTED:
    case PA_STREAM_CREATING:
        return;
    }
}

void PulseCuePlayer::SoundThread::playWaiting()
{
    if (state != State::Ready)
        return; // the cue waits in the slot until the server is ready, or goes stale
    const std::optional<Cue> cue = slot.take(CueSlot::nowMs());
    if (!cue || cues[size_t(*cue)].pcm.isEmpty())
        return;
    const WavData &wav = cues[size_t(*cue)];
    // What is left of the cue before is dropped, and the new one follows
    // at once. The server answers the flush, and so shows it is still
    // there; the samples go in one write, and given a function to free them
    // with (here one that does nothing: the samples stay), the client
    // library sends them from where they lie.
    pa_operation *flush = pa_stream_flush(stream, [](pa_stream *, int, void *self) {
        static_cast<SoundThread *>(self)->onAnswer();
    }, this);
    if (!flush) {
        fail();
        return;
    }
    pa_operation_unref(flush);
    if (pa_stream_write(stream, wav.pcm.constData(), size_t(wav.pcm.size()), [](void *) {}, 0, PA_SEEK_RELATIVE) < 0) {
        fail();
        return;
    }
    // Silence follows the cue: PipeWire holds back the last piece of a
    // stream that is shorter than its cycle until more comes, and that piece
    // is then silence, not the cue's end.
    if (pa_stream_write(stream, trailingSilence.constData(), size_t(trailingSilence.size()), [](void *) {}, 0,
                        PA_SEEK_RELATIVE) < 0) {
        fail();
        return;
    }
    cork(false);
    if (answered == sent)
        setDeadline(kAnswerTimeoutMs);
    ++sent;
    corkWhenOver(int(qint64(wav.pcm.size()) * 1000 / qint64(pa_bytes_per_second(&format))));
}

void PulseCuePlayer::SoundThread::onAnswer()
{
    if (++answered == sent)
        clearDeadline();
    else
        setDeadline(kAnswerTimeoutMs);
}

void PulseCuePlayer::SoundThread::corkWhenOver(int cueMs)
{
    // Between cues the stream is corked, so that the output may go to sleep
    // as it would without the game. A newer cue moves the moment on.
    const pa_usec_t when = fromNow(cueMs + kCorkAfterMs);
    if (corkEvent) {
        pa_context_rttime_restart(context, corkEvent, when);
        return;
    }
    corkEvent = pa_context_rttime_new(context, when, [](pa_mainloop_api *, pa_time_event *, const struct timeval *, void *self) {
        auto *thread = static_cast<SoundThread *>(self);
        thread->api->time_free(thread->corkEvent);
        thread->corkEvent = nullptr;
        thread->cork(true);
    }, this);
}

void PulseCuePlayer::SoundThread::cork(bool corked)
{
    // The client library knows whether the stream is corked (and answers -1
    // for a stream that is not playing at all).
    if (!stream || pa_stream_is_corked(stream) != !corked)
        return;
    if (pa_operation *request = pa_stream_cork(stream, corked, nullptr, nullptr))
        pa_operation_unref(request);
}

PulseCuePlayer::PulseCuePlayer(CueFiles files)
    : m_files(files)
{
}

PulseCuePlayer::~PulseCuePlayer() = default;

void PulseCuePlayer::prepare()
{
    if (!m_thread)
        m_thread = std::make_unique<SoundThread>(m_files);
}

void PulseCuePlayer::play(Cue cue)
{
    if (!m_thread || !m_thread->loop)
        return;
    m_thread->slot.put(cue, CueSlot::nowMs());
    m_thread->wake();
}
