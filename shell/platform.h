#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

// Everything the window needs from the outside world goes through these
// small interfaces, so tests can run the game in virtual time with a
// recorded sound player, a scripted random source and a scripted prompt.

// One repeating timer of the platform. start() (re)starts the period;
// stop() also discards a tick that is already due.
class TimerBackend
{
public:
    virtual ~TimerBackend() = default;
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
    void setTickHandler(std::function<void()> onTick) { m_onTick = std::move(onTick); }

protected:
    // The handler may destroy this timer, and with it m_onTick: it runs
    // from a copy, and nothing of the timer is touched after it.
    void tick()
    {
        if (const std::function<void()> onTick = m_onTick)
            onTick();
    }

private:
    std::function<void()> m_onTick;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<TimerBackend> createTimer() = 0;
    // Seconds since midnight, whole seconds: what the question draw reseeds from.
    virtual int secondsOfDay() const = 0;
};

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
