#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform.h"

// The audio player lives in a module of its own (a shared library loaded
// at run time) together with Qt Multimedia and the sound server's client
// libraries it pulls in. The program loads it only when it enters game
// mode, the one place that plays cues, so a start and the menu, the table
// and the memorise pages map none of the audio libraries.
//
// Without the module, or with one that does not load, nothing is heard and
// nothing fails.
class ModuleCuePlayer : public CuePlayer
{
public:
    // The module files to try, in order; the first that loads is used.
    explicit ModuleCuePlayer(QStringList modulePaths);
    ~ModuleCuePlayer() override;

    // Loads the module as soon as the event loop runs again, so the screen
    // that asked for it is drawn first. Cues before that are not heard.
    void prepare() override;
    void play(Cue cue) override;

    // Loads the module now (once; later calls return the first answer).
    bool load();
    bool isLoaded() const { return m_player != nullptr; }
    QString loadedFrom() const { return m_loadedFrom; }

    // Beside the executable (the build tree), then where the package puts it.
    static QStringList installedPaths();

    // The function every module exports: it makes a new player.
    static constexpr const char *factoryName = "korubel_create_cue_player";
    using Factory = CuePlayer *(*)();

private:
    QStringList m_paths;
    bool m_tried = false;
    std::unique_ptr<CuePlayer> m_player;
    QString m_loadedFrom;
    QObject m_context; // ends a pending load when the player goes
};
