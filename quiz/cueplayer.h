#pragma once

#include <QObject>
#include <array>

#include "platform.h"

class QSoundEffect;

// Plays the four embedded cues with QSoundEffect. The cues are loaded once,
// at start-up, so the first one is not late; starting a cue stops any cue
// still playing. Without an audio device nothing is heard and nothing
// waits or fails.
class SoundEffectPlayer : public QObject, public CuePlayer
{
    Q_OBJECT
public:
    explicit SoundEffectPlayer(QObject *parent = nullptr);
    void play(Cue cue) override;

    static const char *resourceOf(Cue cue);

private:
    std::array<QSoundEffect *, 4> m_effects{};
};
