// The sound player's side that needs no sound server: the four embedded
// cues decode and keep their lengths, malformed WAV data is refused rather
// than played or crashed on, the hand-over of cues and the pace of retries
// keep their rules, and the player starts its thread only when prepared.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "quiz/cueslot.h"
#include "quiz/pulsecueplayer.h"
#include "quiz/wavdata.h"

namespace {

QByteArray chunk(const char *id, const QByteArray &body)
{
    QByteArray out(id, 4);
    char size[4];
    qToLittleEndian<quint32>(quint32(body.size()), size);
    out.append(size, 4).append(body);
    if (body.size() % 2)
        out.append('\0');
    return out;
}

QByteArray fmtBody(quint16 encoding, quint16 channels, quint32 rate, quint16 bits)
{
    QByteArray body(16, '\0');
    qToLittleEndian<quint16>(encoding, body.data());
    qToLittleEndian<quint16>(channels, body.data() + 2);
    qToLittleEndian<quint32>(rate, body.data() + 4);
    qToLittleEndian<quint32>(rate * channels * bits / 8, body.data() + 8);
    qToLittleEndian<quint16>(quint16(channels * bits / 8), body.data() + 12);
    qToLittleEndian<quint16>(bits, body.data() + 14);
    return body;
}

QByteArray wav(const QByteArray &chunks)
{
    QByteArray out("RIFF");
    char size[4];
    qToLittleEndian<quint32>(quint32(chunks.size() + 4), size);
    return out.append(size, 4).append("WAVE").append(chunks);
}

} // namespace

class TestCuePlayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void embeddedCuesShareOneFormatAndStayShort_data();
    void embeddedCuesShareOneFormatAndStayShort();
    void malformedWavDataIsRefused_data();
    void malformedWavDataIsRefused();
    void thePlayerStartsOneThreadOnlyWhenPrepared();
    void cueSlotHandsOverTheNewestFreshCue_data();
    void cueSlotHandsOverTheNewestFreshCue();
    void retriesComeFasterThanASecondApartNeverFaster_data();
    void retriesComeFasterThanASecondApartNeverFaster();
    void unreadableCueFilesGiveOneWarningAndSilence();
};

void TestCuePlayer::embeddedCuesShareOneFormatAndStayShort_data()
{
    QTest::addColumn<int>("cue");
    QTest::addColumn<int>("maxMs");
    QTest::newRow("question sor.wav") << int(Cue::Question) << 500;
    QTest::newRow("tick ses.wav") << int(Cue::Tick) << 500;
    QTest::newRow("correct dogru.wav") << int(Cue::Correct) << 1000;
    QTest::newRow("wrong yanlis.wav") << int(Cue::Wrong) << 1000;
}

void TestCuePlayer::embeddedCuesShareOneFormatAndStayShort()
{
    QFETCH(int, cue);
    QFETCH(int, maxMs);
    QFile file{QLatin1String(cueResource(Cue(cue)))};
    QVERIFY(file.open(QIODevice::ReadOnly));
    WavData wav;
    QVERIFY(decodeWav(file.readAll(), &wav));
    QCOMPARE(wav.rate, 44100);
    QCOMPARE(wav.channels, 1);
    const QByteArray &pcm = wav.pcm;
    const qint64 ms = qint64(pcm.size()) * 1000 / (44100 * 2);
    QVERIFY2(ms >= 120 && ms < maxMs, qPrintable(QStringLiteral("%1 ms").arg(ms)));
    // Not silent.
    const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
    int peak = 0;
    for (qsizetype n = 0; n < pcm.size() / 2; ++n)
        peak = std::max(peak, std::abs(int(samples[n])));
    QVERIFY(peak > 8000);
}

