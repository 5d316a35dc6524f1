#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "shell/platform.h"
#include "shell/scheduledclock.h"

// A clock that only moves when a test advances it, on the same schedule
// as the real clock: due ticks fire in time order, ticks due at the same
// moment in the order their timers were armed.
class VirtualClock : public ScheduledClock
{
public:
    int secondsOfDay() const override { return m_baseSecondsOfDay + int(now() / 1000); }
    qint64 nowNs() const override { return m_nowNs; }

    // Moves time on by ms, firing every tick that falls due on the way.
    void advance(qint64 ms);
    // Moves time on by ms with no tick handled on the way, as when the
    // machine sleeps: the next advance() handles what fell due, late.
    void suspend(qint64 ms) { m_nowNs += ms * 1000000; }
    qint64 now() const { return m_nowNs / 1000000; }
    void setSecondsOfDay(int seconds) { m_baseSecondsOfDay = seconds - int(now() / 1000); }

private:
    qint64 m_nowNs = 0;
    int m_baseSecondsOfDay = 10 * 3600;
};

// Records every cue in order.
class RecordingCuePlayer : public CuePlayer
{
public:
    void play(Cue cue) override { cues.push_back(cue); }
    void prepare() override { ++prepares; }
    QStringList names() const;
    std::vector<Cue> cues;
    int prepares = 0;
};

// Returns the queued values in turn (then 0.0) and records the reseeds.
class ScriptedRandom : public RandomSource
{
public:
    void reseed(int secondsOfDay) override { reseeds.push_back(secondsOfDay); }
    double next() override;
    // Make the next draw give question index n (0..99).
    void queueIndex(int n) { values.push_back((n + 0.5) / 100.0); }
    std::vector<double> values;
    std::vector<int> reseeds;
};

// Answers the game-over question without a real modal box; a test may
// inspect the window at the moment the box would be shown.
class ScriptedPrompt : public GameOverPrompt
{
public:
    bool ask(QWidget *parent, const QString &title, const QString &text) override;
    bool answer = true;
    int shown = 0;
    QString lastTitle, lastText;
    std::function<void()> whileShown;
};

// The four fakes together, ready to hand to Form1.
struct FakePlatform
{
    VirtualClock clock;
    RecordingCuePlayer sound;
    ScriptedRandom random;
    ScriptedPrompt prompt;
    Platform platform() { return Platform{clock, sound, random, prompt}; }
};

