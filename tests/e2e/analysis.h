#pragma once

#include <QString>

// Checks the recording against the event log; prints a summary ending in
// "N passed, M failed" and returns 0 only when nothing failed.
int analyseRecording(const QString &recordingPath, const QString &logPath);

// Checks that nothing sounds anywhere in the recording; prints the same
// summary and returns 0 only when it is silent.
int checkSilence(const QString &recordingPath);
