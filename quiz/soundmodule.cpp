#include "quiz/soundmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <chrono>

ModuleCuePlayer::ModuleCuePlayer(QStringList modulePaths)
    : m_paths(std::move(modulePaths))
{
    m_loadLater.setSingleShot(true);
    m_loadLater.setInterval(kLoadAfterMs);
    QObject::connect(&m_loadLater, &QTimer::timeout, &m_loadLater, [this] { startLoading(); });
}

// The module stays loaded to the end: its player's thread is gone by then,
// but the sound server's client library keeps exit handlers of its own.
ModuleCuePlayer::~ModuleCuePlayer()
{
    if (m_loader.joinable())
        m_loader.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_player.reset();
}

void ModuleCuePlayer::prepare()
{
    if (!m_loader.joinable() && !m_loadLater.isActive())
        m_loadLater.start();
}

void ModuleCuePlayer::startLoading()
{
    m_loadLater.stop();
    if (!m_loader.joinable())
        m_loader = std::thread([this] { loadModule(); });
}

void ModuleCuePlayer::loadModule()
{
    std::unique_ptr<CuePlayer> player;
    QString from;
    for (const QString &path : m_paths) {
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
        player.reset(create());
        if (player) {
            from = path;
            break;
        }
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_player = std::move(player);
        if (m_player) {
            if (const std::optional<Cue> early = m_early.take(CueSlot::nowMs()))
                m_player->play(*early);
        }
        m_loadedFrom = from;
        m_tried = true;
    }
    m_loadTried.notify_all();
}

void ModuleCuePlayer::play(Cue cue)
{
    // Held only for a hand-over that never waits, here and in the loader.
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_player)
        m_player->play(cue);
    else if (!m_tried)
        m_early.put(cue, CueSlot::nowMs());
}

bool ModuleCuePlayer::load(int timeoutMs)
{
    startLoading();
    std::unique_lock<std::mutex> lock(m_mutex);
    m_loadTried.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_tried; });
    return !m_loadedFrom.isEmpty();
}

bool ModuleCuePlayer::isLoaded() const
{
    return !loadedFrom().isEmpty();
}

QString ModuleCuePlayer::loadedFrom() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_loadedFrom;
}

QStringList ModuleCuePlayer::installedPaths()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString file = QStringLiteral(KORUBEL_SOUND_MODULE_FILE);
    return {QDir(here).filePath(file),
            QDir::cleanPath(here + QLatin1Char('/') + QStringLiteral(KORUBEL_SOUND_MODULE_DIR) + QLatin1Char('/') + file)};
}
