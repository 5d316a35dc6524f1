#pragma once

#include <memory>

#include "shell/platform.h"

// Plays the four embedded cues through the desktop's sound server, over
// the PulseAudio protocol (which PipeWire serves too).
//
// On every connection the player opens one playback stream on the server's
// default output, and keeps it for all the cues: the server (and on
// PipeWire the session manager) sets it up and links it once, so a cue is
// only samples written into a stream that is already there, and is heard
// as soon on a busy desktop as on an idle one. A cue is written whole and
// followed by silence, so the server plays all of it and no tail is lost;
// a newer cue flushes what is left of the one playing. No device is ever named, so the stream
// follows the default output when it changes (headphones plugged in, a
// headset, a screen). Between cues the stream is corked, so the output may
// sleep as it would without the game.
//
// Everything that talks to the server runs on a sound thread of this
// player, libpulse's threaded main loop, which waits on nothing but its
// poll: play() only leaves the cue in a slot and wakes that thread, and the
// destructor stops it without waiting for the server. The cues are read
// and the thread is started by prepare(), on entering game mode: the menu
// and the study screens never play a cue, so until then the player holds
// nothing and talks to no one.
// When the server is absent, goes away, restarts or stops answering, the
// thread drops the connection and tries again in the background, at most
// about a second apart, and the next cue after the server is back is
// heard. Until then cues are dropped in silence.
class PulseCuePlayer : public CuePlayer
{
public:
    // Where each cue's WAV file is; a file that cannot be read is named in
    // one warning, and its cue is silent.
    using CueFiles = const char *(*)(Cue);

    explicit PulseCuePlayer(CueFiles files);
    ~PulseCuePlayer() override;

    // The first time, reads the cues and starts the sound thread; returns
    // at once, before the server is reached.
    void prepare() override;
    // Hands the cue to the sound thread; a cue before prepare() is dropped.
    void play(Cue cue) override;

    // How long the sound thread waits before its next try to reach the
    // server, after failedTries tries in a row came to nothing.
    static int retryDelayMs(int failedTries);
    // A connection that is not ready to play by then is given up and tried
    // again; so is one whose server leaves a request unanswered that long.
    static constexpr int kConnectTimeoutMs = 3000;
    static constexpr int kAnswerTimeoutMs = 3000;

    // The stream's target latency, and how long after a cue's end the
    // stream is corked.
    static constexpr int kLatencyMs = 40;
    static constexpr int kCorkAfterMs = 500;
    // Silence written after each cue: longer than a sound server's longest
    // usual cycle.
    static constexpr int kTrailingSilenceMs = 100;

private:
    struct SoundThread;
    const CueFiles m_files;
    std::unique_ptr<SoundThread> m_thread;
};
