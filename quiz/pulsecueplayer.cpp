#include "quiz/pulsecueplayer.h"

#include <QStringList>

#include <pulse/pulseaudio.h>

#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

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

// Reads the 8-byte counter of an eventfd or a timerfd, so it stops being
// readable (eventfd_read() reads just those 8 bytes, from either).
void drain(int fd)
{
    eventfd_t count;
    while (eventfd_read(fd, &count) < 0 && errno == EINTR) {
    }
}

} // namespace

int PulseCuePlayer::retryDelayMs(int failedTries)
{
    // 100, 200, 400, 800 ms, then once a second for as long as it takes.
    return failedTries >= 4 ? 1000 : 100 << std::max(failedTries, 0);
}

const char *PulseCuePlayer::sampleName(Cue cue)
{
    switch (cue) {
    case Cue::Question: return "korubel-oyunu-question";
    case Cue::Tick: return "korubel-oyunu-tick";
    case Cue::Correct: return "korubel-oyunu-correct";
    case Cue::Wrong: return "korubel-oyunu-wrong";
    }
    return "";
}

// The sound thread is libpulse's threaded main loop. Apart from the
// constructor and the destructor, which run while the loop is stopped,
// everything below runs on that thread: in the callbacks of its poll, with
// the loop's lock held. The window's thread touches only the slot and the
// wake-up counter.
struct PulseCuePlayer::SoundThread
{
    enum class State { Down, Connecting, Uploading, Ready };

    explicit SoundThread(CueFiles files);
    ~SoundThread();

    void wake() { while (eventfd_write(wakeFd, 1) < 0 && errno == EINTR) {} }

    void onWake();
    void onTimer();
    void arm(int ms);
    void disarm() { const itimerspec never{}; ::timerfd_settime(timerFd, 0, &never, nullptr); }
    void connect();
    void drop(const char *why);
    void startUploads();
    void onUploadState(pa_stream *stream);
    void playWaiting();
    void onPlayed(uint32_t sinkInput);
    void endSinkInput(uint32_t sinkInput);

    std::array<WavData, 4> cues; // empty where the file could not be read
    CueSlot slot;
    int wakeFd = -1;
    int timerFd = -1;
    pa_threaded_mainloop *loop = nullptr;
    pa_mainloop_api *api = nullptr;
    pa_io_event *wakeEvent = nullptr;
    pa_io_event *timerEvent = nullptr;
    pa_proplist *clientProps = nullptr;
    pa_proplist *cueProps = nullptr;

    // On the sound thread.
    State state = State::Down;
    pa_context *context = nullptr;
    std::array<pa_stream *, 4> uploads{};
    int uploadsLeft = 0;
    bool broken = false;       // the connection failed; the timer drops it
    qint64 deadlineMs = 0;     // when Connecting or Uploading is given up
    int failedTries = 0;       // tries in a row that did not get to Ready
    // Play requests sent and answered on this connection; the server
    // answers them in order.
    quint64 sent = 0, answered = 0;
    qint64 answerDueMs = 0;    // when the oldest unanswered request is overdue
    uint32_t playing = PA_INVALID_INDEX; // the newest cue's sink input
};