void TestCuePlayer::malformedWavDataIsRefused_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("pcmBytes");
    const QByteArray fmt = chunk("fmt ", fmtBody(1, 2, 44100, 16));
    const QByteArray samples(400, '\x11');
    QTest::newRow("plain 16-bit stereo") << wav(fmt + chunk("data", samples)) << true << 400;
    QTest::newRow("other chunks are skipped") << wav(chunk("LIST", "abc") + fmt + chunk("data", samples)) << true << 400;
    QTest::newRow("odd data is cut to whole frames") << wav(fmt + chunk("data", samples.left(7))) << true << 4;
    QByteArray claimsMore = wav(fmt + chunk("data", samples));
    qToLittleEndian<quint32>(0xFFFFFFF0u, claimsMore.data() + claimsMore.indexOf("data") + 4);
    QTest::newRow("data claiming more than is there") << claimsMore << true << 400;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("not RIFF") << QByteArray("RIFX0000WAVE") + fmt << false << 0;
    QTest::newRow("no data chunk") << wav(fmt) << false << 0;
    QTest::newRow("no fmt chunk") << wav(chunk("data", samples)) << false << 0;
    QTest::newRow("8-bit") << wav(chunk("fmt ", fmtBody(1, 2, 44100, 8)) + chunk("data", samples)) << false << 0;
    QTest::newRow("float") << wav(chunk("fmt ", fmtBody(3, 2, 44100, 16)) + chunk("data", samples)) << false << 0;
    QTest::newRow("rate beyond any device") << wav(chunk("fmt ", fmtBody(1, 2, 4000000, 16)) + chunk("data", samples)) << false << 0;
    QTest::newRow("no channels") << wav(chunk("fmt ", fmtBody(1, 0, 44100, 16)) + chunk("data", samples)) << false << 0;
    QTest::newRow("fmt cut short") << wav(fmt.left(14)) << false << 0;
    QTest::newRow("less than one frame") << wav(fmt + chunk("data", "ab")) << false << 0;
}

void TestCuePlayer::malformedWavDataIsRefused()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, accepted);
    QFETCH(int, pcmBytes);
    WavData whole;
    QCOMPARE(decodeWav(data, &whole), accepted);
    QCOMPARE(whole.pcm.size(), pcmBytes);
    // Every prefix of the file is refused, or read as whole frames of the
    // file's own samples; never past its end (the sanitizer build turns a
    // stray read into a failure).
    for (qsizetype cut = 0; cut < data.size(); cut += 3) {
        WavData part;
        if (!decodeWav(data.left(cut), &part))
            continue;
        QVERIFY2(accepted, qPrintable(QStringLiteral("the first %1 bytes were read").arg(cut)));
        QVERIFY(whole.pcm.startsWith(part.pcm));
        QCOMPARE(part.pcm.size() % 4, 0);
    }
}

void TestCuePlayer::thePlayerStartsOneThreadOnlyWhenPrepared()
{
    // No sound server: nothing here may reach one on the test machine.
    qputenv("PULSE_SERVER", "unix:/nonexistent/korubel-test-no-server");
    const auto threads = [] {
        return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    };
    const qsizetype before = threads();
    PulseCuePlayer player(cueResource);
    player.play(Cue::Tick); // before game mode: dropped, nothing started
    QCOMPARE(threads(), before);
    player.prepare();
    QCOMPARE(threads(), before + 1);
    player.prepare();
    player.play(Cue::Question);
    QCOMPARE(threads(), before + 1);
    qunsetenv("PULSE_SERVER");
}

void TestCuePlayer::cueSlotHandsOverTheNewestFreshCue_data()
{
    // Each step: 'p' puts a cue at a time, 't' takes at a time and expects
    // a cue or none (-1).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("taken");
    QTest::newRow("empty slot gives nothing") << "t0" << "-";
    QTest::newRow("a cue is taken once") << "p1@0 t1@5 t1@6" << "1 -";
    QTest::newRow("the newest of several wins") << "p0@0 p2@1 p3@2 t0@3" << "3";
    QTest::newRow("fresh at 250 ms") << "p1@1000 t1@1250" << "1";
    QTest::newRow("stale at 251 ms, and gone") << "p1@1000 t1@1251 t1@1252" << "- -";
    QTest::newRow("a newer cue replaces a stale one") << "p0@0 p2@900 t2@1000" << "2";
    QTest::newRow("the question cue is not mistaken for none") << "p0@7 t0@7" << "0";
}

