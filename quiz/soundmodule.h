#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "shell/platform.h"

// The audio player lives in a module of its own (a shared library loaded
// at run time) together with Qt Multimedia and the sound server's client
// libraries it pulls in. The program loads it only when it enters game
// mode, the one place that plays cues, so a start and the menu, the table
// and the memorise pages map none of the audio libraries.
//
// Everything that talks to the sound system runs on one audio thread of
// this player: loading the module, opening the audio device, starting and
// stopping streams. The window's thread only hands cues over, so a sound
// server that is slow, hung, killed or restarting never holds up the
// window or the countdown.
//
// Without the module, or with one that does not load, nothing is heard and
// nothing fails.
class ModuleCuePlayer : public CuePlayer
{
public:
    // The module files to try, in order; the first that loads is used.
    explicit ModuleCuePlayer(QStringList modulePaths);
    // Stops the audio thread as shutdown() does.
    ~ModuleCuePlayer() override;

    // Starts the audio thread, which loads the module and opens the audio
    // device; returns at once. Cues played before that is done are heard
    // once it is, if they are still fresh.
    void prepare() override;
    // Hands the cue to the audio thread and returns at once. Only the
    // newest cue waits there: it cuts off the one playing, and one that
    // could not start within kStaleMs of being played is dropped rather
    // than heard at the wrong moment.
    void play(Cue cue) override;

    // Prepares and waits up to timeoutMs for the load to be tried; true if
    // the module is loaded. For tools and tests; the program never waits.
    bool load(int timeoutMs = 30000);
    bool isLoaded() const;
    QString loadedFrom() const;

    // Ends the audio thread, waiting at most timeoutMs for it. False if it
    // did not end (it is stuck in a sound server that does not answer): it
    // is left to the end of the process, which must then end without
    // waiting for it or running the libraries' exit handlers under it.
    bool shutdown(int timeoutMs = kShutdownWaitMs);

    static constexpr int kShutdownWaitMs = 300;
    static constexpr int kStaleMs = 250;

    // Beside the executable (the build tree), then where the package puts it.
    static QStringList installedPaths();

    // The function every module exports: it makes a new player.
    static constexpr const char *factoryName = "korubel_create_cue_player";
    using Factory = CuePlayer *(*)();

private:
    struct AudioThread;
    QStringList m_paths;
    // Shared with the audio thread, so a thread left stuck at shutdown
    // still has everything it touches.
    std::shared_ptr<AudioThread> m_audio;
};