PulseCuePlayer::SoundThread::SoundThread(CueFiles files)
{
    QStringList unreadable;
    for (Cue cue : kCues) {
        if (!decodeWav(fileBytes(files(cue)), &cues[size_t(cue)]))
            unreadable << QLatin1String(files(cue));
    }
    if (!unreadable.isEmpty())
        qWarning("No sound for %s: not a 16-bit PCM WAV file", qPrintable(unreadable.join(QLatin1String(", "))));
    if (unreadable.size() == int(kCues.size()))
        return; // nothing to play: no thread, no server

    clientProps = pa_proplist_new();
    pa_proplist_sets(clientProps, PA_PROP_APPLICATION_NAME, "Korubel Oyunu");
    pa_proplist_sets(clientProps, PA_PROP_APPLICATION_ID, "io.github.korubel.oyunu");
    pa_proplist_sets(clientProps, PA_PROP_APPLICATION_ICON_NAME, "io.github.korubel.oyunu");
    // A game's own sounds, not the desktop's alert sounds: turning those
    // down must not silence the game.
    cueProps = pa_proplist_new();
    pa_proplist_sets(cueProps, PA_PROP_MEDIA_ROLE, "game");

    wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    // A monotonic timer: a change of the wall clock does not move a retry.
    timerFd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (wakeFd < 0 || timerFd < 0 || !(loop = pa_threaded_mainloop_new())) {
        qWarning("No sound: cannot start the sound thread");
        return;
    }
    pa_threaded_mainloop_set_name(loop, "korubel-sound");
    api = pa_threaded_mainloop_get_api(loop);
    const auto onInput = [](pa_mainloop_api *, pa_io_event *, int fd, pa_io_event_flags_t, void *self) {
        auto *thread = static_cast<SoundThread *>(self);
        drain(fd);
        if (fd == thread->wakeFd)
            thread->onWake();
        else
            thread->onTimer();
    };
    wakeEvent = api->io_new(api, wakeFd, PA_IO_EVENT_INPUT, onInput, this);
    timerEvent = api->io_new(api, timerFd, PA_IO_EVENT_INPUT, onInput, this);
    arm(0); // the first try, as soon as the thread runs
    if (pa_threaded_mainloop_start(loop) < 0) {
        qWarning("No sound: cannot start the sound thread");
        api->io_free(wakeEvent);
        api->io_free(timerEvent);
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
        api->io_free(wakeEvent);
        api->io_free(timerEvent);
        pa_threaded_mainloop_free(loop);
    }
    if (clientProps)
        pa_proplist_free(clientProps);
    if (cueProps)
        pa_proplist_free(cueProps);
    if (wakeFd >= 0)
        ::close(wakeFd);
    if (timerFd >= 0)
        ::close(timerFd);
}

void PulseCuePlayer::SoundThread::arm(int ms)
{
    itimerspec when{};
    when.it_value.tv_sec = ms / 1000;
    when.it_value.tv_nsec = (ms % 1000) * 1000000L + 1; // never all zero, which would disarm it
    ::timerfd_settime(timerFd, 0, &when, nullptr);
}

void PulseCuePlayer::SoundThread::onWake()
{
    playWaiting();
}

