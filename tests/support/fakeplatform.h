#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "shell/platform.h"
#include "shell/virtualclock.h"

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

// Records the game-over box instead of showing one; a test may inspect
// the window at the moment the box would be shown.
class ScriptedPrompt : public GameOverPrompt
{
public:
    void show(QWidget *parent, const QString &title, const QString &text) override;
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

