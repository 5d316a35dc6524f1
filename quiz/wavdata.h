#pragma once

#include <QByteArray>

#include "shell/platform.h"

// The samples of a 16-bit PCM WAV file, as the sound player hands them to
// the sound server.
struct WavData
{
    int channels = 0;
    int rate = 0;       // frames a second
    QByteArray pcm;     // interleaved signed 16-bit little-endian, whole frames
    QByteArray file;    // the whole file, which pcm points into

    int bytesPerFrame() const { return 2 * channels; }
    // How long the samples play, in ms.
    qint64 durationMs() const { return rate > 0 ? qint64(pcm.size() / bytesPerFrame()) * 1000 / rate : 0; }
};

// Reads a 16-bit PCM WAV file; false (and *out emptied) if it is not one.
// Never reads past the end of the data, whatever its chunks claim. The
// samples are not copied: *out keeps the file's bytes, and pcm points into
// them.
bool decodeWav(const QByteArray &wav, WavData *out);

// The bytes of a file or a Qt resource; empty if it cannot be read.
QByteArray fileBytes(const char *path);

// Where each cue's WAV file is among the program's resources.
const char *cueResource(Cue cue);
