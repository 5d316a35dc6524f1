// Measures what the sound server actually played. The recording is the null
// sink's output, sample for sample: silence is exact zero, and a cue that
// plays at full volume comes out as the very samples of its WAV file. So
// sounds are found with a plain level threshold, and each one is compared
// with the cue it should be by correlation and by subtracting the cue.
#include "tests/e2e/analysis.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

#include "quiz/wavdata.h"
#include "tests/e2e/soundcheck.h"

namespace {

constexpr int sampleRate = 44100;
constexpr int channelCount = 2;
// RMS windows of 5 ms; a window above -60 dBFS counts as sound.
constexpr int windowSamples = 220;
const double threshold = std::pow(10.0, -60.0 / 20.0);
// Quieter stretches shorter than this inside one sound do not split it.
constexpr double mergeGap = 0.025;

// Tolerances. Durations are held tight: the recording is exact, and a cue
// that loses its last cycle must not pass as "about the right length".
constexpr double onTime = 0.050;       // onset against play() time + latency
constexpr double fitWindow = 0.040;    // a play() call lined up with a sound
// A cue's span against its file's span: held tighter below, where a lost
// last cycle of the stream shows; a cycle a busy server skipped in the
// middle of a cue makes it longer, and the likeness judges that.
constexpr double shorterBy = 0.005, longerBy = 0.020;
constexpr double tickSpacing = 0.080;  // countdown steps against 1.000 s
constexpr double takeOver = 0.035;     // where a cutting cue starts and ends
constexpr double alike = 0.90;         // correlation with the cue's samples
constexpr double nothingUnder = 0.10;  // residual RMS against the cue's RMS
constexpr double levelLow = 0.7, levelHigh = 1.4;

using Samples = std::vector<float>;

double seconds(size_t sample) { return double(sample) / sampleRate; }
size_t sampleAt(double t) { return t <= 0 ? 0 : size_t(std::llround(t * sampleRate)); }

struct Burst
{
    double onset = 0, end = 0;
    double span() const { return end - onset; }
};

// Sounds: runs of 5 ms windows above the threshold, merged across short
// quiet gaps, with onset and end refined to the first and last sample
// above the threshold.
std::vector<Burst> findBursts(const Samples &x)
{
    std::vector<std::pair<size_t, size_t>> runs; // window index ranges
    for (size_t w = 0; (w + 1) * windowSamples <= x.size(); ++w) {
        double sum = 0;
        for (size_t i = w * windowSamples; i < (w + 1) * windowSamples; ++i)
            sum += double(x[i]) * x[i];
        if (std::sqrt(sum / windowSamples) <= threshold)
            continue;
        const size_t mergeWindows = size_t(mergeGap * sampleRate / windowSamples);
        if (!runs.empty() && w - runs.back().second <= mergeWindows + 1)
            runs.back().second = w;
        else
            runs.push_back({w, w});
    }
    std::vector<Burst> bursts;
    for (const auto &[first, last] : runs) {
        size_t from = first > 0 ? (first - 1) * windowSamples : 0;
        while (from < x.size() && std::fabs(x[from]) <= threshold)
            ++from;
        size_t to = std::min(x.size(), (last + 2) * windowSamples);
        while (to > from && std::fabs(x[to - 1]) <= threshold)
            --to;
        bursts.push_back({seconds(from), seconds(to)});
    }
    return bursts;
}

struct Match
{
    double corr = 0;  // normalised correlation over the whole cue
    double gain = 0;  // least-squares level of the cue in the recording
    long lag = 0;     // samples, relative to the position asked for
};

// The best-correlating position of ref around x[at], within +-maxLag samples.
// With prefix > 0 only that many leading samples of ref decide the position.
Match bestMatch(const Samples &x, size_t at, const Samples &ref, long maxLag, size_t prefix = 0)
{
    const size_t n = prefix ? std::min(prefix, ref.size()) : ref.size();
    double refEnergy = 0;
    for (size_t i = 0; i < n; ++i)
        refEnergy += double(ref[i]) * ref[i];
    Match best;
    best.corr = -2;
    for (long lag = -maxLag; lag <= maxLag; ++lag) {
        const long start = long(at) + lag;
        if (start < 0)
            continue;
        double dot = 0, energy = 0;
        for (size_t i = 0; i < n; ++i) {
            const size_t k = size_t(start) + i;
            const double v = k < x.size() ? x[k] : 0.0;
            dot += v * ref[i];
            energy += v * v;
        }
        const double corr = energy > 0 && refEnergy > 0 ? dot / std::sqrt(energy * refEnergy) : 0;
        if (corr > best.corr)
            best = {corr, refEnergy > 0 ? dot / refEnergy : 0, lag};
    }
    return best;
}

// The same measures over the whole cue at a fixed position.
Match matchAt(const Samples &x, size_t at, const Samples &ref) { return bestMatch(x, at, ref, 0); }

// RMS of what is left in x[at, at+length) once ref (scaled by gain) is taken
// away, relative to the RMS of ref over the same length.
double residualRatio(const Samples &x, size_t at, const Samples &ref, double gain, size_t length)
{
    length = std::min(length, ref.size());
    double rest = 0, cue = 0;
    for (size_t i = 0; i < length; ++i) {
        const double v = at + i < x.size() ? x[at + i] : 0.0;
        const double r = gain * ref[i];
        rest += (v - r) * (v - r);
        cue += r * r;
    }
    return cue > 0 ? std::sqrt(rest / cue) : 1.0;
}

struct Reference
{
    Samples samples; // first channel
    double fileSeconds = 0;
    Burst span;      // the sounding part, found as in the recording
};

// A 16-bit PCM WAV with 'fmt ' and 'data' chunks at the recording's rate;
// the server plays it on both of the recording's channels.
std::optional<Reference> loadReference(Cue cue, QString *why)
{
    QFile file(QString::fromLatin1(cueResource(cue)));
    if (!file.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("cannot open %1").arg(file.fileName());
        return std::nullopt;
    }
    WavData wav;
    if (!decodeWav(file.readAll(), &wav)) {
        *why = QStringLiteral("%1 is not a 16-bit PCM WAV file").arg(file.fileName());
        return std::nullopt;
    }
    if (wav.rate != sampleRate) {
        *why = QStringLiteral("%1: %2 Hz; the check records %3 Hz").arg(file.fileName()).arg(wav.rate).arg(sampleRate);
        return std::nullopt;
    }
    Reference ref;
    const auto *pcm = reinterpret_cast<const qint16 *>(wav.pcm.constData());
    const size_t frames = size_t(wav.pcm.size()) / size_t(wav.bytesPerFrame());
    ref.samples.resize(frames);
    for (size_t i = 0; i < frames; ++i)
        ref.samples[i] = float(pcm[i * size_t(wav.channels)]) / 32768.0f;
    ref.fileSeconds = seconds(frames);
    const std::vector<Burst> spans = findBursts(ref.samples);
    if (spans.size() != 1) {
        *why = QStringLiteral("%1 is not one sound (%2 parts)").arg(file.fileName()).arg(spans.size());
        return std::nullopt;
    }
    ref.span = spans.front();
    return ref;
}

struct Event
{
    double t = 0;     // seconds on the driver's clock
    bool isMark = false;
    QString name;     // scenario or cue name
};

std::optional<Cue> cueNamed(const QString &name)
{
    for (Cue cue : allCues)
        if (name == QLatin1String(cueName(cue)))
            return cue;
    return std::nullopt;
}

class Tally
{
public:
    void check(bool ok, const QString &what, const QString &measured)
    {
        (ok ? m_passed : m_failed)++;
        std::printf("%s  %s: %s\n", ok ? "PASS" : "FAIL", qPrintable(what), qPrintable(measured));
    }
    int failed() const { return m_failed; }
    int passed() const { return m_passed; }

private:
    int m_passed = 0, m_failed = 0;
};

QString ms(double s) { return QStringLiteral("%1 ms").arg(s * 1000.0, 0, 'f', 1); }
QString sec(double s) { return QStringLiteral("%1 s").arg(s, 0, 'f', 3); }

// Where each event of the driver's log falls in the recording. The
// recording's clock can fall behind the driver's: PipeWire's null sink,
// timed by a timer, now and then skips a cycle of its graph, and the
// recording then lacks those milliseconds. So each event is placed by the
// driver's time since the last play() call before it that lined up with a
// sound (a sound's onset within fitWindow of where the call falls), and a
// late cue shows up against the cue before it, not against a clock the
// recording has drifted from.
// The first call is placed by the pairing of a call with a sound that lines
// up the most calls so, the closest if several line up as many; events
// before it are placed backwards the same way.
std::vector<double> placeEvents(const std::vector<Event> &events, const std::vector<Burst> &bursts)
{
    const auto onsetNear = [&](double t) -> std::optional<double> {
        std::optional<double> best;
        for (const Burst &b : bursts)
            if (std::fabs(b.onset - t) <= fitWindow && (!best || std::fabs(b.onset - t) < std::fabs(*best - t)))
                best = b.onset;
        return best;
    };
    struct Placement
    {
        std::vector<double> at;
        int lined = 0;
        double error = 0;
    };
    const auto place = [&](size_t anchor, double onset) {
        Placement p;
        p.at.resize(events.size());
        const auto walk = [&](size_t i, double &lastT, double &lastAt) {
            p.at[i] = lastAt + (events[i].t - lastT);
            if (events[i].isMark)
                return;
            if (const auto heard = onsetNear(p.at[i])) {
                ++p.lined;
                p.error += std::fabs(*heard - p.at[i]);
                lastT = events[i].t;
                lastAt = *heard;
            }
        };
        double lastT = events[anchor].t, lastAt = onset;
        for (size_t i = anchor; i < events.size(); ++i)
            walk(i, lastT, lastAt);
        lastT = events[anchor].t;
        lastAt = onset;
        for (size_t i = anchor; i-- > 0;)
            walk(i, lastT, lastAt);
        return p;
    };
    Placement best;
    best.lined = -1;
    for (size_t a = 0; a < events.size(); ++a) {
        if (events[a].isMark)
            continue;
        for (const Burst &b : bursts) {
            Placement p = place(a, b.onset);
            if (p.lined > best.lined || (p.lined == best.lined && p.error < best.error))
                best = std::move(p);
        }
    }
    if (best.lined < 0) { // no play() call at all
        best.at.clear();
        for (const Event &e : events)
            best.at.push_back(e.t);
    }
    return best.at;
}

struct Recording
{
    Samples left;
    double rightOffLeft = 0; // RMS of right - left against RMS of left
};

// The recording's left channel, and how far the right one strays from it:
// the cues must sound the same in both ears.
Recording readRecording(const QString &path)
{
    QFile raw(path);
    QByteArray bytes;
    if (raw.open(QIODevice::ReadOnly))
        bytes = raw.readAll();
    Recording r;
    r.left.resize(size_t(bytes.size()) / (2 * channelCount));
    const auto *pcm = reinterpret_cast<const qint16 *>(bytes.constData());
    double both = 0, apart = 0;
    for (size_t i = 0; i < r.left.size(); ++i) {
        const double left = pcm[i * channelCount], right = pcm[i * channelCount + 1];
        r.left[i] = float(left / 32768.0);
        both += left * left;
        apart += (right - left) * (right - left);
    }
    r.rightOffLeft = both > 0 ? std::sqrt(apart / both) : 0;
    return r;
}

} // namespace

