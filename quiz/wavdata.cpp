#include "quiz/wavdata.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>


bool decodeWav(const QByteArray &wav, WavData *out)
{
    *out = WavData{};
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return false;
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    int encoding = 0, channels = 0, rate = 0, bits = 0;
    qsizetype pcmAt = 0, pcmSize = 0;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = u32(at + 4);
        if (id == "fmt " && size >= 16 && at + 24 <= wav.size()) {
            encoding = u16(at + 8);
            channels = u16(at + 10);
            rate = int(u32(at + 12));
            bits = u16(at + 22);
        } else if (id == "data") {
            pcmAt = at + 8;
            pcmSize = std::min(size, wav.size() - pcmAt); // a chunk claiming more than is there gets what is there
        }
        at += 8 + size + (size & 1);
    }
    if (encoding != 1 || bits != 16 || channels < 1 || channels > 8 || rate <= 0 || rate > 384000)
        return false;
    pcmSize -= pcmSize % (2 * channels);
    if (pcmSize == 0)
        return false;
    *out = WavData{channels, rate, QByteArray(), wav};
    out->pcm = QByteArray::fromRawData(out->file.constData() + pcmAt, pcmSize);
    return true;
}

QByteArray fileBytes(const char *path)
{
    QFile file(QLatin1String{path});
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const char *cueResource(Cue cue)
{
    switch (cue) {
    case Cue::Question: return ":/sounds/sor.wav";
    case Cue::Tick: return ":/sounds/ses.wav";
    case Cue::Correct: return ":/sounds/dogru.wav";
    case Cue::Wrong: return ":/sounds/yanlis.wav";
    }
    return "";
}
