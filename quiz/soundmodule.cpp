#include "soundmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>

ModuleCuePlayer::ModuleCuePlayer(QStringList modulePaths)
    : m_paths(std::move(modulePaths))
{
}

// The module stays loaded to the end: Qt Multimedia keeps threads and
// callbacks of its own that must not lose their code under them.
ModuleCuePlayer::~ModuleCuePlayer() = default;

void ModuleCuePlayer::prepare()
{
    if (!m_tried)
        QTimer::singleShot(0, &m_context, [this] { load(); });
}

void ModuleCuePlayer::play(Cue cue)
{
    if (m_player)
        m_player->play(cue);
}

bool ModuleCuePlayer::load()
{
    if (m_tried)
        return isLoaded();
    m_tried = true;
    for (const QString &path : std::as_const(m_paths)) {
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
        m_player.reset(create());
        if (m_player) {
            m_loadedFrom = path;
            return true;
        }
    }
    return false;
}

QStringList ModuleCuePlayer::installedPaths()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString file = QStringLiteral(KORUBEL_SOUND_MODULE_FILE);
    return {QDir(here).filePath(file),
            QDir::cleanPath(here + QLatin1Char('/') + QStringLiteral(KORUBEL_SOUND_MODULE_DIR) + QLatin1Char('/') + file)};
}