int checkSilence(const QString &recordingPath)
{
    Tally tally;
    const Samples x = readRecording(recordingPath).left;
    const std::vector<Burst> bursts = findBursts(x);
    tally.check(x.size() >= size_t(sampleRate), QStringLiteral("at least a second recorded"), sec(seconds(x.size())));
    QStringList onsets;
    for (const Burst &b : bursts)
        onsets << sec(b.onset);
    tally.check(bursts.empty(), QStringLiteral("nothing heard"),
                QStringLiteral("%1 sounds %2").arg(bursts.size()).arg(onsets.join(QLatin1Char(' '))));
    std::printf("%d passed, %d failed\n", tally.passed(), tally.failed());
    return tally.failed() == 0 ? 0 : 1;
}

int analyseRecording(const QString &recordingPath, const QString &logPath)
{
    Tally tally;
    const auto finish = [&] {
        std::printf("%d passed, %d failed\n", tally.passed(), tally.failed());
        return tally.failed() == 0 ? 0 : 1;
    };

    // The cues as the program embeds them.
    std::map<Cue, Reference> refs;
    for (Cue cue : allCues) {
        QString why;
        const auto ref = loadReference(cue, &why);
        tally.check(ref.has_value(), QStringLiteral("%1 cue file readable").arg(QLatin1String(cueName(cue))),
                    ref ? QStringLiteral("%1, sounding %2").arg(sec(ref->fileSeconds), sec(ref->span.span())) : why);
        if (!ref)
            return finish();
        refs[cue] = *ref;
    }

    // The event log.
    std::vector<Event> events;
    QFile log(logPath);
    if (log.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!log.atEnd()) {
            const QStringList f = QString::fromUtf8(log.readLine()).simplified().split(QLatin1Char(' '));
            if (f.size() == 3)
                events.push_back({f[0].toDouble() / 1e6, f[1] == QLatin1String("mark"), f[2]});
        }
    }
    const bool logComplete = !events.empty() && events.back().isMark && events.back().name == QLatin1String("end");
    tally.check(logComplete, QStringLiteral("event log complete"),
                QStringLiteral("%1 events from %2").arg(events.size()).arg(logPath));
    if (!logComplete)
        return finish();

    const Recording recording = readRecording(recordingPath);
    const Samples &x = recording.left;
    const std::vector<Burst> bursts = findBursts(x);
    std::printf("recording: %s, %zu sounds\n", qPrintable(sec(seconds(x.size()))), bursts.size());
    tally.check(!bursts.empty(), QStringLiteral("anything was heard"), QStringLiteral("%1 sounds").arg(bursts.size()));
    if (bursts.empty())
        return finish();
    tally.check(recording.rightOffLeft <= nothingUnder, QStringLiteral("the same sound in both channels"),
                QStringLiteral("right - left at %1 of left").arg(recording.rightOffLeft, 0, 'f', 3));

    const std::vector<double> at = placeEvents(events, bursts);
    std::printf("recording time = driver clock + %s at the first event, + %s at the last\n",
                qPrintable(sec(at.front() - events.front().t)), qPrintable(sec(at.back() - events.back().t)));
    const double lastMark = at.back();
    tally.check(seconds(x.size()) >= lastMark, QStringLiteral("recording covers every scenario"),
                QStringLiteral("%1 recorded, last scenario ends at %2").arg(sec(seconds(x.size())), sec(lastMark)));

    // Checks a sound that should be the whole cue, started at `expected`.
    const auto checkWhole = [&](const QString &what, Cue cue, const Burst &b, std::optional<double> expected) {
        const Reference &ref = refs[cue];
        const Match m = bestMatch(x, sampleAt(b.onset - ref.span.onset), ref.samples, 220);
        std::printf("  %-26s onset %s, span %s (file %s), likeness %.3f, level %.2f\n", qPrintable(what),
                    qPrintable(sec(b.onset)), qPrintable(sec(b.span())), qPrintable(sec(ref.span.span())), m.corr,
                    m.gain);
        if (expected)
            tally.check(std::fabs(b.onset - *expected) <= onTime, what + QStringLiteral(" on time"),
                        QStringLiteral("%1 after play()").arg(ms(b.onset - *expected)));
        const double off = b.span() - ref.span.span();
        tally.check(off >= -shorterBy && off <= longerBy, what + QStringLiteral(" full length"),
                    QStringLiteral("%1 of %2").arg(sec(b.span()), sec(ref.span.span())));
        tally.check(m.corr >= alike && m.gain >= levelLow && m.gain <= levelHigh,
                    what + QStringLiteral(" is the %1 cue at full level").arg(QLatin1String(cueName(cue))),
                    QStringLiteral("likeness %1, level %2").arg(m.corr, 0, 'f', 3).arg(m.gain, 0, 'f', 2));
    };

    // Everything between two marks is one scenario.
    for (size_t i = 0; i + 1 < events.size(); ++i) {
        if (!events[i].isMark)
            continue;
        size_t next = i + 1;
        while (!events[next].isMark)
            ++next;
        const QString scenario = events[i].name;
        std::vector<std::pair<double, Cue>> plays; // expected onsets
        for (size_t k = i + 1; k < next; ++k)
            if (const auto cue = cueNamed(events[k].name))
                plays.push_back({at[k], *cue});
        const double from = at[i] - 0.050, to = at[next] - 0.050;
        std::vector<Burst> heard;
        for (const Burst &b : bursts)
            if (b.onset >= from && b.onset < to)
                heard.push_back(b);
        std::printf("\n[%s] %zu play() calls, %zu sounds heard\n", qPrintable(scenario), plays.size(), heard.size());

        if (scenario == QLatin1String("alone")) {
            tally.check(plays.size() == 1, QStringLiteral("one cue played alone"), QStringLiteral("%1 calls").arg(plays.size()));
            if (plays.size() != 1)
                continue;
            const Cue cue = plays[0].second;
            const QString what = QStringLiteral("%1 alone").arg(QLatin1String(cueName(cue)));
            tally.check(heard.size() == 1, what + QStringLiteral(" heard as one sound"),
                        QStringLiteral("%1 sounds").arg(heard.size()));
            if (!heard.empty())
                checkWhole(what, cue, heard[0], plays[0].first);
        } else if (scenario == QLatin1String("countdown")) {
            // The question cue, a tick at each of 05..01, and at 00 no tick
            // but the wrong cue for the unanswered question. Each sound is
            // found by its play() call, so a late timer shows up as late
            // steps, not as missing sounds.
            const Cue expected[] = {Cue::Question, Cue::Tick, Cue::Tick, Cue::Tick, Cue::Tick, Cue::Tick, Cue::Wrong};
            QStringList played;
            bool asExpected = plays.size() == std::size(expected);
            for (size_t k = 0; k < plays.size(); ++k) {
                played << QLatin1String(cueName(plays[k].second));
                asExpected = asExpected && plays[k].second == expected[k];
            }
            tally.check(asExpected, QStringLiteral("countdown plays the question, 5 ticks, the wrong cue"),
                        played.join(QLatin1Char(' ')));
            tally.check(heard.size() == std::size(expected), QStringLiteral("countdown heard as 7 sounds"),
                        QStringLiteral("%1 sounds").arg(heard.size()));
            double previous = -1; // onset of the step before, if heard
            for (size_t k = 0; k < std::min(plays.size(), std::size(expected)); ++k) {
                const QString what = k == 0   ? QStringLiteral("countdown question")
                                     : k <= 5 ? QStringLiteral("tick %1 (\"0%2\")").arg(k).arg(6 - k)
                                              : QStringLiteral("\"00\": wrong cue, no tick");
                const double due = plays[k].first;
                const auto near = std::find_if(heard.begin(), heard.end(), [&](const Burst &b) {
                    return std::fabs(b.onset - due) <= onTime;
                });
                tally.check(near != heard.end(), what + QStringLiteral(" heard on time"),
                            near != heard.end() ? QStringLiteral("%1 after play()").arg(ms(near->onset - due))
                                                : QStringLiteral("nothing within %1 of %2").arg(ms(onTime), sec(due)));
                if (near == heard.end()) {
                    previous = -1;
                    continue;
                }
                if (previous >= 0)
                    tally.check(std::fabs(near->onset - previous - 1.0) <= tickSpacing,
                                what + QStringLiteral(" 1 s after the step before"), sec(near->onset - previous));
                checkWhole(what, expected[k], *near, std::nullopt);
                previous = near->onset;
            }
        } else if (scenario == QLatin1String("cut") || scenario == QLatin1String("leave")) {
            // Correct, then Wrong: only Wrong may sound from its start on.
            const QString what = scenario == QLatin1String("cut")
                                     ? QStringLiteral("wrong %1 after correct").arg(ms(cutDelayMs / 1000.0))
                                     : QStringLiteral("leaving the game");
            tally.check(plays.size() == 2 && plays[0].second == Cue::Correct && plays[1].second == Cue::Wrong,
                        what + QStringLiteral(": correct, then wrong played"), QStringLiteral("%1 calls").arg(plays.size()));
            tally.check(heard.size() == 1, what + QStringLiteral(": one sound"), QStringLiteral("%1 sounds").arg(heard.size()));
            if (plays.size() != 2 || heard.empty())
                continue;
            const Burst &b = heard[0];
            const Reference &wrong = refs[Cue::Wrong];
            const double gap = plays[1].first - plays[0].first;
            // Where the wrong cue's file starts, found by its first 100 ms
            // within 60 ms of where play() puts it.
            const double correctStart = b.onset - refs[Cue::Correct].span.onset;
            const size_t guess = sampleAt(correctStart + gap);
            const Match w = bestMatch(x, guess, wrong.samples, 2646, 4410);
            const double wrongStart = (double(guess) + double(w.lag)) / sampleRate;
            const double wrongEnd = wrongStart + wrong.span.end;
            const Match whole = matchAt(x, sampleAt(wrongStart), wrong.samples);
            const size_t under = sampleAt(std::min(b.end, wrongStart + wrong.fileSeconds) - wrongStart);
            const double rest = residualRatio(x, sampleAt(wrongStart), wrong.samples, whole.gain, under);
            std::printf("  %-26s sound %s..%s (%s), correct for %s, wrong from %s, residual under wrong %.3f\n",
                        qPrintable(what), qPrintable(sec(b.onset)), qPrintable(sec(b.end)), qPrintable(sec(b.span())),
                        qPrintable(ms(wrongStart - correctStart)), qPrintable(sec(wrongStart)), rest);
            tally.check(std::fabs(b.onset - plays[0].first) <= onTime, what + QStringLiteral(": on time"),
                        QStringLiteral("%1 after play()").arg(ms(b.onset - plays[0].first)));
            tally.check(std::fabs(wrongStart - correctStart - gap) <= takeOver,
                        what + QStringLiteral(": wrong cue starts %1 into the sound").arg(ms(gap)),
                        QStringLiteral("starts %1 in (likeness %2)")
                            .arg(ms(wrongStart - correctStart))
                            .arg(w.corr, 0, 'f', 3));
            tally.check(whole.corr >= alike && whole.gain >= levelLow && whole.gain <= levelHigh,
                        what + QStringLiteral(": wrong cue whole at full level"),
                        QStringLiteral("likeness %1, level %2").arg(whole.corr, 0, 'f', 3).arg(whole.gain, 0, 'f', 2));
            tally.check(std::fabs(b.end - wrongEnd) <= takeOver, what + QStringLiteral(": sound ends with the wrong cue"),
                        QStringLiteral("ends %1 after the wrong cue's end; length %2, wrong cue %3, both cues %4")
                            .arg(ms(b.end - wrongEnd), sec(b.span()), sec(wrong.span.span()),
                                 sec(refs[Cue::Correct].span.span() + wrong.span.span())));
            tally.check(rest <= nothingUnder, what + QStringLiteral(": correct cue cut off, nothing under the wrong cue"),
                        QStringLiteral("residual %1 of the wrong cue's level").arg(rest, 0, 'f', 3));
        } else if (scenario != QLatin1String("end")) {
            tally.check(false, QStringLiteral("scenario %1").arg(scenario), QStringLiteral("unknown to the analysis"));
        }
    }

    // Nothing may sound before the first scenario.
    const double firstMark = at.front() - 0.050;
    const auto early = std::count_if(bursts.begin(), bursts.end(), [&](const Burst &b) { return b.onset < firstMark; });
    std::printf("\n");
    tally.check(early == 0, QStringLiteral("silence before the first cue"), QStringLiteral("%1 sounds").arg(early));
    return finish();
}
