#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "quiz/cueslot.h"
#include "shell/platform.h"

// The sound player lives in a module of its own (a shared library loaded
// at run time) together with the sound server's client library and the
// libraries that one pulls in. The program loads it only when it enters
// game mode, the one place that plays cues, so a start and the menu, the
// table and the memorise pages map none of them and take no memory for
// them.
//
// The module is loaded on a thread of its own, which ends once the player
// is made; the player (pulsecueplayer.h) then talks to the sound server on
// its own sound thread. Neither ever waits for the server, so the window's
// thread never does either, and ending the program is always at once.
//
// Without the module, or with one that does not load, nothing is heard and
// nothing fails.
class ModuleCuePlayer : public CuePlayer
{
public:
    // The module files to try, in order; the first that loads is used.
    explicit ModuleCuePlayer(QStringList modulePaths);
    // Waits for a load under way (it never waits for the sound server) and
    // ends the player.
    ~ModuleCuePlayer() override;

    // Starts loading the module once the event loop has drawn what the
    // window just changed (kLoadAfterMs): loading maps a dozen libraries,
    // and the dynamic loader would hold up the window's first paint of the
    // game screen. Returns at once. A cue played before the player is made
    // is handed to it then, if it is still fresh (CueSlot::kStaleMs).
    void prepare() override;
    static constexpr int kLoadAfterMs = 50;
    // Hands the cue to the player and returns at once.
    void play(Cue cue) override;

    // Prepares and waits up to timeoutMs for the load to be tried; true if
    // the module is loaded. For tools and tests; the program never waits.
    bool load(int timeoutMs = 30000);
    bool isLoaded() const;
    QString loadedFrom() const;

    // Beside the executable (the build tree), then where the package puts it.
    static QStringList installedPaths();

    // The function every module exports: it makes a new player.
    static constexpr const char *factoryName = "korubel_create_cue_player";
    using Factory = CuePlayer *(*)();

private:
    void startLoading();
    void loadModule();

    const QStringList m_paths;
    QTimer m_loadLater;
    std::thread m_loader;
    mutable std::mutex m_mutex;
    std::condition_variable m_loadTried;
    bool m_tried = false;                 // under m_mutex
    QString m_loadedFrom;                 // under m_mutex; empty if nothing loaded
    std::unique_ptr<CuePlayer> m_player;  // under m_mutex; set once, by the loader
    CueSlot m_early;                      // cues played before the player was made
};
