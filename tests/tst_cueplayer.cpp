// The sound player's side that needs no sound server: the four embedded
// cues decode to one format and keep their lengths, malformed WAV data is
// refused rather than played or crashed on, and the sound module loads -
// or, when it cannot, the game stays silent instead of failing.
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "quiz/cueplayer.h"
#include "quiz/soundmodule.h"

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
    void soundModuleLoadsOrStaysSilent_data();
    void soundModuleLoadsOrStaysSilent();
    void theAudioThreadLoadsAndEndsWithoutTheEventLoop();
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
    QFile file(QLatin1String(AudioCuePlayer::resourceOf(Cue(cue))));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QAudioFormat format;
    QByteArray pcm;
    QVERIFY(AudioCuePlayer::decodeWav(file.readAll(), &format, &pcm));
    QCOMPARE(format.sampleFormat(), QAudioFormat::Int16);
    QCOMPARE(format.sampleRate(), 44100);
    QCOMPARE(format.channelCount(), 2);
    const qint64 ms = format.durationForBytes(pcm.size()) / 1000;
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
    QTest::newRow("no channels") << wav(chunk("fmt ", fmtBody(1, 0, 44100, 16)) + chunk("data", samples)) << false << 0;
    QTest::newRow("fmt cut short") << wav(fmt.left(14)) << false << 0;
    QTest::newRow("less than one frame") << wav(fmt + chunk("data", "ab")) << false << 0;
}

void TestCuePlayer::malformedWavDataIsRefused()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, accepted);
    QFETCH(int, pcmBytes);
    QAudioFormat format;
    QByteArray pcm;
    QCOMPARE(AudioCuePlayer::decodeWav(data, &format, &pcm), accepted);
    if (accepted)
        QCOMPARE(pcm.size(), pcmBytes);
    // Every prefix of the file is refused, or read as whole frames of the
    // file's own samples; never past its end (the sanitizer build turns a
    // stray read into a failure).
    for (qsizetype cut = 0; cut < data.size(); cut += 3) {
        QByteArray part;
        if (!AudioCuePlayer::decodeWav(data.left(cut), &format, &part))
            continue;
        QVERIFY2(accepted, qPrintable(QStringLiteral("the first %1 bytes were read").arg(cut)));
        QVERIFY(pcm.startsWith(part));
        QCOMPARE(part.size() % format.bytesPerFrame(), 0);
    }
}

void TestCuePlayer::soundModuleLoadsOrStaysSilent_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<int>("loadedFrom"); // index into paths, -1 for none
    const QString module = QStringLiteral(KORUBEL_SOUND_MODULE_PATH);
    const QString missing = QStringLiteral("/nonexistent/korubel-sound.so");
    const QString notALibrary = QFINDTESTDATA("tst_cueplayer.cpp");
    const QString noFactory = QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6");
    QTest::newRow("the built module") << QStringList{module} << 0;
    QTest::newRow("nothing to try") << QStringList{} << -1;
    QTest::newRow("missing file") << QStringList{missing} << -1;
    QTest::newRow("not a library") << QStringList{notALibrary} << -1;
    QTest::newRow("a library without the factory") << QStringList{noFactory} << -1;
    QTest::newRow("the first that loads is used") << QStringList{missing, notALibrary, noFactory, module} << 3;
}

void TestCuePlayer::soundModuleLoadsOrStaysSilent()
{
    QFETCH(QStringList, paths);
    QFETCH(int, loadedFrom);
    ModuleCuePlayer player(paths);
    QCOMPARE(player.load(), loadedFrom >= 0);
    QCOMPARE(player.isLoaded(), loadedFrom >= 0);
    QCOMPARE(player.loadedFrom(), loadedFrom >= 0 ? paths.at(loadedFrom) : QString());
    // A second load gives the first answer and tries nothing again.
    QCOMPARE(player.load(), loadedFrom >= 0);
    // Loaded or not, playing every cue returns and nothing breaks (these
    // tests run without a sound server, so nothing is heard either way).
    for (Cue cue : {Cue::Question, Cue::Tick, Cue::Correct, Cue::Wrong})
        player.play(cue);
    QCoreApplication::processEvents();
}

void TestCuePlayer::theAudioThreadLoadsAndEndsWithoutTheEventLoop()
{
    // This thread never runs its event loop here: the module is loaded,
    // cues are handed over and the thread ends all on the audio thread.
    ModuleCuePlayer player({QStringLiteral(KORUBEL_SOUND_MODULE_PATH)});
    player.play(Cue::Tick); // before prepare(): nowhere to go, nothing breaks
    player.prepare();
    QVERIFY(player.load(10000));
    player.play(Cue::Question);
    QVERIFY(player.shutdown(10000));
    QVERIFY(!player.isLoaded());
    player.play(Cue::Wrong); // after the end: dropped
    // A player that goes while its load is still on the way leaves nothing
    // behind (the sanitizer build checks for leaks).
    ModuleCuePlayer early({QStringLiteral(KORUBEL_SOUND_MODULE_PATH)});
    early.prepare();
    early.play(Cue::Correct);
    QVERIFY(early.shutdown(10000));
}

QTEST_GUILESS_MAIN(TestCuePlayer)
#include "tst_cueplayer.moc"