void PulseCuePlayer::SoundThread::onTimer()
{
    const qint64 now = CueSlot::nowMs();
    switch (state) {
    case State::Down:
        connect();
        return;
    case State::Connecting:
    case State::Uploading:
        if (broken || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
            drop(reasonFor(context));
        else if (now >= deadlineMs)
            drop("the sound server did not answer in time");
        else
            arm(int(deadlineMs - now));
        return;
    case State::Ready:
        if (broken || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
            drop(reasonFor(context));
        else if (answered < sent && now >= answerDueMs)
            drop("the sound server stopped answering");
        else if (answered < sent)
            arm(int(answerDueMs - now));
        return;
    }
}

void PulseCuePlayer::SoundThread::connect()
{
    broken = false;
    context = pa_context_new_with_proplist(api, nullptr, clientProps);
    if (!context) {
        drop("cannot make a sound server client");
        return;
    }
    pa_context_set_state_callback(context, [](pa_context *c, void *self) {
        auto *thread = static_cast<SoundThread *>(self);
        const pa_context_state_t now = pa_context_get_state(c);
        if (now == PA_CONTEXT_READY)
            thread->startUploads();
        else if (!PA_CONTEXT_IS_GOOD(now))
            thread->arm(0); // dropped from the timer, not from inside libpulse
    }, this);
    state = State::Connecting;
    deadlineMs = CueSlot::nowMs() + kConnectTimeoutMs;
    arm(kConnectTimeoutMs);
    // No autospawn: a desktop starts its sound server itself, and a game
    // should not start one behind its back.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        drop(reasonFor(context));
}

void PulseCuePlayer::SoundThread::drop(const char *why)
{
    if (context) {
        pa_context_set_state_callback(context, nullptr, nullptr);
        for (pa_stream *&upload : uploads) {
            if (!upload)
                continue;
            pa_stream_set_state_callback(upload, nullptr, nullptr);
            pa_stream_unref(upload);
            upload = nullptr;
        }
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }
    state = State::Down;
    sent = answered = 0;
    playing = PA_INVALID_INDEX;
    if (!why)
        return; // shutting down
    // One line when the sound goes, none for each retry.
    if (failedTries == 0)
        qWarning("No sound for now (%s); trying again in the background", why);
    arm(retryDelayMs(failedTries++));
}

void PulseCuePlayer::SoundThread::startUploads()
{
    state = State::Uploading;
    uploadsLeft = 0;
    for (Cue cue : kCues) {
        const WavData &wav = cues[size_t(cue)];
        if (wav.pcm.isEmpty())
            continue;
        const pa_sample_spec format{PA_SAMPLE_S16LE, uint32_t(wav.rate), uint8_t(wav.channels)};
        pa_stream *stream = pa_stream_new(context, sampleName(cue), &format, nullptr);
        if (!stream || pa_stream_connect_upload(stream, size_t(wav.pcm.size())) < 0) {
            if (stream)
                pa_stream_unref(stream);
            broken = true;
            arm(0);
            return;
        }
        uploads[size_t(cue)] = stream;
        ++uploadsLeft;
        pa_stream_set_state_callback(stream, [](pa_stream *s, void *self) {
            static_cast<SoundThread *>(self)->onUploadState(s);
        }, this);
    }
}

void PulseCuePlayer::SoundThread::onUploadState(pa_stream *stream)
{
    const auto at = std::find(uploads.begin(), uploads.end(), stream);
    if (at == uploads.end())
        return;
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY: {
        // The server asks for the whole sample at once. Given a function to
        // free it with (here one that does nothing: the samples stay), the
        // client library sends it from where it lies, and copies it only
        // into memory it shares with the server.
        const QByteArray &pcm = cues[size_t(at - uploads.begin())].pcm;
        if (pa_stream_write(stream, pcm.constData(), size_t(pcm.size()), [](void *) {}, 0, PA_SEEK_RELATIVE) < 0
            || pa_stream_finish_upload(stream) < 0) {
            broken = true;
            arm(0);
        }
        return;
    }
    case PA_STREAM_TERMINATED: // the sample is in the cache
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        *at = nullptr;
        if (--uploadsLeft == 0) {
            state = State::Ready;
            if (failedTries > 0)
                qInfo("Sound is back");
            failedTries = 0;
            disarm();
            playWaiting();
        }
        return;
    case PA_STREAM_FAILED:
        broken = true;
        arm(0);
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
    // The cue playing now is cut off. If its sink input is not known yet,
    // the answer that brings it ends it (onPlayed).
    if (answered == sent && playing != PA_INVALID_INDEX)
        endSinkInput(playing);
    playing = PA_INVALID_INDEX;
    pa_operation *request = pa_context_play_sample_with_proplist(
        context, sampleName(*cue), nullptr, PA_VOLUME_NORM, cueProps,
        [](pa_context *, uint32_t sinkInput, void *self) { static_cast<SoundThread *>(self)->onPlayed(sinkInput); },
        this);
    if (!request) {
        broken = true;
        arm(0);
        return;
    }
    pa_operation_unref(request);
    if (answered == sent) {
        answerDueMs = CueSlot::nowMs() + kAnswerTimeoutMs;
        arm(kAnswerTimeoutMs);
    }
    ++sent;
}

void PulseCuePlayer::SoundThread::onPlayed(uint32_t sinkInput)
{
    ++answered;
    if (answered < sent) {
        // A newer cue is on its way: this one is over before it is heard.
        if (sinkInput != PA_INVALID_INDEX)
            endSinkInput(sinkInput);
        answerDueMs = CueSlot::nowMs() + kAnswerTimeoutMs;
        return;
    }
    playing = sinkInput;
    disarm();
}

void PulseCuePlayer::SoundThread::endSinkInput(uint32_t sinkInput)
{
    // The answer does not matter: a cue that has ended by itself is gone.
    if (pa_operation *request = pa_context_kill_sink_input(context, sinkInput, nullptr, nullptr))
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
    if (!m_thread)
        return;
    m_thread->slot.put(cue, CueSlot::nowMs());
    m_thread->wake();
}
