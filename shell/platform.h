#pragma once

#include <QString>
class Clock;
class QWidget;

// Everything the window needs from the outside world goes through these
// small interfaces, so tests can run the game in virtual time (Clock, in
// clock.h) with a recorded sound player, a scripted random source and a
// scripted prompt.

enum class Cue { Question, Tick, Correct, Wrong };

// A cue's name in logs and test reports.
inline const char *cueName(Cue cue)
{
    switch (cue) {
    case Cue::Question: return "question";
    case Cue::Tick: return "tick";
    case Cue::Correct: return "correct";
    case Cue::Wrong: return "wrong";
    }
    return "?";
}

class CuePlayer
{
public:
    virtual ~CuePlayer() = default;
    // Starts the cue and returns at once; a cue still playing is cut off.
    virtual void play(Cue cue) = 0;
    // Called on entering game mode, before any cue is played: a player
    // that sets up its audio lazily does it now.
    virtual void prepare() {}
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed(int secondsOfDay) = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
};

class GameOverPrompt
{
public:
    virtual ~GameOverPrompt() = default;
    // Shows the game-over box, modal, and returns once the player has
    // closed it, whichever way: the game ends then.
    virtual void show(QWidget *parent, const QString &title, const QString &text) = 0;
};

struct Platform
{
    Clock &clock;
    CuePlayer &sound;
    RandomSource &random;
    GameOverPrompt &prompt;
};
