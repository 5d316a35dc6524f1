#include "quiz/soundmodule.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace {

qint64 steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

struct ModuleCuePlayer::AudioThread
{
    explicit AudioThread(QStringList modulePaths) : paths(std::move(modulePaths)) {}

    // On the audio thread.
    void loadModule();
    void playPending();
    void finish();

    const QStringList paths;
    QThread thread;
    QObject *worker = nullptr;          // lives on the audio thread: queued calls go to it
    std::unique_ptr<CuePlayer> player;  // touched on the audio thread only

    // The newest cue not yet handed to the player, with the moment it was
    // played: (ms << 3) | (cue + 1), or 0 for none.
    std::atomic<quint64> pending{0};

    std::mutex mutex;
    std::condition_variable loadTried;
    bool tried = false;  // under mutex
    QString loadedFrom;  // under mutex; empty if nothing loaded
};

void ModuleCuePlayer::AudioThread::loadModule()
{
    QString from;
    for (const QString &path : paths) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        if (!library.load()) {
            qWarning("No sound: %s", qPrintable(library.errorString()));
            continue;
        }
        const auto create = reinterpret_cast<Factory>(library.resolve(factoryName));
        if (!create) {
            qWarning("No sound: %s is not the sound module", qPrintable(path));
            library.unload();
            continue;
        }
        // The player opens the audio device here, on this thread, however
        // long the sound server takes to answer.
        player.reset(create());
        if (player) {
            from = path;
            break;
        }
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        tried = true;
        loadedFrom = from;
    }
    loadTried.notify_all();
}

void ModuleCuePlayer::AudioThread::playPending()
{
    const quint64 cue = pending.exchange(0);
    if (cue == 0 || !player)
        return;
    if (steadyMs() - qint64(cue >> 3) > kStaleMs)
        return; // the audio device took too long: this moment has passed
    player->play(Cue(int(cue & 7) - 1));
}

void ModuleCuePlayer::AudioThread::finish()
{
    // Streams close and the device goes on the thread that opened them.
    player.reset();
    worker->deleteLater(); // deleted as the thread ends
    thread.quit();
}

ModuleCuePlayer::ModuleCuePlayer(QStringList modulePaths)
    : m_paths(std::move(modulePaths))
{
}

// The module stays loaded to the end: Qt Multimedia keeps threads and
// callbacks of its own that must not lose their code under them.
ModuleCuePlayer::~ModuleCuePlayer()
{
    shutdown();
}

void ModuleCuePlayer::prepare()
{
    if (m_audio)
        return;
    m_audio = std::make_shared<AudioThread>(m_paths);
    AudioThread *audio = m_audio.get();
    audio->thread.setObjectName(QStringLiteral("korubel-audio"));
    audio->worker = new QObject;
    audio->worker->moveToThread(&audio->thread);
    audio->thread.start();
    QMetaObject::invokeMethod(audio->worker, [audio] { audio->loadModule(); }, Qt::QueuedConnection);
}

void ModuleCuePlayer::play(Cue cue)
{
    AudioThread *audio = m_audio.get();
    if (!audio)
        return;
    const quint64 stamped = (quint64(steadyMs()) << 3) | quint64(int(cue) + 1);
    // One queued call at a time: while one waits, a newer cue only takes
    // the place of the cue it would have played.
    if (audio->pending.exchange(stamped) == 0)
        QMetaObject::invokeMethod(audio->worker, [audio] { audio->playPending(); }, Qt::QueuedConnection);
}

bool ModuleCuePlayer::load(int timeoutMs)
{
    prepare();
    AudioThread &audio = *m_audio;
    std::unique_lock<std::mutex> lock(audio.mutex);
    audio.loadTried.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&audio] { return audio.tried; });
    return !audio.loadedFrom.isEmpty();
}

bool ModuleCuePlayer::isLoaded() const
{
    return !loadedFrom().isEmpty();
}

QString ModuleCuePlayer::loadedFrom() const
{
    if (!m_audio)
        return {};
    std::lock_guard<std::mutex> lock(m_audio->mutex);
    return m_audio->loadedFrom;
}

bool ModuleCuePlayer::shutdown(int timeoutMs)
{
    if (!m_audio)
        return true;
    std::shared_ptr<AudioThread> audio = std::move(m_audio);
    AudioThread *raw = audio.get();
    QMetaObject::invokeMethod(raw->worker, [raw] { raw->finish(); }, Qt::QueuedConnection);
    if (raw->thread.wait(QDeadlineTimer(timeoutMs)))
        return true;
    // Stuck inside the sound server's client library. Joining could wait
    // forever and destroying a running thread aborts the process, so the
    // thread keeps what it uses until the process ends.
    static auto *const stuck = new std::vector<std::shared_ptr<AudioThread>>;
    stuck->push_back(std::move(audio));
    return false;
}

QStringList ModuleCuePlayer::installedPaths()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString file = QStringLiteral(KORUBEL_SOUND_MODULE_FILE);
    return {QDir(here).filePath(file),
            QDir::cleanPath(here + QLatin1Char('/') + QStringLiteral(KORUBEL_SOUND_MODULE_DIR) + QLatin1Char('/') + file)};
}
