#pragma once

#include <QString>

// Checks the recording against the event log; prints a summary ending in
// "N passed, M failed" and returns 0 only when nothing failed.
int analyseRecording(const QString &recordingPath, const QString &logPath);
