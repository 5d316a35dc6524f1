#pragma once

#include <QString>

// Plays every scenario through the real player and clock, logging each
// play() call to logPath. Returns the exit code.
int playScript(int argc, char **argv, const QString &logPath);
