#pragma once

#include <QString>

// Plays every scenario through the real player and clock, logging each
// play() call to logPath. Returns the exit code.
int playScript(int argc, char **argv, const QString &logPath);

// Enters game mode with the real player and clock, then reads commands from
// standard input, one a line, while the caller changes the sound server:
//   ask LOG   plays one question to its end (no answer), logging it to LOG
//             for analyseRecording; prints "done" when it is over
//   quit      ends
// Returns the exit code.
int gameScript(int argc, char **argv);
