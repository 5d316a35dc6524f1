#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform.h"

// A clock that only moves when a test advances it. Due ticks fire in time
// order; ticks due at the same moment fire in the order they were scheduled.
class VirtualClock : public Clock
{
public:
    std::unique_ptr<TimerBackend> createTimer() override;
    int secondsOfDay() const override { return m_baseSecondsOfDay + int(m_now / 1000); }

    void advance(qint64 ms);
    qint64 now() const { return m_now; }
    void setSecondsOfDay(int seconds) { m_baseSecondsOfDay = seconds - int(m_now / 1000); }
    // Number of timers whose tick is scheduled.
    int armedCount() const;

private:
    friend class VirtualTimer;
    struct Entry {
        class VirtualTimer *timer;
        qint64 due;
        quint64 order;
        int interval;
    };
    std::vector<Entry> m_entries;
    qint64 m_now = 0;
    quint64 m_nextOrder = 0;
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

QString cueName(Cue cue);
