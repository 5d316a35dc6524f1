#include "quiz/cueplayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

// Why not QSoundEffect: on PulseAudio (Qt 6.4) it stops its stream as soon
// as it has handed over the last samples, which throws away what the server
// still had queued - the last 40-150 ms of every cue, most of the tick -
// and each play() reopens the stream asking for the buffer the server
// granted the time before, which shrinks every time until the stream can
// no longer fill its prebuffer from the 20 ms pieces it reads: a few ticks
// into a countdown one goes missing or comes out in pieces. Here the whole
// cue is written at once, the buffer is asked for afresh on every start,
// and a stream is closed only when its cue is over or cut off.

namespace {

// The output latency asked of the server (it grants about three quarters).
// The cue is written whole, so this is not what keeps it from breaking up.
constexpr int bufferMs = 80;
// A stream stays open this long after its cue has ended, well past the
// server's latency, then it is closed so the sound device may sleep.
constexpr int releaseAfterMs = 1000;

} // namespace

bool AudioCuePlayer::decodeWav(const QByteArray &wav, QAudioFormat *format, QByteArray *pcm)
{
    pcm->clear();
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return false;
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    int encoding = 0, channels = 0, rate = 0, bits = 0;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = u32(at + 4);
        if (id == "fmt " && size >= 16 && at + 24 <= wav.size()) {
            encoding = u16(at + 8);
            channels = u16(at + 10);
            rate = int(u32(at + 12));
            bits = u16(at + 22);
        } else if (id == "data") {
            *pcm = wav.mid(at + 8, size); // a chunk claiming more than is there gets what is there
        }
        at += 8 + size + (size & 1);
    }
    if (encoding != 1 || bits != 16 || channels < 1 || channels > 8 || rate <= 0 || pcm->isEmpty())
        return false;
    format->setSampleFormat(QAudioFormat::Int16);
    format->setChannelCount(channels);
    format->setSampleRate(rate);
    pcm->truncate(pcm->size() - pcm->size() % format->bytesPerFrame());
    return !pcm->isEmpty();
}

const char *AudioCuePlayer::resourceOf(Cue cue)
{
    switch (cue) {
    case Cue::Question: return ":/sounds/sor.wav";
    case Cue::Tick: return ":/sounds/ses.wav";
    case Cue::Correct: return ":/sounds/dogru.wav";
    case Cue::Wrong: return ":/sounds/yanlis.wav";
    }
    return "";
}

AudioCuePlayer::AudioCuePlayer(QObject *parent)
    : QObject(parent)
{
    // All cues go through one sink, so they share the first one's format.
    for (Cue cue : {Cue::Question, Cue::Tick, Cue::Correct, Cue::Wrong}) {
        QAudioFormat format;
        QByteArray pcm;
        QFile file(QLatin1String(resourceOf(cue)));
        if (!file.open(QIODevice::ReadOnly) || !decodeWav(file.readAll(), &format, &pcm)) {
            qWarning("Cannot play %s: not a 16-bit PCM WAV file", resourceOf(cue));
            continue;
        }
        if (!m_format.isValid())
            m_format = format;
        if (format != m_format) {
            qWarning("Cannot play %s: its format differs from the other cues'", resourceOf(cue));
            continue;
        }
        m_cues[size_t(cue)] = pcm;
    }
    if (!m_format.isValid())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;

    m_sink = new QAudioSink(device, m_format, this);
    m_start = new QTimer(this);
    m_start->setSingleShot(true);
    connect(m_start, &QTimer::timeout, this, &AudioCuePlayer::startPending);
    m_release = new QTimer(this);
    m_release->setSingleShot(true);
    connect(m_release, &QTimer::timeout, m_sink, &QAudioSink::stop);
}

AudioCuePlayer::~AudioCuePlayer()
{
    delete m_sink;
}

void AudioCuePlayer::play(Cue cue)
{
    if (!m_sink)
        return;
    m_pending = cue;
    if (!m_start->isActive())
        m_start->start(0);
}

void AudioCuePlayer::startPending()
{
    // A stream still open is closed with whatever it has not played yet.
    m_sink->stop();
    const QByteArray &pcm = m_cues[size_t(m_pending)];
    if (pcm.isEmpty())
        return;
    // Asked for on every start: the sink would otherwise ask for what the
    // server granted last time, a little less each time.
    m_sink->setBufferSize(m_format.bytesForDuration(bufferMs * 1000));
    QIODevice *output = m_sink->start();
    if (!output)
        return; // no sound server: nothing is heard
    output->write(pcm);
    m_release->start(int(m_format.durationForBytes(pcm.size()) / 1000) + releaseAfterMs);
}