void TestCuePlayer::cueSlotHandsOverTheNewestFreshCue()
{
    QFETCH(QString, steps);
    QFETCH(QString, taken);
    CueSlot slot;
    QStringList got;
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        const qint64 at = step.section(QLatin1Char('@'), 1).toLongLong();
        if (step.startsWith(QLatin1Char('p'))) {
            slot.put(Cue(step.mid(1, 1).toInt()), at);
        } else {
            const std::optional<Cue> cue = slot.take(at);
            got << (cue ? QString::number(int(*cue)) : QStringLiteral("-"));
        }
    }
    QCOMPARE(got.join(QLatin1Char(' ')), taken);
}

void TestCuePlayer::retriesComeFasterThanASecondApartNeverFaster_data()
{
    QTest::addColumn<int>("failedTries");
    QTest::addColumn<int>("delayMs");
    QTest::newRow("first retry soon") << 0 << 100;
    QTest::newRow("then doubling") << 1 << 200;
    QTest::newRow("doubling again") << 3 << 800;
    QTest::newRow("capped at a second") << 4 << 1000;
    QTest::newRow("still a second after minutes") << 400 << 1000;
    QTest::newRow("no overflow after a day of tries") << 100000 << 1000;
}

void TestCuePlayer::retriesComeFasterThanASecondApartNeverFaster()
{
    QFETCH(int, failedTries);
    QFETCH(int, delayMs);
    QCOMPARE(PulseCuePlayer::retryDelayMs(failedTries), delayMs);
}

void TestCuePlayer::unreadableCueFilesGiveOneWarningAndSilence()
{
    // No sound server: nothing here may reach one on the test machine.
    qputenv("PULSE_SERVER", "unix:/nonexistent/korubel-test-no-server");
    // A good WAV file, but mono at 22050 Hz: the cues share one stream in
    // the format of the first one read (the tick), so this one is refused.
    static QByteArray otherFormat;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    otherFormat = dir.filePath(QStringLiteral("mono.wav")).toLocal8Bit();
    QFile mono(QString::fromLocal8Bit(otherFormat));
    QVERIFY(mono.open(QIODevice::WriteOnly));
    mono.write(wav(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", QByteArray(400, '\x11'))));
    mono.close();
    const auto files = [](Cue cue) {
        switch (cue) {
        case Cue::Question: return "/etc/hostname";
        case Cue::Tick: return ":/sounds/ses.wav";
        case Cue::Correct: return "/nonexistent/dogru.wav";
        case Cue::Wrong: return otherFormat.constData();
        }
        return "";
    };
    // One warning names every file that cannot be played, when the player
    // is prepared (a warning while it is made would go unmatched).
    PulseCuePlayer player(files);
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable(QStringLiteral("No sound for /etc/hostname, /nonexistent/dogru.wav, %1: "
                                                   "not a 16-bit PCM WAV file in the cues' one format")
                                        .arg(QString::fromLocal8Bit(otherFormat))));
    player.prepare();
    // Playing any cue, readable or not, warns no more and never fails.
    for (int n = 0; n < 20; ++n)
        player.play(Cue(n % 4));
    // With no cue at all to play, the same: one warning, and silence.
    PulseCuePlayer mute([](Cue) { return "/a"; });
    QTest::ignoreMessage(QtWarningMsg, "No sound for /a, /a, /a, /a: not a 16-bit PCM WAV file in the cues' one format");
    mute.prepare();
    mute.play(Cue::Question);
    qunsetenv("PULSE_SERVER");
}

QTEST_GUILESS_MAIN(TestCuePlayer)
#include "tst_cueplayer.moc"
