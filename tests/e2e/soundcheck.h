#pragma once

#include <QEventLoop>
#include <QTimer>
#include <array>

#include "shell/platform.h"

// Shared by the parts of the sound check: the script that plays the cues,
// the analysis of what the sound server recorded, and the stall check.

inline constexpr std::array<Cue, 4> allCues{Cue::Question, Cue::Tick, Cue::Correct, Cue::Wrong};
// Silence between two scenarios, so their sounds cannot run together.
inline constexpr int gapMs = 1500;
// How long the correct cue plays before the wrong cue cuts it off.
inline constexpr int cutDelayMs = 100;

// Game over without a box on the screen.
class NoBoxPrompt : public GameOverPrompt
{
public:
    void show(QWidget *, const QString &, const QString &) override {}
};

// Runs the event loop (timers, sound) for the given time.
inline void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
