#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <array>

#include "shell/platform.h"

class QAudioSink;
class QTimer;

// Plays the four embedded cues. The cues are read once, at start-up. Each
// cue gets a fresh output stream that is handed the whole cue at once, so
// it plays to its last sample however busy the program is; starting a cue
// closes the stream of the one before, which cuts it off. play() itself
// only notes the cue: the stream starts as soon as the event loop runs,
// so of cues played in one go only the last is heard. Without an audio
// device nothing is heard and nothing fails.
//
// Making the player opens the audio device, and starting a stream talks to
// the sound server, which can take any time: the program makes and uses it
// only on the audio thread of ModuleCuePlayer (soundmodule.h).
class AudioCuePlayer : public QObject, public CuePlayer
{
    Q_OBJECT
public:
    explicit AudioCuePlayer(QObject *parent = nullptr);
    ~AudioCuePlayer() override;
    void play(Cue cue) override;

    static const char *resourceOf(Cue cue);
    // The samples and format of a 16-bit PCM WAV file; false if it is not one.
    static bool decodeWav(const QByteArray &wav, QAudioFormat *format, QByteArray *pcm);

private:
    void startPending();

    QAudioFormat m_format;
    std::array<QByteArray, 4> m_cues; // samples in m_format; empty if unreadable
    Cue m_pending = Cue::Question;    // the cue the next start plays
    QAudioSink *m_sink = nullptr;     // null without an audio device
    QTimer *m_start = nullptr;        // starts the pending cue
    QTimer *m_release = nullptr;      // closes the stream once its cue is over
};
